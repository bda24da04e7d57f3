#pragma once
// The dialog in which the user picks the date of a new, moved or copied day.

#include "LuDialog.h"

class QLabel;
class QPushButton;
class TDatePicker;

class TGeheDatumForm : public TLuDialog {
    Q_OBJECT

public:
    explicit TGeheDatumForm(QWidget* AParent = nullptr);  // FormCreate

    QLabel* Label1;
    TDatePicker* DatePicker;
    QPushButton* Button1;
    QPushButton* Button2;

    void CaptionZuweisen();
    void SchalterEinrichten() override;

    // The caller's protocol: the caption by ANr (1 new, 2 move, else copy), the
    // user font, the date, modal showing. The chosen day number after OK, else 0.
    int DatumEingeben(int ADatum, int ANr);

protected:
    void Fokussieren() override;
};
