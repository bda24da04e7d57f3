#include "Datumliste.h"
#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#ifdef Q_OS_LINUX
#include "Systemfehler.h"
#endif

namespace {

// The day numbers of the jump fixture: Thu, Fri, Mon, Fri of the week after.
const QList<int> SprungDaten{42005, 42006, 42009, 42020};
const QList<int> SprungEintraege{1, 2, 5, 3};

}

class TestHauptMenu : public THauptTest {
    Q_OBJECT

    QTemporaryDir FOrdner;

    QString Pfad(const char* AName) const { return FOrdner.filePath(QString::fromLatin1(AName)); }

    void Taste(Qt::Key ATaste, Qt::KeyboardModifiers AModifier = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), ATaste, AModifier);
    }

    // The enabled states as the user sees them in the opened menu.
    QList<bool> Sichtbar(QMenu* AMenu, const QList<QAction*>& AItems)
    {
        AMenu->popup(QPoint(0, 0));
        QList<bool> L;
        for (QAction* A : AItems)
            L << A->isEnabled();
        AMenu->hide();
        return L;
    }

private Q_SLOTS:
    void MenuleisteUndKurztasten()
    {
        QStringList Menues;
        for (QAction* A : F->menuBar()->actions())
            Menues << A->text();
        QCOMPARE(Menues, (QStringList{"&Datei", "&Sprünge", "A&ktionen", "&Ansicht", "&Hilfe"}));
        QStringList Datei;
        for (QAction* A : F->MenuDatei->actions()) {
            if (!A->isSeparator())
                Datei << A->text() + u'|' + A->shortcut().toString(QKeySequence::NativeText);
        }
        QCOMPARE(Datei,
                 (QStringList{"Ö&ffnen...|Strg+O", "&Speichern|Strg+S", "Speichern &unter...|Strg+U", "&Drucken|",
                              "S&chließen|Strg+F4", "&Beenden|Alt+F4"}));
        QStringList Spruenge;
        for (QAction* A : F->MenuSprung->actions()) {
            if (!A->isSeparator())
                Spruenge << A->text() + u'|' + A->shortcut().toString(QKeySequence::NativeText);
        }
        QCOMPARE(Spruenge,
                 (QStringList{"Nächster Tag|Strg+Hoch", "Vorheriger Tag|Strg+Herunter",
                              "Nächster Eintrag des Tages|Strg+Rechts", "Vorheriger Eintrag des Tages|Strg+Links",
                              "Nächste Woche|Strg+Bild aufwärts", "Vorherige Woche|Strg+Bild abwärts",
                              "&Erster Eintrag des Tages|Strg+Pos1", "&Letzter Eintrag des Tages|Strg+Ende",
                              "&Gehe zu Tag...|Strg+G"}));
        QStringList Aktionen;
        for (QAction* A : F->MenuAkt->actions()) {
            if (!A->isSeparator())
                Aktionen << A->text() + u'|' + A->shortcut().toString(QKeySequence::NativeText);
        }
        QCOMPARE(Aktionen,
                 (QStringList{"&Neuen Tag erstellen...|Strg+N", "Neuen &Eintrag des Tages erstellen|Strg+E",
                              "Übersicht des &Tages...|Strg+T", "Übersicht einer Woche...|Strg+W",
                              "Übersicht &aller Tage...|Strg+A", "Tag kopieren...|Strg+C", "Tag &verschieben...|Strg+V",
                              "Feld&bezeichnungen ändern...|Strg+B", "&Kommentar des Tages ändern...|Strg+K",
                              "&Lösche aktuellen Eintrag des Tages|Strg+Entf", "Lösche aktuellen Tag|",
                              "&Suche Kommentar...|Strg+F"}));
        QStringList Kontext;
        for (QAction* A : F->PopupMenu1->actions())
            Kontext << A->text();
        QCOMPARE(Kontext, (QStringList{"Neuen Tag erstellen...", "Lösche aktuellen Tag", "Gehe zu Tag..."}));
    }

    void Spruenge_data()
    {
        QTest::addColumn<int>("TagNr");
        QTest::addColumn<int>("Eintrag");
        QTest::addColumn<int>("Taste");
        QTest::addColumn<int>("NachTag");
        QTest::addColumn<int>("NachEintrag");
        QTest::addColumn<bool>("PiepS");
        QTest::addColumn<int>("Fokus");
        QTest::newRow("naechster Tag") << 1 << 1 << int(Qt::Key_Up) << 2 << 2 << false << 0;
        QTest::newRow("naechster Tag am Ende") << 4 << 2 << int(Qt::Key_Up) << 4 << 2 << true << 0;
        QTest::newRow("voriger Tag") << 2 << 1 << int(Qt::Key_Down) << 1 << 1 << false << 0;
        QTest::newRow("voriger Tag am Anfang") << 1 << 1 << int(Qt::Key_Down) << 1 << 1 << true << 0;
        QTest::newRow("naechster Eintrag") << 3 << 3 << int(Qt::Key_Right) << 3 << 4 << false << 1;
        QTest::newRow("naechster Eintrag am Ende") << 1 << 1 << int(Qt::Key_Right) << 1 << 1 << true << 1;
        QTest::newRow("voriger Eintrag") << 3 << 3 << int(Qt::Key_Left) << 3 << 2 << false << 1;
        QTest::newRow("voriger Eintrag am Anfang") << 1 << 1 << int(Qt::Key_Left) << 1 << 1 << true << 1;
        QTest::newRow("erster Eintrag") << 3 << 3 << int(Qt::Key_Home) << 3 << 1 << false << 1;
        QTest::newRow("erster Eintrag schon da") << 1 << 1 << int(Qt::Key_Home) << 1 << 1 << true << 1;
        QTest::newRow("letzter Eintrag") << 3 << 3 << int(Qt::Key_End) << 3 << 5 << false << 1;
        QTest::newRow("letzter Eintrag schon da") << 1 << 1 << int(Qt::Key_End) << 1 << 1 << true << 1;
        QTest::newRow("naechste Woche") << 1 << 1 << int(Qt::Key_PageUp) << 3 << 5 << false << 0;
        QTest::newRow("naechste Woche vom Montag") << 3 << 1 << int(Qt::Key_PageUp) << 4 << 3 << false << 0;
        QTest::newRow("naechste Woche am Ende") << 4 << 1 << int(Qt::Key_PageUp) << 4 << 1 << true << 0;
        QTest::newRow("vorige Woche") << 4 << 1 << int(Qt::Key_PageDown) << 3 << 5 << false << 0;
        QTest::newRow("vorige Woche am Anfang") << 1 << 1 << int(Qt::Key_PageDown) << 1 << 1 << true << 0;
    }
    void Spruenge()
    {
        QFETCH(int, TagNr);
        QFETCH(int, Eintrag);
        QFETCH(int, Taste);
        QFETCH(int, NachTag);
        QFETCH(int, NachEintrag);
        QFETCH(bool, PiepS);
        QFETCH(int, Fokus);
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, SprungEintraege, TagNr, Eintrag, SprungDaten));
        // From the first field, so the edit box's own use of the keys is put to the test.
        F->Edit(1)->setFocus();
        this->Taste(Qt::Key(Taste));
        QCOMPARE(F->TagNr(), NachTag);
        QCOMPARE(F->TagDatenNr(), NachEintrag);
        QCOMPARE(P->Piepse, PiepS ? 1 : 0);
        QCOMPARE(P->Klaenge.size(), PiepS ? 0 : 1);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(Fokus));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("%1%2").arg(NachTag).arg(NachEintrag));
        QCOMPARE(F->PositionText(),
                 QStringLiteral("Tag: %1/4|%2/%3").arg(NachTag).arg(NachEintrag).arg(SprungEintraege[NachTag - 1]));
    }

    void WocheVorBleibtInDerWoche()
    {
        // All later days lie in the same week: forward goes to the last day.
        QVERIFY(Zeigen(*F, *P, {"A"}, {1, 1, 1}, 1, 1, {42009, 42010, 42011}));
        Taste(Qt::Key_PageUp);
        QCOMPARE(F->TagNr(), 3);
    }

    void OhneTagKeinSprung()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {}, 0, 0));
        for (Qt::Key K : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp, Qt::Key_PageDown,
                          Qt::Key_Home, Qt::Key_End, Qt::Key_G})
            Taste(K);
        QCOMPARE(P->Piepse, 0);
        QVERIFY(P->Klaenge.isEmpty());
        QList<QAction*> Spruenge = F->MenuSprung->actions();
        Spruenge.removeIf([](QAction* A) { return A->isSeparator(); });
        QCOMPARE(Sichtbar(F->MenuSprung, Spruenge), QList<bool>(9, false));
        QVERIFY(!F->DatumlisteForm->isVisible());
        QCOMPARE(Sichtbar(F->MenuDatei,
                          {F->MenuDateiOeffnen, F->MenuDateiSpeichern, F->MenuDateiSpeichernUnter, F->MenuDateiClose,
                           F->MenuDateiBeenden}),
                 (QList<bool>{true, false, false, false, true}));
    }

    void EintraegeNoetigFuerEintragsspruenge()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {0, 1}, 1, 0));
        Taste(Qt::Key_Right);
        QCOMPARE(P->Piepse, 0);
        QCOMPARE(Sichtbar(F->MenuSprung, {F->MenuSprungTagWeiter, F->MenuSprungEintragWeiter}),
                 (QList<bool>{true, false}));
    }

    void WertIstVorDemBefehlImTagebuch()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {2}, 1, 1));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{false});
        F->Edit(2)->setFocus();
        QTest::keyClicks(F->Edit(2), QStringLiteral(" 99"));
        Taste(Qt::Key_Right);
        QCOMPARE(F->Daten.Tag(0).TagDaten[0], (QStringList{"11", "99"}));
        QCOMPARE(F->TagDatenNr(), 2);
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{true});
    }

    void ZurueckGeaendertIstUngeaendert()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Edit(1)->setText(QStringLiteral("5"));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{true});
        F->Edit(1)->setText(QStringLiteral("11"));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{false});
    }

    void KontextmenueSpeichertWerte()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Edit(1)->setText(QStringLiteral("7"));
        QList<bool> Frei;
        QTimer::singleShot(50, this, [this, &Frei] {
            Frei = {F->PuNeuerTag->isEnabled(), F->PuLoescheTag->isEnabled(), F->PuGeheZuTag->isEnabled()};
            QTest::keyClick(F->PopupMenu1, Qt::Key_Escape);
        });
        Q_EMIT F->Edit(0)->customContextMenuRequested(QPoint(1, 1));
        QCOMPARE(F->Daten.Tag(0).TagDaten[0][0], QStringLiteral("7"));
        QCOMPARE(Frei, (QList<bool>{true, true, true}));
    }

    void SpeichernErstesUndZweitesMal()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        // No change since the last save: Ctrl+S does nothing (an unasked dialog would fail the test).
        Taste(Qt::Key_S);
        QVERIFY(P->DateiDialoge.isEmpty());

        // The opened menu showed Save disabled; that state must not swallow the next Ctrl+S.
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{false});
        F->Edit(1)->setFocus();
        QTest::keyClicks(F->Edit(1), QStringLiteral("42"));
        const QString Juni = Pfad("Juni.MRV");
        P->Dateien << Juni;
        Taste(Qt::Key_S);
        QCOMPARE(P->DateiDialoge.size(), 1);
        QCOMPARE(QDir(P->DateiDialoge[0].Ordner).absolutePath(), QDir(TForm1::DatenOrdner()).absolutePath());
        QVERIFY(P->DateiDialoge[0].Dateiname.isEmpty());
        QCOMPARE(P->DateiDialoge[0].StandardEndung, QStringLiteral("MRV"));
        QCOMPARE(P->DateiDialoge[0].Filter, QStringLiteral("Datendateien (*.MRV)"));
        QVERIFY(P->DateiDialoge[0].UeberschreibenFragenS);
        QCOMPARE(F->windowTitle(), QStringLiteral("Juni.MRV - Merovan V1.02"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));  // given back after the dialog
        TDaten Gelesen;
        QVERIFY(Gelesen.LoadFromFile(Juni));
        QCOMPARE(Gelesen.Tag(0).TagDaten[0][0], QStringLiteral("42"));

        // The second save writes without a dialog.
        F->Edit(1)->setText(QStringLiteral("43"));
        Taste(Qt::Key_S);
        QCOMPARE(P->DateiDialoge.size(), 1);
        QVERIFY(Gelesen.LoadFromFile(Juni));
        QCOMPARE(Gelesen.Tag(0).TagDaten[0][0], QStringLiteral("43"));
        QVERIFY(F->Daten.Ident(F->SaveDaten));

        // Save as always asks.
        P->Dateien << QString();
        Taste(Qt::Key_U);
        QCOMPARE(P->DateiDialoge.size(), 2);
        QCOMPARE(QDir(P->DateiDialoge[1].Ordner).absolutePath(), QDir(FOrdner.path()).absolutePath());
        QCOMPARE(F->windowTitle(), QStringLiteral("Juni.MRV - Merovan V1.02"));
    }

    void SpeicherfehlerBehaeltAenderungen()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Edit(1)->setText(QStringLiteral("8"));
        const QString Falsch = Pfad("fehlt/Juli.MRV");
        P->Dateien << Falsch;
        Taste(Qt::Key_S);
        const QStringList Fehler = P->Texte(TFakePlattform::TArt::Fehler);
        QCOMPARE(Fehler.size(), 1);
        QVERIFY2(Fehler[0].contains(QDir::toNativeSeparators(Falsch)), qPrintable(Fehler[0]));
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{true});

        // Ending: Ja, the save fails again, the window stays open.
        P->Antworten << TPlattform::TAntwort::Ja;
        P->Dateien << Falsch;
        QVERIFY(!F->close());
        QVERIFY(F->isVisible());
        QCOMPARE(P->Texte(TFakePlattform::TArt::Fehler).size(), 2);
    }

#ifdef Q_OS_LINUX
    // Ctrl+S on a full disk: the user is told why, the old file stays, the
    // change stays unsaved; once there is room again, Ctrl+S saves it.
    void VollerDatentraeger()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {1}, 1, 1));
        const QString Datei = Pfad("Voll.MRV");
        QVERIFY(F->Daten.SaveToFile(Datei));
        F->setFilename(Datei);
        const QByteArray Alt = DateiLesen(Datei);
        F->Edit(1)->setFocus();
        F->Edit(1)->clear();
        QTest::keyClicks(F->Edit(1), QStringLiteral("123"));
        {
            TSystemfehlerSetzen Voll({FOrdner.path(), 0});
            Taste(Qt::Key_S);
        }
        const QStringList Fehler = P->Texte(TFakePlattform::TArt::Fehler);
        QCOMPARE(Fehler.size(), 1);
        QVERIFY2(Fehler[0].contains(QDir::toNativeSeparators(Datei)), qPrintable(Fehler[0]));
        QVERIFY2(Fehler[0].contains(QStringLiteral("nicht genügend Speicherplatz")), qPrintable(Fehler[0]));
        QCOMPARE(DateiLesen(Datei), Alt);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{true});

        Taste(Qt::Key_S);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Fehler).size(), 1);
        TDaten Gelesen;
        QVERIFY(Gelesen.LoadFromFile(Datei));
        QCOMPARE(Gelesen.Tag(0).TagDaten[0], (QStringList{"123", "11"}));
        QCOMPARE(Sichtbar(F->MenuDatei, {F->MenuDateiSpeichern}), QList<bool>{false});
    }
#endif

    void OeffnenMitAenderungen()
    {
        const QString Datei = Pfad("Mai.MRV");
        TDaten D;
        Fuellen(D, {"Blutzucker", "Insulin", "BE"}, {2, 1, 4});
        QVERIFY(D.SaveToFile(Datei));
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Edit(1)->setText(QStringLiteral("8"));
        F->Edit(1)->setFocus();

        // The dialog comes first; Abbrechen in the question keeps everything.
        P->Dateien << Datei;
        P->Antworten << TPlattform::TAntwort::Abbrechen;
        Taste(Qt::Key_O);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage),
                 QStringList{"Sollen die vorgenommenen Änderungen gespeichert werden?"});
        QVERIFY(P->Meldungen[0].AbbrechenS);
        QCOMPARE(F->Daten.Felder, QStringList{"A"});
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("8"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));

        // Ja on a diary without a file: the save dialog comes, cancelling it keeps everything.
        P->Dateien << Datei << QString();
        P->Antworten << TPlattform::TAntwort::Ja;
        Taste(Qt::Key_O);
        QCOMPARE(P->DateiDialoge.size(), 3);
        QCOMPARE(F->Daten.Felder, QStringList{"A"});

        // Nein drops the changes and opens the file at its last day and entry.
        P->Dateien << Datei;
        P->Antworten << TPlattform::TAntwort::Nein;
        Taste(Qt::Key_O);
        QCOMPARE(F->windowTitle(), QStringLiteral("Mai.MRV - Merovan V1.02"));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 3/3|4/4"));
        QCOMPARE(F->MaxEditNr, 3);
        QCOMPARE(F->Label(3)->text(), QStringLiteral("BE"));
        QCOMPARE(F->Edit(3)->text(), QStringLiteral("34"));
        // The field that had the focus before the dialog has it again.
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+E erzeugt einen neuen Eintrag"));
        QVERIFY(F->Daten.Ident(F->SaveDaten));
        QCOMPARE(P->DateiDialoge.last().Filter, QStringLiteral("Datendateien (*.MRV);;Alle Dateien (*.*)"));
    }

    void OeffnenAbgebrochen()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {1}, 1, 1));
        F->Edit(2)->setFocus();
        P->Dateien << QString();
        Taste(Qt::Key_O);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(2));
        QVERIFY(P->Meldungen.isEmpty());
    }

    void OeffnenFehlschlaege()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1, 1}, 2, 1));
        F->Edit(1)->setText(QStringLiteral("8"));
        const QString Fremd = Pfad("fremd.MRV");
        QVERIFY(DateiSchreiben(Fremd, QByteArray("\x00\x05MRV02", 7)));

        // Not a diary: the message, the diary stays, its changes stay marked.
        P->Dateien << Fremd;
        P->Antworten << TPlattform::TAntwort::Nein;
        Taste(Qt::Key_O);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information).size(), 1);
        QVERIFY(P->Texte(TFakePlattform::TArt::Information)[0].startsWith(
            QStringLiteral("Das Dateiformat ist unbekannt!")));
        QCOMPARE(F->TagNr(), 2);
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
        QVERIFY(!F->Daten.Ident(F->SaveDaten));

        // Unreadable (a folder): an error naming it; diary, name and position stay.
        P->Dateien << FOrdner.path();
        P->Antworten << TPlattform::TAntwort::Nein;
        Taste(Qt::Key_O);
        const QStringList Fehler = P->Texte(TFakePlattform::TArt::Fehler);
        QCOMPARE(Fehler.size(), 1);
        QVERIFY(Fehler[0].contains(QDir::toNativeSeparators(FOrdner.path())));
        QCOMPARE(F->TagNr(), 2);
        QCOMPARE(F->Daten.Tag(1).TagDaten[0][0], QStringLiteral("8"));
    }

    void SchliessenOhneAenderung()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {1, 2}, 2, 2));
        const QString Datei = Pfad("Aug.MRV");
        F->setFilename(Datei);
        Taste(Qt::Key_F4);
        QVERIFY(P->Meldungen.isEmpty());
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
        QCOMPARE(QDir(F->Filename()).absolutePath(), QDir(FOrdner.path()).absolutePath());
        QVERIFY(F->Filename().endsWith(QDir::separator()));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 0/0|0/0"));
        QCOMPARE(F->MaxEditNr, 0);
        QVERIFY(!F->Edit(1)->isVisible());
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Mo., 05. Jänner 2015"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+N erzeugt einen neuen Tag"));
        QCOMPARE(F->SaveDaten.Count(), 0);
        QVERIFY(F->SaveDaten.Felder.isEmpty());
    }

    void BeendenMitAenderungen()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Edit(1)->setFocus();
        QTest::keyClicks(F->Edit(1), QStringLiteral("3"));
        P->Antworten << TPlattform::TAntwort::Abbrechen;
        Taste(Qt::Key_F4, Qt::AltModifier);
        QVERIFY(F->isVisible());
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage).size(), 1);
        // Ja with a file name: saved, then closed.
        const QString Datei = Pfad("Ende.MRV");
        F->setFilename(Datei);
        P->Antworten << TPlattform::TAntwort::Ja;
        QVERIFY(F->close());
        TDaten Gelesen;
        QVERIFY(Gelesen.LoadFromFile(Datei));
        QCOMPARE(Gelesen.Tag(0).TagDaten[0][0], QStringLiteral("3"));
    }

    void RundlaufDesKleinenBeispiels()
    {
        const QString Datei = Pfad("beispiel.MRV");
        const QByteArray Beispiel
            = QByteArray::fromHex("00054D52563031 0006580D0A590D0A 01000000 150000A4 0000 01000000 0006350D0A370D0A");
        QVERIFY(DateiSchreiben(Datei, Beispiel));
        P->Antworten << TPlattform::TAntwort::Nein;
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QTRY_VERIFY(!F->Timer1.isActive());
        P->Dateien << Datei;
        Taste(Qt::Key_O);
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Do., 01. Jänner 2015"));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("5"));
        QCOMPARE(F->Label(2)->text(), QStringLiteral("Y"));
        F->Edit(1)->setFocus();
        QTest::keyClicks(F->Edit(1), QStringLiteral("6"));  // replaces the selected value
        Taste(Qt::Key_S);
        QByteArray Erwartet = Beispiel;
        Erwartet[31] = '6';
        QCOMPARE(DateiLesen(Datei).toHex(' '), Erwartet.toHex(' '));
        P->Dateien << Datei;
        Taste(Qt::Key_O);
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("6"));
        QCOMPARE(DateiLesen(Datei), Erwartet);
    }
};

MEROVAN_GUI_TEST_MAIN(TestHauptMenu)
#include "TestHauptMenu.moc"
