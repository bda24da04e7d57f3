#pragma once
// The system helpers that need no widgets: day numbers, the German date names
// and the date text, the folders. The window, shell and export helpers are in LuUtilsGui.h.

#include <QDate>
#include <QString>
#include <array>

// A day number counts whole days since 30 December 1899 (day 0, a Saturday).
QDate TagZuDatum(int ATag);
int DatumZuTag(const QDate& ADatum);

// The date names every date text is built from.
// KurzTag[0] is Sunday … KurzTag[6] Saturday; months run from January.
struct TDatumsnamen {
    std::array<QString, 7> KurzTag;
    std::array<QString, 12> KurzMonat;
    std::array<QString, 12> LangMonat;
};

// The names as the German locale gives them, whatever the system's locale is.
TDatumsnamen DeutscheDatumsnamen();

// The process-wide table, filled from the German locale on first use.
TDatumsnamen& Datumsnamen();

// The three passes: short day names lose a final full stop, Jan/Mrz become
// Jän/Mär, the first long month name Januar becomes Jänner.
void DatumsnamenAnpassen(TDatumsnamen& ANamen);
void DatumsnamenAnpassen();

// "ddd., dd. mmmm yyyy" with the process-wide names, e.g. "Mo., 05. Jänner 2015".
QString DatumText(int ATag);

// The temporary folder, ending with a path delimiter.
QString TempOrdner();

// A special folder by its number (5 = the user's documents folder), ending
// with a path delimiter; empty for a number that is not known.
inline constexpr int CSIDL_PERSONAL = 5;
QString SpezialOrdner(int ANr);

// The application title: the end of the main window's caption, the name of the single-instance lock.
inline const QString ProgrammTitel = QStringLiteral("Merovan V1.02");

// A file that ships with the program: beside the executable, else in the
// installed data folder (share/merovan). The path beside the executable when neither holds it.
QString ProgrammDatei(const QString& AName);

// A whole number with "." between groups of three digits: 1234567 → "1.234.567".
QString MitTausenderPunkten(qint64 AZahl);

// The range of every date the user can enter: 1 January 1900 to 31 December 2500.
inline constexpr int ErstesDatum = 2;
inline constexpr int LetztesDatum = 219512;
