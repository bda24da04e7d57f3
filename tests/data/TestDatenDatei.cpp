#include "LuUtils.h"
#include "TDaten.h"
#include "TestDateien.h"
#include "TFakePlattform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QByteArray Hex(const char* AHex)
{
    return QByteArray::fromHex(AHex);
}

// The small example: fields X and Y, day 42005, no comment, one entry 5 and 7.
const char* Beispiel37 = "00054D5256303100 06580D0A590D0A 01000000 150000A4 0000 01000000 0006350D0A370D0A";
const char* Leer13 = "00054D52563031 0000 00000000";

QByteArray Bytes(const TDaten& D)
{
    QByteArray A;
    if (!D.SaveToBytes(A))
        qFatal("SaveToBytes failed");
    return A;
}

const QString UnbekanntText = QStringLiteral(
    "Das Dateiformat ist unbekannt!\r\nBitte installieren Sie die neueste Version von " MEROVAN_HOMEPAGE_TEST ".");

TDaten Vielfalt()
{
    TDaten D;
    D.Felder = QStringList{"Blutzucker", "Insulin", "Brot"};
    for (int i = 0; i < 40; ++i) {
        TTag T(42005 + 3 * i);
        T.Kommentar = i % 3 ? QString() : QStringLiteral("Kommentar %1\r\nmit ä ß\r\n").arg(i);
        for (int k = 0; k < i % 4; ++k)
            T.Add(QStringList{QString::number(100 + i), QString::number(k), QString()});
        D.Add(T);
    }
    return D;
}

}

class TestDatenDatei : public QObject {
    Q_OBJECT

    QTemporaryDir FOrdner;
    QString Pfad(const char* AName) const { return FOrdner.filePath(QString::fromLatin1(AName)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FOrdner.isValid());
        DatumsnamenAnpassen();
    }

    void Ganzzahlen_data()
    {
        QTest::addColumn<int>("Wert");
        QTest::addColumn<QByteArray>("Bytes");
        QTest::newRow("1") << 1 << Hex("01000000");
        QTest::newRow("300") << 300 << Hex("2C000001");
        QTest::newRow("42005") << 42005 << Hex("150000A4");
        QTest::newRow("-1") << -1 << Hex("FFFFFFFF");
        QTest::newRow("01020304") << 0x01020304 << Hex("04010203");
    }
    void Ganzzahlen()
    {
        QFETCH(int, Wert);
        QFETCH(QByteArray, Bytes);
        TDaten D;
        D.Add(TTag(Wert));
        const QByteArray A = ::Bytes(D);
        QCOMPARE(A.mid(13, 4), Bytes);  // the day's date follows magic, empty names and count
        TDaten L;
        QVERIFY(L.LoadFromBytes(A));
        QCOMPARE(L.Tag(0).Datum, Wert);
    }

    void BeispielUndLeer()
    {
        TDaten D;
        D.Felder = QStringList{"X", "Y"};
        TTag T(42005);
        T.Add(QStringList{"5", "7"});
        D.Add(T);
        QCOMPARE(Bytes(D), Hex(Beispiel37));
        QCOMPARE(Bytes(D).size(), 37);
        QCOMPARE(Bytes(TDaten()), Hex(Leer13));

        TDaten L;
        QVERIFY(L.LoadFromBytes(Hex(Beispiel37)));
        QVERIFY(L.Ident(D));
        QVERIFY(L.LoadFromBytes(Hex(Leer13)));
        QCOMPARE(L.Count(), 0);
        QVERIFY(L.Felder.isEmpty());
    }

    void ZeichenUndGrenzen()
    {
        TFakePlattform P;
        TDaten D;
        D.Felder = QStringList{"Wert", "Leer"};
        TTag T(42005);
        T.Kommentar = QString(65535, u'k');
        T.Add(QStringList{QStringLiteral("ä€"), QString()});
        T.Add(QStringList{"1", "2", "3"});  // a surplus line, as after removing a field name
        D.Add(T);
        D.Add(TTag(42006));  // no entries
        const QByteArray A = Bytes(D);
        QVERIFY(A.contains(Hex("FFFF") + QByteArray(65535, 'k')));
        QVERIFY(A.contains(Hex("0006") + "\xE4?\r\n\r\n"));
        QVERIFY(A.contains(Hex("0006") + "1\r\n2\r\n"));
        QVERIFY(A.endsWith(Hex("160000A4 0000 00000000")));

        const QString Datei = Pfad("grenzen.mrv");
        QVERIFY(D.SaveToFile(Datei));
        QCOMPARE(D.Tag(0).TagDaten[1], (QStringList{"1", "2"}));  // trimmed in memory too
        TDaten L;
        QVERIFY(L.LoadFromFile(Datei));
        QCOMPARE(L.Tag(0).Kommentar.size(), 65535);
        QCOMPARE(L.Tag(0).TagDaten[0], (QStringList{QStringLiteral("ä?"), QString()}));
        QCOMPARE(L.Tag(1).Count(), 0);
        QVERIFY(P.Meldungen.isEmpty());
    }

    void RundlaufIstBytegleich()
    {
        TDaten D = Vielfalt();
        D.Tag(5).Datum = 42000;  // out of order: the file keeps the order
        const QByteArray A = Bytes(D);
        TDaten L;
        QVERIFY(L.LoadFromBytes(A));
        QCOMPARE(L.Tag(5).Datum, 42000);
        QCOMPARE(Bytes(L), A);
        QVERIFY(L.Ident(D));
    }

    void MehrereBloecke()
    {
        // A second block: its field names replace the first ones, its days are appended,
        // and every day is padded to the new names.
        const QByteArray A = Hex(Beispiel37) + Hex("0009 410D0A420D0A430D0A 01000000 160000A4 0000 01000000 0003390D0A");
        TDaten L;
        QVERIFY(L.LoadFromBytes(A));
        QCOMPARE(L.Felder, (QStringList{"A", "B", "C"}));
        QCOMPARE(L.Count(), 2);
        QCOMPARE(L.Tag(0).TagDaten[0], (QStringList{"5", "7", ""}));
        QCOMPARE(L.Tag(1).TagDaten[0], (QStringList{"9", "", ""}));
        // A last block without days still leaves every entry a line for each name.
        QVERIFY(L.LoadFromBytes(Hex(Beispiel37) + Hex("0009 410D0A420D0A430D0A 00000000")));
        QCOMPARE(L.Tag(0).TagDaten[0], (QStringList{"5", "7", ""}));
        // A negative count reads no days.
        QVERIFY(L.LoadFromBytes(Hex("00054D52563031 0000 FFFFFFFF")));
        QCOMPARE(L.Count(), 0);
    }

    void FalscheMagieMeldetUndLaesstDaten()
    {
        TFakePlattform P;
        const QString Datei = Pfad("falsch.mrv");
        QByteArray A = Hex(Beispiel37);
        A[6] = '2';
        QVERIFY(DateiSchreiben(Datei, A));
        TDaten D = Vielfalt();
        const TDaten Vorher(D);
        QString Fehler = QStringLiteral("x");
        QVERIFY(!D.LoadFromFile(Datei, &Fehler));
        QVERIFY(Fehler.isEmpty());
        QVERIFY(D.Ident(Vorher));
        QCOMPARE(P.Texte(TFakePlattform::TArt::Information), QStringList{UnbekanntText});
    }

    void AbgeschnitteneDateiIstUnbekannt()
    {
        // Every cut inside the example, from the first byte after the magic on, is refused.
        const QByteArray A = Hex(Beispiel37);
        for (int n = 0; n < A.size(); ++n) {
            if (n == 7)
                continue;  // the magic alone is a diary without blocks
            TDaten D = Vielfalt();
            QVERIFY2(!D.LoadFromBytes(A.left(n)), qPrintable(QString::number(n)));
            QCOMPARE(D.Count(), 40);
        }
    }

    void FeindlicheAnzahlen()
    {
        TDaten D;
        QVERIFY(!D.LoadFromBytes(Hex("00054D52563031 0000 000000 7F") + QByteArray(100, '\0')));
        QVERIFY(!D.LoadFromBytes(Hex("00054D52563031 0000 01000000 150000A4 0000 FF7FFFFF")));
        QVERIFY(!D.LoadFromBytes(Hex("00054D52563031 FFFF 0000")));
    }

    void FehlendeOderLeereDatei()
    {
        TFakePlattform P;
        TDaten D = Vielfalt();
        QVERIFY(D.LoadFromFile(Pfad("gibtsnicht.mrv")));
        QVERIFY(D.LoadFromFile(QString()));
        QCOMPARE(D.Count(), 40);
        const QString Datei = Pfad("leer.mrv");
        QVERIFY(DateiSchreiben(Datei, QByteArray()));
        QVERIFY(!D.LoadFromFile(Datei));
        QCOMPARE(D.Count(), 40);
        QCOMPARE(P.Meldungen.size(), 1);
    }

    void UnlesbareDatei()
    {
        TFakePlattform P;
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.LoadFromFile(FOrdner.path(), &Fehler));  // a folder, not a file
        QVERIFY(!Fehler.isEmpty());
        QCOMPARE(D.Count(), 40);
        QVERIFY(P.Meldungen.isEmpty());
    }

    void ZuLangerKommentarWirdNichtGespeichert()
    {
        const QString Datei = Pfad("lang.mrv");
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Datei));
        const QByteArray Alt = DateiLesen(Datei);
        D.Tag(1).Kommentar = QString(65536, u'x');
        D.Tag(2).Add(QStringList{"1", "2", "3", "4"});
        QString Fehler;
        QVERIFY(!D.SaveToFile(Datei, &Fehler));
        QVERIFY2(Fehler.contains(DatumText(D.Tag(1).Datum)), qPrintable(Fehler));
        QVERIFY(Fehler.contains(QStringLiteral("65535")));
        QCOMPARE(DateiLesen(Datei), Alt);
        QCOMPARE(D.Tag(2).TagDaten.last().size(), 4);  // nothing in memory changed
    }

    void SpeicherfehlerLaesstAlteDatei()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit");
#else
        const QString Datei = Pfad("alt.mrv");
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Datei));
        const QByteArray Alt = DateiLesen(Datei);
        D.Tag(0).Kommentar = QString(20000, u'y');
        D.Tag(1).Add(QStringList{"1", "2", "3", "4"});

        // A file size limit makes the write fail as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit Vorher{};
        getrlimit(RLIMIT_FSIZE, &Vorher);
        rlimit Grenze = Vorher;
        Grenze.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &Grenze), 0);
        QString Fehler;
        const bool Ok = D.SaveToFile(Datei, &Fehler);
        setrlimit(RLIMIT_FSIZE, &Vorher);
        QVERIFY(!Ok);
        QVERIFY(!Fehler.isEmpty());
        QCOMPARE(DateiLesen(Datei), Alt);
        QCOMPARE(D.Tag(1).TagDaten.last().size(), 4);
        QCOMPARE(QDir(FOrdner.path()).entryList({"alt.mrv*"}, QDir::Files | QDir::Hidden).size(), 1);
#endif
    }

    void FehlenderOrdnerOderName()
    {
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.SaveToFile(Pfad("fehlt/neu.mrv"), &Fehler));
        QVERIFY(!Fehler.isEmpty());
        Fehler.clear();
        QVERIFY(!D.SaveToFile(QString(), &Fehler));
        QVERIFY(!Fehler.isEmpty());
    }

    void SchreibgeschuetzteDatei()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes protected files anyway");
#endif
        const QString Datei = Pfad("geschuetzt.mrv");
        QVERIFY(DateiSchreiben(Datei, Hex(Leer13)));
        QFile::setPermissions(Datei, QFileDevice::ReadOwner);
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.SaveToFile(Datei, &Fehler));
        QVERIFY(!Fehler.isEmpty());
        QCOMPARE(DateiLesen(Datei), Hex(Leer13));
    }

    void Dateirechte()
    {
        const QString Neu = Pfad("rechte-neu.mrv");
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Neu));
        QCOMPARE(QFile::permissions(Neu) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        const QString Alt = Pfad("rechte-alt.mrv");
        QVERIFY(DateiSchreiben(Alt, Hex(Leer13)));
        const auto Rechte = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(Alt, Rechte));
        QVERIFY(D.SaveToFile(Alt));
        QCOMPARE(QFile::permissions(Alt) & 0x7077, Rechte);
        QCOMPARE(DateiLesen(Alt), Bytes(D));
    }
};

QTEST_GUILESS_MAIN(TestDatenDatei)
#include "TestDatenDatei.moc"
