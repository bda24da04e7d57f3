#pragma once
// What the screen reader is told about the program's edit boxes.
//
// Qt 6.4 reports the text attributes of a QLineEdit as an empty run at each
// offset; Orca 43 joins those runs and then reads every box without its last
// character ("12" for 120). This interface reports one run over the whole text, with the
// font and the colours as its attributes,
// and otherwise answers as Qt's own does. Edits made through it arrive as key
// presses, so a box's own typing rules (the date box's) still hold.

#include <QAccessibleWidget>

class QLineEdit;

class TZeilenZugang : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
public:
    explicit TZeilenZugang(QLineEdit* AEdit);

    QString text(QAccessible::Text ATeil) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType ATyp) override;

    void selection(int ANr, int* AStart, int* AEnde) const override;
    int selectionCount() const override;
    void addSelection(int AStart, int AEnde) override;
    void removeSelection(int ANr) override;
    void setSelection(int ANr, int AStart, int AEnde) override;
    int cursorPosition() const override;
    void setCursorPosition(int APosition) override;
    QString text(int AStart, int AEnde) const override;
    int characterCount() const override;
    QRect characterRect(int AOffset) const override;
    int offsetAtPoint(const QPoint& APunkt) const override;
    void scrollToSubstring(int AStart, int AEnde) override;
    QString attributes(int AOffset, int* AStart, int* AEnde) const override;

    void deleteText(int AStart, int AEnde) override;
    void insertText(int AOffset, const QString& AText) override;
    void replaceText(int AStart, int AEnde, const QString& AText) override;

private:
    QLineEdit* Edit() const;
    void Tippen(const QString& AText);
};

// Installs the interface for every edit box that shows its text (not for passwords).
void ZugangEinrichten();

// A box's property: while true, the box tells the screen reader of no selection. A box sets it
// when the program, not the user, selected its whole text (so that typing replaces the value):
// Orca would otherwise say "selected" at every arrival and "unselected" at every departure.
inline constexpr char AuswahlVerschwiegen[] = "AuswahlVerschwiegen";

// While it lives, the screen reader hears nothing of what the program changes: filling boxes
// is not typing, and a focus only passed through is no move.
class TZugangStumm {
public:
    TZugangStumm();
    ~TZugangStumm();
    TZugangStumm(const TZugangStumm&) = delete;
    TZugangStumm& operator=(const TZugangStumm&) = delete;

private:
    QAccessible::UpdateHandler FVorher;
};

// Tells the screen reader that the focus has arrived on AWidget, as a new object, so that it
// announces the box (name, value, description) even where it already stood on it.
void FokusMelden(QWidget* AWidget);
