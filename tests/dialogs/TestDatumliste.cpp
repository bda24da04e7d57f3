#include "Datumliste.h"
#include "GuiTestMain.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "Mithoeren.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

class TestDatumliste : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<TDatumlisteForm> D;

    // Fills and shows the dialog as the main window does; AAktion works it. The result and the line chosen.
    std::pair<int, int> Zeigen(int AZeile, std::function<void(QWidget*)> AAktion)
    {
        D->SchriftartZuweisen();
        D->ListBox1->setItems({"Mi., 07. Jänner 2015", "Di., 06. Jänner 2015", "Mo., 05. Jänner 2015"});
        D->ListBox1->setCurrentRow(AZeile);
        BeimNaechstenDialog(AAktion);
        const int Ergebnis = D->exec();
        return {Ergebnis, D->ListBox1->currentRow()};
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        D = std::make_unique<TDatumlisteForm>();
    }
    void cleanup()
    {
        D.reset();
        P.reset();
    }

    void Grundeinstellungen()
    {
        QCOMPARE(D->windowTitle(), QStringLiteral("Gehe zu Tag"));
        QCOMPARE(D->Button1->text(), QStringLiteral("O&K"));
        QCOMPARE(D->Button2->text(), QStringLiteral("&Abbrechen"));
        QVERIFY(D->Button1->isDefault());
        QCOMPARE(QAccessible::queryAccessibleInterface(D->ListBox1)->text(QAccessible::Name),
                 QStringLiteral("Gehe zu Tag"));
    }

    // The screen reader is told of the selected line last, after the list: it says the day, not
    // only "List with 3 items".
    void ZeileZuletztGemeldet()
    {
        TMithoeren Ohr;
        QStringList Fokus;
        Zeigen(1, [&](QWidget*) {
            QTest::qWait(20);
            Fokus = Gehoert().filter(QStringLiteral("Fokus"));
            D->reject();
        });
        QVERIFY(!Fokus.isEmpty());
        QCOMPARE(Fokus.last(), QStringLiteral("Fokus ListBox1 Zeile 1"));
    }

    // Once the dialog is closed, none of its lines claims the focus or a place on the screen (a
    // screen reader that looks the focus up would land in a closed window); the choice stays,
    // and the next showing has its line current and focused again.
    void VerborgeneListeOhneFokus()
    {
        TMithoeren Ohr;
        const auto Zustaende = [this] {
            QStringList L;
            QAccessibleInterface* Liste = QAccessible::queryAccessibleInterface(D->ListBox1);
            for (int i = 0; i < Liste->childCount(); ++i) {
                const QAccessible::State S = Liste->child(i)->state();
                L << QStringLiteral("%1%2%3").arg(S.focused ? "F" : "-", S.invisible ? "-" : "S",
                                                  S.selected ? "A" : "-");
            }
            return L;
        };
        QStringList Offen;
        const auto [Ergebnis, Zeile] = Zeigen(1, [&](QWidget*) {
            QTest::keyClick(D->ListBox1, Qt::Key_Down);
            Offen = Zustaende();
            D->accept();
        });
        QCOMPARE(Ergebnis, 1);
        QCOMPARE(Zeile, 2);
        QCOMPARE(Offen, (QStringList{"-S-", "-S-", "FSA"}));
        QCOMPARE(Zustaende(), (QStringList{"---", "---", "--A"}));
        // Chosen while hidden, as the main window does before each showing: still no focused line.
        D->ListBox1->setCurrentRow(0);
        QCOMPARE(Zustaende(), (QStringList{"--A", "---", "---"}));
        QCOMPARE(D->ListBox1->currentRow(), 0);
        QStringList Wieder;
        Zeigen(0, [&](QWidget*) {
            Wieder = Zustaende();
            D->reject();
        });
        QCOMPARE(Wieder, (QStringList{"FSA", "-S-", "-S-"}));
    }

    // Keys typed into the open dialog: D Down, U Up, T Tab, \r Enter, \x1b Escape, capitals Alt+letter.
    void Tasten_data()
    {
        QTest::addColumn<QString>("Tasten");
        QTest::addColumn<int>("Ergebnis");
        QTest::addColumn<int>("Zeile");
        QTest::newRow("Enter") << "\r" << 1 << 1;
        QTest::newRow("hinauf, Enter") << "U\r" << 1 << 0;
        QTest::newRow("hinab, Alt+K") << "DK" << 1 << 2;
        QTest::newRow("Escape") << "U\x1b" << 0 << 0;
        QTest::newRow("Alt+A") << "A" << 0 << 1;
        QTest::newRow("Enter auf OK") << "T\r" << 1 << 1;
        QTest::newRow("Enter auf Abbrechen") << "TT\r" << 0 << 1;
    }
    void Tasten()
    {
        QFETCH(QString, Tasten);
        QFETCH(int, Ergebnis);
        QFETCH(int, Zeile);
        QWidget* Fokus = nullptr;
        const auto [Gesehen, Gewaehlt] = Zeigen(1, [&](QWidget*) {
            Fokus = QApplication::focusWidget();
            for (QChar c : Tasten) {
                QWidget* W = QApplication::focusWidget();
                if (c == u'\r')
                    QTest::keyClick(W, Qt::Key_Return);
                else if (c == u'\x1b')
                    QTest::keyClick(W, Qt::Key_Escape);
                else if (c == u'D')
                    QTest::keyClick(W, Qt::Key_Down);
                else if (c == u'U')
                    QTest::keyClick(W, Qt::Key_Up);
                else if (c == u'T')
                    QTest::keyClick(W, Qt::Key_Tab);
                else
                    QTest::keyClick(W, char(c.toLower().unicode()), Qt::AltModifier);
            }
        });
        QCOMPARE(Fokus, D->ListBox1);
        QCOMPARE(Gesehen, Ergebnis);
        QCOMPARE(Gewaehlt, Zeile);
    }

    // The window is twelve button heights high at any font; the list takes what the buttons leave.
    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::newRow("8") << 8;
        QTest::newRow("12") << 12;
        QTest::newRow("40") << 40;
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        Zeigen(0, [&](QWidget* W) {
            const int B = D->Button1->width();
            const int H = SchalterHoehe(D->Button1->font(), TSteuerArt::Knopf);
            if (Punkte <= 12)
                QCOMPARE(B, 125);
            for (QPushButton* K : {D->Button1, D->Button2})
                QVERIFY(K->width() >= K->sizeHint().width());
            QCOMPARE(D->ListBox1->font().pointSize(), Punkte);
            // Twelve button heights, less where the screen is not that high: the list scrolls.
            const int Hoehe = std::min(12 * H, VerfuegbareHoehe(W));
            QCOMPARE(W->height(), Hoehe);
            const int Schirmbreite = W->screen()->geometry().width() - (W->frameGeometry().width() - W->width());
            const int G = std::min(B / 2, std::max(10, (Schirmbreite - 2 * B) / 3));
            QCOMPARE(D->Button1->geometry(), QRect(G, Hoehe - H - 10, B, H));
            QCOMPARE(D->Button2->geometry(), QRect(2 * G + B, D->Button1->y(), B, H));
            QCOMPARE(W->width(), D->Button2->x() + B + G);  // 436 with the usual buttons
            QCOMPARE(D->ListBox1->geometry(), QRect(10, 10, W->width() - 20, D->Button1->y() - 20));
            const QRect Schirm = W->screen()->geometry();
            QCOMPARE(W->frameGeometry().left(), std::max(0, (Schirm.width() - W->frameGeometry().width()) / 2 - 1));
            qobject_cast<QDialog*>(W)->reject();
        });
    }
};

MEROVAN_GUI_TEST_MAIN(TestDatumliste)
#include "TestDatumliste.moc"
