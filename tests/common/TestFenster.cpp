#include "LuUtils.h"
#include "LuUtilsGui.h"

#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

class TestFenster : public QObject {
    Q_OBJECT

    std::vector<std::unique_ptr<QWidget>> FFenster;

    QWidget* Fenster(const QString& ATitel)
    {
        FFenster.push_back(std::make_unique<QWidget>());
        FFenster.back()->setWindowTitle(ATitel);
        FFenster.back()->winId();  // created now, so the creation order is this order
        return FFenster.back().get();
    }

private Q_SLOTS:
    void cleanup() { FFenster.clear(); }

    void FindeFensterTitelEnde_data()
    {
        QTest::addColumn<QStringList>("Titel");
        QTest::addColumn<int>("Treffer");  // index into Titel, -1 = none
        const QString T = ProgrammTitel;
        QTest::newRow("Datei, Trenner, Titel")
            << QStringList{T + " und mehr", "", "tagebuch.MRV - " + T, "b - " + T} << 2;
        QTest::newRow("zweimal enthalten") << QStringList{T + " - " + T} << -1;
        QTest::newRow("nur der Titel") << QStringList{T} << 0;
        QTest::newRow("beginnt nur damit") << QStringList{T + "x"} << -1;
        QTest::newRow("260 Zeichen") << QStringList{QString(260 - T.size(), u'x') + T} << 0;
        QTest::newRow("261 Zeichen werden gekuerzt") << QStringList{QString(261 - T.size(), u'x') + T} << -1;
        QTest::newRow("keines") << QStringList{"a", "b"} << -1;
    }
    void FindeFensterTitelEnde()
    {
        QFETCH(QStringList, Titel);
        QFETCH(int, Treffer);
        std::vector<QWidget*> W;
        for (const QString& t : Titel)
            W.push_back(Fenster(t));
        QWidget* Gefunden = ::FindeFensterTitelEnde(ProgrammTitel);
        QCOMPARE(Gefunden, Treffer < 0 ? nullptr : W[size_t(Treffer)]);
    }

    void FindetVersteckteFensterInErstellungsfolge()
    {
        QWidget* A = Fenster(QStringLiteral("a - x"));
        Fenster(QStringLiteral("b - x"))->show();
        QCOMPARE(::FindeFensterTitelEnde(QStringLiteral("x")), A);
    }

    void FensterNachVorneStelltWiederHer()
    {
        QWidget* A = Fenster(QStringLiteral("A"));
        QWidget* B = Fenster(QStringLiteral("B"));
        A->show();
        B->show();
        A->showMinimized();
        QVERIFY(A->isMinimized());
        B->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(B));
        QVERIFY(FensterNachVorne(A));
        QVERIFY(!A->isMinimized());
        QCOMPARE(QApplication::activeWindow(), A);
        QVERIFY(!FensterNachVorne(nullptr));
    }
};

QTEST_MAIN(TestFenster)
#include "TestFenster.moc"
