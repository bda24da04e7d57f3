#pragma once
// The dialog in which the user edits the field names, one per line, or the
// comment of the day on show.

#include "LuDialog.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class TFelderForm : public TLuDialog {
    Q_OBJECT

public:
    explicit TFelderForm(QWidget* AParent = nullptr);  // FormCreate

    QPlainTextEdit* RichEdit1;
    QPushButton* Button1;
    QPushButton* Button2;
    QMenu* PopupMenu1;
    QAction* PuKopieren;
    QAction* PuAusschneiden;
    QAction* PuEinfuegen;
    QAction* PuAllesMarkieren;

    // True: field names, cleaned on closing. False: the day's comment, as typed.
    bool FelderS = true;
    // The number of names when the dialog opened; 0: no check of the count.
    int Zeilen = 0;

    // The editor's lines, each trimmed, empty ones dropped, at most ten names of
    // at most 25 characters, each followed by CR LF.
    QString FelderText() const;
    // The text as the editor holds it, with CR LF line breaks.
    QString Text() const;
    // Fills the editor (CR LF, CR or LF line breaks).
    void setText(const QString& AText);
    // The editor's lines; a final line break ends the last line.
    int Zeilenzahl() const;

    void CaptionZuweisen();
    void SchalterEinrichten() override;

public Q_SLOTS:
    void RichEdit1Change();
    void PopupMenu1Popup();
    void done(int AErgebnis) override;  // FormCloseQuery, then the close

protected:
    void Vorbereiten() override;
    void Fokussieren() override;
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;
};

// The cleaning of FelderText on any text.
QString FelderBereinigt(const QString& AText);
