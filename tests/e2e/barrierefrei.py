#!/usr/bin/python3
# The program as a screen reader sees it, out of process over AT-SPI, driven by
# real keys. First a diary opened from the command line: every box is named by
# its label, and Down moves the focus to the first field. Then a new user's
# first run: the question, the field names dialog, the date dialog, a value
# typed and saved; every control named, the focus checked after each step.
# Then go to day (Ctrl+G), the comment search (Ctrl+F) and the week overview (Ctrl+W) in a diary of three days.
# Last a background and a font size chosen by keys, a restart that comes back with both, and the
# help menu and the change history by their keys.
# Runs under dbus-run-session with Xvfb; argument: the program to start.
import os, subprocess, sys, tempfile, time

import pyatspi

from arbeitsplatz import beenden, bus_starten, fenster_fokus as arbeitsplatz_fenster_fokus, tagebuch_schreiben, x_starten

programm = sys.argv[1]
heim = tempfile.mkdtemp()
tagebuch = os.path.join(heim, "beispiel.MRV")
with open(tagebuch, "wb") as f:  # fields X and Y, day 42005, one entry 5 and 7
    f.write(bytes.fromhex("00054D52563031 0006580D0A590D0A 01000000 150000A4 0000 01000000 0006350D0A370D0A".replace(" ", "")))

xvfb, xvfb_log, umgebung = x_starten(heim)
anzeige = umgebung["DISPLAY"]
bus = bus_starten(umgebung)
protokoll = open(os.path.join(heim, "programm.log"), "w+")
app = subprocess.Popen([programm, tagebuch], env=umgebung, stdout=protokoll, stderr=subprocess.STDOUT)


def fenster():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name and "merovan" in a.name.lower():
            return a
    return None


def felder(wurzel, liste):
    for k in knoten(wurzel, []):
        try:
            if k.getRoleName() == "text":
                liste.append(k)
        except Exception:
            pass
    return liste


def knoten(wurzel, liste, nur_sichtbar=True):
    try:
        if not nur_sichtbar or wurzel.getState().contains(pyatspi.STATE_SHOWING):
            liste.append(wurzel)
        for i in range(wurzel.childCount):
            knoten(wurzel.getChildAtIndex(i), liste, nur_sichtbar)
    except Exception:
        pass
    return liste


def sichtbar():
    liste = []
    for a in pyatspi.Registry.getDesktop(0):
        try:
            if a is not None and a.name and "merovan" in a.name.lower():
                knoten(a, liste)
        except Exception:
            pass
    return liste


def fokus_jetzt():
    for k in sichtbar():
        try:
            # Qt calls a list's current item focused even in a list without the focus: the list itself tells.
            if k.getState().contains(pyatspi.STATE_FOCUSED) and k.getRoleName() not in ("frame", "dialog", "alert", "filler", "panel", "list item"):
                return (k.getRoleName(), k.name)
        except Exception:
            pass
    return None


def fokus_ueberall():
    """What claims the focus anywhere in the program, hidden windows too, as a screen reader that
    looks the focus up would find it."""
    gefunden = []
    for a in pyatspi.Registry.getDesktop(0):
        try:
            if a is None or not a.name or "merovan" not in a.name.lower():
                continue
            for k in knoten(a, [], nur_sichtbar=False):
                s = k.getState()
                if s.contains(pyatspi.STATE_FOCUSED) and s.contains(pyatspi.STATE_SHOWING) \
                        and k.getRoleName() not in ("frame", "dialog", "alert"):
                    gefunden.append((k.getRoleName(), k.name))
        except Exception:
            pass
    return gefunden


def warte_fokus(erwartet, schritt, sekunden=20):
    frist = time.time() + sekunden
    f = None
    while time.time() < frist:
        f = fokus_jetzt()
        if f == erwartet:
            return True
        time.sleep(0.2)
    fehler.append("%s: focus %r, expected %r" % (schritt, f, erwartet))
    return False


def namen_pruefen(schritt, erwartet):
    """Every button and text box that shows is named; the expected (role, name) pairs are among them."""
    gesehen = set()
    for k in sichtbar():
        try:
            rolle = k.getRoleName()
            if rolle in ("push button", "text", "spin button", "list", "check box"):
                if not k.name:
                    fehler.append("%s: a %s without a name" % (schritt, rolle))
                gesehen.add((rolle, k.name))
        except Exception:
            pass
    for e in erwartet:
        if e not in gesehen:
            fehler.append("%s: no %r among %r" % (schritt, e, sorted(gesehen)))


def taste(*tasten):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(tasten), env=umgebung, timeout=20)


def tippe(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], env=umgebung, timeout=20)


def tagebuch_lesen(pfad):
    """The diary file's field names and the values of its entries."""
    b = open(pfad, "rb").read()
    p = 0

    def zeichenkette():
        nonlocal p
        n = b[p] << 8 | b[p + 1]
        s = b[p + 2:p + 2 + n].decode("latin-1")
        p += 2 + n
        return s

    def zahl():
        nonlocal p
        v = b[p] | b[p + 1] << 24 | b[p + 2] << 16 | b[p + 3] << 8
        p += 4
        return v

    if zeichenkette() != "MRV01":
        return None
    felder = zeichenkette().split("\r\n")[:-1]
    tage = []
    for _ in range(zahl()):
        zahl()
        zeichenkette()
        tage.append([zeichenkette().split("\r\n")[:-1] for _ in range(zahl())])
    return felder, tage


def ausgewaehlt(rolle_liste):
    """The name of the selected item of the showing list with this name."""
    for k in sichtbar():
        try:
            if k.getRoleName() == "list" and k.name == rolle_liste:
                for i in range(k.childCount):
                    c = k.getChildAtIndex(i)
                    if c.getState().contains(pyatspi.STATE_SELECTED):
                        return c.name
        except Exception:
            pass
    return None


def datumszeile():
    for k in sichtbar():
        try:
            if k.getRoleName() == "text" and k.name == "Tag:":
                return k.queryText().getText(0, -1)
        except Exception:
            pass
    return None


def warte(bedingung, schritt, sekunden=20):
    frist = time.time() + sekunden
    while time.time() < frist:
        if bedingung():
            return True
        time.sleep(0.2)
    fehler.append("%s: not reached, focus %r" % (schritt, fokus_jetzt()))
    return False


def gehe_und_suche():
    global app
    neu = tempfile.mkdtemp()
    drei = os.path.join(neu, "drei.MRV")
    tagebuch_schreiben(drei, ["Blutzucker"], [(42005, "Arzt: Zucker zu hoch\r\n", [["110"]]),
                                              (42006, "Sport\r\n", [["95"], ["130"]]),
                                              (42007, "", [["101"]])])
    app = subprocess.Popen([programm, drei], env=dict(umgebung, HOME=neu, XDG_RUNTIME_DIR=neu), stdout=protokoll,
                           stderr=subprocess.STDOUT)
    if not fenster_fokus("drei.MRV"):
        return
    if not warte_fokus(("text", "Tag:"), "three days opened"):
        return
    taste("ctrl+g")
    if not warte_fokus(("list", "Gehe zu Tag"), "date list"):
        return
    namen_pruefen("date list", [("list", "Gehe zu Tag"), ("push button", "OK"), ("push button", "Abbrechen")])
    if ausgewaehlt("Gehe zu Tag") != "Sa., 03. Jänner 2015":
        fehler.append("date list: selected %r, expected the day on show" % ausgewaehlt("Gehe zu Tag"))
    taste("Down")
    warte(lambda: ausgewaehlt("Gehe zu Tag") == "Fr., 02. Jänner 2015", "date list, one line down")
    taste("Return")
    if not warte_fokus(("text", "Tag:"), "after go to day"):
        return
    warte(lambda: datumszeile() == "Fr., 02. Jänner 2015", "the day gone to")
    # The closed list's line no longer claims the focus beside the date line.
    if fokus_ueberall() != [("text", "Tag:")]:
        fehler.append("after go to day: focused and showing %r" % fokus_ueberall())

    taste("ctrl+f")
    if not warte_fokus(("text", "Kommentar:"), "comment search"):
        return
    namen_pruefen("comment search", [("text", "Kommentar:"), ("check box", "Genaue Übereinstimmung"),
                                     ("list", "Gefundene Tage"), ("push button", "Suchen"), ("push button", "OK"),
                                     ("push button", "Schließen")])
    tippe("zucker")
    taste("Return")
    if not warte_fokus(("list", "1 Tag gefunden"), "hit list"):
        return
    if ausgewaehlt("1 Tag gefunden") != "Do., 01. Jänner 2015":
        fehler.append("hit list: selected %r" % ausgewaehlt("1 Tag gefunden"))
    taste("Return")
    if not warte_fokus(("text", "Tag:"), "after the search"):
        return
    warte(lambda: datumszeile() == "Do., 01. Jänner 2015", "the day found")

    # The week of Thursday 1 January 2015 holds all three days; the report is read from its first line.
    taste("ctrl+w")
    if not warte_fokus(("text", "Übersicht einer Woche"), "week overview"):
        return
    namen_pruefen("week overview", [("text", "Übersicht einer Woche"), ("push button", "Drucken..."),
                                    ("push button", "Speichern..."), ("push button", "Schließen")])
    bericht = next((k for k in sichtbar() if k.getRoleName() == "text" and k.name == "Übersicht einer Woche"), None)
    if bericht is not None:
        t = bericht.queryText()
        erste = t.getText(0, -1).split("\n")[0]
        if erste.split() != ["Tag:", "Sa.,", "03.", "Jänner", "2015"]:  # the newest day first
            fehler.append("week overview: first line %r" % erste)
        if t.caretOffset != 0:
            fehler.append("week overview: caret at %r" % t.caretOffset)
        for datum in ("Fr., 02. Jänner 2015", "Do., 01. Jänner 2015", "[Arzt: Zucker zu hoch]"):
            if datum not in t.getText(0, -1):
                fehler.append("week overview: %r missing" % datum)
    taste("Escape")
    warte_fokus(("text", "Tag:"), "after the week overview")


def fenster_fokus(titel):
    """No window manager gives a new window the keyboard: the user's click, done here by xdotool."""
    if arbeitsplatz_fenster_fokus(umgebung, titel):
        return True
    fehler.append("no window showing %s" % titel)
    return False


def menuepunkt(menue, eintrag, taste_des_eintrags):
    """Opens a menu by its key and chooses an item by its own key once the item shows."""
    taste(menue)
    warte(lambda: any(k.getRoleName() == "menu item" and k.name == eintrag for k in sichtbar()),
          "menu with %s" % eintrag)
    taste(taste_des_eintrags)


def attribute(name):
    """The text attributes of the showing text box with this name, as a dict."""
    for k in sichtbar():
        try:
            if k.getRoleName() == "text" and k.name == name:
                t = k.queryText()
                lauf = t.getAttributeRun(0)[0]
                return dict(a.split(":", 1) for a in lauf if ":" in a) if isinstance(lauf, list) else dict(lauf)
        except Exception:
            pass
    return {}


def einstellungen():
    global app
    neu = tempfile.mkdtemp()
    drei = os.path.join(neu, "drei.MRV")
    tagebuch_schreiben(drei, ["Blutzucker"], [(42005, "", [["110"]])])
    umg = dict(umgebung, HOME=neu, XDG_RUNTIME_DIR=neu)
    app = subprocess.Popen([programm, drei], env=umg, stdout=protokoll, stderr=subprocess.STDOUT)
    if not fenster_fokus("drei.MRV") or not warte_fokus(("text", "Tag:"), "settings: diary opened"):
        return
    menuepunkt("alt+a", "Schrifthintergrund...", "h")
    if not warte_fokus(("list", "Schrifthintergrund"), "background dialog"):
        return
    namen_pruefen("background dialog", [("list", "Schrifthintergrund"), ("push button", "OK"), ("push button", "Abbrechen")])
    taste("Down", "Return")  # Weiß → Gelb
    if not warte_fokus(("text", "Tag:"), "after the background"):
        return
    menuepunkt("alt+a", "Schriftart...", "s")
    frist = time.time() + 20
    while time.time() < frist and not any(k.getRoleName() == "dialog" and "Schrift" in (k.name or "") for k in sichtbar()):
        time.sleep(0.2)
    taste("alt+g")
    time.sleep(0.5)
    taste("ctrl+a")
    tippe("36")
    taste("Return")
    if not warte_fokus(("list", "Schriftfarbe"), "font colour step"):
        return
    taste("Return")
    if not warte_fokus(("text", "Tag:"), "after the font"):
        return
    vorher = attribute("Tag:")
    if vorher.get("size") != "36" or vorher.get("bg-color") != "255,255,0":
        fehler.append("settings chosen: date line attributes %r" % (vorher,))
    taste("alt+F4")
    try:
        app.wait(20)
    except subprocess.TimeoutExpired:
        fehler.append("Alt+F4 did not end the program")
        return
    app = subprocess.Popen([programm], env=umg, stdout=protokoll, stderr=subprocess.STDOUT)
    if not fenster_fokus("drei.MRV") or not warte_fokus(("text", "Tag:"), "restart"):
        return
    nachher = attribute("Tag:")
    if nachher.get("size") != "36" or nachher.get("bg-color") != "255,255,0":
        fehler.append("after the restart: date line attributes %r" % (nachher,))

    # The help menu by its key: every item named (no updater installed here, so five).
    taste("alt+h")
    erwartet = ["Programm-Info", "Programm-Homepage...", "Programm-Änderungen...", "Mail an den Programmierer...",
                "Spenden..."]
    gesehen = []
    frist = time.time() + 20
    while time.time() < frist:
        gesehen = [k.name for k in sichtbar() if k.getRoleName() == "menu item" and k.name in erwartet + ["Programm-Aktualisierung..."]]
        if gesehen == erwartet:
            break
        time.sleep(0.2)
    if gesehen != erwartet:
        fehler.append("help menu items %r" % (gesehen,))
    taste("Escape", "Escape")
    if not warte_fokus(("text", "Tag:"), "after the help menu"):
        return
    # The change history: its own window, named, the text readable from its start.
    menuepunkt("alt+h", "Programm-Änderungen...", "adiaeresis")
    if warte_fokus(("text", "Programm-Änderungen"), "change history"):
        h = next((k for k in sichtbar() if k.getRoleName() == "text" and k.name == "Programm-Änderungen"), None)
        if h is None or not h.queryText().getText(0, -1).startswith("Merovan - Programm-Änderungen"):
            fehler.append("change history text not readable")
        taste("Escape")


def erster_start():
    global app
    neu = tempfile.mkdtemp()
    ziel = os.path.join(neu, "erster.MRV")
    app = subprocess.Popen([programm], env=dict(umgebung, HOME=neu, XDG_RUNTIME_DIR=neu), stdout=protokoll,
                           stderr=subprocess.STDOUT)
    if not warte_fokus(("push button", "Ja"), "first-run question"):
        return
    if not any("Es ist noch kein Tag vorhanden!" in (k.name or "") + " " + (k.description or "")
               or (k.getRoleName() == "label" and "Es ist noch kein Tag" in k.name) for k in sichtbar()):
        fehler.append("the first-run question's text is not exposed")
    taste("Return")
    if not warte_fokus(("text", "Feldbezeichnungen ändern"), "field names dialog"):
        return
    namen_pruefen("field names dialog", [("push button", "OK"), ("push button", "Abbrechen")])
    tippe("Blutzucker")
    taste("Return")
    tippe("Insulin")
    taste("alt+k")
    if not warte_fokus(("text", "Datum:"), "date dialog"):
        return
    namen_pruefen("date dialog", [("push button", "OK"), ("push button", "Abbrechen")])
    taste("Return")
    if not warte_fokus(("text", "Blutzucker"), "the new day"):
        return
    namen_pruefen("main window", [("text", "Tag:"), ("text", "Insulin"), ("push button", "Tageskommentar...")])
    tippe("120")
    taste("ctrl+s")
    frist = time.time() + 20
    while time.time() < frist and not (fokus_jetzt() or ("", ""))[0] == "text":
        time.sleep(0.2)
    time.sleep(0.5)
    tippe(ziel)
    taste("Return")
    frist = time.time() + 20
    while time.time() < frist and not os.path.exists(ziel):
        time.sleep(0.2)
    if not os.path.exists(ziel):
        fehler.append("Ctrl+S wrote no file, focus %r" % (fokus_jetzt(),))
        return
    time.sleep(0.5)
    gelesen = tagebuch_lesen(ziel)
    if gelesen != (["Blutzucker", "Insulin"], [[["120", ""]]]):
        fehler.append("the saved diary reads %r" % (gelesen,))
    warte_fokus(("text", "Blutzucker"), "after saving")


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
    app.terminate()
    app.wait(5)
    erster_start()
    app.terminate()
    app.wait(5)
    gehe_und_suche()
    app.terminate()
    app.wait(5)
    einstellungen()
finally:
    beenden(app, bus, xvfb)

if fehler:
    print("FAIL: " + "; ".join(fehler))
    protokoll.seek(0)
    print("program exit %r, output:\n%s" % (app.returncode, protokoll.read()))
    xvfb_log.seek(0)
    print("display %s, Xvfb exit %r, output:\n%s" % (anzeige, xvfb.returncode, xvfb_log.read()))
    sys.exit(1)
print("PASS: names, texts and focus as a screen reader sees them, in an opened diary, in a first run, in go to day, the comment search, the week overview, the settings kept over a restart, and the help menu with the change history")
