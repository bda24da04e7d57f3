#include "LuUtils.h"
#include "TDaten.h"
#include "TabelleZeilenweise.h"
#include "Uebersicht.h"

#include <QTest>

namespace {

TDaten Beispiel()
{
    TDaten D;
    D.Felder = QStringList{"Blutzucker", "Insulin"};
    TTag A(42005);
    A.Kommentar = QStringLiteral("Feiertag\r\n");
    A.Add(QStringList{"120", "4"});
    A.Add(QStringList{"95", "8"});
    D.Add(A);
    TTag B(42006);
    B.Add(QStringList{"140", "6"});
    D.Add(B);
    return D;
}

// Days from 42005 on, each with one entry of the given values.
TDaten Tage(int AAnzahl, const QStringList& AFelder, const QStringList& AWerte)
{
    TDaten D;
    D.Felder = AFelder;
    for (int i = 0; i < AAnzahl; ++i) {
        TTag T(42005 + i);
        T.Add(AWerte);
        D.Add(T);
    }
    return D;
}

// A diary of ATage days made by a fixed rule from ASaat: up to AEintraege entries a day, values
// of up to five characters, some empty or with blanks and control characters at their ends, and
// comments of every kind. Entries are put in as they are, not padded to the field names.
TDaten Gemischt(int ATage, const QStringList& AFelder, int AEintraege, int AZeilen, quint32 ASaat)
{
    quint32 z = ASaat;
    const auto Zufall = [&z](int AGrenze) {
        z = z * 1664525u + 1013904223u;
        return int((z >> 8) % quint32(AGrenze));
    };
    const QStringList Werte{"", "", " ", "1", "12", "123", "1234", "12345", "\t7", "8\t", " 9", "-", "Ä"};
    const QStringList Kommentare{"",
                                 "",
                                 "Feiertag",
                                 "  \r\n ",
                                 "Zwei\r\nZeilen\r\n",
                                 QString(200, u'k'),
                                 QString(183, u'a') + QStringLiteral("  b"),
                                 QStringLiteral("\tSport\n"),
                                 QStringLiteral("ab\r\n").repeated(60),
                                 QString(182, u'c') + QStringLiteral("\r\n\r\nx"),
                                 QStringLiteral("x\r\r\n\ny\n\rz")};
    TDaten D;
    D.Felder = AFelder;
    for (int i = 0; i < ATage; ++i) {
        auto T = std::make_unique<TTag>(40000 + i * 3 + Zufall(3));
        T->Kommentar = Kommentare[Zufall(int(Kommentare.size()))];
        const int Eintraege = Zufall(AEintraege + 1);
        for (int e = 0; e < Eintraege; ++e) {
            QStringList Sl;
            const int Zeilen = AZeilen >= 0 ? AZeilen : Zufall(int(AFelder.size()) + 3);
            for (int f = 0; f < Zeilen; ++f)
                Sl << Werte[Zufall(int(Werte.size()))];
            T->TagDaten << Sl;
        }
        D.Liste.push_back(std::move(T));
    }
    return D;
}

QStringList Zeilen(const QString& ABericht)
{
    QStringList L = ABericht.split(QStringLiteral("\r\n"));
    if (!L.isEmpty() && L.last().isEmpty())
        L.removeLast();
    return L;
}

QList<int> Seitenumbrueche(const QStringList& AZeilen)
{
    QList<int> L;
    for (int i = 0; i < AZeilen.size(); ++i) {
        if (AZeilen[i] == u"\f")
            L << i + 1;
    }
    return L;
}

}

class TestUebersicht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { DatumsnamenAnpassen(); }

    // The report builder gives the very bytes of the plain line-list way, over many kinds of diary.
    void WieZeilenweise_data()
    {
        QTest::addColumn<int>("Tage");
        QTest::addColumn<QStringList>("Felder");
        QTest::addColumn<int>("Eintraege");
        QTest::addColumn<int>("Zeilen");  // lines of every entry; −1: from none to more than fields
        QStringList Zehn;
        for (int f = 1; f <= 10; ++f)
            Zehn << QStringLiteral("Feld %1").arg(f);
        QStringList Achtzig;
        for (int f = 1; f <= 80; ++f)
            Achtzig << QStringLiteral("F%1").arg(f);
        QTest::newRow("Jahr, zehn Felder") << 365 << Zehn << 6 << 10;
        QTest::newRow("schmal, Zeilen fehlen und zuviel") << 300 << QStringList{"Zucker", "Insulin", "BE"} << 4 << -1;
        QTest::newRow("breit durch viele Eintraege") << 200 << QStringList{"Zucker", "Insulin"} << 14 << 2;
        QTest::newRow("Zeilen ueber 93 Zeichen") << 40 << QStringList{"Zucker"} << 30 << 1;
        QTest::newRow("Tag laenger als eine Seite") << 6 << Achtzig << 3 << 80;
        QTest::newRow("leere und gestutzte Namen") << 120 << QStringList{"", " Puls", "Zucker\t", "  "} << 3 << 4;
        QTest::newRow("ohne Felder") << 50 << QStringList{} << 3 << -1;
        QTest::newRow("ein Tag") << 1 << QStringList{"Zucker"} << 2 << 1;
        QTest::newRow("ohne Tage") << 0 << QStringList{"Zucker"} << 2 << 1;
    }
    void WieZeilenweise()
    {
        QFETCH(int, Tage);
        QFETCH(QStringList, Felder);
        QFETCH(int, Eintraege);
        QFETCH(int, Zeilen);
        for (quint32 Saat : {1u, 2u, 3u}) {
            const TDaten D = Gemischt(Tage, Felder, Eintraege, Zeilen, Saat);
            // Copied, as the overview command does, the days are padded to the field names.
            const TDaten Kopie(D);
            QCOMPARE(D.TabellenStr(), TabelleZeilenweise(D));
            QCOMPARE(Kopie.TabellenStr(), TabelleZeilenweise(Kopie));
        }
    }

    void BeispielBytegenau()
    {
        const QString Erwartet = QStringLiteral("Tag:       Fr., 02. Jänner 2015\r\n"
                                                "Blutzucker 140\r\n"
                                                "Insulin      6\r\n"
                                                "\r\n"
                                                "Tag:       Do., 01. Jänner 2015\r\n"
                                                "Blutzucker 120 | 95\r\n"
                                                "Insulin      4 |  8\r\n"
                                                "[Feiertag]\r\n");
        QCOMPARE(Beispiel().TabellenStr(), Erwartet);
    }

    void Sonderfaelle_data()
    {
        QTest::addColumn<QStringList>("Felder");
        QTest::addColumn<QList<QStringList>>("Eintraege");
        QTest::addColumn<QString>("Kommentar");
        QTest::addColumn<QStringList>("Zeilen");
        QTest::newRow("ohne Feldnamen") << QStringList{} << QList<QStringList>{{}} << QString()
                                        << QStringList{"Tag: Do., 01. Jänner 2015"};
        QTest::newRow("ohne Eintraege") << QStringList{"A"} << QList<QStringList>{} << QStringLiteral("x")
                                        << QStringList{"Tag: Do., 01. Jänner 2015", "[x]"};
        QTest::newRow("langer Feldname") << QStringList{"Zwoelf-Zeich", "B"} << QList<QStringList>{{"1", "2"}}
                                         << QString()
                                         << QStringList{"Tag:         Do., 01. Jänner 2015", "Zwoelf-Zeich 1",
                                                        "B            2"};
        QTest::newRow("leere Spalte hat Breite 0")
            << QStringList{"A", "B"} << QList<QStringList>{{"", ""}, {"7", ""}} << QString()
            << QStringList{"Tag: Do., 01. Jänner 2015", "A     | 7", "B     |"};
        QTest::newRow("Kommentar mehrzeilig")
            << QStringList{} << QList<QStringList>{} << QStringLiteral(" Sport\r\nund\rBrot\n\r\n")
            << QStringList{"Tag: Do., 01. Jänner 2015", "[Sport und Brot]"};
        QTest::newRow("Kommentar nur Leerraum")
            << QStringList{} << QList<QStringList>{} << QStringLiteral(" \r\n \t\r\n")
            << QStringList{"Tag: Do., 01. Jänner 2015"};
        QTest::newRow("Kommentar 184 dann gestutzt")
            << QStringList{} << QList<QStringList>{} << QString(183, u'k') + QStringLiteral("  Ende")
            << QStringList{"Tag: Do., 01. Jänner 2015", u'[' + QString(183, u'k') + u']'};
        // Each line break counts as one character of the 184; a blank at the cut is trimmed away.
        QTest::newRow("Kommentar Umbruch an der Grenze")
            << QStringList{} << QList<QStringList>{} << QStringLiteral("ab\r\n").repeated(61) + QStringLiteral("\r\nd")
            << QStringList{"Tag: Do., 01. Jänner 2015", u'[' + QStringLiteral("ab ").repeated(61).left(182) + u']'};
        QTest::newRow("Kommentar CR CR LF LF") << QStringList{} << QList<QStringList>{} << QStringLiteral("x\r\r\n\ny")
                                               << QStringList{"Tag: Do., 01. Jänner 2015", "[x   y]"};
        // Surplus lines beyond the field names are left out, and do not widen their column.
        QTest::newRow("ueberzaehlige Zeilen") << QStringList{"A"} << QList<QStringList>{{"1", "99999"}, {"2"}}
                                              << QString() << QStringList{"Tag: Do., 01. Jänner 2015", "A    1 | 2"};
    }
    void Sonderfaelle()
    {
        QFETCH(QStringList, Felder);
        QFETCH(QList<QStringList>, Eintraege);
        QFETCH(QString, Kommentar);
        QFETCH(QStringList, Zeilen);
        TDaten D;
        D.Felder = Felder;
        TTag T(42005);
        T.Kommentar = Kommentar;
        D.Add(T);
        // Set the entries directly: surplus lines exist only after field names were removed.
        D.Tag(0).TagDaten = Eintraege;
        QCOMPARE(::Zeilen(D.TabellenStr()), Zeilen);
    }

    void GemeinsameSpaltenbreiten()
    {
        TDaten D;
        D.Felder = QStringList{"A"};
        TTag T(42005);
        T.Add(QStringList{"12345"});
        T.Add(QStringList{"1"});
        D.Add(T);
        TTag U(42006);
        U.Add(QStringList{"7"});
        D.Add(U);
        QCOMPARE(::Zeilen(D.TabellenStr()),
                 (QStringList{"Tag: Fr., 02. Jänner 2015", "A        7", "", "Tag: Do., 01. Jänner 2015",
                              "A    12345 | 1"}));
    }

    void OhneTage() { QCOMPARE(TDaten().TabellenStr(), QStringLiteral("\r\n")); }

    void SeitenNormal()
    {
        // 70 days of 2 fields: 4 lines a day, breaks at the 64th, 128th, 192nd and 256th line.
        const QStringList Z = Zeilen(Tage(70, {"A", "B"}, {"1", "2"}).TabellenStr());
        QCOMPARE(Seitenumbrueche(Z), (QList<int>{64, 128, 192, 256}));
        QCOMPARE(Z.size(), 70 * 4 - 1);
        QVERIFY(Z[64].startsWith(QStringLiteral("Tag:")));
    }

    void SeitenBreit()
    {
        // One row longer than 77 characters: 77 lines a page; rows over 93 count twice.
        const QString Breit(80, u'x');
        QCOMPARE(Seitenumbrueche(Zeilen(Tage(70, {"A", "B"}, {Breit, "2"}).TabellenStr())), (QList<int>{76, 156, 232}));
        const QString Sehrbreit(100, u'x');
        // Both rows are as wide as the common column, so each day counts 6: at the empty
        // 52nd line the count passes 77, and that line takes the break.
        QCOMPARE(Seitenumbrueche(Zeilen(Tage(40, {"A", "B"}, {Sehrbreit, "2"}).TabellenStr())),
                 (QList<int>{52, 104, 156}));
        QVERIFY(!BreitesFormat(QString(77, u'x') + QStringLiteral("\f") + QString(77, u'y')));
        QVERIFY(BreitesFormat(QStringLiteral("a\r\n") + QString(78, u'x')));
    }

    void TagLaengerAlsEineSeite()
    {
        // 70 field names: the first block alone passes the page's count before any empty
        // line. The break goes before the line that passes it; no text is lost.
        QStringList Felder;
        QStringList Werte;
        for (int i = 0; i < 70; ++i) {
            Felder << QStringLiteral("F%1").arg(i);
            Werte << QString::number(i);
        }
        const TDaten D = Tage(2, Felder, Werte);
        const QStringList Z = Zeilen(D.TabellenStr());
        QCOMPARE(Z.first(), QStringLiteral("Tag: Fr., 02. Jänner 2015"));
        // The 64th line passes the count with no empty line behind it: a break is put in
        // before it. The next break takes the empty line between the days, as usual.
        QCOMPARE(Seitenumbrueche(Z), (QList<int>{64, 73}));
        QCOMPARE(Z[64], QStringLiteral("F62  62"));
        QStringList Text;
        for (const char* Datum : {"Fr., 02.", "Do., 01."}) {
            Text << QStringLiteral("Tag: %1 Jänner 2015").arg(QLatin1String(Datum));
            for (int i = 0; i < 70; ++i)
                Text << QStringLiteral("F%1").arg(i).leftJustified(5) + QString::number(i).rightJustified(2);
        }
        QStringList Ohne = Z;
        Ohne.removeAll(QStringLiteral("\f"));
        QCOMPARE(Ohne, Text);
    }

    // The two passes take the line break beside a page break away, each pass once from left to right.
    void Drucktext_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QString>("Gedruckt");
        QTest::newRow("Umbruch in eigener Zeile") << "A\r\n\f\r\nB"
                                                  << "A\fB";
        QTest::newRow("zwei Zeilenumbrüche davor") << "A\r\n\r\n\fB"
                                                   << "A\r\n\fB";
        QTest::newRow("am Zeilenanfang") << "A\r\n\fB"
                                         << "A\fB";
        QTest::newRow("am Zeilenende") << "A\f\r\nB"
                                       << "A\fB";
        QTest::newRow("zwei Umbrüche") << "A\r\n\f\r\n\f\r\nB"
                                       << "A\f\fB";
        QTest::newRow("keiner") << "A\r\nB"
                                << "A\r\nB";
    }
    void Drucktext()
    {
        QFETCH(QString, Text);
        QFETCH(QString, Gedruckt);
        QCOMPARE(DruckText(Text), Gedruckt);
    }

    // Pages of at most three lines of four characters.
    void Druckseiten_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QList<QStringList>>("Seiten");
        QTest::newRow("A und B je eine Seite") << "A\fB\r\n" << QList<QStringList>{{"A"}, {"B"}};
        QTest::newRow("A und eine leere Zeile") << "A\r\n\fB" << QList<QStringList>{{"A", ""}, {"B"}};
        QTest::newRow("volle Seite fliesst weiter") << "1\r\n2\r\n3\r\n4\r\n"
                                                    << QList<QStringList>{{"1", "2", "3"}, {"4"}};
        QTest::newRow("volle Seite, dann Umbruch") << "1\r\n2\r\n3\f4" << QList<QStringList>{{"1", "2", "3"}, {"4"}};
        QTest::newRow("lange Zeile geht weiter") << "abcdefghij\r\n" << QList<QStringList>{{"abcd", "efgh", "ij"}};
        QTest::newRow("Umbruch am Ende") << "A\r\n\f" << QList<QStringList>{{"A", ""}};
        QTest::newRow("leere Seite in der Mitte") << "A\f\fB" << QList<QStringList>{{"A"}, {""}, {"B"}};
        QTest::newRow("LF und CR allein") << "A\nB\rC" << QList<QStringList>{{"A", "B", "C"}};
    }
    void Druckseiten()
    {
        QFETCH(QString, Text);
        QFETCH(QList<QStringList>, Seiten);
        QCOMPARE(DruckSeiten(Text, 4, 3), Seiten);
    }
};

QTEST_GUILESS_MAIN(TestUebersicht)
#include "TestUebersicht.moc"
