#include "GuiTestMain.h"
#include "Haupt.h"
#include "HauptTest.h"
#include "Historie.h"
#include "LuLayout.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestHauptHilfe : public THauptTest {
    Q_OBJECT

    QTemporaryDir Temp;

    static QString Neben(const char* AName)
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(AName));
    }
    QString Uebergabe() const { return Temp.path() + QStringLiteral("/Mrv.cfg"); }

private Q_SLOTS:
    void initTestCase()
    {
        // The hand-off file goes to the temporary folder: this test's own.
        qputenv("TMPDIR", Temp.path().toLocal8Bit());
    }
    void init()
    {
        Anfangen();
        QVERIFY(Zeigen(*F, *P, {"A"}, {1}, 1, 1));
    }
    void cleanup()
    {
        Aufhoeren();
        QFile::remove(Neben("tavrin"));
        QFile::remove(Neben("Tavrin.exe"));
    }

    // The six items in order; the history only where History.txt lies, the update only where the updater does.
    void Menue()
    {
        QStringList Texte;
        for (QAction* A : F->MenuHilfe->actions())
            Texte << A->text();
        QCOMPARE(Texte,
                 (QStringList{"Programm-&Info", "Programm-Home&page...", "Programm-&Aktualisierung...",
                              "Programm-&Änderungen...", "&Mail an den Programmierer...", "&Spenden..."}));
        QVERIFY(QFileInfo(Neben("History.txt")).isFile());  // the build puts it beside the program
        F->MenuHilfeClick();
        QVERIFY(F->MenuHilfeHistory->isEnabled());
        QVERIFY(!F->MenuHilfeUpdate->isVisible());
        QVERIFY(DateiSchreiben(F->Aktualisierer(), "#!/bin/sh\n"));
        F->MenuHilfeClick();
        QVERIFY(F->MenuHilfeUpdate->isVisible());
        const QString Versteckt = Neben("History.txt") + QStringLiteral(".weg");
        QVERIFY(QFile::rename(Neben("History.txt"), Versteckt));
        F->MenuHilfeClick();
        const bool OhneS = F->MenuHilfeHistory->isEnabled();
        QVERIFY(QFile::rename(Versteckt, Neben("History.txt")));
        QVERIFY(!OhneS);
    }

    void Info()
    {
        F->MenuHilfeInfo->trigger();
        const QStringList T = P->Texte(TFakePlattform::TArt::Information);
        QCOMPARE(T.size(), 1);
        QVERIFY2(T[0].startsWith(QStringLiteral("Merovan V1.02\r\nDatenverwaltungsprogramm für Menschen mit Diabetes")),
                 qPrintable(T[0]));
        QVERIFY(T[0].contains(QStringLiteral(MEROVAN_MAIL)));
        QVERIFY(T[0].contains(QStringLiteral(MEROVAN_HOMEPAGE)));
    }

    // Home page, donation page and mail through the shell, as links.
    void Verweise()
    {
        F->MenuHilfeHomepage->trigger();
        F->MenuHilfeSpenden->trigger();
        F->MenuHilfeMail->trigger();
        QStringList Geoeffnet;
        for (const auto& A : P->ShellAufrufe) {
            Geoeffnet << A.Datei;
            QCOMPARE(A.Anzeige, SW_SHOWNORMAL);
            QVERIFY(A.Parameter.isEmpty() && A.Ordner.isEmpty());
        }
        QCOMPARE(Geoeffnet,
                 (QStringList{QStringLiteral(MEROVAN_HOMEPAGE), QStringLiteral(MEROVAN_HOMEPAGE "/spenden.htm"),
                              QStringLiteral("mailto:" MEROVAN_MAIL "?subject=Merovan V1.02")}));
    }

    // The history in a read-only window in the user font, named, closed by Escape; chosen again while
    // open, the same window comes to the front.
    void Historie()
    {
        Benutzerschrift().Font = QFont(QStringLiteral("Liberation Serif"), 26);
        F->MenuHilfeHistory->trigger();
        QPointer<THistorieForm> H = F->HistorieForm;
        QVERIFY(H && H->isVisible());
        QVERIFY(H->RichEdit1->isReadOnly());
        QVERIFY(H->RichEdit1->toPlainText().contains(QStringLiteral("Version 1.02")));
        QCOMPARE(H->RichEdit1->font().pointSize(), 26);
        QCOMPARE(QAccessible::queryAccessibleInterface(H->RichEdit1)->text(QAccessible::Name),
                 QStringLiteral("Programm-Änderungen"));
        QTRY_COMPARE(QApplication::focusWidget(), H->RichEdit1);
        F->activateWindow();
        F->Edit(1)->setFocus();
        QTRY_COMPARE(QApplication::activeWindow(), F.get());
        F->MenuHilfeHistory->trigger();
        QCOMPARE(F->HistorieForm.data(), H.data());
        QCOMPARE(F->findChildren<THistorieForm*>().size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), H.data());
        QTest::keyClick(H->RichEdit1, Qt::Key_Escape);
        QVERIFY(!H->isVisible());
    }

    // The hand-off file's exact bytes, Windows-1252 with CR LF, then the updater with "Mrv.cfg".
    void Uebergabedatei_data()
    {
        QTest::addColumn<bool>("DateiS");
        QTest::addColumn<bool>("SchreibgeschuetztS");
        QTest::newRow("ohne Datei") << false << false;
        QTest::newRow("mit Datei, alte schreibgeschützt") << true << true;
    }
    void Uebergabedatei()
    {
        QFETCH(bool, DateiS);
        QFETCH(bool, SchreibgeschuetztS);
        QVERIFY(DateiSchreiben(F->Aktualisierer(), "#!/bin/sh\n"));
        if (DateiS)
            F->setFilename(Temp.path() + QStringLiteral("/Jänner.MRV"));
        if (SchreibgeschuetztS) {
            QVERIFY(DateiSchreiben(Uebergabe(), "alt"));
            QVERIFY(QFile::setPermissions(Uebergabe(), QFileDevice::ReadOwner));
        }
        Benutzerschrift().Font = QFont(QStringLiteral("Arial"), 14);
        F->MenuHilfeUpdate->trigger();
        QVERIFY(P->Texte(TFakePlattform::TArt::Fehler).isEmpty());
        const QByteArray Zeile2
            = DateiS ? QByteArray("J\xE4nner.MRV - Merovan V1.02") : QByteArray("KeinName - Merovan V1.02");
        QCOMPARE(DateiLesen(Uebergabe()),
                 QByteArray("Merovan V1.02\r\n") + Zeile2 + "\r\n"
                     + QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toLocal8Bit()
                     + "\r\nMrv\r\n14 Arial\r\n");
        QVERIFY(QFile::permissions(Uebergabe()) & QFileDevice::WriteOwner);
        QCOMPARE(P->ShellAufrufe.size(), 1);
        QCOMPARE(P->ShellAufrufe[0].Datei, F->Aktualisierer());
        QCOMPARE(P->ShellAufrufe[0].Parameter, QStringLiteral("Mrv.cfg"));
        QVERIFY(P->ShellAufrufe[0].Ordner.isEmpty());
    }

    // A hand-off file that cannot be written (a folder of that name is in the way): the error with
    // its full path; the updater is not started.
    void UebergabeFehler()
    {
        QVERIFY(DateiSchreiben(F->Aktualisierer(), "#!/bin/sh\n"));
        QFile::remove(Uebergabe());
        QVERIFY(QDir().mkpath(Uebergabe()));
        F->MenuHilfeUpdate->trigger();
        QDir().rmdir(Uebergabe());
        QCOMPARE(P->Texte(TFakePlattform::TArt::Fehler),
                 QStringList{QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                                            "Die Datei \"%1\" konnte nicht gespeichert werden.")
                                 .arg(TempOrdner() + QStringLiteral("Mrv.cfg"))});
        QVERIFY(P->ShellAufrufe.isEmpty());
    }
};

MEROVAN_GUI_TEST_MAIN(TestHauptHilfe)
#include "TestHauptHilfe.moc"
