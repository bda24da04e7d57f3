#pragma once
// The rules every window follows so that no text is clipped at any font size:
// the shared user font and background colour, the height of a control from a
// font, the font assignment, and the placement of dialogs.

#include "LuUtilsGui.h"

#include <QColor>
#include <initializer_list>

class QFont;
class QLabel;
class QWidget;

enum class TSteuerArt { Edit, Knopf, Statusleiste, Kontrollkaestchen, Sonstige };

// The height of one line of "M" in AFont plus the addition for the kind:
// edit box and check box 8, button 12, status bar 6, others 0.
int SchalterHoehe(const QFont& AFont, TSteuerArt AArt);

// Shared by all windows for the life of the main window.
TSchriftart& Benutzerschrift();
QColor& Hintergrundfarbe();

// Labels, edit boxes, lists, check boxes, status bars and text editors get the
// whole font and the background colour; push buttons only the font's name and size.
void SchriftartZuweisen(QWidget* AFenster, const TSchriftart& ASchrift, const QColor& AHintergrund);

// Common measures of the dialogs.
inline constexpr int DialogRand = 10;
inline constexpr int ZeilenAbstand = 10;
inline constexpr int LabelAbstand = 5;
inline constexpr int DialogKnopfBreite = 125;

// Centres a label on the field it names: top = field top + (field height − label height) div 2.
void LabelZentrieren(QLabel* ALabel, const QWidget* AFeld);

// A label as wide and high as its text.
void LabelAnpassen(QLabel* ALabel);

// A button at least AMindestBreite wide, wider only when its text would be cut.
int KnopfBreite(const QWidget* AKnopf, int AMindestBreite);
// The one width of a dialog's buttons: DialogKnopfBreite, or what the widest caption needs.
int GemeinsameKnopfBreite(std::initializer_list<const QWidget*> AKnoepfe);

// Dialogs and the report view: centred on the whole screen, one pixel up and
// left, never beyond the top or left edge.
void DialogPlatzieren(QWidget* AFenster);
