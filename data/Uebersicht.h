#pragma once
// The overview reports: the print formats, the wide-format test and the report titles.
// The report text itself is TDaten::TabellenStr.

#include <QString>
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

// True when a line of the text, form feeds taken as line breaks, is longer than
// the normal format's line.
bool BreitesFormat(const QString& AText);
