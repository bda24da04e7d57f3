#pragma once

#include "LuZugang.h"

#include <QLineEdit>

// An edit box of the main window. It selects its whole text however the focus
// arrives (Qt does so only for Tab and shortcuts), so typing replaces the value.
// That selection is the program's, not the user's: the screen reader is not told of it.
class TFeldEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TFeldEdit(QWidget* AParent)
        : QLineEdit(AParent)
    {
        // Any change of the selection after it is the user's own, and is said.
        connect(this, &QLineEdit::selectionChanged, this, [this] { setProperty(AuswahlVerschwiegen, false); });
    }
    int Tag = 0;

    void GanzMarkieren()
    {
        selectAll();
        setProperty(AuswahlVerschwiegen, true);
    }

protected:
    void focusInEvent(QFocusEvent* AEvent) override
    {
        QLineEdit::focusInEvent(AEvent);
        GanzMarkieren();
    }
};
