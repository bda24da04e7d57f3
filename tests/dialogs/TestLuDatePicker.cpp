#include "GuiTestMain.h"
#include "LuDatePicker.h"
#include "LuZugang.h"
#include "Mithoeren.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

int T(int J, int M, int D)
{
    return DatumZuTag(QDate(J, M, D));
}

// Keys in a short form: digits and letters as typed, "<" Left, ">" Right, "^" Up,
// "v" Down, "[" Page Up, "]" Page Down, "#" Backspace, "~" Delete, "H" Home, "E" End, "\t" Tab,
// "+" and "-" the step buttons.
void Tasten(QWidget* W, const QString& AFolge)
{
    for (QChar c : AFolge) {
        switch (c.unicode()) {
        case u'<':
            QTest::keyClick(W, Qt::Key_Left);
            break;
        case u'>':
            QTest::keyClick(W, Qt::Key_Right);
            break;
        case u'^':
            QTest::keyClick(W, Qt::Key_Up);
            break;
        case u'v':
            QTest::keyClick(W, Qt::Key_Down);
            break;
        case u'[':
            QTest::keyClick(W, Qt::Key_PageUp);
            break;
        case u']':
            QTest::keyClick(W, Qt::Key_PageDown);
            break;
        case u'#':
            QTest::keyClick(W, Qt::Key_Backspace);
            break;
        case u'~':
            QTest::keyClick(W, Qt::Key_Delete);
            break;
        case u'H':
            QTest::keyClick(W, Qt::Key_Home);
            break;
        case u'E':
            QTest::keyClick(W, Qt::Key_End);
            break;
        case u'\t':
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            break;
        case u'+':
            static_cast<TDatePicker*>(W)->UpDown->Hoch->click();
            break;
        case u'-':
            static_cast<TDatePicker*>(W)->UpDown->Runter->click();
            break;
        default:
            QTest::keyClicks(W, QString(c));
            break;
        }
    }
}

}

class TestLuDatePicker : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<QWidget> FBesitzer;
    TDatePicker* D = nullptr;

    // The middle x of character boundary ANr.
    QPoint Stelle(int ANr)
    {
        const int Vorher = D->cursorPosition();
        D->setCursorPosition(ANr);
        const QPoint Ort(D->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() + 1, D->height() / 2);
        D->setCursorPosition(Vorher);
        return Ort;
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        FBesitzer = std::make_unique<QWidget>();
        D = new TDatePicker(FBesitzer.get());
        auto* Anderes = new QLineEdit(FBesitzer.get());
        Anderes->setObjectName(QStringLiteral("Anderes"));
        Anderes->move(0, 60);
        D->setMinDatum(ErstesDatum);
        D->setMaxDatum(LetztesDatum);
        D->Bounds(10, 10, 300);
        FBesitzer->resize(400, 120);
        FBesitzer->show();
        QVERIFY(QTest::qWaitForWindowActive(FBesitzer.get()));
        D->setFocus();
    }
    void cleanup()
    {
        FBesitzer.reset();
        P.reset();
    }

    void Anfang()
    {
        TDatePicker Neu(FBesitzer.get());
        QCOMPARE(Neu.text(), QStringLiteral("Mo, 05.01.2015 "));
        QCOMPARE(Neu.FMinDatum, 42009.0);
        QCOMPARE(Neu.FMaxDatum, 42009.0);
        QCOMPARE(Neu.MarkiereNr(), 1);
        QCOMPARE(Neu.selectedText(), QStringLiteral("05"));
        QCOMPARE(Neu.Gemerkt, QStringLiteral("05"));
        QCOMPARE(Neu.UpDown->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Neu.UpDown->Hoch->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Neu.Width(), Neu.width() + Neu.UpDown->width());
    }

    void Darstellen()
    {
        D->setDatum(42009.75);
        QCOMPARE(D->FDatum, 42009.0);
        QCOMPARE(D->text(), QStringLiteral("Mo, 05.01.2015 "));
        QCOMPARE(D->text().size(), 15);
        D->setDatum(-100);
        QCOMPARE(D->text(), QStringLiteral("Mo, 01.01.1900 "));
        D->setDatum(300000);
        QCOMPARE(D->text(), QStringLiteral("Fr, 31.12.2500 "));
        QCOMPARE(D->selectedText(), QStringLiteral("31"));
    }

    void Tippen_data()
    {
        QTest::addColumn<int>("Start");
        QTest::addColumn<QString>("Folge");
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Datum");
        QTest::addColumn<int>("Piepse");
        QTest::newRow("ganzes Datum") << T(2020, 6, 7) << "05012015"
                                      << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
        QTest::newRow("weitere Ziffer piept") << T(2020, 6, 7) << "050120159"
                                              << "Mo, 05.01.2015 " << T(2015, 1, 5) << 1;
        QTest::newRow("3 und 5 gibt 31") << T(2015, 4, 5) << "35"
                                         << "So, 31.04.2015 " << T(2015, 4, 30) << 0;
        QTest::newRow("0 dann Rechts gibt den alten Tag") << T(2015, 1, 5) << "0>"
                                                          << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
        QTest::newRow("Rueckschritt im Monat dann Tab") << T(2015, 1, 5) << ">#\t"
                                                        << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
        QTest::newRow("Jahr 18 wird 1900") << T(2015, 1, 5) << "E18"
                                           << "Fr, 05.01.1900 " << T(1900, 1, 5) << 0;
        QTest::newRow("Jahr 9999 wird 2500") << T(2015, 1, 5) << "E9999"
                                             << "Di, 05.01.2500 " << T(2500, 1, 5) << 0;
        QTest::newRow("30.02.2016 liest 28.02.2016") << T(2015, 1, 5) << "30022016"
                                                     << "Fr, 30.02.2016 " << T(2016, 2, 28) << 0;
        QTest::newRow("Monat 13 wird 12") << T(2015, 1, 5) << ">13"
                                          << "Sa, 05.12.2015 " << T(2015, 12, 5) << 0;
        QTest::newRow("Tag halb getippt") << T(2015, 1, 25) << "3"
                                          << "Sa, 03.01.2015 " << T(2015, 1, 3) << 0;
        QTest::newRow("Wochentag nimmt keine Ziffer") << T(2015, 1, 5) << "H12#"
                                                      << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
        QTest::newRow("Buchstaben fallen weg") << T(2015, 1, 5) << "ab"
                                               << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
        QTest::newRow("Entfernen loescht nichts") << T(2015, 1, 5) << "~"
                                                  << "Mo, 05.01.2015 " << T(2015, 1, 5) << 0;
    }
    void Tippen()
    {
        QFETCH(int, Start);
        QFETCH(QString, Folge);
        QFETCH(QString, Text);
        QFETCH(int, Datum);
        QFETCH(int, Piepse);
        D->setDatum(Start);
        Tasten(D, Folge);
        const int Gelesen = int(D->Datum());
        QCOMPARE(D->text(), Text);
        QCOMPARE(Gelesen, Datum);
        QCOMPARE(P->Piepse, Piepse);
    }

    void Platzhalter()
    {
        D->setDatum(T(2015, 1, 5));
        Tasten(D, QStringLiteral("3"));
        QCOMPARE(D->text(), QStringLiteral("Mo, 3_.01.2015 "));
        QCOMPARE(D->cursorPosition(), 5);
        QVERIFY(!D->hasSelectedText());
        Tasten(D, QStringLiteral(">>2"));
        QCOMPARE(D->text().mid(10, 4), QStringLiteral("2___"));
        Tasten(D, QStringLiteral("0"));
        QCOMPARE(D->text().mid(10, 4), QStringLiteral("20__"));
        Tasten(D, QStringLiteral("#"));
        QCOMPARE(D->text().mid(10, 4), QStringLiteral("____"));
        QCOMPARE(D->selectedText(), QStringLiteral("____"));
    }

    void Schritte_data()
    {
        QTest::addColumn<int>("Start");
        QTest::addColumn<QString>("Folge");
        QTest::addColumn<int>("Datum");
        QTest::newRow("Tag am Monatsende hoch bleibt") << T(2015, 1, 31) << "^" << T(2015, 1, 31);
        QTest::newRow("Tag am Monatsanfang runter bleibt") << T(2015, 2, 1) << "v" << T(2015, 2, 1);
        QTest::newRow("Tag hoch") << T(2015, 2, 1) << "^" << T(2015, 2, 2);
        QTest::newRow("Monat von 31.01. auf Februar") << T(2015, 1, 31) << ">^" << T(2015, 2, 28);
        QTest::newRow("Monat im Schaltjahr") << T(2016, 1, 31) << ">^" << T(2016, 2, 29);
        QTest::newRow("Monat im Dezember hoch bleibt") << T(2015, 12, 3) << ">^" << T(2015, 12, 3);
        QTest::newRow("Monat im letzten Jahr bleibt") << T(2500, 12, 3) << ">^" << T(2500, 12, 3);
        QTest::newRow("Monat im ersten Jahr bleibt") << T(1900, 1, 3) << ">v" << T(1900, 1, 3);
        QTest::newRow("Jahr im letzten Jahr hoch") << T(2500, 3, 12) << "E^" << T(2500, 12, 31);
        QTest::newRow("Jahr im ersten Jahr runter") << T(1900, 3, 12) << "Ev" << T(1900, 1, 1);
        QTest::newRow("Jahr vom 29. Februar") << T(2016, 2, 29) << "E^" << T(2017, 2, 28);
        QTest::newRow("Bild auf auf dem Wochentag") << T(2015, 1, 5) << "H[" << T(2015, 1, 12);
        QTest::newRow("Bild ab auf dem Wochentag") << T(2015, 1, 5) << "H]" << T(2014, 12, 29);
        QTest::newRow("Hoch auf dem Wochentag") << T(2015, 1, 31) << "H^" << T(2015, 2, 1);
        QTest::newRow("Bild auf auf dem Tag") << T(2015, 1, 5) << "[" << T(2015, 1, 6);
        QTest::newRow("Wochentag am Ende") << T(2500, 12, 30) << "H[" << T(2500, 12, 31);
    }
    void Schritte()
    {
        QFETCH(int, Start);
        QFETCH(QString, Folge);
        QFETCH(int, Datum);
        D->setDatum(Start);
        const int Teil = Folge.contains(u'H') ? 0 : Folge.contains(u'E') ? 3 : Folge.contains(u'>') ? 2 : 1;
        D->setMarkiereNr(1);
        Tasten(D, Folge);
        QCOMPARE(int(D->Datum()), Datum);
        QCOMPARE(D->MarkiereNr(), Teil);
        QCOMPARE(D->selectedText(),
                 D->text().mid(Teil == 0       ? 0
                                   : Teil == 1 ? 4
                                   : Teil == 2 ? 7
                                               : 10,
                               Teil == 3 ? 4 : 2));
    }

    void Stufenknoepfe()
    {
        D->setDatum(T(2015, 1, 5));
        D->UpDown->Hoch->click();
        QCOMPARE(int(D->Datum()), T(2015, 1, 6));
        D->UpDown->Runter->click();
        D->UpDown->Runter->click();
        QCOMPARE(int(D->Datum()), T(2015, 1, 4));
        QCOMPARE(QApplication::focusWidget(), D);
        QCOMPARE(D->UpDown->x(), D->x() + D->width());
        QCOMPARE(D->UpDown->height(), D->height());
    }

    void RandTeileAendernNichts()
    {
        D->setDatum(T(2015, 1, 5));
        Tasten(D, QStringLiteral("H"));
        QCOMPARE(D->selectedText(), QStringLiteral("Mo"));
        Tasten(D, QStringLiteral("<"));
        QCOMPARE(D->MarkiereNr(), 0);
        QCOMPARE(D->selectedText(), QStringLiteral("Mo"));
        Tasten(D, QStringLiteral("E>"));
        QCOMPARE(D->MarkiereNr(), 3);
        QCOMPARE(D->selectedText(), QStringLiteral("2015"));
        Tasten(D, QStringLiteral("<"));
        QCOMPARE(D->selectedText(), QStringLiteral("01"));
    }

    void Maus()
    {
        D->setDatum(T(2015, 1, 5));
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(2));  // the comma
        QCOMPARE(D->MarkiereNr(), 0);
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(14));  // the final blank
        QCOMPARE(D->MarkiereNr(), 3);
        QCOMPARE(D->selectedText(), QStringLiteral("2015"));
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(6));  // the full stop after the day
        QCOMPARE(D->MarkiereNr(), 1);

        // A click into the current part leaves the caret there: a digit places
        // nothing (no placeholder after the caret) and moves on to the month.
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(5));
        QCOMPARE(D->MarkiereNr(), 1);
        QVERIFY(!D->hasSelectedText());
        Tasten(D, QStringLiteral("7"));
        QCOMPARE(D->text(), QStringLiteral("Mo, 05.01.2015 "));
        QCOMPARE(D->MarkiereNr(), 2);
    }

    void MausauswahlUeberMehrereTeile()
    {
        D->setDatum(T(2015, 1, 5));
        // Dragged from the day into the year while the day is current: shrinks to the day.
        const QPoint Von = Stelle(4), Bis = Stelle(13);
        QTest::mousePress(D, Qt::LeftButton, {}, Von);
        QMouseEvent Ziehen(QEvent::MouseMove, Bis, D->mapToGlobal(Bis), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(D, &Ziehen);
        QVERIFY(D->selectedText().size() > 4);
        QTest::mouseRelease(D, Qt::LeftButton, {}, Bis);
        QCOMPARE(D->MarkiereNr(), 1);
        QCOMPARE(D->selectedText(), QStringLiteral("05"));
        Tasten(D, QStringLiteral("2"));
        QCOMPARE(D->text(), QStringLiteral("Mo, 2_.01.2015 "));
        // Select all cannot break the layout either.
        D->selectAll();
        Tasten(D, QStringLiteral("#"));
        QCOMPARE(D->text(), QStringLiteral("Mo, __.01.2015 "));
        QCOMPARE(D->text().size(), 15);
    }

    void BereichAendern()
    {
        D->setDatum(T(2015, 6, 10));
        D->setMaxDatum(T(2015, 6, 1));
        QCOMPARE(int(D->Datum()), T(2015, 6, 1));
        D->setMaxDatum(T(2016, 1, 1));
        QCOMPARE(int(D->Datum()), T(2015, 6, 1));
        D->setMinDatum(T(2015, 7, 1));
        QCOMPARE(int(D->Datum()), T(2015, 7, 1));
    }

    void NurLesen_data()
    {
        QTest::addColumn<QString>("Folge");
        QTest::addColumn<int>("Piepse");
        QTest::newRow("Aenderungstasten") << "^v[]~5#" << 7;
        QTest::newRow("Zeichen") << "ab" << 2;
        QTest::newRow("Teile wechseln") << "<>HE" << 0;
    }
    void NurLesen()
    {
        QFETCH(QString, Folge);
        QFETCH(int, Piepse);
        D->setDatum(T(2015, 1, 5));
        D->setReadOnly(true);
        Tasten(D, Folge);
        QCOMPARE(P->Piepse, Piepse);
        QCOMPARE(D->text(), QStringLiteral("Mo, 05.01.2015 "));
        D->UpDown->Hoch->click();
        QCOMPARE(P->Piepse, Piepse + 1);
        QCOMPARE(D->text(), QStringLiteral("Mo, 05.01.2015 "));
        Tasten(D, QStringLiteral("E"));
        QCOMPARE(D->selectedText(), QStringLiteral("2015"));
        D->setDatum(T(2016, 2, 29));  // the program may still show another date
        QCOMPARE(D->text(), QStringLiteral("Mo, 29.02.2016 "));
    }

    void BildschirmleserSiehtGanzenText()
    {
        D->setDatum(T(2015, 1, 5));
        QAccessibleInterface* I = QAccessible::queryAccessibleInterface(D);
        QCOMPARE(I->text(QAccessible::Value), QStringLiteral("Mo, 05.01.2015 "));
        QAccessibleTextInterface* Text = I->textInterface();
        QVERIFY(Text);
        int Start = -1, Ende = -1;
        Text->attributes(3, &Start, &Ende);
        QCOMPARE(Start, 0);
        QCOMPARE(Ende, 15);
        // The part is said by its name, not as a selection ("selected", "unselected").
        QCOMPARE(D->selectedText(), QStringLiteral("05"));
        QCOMPARE(Text->selectionCount(), 0);
        QCOMPARE(I->text(QAccessible::Description), QStringLiteral("Tag 5"));
        QVERIFY(I->state().editable);
        // Text written through the screen reader obeys the typing rules.
        QAccessibleEditableTextInterface* Schreiben = I->editableTextInterface();
        QVERIFY(Schreiben);
        Schreiben->replaceText(4, 6, QStringLiteral("3"));
        QCOMPARE(D->text(), QStringLiteral("Mo, 3_.01.2015 "));
        D->setReadOnly(true);
        QVERIFY(!I->editableTextInterface());
        QVERIFY(I->state().readOnly);
    }

    // What the screen reader hears at each key: a part chosen by its name and value, a new date in
    // words, nothing for a key that changes nothing or a part half typed, and never the box's own edits.
    void Ansagen_data()
    {
        QTest::addColumn<QString>("Folge");
        QTest::addColumn<bool>("NurLesenS");
        QTest::addColumn<QStringList>("Gesagt");
        QTest::newRow("Rechts") << ">" << false << QStringList{"Monat 1"};
        QTest::newRow("Ende, Pos1") << "EH" << false << QStringList{"Jahr 2015", "Wochentag Montag"};
        QTest::newRow("Links am Wochentag") << "H<" << false << QStringList{"Wochentag Montag"};
        QTest::newRow("Rechts am Jahr") << "E>" << false << QStringList{"Jahr 2015"};
        QTest::newRow("hinauf") << "^" << false << QStringList{"Dienstag, 6. Jänner 2015"};
        QTest::newRow("Knöpfe") << "+-" << false << QStringList{"Dienstag, 6. Jänner 2015", "Montag, 5. Jänner 2015"};
        QTest::newRow("Bild ab am Wochentag")
            << "H]" << false << QStringList{"Wochentag Montag", "Montag, 29. Dezember 2014"};
        QTest::newRow("Monat hinauf") << ">^" << false << QStringList{"Monat 1", "Donnerstag, 5. Februar 2015"};
        QTest::newRow("Monat an der Grenze") << ">v" << false << QStringList{"Monat 1"};
        QTest::newRow("Tag an der Grenze") << "vvvvv" << false
                                           << QStringList{"Sonntag, 4. Jänner 2015", "Samstag, 3. Jänner 2015",
                                                          "Freitag, 2. Jänner 2015", "Donnerstag, 1. Jänner 2015"};
        QTest::newRow("Tag getippt") << "12" << false << QStringList{"Montag, 12. Jänner 2015"};
        QTest::newRow("halb getippt") << "1" << false << QStringList{};
        QTest::newRow("Rücktaste") << "#" << false << QStringList{};
        QTest::newRow("halb getippt, rechts") << "3>" << false << QStringList{"Samstag, 3. Jänner 2015, Monat 1"};
        QTest::newRow("Jahr getippt") << "E2016" << false << QStringList{"Jahr 2015", "Dienstag, 5. Jänner 2016"};
        QTest::newRow("Jahr getippt, links")
            << "E2016<" << false << QStringList{"Jahr 2015", "Dienstag, 5. Jänner 2016", "Monat 1"};
        QTest::newRow("Tag wie zuvor getippt") << "05" << false << QStringList{"Montag, 5. Jänner 2015"};
        QTest::newRow("Jahr voll, noch eine Ziffer")
            << "E20169" << false << QStringList{"Jahr 2015", "Dienstag, 5. Jänner 2016"};
        QTest::newRow("31. April") << "3104" << false
                                   << QStringList{"Samstag, 31. Jänner 2015", "Donnerstag, 30. April 2015"};
        QTest::newRow("nur lesen") << "^v[]~5#+" << true << QStringList{};
        QTest::newRow("nur lesen, Teile") << ">E" << true << QStringList{"Monat 1", "Jahr 2015"};
    }
    void Ansagen()
    {
        QFETCH(QString, Folge);
        QFETCH(bool, NurLesenS);
        QFETCH(QStringList, Gesagt);
        D->setDatum(T(2015, 1, 5));
        D->setReadOnly(NurLesenS);
        TMithoeren Ohr;
        Tasten(D, Folge);
        QStringList Ansagen = Gehoert().filter(QRegularExpression(QStringLiteral("^Ansage ")));
        Ansagen.replaceInStrings(QRegularExpression(QStringLiteral("^Ansage ")), QString());
        QCOMPARE(Ansagen, Gesagt);
        // The box's own edits and moves never reach the screen reader; one selection event with each
        // message, which renews the Braille line and says nothing, as no selection is reported.
        QCOMPARE(Gehoert().filter(QRegularExpression(QStringLiteral("^(Text|Cursor) "))), QStringList{});
        QCOMPARE(Gehoert().filter(QRegularExpression(QStringLiteral("^Auswahl "))).size(), Gesagt.size());
        QCOMPARE(QAccessible::queryAccessibleInterface(D)->text(QAccessible::Description), D->TeilInWorten());
    }

    // The part chosen with the mouse is said too; a click inside the current part says nothing.
    void TeilPerKlickGesagt()
    {
        D->setDatum(T(2015, 1, 5));
        TMithoeren Ohr;
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(12));
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(13));
        QTest::mouseClick(D, Qt::LeftButton, {}, Stelle(1));
        QCOMPARE(Gehoert().filter(QStringLiteral("Ansage")),
                 (QStringList{"Ansage Jahr 2015", "Ansage Wochentag Montag"}));
    }

    // The messages come from an unnamed notification inside a status bar of no size: Orca says
    // no role word before them, and the dialog's look and layout stay as they are. Its own holder
    // of the role Window keeps Orca from saying the dialog's name before each message, and the
    // text is hidden at once, so that it is never read as part of the dialog.
    void AnsageOhneNameUndGroesse()
    {
        QAccessibleInterface* I = QAccessible::queryAccessibleInterface(D->Ansage());
        QCOMPARE(I->role(), QAccessible::Notification);
        QCOMPARE(I->text(QAccessible::Name), QString());
        QCOMPARE(I->parent()->role(), QAccessible::Window);
        QCOMPARE(I->parent()->parent()->role(), QAccessible::StatusBar);
        TMithoeren Ohr;
        Tasten(D, QStringLiteral(">"));
        QCOMPARE(Gehoert().filter(QStringLiteral("Ansage")), QStringList{QStringLiteral("Ansage Monat 1")});
        QVERIFY(D->Ansage()->isHidden());
        QCOMPARE(D->Ansage()->Zeile()->text(), QStringLiteral("Monat 1"));
        auto* Leiste = qobject_cast<QStatusBar*>(D->Ansage()->parentWidget()->parentWidget());
        QVERIFY(Leiste);
        QVERIFY(Leiste->isVisible());
        QCOMPARE(Leiste->size(), QSize(0, 0));
        QCOMPARE(Leiste->focusPolicy(), Qt::NoFocus);
    }

    void KeinKontextmenue()
    {
        QContextMenuEvent E(QContextMenuEvent::Mouse, QPoint(5, 5), D->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(D, &E);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void FokusWaehltDenTag()
    {
        D->setDatum(T(2015, 1, 5));
        Tasten(D, QStringLiteral("E"));
        QTest::keyClick(D, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != D);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), D);
        QCOMPARE(D->MarkiereNr(), 1);
        QCOMPARE(D->selectedText(), QStringLiteral("05"));
        // Said with the box when the focus arrives.
        QCOMPARE(QAccessible::queryAccessibleInterface(D)->text(QAccessible::Description), QStringLiteral("Tag 5"));
    }
};

MEROVAN_GUI_TEST_MAIN(TestLuDatePicker)
#include "TestLuDatePicker.moc"
