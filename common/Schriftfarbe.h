#pragma once
// The font colour, chosen by name in a small dialog of its own: Qt's font dialog has no colour,
// so the font dialog's flow goes on with this list.

#include "LuDialog.h"
#include "Schriftart.h"

#include <QList>

class QListWidget;
class QPushButton;

// The system's window text colour, the colour in use if it is none of the list's, and the
// nineteen named colours, in the user's font. Laid out by Qt's layouts from that font.
class TSchriftfarbeForm : public TLuDialog {
    Q_OBJECT

public:
    TSchriftfarbeForm(QWidget* AParent, const TSchriftart& ASchrift);

    QListWidget* Liste;
    QPushButton* Ok;
    QPushButton* Abbrechen;

    // The chosen line's colour into ASchrift; false when no line is chosen.
    bool Uebernehmen(TSchriftart& ASchrift) const;

    void SchalterEinrichten() override {}

protected:
    void Fokussieren() override;

private:
    struct TWahl {
        quint32 Code;
        QColor Farbe;
    };
    QList<TWahl> FWahlen;
};

// Shows the list on ASchrift's colour. True with the choice in ASchrift; false when cancelled.
bool SchriftfarbeWaehlen(QWidget* AParent, TSchriftart& ASchrift);
