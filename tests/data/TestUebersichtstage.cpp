// Which days each overview shows, without its window.

#include "TDaten.h"
#include "Uebersichtstage.h"

#include <QTest>

Q_DECLARE_METATYPE(TUebersichtArt)

class TestUebersichtstage : public QObject {
    Q_OBJECT

    // Sunday 4 January 2015 … Monday 12 January 2015, field names "A" and "B", one entry of one
    // value each: the days are padded to the names.
    TDaten Daten;

    static QList<int> Datumswerte(const TDaten& ADaten)
    {
        QList<int> D;
        for (int i = 0; i < ADaten.Count(); ++i)
            D << ADaten.Tag(i).Datum;
        return D;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Daten.Felder = QStringList{"A", "B"};
        for (int Datum : {42008, 42009, 42012, 42015, 42016}) {
            TTag T(Datum);
            T.Add(QStringList{"1"});
            Daten.Add(T);
        }
    }

    void Auswahl_data()
    {
        QTest::addColumn<int>("TagIndex");
        QTest::addColumn<TUebersichtArt>("Art");
        QTest::addColumn<QList<int>>("Tage");
        QTest::newRow("Tag") << 3 << TUebersichtArt::Tag << QList<int>{42015};
        QTest::newRow("Woche bis Sonntag") << 3 << TUebersichtArt::Woche << QList<int>{42009, 42012, 42015};
        QTest::newRow("Woche ab Montag") << 1 << TUebersichtArt::Woche << QList<int>{42009, 42012, 42015};
        QTest::newRow("Woche davor") << 0 << TUebersichtArt::Woche << QList<int>{42008};
        QTest::newRow("Woche danach") << 4 << TUebersichtArt::Woche << QList<int>{42016};
        QTest::newRow("alle") << 2 << TUebersichtArt::Alle << QList<int>{42008, 42009, 42012, 42015, 42016};
    }
    void Auswahl()
    {
        QFETCH(int, TagIndex);
        QFETCH(TUebersichtArt, Art);
        QFETCH(QList<int>, Tage);
        const TDaten A = Uebersichtstage(Daten, TagIndex, Art);
        QCOMPARE(Datumswerte(A), Tage);
        QCOMPARE(A.Felder, Daten.Felder);
        for (int i = 0; i < A.Count(); ++i)
            QCOMPARE(A.Tag(i).TagDaten.at(0), QStringList({"1", ""}));
    }

    // The chosen days are copies: the diary is left as it was.
    void Kopien()
    {
        const TDaten A = Uebersichtstage(Daten, 3, TUebersichtArt::Alle);
        QVERIFY(A.Ident(Daten));
        QVERIFY(&A.Tag(0) != &Daten.Tag(0));
    }
};

QTEST_APPLESS_MAIN(TestUebersichtstage)
#include "TestUebersichtstage.moc"
