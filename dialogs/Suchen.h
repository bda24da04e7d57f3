#pragma once
// The dialog "Suche Kommentar": finds the days whose comment holds a text and
// lets the user pick one of them.

#include "LuDialog.h"
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TListBox;
class TDaten;

class TSuchenForm : public TLuDialog {
    Q_OBJECT

public:
    explicit TSuchenForm(QWidget* AParent = nullptr);  // FormCreate

    QLabel* Label1;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1;
    TListBox* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

    // Per line of the hit list: the day's index in the diary, as decimal text.
    QStringList TagNrIndex;
    // The diary searched; set by the caller before each showing.
    const TDaten* DatenRef = nullptr;
    // The text of the last search, offered again at the next showing.
    QString SuchStr;

    void CaptionZuweisen();
    void SchalterEinrichten() override;

public Q_SLOTS:
    void Edit1Change();
    void Button1Click();  // the search

protected:
    void Vorbereiten() override;
    void Fokussieren() override;
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;  // the Enter keys
};
