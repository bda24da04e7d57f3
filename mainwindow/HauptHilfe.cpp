// The menu "Hilfe": what the program is, the maker's pages and mail, the change
// history, and the hand-off to an updater.

#include "Haupt.h"

#include "Dateizugriff.h"
#include "Historie.h"
#include "LuLayout.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "Plattform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString Homepage = QStringLiteral(MEROVAN_HOMEPAGE);
const QString Mail = QStringLiteral(MEROVAN_MAIL);

QString Historiendatei()
{
    return ProgrammDatei(QStringLiteral("History.txt"));
}

}

QString TForm1::Aktualisierer()
{
#ifdef Q_OS_WIN
    return ProgrammDatei(QStringLiteral("Tavrin.exe"));
#else
    return ProgrammDatei(QStringLiteral("tavrin"));
#endif
}

void TForm1::HilfeErstellen()
{
    MenuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    MenuHilfe->setObjectName(QStringLiteral("MenuHilfe"));
    const auto Eintrag = [this](const char* AName, const QString& AText, void (TForm1::*ABefehl)()) {
        QAction* A = MenuHilfe->addAction(AText);
        A->setObjectName(QLatin1String(AName));
        connect(A, &QAction::triggered, this, ABefehl);
        return A;
    };
    MenuHilfeInfo = Eintrag("MenuHilfeInfo", QStringLiteral("Programm-&Info"), &TForm1::MenuHilfeInfoClick);
    MenuHilfeHomepage
        = Eintrag("MenuHilfeHomepage", QStringLiteral("Programm-Home&page..."), &TForm1::MenuHilfeHomepageClick);
    MenuHilfeUpdate
        = Eintrag("MenuHilfeUpdate", QStringLiteral("Programm-&Aktualisierung..."), &TForm1::MenuHilfeUpdateClick);
    MenuHilfeHistory
        = Eintrag("MenuHilfeHistory", QStringLiteral("Programm-&Änderungen..."), &TForm1::MenuHilfeHistoryClick);
    MenuHilfeMail
        = Eintrag("MenuHilfeMail", QStringLiteral("&Mail an den Programmierer..."), &TForm1::MenuHilfeMailClick);
    MenuHilfeSpenden = Eintrag("MenuHilfeSpenden", QStringLiteral("&Spenden..."), &TForm1::MenuHilfeSpendenClick);
    connect(MenuHilfe, &QMenu::aboutToShow, this, &TForm1::MenuHilfeClick);
    MenuHilfeClick();
}

void TForm1::MenuHilfeClick()
{
    MenuHilfeHistory->setEnabled(QFileInfo(Historiendatei()).isFile());
    MenuHilfeUpdate->setVisible(QFileInfo(Aktualisierer()).isFile());
}

void TForm1::MenuHilfeInfoClick()
{
    Plattform().Information(
        ProgrammTitel + QStringLiteral("\r\n")
        + QStringLiteral("Datenverwaltungsprogramm für Menschen mit Diabetes: ein Tagebuch für Blutzucker, Insulin "
                         "und mehr, ganz mit Tastatur und Bildschirmleser zu bedienen.\r\n\r\n")
        + QStringLiteral("Das Merovan-Projekt, 2026. Alle Rechte vorbehalten.\r\n")
        + QStringLiteral("E-Mail: %1\r\nInternet: %2").arg(Mail, Homepage));
}

void TForm1::MenuHilfeHomepageClick()
{
    Plattform().ShellOeffnen(this, Homepage, QString(), QString(), QStringLiteral("open"), SW_SHOWNORMAL);
}

void TForm1::MenuHilfeSpendenClick()
{
    Plattform().ShellOeffnen(this, Homepage + QStringLiteral("/spenden.htm"), QString(), QString(),
                             QStringLiteral("open"), SW_SHOWNORMAL);
}

void TForm1::MenuHilfeMailClick()
{
    Plattform().ShellOeffnen(this, QStringLiteral("mailto:%1?subject=%2").arg(Mail, ProgrammTitel), QString(),
                             QString(), QStringLiteral("open"), SW_SHOWNORMAL);
}

void TForm1::MenuHilfeHistoryClick()
{
    // Open already: it comes to the front, and no second window opens.
    if (HistorieForm && HistorieForm->isVisible()) {
        FensterNachVorne(HistorieForm);
        return;
    }
    if (!HistorieForm)
        HistorieForm = new THistorieForm(this);
    QString Fehler;
    if (!HistorieForm->Laden(Historiendatei(), &Fehler)) {
        Plattform().Fehler(
            QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\n%2").arg(Historiendatei(), Fehler));
        return;
    }
    HistorieForm->SchriftartZuweisen();
    HistorieForm->show();
    FensterNachVorne(HistorieForm);
}

void TForm1::MenuHilfeUpdateClick()
{
    const QString Datei = TempOrdner() + QStringLiteral("Mrv.cfg");
    const TSchriftart& S = Benutzerschrift();
    const QString Text = ProgrammTitel + QStringLiteral("\r\n") + windowTitle() + QStringLiteral("\r\n")
        + QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) + QStringLiteral("\r\nMrv\r\n")
        + QStringLiteral("%1 %2\r\n").arg(S.Font.pointSize()).arg(S.Font.family());
    // A leftover made read-only by an earlier run is replaced all the same.
    QFile::setPermissions(Datei, QFile::permissions(Datei) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    QString Fehler;
    const bool OkS = DateiErsetzen(Datei, TextKodiert(Text, TTextFormat::AnsiText, nullptr), &Fehler)
        && ShellErfolgreich(Plattform().ShellOeffnen(this, Aktualisierer(), QStringLiteral("Mrv.cfg"), QString(),
                                                     QStringLiteral("open"), SW_SHOWNORMAL));
    if (!OkS)
        Plattform().Fehler(QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                                          "Die Datei \"%1\" konnte nicht gespeichert werden.")
                               .arg(Datei));
}
