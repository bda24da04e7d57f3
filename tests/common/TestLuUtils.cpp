#include "LuUtils.h"
#include "LuUtilsGui.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
TDatumsnamen Namen(const QStringList& ATage, const QStringList& AKurzMonate, const QStringList& ALangMonate)
{
    TDatumsnamen N;
    for (int i = 0; i < 7; ++i)
        N.KurzTag[i] = ATage.value(i);
    for (int i = 0; i < 12; ++i) {
        N.KurzMonat[i] = AKurzMonate.value(i);
        N.LangMonat[i] = ALangMonate.value(i);
    }
    return N;
}

QStringList Liste(const auto& AFeld)
{
    return QStringList(AFeld.begin(), AFeld.end());
}
}

class TestLuUtils : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void DatumsnamenAnpassen_data()
    {
        QTest::addColumn<QStringList>("Tage");
        QTest::addColumn<QStringList>("KurzMonate");
        QTest::addColumn<QStringList>("LangMonate");
        QTest::addColumn<QStringList>("TageDanach");
        QTest::addColumn<QStringList>("KurzDanach");
        QTest::addColumn<QStringList>("LangDanach");
        const QStringList Lang{"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                               "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
        QStringList LangJ = Lang;
        LangJ[0] = QStringLiteral("Jänner");
        QTest::newRow("mit Punkten") << QStringList{"So.", "Mo.", "Di.", "Mi.", "Do.", "Fr.", "Sa."}
                                     << QStringList{"Jan", "Feb", "Mrz", "Apr"} << Lang
                                     << QStringList{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"}
                                     << QStringList{"Jän", "Feb", "Mär", "Apr"} << LangJ;
        QTest::newRow("ohne Punkte, schon angepasst")
            << QStringList{"So", "Mo", "", "Mi"} << QStringList{"Jän", "Feb", "Mär"} << LangJ
            << QStringList{"So", "Mo", "", "Mi"} << QStringList{"Jän", "Feb", "Mär"} << LangJ;
        QTest::newRow("klein geschrieben")
            << QStringList{"mo."} << QStringList{"jan", "feb", "mrz"} << QStringList{"januar", "Januar"}
            << QStringList{"mo"} << QStringList{"Jän", "feb", "Mär"} << QStringList{"Jänner", "Januar"};
        QTest::newRow("andere Sprache") << QStringList{"Sun", "Mon"} << QStringList{"Jan.", "Feb", "Mar"}
                                        << QStringList{"January", "Jan"} << QStringList{"Sun", "Mon"}
                                        << QStringList{"Jan.", "Feb", "Mar"} << QStringList{"January", "Jan"};
        QTest::newRow("nur der erste Januar")
            << QStringList{} << QStringList{} << QStringList{"März", "Januar", "JANUAR"} << QStringList{}
            << QStringList{} << QStringList{"März", "Jänner", "JANUAR"};
    }
    void DatumsnamenAnpassen()
    {
        QFETCH(QStringList, Tage);
        QFETCH(QStringList, KurzMonate);
        QFETCH(QStringList, LangMonate);
        QFETCH(QStringList, TageDanach);
        QFETCH(QStringList, KurzDanach);
        QFETCH(QStringList, LangDanach);
        TDatumsnamen N = Namen(Tage, KurzMonate, LangMonate);
        ::DatumsnamenAnpassen(N);
        const TDatumsnamen E = Namen(TageDanach, KurzDanach, LangDanach);
        QCOMPARE(Liste(N.KurzTag), Liste(E.KurzTag));
        QCOMPARE(Liste(N.KurzMonat), Liste(E.KurzMonat));
        QCOMPARE(Liste(N.LangMonat), Liste(E.LangMonat));
    }

    void DatumTextDeutschUnabhaengigVomSystem()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ::DatumsnamenAnpassen();
        ::DatumsnamenAnpassen();  // a second run changes nothing
        QCOMPARE(DatumText(42009), QStringLiteral("Mo., 05. Jänner 2015"));
        QCOMPARE(DatumText(42005), QStringLiteral("Do., 01. Jänner 2015"));
        QCOMPARE(DatumText(42064), QStringLiteral("So., 01. März 2015"));
        QCOMPARE(DatumText(2), QStringLiteral("Mo., 01. Jänner 1900"));
        QCOMPARE(DatumText(219512), QStringLiteral("Fr., 31. Dezember 2500"));
        QCOMPARE(DatumZuTag(QDate(2015, 1, 1)), 42005);
        QCOMPARE(TagZuDatum(0), QDate(1899, 12, 30));
    }

    void Ordner()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(TempOrdner().endsWith(QDir::separator()));
        QCOMPARE(QDir(TempOrdner()).absolutePath(), QDir(QDir::tempPath()).absolutePath());
        const QString Dokumente = SpezialOrdner(CSIDL_PERSONAL);
        QVERIFY(Dokumente.endsWith(QDir::separator()));
        QCOMPARE(QDir(Dokumente).absolutePath(),
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath());
        QCOMPARE(SpezialOrdner(9999), QString());
        QCOMPARE(SpezialOrdner(-1), QString());
    }

    void TextFormate_data()
    {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<int>("Format");
        QTest::addColumn<QByteArray>("Bytes");
        QTest::newRow("UTF-8") << QStringLiteral("ab") << 4 << QByteArray::fromHex("EFBBBF61620D0A");
        QTest::newRow("UTF-16") << QStringLiteral("ab") << 2 << QByteArray::fromHex("FFFE610062000D000A00");
        QTest::newRow("unbekannte Nummer")
            << QStringLiteral("ab") << 200 << QByteArray::fromHex("FFFE610062000D000A00");
        QTest::newRow("ANSI 1") << QStringLiteral("ab") << 1 << QByteArray::fromHex("61620D0A");
        QTest::newRow("ANSI 0") << QStringLiteral("ab") << 0 << QByteArray::fromHex("61620D0A");
        QTest::newRow("ANSI Sonderzeichen") << QStringLiteral("ä€中😀") << 0 << QByteArray::fromHex("E4803F3F0D0A");
        QTest::newRow("Zeilenenden") << QStringLiteral("a\rb\nc\r\nd\r\n") << 1 << QByteArray("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("Leerzeilen") << QStringLiteral("\n\na") << 1 << QByteArray("\r\n\r\na\r\n");
        QTest::newRow("Seitenvorschub") << QStringLiteral("a\r\n\f\r\nb") << 4
                                        << QByteArray("\xEF\xBB\xBF"
                                                      "a\r\n\f\r\nb\r\n");
        QTest::newRow("leer") << QString() << 1 << QByteArray();
    }
    void TextFormate()
    {
        QFETCH(QString, Text);
        QFETCH(int, Format);
        QFETCH(QByteArray, Bytes);
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath(QStringLiteral("t.txt"));
        QVERIFY(TextSpeichern(Datei, Text, Format, nullptr));
        QFile F(Datei);
        QVERIFY(F.open(QIODevice::ReadOnly));
        QCOMPARE(F.readAll().toHex(' '), Bytes.toHex(' '));
    }

    void RtfLiestEinFremderLeser()
    {
        const QString Unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        QVERIFY2(!Unrtf.isEmpty(), "unrtf is installed by the project's set-up");
        QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath(QStringLiteral("bericht.rtf"));
        TSchriftart S{QFont(QStringLiteral("Liberation Mono"), 21), Qt::darkBlue};
        S.Font.setBold(true);
        QVERIFY(TextSpeichern(
            Datei, QStringLiteral("Tag:  Mo., 05. Jänner 2015\r\nBlutzucker {120} \\ Grüße\r\n\f\r\nSeite zwei €"), 3,
            &S));

        QProcess P;
        P.start(Unrtf, {QStringLiteral("--html"), Datei});
        QVERIFY(P.waitForFinished(20000));
        QCOMPARE(P.exitCode(), 0);
        const QString Html = QString::fromUtf8(P.readAllStandardOutput());
        QVERIFY2(Html.contains(QStringLiteral("face=\"Liberation Mono\"")), qPrintable(Html));
        QVERIFY2(Html.contains(QStringLiteral("font-size:21pt")), qPrintable(Html));
        QVERIFY(Html.contains(QStringLiteral("<b>")));
        QVERIFY(Html.contains(QStringLiteral("J&auml;nner 2015<br>")));
        QVERIFY(Html.contains(QStringLiteral("Blutzucker {120} \\ Gr&uuml;&szlig;e<br>")));
        QVERIFY(Html.contains(QStringLiteral("<hr>")));  // the page break
        QVERIFY(Html.contains(QStringLiteral("Seite zwei &euro;")));
        QVERIFY(Html.indexOf(QStringLiteral("<hr>")) < Html.indexOf(QStringLiteral("Seite zwei")));
        QVERIFY(Html.indexOf(QStringLiteral("<hr>")) > Html.indexOf(QStringLiteral("Blutzucker")));
    }

    void TextSpeichernMeldetFehler()
    {
        QString Fehler;
        QVERIFY(!TextSpeichern(QStringLiteral("/gibt/es/nicht/t.txt"), QStringLiteral("a"), 1, nullptr, &Fehler));
        QVERIFY(!Fehler.isEmpty());
    }
};

QTEST_MAIN(TestLuUtils)
#include "TestLuUtils.moc"
