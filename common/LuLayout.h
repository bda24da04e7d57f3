#pragma once
// The rules every window follows so that no text is clipped at any font size:
// the shared user font and background colour, the height of a control from a
// font, the font assignment, and the placement of dialogs.

#include "LuUtilsGui.h"

#include <QColor>
#include <QString>
#include <array>
#include <initializer_list>

class QFont;
class QLabel;
class QWidget;

enum class TSteuerArt { Edit, Knopf, Statusleiste, Kontrollkaestchen, Sonstige };

// The height of one line of "M" in AFont plus the addition for the kind:
// edit box and check box 8, button 12, status bar 6, others 0.
int SchalterHoehe(const QFont& AFont, TSteuerArt AArt);

// The nineteen background colours by row, as the settings store the row.
struct TFarbeintrag {
    const char16_t* Name;
    QRgb Farbe;
};
inline constexpr std::array<TFarbeintrag, 19> Farbliste{{
    {u"Schwarz", 0x000000},    {u"Weiß", 0xFFFFFF},       {u"Gelb", 0xFFFF00},     {u"Blau", 0x0000FF},
    {u"Marineblau", 0x000080}, {u"Himmelblau", 0xA6CAF0}, {u"Blaugrün", 0x008080}, {u"Grün", 0x008000},
    {u"Minzgrün", 0xC0DCC0},   {u"Gelbgrün", 0x00FF00},   {u"Olivgrün", 0x808000}, {u"Grau", 0x808080},
    {u"Dunkelgrau", 0x808080}, {u"Hellgrau", 0xC0C0C0},   {u"Rot", 0xFF0000},      {u"Purpur", 0x800080},
    {u"Lila", 0xFF00FF},       {u"Silber", 0xC0C0C0},     {u"Braun", 0x2B5A8B},
}};

// The first row of the list with this colour, −1 when it is none of them.
int Farbzeile(const QColor& AFarbe);
// The name a person reads for a colour: the list's first name for it, else "#RRGGBB".
QString Farbname(const QColor& AFarbe);

// The contrast ratio of two colours by WCAG 2 (1 to 21); text needs at least 4.5.
double Kontrast(const QColor& A, const QColor& B);

// The system's window text colour, as the settings code it.
inline constexpr quint32 Fenstertextfarbe = 0xFF000008;
// A colour in the platform's 32-bit code: red in the low byte, system colours with the high byte FF.
quint32 FarbCode(const TSchriftart& ASchrift);
void FarbCodeSetzen(TSchriftart& ASchrift, quint32 ACode);

// The user font until the settings name another, and where they name none.
inline const QString StandardSchriftname = QStringLiteral("Courier New");
inline constexpr int StandardSchriftgrad = 12;

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

// The gap between a label and the box beside it: LabelAbstand, or a blank of the label's
// font where that is wider, so that at a large font name and value never read as one word.
int LabelLuecke(const QLabel* ALabel);

// Centres a label on the field it names: top = field top + (field height − label height) div 2.
void LabelZentrieren(QLabel* ALabel, const QWidget* AFeld);

// A label as wide and high as its text.
void LabelAnpassen(QLabel* ALabel);

// A button at least AMindestBreite wide, wider only when its text would be cut.
int KnopfBreite(const QWidget* AKnopf, int AMindestBreite);
// Gives a dialog's buttons one width, at least AMindestBreite, wider only when the widest caption
// needs it, and the button height of their font. Returns the width.
int KnoepfeAngleichen(std::initializer_list<QWidget*> AKnoepfe, int AMindestBreite = DialogKnopfBreite);

// The client height a window can have on its screen: the screen's height less the frame.
// A dialog's list or editor is never made taller than this leaves; it scrolls itself.
int VerfuegbareHoehe(const QWidget* AFenster);
// The first button's left edge and the gap between buttons: AWunsch, or less where a row of
// AAnzahl buttons AKnopfBreite wide would be wider than the screen (at least DialogRand).
int KnopfAbstand(const QWidget* AFenster, int AKnopfBreite, int AAnzahl, int AWunsch);
// AWunsch, or less where the window would be taller than its screen: at least AMindest.
int Gekappt(const QWidget* AFenster, int AWunsch, int AUebrigeHoehe, int AMindest);

// The client width a window can have on its screen: the screen's width less the frame.
int VerfuegbareBreite(const QWidget* AFenster);

// Dialogs and the report view: centred on the whole screen, one pixel up and
// left, never beyond the top or left edge.
void DialogPlatzieren(QWidget* AFenster);
