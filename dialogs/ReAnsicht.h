#pragma once
// The report view: an overview to read, change, divide into pages, print and save.

#include "LuDialog.h"
#include "Plattform.h"

#include <QPageLayout>
#include <QPointer>

class QAction;
class QMenu;
class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TAnsage;

// The entries of the save dialog's file type list, as its filter index counts them.
enum class TBerichtFilter : int { Rtf = 1, Ansi = 2, Unicode = 3, Pdf = 4 };

class TReAnsichtForm : public TLuDialog {
    Q_OBJECT

public:
    explicit TReAnsichtForm(QWidget* AParent = nullptr);  // FormCreate

    QPlainTextEdit* RichEdit1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    // Below the buttons: what a save or a print has done, seen and said (the focus stays put).
    QStatusBar* StatusBar1;
    TAnsage* Meldung;
    QMenu* PopupMenu1;
    QAction* PuSeitenumbruch;
    QAction* PuSeitenumbruchEntfernen;
    QAction* PuKopieren;
    QAction* PuAusschneiden;
    QAction* PuEinfuegen;
    QAction* PuAllesMarkieren;
    QAction* PuRueck;
    QAction* PuDrucken;
    QAction* PuSpeichern;
    // Configured once, so the format and the name chosen last are offered again.
    TDateiDialog SaveDialog1;
    QPointer<QWidget> MerkActiveControl;

    // The text with CR LF line breaks.
    QString Text() const;
    void setText(const QString& AText);

    void CaptionZuweisen();
    void SchalterEinrichten() override;
    // Whether the context menu's item may run now.
    bool Freigegeben(const QAction* AItem) const;

public Q_SLOTS:
    void RichEdit1Change();
    void PopupMenu1Popup();
    void Button1Click();  // print
    void PuSpeichernClick();
    void PuSeitenumbruchClick();
    void PuSeitenumbruchEntfernenClick();
    void SetActiveControl();

protected:
    void Vorbereiten() override;
    void Fokussieren() override;
    void hideEvent(QHideEvent* AEvent) override;
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;

private:
    bool DruckbarS() const;  // the text holds more than blanks and control characters
};

// The page of a report when no printer is set up: A4 upright, 5 mm margins, room for
// 77 characters at 12 points and 93 at 10.
QPageLayout StandardSeitenformat();
// The page the default printer prints on, else the standard one.
QPageLayout Seitenformat();

// Prints the report text on ADevice as it goes to paper: the two replacement passes,
// "Courier New" black at 12 or 10 points by the wide-format test, the whole printable
// area, a new page at every form feed. Pages AVon to ABis (from 1; 0 for all).
// False when the device cannot be painted on or refuses a page.
bool BerichtDrucken(QPagedPaintDevice& AGeraet, const QString& AText, int AVon = 0, int ABis = 0);

// The report as a PDF document of the pages the printer would get; false when it cannot be made.
bool BerichtPdf(const QString& ATitel, const QString& AText, QByteArray& APdf);
