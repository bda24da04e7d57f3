#pragma once
// A focus that can be seen: every control that takes the focus shows it as a frame at least
// three pixels wide, in black or white, whichever stands out more from the control's own
// background (at least 4.5 : 1 for any colour). The toolkit's own is a one-pixel line.

#include <QColor>

// The colour of the focus frame on a background: black or white, whichever contrasts more.
QColor FokusFarbe(const QColor& AHintergrund);
// The frame's width in pixels.
inline constexpr int FokusBreite = 3;

// Puts the style with the visible focus in front of the application's style.
void FokusStilEinrichten();
