#pragma once
// Which days an overview shows, chosen without its window.

#include "TDaten.h"

// The three overviews, numbered as the menus and the titles count them.
enum class TUebersichtArt { Tag = 1, Woche = 2, Alle = 3 };

// The days of the overview of the day ATagIndex (0-based): that day alone, its week from
// Monday to Sunday, or all days. The field names come first, so the days are padded to them.
TDaten Uebersichtstage(const TDaten& ADaten, int ATagIndex, TUebersichtArt AArt);
