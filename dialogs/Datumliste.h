#pragma once
// The dialog "Gehe zu Tag": every day of the diary, newest first, to pick the
// day to go to. The caller fills the list and selects the day on show.

#include <QDialog>

class QPushButton;
class TListBox;

class TDatumlisteForm : public QDialog {
    Q_OBJECT

public:
    explicit TDatumlisteForm(QWidget* AParent = nullptr);  // FormCreate

    TListBox* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;

    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

protected:
    void showEvent(QShowEvent* AEvent) override;  // FormShow
};
