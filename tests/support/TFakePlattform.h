#pragma once
// A scripted seam for tests: answers come from queues, every text shown is
// recorded with its kind, beeps and sounds are counted. A question without a
// queued answer, or an answer left over at the end, fails the running test.

#include "Plattform.h"

#include "Schriftart.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <optional>

class TFakePlattform final : public TPlattform {
public:
    enum class TArt { Frage, Information, Fehler };
    struct TMeldung {
        TArt Art;
        QString Text;
        bool AbbrechenS = false;  // questions only: with a cancel button
    };
    struct TShellAufruf {
        QString Datei, Parameter, Ordner, Verb;
        int Anzeige;
    };

    // Installs itself as the seam until it is destroyed; today is AHeute.
    explicit TFakePlattform(int AHeute = 42009);
    ~TFakePlattform() override;

    // Scripted answers, taken from the front.
    QList<TAntwort> Antworten;
    QStringList Dateien;  // open and save dialogs; empty = cancelled
    QList<int> Filter;  // save dialogs: the filter entry chosen; none = as shown
    QList<std::optional<TSchriftart>> Schriften;  // font dialog; nullopt = cancelled
    QList<bool> Drucke;  // print dialog
    QString DruckDatei;  // set: a confirmed print goes to this PDF file
    int DruckVon = 0, DruckBis = 0;  // set: the page range chosen in the print dialog
    bool DruckerS = true;
    int ShellErgebnis = ShellErfolg;
    int HeuteWert;

    // What happened.
    QList<TMeldung> Meldungen;
    QList<TDateiDialog> DateiDialoge;
    QList<TShellAufruf> ShellAufrufe;
    int Piepse = 0;
    QStringList Klaenge;

    QStringList Texte(TArt AArt) const;

    TAntwort Frage(const QString& AText, bool AbbrechenS) override;
    void Information(const QString& AText) override;
    void Fehler(const QString& AText) override;
    void Piep() override;
    void WavAbspielen(const QString& ADatei) override;
    int Heute() override;
    QString OeffnenDialog(QWidget* AParent, const TDateiDialog& ADialog) override;
    QString SpeichernDialog(QWidget* AParent, TDateiDialog& ADialog) override;
    bool SchriftartDialog(QWidget* AParent, TSchriftart& ASchrift) override;
    bool DruckDialog(QWidget* AParent, QPrinter& APrinter) override;
    bool DruckerVorhanden() override;
    int ShellOeffnen(QWidget* AParent, const QString& ADatei, const QString& AParameter, const QString& AOrdner,
                     const QString& AVerb, int AAnzeige) override;

private:
    QString DateiAntwort(const TDateiDialog& ADialog, const char* AWas);
    TPlattformEinsetzen FEinsetzen;
};
