#include "LuUtils.h"
#include "TDaten.h"
#include "TFakePlattform.h"

#include <QTest>

namespace {
TDaten Tage(const QList<int>& ADaten)
{
    TDaten D;
    for (int Datum : ADaten) {
        TTag T(Datum);
        D.Add(T);
    }
    return D;
}

QList<int> DatenVon(const TDaten& D)
{
    QList<int> L;
    for (int i = 0; i < D.Count(); ++i)
        L << D.Tag(i).Datum;
    return L;
}
}

class TestTDaten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { DatumsnamenAnpassen(); }

    void SortMitGleichenDaten()
    {
        TDaten D = Tage({42010, 42005, 42008});
        D.Sort();
        QCOMPARE(DatenVon(D), (QList<int>{42005, 42008, 42010}));

        TDaten G = Tage({42010, 42005, 42005, 42005});
        for (int i = 0; i < G.Count(); ++i)
            G.Tag(i).Kommentar = QString::number(i);
        const TTag* Vorher = &G.Tag(0);
        G.Sort();
        QCOMPARE(DatenVon(G), (QList<int>{42005, 42005, 42005, 42010}));
        // Days of one date come out in the reverse of their former order.
        QCOMPARE(G.Tag(0).Kommentar, QStringLiteral("3"));
        QCOMPARE(G.Tag(1).Kommentar, QStringLiteral("2"));
        QCOMPARE(G.Tag(2).Kommentar, QStringLiteral("1"));
        QVERIFY(&G.Tag(3) != Vorher);  // every day is replaced by a copy
    }

    void FindeDatumUndTag()
    {
        TDaten D = Tage({42005, 42007, 42007});
        D.Tag(2).Kommentar = QStringLiteral("zweiter");
        QCOMPARE(D.FindeDatum(42007), 1);
        QCOMPARE(D.FindeDatum(42006), -1);
        QCOMPARE(D.FindeTag(42007), &D.Tag(1));
        QCOMPARE(D.FindeTag(1), nullptr);
    }

    void Datumliste()
    {
        TDaten D = Tage({42005, 42009});
        QCOMPARE(D.Datumliste(), QStringLiteral("Mo., 05. Jänner 2015\r\nDo., 01. Jänner 2015\r\n"));
        QCOMPARE(TDaten().Datumliste(), QString());
    }

    void Wochentage()
    {
        QCOMPARE(Wochentag(0), 7);  // Saturday
        QCOMPARE(Wochentag(42009), 2);  // Monday
        QCOMPARE(Wochenmontag(42009), 42009);
        QCOMPARE(Wochenmontag(42015), 42009);  // Sunday goes back six days
        QCOMPARE(Wochenmontag(42005), 42002);
    }

    void Wochensprung_data()
    {
        QTest::addColumn<QList<int>>("Tage");
        QTest::addColumn<int>("Von");
        QTest::addColumn<bool>("WeiterS");
        QTest::addColumn<int>("Index");
        QTest::newRow("vor zum naechsten Montag oder spaeter") << QList<int>{42005, 42008, 42012} << 42005 << true << 2;
        QTest::newRow("vor ohne spaetere Woche") << QList<int>{42005, 42006} << 42005 << true << 1;
        QTest::newRow("vor genau auf den Montag") << QList<int>{42005, 42009, 42012} << 42005 << true << 1;
        QTest::newRow("zurueck auf den Montag") << QList<int>{42005, 42009, 42011} << 42016 << false << 1;
        QTest::newRow("zurueck fruehester der Woche") << QList<int>{42002, 42005, 42011} << 42016 << false << 2;
        QTest::newRow("zurueck zwei in der Woche") << QList<int>{42002, 42010, 42012, 42016} << 42016 << false << 1;
        QTest::newRow("zurueck leere Woche") << QList<int>{42002, 42005} << 42023 << false << 1;
        QTest::newRow("zurueck nichts davor") << QList<int>{42020, 42030} << 42030 << false << 0;
        QTest::newRow("zurueck Kandidat Index 0") << QList<int>{42010, 42020} << 42020 << false << 0;
    }
    void Wochensprung()
    {
        QFETCH(QList<int>, Tage);
        QFETCH(int, Von);
        QFETCH(bool, WeiterS);
        QFETCH(int, Index);
        QCOMPARE(::Tage(Tage).Wochensprung(Von, WeiterS), Index);
    }

    void WochensprungLeer()
    {
        QCOMPARE(TDaten().Wochensprung(42005, true), -1);
        QCOMPARE(TDaten().Wochensprung(42005, false), 0);
    }

    void Kopiere_data()
    {
        QTest::addColumn<QString>("Quelle");
        QTest::addColumn<QString>("Ziel");
        QTest::addColumn<QString>("Ergebnis");
        QTest::newRow("leeres Ziel") << QStringLiteral("Sport\r\n") << QString() << QStringLiteral("Sport");
        QTest::newRow("beide leer") << QString() << QString() << QString();
        QTest::newRow("beide") << QStringLiteral("b\r\n") << QStringLiteral(" a\r\n") << QStringLiteral("a\r\n\r\nb");
    }
    void Kopiere()
    {
        QFETCH(QString, Quelle);
        QFETCH(QString, Ziel);
        QFETCH(QString, Ergebnis);
        TDaten D;
        D.Felder = QStringList{"A", "B"};
        D.Add(TTag(42005));
        D.Add(TTag(42006));
        D.Tag(0).Kommentar = Quelle;
        D.Tag(0).Add(QStringList{"1", "2"});
        D.Tag(1).Kommentar = Ziel;
        D.Tag(1).Add(QStringList{"3", "4"});
        D.Kopiere(0, 1);
        QCOMPARE(D.Tag(1).Kommentar, Ergebnis);
        QCOMPARE(D.Tag(1).Datum, 42006);
        QCOMPARE(D.Tag(1).TagDaten, (TTagDaten{{"3", "4"}, {"1", "2"}}));
        QCOMPARE(D.Count(), 2);
    }

    void KopiereUndVerschiebeUngueltig()
    {
        TDaten D = Tage({42005, 42006});
        D.Tag(0).Add(QStringLiteral("1"));
        const TDaten Vorher(D);
        D.Kopiere(0, 0);
        D.Kopiere(0, 2);
        D.Kopiere(-1, 1);
        D.Verschiebe(1, 1);
        D.Verschiebe(5, 0);
        QVERIFY(D.Ident(Vorher));
    }

    void Verschiebe()
    {
        TDaten D = Tage({42005, 42006, 42007});
        D.Tag(0).Add(QStringLiteral("a"));
        D.Tag(2).Add(QStringLiteral("c"));
        D.Verschiebe(0, 2);
        QCOMPARE(DatenVon(D), (QList<int>{42006, 42007}));
        QCOMPARE(D.Tag(1).TagDaten, (TTagDaten{{"c"}, {"a"}}));
    }

    void IdentUndAssign()
    {
        TDaten D;
        D.Felder = QStringList{"BZ", "Insulin"};
        TTag T(42005);
        T.Add(QStringList{"120", "4"});
        D.Add(T);
        TDaten K(D);
        QVERIFY(K.Ident(D));
        QVERIFY(&K.Tag(0) != &D.Tag(0));
        K.Tag(0).TagDaten[0][0] = QStringLiteral("121");
        QVERIFY(!K.Ident(D));
        QVERIFY(!D.Ident(K));
        K.Tag(0).TagDaten[0][0] = QStringLiteral("120");
        QVERIFY(K.Ident(D));
        K.Felder[1] = QStringLiteral("insulin");
        QVERIFY(!K.Ident(D));
    }

    void AddPolstertAlleTage()
    {
        TDaten D;
        TTag T(42005);
        T.Add(QStringLiteral("1\r\n"));
        D.Add(T);
        D.Felder = QStringList{"A", "B", "C"};
        T.Datum = 42006;
        D.Add(T);
        QCOMPARE(D.Tag(0).TagDaten[0], (QStringList{"1", "", ""}));
        QCOMPARE(D.Tag(1).TagDaten[0], (QStringList{"1", "", ""}));
        QCOMPARE(T.TagDaten[0], QStringList{"1"});  // the caller's day is its own

        // Insert in the middle pads nothing.
        D.Insert(T, 1);
        QCOMPARE(D.Tag(1).TagDaten[0], QStringList{"1"});
        D.Insert(T, -1);
        QCOMPARE(D.Count(), 3);
        D.Insert(T, 3);  // at the end: as Add
        QCOMPARE(D.Tag(1).TagDaten[0].size(), 3);
        QCOMPARE(D.MaxTagDatenCount(), 1);
        D.Delete(3);
        D.Delete(3);
        QCOMPARE(D.Count(), 3);
        D.ClearListe();
        QCOMPARE(D.Felder.size(), 3);
        D.Clear();
        QVERIFY(D.Felder.isEmpty());
        QCOMPARE(D.MaxTagDatenCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTDaten)
#include "TestTDaten.moc"
