#include "Dateizugriff.h"
#include "LuUtils.h"
#include "TDaten.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#ifdef Q_OS_LINUX
#include "Systemfehler.h"
#include "Tmpfs.h"
#endif

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

// A diary of about AKiB kilobytes: one day per 100 bytes.
TDaten Gross(int AKiB)
{
    TDaten D;
    D.Felder = QStringList{"Blutzucker", "Insulin"};
    for (int i = 0; i < AKiB * 10; ++i) {
        TTag T(42005 + i);
        T.Kommentar = QString(60, QChar(u'a' + i % 26));
        T.Add(QStringList{QString::number(100 + i % 200), QStringLiteral("8")});
        D.Add(T);
    }
    return D;
}

// The file names in a folder, hidden ones included: a left temporary file shows here.
QStringList Namen(const QString& AOrdner)
{
    return QDir(AOrdner).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

const QString VollText = QStringLiteral("Auf dem Datenträger ist nicht genügend Speicherplatz frei.");

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
        const QByteArray A
            = Hex(Beispiel37) + Hex("0009 410D0A420D0A430D0A 01000000 160000A4 0000 01000000 0003390D0A");
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

#ifdef Q_OS_LINUX
    // A real full disk: the old diary fills a 4 KiB tmpfs; the smaller new
    // content does not fit beside it. Before, the save reported success and
    // left an empty file.
    void VollerDatentraeger()
    {
        const QString Ordner = Tmpfs::Einhaengen("size=4k,mode=0700");
        if (Ordner.isEmpty())
            QSKIP("no private mount namespace here");
        const QString Datei = Ordner + QStringLiteral("/Tagebuch.MRV");
        TDaten D;
        D.Felder = QStringList{"Blutzucker", "Insulin", "Broteinheiten"};
        for (int i = 0; i < 3; ++i) {
            TTag T(42005 + i);
            T.Kommentar = QStringLiteral("Kommentar des Tages %1").arg(i);
            T.Add(QStringList{"110", "4", "2"});
            D.Add(T);
        }
        QVERIFY(D.SaveToFile(Datei));
        const QByteArray Alt = DateiLesen(Datei);
        QVERIFY(Alt.size() < 4096);

        TDaten Klein;
        QVERIFY(Klein.LoadFromBytes(Hex(Beispiel37)));
        Klein.Tag(0).TagDaten[0] << QStringLiteral("überzählig");
        QString Fehler;
        QVERIFY(!Klein.SaveToFile(Datei, &Fehler));
        QCOMPARE(Fehler, VollText);
        QCOMPARE(DateiLesen(Datei), Alt);
        QCOMPARE(Namen(Ordner), QStringList{"Tagebuch.MRV"});
        QCOMPARE(Klein.Tag(0).TagDaten[0].size(), 3);  // nothing trimmed in memory

        // Space freed: the same save now goes through.
        QVERIFY(QFile::remove(Datei));
        QVERIFY(Klein.SaveToFile(Datei, &Fehler));
        QCOMPARE(DateiLesen(Datei), Hex(Beispiel37));
        Tmpfs::Aushaengen(Ordner);
    }

    void SchreibgeschuetzterDatentraeger()
    {
        const QString Ordner = Tmpfs::Einhaengen("size=64k,mode=0700", MS_RDONLY);
        if (Ordner.isEmpty())
            QSKIP("no private mount namespace here");
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.SaveToFile(Ordner + QStringLiteral("/neu.MRV"), &Fehler));
        QCOMPARE(Fehler, QStringLiteral("Der Datenträger ist schreibgeschützt."));
        Tmpfs::Aushaengen(Ordner);
    }

    // A disk that fills up after N more bytes, at every point of the write;
    // contents small enough to sit in a write buffer included.
    void DatentraegerVollNachNBytes_data()
    {
        QTest::addColumn<int>("KiB");
        QTest::addColumn<qint64>("Frei");
        for (int KiB : {1, 16})
            for (qint64 Frei : {0, 1, 100, 4096, 8191})
                if (Frei < KiB * 1024)
                    QTest::addRow("%d KiB, %lld frei", KiB, Frei) << KiB << Frei;
    }
    void DatentraegerVollNachNBytes()
    {
        QFETCH(int, KiB);
        QFETCH(qint64, Frei);
        const QString Datei = Pfad("voll.mrv");
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Datei));
        const QByteArray Alt = DateiLesen(Datei);
        TDaten Neu = Gross(KiB);
        Neu.Tag(0).TagDaten[0] << QStringLiteral("drei");
        QVERIFY(Bytes(Neu).size() > Frei);

        QString Fehler;
        {
            TSystemfehlerSetzen Voll({FOrdner.path(), Frei});
            QVERIFY(!Neu.SaveToFile(Datei, &Fehler));
            QVERIFY(TSystemfehlerSetzen::Treffer() > 0);
        }
        QCOMPARE(Fehler, VollText);
        QCOMPARE(DateiLesen(Datei), Alt);
        QCOMPARE(Neu.Tag(0).TagDaten[0].size(), 3);
        QVERIFY2(!Namen(FOrdner.path()).join(u' ').contains(QStringLiteral(".merovan-")),
                 qPrintable(Namen(FOrdner.path()).join(u' ')));
    }

    // A sync, a close or a stat that fails: nothing may count as saved.
    void SystemMeldetFehler_data()
    {
        QTest::addColumn<int>("Sync");
        QTest::addColumn<int>("Close");
        QTest::addColumn<int>("Stat");
        QTest::addColumn<bool>("NeuS");
        QTest::newRow("fdatasync EIO") << EIO << 0 << 0 << false;
        QTest::newRow("close EIO") << 0 << EIO << 0 << false;
        QTest::newRow("close ENOSPC") << 0 << ENOSPC << 0 << false;
        QTest::newRow("stat EIO, alte Datei") << 0 << 0 << EIO << false;
        QTest::newRow("stat EIO, neue Datei") << 0 << 0 << EIO << true;
    }
    void SystemMeldetFehler()
    {
        QFETCH(int, Sync);
        QFETCH(int, Close);
        QFETCH(int, Stat);
        QFETCH(bool, NeuS);
        const QString Datei = Pfad("sync.mrv");
        QFile::remove(Datei);
        if (!NeuS)
            QVERIFY(DateiSchreiben(Datei, Hex(Leer13)));
        TDaten D = Vielfalt();
        QString Fehler;
        {
            TSystemfehlerSetzen Regel({FOrdner.path(), -1, Sync, Close, Stat});
            QVERIFY(!D.SaveToFile(Datei, &Fehler));
            QVERIFY(TSystemfehlerSetzen::Treffer() >= 1);
        }
        QCOMPARE(Fehler, SystemfehlerText(Sync | Close | Stat));
        if (NeuS)
            QVERIFY(!QFile::exists(Datei));
        else
            QCOMPARE(DateiLesen(Datei), Hex(Leer13));
        QVERIFY(!Namen(FOrdner.path()).join(u' ').contains(QStringLiteral(".merovan-")));
        // And without the fault the same save works, with the mode it should have.
        QVERIFY(D.SaveToFile(Datei, &Fehler));
        QVERIFY(QFile::permissions(Datei) & QFileDevice::WriteOwner);
    }
#endif

    // A save killed half-way leaves its temporary file; the next save of that diary removes it.
    void AlteTempdateiWirdEntfernt()
    {
        const QString Datei = Pfad("rest.mrv");
        const QString Rest = FOrdner.filePath(TempPrefix(Datei) + QStringLiteral("Ab12Cd"));
        const QString Fremd = FOrdner.filePath(TempPrefix(Datei) + QStringLiteral("notizen.txt"));
        QVERIFY(DateiSchreiben(Rest, QByteArray("halb")));
        QVERIFY(DateiSchreiben(Fremd, QByteArray("nicht unsere")));
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Datei));
        QVERIFY(!QFile::exists(Rest));
        QVERIFY(QFile::exists(Fremd));
        QVERIFY(QFile::remove(Fremd));
    }

    void DeutscheFehlertexte()
    {
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.SaveToFile(Pfad("fehlt/neu.mrv"), &Fehler));
        QCOMPARE(Fehler, QStringLiteral("Die Datei oder der Ordner existiert nicht."));
        QVERIFY(!D.SaveToFile(FOrdner.path(), &Fehler));
        QCOMPARE(Fehler, QStringLiteral("Der Name bezeichnet einen Ordner, keine Datei."));
        QVERIFY(SystemfehlerText(EDQUOT) == VollText);
        QVERIFY(SystemfehlerText(12345).startsWith(QStringLiteral("Systemfehler 12345 (")));
    }

    // A link stays a link; the file it points to gets the new content.
    void VerknuepfungBleibt()
    {
        const QString Ziel = Pfad("ziel.mrv");
        const QString Link = Pfad("link.mrv");
        QVERIFY(DateiSchreiben(Ziel, Hex(Leer13)));
        QVERIFY(QFile::link(Ziel, Link));
        TDaten D = Vielfalt();
        QVERIFY(D.SaveToFile(Link));
        QVERIFY(QFileInfo(Link).isSymLink());
        QCOMPARE(DateiLesen(Ziel), Bytes(D));
    }

    // Padding every entry to the field names must not turn a small file into
    // gigabytes: 125 KB asking for 983 million lines is refused, unchanged.
    void PolsterbombeWirdAbgelehnt_data()
    {
        QTest::addColumn<QByteArray>("Felder");
        QTest::addColumn<int>("Eintraege");
        QByteArray Leer;
        for (int i = 0; i < 32767; ++i)
            Leer += "\r\n";
        QTest::newRow("32767 leere Namen, 30000 Eintraege") << Leer << 30000;
        QTest::newRow("65535 einzelne CR, 30000 Eintraege") << QByteArray(65535, '\r') << 30000;
        QTest::newRow("32767 leere Namen, ohne Tage") << Leer << -1;
    }
    void PolsterbombeWirdAbgelehnt()
    {
        QFETCH(QByteArray, Felder);
        QFETCH(int, Eintraege);
        auto Int = [](QByteArray& A, qint32 v) {
            const quint32 u = quint32(v);
            A += char(u & 0xFF);
            A += char(u >> 24);
            A += char((u >> 16) & 0xFF);
            A += char((u >> 8) & 0xFF);
        };
        QByteArray A = Hex("00054D52563031");
        A += char(Felder.size() >> 8);
        A += char(Felder.size() & 0xFF);
        A += Felder;
        if (Eintraege >= 0) {
            Int(A, 1);
            Int(A, 42005);
            A += Hex("0000");
            Int(A, Eintraege);
            A += QByteArray(2 * Eintraege, '\0');
        } else {
            // Days first under no names, then a last block of names alone.
            Int(A, 1);
            Int(A, 42005);
            A += Hex("0000");
            Int(A, 30000);
            A += QByteArray(2 * 30000, '\0');
            A += char(Felder.size() >> 8);
            A += char(Felder.size() & 0xFF);
            A += Felder;
            Int(A, 0);
        }
        TDaten D = Vielfalt();
        QVERIFY(!D.LoadFromBytes(A));
        QCOMPARE(D.Count(), 40);
        QCOMPARE(D.Felder.size(), 3);
    }

    // The bound leaves room for any diary this program writes: ten fields of
    // empty values, and entries written with fewer lines than there are names.
    void PolsterGrenzeLaesstEchteTagebuecher()
    {
        TDaten D;
        for (int f = 0; f < 10; ++f)
            D.Felder << QStringLiteral("Feld %1").arg(f);
        for (int i = 0; i < 2000; ++i) {
            TTag T(42005 + i);
            for (int e = 0; e < 6; ++e)
                T.Add(QStringList(10, QString()));
            D.Add(T);
        }
        TDaten Gelesen;
        QVERIFY(Gelesen.LoadFromBytes(Bytes(D)));
        QVERIFY(Gelesen.Ident(D));

        QByteArray Kurz = Hex("00054D52563031");
        const QByteArray Namen = "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\n";
        Kurz += char(0);
        Kurz += char(Namen.size());
        Kurz += Namen + Hex("01000000 150000A4 0000 E8000003") + QByteArray(2 * 1000, '\0');
        QVERIFY(Gelesen.LoadFromBytes(Kurz));
        QCOMPARE(Gelesen.Tag(0).TagDaten.size(), 1000);
        QCOMPARE(Gelesen.Tag(0).TagDaten[999].size(), 10);
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
        const QString Datei = Pfad("geschuetzt.mrv");
        QVERIFY(DateiSchreiben(Datei, Hex(Leer13)));
        QFile::setPermissions(Datei, QFileDevice::ReadOwner);
        // Root, or a process with the capability in its own user namespace, writes it anyway.
        if (QFile(Datei).open(QIODevice::WriteOnly | QIODevice::Append))
            QSKIP("this process may write protected files");
        TDaten D = Vielfalt();
        QString Fehler;
        QVERIFY(!D.SaveToFile(Datei, &Fehler));
        QCOMPARE(Fehler, QStringLiteral("Die Datei ist schreibgeschützt."));
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

int main(int argc, char** argv)
{
#ifdef Q_OS_LINUX
    Tmpfs::Vorbereiten();  // before Qt starts any thread
#endif
    QCoreApplication App(argc, argv);
    TestDatenDatei Test;
    return QTest::qExec(&Test, argc, argv);
}
#include "TestDatenDatei.moc"
