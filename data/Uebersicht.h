#pragma once
// The overview reports: the print formats, the wide-format test and the report titles.
// The report text itself is TDaten::TabellenStr.

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Index 0 is the normal format, index 1 the wide one.
inline constexpr std::array<int, 2> DruckSchriftgrad{12, 10};
inline constexpr std::array<int, 2> ZeichenProZeile{77, 93};
inline constexpr std::array<int, 2> ZeilenProSeite{63, 77};

// Titles of the report window by report kind 1 (one day; %1 is its date text),
// 2 (the week of that day) and 3 (all days), at index kind − 1.
inline const std::array<QString, 3> UebersichtTitel{QStringLiteral("Übersicht von %1"),
                                                    QStringLiteral("Übersicht einer Woche"),
                                                    QStringLiteral("Übersicht aller Tage")};

// A string of AZeichen characters, not yet filled; for a report of many days, with memory
// that is quick to fill for the first time.
QString GrosserText(qsizetype AZeichen);

// True when a line of the text, form feeds taken as line breaks, is longer than
// the normal format's line.
bool BreitesFormat(const QString& AText);

// The text as it goes to paper: every CR LF FF and then every FF CR LF becomes
// FF alone, each pass once from left to right, so the line break beside a page
// break prints as no empty line.
QString DruckText(const QString& AText);

// The printed text divided into pages of at most AZeilenProSeite lines. A line
// longer than AZeichenProZeile goes on in the next line, so nothing is cut off;
// a form feed ends the page and the line it stands in. The empty line after a
// final line break, and an empty page at the end, are not printed.
QList<QStringList> DruckSeiten(const QString& ADruckText, int AZeichenProZeile, int AZeilenProSeite);
