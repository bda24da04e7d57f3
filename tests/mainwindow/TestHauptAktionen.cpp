#include "Felder.h"
#include "GeheDatum.h"
#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "LuDatePicker.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
using A = TPlattform::TAntwort;
}

class TestHauptAktionen : public THauptTest {
    Q_OBJECT

    void Taste(Qt::Key ATaste, Qt::KeyboardModifiers AModifier = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), ATaste, AModifier);
    }

    // Answers the date dialog with ADatum and OK (0: Escape); then ADanach, if any, for the next dialog.
    void DatumWaehlen(int ADatum, std::function<void(QWidget*)> ADanach = {}, QList<int>* AGezeigt = nullptr)
    {
        BeimNaechstenDialog([=, this](QWidget* D) {
            QCOMPARE(D, F->GeheDatumForm);
            if (AGezeigt)
                *AGezeigt << int(F->GeheDatumForm->DatePicker->Datum());
            if (ADanach)
                BeimNaechstenDialog(ADanach);
            if (ADatum == 0) {
                QTest::keyClick(F->GeheDatumForm->DatePicker, Qt::Key_Escape);
                return;
            }
            F->GeheDatumForm->DatePicker->setDatum(ADatum);
            QTest::keyClick(F->GeheDatumForm->DatePicker, Qt::Key_Return);
        });
    }

    // Types the names into the field names dialog, one per line, and presses OK.
    static void NamenEingeben(QWidget* D, TFelderForm* AForm, const QStringList& ANamen)
    {
        QCOMPARE(D, AForm);
        AForm->RichEdit1->selectAll();
        for (const QString& N : ANamen) {
            QTest::keyClicks(AForm->RichEdit1, N);
            QTest::keyClick(AForm->RichEdit1, Qt::Key_Return);
        }
        AForm->Button1->click();
    }

    QStringList Fragen() const { return P->Texte(TFakePlattform::TArt::Frage); }

private Q_SLOTS:
    // First run: Yes, two names, today: one day with one empty entry.
    void ErsterStart()
    {
        P->Antworten << A::Ja;
        BeimNaechstenDialog([this](QWidget* D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Feldbezeichnungen ändern"));
            DatumWaehlen(42009);
            NamenEingeben(D, F->FelderForm, {"Glukose", "Insulin"});
        });
        F->show();
        QVERIFY(QTest::qWaitForWindowActive(F.get()));
        QTRY_VERIFY(!F->Timer1.isActive());
        QTRY_COMPARE(F->PositionText(), QStringLiteral("Tag: 1/1|1/1"));
        QCOMPARE(F->Daten.Felder, (QStringList{"Glukose", "Insulin"}));
        QCOMPARE(F->Daten.Tag(0).Datum, 42009);
        QCOMPARE(F->Daten.Tag(0).TagDaten, (TTagDaten{{QString(), QString()}}));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(F->Label(1)->text(), QStringLiteral("Glukose"));
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+E erzeugt einen neuen Eintrag"));
        QCOMPARE(F->GeheDatumForm->windowTitle(), QStringLiteral("Neues Datum wählen"));
        QVERIFY(F->Button1->isEnabled());
        QCOMPARE(P->Klaenge.size(), 3);  // entry 0 of the new day, then the two steps of the new entry
    }

    // Cancelling the date dialog of the first day takes the names just given with it;
    // cancelling the names changes nothing.
    void ErsterStartAbgebrochen()
    {
        P->Antworten << A::Ja;
        BeimNaechstenDialog([this](QWidget* D) {
            DatumWaehlen(0);
            NamenEingeben(D, F->FelderForm, {"Glukose"});
        });
        F->show();
        QTRY_VERIFY(!F->Timer1.isActive());
        QTRY_VERIFY(!F->GeheDatumForm->isVisible());
        QVERIFY(F->Daten.Felder.isEmpty());
        QCOMPARE(F->Daten.Count(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QVERIFY(!F->Edit(1)->isVisible());

        P->Antworten << A::Ja;
        BeimNaechstenDialog([](QWidget* D) { QTest::keyClick(D, Qt::Key_Escape); });
        Taste(Qt::Key_N);
        QCOMPARE(F->Daten.Count(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
    }

    // A date that is taken: No brings the dialog back on that date, Yes goes there.
    void NeuerTagAufVorhandenemDatum()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {2, 1, 3}, 3, 3));
        P->Antworten << A::Ja << A::Nein << A::Ja;
        QList<int> Gezeigt;
        DatumWaehlen(
            42005,
            [this, &Gezeigt](QWidget*) {
                Gezeigt << int(F->GeheDatumForm->DatePicker->Datum());
                QTest::keyClick(F->GeheDatumForm->DatePicker, Qt::Key_Return);
            },
            &Gezeigt);
        Taste(Qt::Key_N);
        QCOMPARE(Fragen(),
                 (QStringList{"Soll jetzt ein neuer Tag erstellt werden?",
                              "Do., 01. Jänner 2015 ist bereits vorhanden!\r\nSoll dieser Tag aufgerufen werden?",
                              "Do., 01. Jänner 2015 ist bereits vorhanden!\r\nSoll dieser Tag aufgerufen werden?"}));
        QCOMPARE(Gezeigt, (QList<int>{42009, 42005}));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1/3|2/2"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        QCOMPARE(F->Daten.Count(), 3);
    }

    void NeuerTagZwischenAnderen()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {1, 1}, 1, 1, {42005, 42020}));
        P->Antworten << A::Ja;
        DatumWaehlen(42010);
        Taste(Qt::Key_N);
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 2/3|1/1"));
        QCOMPARE(F->Daten.Tag(1).Datum, 42010);
        QCOMPARE(F->Daten.Tag(1).TagDaten, (TTagDaten{{QString(), QString()}}));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
    }

    void NeuerEintrag()
    {
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, {2}, 1, 1));
        F->Edit(2)->setFocus();
        P->Antworten << A::Nein << A::Ja;
        Taste(Qt::Key_E);
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1/1|1/2"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(2));  // No: where it was
        Taste(Qt::Key_E);
        QCOMPARE(Fragen(), (QStringList(2, "Soll zum Do., 01. Jänner 2015 ein neuer Eintrag hinzugefügt werden?")));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1/1|3/3"));
        QCOMPARE(F->Edit(1)->text(), QString());
        QCOMPARE(F->Edit(2)->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        QCOMPARE(F->StatusText(), QStringLiteral("Strg+E erzeugt einen neuen Eintrag"));
        QCOMPARE(P->Klaenge.size(), 2);
    }

    void TagLoeschen_data()
    {
        QTest::addColumn<QList<int>>("Eintraege");
        QTest::addColumn<int>("Tag");
        QTest::addColumn<QString>("Position");
        QTest::addColumn<QString>("Datum");
        QTest::newRow("2 von 3") << QList<int>{1, 2, 3} << 2 << "Tag: 2/2|3/3"
                                 << "Sa., 03. Jänner 2015";
        QTest::newRow("3 von 3") << QList<int>{1, 2, 3} << 3 << "Tag: 2/2|2/2"
                                 << "Fr., 02. Jänner 2015";
        QTest::newRow("der einzige") << QList<int>{2} << 1 << "Tag: 1/1|1/1"
                                     << "Mo., 05. Jänner 2015";
    }
    void TagLoeschen()
    {
        QFETCH(QList<int>, Eintraege);
        QFETCH(int, Tag);
        QFETCH(QString, Position);
        QFETCH(QString, Datum);
        QVERIFY(Zeigen(*F, *P, {"A", "B"}, Eintraege, Tag, 1));
        F->Daten.Tag(Tag - 1).Kommentar = QStringLiteral("weg");
        F->Edit(1)->setFocus();
        P->Antworten << A::Ja;
        F->PopupMenu1Popup();
        F->PuLoescheTag->trigger();
        QCOMPARE(Fragen().value(0),
                 QStringLiteral("Soll der %1 und all seine Einträge wirklich gelöscht werden?")
                     .arg(DatumText(42005 + Tag - 1)));
        QCOMPARE(F->PositionText(), Position);
        QCOMPARE(F->Edit(0)->text(), Datum);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
        const bool EinzigerS = Eintraege.size() == 1;
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information),
                 EinzigerS ? QStringList{"Alle Daten wurden gelöscht!"} : QStringList());
        if (EinzigerS) {
            QCOMPARE(F->Daten.Tag(0).Kommentar, QString());
            QCOMPARE(F->Daten.Tag(0).TagDaten, (TTagDaten{{QString(), QString()}}));
            QCOMPARE(F->Daten.Felder.size(), 2);
        }
    }

    // Ctrl+Delete wins over the field box; the only entry asks the delete-day question.
    void EintragLoeschen()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {5, 1}, 1, 5));
        F->Edit(1)->setFocus();
        P->Antworten << A::Nein << A::Ja;
        Taste(Qt::Key_Delete);
        QCOMPARE(F->Daten.Tag(0).Count(), 5);
        Taste(Qt::Key_Delete);
        QCOMPARE(Fragen(), (QStringList(2, "Soll der Eintrag 5 von Do., 01. Jänner 2015 wirklich gelöscht werden?")));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1/2|4/4"));
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("14"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));

        Taste(Qt::Key_Up);
        P->Antworten << A::Nein;
        Taste(Qt::Key_Delete);
        QCOMPARE(Fragen().last(),
                 QStringLiteral("Soll der Fr., 02. Jänner 2015 und all seine Einträge wirklich gelöscht werden?"));
        QCOMPARE(F->Daten.Count(), 2);
    }

    // Moving onto its own date is refused, then the dialog comes back; a free later date makes it the last day.
    void TagVerschieben()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1, 2, 1}, 1, 1));
        F->Edit(1)->setFocus();
        QList<int> Gezeigt;
        DatumWaehlen(
            42005,
            [&](QWidget* D) {
                Gezeigt << int(F->GeheDatumForm->DatePicker->Datum());
                F->GeheDatumForm->DatePicker->setDatum(42100);
                QTest::keyClick(D, Qt::Key_Return);
            },
            &Gezeigt);
        Taste(Qt::Key_V);
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information),
                 QStringList{"Do., 01. Jänner 2015 kann nicht auf sich selbst verschoben werden!"});
        QCOMPARE(Gezeigt, (QList<int>{42005, 42005}));
        QCOMPARE(F->GeheDatumForm->windowTitle(), QStringLiteral("Neues Datum zum Verschieben wählen"));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 3/3|1/1"));
        QCOMPARE(F->Datum(), 42100);
        QCOMPARE(F->Daten.Tag(0).Datum, 42006);
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
    }

    // Copying onto a taken date, Yes: the target holds its entries and then the copied ones.
    void TagKopierenAufVorhandenes()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {2, 1}, 1, 1));
        F->Edit(1)->setFocus();
        P->Antworten << A::Nein << A::Ja;
        DatumWaehlen(42006, [this](QWidget* D) { QTest::keyClick(D, Qt::Key_Return); });
        Taste(Qt::Key_C);
        const QString Frage = QStringLiteral("Fr., 02. Jänner 2015 ist bereits vorhanden! \r\nSollen alle Einträge von "
                                             "Do., 01. Jänner 2015 in Fr., 02. Jänner 2015 kopiert werden?");
        QCOMPARE(Fragen(), (QStringList{Frage, Frage}));
        QCOMPARE(F->Daten.Tag(1).TagDaten, (TTagDaten{{"21"}, {"11"}, {"12"}}));
        QCOMPARE(F->Daten.Tag(0).TagDaten, (TTagDaten{{"11"}, {"12"}}));
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 2/2|3/3"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
    }

    void TagKopierenAufFreiesDatum()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {2, 1}, 2, 1));
        DatumWaehlen(42000);
        Taste(Qt::Key_C);
        QCOMPARE(F->PositionText(), QStringLiteral("Tag: 1/3|1/1"));
        QCOMPARE(F->Daten.Tag(0).Datum, 42000);
        QCOMPARE(F->Daten.Tag(0).TagDaten, (TTagDaten{{"21"}}));
        QCOMPARE(F->Daten.Tag(2).Datum, 42006);
    }

    // The comment: the caption names the day, the text comes back trimmed with CR LF;
    // even an unchanged comment without CR LF counts as a change.
    void Kommentar()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
        F->Daten.Tag(0).Kommentar = QStringLiteral("alt");
        F->SaveDaten.Assign(F->Daten);
        F->Edit(1)->setFocus();
        BeimNaechstenDialog([this](QWidget* D) {
            QCOMPARE(D->windowTitle(), QStringLiteral("Kommentar zum Do., 01. Jänner 2015"));
            QCOMPARE(F->FelderForm->Text(), QStringLiteral("alt"));
            F->FelderForm->Button1->click();
        });
        Taste(Qt::Key_K);
        QCOMPARE(F->Daten.Tag(0).Kommentar, QStringLiteral("alt\r\n"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(1));
        F->DateiMenuUpdate();
        QVERIFY(F->Freigegeben(F->MenuDateiSpeichern));

        // The button: space on it, text typed, Escape leaves the comment.
        F->Button1->setFocus();
        BeimNaechstenDialog([this](QWidget*) {
            QTest::keyClick(F->FelderForm->RichEdit1, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(F->FelderForm->RichEdit1, QStringLiteral("  neu  "));
            QTest::keyClick(F->FelderForm->RichEdit1, Qt::Key_Escape);
        });
        QTest::keyClick(F->Button1, Qt::Key_Space);
        QCOMPARE(F->Daten.Tag(0).Kommentar, QStringLiteral("alt\r\n"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Button1);
        BeimNaechstenDialog([this](QWidget*) {
            QTest::keyClick(F->FelderForm->RichEdit1, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(F->FelderForm->RichEdit1, QStringLiteral("neu  "));
            F->FelderForm->Button1->click();
        });
        QTest::keyClick(F->Button1, Qt::Key_Space);
        QCOMPARE(F->Daten.Tag(0).Kommentar, QStringLiteral("alt\r\nneu\r\n"));
    }

    // New names relabel the rows and pad every entry; the focus goes to the date line.
    void FeldnamenAendern()
    {
        QVERIFY(Zeigen(*F, *P, {"A"}, {2}, 1, 1));
        F->Edit(1)->setFocus();
        P->Antworten << A::Ja;
        BeimNaechstenDialog([this](QWidget* D) {
            QCOMPARE(F->FelderForm->Text(), QStringLiteral("A\r\n"));
            NamenEingeben(D, F->FelderForm, {"Glukose", "Insulin"});
        });
        Taste(Qt::Key_B);
        QCOMPARE(Fragen(), QStringList{"Felderanzahl hat sich geändert! Trotzdem fortfahren?"});
        QCOMPARE(F->Daten.Felder, (QStringList{"Glukose", "Insulin"}));
        QCOMPARE(F->Daten.Tag(0).TagDaten, (TTagDaten{{"11", QString()}, {"12", QString()}}));
        QCOMPARE(F->Label(2)->text(), QStringLiteral("Insulin"));
        QVERIFY(F->Edit(2)->isVisible());
        QCOMPARE(F->Edit(1)->text(), QStringLiteral("11"));
        QTRY_COMPARE(QApplication::focusWidget(), F->Edit(0));
    }

    // What the update enables, and that a disabled command's shortcut does nothing.
    void Freigaben()
    {
        QVERIFY(Zeigen(*F, *P, {}, {}, 0, 0));
        F->AktMenuUpdate();
        QList<bool> Frei;
        for (QAction* A : F->MenuAkt->actions())
            if (!A->isSeparator())
                Frei << F->Freigegeben(A);
        QCOMPARE(Frei,
                 (QList<bool>{true, false, false, false, false, false, false, false, false, false, false, false}));
        Taste(Qt::Key_E);
        Taste(Qt::Key_K);
        Taste(Qt::Key_B);
        Taste(Qt::Key_F);
        Taste(Qt::Key_T);
        Taste(Qt::Key_W);
        Taste(Qt::Key_A);
        QVERIFY(P->Meldungen.isEmpty());

        F = std::make_unique<TForm1>();
        QVERIFY(Zeigen(*F, *P, {"A"}, {0}, 1, 0));
        F->AktMenuUpdate();
        Frei.clear();
        for (QAction* A : F->MenuAkt->actions())
            if (!A->isSeparator())
                Frei << F->Freigegeben(A);
        QCOMPARE(Frei, (QList<bool>{true, true, true, true, true, true, true, true, true, false, true, true}));
    }
};

MEROVAN_GUI_TEST_MAIN(TestHauptAktionen)
#include "TestHauptAktionen.moc"
