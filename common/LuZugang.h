#pragma once
// What the screen reader is told, and the ways round what Qt 6.4 and Orca 43 get wrong. Every
// workaround of the program lives here; the windows make one call each.
//
// | Workaround | Symptom it answers (Qt 6.4.2, Orca 43.1) | Pinned by | Retired by |
// |---|---|---|---|
// | TZeilenZugang: one attribute run over the whole text | Qt reports an empty run at each offset; Orca joins them and
// reads "12" for 120 | TestLuDatePicker::BildschirmleserSiehtGanzenText, Vorlesen | a Qt whose QLineEdit reports its
// runs | | AuswahlVerschwiegen: the program's own selection is not reported | "selected" at every arrival, "unselected"
// at every departure, "Selection deleted" when the box is filled | TestHaupt::SprungAlsAnkunftGehoert, Vorlesen | an
// Orca that tells programmatic selections from the user's | | TZugangStumm: the program's own changes are not heard |
// filling boxes is read out as typing; a focus only passed through is said | TestHaupt::SprungAlsAnkunftGehoert |
// Qt 6.8's announcement API in place of the changes | | FokusAnkunft: the accessible made anew on arrival | Orca
// ignores a focus event for the object it stands on, so a jump to the same box is silent |
// TestHaupt::SprungAlsAnkunftGehoert, Vorlesen | an Orca that presents a repeated focus event | | ZeileMelden: a list's
// line told again after the list | Qt tells of the line before the list takes the focus; Orca ends on "List with 3
// items" | TestDatumliste::ZeileZuletztGemeldet, Vorlesen | a Qt that sends the list's focus first | | ZeileVerborgen:
// no line of a hidden list is focused or showing | a closed dialog's current line still reports focused and showing, so
// two objects claim the focus | TestDatumliste::VerborgeneListeOhneFokus | a Qt whose item cells ask the view for focus
// and visibility | | TAnsage, UnsichtbareAnsage: a message said without moving the focus | Qt 6.4 has no announcement
// API; name and description changes, Alert events and QStatusBar::showMessage are not spoken |
// TestHaupt::SpeichernBestaetigt, TestLuDatePicker::Ansagen, Vorlesen | Qt 6.8's QAccessibleAnnouncementEvent | | The
// date box speaks through a TAnsage of its own (UnsichtbareAnsage), its edits kept quiet (TZugangStumm) and its part
// unreported (AuswahlVerschwiegen) | the box's own edits are heard as "13 unselected 12 selected", a step's new weekday
// is never said, some moves say nothing | TestLuDatePicker::Ansagen, Vorlesen | a date control Orca understands, or
// Qt 6.8's announcements |
//
// TAnsage follows the one route Orca 43 speaks with Qt 6.4: a widget of the role Notification,
// shown anew for each message, without a name, its text in a child label. Inside a status bar
// Orca says no role word before it, and the Braille display flashes the label's text.

#include <QAccessibleWidget>
#include <QWidget>

class QAbstractItemView;
class QLabel;
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

    // Edits made through the interface arrive as key presses, so a box's own typing rules hold.
    void deleteText(int AStart, int AEnde) override;
    void insertText(int AOffset, const QString& AText) override;
    void replaceText(int AStart, int AEnde, const QString& AText) override;

private:
    QLineEdit* Edit() const;
    void Tippen(const QString& AText);
};

// The text attributes of a whole text shown in AWidget's font and colours, as one run, in Qt's
// names (its AT-SPI bridge turns them into family-name, size, fg-color and bg-color).
QString TextAttribute(const QWidget* AWidget);

// Installs the program's accessible interfaces: every edit box that shows its text (not
// passwords), and the messages.
void ZugangEinrichten();

// A box's property: while true, the box tells the screen reader of no selection. A box sets it
// when the program, not the user, selected (the field boxes' whole text, the date box's part).
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

// Gives AWidget the focus without a word: the focus only passes through.
void FokusStill(QWidget* AWidget);

// Gives AWidget the focus and tells the screen reader of the arrival as of a new object, so that
// it announces the box (name, value, description) even where it already stood on it.
void FokusAnkunft(QWidget* AWidget);

// Sets a box's description (what the screen reader says after its name and value on arrival)
// without an event: a change alone is not announced.
void BeschreibungSetzen(QWidget* AWidget, const QString& AText);

// Tells the screen reader of the list's current line once more, after the list itself: called
// when the list takes the focus.
void ZeileMelden(QAbstractItemView* AListe);

// True while the list's window is hidden: then no line may report focused or showing.
bool ZeileVerborgen(const QAbstractItemView* AListe);

// A message the screen reader says when it comes, without moving the focus; its label shows it
// to the eye where the status bar is seen. AHalter lies in a status bar. Hidden until the first
// message; the window hides it again where old news must not come back with the window.
class TAnsage : public QWidget {
    Q_OBJECT

public:
    explicit TAnsage(QWidget* AHalter, bool ANurHoerbarS = false);

    QLabel* Zeile() const { return FZeile; }
    // Shows AText and has it said. ABox: the focused box whose text the program changed unheard;
    // its Braille line is renewed first, so the line the flash gives back is the new one.
    void Ansagen(const QString& AText, QWidget* ABox = nullptr);

private:
    QLabel* FZeile;
    bool FNurHoerbarS;
};

// A message heard but not seen, for a window without a status bar: a status bar of no size holds
// it. In a dialog Orca says the dialog's name before every message, unless the message lies in
// an object of the role Window of its own; and its text is hidden again at once, so that it is
// never read as part of the dialog later.
TAnsage* UnsichtbareAnsage(QWidget* AFenster);
