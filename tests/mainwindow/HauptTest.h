#pragma once
// Shared by the main window's tests: a diary of numbered values and a shown window.

#include "Haupt.h"
#include "TFakePlattform.h"

#include <QSettings>
#include <QTest>
#include <memory>

// Every test starts as a first start: no settings from the test before.
inline void EinstellungenLeeren()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovan")).clear();
}

// Days from 42005 on, one a day; day i has AEintraege[i] entries whose values read "<day><entry>".
inline void Fuellen(TDaten& D, const QStringList& AFelder, const QList<int>& AEintraege, const QList<int>& ADaten = {})
{
    D.Clear();
    D.Felder = AFelder;
    for (int i = 0; i < AEintraege.size(); ++i) {
        TTag T(ADaten.isEmpty() ? 42005 + i : ADaten[i]);
        for (int e = 0; e < AEintraege[i]; ++e) {
            QStringList Sl;
            for (int f = 0; f < AFelder.size(); ++f)
                Sl << QStringLiteral("%1%2").arg(i + 1).arg(e + 1);
            T.Add(Sl);
        }
        D.Add(T);
    }
}

// Shows F, waits for its start step, then puts the diary on show at ATag/AEintrag as saved.
// The start step finds no day and asks the first-run question; it is answered No here.
inline bool Zeigen(TForm1& F, TFakePlattform& P, const QStringList& AFelder, const QList<int>& AEintraege, int ATag,
                   int AEintrag, const QList<int>& ADaten = {})
{
    P.Antworten << TPlattform::TAntwort::Nein;
    F.show();
    if (!QTest::qWaitForWindowActive(&F))
        return false;
    if (!QTest::qWaitFor([&F] { return !F.Timer1.isActive(); }))
        return false;
    if (P.Meldungen.size() != 1 || !P.Meldungen[0].Text.startsWith(QStringLiteral("Es ist noch kein Tag vorhanden!")))
        return false;
    P.Meldungen.clear();
    Fuellen(F.Daten, AFelder, AEintraege, ADaten);
    F.SaveDaten.Assign(F.Daten);
    F.CaptionZuweisen(false);
    F.setTagNr(ATag);
    F.setTagDatenNr(AEintrag);
    F.EditZuweisen();
    P.Klaenge.clear();
    return true;
}

// The fixture of the main window's tests: each test starts as a first start, with the scripted
// seam on today 42009 and a new main window; the window goes before the seam it uses.
class THauptTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TForm1> F;

    // Set by a test class before its first test: every test in the standard user font (the one
    // before a test may be another test's); the window made by the test itself.
    bool FSchriftS = false;
    bool FFensterS = true;

    // What init() and cleanup() do; a test class with more to do calls them from its own.
    void Anfangen();
    void Aufhoeren();

private Q_SLOTS:
    void init() { Anfangen(); }
    void cleanup() { Aufhoeren(); }
};
