#!/usr/bin/python3
# The main window as a screen reader sees it, out of process over AT-SPI:
# every box is named by its label, and Down moves the focus to the first field.
# Runs under dbus-run-session with Xvfb; argument: the program to start.
import os, subprocess, sys, tempfile, time

import pyatspi

programm = sys.argv[1]
heim = tempfile.mkdtemp()
tagebuch = os.path.join(heim, "beispiel.MRV")
with open(tagebuch, "wb") as f:  # fields X and Y, day 42005, one entry 5 and 7
    f.write(bytes.fromhex("00054D52563031 0006580D0A590D0A 01000000 150000A4 0000 01000000 0006350D0A370D0A".replace(" ", "")))

lesen, schreiben = os.pipe()
xvfb_log = open(os.path.join(heim, "xvfb.log"), "w+")
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(schreiben), "-noreset", "-screen", "0", "1280x1024x24"], pass_fds=[schreiben],
                        stdout=xvfb_log, stderr=subprocess.STDOUT)
os.close(schreiben)
anzeige = ":" + os.read(lesen, 16).decode().strip()
umgebung = dict(os.environ, DISPLAY=anzeige, HOME=heim, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                XDG_RUNTIME_DIR=heim)
os.environ.update(DISPLAY=anzeige)
# Without -noreset the server resets whenever its last client leaves (the bus launcher, this
# probe) and refuses clients meanwhile. It says its number before every client can connect.
bereit = time.time() + 20
while subprocess.run(["xdotool", "getdisplaygeometry"], env=umgebung, capture_output=True).returncode != 0:
    if time.time() > bereit:
        print("FAIL: the X server on %s takes no clients" % anzeige)
        sys.exit(1)
    time.sleep(0.2)
bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=umgebung,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1)
protokoll = open(os.path.join(heim, "programm.log"), "w+")
app = subprocess.Popen([programm, tagebuch], env=umgebung, stdout=protokoll, stderr=subprocess.STDOUT)


def fenster():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name and "merovan" in a.name.lower():
            return a
    return None


def felder(knoten, liste):
    try:
        if knoten.getRoleName() == "text" and knoten.getState().contains(pyatspi.STATE_SHOWING):
            liste.append(knoten)
        for i in range(knoten.childCount):
            felder(knoten.getChildAtIndex(i), liste)
    except Exception:
        pass
    return liste


fehler = []
try:
    frist = time.time() + 40
    boxen = []
    while time.time() < frist:
        a = fenster()
        boxen = felder(a, []) if a else []
        if len(boxen) == 3 and any(b.queryText().getText(0, -1) == "5" for b in boxen):
            break
        time.sleep(0.3)
    namen = sorted((b.name, b.queryText().getText(0, -1)) for b in boxen)
    if namen != [("Tag:", "Do., 01. Jänner 2015"), ("X", "5"), ("Y", "7")]:
        fehler.append("names and texts: %r" % namen)
    # One attribute run over the whole text: Orca joins runs, and empty runs made it drop the last character.
    for b in boxen:
        t = b.queryText()
        lauf = tuple(t.getAttributeRun(0)[1:])
        if lauf != (0, t.characterCount):
            fehler.append("attribute run of %s: %r" % (b.name, lauf))

    try:
        wid = subprocess.run(["xdotool", "search", "--sync", "--name", "Merovan V1.02"], env=umgebung,
                             capture_output=True, text=True, timeout=20).stdout.split()
    except subprocess.TimeoutExpired:
        wid = []
        fehler.append("no window named Merovan V1.02")
    if wid:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], env=umgebung, timeout=10)
        subprocess.run(["xdotool", "key", "--window", wid[0], "Down"], env=umgebung, timeout=10)
    frist = time.time() + 10
    fokus = None
    while time.time() < frist and fokus != "X":
        a = fenster()
        fokus = next((b.name for b in felder(a, []) if b.getState().contains(pyatspi.STATE_FOCUSED)), None) if a else None
        time.sleep(0.3)
    if fokus != "X":
        fehler.append("focus after Down: %r" % fokus)
finally:
    for p in (app, bus, xvfb):
        p.terminate()
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()

if fehler:
    print("FAIL: " + "; ".join(fehler))
    protokoll.seek(0)
    print("program exit %r, output:\n%s" % (app.returncode, protokoll.read()))
    xvfb_log.seek(0)
    print("display %s, Xvfb exit %r, output:\n%s" % (anzeige, xvfb.returncode, xvfb_log.read()))
    sys.exit(1)
print("PASS: names, texts and focus as a screen reader sees them")
