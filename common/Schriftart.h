#pragma once
// The user font: Qt keeps the colour apart from the font, the program keeps them together.

#include <QColor>
#include <QFont>

struct TSchriftart {
    QFont Font;
    QColor Farbe = Qt::black;
    // The platform's code of a system colour (FF0000nn, 8 the window text) that Farbe stands
    // for, so it is stored as that code again; 0 for a colour of its own.
    quint32 Systemfarbe = 0;
    // The character set number the settings keep (0 to 255); Qt's fonts have none.
    quint8 Zeichensatz = 0;
};
