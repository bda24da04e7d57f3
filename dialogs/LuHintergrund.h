#pragma once
// The dialog "Schrifthintergrund wählen": the background colour of all text
// controls, picked by name from nineteen colours. It also keeps the choice.

#include "Schriftart.h"

#include "LuDialog.h"

class QPushButton;
class TListBox;

class THintergrundForm : public TLuDialog {
    Q_OBJECT

public:
    THintergrundForm(QWidget* AOwner, int ABtnWidth, int ARand);  // Create, FormCreate

    TListBox* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    int MerkItemIndex = 0;

    // The selected row; a row outside 0 to 18 selects 0.
    int HintergrundNr() const;
    void setHintergrundNr(int ANr);
    QColor HintergrundFarbe() const;
    int BtnWidth() const { return FBtnWidth; }
    void setBtnWidth(int ABreite);
    int Rand() const { return FRand; }
    void setRand(int ARand);

    void CaptionZuweisen(const QString& ACaption, const QString& ABtn1Caption, const QString& ABtn2Caption);
    void SchriftartZuweisen(const TSchriftart& AFont, const QColor& AColor);
    void SchalterEinrichten() override;

public Q_SLOTS:
    void done(int AErgebnis) override;  // FormClose: Cancel puts the selection back

protected:
    void Vorbereiten() override;
    void Fokussieren() override;

private:
    int FBtnWidth;
    int FRand;
};
