#include "GuiTestMain.h"
#include "LuHintergrund.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "ModalHelfer.h"
#include "TFakePlattform.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <memory>

class TestLuHintergrund : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakePlattform> P;
    std::unique_ptr<THintergrundForm> H;

    int Zeigen(std::function<void(QWidget*)> AAktion)
    {
        H->SchriftartZuweisen(Benutzerschrift(), Qt::white);
        BeimNaechstenDialog(AAktion);
        return ModalZeigen(*H);
    }

private Q_SLOTS:
    void init()
    {
        P = std::make_unique<TFakePlattform>(42009);
        Benutzerschrift() = TSchriftart{QFont(QStringLiteral("Liberation Sans"), 12), Qt::black};
        H = std::make_unique<THintergrundForm>(nullptr, 125, 10);
        H->setHintergrundNr(1);
    }
    void cleanup()
    {
        H.reset();
        P.reset();
    }

    // The names in order with the colours of the table, "Braun" included.
    void Farbliste()
    {
        const QList<std::pair<QString, QRgb>> Erwartet{
            {"Schwarz", 0x000000},    {"Weiß", 0xFFFFFF},       {"Gelb", 0xFFFF00},     {"Blau", 0x0000FF},
            {"Marineblau", 0x000080}, {"Himmelblau", 0xA6CAF0}, {"Blaugrün", 0x008080}, {"Grün", 0x008000},
            {"Minzgrün", 0xC0DCC0},   {"Gelbgrün", 0x00FF00},   {"Olivgrün", 0x808000}, {"Grau", 0x808080},
            {"Dunkelgrau", 0x808080}, {"Hellgrau", 0xC0C0C0},   {"Rot", 0xFF0000},      {"Purpur", 0x800080},
            {"Lila", 0xFF00FF},       {"Silber", 0xC0C0C0},     {"Braun", 0x2B5A8B}};
        QCOMPARE(H->ListBox1->count(), 19);
        for (int i = 0; i < 19; ++i) {
            H->setHintergrundNr(i);
            QCOMPARE(H->ListBox1->Item(i), Erwartet[i].first);
            QCOMPARE(H->HintergrundFarbe(), QColor(Erwartet[i].second));
        }
        QCOMPARE(H->windowTitle(), QStringLiteral("Schrifthintergrund wählen"));
        QCOMPARE(H->Button1->text(), QStringLiteral("O&K"));
        QCOMPARE(H->Button2->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(QAccessible::queryAccessibleInterface(H->ListBox1)->text(QAccessible::Name),
                 QStringLiteral("Schrifthintergrund"));
    }

    void Zeile_data()
    {
        QTest::addColumn<int>("Geschrieben");
        QTest::addColumn<int>("Gelesen");
        QTest::newRow("19") << 19 << 0;
        QTest::newRow("-1") << -1 << 0;
        QTest::newRow("1000") << 1000 << 0;
        QTest::newRow("18") << 18 << 18;
    }
    void Zeile()
    {
        QFETCH(int, Geschrieben);
        QFETCH(int, Gelesen);
        H->setHintergrundNr(Geschrieben);
        QCOMPARE(H->HintergrundNr(), Gelesen);
    }

    // Keys in the open dialog: Down moves, Enter takes it, Escape and the close box put it back.
    void Tasten_data()
    {
        QTest::addColumn<QString>("Ende");
        QTest::addColumn<int>("Ergebnis");
        QTest::addColumn<int>("Zeile");
        QTest::newRow("Enter") << "Enter" << 1 << 3;
        QTest::newRow("Escape") << "Escape" << 0 << 1;
        QTest::newRow("Schliessfeld") << "close" << 0 << 1;
        QTest::newRow("Alt+A") << "Alt+A" << 0 << 1;
    }
    void Tasten()
    {
        QFETCH(QString, Ende);
        QFETCH(int, Ergebnis);
        QFETCH(int, Zeile);
        QWidget* Fokus = nullptr;
        const int Gesehen = Zeigen([&](QWidget* D) {
            Fokus = QApplication::focusWidget();
            QTest::keyClick(H->ListBox1, Qt::Key_Down);
            QTest::keyClick(H->ListBox1, Qt::Key_Down);
            if (Ende == u"Enter")
                QTest::keyClick(H->ListBox1, Qt::Key_Return);
            else if (Ende == u"Escape")
                QTest::keyClick(H->ListBox1, Qt::Key_Escape);
            else if (Ende == u"Alt+A")
                QTest::keyClick(H->ListBox1, Qt::Key_A, Qt::AltModifier);
            else
                D->close();
        });
        QCOMPARE(Fokus, H->ListBox1);
        QCOMPARE(Gesehen, Ergebnis);
        QCOMPARE(H->HintergrundNr(), Zeile);
    }

    // Client width 280 with the defaults; wider only where a large font would cut "Abbrechen".
    // The list is twenty lines of its font high.
    void Anordnung_data()
    {
        QTest::addColumn<int>("Punkte");
        QTest::newRow("8") << 8;
        QTest::newRow("12") << 12;
        QTest::newRow("20") << 20;
    }
    void Anordnung()
    {
        QFETCH(int, Punkte);
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Sans"), Punkte);
        Zeigen([&](QWidget* W) {
            const int HK = SchalterHoehe(H->Button1->font(), TSteuerArt::Knopf);
            const int B = std::max(125, H->Button2->sizeHint().width());
            if (Punkte <= 12)
                QCOMPARE(W->width(), 280);
            QCOMPARE(W->width(), 30 + 2 * B);
            QCOMPARE(H->ListBox1->geometry(),
                     QRect(10, 10, W->width() - 20, 20 * SchalterHoehe(H->ListBox1->font(), TSteuerArt::Sonstige)));
            QCOMPARE(H->Button1->geometry(), QRect(10, H->ListBox1->y() + H->ListBox1->height() + 10, B, HK));
            QCOMPARE(H->Button2->geometry(), QRect(20 + B, H->Button1->y(), B, HK));
            QCOMPARE(W->height(), H->Button1->y() + HK + 10);
            qobject_cast<QDialog*>(W)->reject();
        });
    }

    // BtnWidth and Rand lay the dialog out again.
    void KnopfBreiteUndRand()
    {
        H->setBtnWidth(150);
        H->setRand(20);
        QCOMPARE(H->width(), 3 * 20 + 2 * 150);
        QCOMPARE(H->Button2->x(), 2 * 20 + 150);
    }
};

MEROVAN_GUI_TEST_MAIN(TestLuHintergrund)
#include "TestLuHintergrund.moc"
