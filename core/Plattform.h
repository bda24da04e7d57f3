#pragma once
// The one seam between the program and its platform: message boxes, the beep
// and the entry sound, today's date, the common dialogs and the shell.
// The program installs TQtPlattform; tests install a scripted fake.

#include <QString>

class QPrinter;
class QWidget;
struct TSchriftart;

struct TDateiDialog {
    QString Titel;
    QString Filter;  // "Merovan-Dateien (*.MRV);;Alle Dateien (*.*)"
    QString StandardEndung;  // without the dot, e.g. "MRV"
    QString Ordner;  // initial folder
    QString Dateiname;  // initial file name
    bool UeberschreibenFragenS = true;
    int FilterIndex = 1;  // the filter entry shown first, from 1; after a save dialog the one chosen
};

// What ShellOeffnen returns, counted as the platform's shell counts: above 32 is success.
enum TShellErgebnis : int {
    ShellFehlgeschlagen = 0,
    ShellNichtGefunden = 2,
    ShellKeineZuordnung = 31,
    ShellErfolg = 42
};
inline bool ShellErfolgreich(int AErgebnis)
{
    return AErgebnis > 32;
}

class TPlattform {
public:
    enum class TAntwort { Ja, Nein, Abbrechen };

    virtual ~TPlattform() = default;

    // Yes/No, or Yes/No/Cancel when AbbrechenS; closing the box answers
    // Abbrechen (or Nein without a cancel button).
    virtual TAntwort Frage(const QString& AText, bool AbbrechenS) = 0;
    virtual void Information(const QString& AText) = 0;
    virtual void Fehler(const QString& AText) = 0;

    virtual void Piep() = 0;
    // Plays a WAV file without waiting; a missing or unplayable file is ignored.
    virtual void WavAbspielen(const QString& ADatei) = 0;

    // Today as a day number.
    virtual int Heute() = 0;

    // The chosen file, or empty when the user cancelled. A confirmed save dialog
    // keeps the chosen file and filter entry in ADialog, as the next one's start.
    virtual QString OeffnenDialog(QWidget* AParent, const TDateiDialog& ADialog) = 0;
    virtual QString SpeichernDialog(QWidget* AParent, TDateiDialog& ADialog) = 0;
    // The font with its colour; true when the user confirmed, ASchrift then holds the choice.
    virtual bool SchriftartDialog(QWidget* AParent, TSchriftart& ASchrift) = 0;
    // True when the user confirmed the print dialog for APrinter.
    virtual bool DruckDialog(QWidget* AParent, QPrinter& APrinter) = 0;
    virtual bool DruckerVorhanden() = 0;

    // Opens a link, mail link or document, or starts a program; one of the results above.
    virtual int ShellOeffnen(QWidget* AParent, const QString& ADatei, const QString& AParameter, const QString& AOrdner,
                             const QString& AVerb, int AAnzeige)
        = 0;
};

// The installed seam. Before anything is installed, a quiet fallback answers:
// system date, messages to standard error, every question answered Abbrechen.
TPlattform& Plattform();

// Installs APlattform for as long as the guard lives and puts the former one back.
class TPlattformEinsetzen {
public:
    explicit TPlattformEinsetzen(TPlattform& APlattform);
    ~TPlattformEinsetzen();
    TPlattformEinsetzen(const TPlattformEinsetzen&) = delete;
    TPlattformEinsetzen& operator=(const TPlattformEinsetzen&) = delete;

private:
    TPlattform* FVorher;
};
