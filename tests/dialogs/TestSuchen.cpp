#include "GuiTestMain.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "ModalHelfer.h"
#include "Suchen.h"
#include "TDaten.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

namespace {
// Six days from Mo., 05. Jänner 2015 on, with these comments.
const QStringList Kommentare{"Zucker hoch\r\n",
                             "",
                             "Sport\r\nZUCKER gemessen\r\n",
                             "abc\r\n",
                             "Übelkeit, Ärger\r\n",
                             "Spaziergang Hauptstraße\r\n"};
}

class TestSuchen : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TSuchenForm> S;
    TDaten Daten;

    // Shows the dialog as the main window does; AAktion works it. The result.
    int Zeigen(std::function<void(QWidget*)> AAktion)
    {
        S->DatenRef = &Daten;
        S->SchriftartZuweisen();
        BeimNaechstenDialog(AAktion);
        return S->exec();
    }

    QStringList Zeilen() const
    {
        QStringList Z;
        for (int i = 0; i < S->ListBox1->count(); ++i)
            Z << S->ListBox1->Item(i);
        return Z;
    }

    static QString Name(QWidget* W) { return QAccessible::queryAccessibleInterface(W)->text(QAccessible::Name); }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        S = std::make_unique<TSuchenForm>();
        Daten.Clear();
        for (int i = 0; i < Kommentare.size(); ++i) {
            TTag T(42009 + i);
            T.Kommentar = Kommentare[i];
            Daten.Add(T);
        }
    }
    void cleanup()
    {
        S.reset();
        P.reset();
    }

    void Grundeinstellungen()
    {
        QCOMPARE(S->windowTitle(), QStringLiteral("Suche Kommentar"));
        QCOMPARE(S->Label1->text(), QStringLiteral("K&ommentar:"));
        QCOMPARE(S->CheckBox1->text(), QStringLiteral("&Genaue Übereinstimmung"));
        QCOMPARE(S->Button1->text(), QStringLiteral("S&uchen"));
        QCOMPARE(S->Button2->text(), QStringLiteral("O&K"));
        QCOMPARE(S->Button3->text(), QStringLiteral("&Schließen"));
        for (QPushButton* K : {S->Button1, S->Button2, S->Button3})
            QVERIFY(!K->isDefault());
        QVERIFY(!S->CheckBox1->isChecked());
        QVERIFY(S->SuchStr.isEmpty());
        QVERIFY(!S->Button1->isEnabled());
        QVERIFY(!S->Button2->isEnabled());
        QCOMPARE(Name(S->Edit1), QStringLiteral("Kommentar:"));
    }

    // Enter in the edit box searches: the hits oldest first, the first selected, the list named by the count.
    void SucheMitEnter()
    {
        QStringList Gefunden;
        QWidget* Fokus = nullptr;
        QString ListenName;
        const int Ergebnis = Zeigen([&](QWidget*) {
            QCOMPARE(QApplication::focusWidget(), S->Edit1);
            QTest::keyClicks(S->Edit1, QStringLiteral("zucker"));
            QVERIFY(S->Button1->isEnabled());
            QTest::keyClick(S->Edit1, Qt::Key_Return);
            Gefunden = Zeilen();
            Fokus = QApplication::focusWidget();
            ListenName = Name(S->ListBox1);
            QVERIFY(S->Button2->isEnabled());
            QCOMPARE(S->ListBox1->currentRow(), 0);
            QTest::keyClick(S->ListBox1, Qt::Key_Down);
            QTest::keyClick(S->ListBox1, Qt::Key_Return);
        });
        QCOMPARE(Ergebnis, int(QDialog::Accepted));
        QCOMPARE(Gefunden, (QStringList{"Mo., 05. Jänner 2015", "Mi., 07. Jänner 2015"}));
        QCOMPARE(Fokus, S->ListBox1);
        QCOMPARE(ListenName, QStringLiteral("2 Tage gefunden"));
        QCOMPARE(S->ListBox1->currentRow(), 1);
        QCOMPARE(S->TagNrIndex, (QStringList{"0", "2"}));
        QCOMPARE(S->SuchStr, QStringLiteral("zucker"));
        QVERIFY(P->Meldungen.isEmpty());
    }

    // Enter on the check box searches too, now case-sensitive; Alt+O leads back to the edit box.
    void SucheVomKontrollkaestchen()
    {
        QStringList Gefunden;
        QString ListenName;
        QWidget* NachAltO = nullptr;
        Zeigen([&](QWidget* D) {
            QTest::keyClicks(S->Edit1, QStringLiteral("Zucker"));
            QTest::keyClick(S->Edit1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), S->CheckBox1);
            QTest::keyClick(S->CheckBox1, Qt::Key_Space);
            QTest::keyClick(S->CheckBox1, Qt::Key_Return);
            Gefunden = Zeilen();
            ListenName = Name(S->ListBox1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
            NachAltO = QApplication::focusWidget();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QVERIFY(S->CheckBox1->isChecked());
        QCOMPARE(Gefunden, QStringList{"Mo., 05. Jänner 2015"});
        QCOMPARE(ListenName, QStringLiteral("1 Tag gefunden"));
        QCOMPARE(NachAltO, S->Edit1);
    }

    // Nothing found: the message names the text, the focus is back in the box, all selected, OK stays off.
    // A diary without days finds nothing either.
    void NichtGefunden_data()
    {
        QTest::addColumn<bool>("LeerS");
        QTest::newRow("kein Treffer") << false;
        QTest::newRow("keine Tage") << true;
    }
    void NichtGefunden()
    {
        QFETCH(bool, LeerS);
        if (LeerS)
            Daten.Clear();
        QWidget* Fokus = nullptr;
        QString Markiert;
        bool OkS = true;
        const int Ergebnis = Zeigen([&](QWidget*) {
            QTest::keyClicks(S->Edit1, LeerS ? QStringLiteral("zucker") : QStringLiteral("Insulin"));
            QTest::keyClick(S->Edit1, Qt::Key_Return);
            Fokus = QApplication::focusWidget();
            Markiert = S->Edit1->selectedText();
            OkS = S->Button2->isEnabled();
            QTest::keyClick(S->Edit1, Qt::Key_Return);  // searches again; OK is not reached by Enter
            QTest::keyClick(S->Edit1, Qt::Key_Escape);
        });
        const QString Text = LeerS ? QStringLiteral("zucker") : QStringLiteral("Insulin");
        QCOMPARE(Ergebnis, int(QDialog::Rejected));
        QCOMPARE(P->Texte(TFakePlattform::TArt::Information),
                 QStringList(2, QStringLiteral("Der Kommentar \"%1\" wurde nicht gefunden!").arg(Text)));
        QCOMPARE(Fokus, S->Edit1);
        QCOMPARE(Markiert, Text);
        QVERIFY(!OkS);
    }

    // Blanks alone cannot be searched: Suchen is off and Enter does nothing.
    void NurBlanks()
    {
        bool SuchenS = true;
        Zeigen([&](QWidget* D) {
            QTest::keyClicks(S->Edit1, QStringLiteral("   "));
            SuchenS = S->Button1->isEnabled();
            QTest::keyClick(S->Edit1, Qt::Key_Return);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QVERIFY(!SuchenS);
        QVERIFY(P->Meldungen.isEmpty());
        QVERIFY(S->SuchStr.isEmpty());
    }

    // Shown again: the last text, all selected; the list empty and unnamed by a count; OK off; the check box kept.
    void WiederOeffnen()
    {
        Zeigen([&](QWidget* D) {
            QTest::keyClicks(S->Edit1, QStringLiteral("sport"));
            S->CheckBox1->setChecked(true);
            S->CheckBox1->setChecked(false);
            S->CheckBox1->click();
            QTest::keyClick(S->CheckBox1, Qt::Key_Return);  // case-sensitive: nothing found
            S->CheckBox1->click();
            QTest::keyClick(S->CheckBox1, Qt::Key_Return);
            QCOMPARE(S->ListBox1->count(), 1);
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QString Text, Markiert, ListenName;
        int Zeilenzahl = -1;
        bool OkS = true, SuchenS = false;
        Zeigen([&](QWidget* D) {
            Text = S->Edit1->text();
            Markiert = S->Edit1->selectedText();
            Zeilenzahl = S->ListBox1->count();
            ListenName = Name(S->ListBox1);
            OkS = S->Button2->isEnabled();
            SuchenS = S->Button1->isEnabled();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Text, QStringLiteral("sport"));
        QCOMPARE(Markiert, QStringLiteral("sport"));
        QCOMPARE(Zeilenzahl, 0);
        QCOMPARE(ListenName, QStringLiteral("Gefundene Tage"));
        QVERIFY(!OkS);
        QVERIFY(SuchenS);
        QVERIFY(!S->CheckBox1->isChecked());
        QVERIFY(S->TagNrIndex.isEmpty());
    }

    void Tabulatorfolge()
    {
        QList<QWidget*> Folge;
        Zeigen([&](QWidget* D) {
            QTest::keyClicks(S->Edit1, QStringLiteral("a"));
            QTest::keyClick(S->Edit1, Qt::Key_Return);  // hits: the list and OK take part
            QCOMPARE(QApplication::focusWidget(), S->ListBox1);
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                Folge << QApplication::focusWidget();
            }
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(Folge, (QList<QWidget*>{S->Button1, S->Button2, S->Button3, S->Edit1, S->CheckBox1, S->ListBox1}));
    }

    // Enter on a focused button presses that button, never another one.
    void EnterAufKnopf()
    {
        int Ergebnis = Zeigen([&](QWidget*) {
            QTest::keyClicks(S->Edit1, QStringLiteral("abc"));
            S->Button3->setFocus();
            QTest::keyClick(S->Button3, Qt::Key_Return);
        });
        QCOMPARE(Ergebnis, int(QDialog::Rejected));
        Ergebnis = Zeigen([&](QWidget*) {
            QTest::keyClicks(S->Edit1, QStringLiteral("abc"));
            S->Button1->setFocus();
            QTest::keyClick(S->Button1, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), S->ListBox1);
            S->Button2->setFocus();
            QTest::keyClick(S->Button2, Qt::Key_Return);
        });
        QCOMPARE(Ergebnis, int(QDialog::Accepted));
        QCOMPARE(S->TagNrIndex, QStringList{"3"});
    }

    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::newRow("10") << 10;
        QTest::newRow("36") << 36;
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        Zeigen([&](QWidget* W) {
            const int B = S->Button1->width();
            const int H = SchalterHoehe(S->Button1->font(), TSteuerArt::Knopf);
            if (Punkte <= 12)
                QCOMPARE(B, 125);
            for (QPushButton* K : {S->Button1, S->Button2, S->Button3}) {
                QVERIFY(K->width() >= K->sizeHint().width());
                QCOMPARE(K->size(), QSize(B, H));
            }
            QCOMPARE(S->Edit1->y(), 10);
            QCOMPARE(S->Edit1->height(), S->Edit1->sizeHint().height());
            QCOMPARE(S->Label1->x(), 10);
            QCOMPARE(S->Edit1->x(),
                     S->Label1->x() + S->Label1->width()
                         + std::max(5, S->Label1->fontMetrics().horizontalAdvance(u' ')));
            QCOMPARE(S->Label1->y(), S->Edit1->y() + (S->Edit1->height() - S->Label1->height()) / 2);
            QCOMPARE(S->CheckBox1->geometry(),
                     QRect(10, S->Edit1->y() + S->Edit1->height() + 10, W->width() - 20,
                           SchalterHoehe(S->CheckBox1->font(), TSteuerArt::Kontrollkaestchen)));
            // Ten button heights, less where the screen is not that high: the list scrolls.
            const int ListenOben = S->CheckBox1->y() + S->CheckBox1->height() + 10;
            const int L = std::min(10 * H, VerfuegbareHoehe(W) - ListenOben - 20 - H);
            QCOMPARE(S->ListBox1->geometry(), QRect(H, ListenOben, W->width() - 2 * H, L));
            QVERIFY(W->height() <= VerfuegbareHoehe(W));
            const int Oben = S->ListBox1->y() + S->ListBox1->height() + 10;
            const int Schirmbreite = W->screen()->geometry().width() - (W->frameGeometry().width() - W->width());
            const int G = std::min(B / 2, std::max(10, (Schirmbreite - 3 * B) / 4));
            QCOMPARE(S->Button1->pos(), QPoint(G, Oben));
            QCOMPARE(S->Button2->pos(), QPoint(2 * G + B, Oben));
            QCOMPARE(S->Button3->pos(), QPoint(S->Button2->x() + G + B, Oben));
            QCOMPARE(W->width(), S->Button3->x() + B + G);  // 623 with the usual buttons
            if (Punkte <= 12)
                QCOMPARE(W->width(), 623);
            QCOMPARE(S->Edit1->x() + S->Edit1->width(), W->width() - 10);
            QCOMPARE(W->height(), Oben + H + 10);
            QCOMPARE(S->Edit1->font().pointSize(), Punkte);
            QCOMPARE(S->ListBox1->font().pointSize(), Punkte);
            qobject_cast<QDialog*>(W)->reject();
        });
    }
};

MEROVAN_GUI_TEST_MAIN(TestSuchen)
#include "TestSuchen.moc"
