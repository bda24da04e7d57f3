#include "TFakePlattform.h"
#include "TTag.h"

#include <QTest>

class TestTTag : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void NeuerUndGeleerterTagSindHeute()
    {
        TFakePlattform P(42123);
        TTag T;
        QCOMPARE(T.Datum, 42123);
        QCOMPARE(T.Count(), 0);
        T.Datum = 5;
        T.Kommentar = QStringLiteral("x");
        T.Add(QStringLiteral("1\r\n"));
        T.Clear();
        QCOMPARE(T.Datum, 42123);
        QVERIFY(T.Kommentar.isEmpty());
        QCOMPARE(T.Count(), 0);
    }

    void TextZeilen_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QStringList>("Zeilen");
        QTest::newRow("leer") << QString() << QStringList();
        QTest::newRow("eine") << QStringLiteral("5") << QStringList{"5"};
        QTest::newRow("Schlussumbruch") << QStringLiteral("5\r\n") << QStringList{"5"};
        QTest::newRow("leere letzte") << QStringLiteral("1\r\n\r\n") << QStringList{"1", ""};
        QTest::newRow("nur Umbruch") << QStringLiteral("\r\n") << QStringList{""};
        QTest::newRow("CR und LF einzeln") << QStringLiteral("a\rb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("LF CR ist zwei") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("NUL beendet") << QString::fromUtf16(u"a\r\nb\0c", 6) << QStringList{"a", "b"};
        QTest::newRow("Seitenvorschub bleibt") << QStringLiteral("a\fb") << QStringList{"a\fb"};
    }
    void TextZeilen()
    {
        QFETCH(QString, Text);
        QFETCH(QStringList, Zeilen);
        QCOMPARE(::TextZeilen(Text), Zeilen);
    }

    void EintragsTextHinUndZurueck()
    {
        const QStringList Zeilen{"120", "", "8", ""};
        QCOMPARE(ZeilenText(Zeilen), QStringLiteral("120\r\n\r\n8\r\n\r\n"));
        QCOMPARE(::TextZeilen(ZeilenText(Zeilen)), Zeilen);
        QCOMPARE(ZeilenText({}), QString());
    }

    void AddKopiertUeberDenText()
    {
        TFakePlattform P;
        TTag T;
        QStringList Sl{"1", "a\r\nb"};
        T.Add(Sl);
        QCOMPARE(T.TagDaten[0], (QStringList{"1", "a", "b"}));
        Sl[0] = QStringLiteral("geändert");
        QCOMPARE(T.TagDaten[0][0], QStringLiteral("1"));
        T.Add(QString());
        QCOMPARE(T.TagDaten[1], QStringList());
        T.MinTagDaten(3);
        QCOMPARE(T.TagDaten[1], (QStringList{"", "", ""}));
        QCOMPARE(T.TagDaten[0].size(), 3);
    }

    void InsertUndDelete()
    {
        TFakePlattform P;
        TTag T;
        T.Add(QStringLiteral("a"));
        T.Add(QStringLiteral("b"));
        T.Insert({"z"}, 0);
        T.Insert({"e"}, 3);
        T.Insert({"f"}, 99);
        T.Insert({"nie"}, -1);
        auto Erste = [&T] {
            QStringList L;
            for (const QStringList& Sl : T.TagDaten)
                L << Sl.value(0);
            return L;
        };
        QCOMPARE(Erste(), (QStringList{"z", "a", "b", "e", "f"}));
        T.Delete(-1);
        T.Delete(T.Count());
        QCOMPARE(T.Count(), 5);
        T.Delete(1);
        QCOMPARE(Erste(), (QStringList{"z", "b", "e", "f"}));
    }

    void MaxTagDaten()
    {
        TFakePlattform P;
        TTag T;
        T.Add(QStringList{"1", "2", "3", "4"});
        T.Add(QStringList{"1"});
        T.MaxTagDaten(2);
        QCOMPARE(T.TagDaten[0], (QStringList{"1", "2"}));
        QCOMPARE(T.TagDaten[1], (QStringList{"1"}));
    }

    void Ident()
    {
        TFakePlattform P;
        TTag A;
        A.Kommentar = QStringLiteral("Feiertag");
        A.Add(QStringList{"5", ""});
        TTag B(A);
        QVERIFY(A.Ident(B));
        B.Kommentar += u' ';
        QVERIFY(!A.Ident(B));
        B.Kommentar = A.Kommentar;
        B.TagDaten[0].removeLast();
        QVERIFY(!A.Ident(B));  // 5 CR LF against 5 CR LF CR LF
        B.TagDaten[0] << QString();
        QVERIFY(A.Ident(B));
        B.Datum += 1;
        QVERIFY(!A.Ident(B));
        // Lines that hold a break compare as their text.
        TTag C(A), D(A);
        C.TagDaten[0] = QStringList{"5\r\n"};
        D.TagDaten[0] = QStringList{"5", ""};
        QVERIFY(C.Ident(D));
    }

    void KopieIstTief()
    {
        TFakePlattform P;
        TTag A;
        A.Add(QStringList{"1", "", ""});
        TTag B;
        B.Assign(A);
        QCOMPARE(B.TagDaten[0], (QStringList{"1", "", ""}));
        B.TagDaten[0][0] = QStringLiteral("2");
        QCOMPARE(A.TagDaten[0][0], QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestTTag)
#include "TestTTag.moc"
