// One instance per user, tried with the real program.

#include "Einzelinstanz.h"
#include "GuiTestMain.h"
#include "TestDateien.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

class TestEinzelinstanz : public QObject {
    Q_OBJECT

    static void Starten(QProcess& AProzess, const QStringList& AArgumente = {})
    {
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        Umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        AProzess.setProcessEnvironment(Umgebung);
        AProzess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        AProzess.start(QStringLiteral(MEROVAN_PROGRAMM), AArgumente);
        QVERIFY(AProzess.waitForStarted());
    }

private Q_SLOTS:
    void ZweiterStartUebergibtUndEndet()
    {
        TEinzelinstanz Pruefer;  // the same lock and channel as the program's
        QProcess Erster;
        Starten(Erster);
        // The first instance listens once its channel exists.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Pruefer.Kanal()), 10000);

        QProcess Zweiter;
        Starten(Zweiter, {QStringLiteral("/tmp/anderes.MRV")});
        QVERIFY(Zweiter.waitForFinished(10000));
        QCOMPARE(Zweiter.exitStatus(), QProcess::NormalExit);
        QCOMPARE(Zweiter.exitCode(), 0);
        QCOMPARE(Erster.state(), QProcess::Running);

        // Anything but the two requests is ignored.
        QVERIFY(Pruefer.Senden("hallo"));
        QVERIFY(Pruefer.Senden("12245"));
        QVERIFY(!Erster.waitForFinished(500));

        // Another program asks it to quit: it ends as by "Beenden", with status 0.
        QVERIFY(Pruefer.Senden(TEinzelinstanz::Beenden));
        QVERIFY(Erster.waitForFinished(10000));
        QCOMPARE(Erster.exitStatus(), QProcess::NormalExit);
        QCOMPARE(Erster.exitCode(), 0);
        QVERIFY(!QDir(QDir::homePath() + QStringLiteral("/Documents/Merovan")).exists());

        // Afterwards a new start is the first one again.
        QVERIFY(Pruefer.Erste());
    }

    void UebernimmtReste()
    {
        // A crashed instance leaves its lock (with a dead process) and its channel behind.
        TEinzelinstanz Neu;
        QVERIFY(DateiSchreiben(Neu.Sperrdatei(), "999999\nmerovan\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
        QVERIFY(DateiSchreiben(Neu.Kanal(), "alt"));
        QVERIFY(Neu.Erste());
        QSignalSpy Vorne(&Neu, &TEinzelinstanz::AktivierenGewuenscht);
        TEinzelinstanz Zweite;
        QVERIFY(Zweite.Senden(TEinzelinstanz::Aktivieren));
        QTRY_COMPARE(Vorne.size(), 1);
    }

    void KanalMeldetDieBeidenBitten()
    {
        TEinzelinstanz Erste;
        QVERIFY(Erste.Erste());
        QSignalSpy Vorne(&Erste, &TEinzelinstanz::AktivierenGewuenscht);
        QSignalSpy Ende(&Erste, &TEinzelinstanz::BeendenGewuenscht);
        TEinzelinstanz Zweite;
        QVERIFY(!Zweite.Erste());
        QVERIFY(Zweite.Senden(TEinzelinstanz::Aktivieren));
        QTRY_COMPARE(Vorne.size(), 1);
        QVERIFY(Zweite.Senden("1125"));
        QVERIFY(Zweite.Senden(TEinzelinstanz::Beenden));
        QTRY_COMPARE(Ende.size(), 1);
        QCOMPARE(Vorne.size(), 1);
    }
};

MEROVAN_GUI_TEST_MAIN(TestEinzelinstanz)
#include "TestEinzelinstanz.moc"
