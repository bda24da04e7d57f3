#!/usr/bin/python3
# What the screen reader says at every jump. Orca runs headless with a silent speech server
# that logs each utterance and each Braille line; the real program is driven by real keys. After
# each key, what Orca said must hold the box's label, its value and the position ("Eintrag 2 von
# 3", "Tag 2 von 3"), and none of the words Orca uses for edits ("selected", "Selection deleted",
# "blank"), nor the text of a control that does not have the focus. The date dialog says each
# part chosen by name and each new date in words; a save is confirmed in speech and in Braille.
# Runs under dbus-run-session; argument: the program to start.
import datetime, json, os, re, subprocess, sys, tempfile, time

from arbeitsplatz import beenden, bus_starten, fenster_fokus, tagebuch_schreiben, x_starten

programm = sys.argv[1]
hier = os.path.dirname(os.path.abspath(__file__))
heim = tempfile.mkdtemp()
tagebuch = os.path.join(heim, "drei.MRV")
# Jan 1st to 3rd 2015 with one, two and three entries; two of them with no insulin.
tagebuch_schreiben(tagebuch, ["Blutzucker", "Insulin", "BE"],
                   [(42005, "", [["88", "4", "2"]]),
                    (42006, "", [["150", "6", "3"], ["110", "", "1"]]),
                    (42007, "", [["95", "2", "1"], ["130", "5", "2"], ["101", "", "4"]])])

LAERM = re.compile(r"\b(selected|unselected|selection deleted|selection restored|blank)\b", re.IGNORECASE)
AEUSSERUNG = re.compile(r"SPEECH OUTPUT: '(.*?)' ?[\[{]")
BRAILLEZEILE = re.compile(r"BRAILLE LINE:  '(.*)'")
TAGE = ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"]
MONATE = ["Jänner", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
          "Oktober", "November", "Dezember"]


def in_worten(d):
    return "%s, %d. %s %d" % (TAGE[d.weekday()], d.day, MONATE[d.month - 1], d.year)

fehler = []
xvfb, xvfb_log, umgebung = x_starten(heim)
bus = bus_starten(umgebung)
einstellungen = os.path.join(heim, "orca")
os.makedirs(einstellungen)
with open(os.path.join(einstellungen, "user-settings.conf"), "w") as f:
    json.dump({"general": {"speechServerFactory": "nullspeech", "speechServerInfo": None, "firstStart": False},
               "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {}, "keybindings": {}}, f)
orca_log = os.path.join(heim, "orca.log")
orca_ausgabe = open(os.path.join(heim, "orca.out"), "w+")
orca = subprocess.Popen(["orca", "--replace", "-u", einstellungen, "--debug-file", orca_log],
                        env=dict(umgebung, PYTHONPATH=os.path.join(hier, "orca")),
                        stdout=orca_ausgabe, stderr=subprocess.STDOUT)
protokoll = open(os.path.join(heim, "programm.log"), "w+")
app = None


def log_text():
    try:
        with open(orca_log, encoding="utf-8", errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def gesagt(ab):
    """The utterances since offset ab of the log, in order."""
    return AEUSSERUNG.findall(log_text()[ab:])


def braille(ab):
    """The Braille lines since offset ab of the log, in order."""
    return BRAILLEZEILE.findall(log_text()[ab:])


def erfuellt(worte, erwartet):
    text = " | ".join(worte)
    return all((e.search(text) if isinstance(e, re.Pattern) else e in text) for e in erwartet)


def warte_auf(ab, erwartet, sekunden=15, zeilen=()):
    frist = time.time() + sekunden
    while time.time() < frist:
        if erfuellt(gesagt(ab), erwartet) and all(any(e in z for z in braille(ab)) for e in zeilen):
            return True
        time.sleep(0.1)
    return False


def schritt(name, taste, erwartet, fremd, zeilen=()):
    """Sends a key (or types text: a list of keys); then Orca must say everything expected, no noise
    and nothing of fremd, and the Braille display must have shown each of zeilen."""
    ab = len(log_text())
    for t in (taste if isinstance(taste, list) else [taste]):
        subprocess.run(["xdotool", "key", t], env=umgebung, timeout=20)
    if not warte_auf(ab, erwartet, zeilen=zeilen):
        fehler.append("%s: Orca said %r, expected all of %r; Braille %r, expected %r"
                      % (name, gesagt(ab), erwartet, braille(ab), list(zeilen)))
        return
    time.sleep(0.8)  # whatever else Orca says about this key comes within this time
    worte = gesagt(ab)
    for w in worte:
        if LAERM.search(w) or any(f in w for f in fremd):
            fehler.append("%s: Orca said %r among %r" % (name, w, worte))


FELD = ["Jänner", "Tageskommentar"]        # on a field: the date line and the button have no focus
DATUMSZEILE = ["Blutzucker", "Insulin", "Tageskommentar"]

try:
    if not warte_auf(0, [re.compile(".")], 60):  # "Screen reader on."
        fehler.append("Orca did not start: %s" % open(orca_ausgabe.name).read()[-2000:])
        raise SystemExit
    app = subprocess.Popen([programm, tagebuch], env=umgebung, stdout=protokoll, stderr=subprocess.STDOUT)
    ab = len(log_text())
    if not fenster_fokus(umgebung, "drei.MRV"):
        fehler.append("no window showing drei.MRV")
        raise SystemExit
    # The start: the last day at its last entry, the focus on the date line.
    if not warte_auf(ab, ["Tag:", "Sa., 03. Jänner 2015", "Tag 3 von 3"], 30):
        fehler.append("start: Orca said %r" % gesagt(ab))
    time.sleep(1)
    schritt("Down to the first field", "Down", ["Blutzucker", "101", "Eintrag 3 von 3"], FELD)
    schritt("Ctrl+Left, the entry before", "ctrl+Left", ["Blutzucker", "130", "Eintrag 2 von 3"], FELD,
            zeilen=["Blutzucker 130"])
    schritt("Ctrl+Home, the first entry", "ctrl+Home", ["Blutzucker", "95", "Eintrag 1 von 3"], FELD)
    schritt("Ctrl+Left at the first entry (a beep)", "ctrl+Left", ["Blutzucker", "95", "Eintrag 1 von 3"], FELD)
    schritt("Ctrl+Right, the entry after", "ctrl+Right", ["Blutzucker", "130", "Eintrag 2 von 3"], FELD)
    schritt("Ctrl+End, the last entry", "ctrl+End", ["Blutzucker", "101", "Eintrag 3 von 3"], FELD)
    schritt("Ctrl+Down from a field, the day before", "ctrl+Down", ["Tag:", "Fr., 02. Jänner 2015", "Tag 2 von 3"], DATUMSZEILE,
            zeilen=["Fr., 02. Jänner 2015"])
    schritt("Ctrl+Down on the date line", "ctrl+Down", ["Tag:", "Do., 01. Jänner 2015", "Tag 1 von 3"], DATUMSZEILE)
    schritt("Ctrl+Up, the day after", "ctrl+Up", ["Tag:", "Fr., 02. Jänner 2015", "Tag 2 von 3"], DATUMSZEILE)
    schritt("Ctrl+PageUp, a week on", "ctrl+Prior", ["Tag:", "Sa., 03. Jänner 2015", "Tag 3 von 3"], DATUMSZEILE)
    schritt("Ctrl+PageDown, a week back", "ctrl+Next", ["Tag:", "Do., 01. Jänner 2015", "Tag 1 von 3"], DATUMSZEILE)
    schritt("Ctrl+Up again", "ctrl+Up", ["Tag:", "Fr., 02. Jänner 2015", "Tag 2 von 3"], DATUMSZEILE)
    schritt("Ctrl+G, the list of days at the day on show", "ctrl+g", ["Gehe zu Tag", "Fr., 02. Jänner 2015"], [])
    schritt("Up in the list", "Up", ["Sa., 03. Jänner 2015"], [])
    schritt("Return, to that day", "Return", ["Tag:", "Sa., 03. Jänner 2015", "Tag 3 von 3"], DATUMSZEILE)
    # The week report is read as its title, its first line, then line by line.
    schritt("Ctrl+W, the week report: its title and first line", "ctrl+w",
            ["Übersicht einer Woche", "Sa., 03. Jänner 2015"], ["\u2028"])
    schritt("Down, the report's second line", "Down", ["Blutzucker", "95", "130", "101"], ["Insulin", "\u2028"])
    schritt("Down, the third line", "Down", ["Insulin", "2", "5"], ["Blutzucker", "BE ", "\u2028"])
    schritt("Down, the fourth line", "Down", ["BE", "1", "2", "4"], ["Insulin", "Tag:", "\u2028"])
    schritt("Escape, back to the date line", "Escape", ["Tag:", "Sa., 03. Jänner 2015", "Tag 3 von 3"], [])
    schritt("Down, the first field", "Down", ["Blutzucker", "101", "Eintrag 3 von 3"], FELD)
    schritt("Down to an empty field", "Down", ["Insulin", "Eintrag 3 von 3"], FELD)
    schritt("Ctrl+E asks", "ctrl+e", ["Soll zum Sa., 03. Jänner 2015 ein neuer Eintrag hinzugefügt werden?", "Ja"], [])
    schritt("the new entry, its fields empty", "Return", ["Blutzucker", "Eintrag 4 von 4"], FELD)
    schritt("a value typed", "7", ["7"], FELD)
    # The save shows no box and leaves the focus where it is: it is said and flashed in Braille.
    schritt("Ctrl+S, saved", "ctrl+s", ["Gespeichert: drei.MRV"], FELD, zeilen=["Gespeichert: drei.MRV"])
    schritt("still in the field", "Up", ["Tag:", "Sa., 03. Jänner 2015"], DATUMSZEILE)

    # The date dialog of a new day, at today: each part said by name, each new date in words.
    heute = datetime.date.today()
    DATUM = ["Abbrechen", "Neues Datum wählen"]  # short: not the dialog again at every key
    schritt("Ctrl+N asks", "ctrl+n", ["Soll jetzt ein neuer Tag erstellt werden?", "Ja"], [])
    schritt("the date dialog opens at today's day part", "Return",
            ["Neues Datum wählen", "Datum:", "Tag %d" % heute.day], [])
    d = heute.replace(day=10)
    schritt("typing 10, the day", ["1", "0"], [in_worten(d)], DATUM, zeilen=[in_worten(d)])
    schritt("Left, back to the day", "Left", ["Tag 10"], DATUM)
    d = d.replace(day=11)
    schritt("Up on the day", "Up", [in_worten(d)], DATUM, zeilen=[in_worten(d)])
    d = d.replace(day=12)
    schritt("Up again", "Up", [in_worten(d)], DATUM, zeilen=[in_worten(d), "%02d.%02d.%d" % (d.day, d.month, d.year)])
    schritt("Right, the month", "Right", ["Monat %d" % d.month], DATUM)
    schritt("Right, the year", "Right", ["Jahr %d" % d.year], DATUM)
    d = d.replace(year=2016)
    schritt("typing 2016", ["2", "0", "1", "6"], [in_worten(d)], DATUM)
    schritt("Left, back to the month", "Left", ["Monat %d" % d.month], DATUM)
    d = d.replace(month=3)
    schritt("typing 03", ["0", "3"], [in_worten(d)], DATUM)
    schritt("Home, the weekday", "Home", ["Wochentag %s" % TAGE[d.weekday()]], DATUM)
    d -= datetime.timedelta(days=1)
    schritt("Down on the weekday, a day back", "Down", [in_worten(d)], DATUM,
            zeilen=[in_worten(d), "%02d.%02d.%d" % (d.day, d.month, d.year)])
    schritt("Left on the weekday changes nothing", "Left", [], DATUM + ["Wochentag", in_worten(d)])
    schritt("Escape, back to the date line", "Escape", ["Tag:", "Sa., 03. Jänner 2015"], DATUMSZEILE)
except SystemExit:
    pass
finally:
    beenden(*[p for p in (app, orca, bus, xvfb) if p])

if "\u2028" in log_text():
    fehler.append("a line separator reached the screen reader")
if fehler:
    print("FAIL: " + "\n  ".join(fehler))
    print("Orca log: %s" % orca_log)
    protokoll.seek(0)
    print("program output:\n%s" % protokoll.read())
    sys.exit(1)
print("PASS: every jump is said with the box's label, its value and the position, without edit noise; "
      "the date dialog says its parts and dates; a save is confirmed in speech and Braille")
