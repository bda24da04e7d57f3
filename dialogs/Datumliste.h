#pragma once
// The dialog "Gehe zu Tag": every day of the diary, newest first, to pick the
// day to go to. The caller fills the list and selects the day on show.

#include "LuDialog.h"

class QPushButton;
class TListBox;

class TDatumlisteForm : public TLuDialog {
    Q_OBJECT

public:
    explicit TDatumlisteForm(QWidget* AParent = nullptr);  // FormCreate

    TListBox* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;

    void CaptionZuweisen();
    void SchalterEinrichten() override;

protected:
    void Fokussieren() override;
};
