#pragma once
// The system helpers that need the GUI: finding and raising the program's
// windows, the shell, and saving a text in one of five formats.

#include "Schriftart.h"

#include <QString>
#include <QWidgetList>

class QDialog;
class QPlainTextEdit;
class QWidget;

// The program's top-level windows that have a window handle, in the order they were created.
QWidgetList FensterInErstellungsfolge();

// The first of the program's top-level windows, in the order they were created,
// whose title holds AText for the first time exactly at its end; null when none.
QWidget* FindeFensterTitelEnde(const QString& AText);

// Restores AFenster when minimized, raises and activates it; true when it is the active window then.
bool FensterNachVorne(QWidget* AFenster);

// Runs a modal dialog and gives the activation back to the window it came from:
// without a window manager nobody else does, and the focus would reach no one.
int ModalZeigen(QDialog& ADialog);

// Gives the focus back to the control that had it before a dialog, if it can still take it.
void FokusZurueck(QWidget* AControl);

// Puts the caret of a text editor at the start of its text.
void AnDenAnfang(QPlainTextEdit* AEditor);

// Opens a link, mail link or document with the desktop's handler, or starts a
// program detached with its parameters. One of the shell's results (Plattform.h).
inline constexpr int SW_SHOWNORMAL = 1;
int ShellOeffnen(QWidget* AParent, const QString& ADatei, const QString& AParameter, const QString& AOrdner,
                 const QString& AVerb, int AAnzeige);

// The export formats by their numbers: 0 and 1 both ANSI (Windows-1252), 2 and any number
// not listed UTF-16 LE with byte order mark, 3 rich text in the given font, 4 UTF-8 with byte order mark.
enum class TTextFormat : int { AnsiText = 0, Ansi = 1, Unicode = 2, Rtf = 3, Utf8 = 4 };

// False with the system's reason in AFehler when the file cannot be written.
bool TextSpeichern(const QString& ADatei, const QString& AText, TTextFormat AFormat, const TSchriftart* ASchrift,
                   QString* AFehler = nullptr);
// The same by the format's number (0 to 255).
bool TextSpeichern(const QString& ADatei, const QString& AText, int AFormat, const TSchriftart* ASchrift,
                   QString* AFehler = nullptr);

// The bytes TextSpeichern writes.
QByteArray TextKodiert(const QString& AText, TTextFormat AFormat, const TSchriftart* ASchrift);
QByteArray RtfText(const QString& AText, const TSchriftart* ASchrift);

// Loads Qt's German translation, so the platform's dialogs and key names speak German.
bool DeutscheUebersetzungLaden();

// The program's set-up of the application, once a QApplication exists: German texts and date
// names, the edit boxes' accessible interface, the style with the visible focus.
void ProgrammEinrichten();
