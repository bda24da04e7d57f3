#pragma once
// The dialog in which the user picks the date of a new, moved or copied day.

#include "LuDialog.h"

class QLabel;
class QPushButton;
class TDatePicker;

// What the date is chosen for; it gives the dialog its caption.
enum TDatumZweck { DatumNeu = 1, DatumVerschieben = 2, DatumKopieren = 3 };

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

    // The caller's protocol: the caption by ANr (a TDatumZweck; any other number: copy), the
    // user font, the date, modal showing. The chosen day number after OK, else 0.
    int DatumEingeben(int ADatum, int ANr);

protected:
    void Fokussieren() override;
};
