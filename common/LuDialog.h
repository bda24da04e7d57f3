#pragma once
// What every dialog of the program repeats: its frame, its row of buttons, the tab order, the user
// font, the place on the screen, and a new layout each time it shows (the font may have changed).

#include <QDialog>
#include <initializer_list>

class QPushButton;

class TLuDialog : public QDialog {
    Q_OBJECT

public:
    // The per-window operations. Each dialog has its own SchalterEinrichten (every size and
    // position from the fonts, ending with FensterEinrichten) and sets its texts in CaptionZuweisen.
    virtual void SchalterEinrichten() = 0;
    // The user font and the background colour on all text controls.
    void SchriftartZuweisen();
    // Centred on the screen.
    void FensterEinrichten();

    // A fixed dialog frame with a title and a close button.
    static constexpr Qt::WindowFlags FesterRahmen
        = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint;

protected:
    // AName is the object name tests and the end-to-end test find the window by;
    // no AFlags keeps QDialog's own.
    TLuDialog(const char* AName, QWidget* AParent, Qt::WindowFlags AFlags = FesterRahmen);

    // A button of the dialog, named AName.
    QPushButton* Knopf(const char* AName);
    // OK accepts, cancel rejects; with StandardS, Enter presses OK wherever no button has the focus.
    void OkAbbrechen(QPushButton* AOk, QPushButton* AAbbrechen, bool StandardS = true);
    // The tab order, in the order given.
    void Tabfolge(std::initializer_list<QWidget*> AFolge);

    // What each showing does besides the layout: before the window appears, and once it shows
    // (where the focus lands).
    virtual void Vorbereiten() {}
    virtual void Fokussieren() = 0;

    void showEvent(QShowEvent* AEvent) override;  // FormShow
};
