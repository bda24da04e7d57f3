// The comment search's matching, without its window.

#include "Kommentarsuche.h"
#include "TDaten.h"

#include <QTest>

namespace {
// Six days from Mo., 05. Jänner 2015 on, with these comments.
const QStringList Kommentare{"Zucker hoch\r\n",
                             "",
                             "Sport\r\nZUCKER gemessen\r\n",
                             "abc\r\n",
                             "Übelkeit, Ärger\r\n",
                             "Spaziergang Hauptstraße\r\n"};
}

class TestKommentarsuche : public QObject {
    Q_OBJECT

    TDaten Daten;

private Q_SLOTS:
    void initTestCase()
    {
        for (int i = 0; i < Kommentare.size(); ++i) {
            TTag T(42009 + i);
            T.Kommentar = Kommentare[i];
            Daten.Add(T);
        }
    }

    void Treffer_data()
    {
        QTest::addColumn<QString>("Muster");
        QTest::addColumn<bool>("GenauS");
        QTest::addColumn<QList<int>>("Tage");
        QTest::newRow("zucker findet Zucker und ZUCKER") << "zucker" << false << QList<int>{0, 2};
        QTest::newRow("genau: zucker findet keins") << "zucker" << true << QList<int>{};
        QTest::newRow("genau: Zucker") << "Zucker" << true << QList<int>{0};
        QTest::newRow("Blank gehört zum Muster") << "abc " << false << QList<int>{};
        QTest::newRow("ohne Blank") << "ABC" << false << QList<int>{3};
        QTest::newRow("ä findet Ä") << "ärger" << false << QList<int>{4};
        QTest::newRow("ü findet Ü") << "übel" << false << QList<int>{4};
        QTest::newRow("strasse findet Straße") << "strasse" << false << QList<int>{5};
        QTest::newRow("genau: strasse findet keins") << "strasse" << true << QList<int>{};
        QTest::newRow("über zwei Zeilen") << "sport\r\nzucker" << false << QList<int>{2};
    }
    void Treffer()
    {
        QFETCH(QString, Muster);
        QFETCH(bool, GenauS);
        QFETCH(QList<int>, Tage);
        QCOMPARE(KommentarTreffer(Daten, Muster, GenauS), Tage);
    }
};

QTEST_APPLESS_MAIN(TestKommentarsuche)
#include "TestKommentarsuche.moc"
