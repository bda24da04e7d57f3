// The menu "Datei": open, save, save as, the overviews to print, close, quit; and the question
// before changes could be lost.

#include "Haupt.h"

#include "LuUtils.h"
#include "Plattform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

void TForm1::DateiErstellen()
{
    MenuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    MenuDatei->setObjectName(QStringLiteral("MenuDatei"));
    MenuDateiOeffnen
        = Befehl(MenuDatei, QStringLiteral("Ö&ffnen..."), Qt::CTRL | Qt::Key_O, &TForm1::MenuDateiOeffnenClick);
    MenuDateiSpeichern
        = Befehl(MenuDatei, QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S, &TForm1::MenuDateiSpeichernClick);
    MenuDateiSpeichernUnter = Befehl(MenuDatei, QStringLiteral("Speichern &unter..."), Qt::CTRL | Qt::Key_U,
                                     &TForm1::MenuDateiSpeichernUnterClick);
    MenuDateiDrucken = MenuDatei->addMenu(QStringLiteral("&Drucken"));
    MenuDateiDrucken->setObjectName(QStringLiteral("MenuDateiDrucken"));
    // No shortcuts: the update ran when "Datei" opened; it runs again before the command.
    const auto Drucken = [this](const QString& AText, TUebersichtArt AArt) {
        QAction* A = MenuDateiDrucken->addAction(AText);
        A->setData(int(AArt));
        connect(A, &QAction::triggered, this, [this, AArt] {
            if (Ausfuehrbar(MenuDatei, MenuDateiDrucken->menuAction()))
                MenuAktTagesansichtClick(AArt);
        });
        return A;
    };
    MenuDateiDruckenTagesansicht = Drucken(QStringLiteral("Übersicht des &Tages..."), TUebersichtArt::Tag);
    MenuDateiDruckenWochenansicht = Drucken(QStringLiteral("Übersicht einer &Woche..."), TUebersichtArt::Woche);
    MenuDateiDruckenAllesansciht = Drucken(QStringLiteral("Übersicht &aller Tage..."), TUebersichtArt::Alle);
    MenuDatei->addSeparator();
    MenuDateiClose
        = Befehl(MenuDatei, QStringLiteral("S&chließen"), Qt::CTRL | Qt::Key_F4, &TForm1::MenuDateiCloseClick);
    MenuDateiBeenden
        = Befehl(MenuDatei, QStringLiteral("&Beenden"), Qt::ALT | Qt::Key_F4, &TForm1::MenuDateiBeendenClick);
}

void TForm1::DateiMenuUpdate()
{
    EditInDaten();
    const bool TagS = FTagNr != 0;
    Freigeben(MenuDateiSpeichern, !Daten.Ident(SaveDaten));
    Freigeben(MenuDateiClose, TagS);
    Freigeben(MenuDateiDrucken->menuAction(), TagS);
    Freigeben(MenuDateiSpeichernUnter, TagS);
}

bool IstOrdner(const QString& AFilename)
{
    return AFilename.endsWith(u'/') || AFilename.endsWith(QDir::separator());
}

QString Ordnerteil(const QString& AFilename)
{
    if (IstOrdner(AFilename))
        return AFilename;
    return QDir::toNativeSeparators(QFileInfo(AFilename).absolutePath()) + QDir::separator();
}

void TForm1::setFilename(const QString& AFilename)
{
    FFilename = AFilename;
    const QString Datei = Dateiteil();
    setWindowTitle((Datei.isEmpty() ? QStringLiteral("KeinName") : Datei) + QStringLiteral(" - ") + ProgrammTitel);
}

void TForm1::HinweisNeuerTag()
{
    setStatusText(TastenText(QKeySequence(Qt::CTRL | Qt::Key_N)) + QStringLiteral(" erzeugt einen neuen Tag"));
}

void TForm1::HinweisNeuerEintrag()
{
    setStatusText(TastenText(QKeySequence(Qt::CTRL | Qt::Key_E)) + QStringLiteral(" erzeugt einen neuen Eintrag"));
}

void TForm1::LesefehlerMelden(const QString& ADatei, const QString& AFehler)
{
    Plattform().Fehler(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.\n%2")
                           .arg(QDir::toNativeSeparators(ADatei), AFehler));
}

void TForm1::InitSaveOpenDialog()
{
    SaveDialog1 = TDateiDialog{QStringLiteral("Speichern unter"),
                               QStringLiteral("Datendateien (*.MRV)"),
                               QStringLiteral("MRV"),
                               QString(),
                               QString(),
                               true};
    OpenDialog1 = TDateiDialog{QStringLiteral("Öffnen"),
                               QStringLiteral("Datendateien (*.MRV);;Alle Dateien (*.*)"),
                               QStringLiteral("MRV"),
                               QString(),
                               QString(),
                               false};
}

QString TForm1::Dateiteil() const
{
    if (IstOrdner(FFilename))
        return {};
    return QFileInfo(FFilename).fileName();
}

void TForm1::DateiDialogVorbereiten(TDateiDialog& ADialog)
{
    ADialog.Ordner = FFilename.isEmpty() ? DatenOrdner() : Ordnerteil(FFilename);
    ADialog.Dateiname.clear();
    MerkActiveControl = QApplication::focusWidget();
}

bool TForm1::Speichern(bool SpeichernUnterS)
{
    QString Ziel = FFilename;
    if (SpeichernUnterS) {
        DateiDialogVorbereiten(SaveDialog1);
        Ziel = Plattform().SpeichernDialog(this, SaveDialog1);
        if (Ziel.isEmpty()) {
            SetActiveControl();
            return false;
        }
    }
    QString Fehler;
    const bool OkS = Daten.SaveToFile(Ziel, &Fehler);
    if (OkS) {
        // The new name is taken only once the file is written, so a failed
        // "save as" leaves the diary tied to the file it came from.
        setFilename(Ziel);
        SaveDaten.Assign(Daten);
    } else {
        Plattform().Fehler(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n%2\n\n"
                                          "Ihre Änderungen sind nicht verloren, aber noch nicht gespeichert.")
                               .arg(QDir::toNativeSeparators(Ziel), Fehler));
    }
    if (SpeichernUnterS)
        SetActiveControl();
    // The focus stays where it was and no box appears: without this the save would end in silence.
    if (OkS)
        Bestaetigen(QStringLiteral("Gespeichert: %1").arg(Dateiteil()));
    return OkS;
}

bool TForm1::AenderungenGeklaert()
{
    if (!Ausfuehrbar(MenuDatei, MenuDateiSpeichern))
        return true;
    switch (Plattform().Frage(QStringLiteral("Sollen die vorgenommenen Änderungen gespeichert werden?"), true)) {
    case TPlattform::TAntwort::Ja:
        return Speichern(Dateiteil().isEmpty());
    case TPlattform::TAntwort::Nein:
        return true;
    case TPlattform::TAntwort::Abbrechen:
        break;
    }
    return false;
}

void TForm1::MenuDateiOeffnenClick()
{
    DateiDialogVorbereiten(OpenDialog1);
    const QString Datei = Plattform().OeffnenDialog(this, OpenDialog1);
    if (Datei.isEmpty() || !AenderungenGeklaert()) {
        SetActiveControl();
        return;
    }
    QString Fehler;
    if (Daten.LoadFromFile(Datei, &Fehler)) {
        setFilename(Datei);
        setTagNr(Daten.Count());
        setTagDatenNr(TagDatenCount());
        CaptionZuweisen(true);
        EditZuweisen();
        EditSetFocus(0);
        HinweisNeuerEintrag();
        SaveDaten.Assign(Daten);
    } else if (!Fehler.isEmpty()) {
        LesefehlerMelden(Datei, Fehler);
    }
    // A file that is not a diary leaves the diary as it was, and its unsaved
    // changes stay marked as such.
    SetActiveControl();
}

void TForm1::MenuDateiSpeichernClick()
{
    Speichern(Dateiteil().isEmpty());
}

void TForm1::MenuDateiSpeichernUnterClick()
{
    Speichern(true);
}

void TForm1::MenuDateiCloseClick()
{
    if (!AenderungenGeklaert())
        return;
    Daten.Clear();
    SaveDaten.Clear();
    setFilename(Ordnerteil(FFilename));
    RegistryLadenSpeichern(false);
    setTagNr(0);
    setTagDatenNr(0);
    setDatum(Plattform().Heute());
    CaptionZuweisen(false);
    EditZuweisen();
    EditSetFocus(0);
    HinweisNeuerTag();
}

void TForm1::FormCloseQuery(bool& CanClose)
{
    EditInDaten();
    CanClose = AenderungenGeklaert();
}
