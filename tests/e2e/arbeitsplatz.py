# A desktop for the out-of-process tests: an X server of its own, the accessibility bus, diary
# files written byte by byte, and the window focus a user's click would give.
import os, subprocess, sys, time


def x_starten(heim):
    """Xvfb on a free display. Returns the server, its output file and the environment to start programs in."""
    lesen, schreiben = os.pipe()
    log = open(os.path.join(heim, "xvfb.log"), "w+")
    # Without -noreset the server resets whenever its last client leaves (the bus launcher, a
    # probe) and refuses clients meanwhile.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(schreiben), "-noreset", "-screen", "0", "1280x1024x24"],
                            pass_fds=[schreiben], stdout=log, stderr=subprocess.STDOUT)
    os.close(schreiben)
    anzeige = ":" + os.read(lesen, 16).decode().strip()
    umgebung = dict(os.environ, DISPLAY=anzeige, HOME=heim, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                    XDG_RUNTIME_DIR=heim)
    os.environ.update(DISPLAY=anzeige)
    # It says its number before every client can connect.
    bereit = time.time() + 20
    while subprocess.run(["xdotool", "getdisplaygeometry"], env=umgebung, capture_output=True).returncode != 0:
        if time.time() > bereit:
            print("FAIL: the X server on %s takes no clients" % anzeige)
            sys.exit(1)
        time.sleep(0.2)
    return xvfb, log, umgebung


def bus_starten(umgebung):
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=umgebung,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    return bus


def beenden(*prozesse):
    for p in prozesse:
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()


def tagebuch_schreiben(pfad, felder, tage):
    """A diary file: field names, then per day its number, comment and entries."""
    def zeichenkette(s):
        b = s.encode("latin-1")
        return len(b).to_bytes(2, "big") + b

    def zahl(v):
        return bytes([v & 0xFF, v >> 24 & 0xFF, v >> 16 & 0xFF, v >> 8 & 0xFF])

    inhalt = zeichenkette("MRV01") + zeichenkette("".join(f + "\r\n" for f in felder)) + zahl(len(tage))
    for datum, kommentar, eintraege in tage:
        inhalt += zahl(datum) + zeichenkette(kommentar) + zahl(len(eintraege))
        for e in eintraege:
            inhalt += zeichenkette("".join(w + "\r\n" for w in e))
    with open(pfad, "wb") as f:
        f.write(inhalt)


def fenster_fokus(umgebung, titel):
    """No window manager gives a new window the keyboard: the user's click, done here by xdotool.
    False when no window shows the title."""
    try:
        wid = subprocess.run(["xdotool", "search", "--sync", "--name", titel], env=umgebung,
                             capture_output=True, text=True, timeout=20).stdout.split()
    except subprocess.TimeoutExpired:
        return False
    subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], env=umgebung, timeout=10)
    return True
