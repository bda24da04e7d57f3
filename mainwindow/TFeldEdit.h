#pragma once

#include <QLineEdit>

// An edit box of the main window. It selects its whole text however the focus
// arrives (Qt does so only for Tab and shortcuts), so typing replaces the value.
class TFeldEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
    int Tag = 0;

protected:
    void focusInEvent(QFocusEvent* AEvent) override
    {
        QLineEdit::focusInEvent(AEvent);
        selectAll();
    }
};
