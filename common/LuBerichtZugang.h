#pragma once
// What the screen reader is told about the report's text.
//
// The report editor holds up to a page of lines in one text block, parted by U+2028, because a
// QPlainTextEdit fills one block per line in more than linear time. Qt's own interface for the
// editor would hand the U+2028 on to the screen reader, and its default line queries copy the
// whole text. This one gives "\n" for every U+2028, one character for one, so the offsets are
// those of the text; and it answers every query from the block it falls in.

#include <QAccessibleWidget>

class QPlainTextEdit;
class QTextCursor;

// The editor's property: true on an editor that is to get this interface. Set it before the
// screen reader first asks for the editor.
inline constexpr char ZeilenTrennerText[] = "ZeilenTrennerText";

class TBerichtZugang : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit TBerichtZugang(QPlainTextEdit* AEdit);

    QString text(QAccessible::Text ATeil) const override;
    void setText(QAccessible::Text ATeil, const QString& AText) override;
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
    QString textBeforeOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart,
                             int* AEnde) const override;
    QString textAfterOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart, int* AEnde) const override;
    QString textAtOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart, int* AEnde) const override;
    int characterCount() const override;
    QRect characterRect(int AOffset) const override;
    int offsetAtPoint(const QPoint& APunkt) const override;
    void scrollToSubstring(int AStart, int AEnde) override;
    QString attributes(int AOffset, int* AStart, int* AEnde) const override;

    void deleteText(int AStart, int AEnde) override;
    void insertText(int AOffset, const QString& AText) override;
    void replaceText(int AStart, int AEnde, const QString& AText) override;

private:
    QPlainTextEdit* Edit() const;
    QTextCursor Cursor(int AStart, int AEnde) const;
    // The piece of kind AGrenze in which AOffset stands, as [first, second).
    std::pair<int, int> Stueck(int AOffset, QAccessible::TextBoundaryType AGrenze) const;
    int Versatz(int AOffset) const;
};

// Installs the interface for the editors that carry the property.
void BerichtZugangEinrichten();
