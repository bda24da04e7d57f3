// The seam: its Qt implementation with real dialogs (answered by timers, never
// left waiting), and the scripted fake that every GUI test relies on.

#include "LuLayout.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "ModalHelfer.h"
#include "QtPlattform.h"
#include "TFakePlattform.h"
#include "TestDateien.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace {

QStringList Knopftexte(QWidget* ADialog)
{
    QStringList L;
    for (auto* K : ADialog->findChildren<QPushButton*>())
        L << K->text();
    L.sort();
    return L;
}

}

class TestPlattform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(DeutscheUebersetzungLaden());
    }

    void DeutscheTastennamen()
    {
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText), QStringLiteral("Strg+N"));
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_Delete).toString(QKeySequence::NativeText),
                 QStringLiteral("Strg+Entf"));
    }

    void Fragen_data()
    {
        QTest::addColumn<bool>("AbbrechenS");
        QTest::addColumn<QString>("Knopf");
        QTest::addColumn<int>("Antwort");
        QTest::addColumn<QStringList>("Knoepfe");
        const QStringList Zwei{"&Ja", "&Nein"};
        const QStringList Drei{"&Ja", "&Nein", "Abbrechen"};
        QTest::newRow("Ja") << false << "&Ja" << int(TPlattform::TAntwort::Ja) << Zwei;
        QTest::newRow("Nein") << false << "&Nein" << int(TPlattform::TAntwort::Nein) << Zwei;
        QTest::newRow("Abbrechen") << true << "Abbrechen" << int(TPlattform::TAntwort::Abbrechen) << Drei;
        QTest::newRow("Escape ohne Abbrechen") << false << "Escape" << int(TPlattform::TAntwort::Nein) << Zwei;
        QTest::newRow("Escape mit Abbrechen") << true << "Escape" << int(TPlattform::TAntwort::Abbrechen) << Drei;
    }
    void Fragen()
    {
        QFETCH(bool, AbbrechenS);
        QFETCH(QString, Knopf);
        QFETCH(int, Antwort);
        QFETCH(QStringList, Knoepfe);
        TQtPlattform P;
        QStringList Gesehen;
        QString Text, Titel;
        BeimNaechstenDialog([&](QWidget* D) {
            Gesehen = Knopftexte(D);
            auto* Box = qobject_cast<QMessageBox*>(D);
            Text = Box ? Box->text() : QString();
            Titel = D->windowTitle();
            if (Knopf == u"Escape") {
                QTest::keyClick(D, Qt::Key_Escape);
                return;
            }
            for (auto* K : D->findChildren<QPushButton*>()) {
                if (K->text() == Knopf)
                    K->click();
            }
        });
        QCOMPARE(int(P.Frage(QStringLiteral("Wirklich?"), AbbrechenS)), Antwort);
        QCOMPARE(Gesehen, Knoepfe);
        QCOMPARE(Text, QStringLiteral("Wirklich?"));
        QCOMPARE(Titel, ProgrammTitel);
    }

    void InformationUndFehler()
    {
        TQtPlattform P;
        for (bool FehlerS : {false, true}) {
            QMessageBox::Icon Symbol = QMessageBox::NoIcon;
            QStringList Gesehen;
            BeimNaechstenDialog([&](QWidget* D) {
                Symbol = qobject_cast<QMessageBox*>(D)->icon();
                Gesehen = Knopftexte(D);
                QTest::keyClick(D, Qt::Key_Return);
            });
            if (FehlerS)
                P.Fehler(QStringLiteral("Schlecht"));
            else
                P.Information(QStringLiteral("Gut"));
            QCOMPARE(Symbol, FehlerS ? QMessageBox::Critical : QMessageBox::Information);
            QCOMPARE(Gesehen, QStringList{"OK"});
        }
    }

    void SpeichernDialogMitEndungUndOrdner()
    {
        TQtPlattform P;
        QTemporaryDir Ordner;
        TDateiDialog D{QStringLiteral("Speichern unter"),
                       QStringLiteral("Merovan-Dateien (*.MRV);;Alle Dateien (*)"),
                       QStringLiteral("MRV"),
                       Ordner.path(),
                       QString(),
                       true};
        QString Verzeichnis;
        QStringList Filter;
        BeimNaechstenDialog([&](QWidget* W) {
            auto* F = qobject_cast<QFileDialog*>(W);
            Verzeichnis = F->directory().absolutePath();
            Filter = F->nameFilters();
            auto* Eingabe = F->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            Eingabe->setText(QStringLiteral("neu"));
            QTest::keyClick(Eingabe, Qt::Key_Return);
        });
        const QString Datei = P.SpeichernDialog(nullptr, D);
        QCOMPARE(Verzeichnis, QDir(Ordner.path()).absolutePath());
        QCOMPARE(Filter.size(), 2);
        QCOMPARE(Datei, QDir::toNativeSeparators(Ordner.filePath(QStringLiteral("neu.MRV"))));

        BeimNaechstenDialog([](QWidget* W) { QTest::keyClick(W, Qt::Key_Escape); });
        QCOMPARE(P.OeffnenDialog(nullptr, D), QString());
    }

    // The extension follows the format chosen; the chosen format and name come back for the next time.
    void SpeichernDialogFormatWahl()
    {
        TQtPlattform P;
        QTemporaryDir Ordner;
        TDateiDialog D{QStringLiteral("Speichern unter"),
                       QStringLiteral("Rich Text Format (*.RTF);;Textdokument (*.TXT);;PDF-Dokument (*.PDF)"),
                       QStringLiteral("RTF"),
                       Ordner.path(),
                       QString(),
                       true,
                       2};
        QString Gezeigt;
        BeimNaechstenDialog([&](QWidget* W) {
            auto* F = qobject_cast<QFileDialog*>(W);
            Gezeigt = F->selectedNameFilter();
            auto* Typ = F->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            Typ->setFocus();
            QTest::keyClick(Typ, Qt::Key_Down);  // as the user picks the next format
            auto* Eingabe = F->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            Eingabe->setText(QStringLiteral("bericht"));
            QTest::keyClick(Eingabe, Qt::Key_Return);
        });
        const QString Datei = P.SpeichernDialog(nullptr, D);
        QCOMPARE(Gezeigt, QStringLiteral("Textdokument (*.TXT)"));
        QCOMPARE(Datei, QDir::toNativeSeparators(Ordner.filePath(QStringLiteral("bericht.PDF"))));
        QCOMPARE(D.FilterIndex, 3);
        QCOMPARE(D.Dateiname, Datei);
    }

    void SchriftUndDruckDialog()
    {
        TQtPlattform P;
        TSchriftart F{QFont(QStringLiteral("Liberation Mono"), 30), Qt::black, Fenstertextfarbe};
        BeimNaechstenDialog([](QWidget* W) {
            QVERIFY(qobject_cast<QFontDialog*>(W));
            QTest::keyClick(W, Qt::Key_Escape);
        });
        QVERIFY(!P.SchriftartDialog(nullptr, F));
        QCOMPARE(F.Font.pointSize(), 30);

        // The font confirmed, the colour step follows: a named list, the system colour first and chosen.
        QStringList Zeilen;
        QString Name;
        int Gewaehlt = -1;
        BeimNaechstenDialog([&](QWidget* W) {
            qobject_cast<QDialog*>(W)->accept();
            BeimNaechstenDialog([&](QWidget* Farbe) {
                auto* Liste = qobject_cast<QListWidget*>(QApplication::focusWidget());
                QVERIFY(Liste);
                for (int i = 0; i < Liste->count(); ++i)
                    Zeilen << Liste->item(i)->text();
                Name = QAccessible::queryAccessibleInterface(Liste)->text(QAccessible::Name);
                Gewaehlt = Liste->currentRow();
                for (int i = 0; i < 15; ++i)
                    QTest::keyClick(Liste, Qt::Key_Down);  // to "Rot"
                QTest::keyClick(Liste, Qt::Key_Return);
                Q_UNUSED(Farbe);
            });
        });
        QVERIFY(P.SchriftartDialog(nullptr, F));
        QCOMPARE(Zeilen.size(), 20);
        QCOMPARE(Zeilen.first(), QStringLiteral("Fenstertextfarbe des Systems"));
        QCOMPARE(Zeilen.last(), QStringLiteral("Braun"));
        QCOMPARE(Name, QStringLiteral("Schriftfarbe"));
        QCOMPARE(Gewaehlt, 0);
        QCOMPARE(F.Farbe, QColor(Qt::red));
        QCOMPARE(FarbCode(F), 0x0000FFu);

        // Cancelled at the colour: nothing changes.
        BeimNaechstenDialog([&](QWidget* W) {
            qobject_cast<QDialog*>(W)->accept();
            BeimNaechstenDialog([](QWidget* Farbe) { QTest::keyClick(Farbe, Qt::Key_Escape); });
        });
        QVERIFY(!P.SchriftartDialog(nullptr, F));
        QCOMPARE(F.Farbe, QColor(Qt::red));

        QPrinter Drucker;
        BeimNaechstenDialog([](QWidget* W) {
            QVERIFY(qobject_cast<QPrintDialog*>(W));
            qobject_cast<QDialog*>(W)->reject();
        });
        QVERIFY(!P.DruckDialog(nullptr, Drucker));
        P.DruckerVorhanden();  // answers without a printer system, whatever it says
    }

    void KlangWartetNichtUndSchweigtBeiFehlern()
    {
        TQtPlattform P;
        QTemporaryDir Ordner;
        const QString Kaputt = Ordner.filePath(QStringLiteral("kaputt.wav"));
        QVERIFY(DateiSchreiben(Kaputt, "kein WAV"));
        QElapsedTimer Uhr;
        Uhr.start();
        P.WavAbspielen(Ordner.filePath(QStringLiteral("fehlt.wav")));
        P.WavAbspielen(Kaputt);
        P.WavAbspielen(Kaputt);
        P.Piep();
        QVERIFY(Uhr.elapsed() < 2000);
        QCOMPARE(P.Heute(), DatumZuTag(QDate::currentDate()));
    }

    void ShellOeffnen()
    {
        TQtPlattform P;
        QCOMPARE(
            P.ShellOeffnen(nullptr, QStringLiteral("/gibt/es/nicht"), {}, {}, QStringLiteral("open"), SW_SHOWNORMAL),
            2);
        QTemporaryDir Ordner;
        const QString Marke = Ordner.filePath(QStringLiteral("gelaufen"));
        QVERIFY(P.ShellOeffnen(nullptr, QStringLiteral("/usr/bin/touch"), Marke, Ordner.path(), QStringLiteral("open"),
                               SW_SHOWNORMAL)
                > 32);
        QTRY_VERIFY(QFile::exists(Marke));
    }

    void ShellOeffnetLinksUndDokumente()
    {
        // The desktop's handler, here a script that notes what it was asked to open.
        QTemporaryDir Ordner;
        const QString Protokoll = Ordner.filePath(QStringLiteral("geoeffnet.txt"));
        const QString Skript = Ordner.filePath(QStringLiteral("xdg-open"));
        QVERIFY(DateiSchreiben(Skript, QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(Protokoll).toUtf8()));
        QFile::setPermissions(Skript, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray AlterPfad = qgetenv("PATH");
        qputenv("PATH", Ordner.path().toLocal8Bit() + ':' + AlterPfad);
        const QString Dokument = Ordner.filePath(QStringLiteral("History.txt"));
        QVERIFY(DateiSchreiben(Dokument, "Neu"));
        TQtPlattform P;
        const int Link = P.ShellOeffnen(nullptr, QStringLiteral("https://example.org/merovan"), {}, {},
                                        QStringLiteral("open"), SW_SHOWNORMAL);
        const int Post = P.ShellOeffnen(nullptr, QStringLiteral("mailto:autor@example.org"), {}, {},
                                        QStringLiteral("open"), SW_SHOWNORMAL);
        const int Text = P.ShellOeffnen(nullptr, Dokument, {}, {}, QStringLiteral("open"), SW_SHOWNORMAL);
        qputenv("PATH", AlterPfad);
        QVERIFY(Link > 32 && Post > 32 && Text > 32);
        QTRY_COMPARE(QString::fromUtf8(DateiLesen(Protokoll)).split(u'\n', Qt::SkipEmptyParts).size(), 3);
        const QString Gesehen = QString::fromUtf8(DateiLesen(Protokoll));
        QVERIFY(Gesehen.contains(QStringLiteral("https://example.org/merovan")));
        QVERIFY(Gesehen.contains(QStringLiteral("mailto:autor@example.org")));
        QVERIFY(Gesehen.contains(QUrl::fromLocalFile(Dokument).toString()) || Gesehen.contains(Dokument));
    }

    void FakeBeantwortetUndZeichnetAuf()
    {
        TFakePlattform F(42010);
        QCOMPARE(&Plattform(), static_cast<TPlattform*>(&F));
        QCOMPARE(Plattform().Heute(), 42010);
        F.Antworten << TPlattform::TAntwort::Ja << TPlattform::TAntwort::Abbrechen;
        F.Dateien << QStringLiteral("/tmp/a.MRV") << QString();
        F.Schriften << TSchriftart{QFont(QStringLiteral("Liberation Serif"), 40)} << std::nullopt;
        F.Drucke << true;
        F.DruckerS = false;

        QCOMPARE(Plattform().Frage(QStringLiteral("Eins?"), false), TPlattform::TAntwort::Ja);
        QCOMPARE(Plattform().Frage(QStringLiteral("Zwei?"), true), TPlattform::TAntwort::Abbrechen);
        Plattform().Information(QStringLiteral("Info"));
        Plattform().Fehler(QStringLiteral("Fehler"));
        Plattform().Piep();
        Plattform().Piep();
        Plattform().WavAbspielen(QStringLiteral("NeueZeile.wav"));
        TDateiDialog D;
        D.StandardEndung = QStringLiteral("MRV");
        QCOMPARE(Plattform().OeffnenDialog(nullptr, D), QStringLiteral("/tmp/a.MRV"));
        QCOMPARE(Plattform().SpeichernDialog(nullptr, D), QString());
        TSchriftart Schrift;
        QVERIFY(Plattform().SchriftartDialog(nullptr, Schrift));
        QCOMPARE(Schrift.Font.pointSize(), 40);
        QVERIFY(!Plattform().SchriftartDialog(nullptr, Schrift));
        QCOMPARE(Schrift.Font.pointSize(), 40);
        QPrinter Drucker;
        QVERIFY(Plattform().DruckDialog(nullptr, Drucker));
        QVERIFY(!Plattform().DruckerVorhanden());
        QCOMPARE(
            Plattform().ShellOeffnen(nullptr, QStringLiteral("https://example.org"), {}, {}, QStringLiteral("open"), 1),
            42);

        QCOMPARE(F.Texte(TFakePlattform::TArt::Frage), (QStringList{"Eins?", "Zwei?"}));
        QVERIFY(F.Meldungen[1].AbbrechenS);
        QCOMPARE(F.Texte(TFakePlattform::TArt::Information), QStringList{"Info"});
        QCOMPARE(F.Texte(TFakePlattform::TArt::Fehler), QStringList{"Fehler"});
        QCOMPARE(F.Piepse, 2);
        QCOMPARE(F.Klaenge, QStringList{"NeueZeile.wav"});
        QCOMPARE(F.DateiDialoge.size(), 2);
        QCOMPARE(F.ShellAufrufe.size(), 1);
    }

    void FakeSetztDieVorigeNachEndeZurueck()
    {
        TPlattform* Vorher = &Plattform();
        {
            TFakePlattform F;
            QVERIFY(&Plattform() != Vorher);
        }
        QCOMPARE(&Plattform(), Vorher);
    }
};

QTEST_MAIN(TestPlattform)
#include "TestPlattform.moc"
