#include "Felder.h"
#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "LuLayout.h"
#include "Mithoeren.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

QString Name(QWidget* W)
{
    QAccessibleInterface* I = QAccessible::queryAccessibleInterface(W);
    return I ? I->text(QAccessible::Name) : QString();
}

}

class TestHaupt : public THauptTest {
    Q_OBJECT

public:
    TestHaupt() { FSchriftS = true; }

private:
    void Zeigen(const QStringList& AFelder, const QList<int>& AEintraege, int ATag, int AEintrag)
    {
        QVERIFY(::Zeigen(*F, *P, AFelder, AEintraege, ATag, AEintrag));
    }

private Q_SLOTS:
    void Anfangszustand()
    {
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 0/0|0/0"));
        QCOMPARE(F->Datum(), 42009);
        QVERIFY(F->Filename().endsWith(QStringLiteral("Merovan/")));
        QVERIFY(QDir(TForm1::DatenOrdner()).exists());
        // No day yet: the start step asks the first-run question; No leaves the empty window.
        P->Antworten << TPlattform::TAntwort::Nein;
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QTRY_VERIFY(!F->Timer1.isActive());
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage),
                 QStringList{"Es ist noch kein Tag vorhanden!\r\nNach Klick auf \"Ja\" werden Sie nach "
                             "Feldbezeichnungen gefragt. \r\nGeben Sie dann alle Felder ein, die benötigt werden."
                             "\r\nAnschließend wird nach dem Erstellungsdatum des Tages gefragt.\r\nSoll jetzt ein "
                             "neuer Tag erstellt werden?"});
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+N erzeugt einen neuen Tag"));
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Mo., 05. Jänner 2015"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QVERIFY(F->Edit(0)->isReadOnly());
        QVERIFY(!F->Button1->isEnabled());
        QCOMPARE(F->Button1->text(), QStringLiteral("Tageskommentar..."));
        for (int k = 1; k <= 10; ++k)
            QVERIFY(!F->Edit(k)->isVisible());
    }

    void Steuerelemente()
    {
        // Creation order of the rows, as the walks over them expect it.
        const QList<QWidget*> Kinder = F->findChild<QWidget*>(QStringLiteral("Client"))
                                           ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QStringList Namen;
        for (QWidget* W : Kinder)
            Namen << W->objectName();
        QStringList Erwartet;
        for (int k = 1; k <= 10; ++k)
            Erwartet << QStringLiteral("Label%1").arg(k);
        Erwartet << QStringLiteral("Label0");
        for (int k = 1; k <= 10; ++k)
            Erwartet << QStringLiteral("Edit%1").arg(k);
        Erwartet << QStringLiteral("Edit0") << QStringLiteral("Button1");
        QCOMPARE(Namen, Erwartet);
        QVERIFY(!F->StatusBar1->isSizeGripEnabled());
    }

    void BildschirmleserNamen()
    {
        Zeigen({"Blutzucker", "Insulin", "B&E"}, {1}, 1, 1);
        QCOMPARE(Name(F->Edit(0)), QStringLiteral("Tag:"));
        QCOMPARE(Name(F->Edit(1)), QStringLiteral("Blutzucker"));
        QCOMPARE(Name(F->Edit(2)), QStringLiteral("Insulin"));
        QCOMPARE(Name(F->Edit(3)), QStringLiteral("B&E"));
        QCOMPARE(F->Label(3)->text(), QStringLiteral("B&&E"));  // text, not an access key
        QCOMPARE(Name(F->Button1), QStringLiteral("Tageskommentar..."));
        QAccessibleInterface* I = QAccessible::queryAccessibleInterface(F->Edit(1));
        QCOMPARE(I->text(QAccessible::Value), QStringLiteral("11"));
        int Start = -1, Ende = -1;
        I->textInterface()->attributes(1, &Start, &Ende);
        QCOMPARE(QPair(Start, Ende), QPair(0, 2));  // one run over the whole value
        QVERIFY(I->state().readOnly == false);
        QVERIFY(QAccessible::queryAccessibleInterface(F->Edit(0))->state().readOnly);
        QVERIFY(!QAccessible::queryAccessibleInterface(F->Edit(0))->editableTextInterface());
    }

    void TagNrUndTagDatenNr_data()
    {
        QTest::addColumn<int>("TagNr");
        QTest::addColumn<int>("TagDatenNr");
        QTest::addColumn<QString>("Position");
        QTest::newRow("negativ") << -5 << 1 << "Tag: 0/3|0/0";
        QTest::newRow("zu gross") << 9 << 9 << "Tag: 3/3|4/4";
        QTest::newRow("Eintrag 0") << 2 << 0 << "Tag: 2/3|0/2";
        QTest::newRow("Eintrag negativ") << 1 << -3 << "Tag: 1/3|0/1";
        QTest::newRow("genau") << 2 << 2 << "Tag: 2/3|2/2";
    }
    void TagNrUndTagDatenNr()
    {
        QFETCH(int, TagNr);
        QFETCH(int, TagDatenNr);
        QFETCH(QString, Position);
        Fuellen(F->Daten, {"A"}, {1, 2, 4});
        P->Klaenge.clear();
        F->setTagNr(TagNr);
        QVERIFY(P->Klaenge.isEmpty());
        F->setTagDatenNr(TagDatenNr);
        QCOMPARE(F->PositionText(), Position);
        QCOMPARE(P->Klaenge.size(), 1);  // every write sounds once
        QVERIFY(P->Klaenge[0].endsWith(QStringLiteral("NeueZeile.wav")));
        F->setTagDatenNr(F->TagDatenNr());
        QCOMPARE(P->Klaenge.size(), 2);  // also when nothing changes
    }

    void OhneKlangdateiKeinKlang()
    {
        const QString Datei = ProgrammDatei(QStringLiteral("NeueZeile.wav"));
        QVERIFY(QFile::rename(Datei, Datei + QStringLiteral(".weg")));
        F->setTagDatenNr(1);
        QVERIFY(QFile::rename(Datei + QStringLiteral(".weg"), Datei));
        QVERIFY(P->Klaenge.isEmpty());
        QCOMPARE(F->TagDatenNr(), 0);
    }

    void TausenderPunkte()
    {
        QList<int> Tage(1000, 0);
        Tage.last() = 1;
        Fuellen(F->Daten, {"A"}, Tage);
        F->setTagNr(1000);
        F->setTagDatenNr(1);
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1.000/1.000|1/1"));
        QCOMPARE(MitTausenderPunkten(7), QStringLiteral("7"));
        QCOMPARE(MitTausenderPunkten(1234567), QStringLiteral("1.234.567"));
        QCOMPARE(MitTausenderPunkten(100000), QStringLiteral("100.000"));
    }

    void Feldzeilen()
    {
        Zeigen({"A", "B", "C"}, {1}, 1, 1);
        QCOMPARE(F->MaxEditNr, 3);
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(F->Edit(k)->isVisible(), k <= 3);
            QCOMPARE(F->Label(k)->isVisible(), k <= 3);
            if (k > 3) {
                QVERIFY(F->Edit(k)->text().isEmpty());
                QVERIFY(F->Label(k)->text().isEmpty());
            }
        }
        F->Edit(1)->setFocus();
        QTest::keyClicks(F->Edit(1), QStringLiteral("123456"));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("12345"));

        // Fewer names later: the rows beyond them are emptied and hidden.
        F->Daten.Felder = QStringList{"A"};
        F->CaptionZuweisen(false);
        QCOMPARE(F->MaxEditNr, 1);
        QVERIFY(!F->Edit(2)->isVisible());
        QVERIFY(F->Edit(2)->text().isEmpty());
    }

    void Zeilentasten_data()
    {
        QTest::addColumn<int>("Felder");
        QTest::addColumn<int>("Von");
        QTest::addColumn<int>("Taste");
        QTest::addColumn<int>("Modifier");
        QTest::addColumn<int>("Nach");
        QTest::addColumn<int>("Piepse");
        QTest::newRow("Runter aus der Datumszeile") << 3 << 0 << int(Qt::Key_Down) << 0 << 1 << 0;
        QTest::newRow("Return aus der Datumszeile") << 3 << 0 << int(Qt::Key_Return) << 0 << 1 << 0;
        QTest::newRow("Enter im Feld") << 3 << 1 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 2 << 0;
        QTest::newRow("Hoch im Feld") << 3 << 2 << int(Qt::Key_Up) << 0 << 1 << 0;
        QTest::newRow("Hoch in Zeile 1") << 3 << 1 << int(Qt::Key_Up) << 0 << 0 << 0;
        QTest::newRow("Runter in der letzten Zeile") << 3 << 3 << int(Qt::Key_Down) << 0 << 3 << 1;
        QTest::newRow("Return in der letzten Zeile") << 3 << 3 << int(Qt::Key_Return) << 0 << 3 << 1;
        QTest::newRow("Hoch in der Datumszeile") << 3 << 0 << int(Qt::Key_Up) << 0 << 0 << 1;
        QTest::newRow("Umschalt+Runter bleibt") << 3 << 0 << int(Qt::Key_Down) << int(Qt::ShiftModifier) << 0 << 0;
        QTest::newRow("ohne Felder") << 0 << 0 << int(Qt::Key_Down) << 0 << 0 << 1;
        QTest::newRow("ohne Felder Return") << 0 << 0 << int(Qt::Key_Return) << 0 << 0 << 1;
    }
    void Zeilentasten()
    {
        QFETCH(int, Felder);
        QFETCH(int, Von);
        QFETCH(int, Taste);
        QFETCH(int, Modifier);
        QFETCH(int, Nach);
        QFETCH(int, Piepse);
        QStringList Namen;
        for (int i = 0; i < Felder; ++i)
            Namen << QStringLiteral("F%1").arg(i);
        Zeigen(Namen, {1}, 1, 1);
        F->Edit(Von)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(Von));
        QTest::keyClick(F->Edit(Von), Qt::Key(Taste), Qt::KeyboardModifiers(Modifier));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(Nach));
        QCOMPARE(P->Piepse, Piepse);
    }

    void FeldWaehltAllesBeiJedemFokus()
    {
        Zeigen({"A", "B"}, {1}, 1, 1);
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("11"));
        F->EditSetFocus(1);  // focus from code
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(F->Edit(1)->selectedText(), QStringLiteral("11"));
        QTest::keyClick(F->Edit(1), Qt::Key_Return);  // focus by the row keys
        QCOMPARE(F->Edit(2)->selectedText(), QStringLiteral("11"));
        QTest::keyClicks(F->Edit(2), QStringLiteral("7"));
        QCOMPARE(F->Edit(2)->text(), QStringLiteral("7"));
    }

    // The position goes with the box the focus arrives in, for the screen reader to say after name and value.
    void PositionAlsBeschreibung()
    {
        Zeigen({"A", "B"}, {1, 3, 2}, 2, 2);
        F->EditSetFocus(1);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(QAccessible::queryAccessibleInterface(F->Edit(1))->text(QAccessible::Description),
                 QStringLiteral("Eintrag 2 von 3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(F->Edit(0))->text(QAccessible::Description),
                 QStringLiteral("Tag 2 von 3"));
    }

    // A jump is heard as one arrival of the focus in the box: no typing, no selection, no pass
    // through the button, and an accessible of a new identity even where the box had the focus
    // (Orca ignores a focus event for the object it stands on).
    void SprungAlsAnkunftGehoert()
    {
        Zeigen({"A", "B"}, {1, 3, 2}, 2, 3);
        F->EditSetFocus(1);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        TMithoeren Ohr;
        QList<QAccessible::Id> Identitaeten{QAccessible::uniqueId(QAccessible::queryAccessibleInterface(F->Edit(1)))};
        for (int Sprung = 0; Sprung < 2; ++Sprung) {
            Gehoert().clear();
            QTest::keyClick(F->Edit(1), Qt::Key_Left, Qt::ControlModifier);
            QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
            QCOMPARE(F->TagDatenNr(), 2 - Sprung);
            QCOMPARE(F->Edit(1)->text(), QStringLiteral("2%1").arg(2 - Sprung));
            const QAccessible::Id Neu = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(F->Edit(1)));
            QVERIFY(!Identitaeten.contains(Neu));
            Identitaeten << Neu;
            QCOMPARE(Gehoert(), QStringList{QStringLiteral("Fokus Edit1 #%1").arg(Neu)});
        }
        // The whole value is selected, so typing replaces it; the screen reader is not told of that
        // selection, but of one the user makes.
        QAccessibleTextInterface* Text = QAccessible::queryAccessibleInterface(F->Edit(1))->textInterface();
        QCOMPARE(F->Edit(1)->selectedText(), QStringLiteral("21"));
        QCOMPARE(Text->selectionCount(), 0);
        QTest::keyClick(F->Edit(1), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(Text->selectionCount(), 1);
        int Start = -1, Ende = -1;
        Text->selection(0, &Start, &Ende);
        QCOMPARE(Text->text(Start, Ende), QStringLiteral("2"));
        // A day jump from a field: the date line arrives, the field it left is not said.
        Gehoert().clear();
        QTest::keyClick(F->Edit(1), Qt::Key_Down, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QCOMPARE(Gehoert().filter(QStringLiteral("Fokus")).size(), 1);
        QVERIFY2(Gehoert().size() == 1 && Gehoert()[0].startsWith(QStringLiteral("Fokus Edit0")),
                 qPrintable(Gehoert().join(u',')));
        QCOMPARE(QAccessible::queryAccessibleInterface(F->Edit(0))->text(QAccessible::Description),
                 QStringLiteral("Tag 1 von 3"));
        // A plain move to the next row is the toolkit's own focus change, said once.
        Gehoert().clear();
        QTest::keyClick(F->Edit(0), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(Gehoert().filter(QStringLiteral("Fokus")),
                 QStringList{QStringLiteral("Fokus Edit1 #%1")
                                 .arg(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(F->Edit(1))))});
    }

    // A save ends without a box and without a move of the focus: it is confirmed in words, said
    // by the screen reader and shown where the hints are. A failed save has its error box and no
    // confirmation.
    void SpeichernBestaetigt()
    {
        Zeigen({"A", "B"}, {1}, 1, 1);
        F->EditSetFocus(1);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath(QStringLiteral("Juni.MRV"));
        F->setFilename(Datei);
        QTest::keyClicks(F->Edit(1), QStringLiteral("7"));
        TMithoeren Ohr;
        QTest::keyClick(F->Edit(1), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(Datei));
        QCOMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(Gehoert().filter(QStringLiteral("Fokus")), QStringList{});
        QCOMPARE(Gehoert().filter(QStringLiteral("Ansage")),
                 QStringList{QStringLiteral("Ansage Gespeichert: Juni.MRV")});
        QCOMPARE(F->StatusText(), QStringLiteral("Gespeichert: Juni.MRV"));
        // An unnamed notification in the status bar: Orca says no role word, and the Braille
        // display flashes the text, not an empty name.
        auto* Zeile = F->StatusBar1->findChild<QLabel*>(QStringLiteral("Meldung"));
        QAccessibleInterface* Ansage = QAccessible::queryAccessibleInterface(Zeile->parentWidget());
        QCOMPARE(Ansage->role(), QAccessible::Notification);
        QCOMPARE(Ansage->text(QAccessible::Name), QString());
        QCOMPARE(Ansage->parent()->role(), QAccessible::StatusBar);
        QVERIFY(Zeile->isVisible());
        QVERIFY(F->StatusBar1->findChild<QLabel*>(QStringLiteral("Panel1"))->isHidden());
        // The next hint takes the place again.
        F->HinweisNeuerEintrag();
        QVERIFY(!Zeile->isVisible());
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+E erzeugt einen neuen Eintrag"));

        Gehoert().clear();
        F->setFilename(Ordner.filePath(QStringLiteral("fehlt/Juli.MRV")));
        QTest::keyClicks(F->Edit(1), QStringLiteral("8"));
        QTest::keyClick(F->Edit(1), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Fehler).size(), 1);
        QCOMPARE(Gehoert().filter(QStringLiteral("Ansage")), QStringList{});
        P->Meldungen.clear();
    }

    // The focus passes through the comment button on its way to the box; what is typed meanwhile
    // goes to the box, and a blank does not press the button.
    void TastenWaehrendDerUebergabe()
    {
        Zeigen({"A", "B"}, {1}, 1, 1);
        // Were the button pressed, its dialog would open: it is closed at once and noted.
        struct TWaechter : QObject {
            bool GezeigtS = false;
            bool eventFilter(QObject* AObjekt, QEvent* AEvent) override
            {
                if (AEvent->type() == QEvent::Show) {
                    GezeigtS = true;
                    QTimer::singleShot(0, AObjekt, [AObjekt] { static_cast<QDialog*>(AObjekt)->reject(); });
                }
                return false;
            }
        } Waechter;
        F->FelderForm->installEventFilter(&Waechter);
        F->EditSetFocus(1);
        QCOMPARE(QApplication::focusWidget(), F->Button1);
        for (QChar c : QStringLiteral(" 42"))  // each key to where the focus is at that moment
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral(" 42"));
        QVERIFY(!Waechter.GezeigtS);
    }

    void EditInDatenStutzt()
    {
        Zeigen({"A", "B"}, {2}, 1, 2);
        F->Edit(1)->setText(QStringLiteral(" 120 "));
        F->Edit(2)->setText(QStringLiteral("\t8"));
        F->EditInDaten();
        QCOMPARE(F->Daten.Tag(0).TagDaten[1], (QStringList{"120", "8"}));
        QCOMPARE(F->Daten.Tag(0).TagDaten[0], (QStringList{"11", "11"}));
        QVERIFY(!F->Daten.Ident(F->SaveDaten));
        // Without an entry on show nothing is stored.
        F->setTagDatenNr(0);
        F->Edit(1)->setText(QStringLiteral("999"));
        F->EditInDaten();
        QCOMPARE(F->Daten.Tag(0).TagDaten[1][0], QStringLiteral("120"));
    }

    void EditZuweisenOhneEintrag()
    {
        Zeigen({"A", "B"}, {0, 2}, 1, 0);
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Do., 01. Jänner 2015"));
        QVERIFY(F->Edit(1)->text().isEmpty());
        QVERIFY(F->Button1->isEnabled());
        F->setTagNr(2);
        F->setTagDatenNr(2);
        F->EditZuweisen();
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Fr., 02. Jänner 2015"));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("22"));
    }

    void SetActiveControl()
    {
        Zeigen({"A", "B", "C"}, {1}, 1, 1);
        F->Edit(3)->setFocus();
        F->MerkActiveControl = F->Edit(3);
        F->Edit(0)->setFocus();
        F->SetActiveControl();
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(3));
        // A row that is no longer in use keeps the focus where it is.
        F->Edit(1)->setFocus();
        F->Daten.Felder = QStringList{"A"};
        F->CaptionZuweisen(false);
        F->SetActiveControl();
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
    }

    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::newRow("klein") << 8;
        QTest::newRow("gross") << 24;
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        Zeigen({"Blutzucker", "Insulin", "BE"}, {1}, 1, 1);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        F->SchriftartZuweisen();
        QCoreApplication::processEvents();  // the status bar lays its panels out on the next pass
        const int Breite = F->findChild<QWidget*>(QStringLiteral("Client"))->width();
        QCOMPARE(F->frameGeometry().width(), F->screen()->availableGeometry().width());
        int W = 0;
        for (int k = 0; k <= 10; ++k)
            W = std::max(W, F->Label(k)->width());
        QCOMPARE(W, F->Label(1)->sizeHint().width());  // the widest name
        int Oben = 10;
        for (int k = 0; k <= 10; ++k) {
            QLabel* L = F->Label(k);
            TFeldEdit* E = F->Edit(k);
            QCOMPARE(L->x(), 10);
            // At small fonts 5 between name and box; at larger ones a blank of the font.
            const int Luecke = std::max(5, F->Label(0)->fontMetrics().horizontalAdvance(u' '));
            QCOMPARE(E->geometry(), QRect(W + 10 + Luecke, Oben, Breite - W - 20 - Luecke, E->sizeHint().height()));
            if (Punkte == 8)
                QCOMPARE(Luecke, 5);
            QCOMPARE(L->y(), E->y() + (E->height() - L->height()) / 2);
            QCOMPARE(E->font().pointSize(), Punkte);
            if (!L->text().isEmpty())
                QVERIFY(L->width() >= L->sizeHint().width() && L->height() >= L->sizeHint().height());
            QVERIFY(E->height() >= QFontMetrics(E->font()).height());
            Oben += E->height() + 5;
        }
        QVERIFY(F->Button1->width() >= F->Button1->sizeHint().width());  // never cut
        QVERIFY(F->Button1->width() >= 250);
        QCOMPARE(F->Button1->height(), SchalterHoehe(F->Button1->font(), TSteuerArt::Knopf));
        QCOMPARE(F->Button1->x(), (Breite - F->Button1->width()) / 2);
        QCOMPARE(F->Button1->y(), F->Edit(10)->geometry().bottom() + 11);
        QCOMPARE(F->findChild<QWidget*>(QStringLiteral("Client"))->height(), F->Button1->geometry().bottom() + 11);
        if (Punkte == 8)
            QCOMPARE(F->StatusBar1->height(), SchalterHoehe(F->StatusBar1->font(), TSteuerArt::Statusleiste));
        auto* Panel0 = F->StatusBar1->findChild<QLabel*>(QStringLiteral("Panel0"));
        QVERIFY(Panel0->width() >= (Breite / 100) * 20);
        if (Punkte == 8)
            QCOMPARE(Panel0->width(), (Breite / 100) * 20);
        QVERIFY(Panel0->width() >= Panel0->fontMetrics().horizontalAdvance(Panel0->text()));
        // The hint wraps at a large font instead of being cut.
        auto* Panel1 = F->StatusBar1->findChild<QLabel*>(QStringLiteral("Panel1"));
        F->setStatusText(QStringLiteral("Strg+N erzeugt einen neuen Tag"));
        QVERIFY(Panel1->height() >= Panel1->heightForWidth(Panel1->width()));

        // The height does not depend on the number of fields.
        const int Hoehe = F->height();
        F->Daten.Felder = QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
        F->CaptionZuweisen(false);
        QCOMPARE(F->height(), Hoehe);
    }

    // At a font where the date would not fit beside the widest name, every name stands above its
    // box, and each box has the window's width.
    void NamenUeberDenFeldern()
    {
        Zeigen({"Blutzucker", "Insulin", "BE"}, {1}, 1, 1);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), 48);
        F->SchriftartZuweisen();
        const int Breite = F->findChild<QWidget*>(QStringLiteral("Client"))->width();
        for (int k = 0; k <= 10; ++k) {
            QCOMPARE(F->Label(k)->x(), 10);
            QCOMPARE(F->Edit(k)->geometry().left(), 10);
            QCOMPARE(F->Edit(k)->width(), Breite - 20);
            QVERIFY(F->Label(k)->geometry().bottom() < F->Edit(k)->y());
            if (k < 10)
                QVERIFY(F->Edit(k)->geometry().bottom() < F->Label(k + 1)->y());
        }
        QVERIFY(F->Edit(0)->width() > F->Edit(0)->fontMetrics().horizontalAdvance(F->Edit(0)->text()));
    }

    void NeueSchriftVerschiebtFelder()
    {
        Zeigen({"Blutzucker"}, {1}, 1, 1);
        const int Vorher = F->Edit(1)->x();
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), 30);
        F->SchriftartZuweisen();
        QVERIFY(F->Edit(1)->x() > Vorher);
        QCOMPARE(F->Edit(1)->x(),
                 10 + F->Label(1)->width() + std::max(5, F->Label(0)->fontMetrics().horizontalAdvance(u' ')));
    }

    void Platzierung()
    {
        Zeigen({"A"}, {1}, 1, 1);
        const QRect Arbeit = F->screen()->availableGeometry();
        const QRect Aussen = F->frameGeometry();
        QCOMPARE(Aussen.top(), Arbeit.top() + (Arbeit.height() - Aussen.height()) / 2);
        QCOMPARE(Aussen.left(), Arbeit.left());
        // Too tall for the work area at this font: the window keeps to it, its rows scroll.
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), 60);
        F->SchriftartZuweisen();
        QCOMPARE(F->frameGeometry().height(), Arbeit.height());
        QCOMPARE(F->frameGeometry().top(), Arbeit.top());
        QVERIFY(F->findChild<QWidget*>(QStringLiteral("Client"))->height() > F->centralWidget()->height());
    }

    void SchalterHoehen()
    {
        const QFont Schrift(QStringLiteral("Liberation Sans"), 20);
        const int M = QFontMetrics(Schrift).height();
        QCOMPARE(SchalterHoehe(Schrift, TSteuerArt::Sonstige), M);
        QCOMPARE(SchalterHoehe(Schrift, TSteuerArt::Edit), M + 8);
        QCOMPARE(SchalterHoehe(Schrift, TSteuerArt::Kontrollkaestchen), M + 8);
        QCOMPARE(SchalterHoehe(Schrift, TSteuerArt::Statusleiste), M + 6);
        QCOMPARE(SchalterHoehe(Schrift, TSteuerArt::Knopf), M + 12);
    }

    void StartMitTagebuch()
    {
        F.reset();
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath(QStringLiteral("Juni.MRV"));
        TDaten D;
        Fuellen(D, {"Blutzucker", "Insulin"}, {1, 3});
        QVERIFY(D.SaveToFile(Datei));
        F = std::make_unique<TForm1>(Datei);
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QTRY_VERIFY(!F->Timer1.isActive());
        QCOMPARE(F->windowTitle(), QStringLiteral("Juni.MRV - Merovan V1.02"));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 2/2|3/3"));
        QCOMPARE(F->Edit(0)->text(), QStringLiteral("Fr., 02. Jänner 2015"));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("23"));
        QCOMPARE(F->Label(2)->text(), QStringLiteral("Insulin"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+E erzeugt einen neuen Eintrag"));
        QVERIFY(F->Daten.Ident(F->SaveDaten));
        QCOMPARE(P->Klaenge.size(), 1);
    }

    void StartMitFremderDatei()
    {
        F.reset();
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath(QStringLiteral("brief.txt"));
        QVERIFY(DateiSchreiben(Datei, "Lieber Doktor"));
        F = std::make_unique<TForm1>(Datei);
        P->Antworten << TPlattform::TAntwort::Nein;
        F->show();
        QTRY_VERIFY(!F->Timer1.isActive());
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information).size(), 1);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Frage).size(), 1);  // then the first-run question
        // The file is not taken as the diary's name, so no save can write over it.
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 0/0|0/0"));
    }

    void StartMitFehlenderDatei()
    {
        F.reset();
        F = std::make_unique<TForm1>(QStringLiteral("/gibt/es/nicht.MRV"));
        P->Antworten << TPlattform::TAntwort::Nein;
        F->show();
        QTRY_VERIFY(!F->Timer1.isActive());
        QCOMPARE(P->Meldungen.size(), 1);  // the first-run question only
        QCOMPARE(F->windowTitle(), QStringLiteral("KeinName - Merovan V1.02"));
    }

    void DatenordnerWirdAufgeraeumt()
    {
        const QString Ordner = TForm1::DatenOrdner();
        QVERIFY(QDir(Ordner).exists());
        F.reset();
        QVERIFY(!QDir(Ordner).exists());
        F = std::make_unique<TForm1>();
        QFile Tagebuch(Ordner + QStringLiteral("bleibt.MRV"));
        QVERIFY(Tagebuch.open(QIODevice::WriteOnly));
        Tagebuch.close();
        F.reset();
        QVERIFY(QDir(Ordner).exists());
        QVERIFY(QFile::remove(Ordner + QStringLiteral("bleibt.MRV")));
        F = std::make_unique<TForm1>();
    }

    void AktivierenStelltWiederHer()
    {
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        F->showMinimized();
        QTRY_VERIFY(F->isMinimized());
        F->Aktivieren();
        QVERIFY(!F->isMinimized());
        QCOMPARE(QApplication::activeWindow(), F.get());
    }

    void ModalerDialogKommtNachVorne()
    {
        // The start step's first-run question is done before the test's own dialog opens.
        P->Antworten << TPlattform::TAntwort::Nein;
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QTRY_VERIFY(!F->Timer1.isActive() && P->Antworten.isEmpty());
        QDialog Dialog(F.get());
        Dialog.setModal(true);
        Dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&Dialog));
        F->showMinimized();
        F->Aktivieren();
        QVERIFY(!F->isMinimized());
        QCOMPARE(QApplication::activeWindow(), &Dialog);
    }

    void ZugriffstastenEindeutig()
    {
        Zeigen({"Blutzucker", "Insulin", "BE"}, {1}, 1, 1);
        // Every access key of the window: its menus, its labels and its button.
        QStringList Texte;
        for (QAction* A : F->menuBar()->actions())
            Texte << A->text();
        for (QWidget* W : F->centralWidget()->findChildren<QWidget*>()) {
            if (auto* L = qobject_cast<QLabel*>(W))
                Texte << L->text();
            else if (auto* K = qobject_cast<QPushButton*>(W))
                Texte << K->text();
        }
        QStringList Tasten;
        for (const QString& T : Texte) {
            const QString Ohne = QString(T).remove(QStringLiteral("&&"));
            const qsizetype i = Ohne.indexOf(u'&');
            if (i >= 0 && i + 1 < Ohne.size())
                Tasten << Ohne.mid(i + 1, 1).toLower();
        }
        QCOMPARE(Tasten.size(), QSet<QString>(Tasten.begin(), Tasten.end()).size());
        QCOMPARE(Tasten, (QStringList{"d", "s", "k", "a", "h"}));
    }

    void SchliessenUebernimmtWerte()
    {
        Zeigen({"A"}, {1}, 1, 1);
        F->Edit(1)->setText(QStringLiteral("55"));
        P->Antworten << TPlattform::TAntwort::Nein;
        QVERIFY(F->close());
        QCOMPARE(F->Daten.Tag(0).TagDaten[0][0], QStringLiteral("55"));
    }
};

MEROVAN_GUI_TEST_MAIN(TestHaupt)
#include "TestHaupt.moc"
