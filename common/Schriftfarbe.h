#pragma once
// The font colour, chosen by name in a small dialog of its own: Qt's font dialog has no colour,
// so the font dialog's flow goes on with this list.

#include "Schriftart.h"

class QWidget;

// The system's window text colour, the colour in use if it is none of the list's, and the
// nineteen named colours, in the user's font. True with the choice in ASchrift; false when cancelled.
bool SchriftfarbeWaehlen(QWidget* AParent, TSchriftart& ASchrift);
