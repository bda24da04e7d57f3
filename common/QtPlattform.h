#pragma once
// The seam as the program uses it: Qt's message boxes with German buttons,
// QApplication::beep, QSoundEffect, Qt's file, font and print dialogs.

#include "Plattform.h"

#include <QHash>

class QSoundEffect;

class TQtPlattform final : public TPlattform {
public:
    TQtPlattform();
    ~TQtPlattform() override;

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
    // One loaded effect per file, so a sound starts at once the next time.
    QHash<QString, QSoundEffect*> FKlaenge;
};
