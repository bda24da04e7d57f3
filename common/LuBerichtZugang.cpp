#include "LuBerichtZugang.h"

#include "LuZugang.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr char16_t Zeilentrenner = QChar::LineSeparator;

bool Trenner(QChar c)
{
    return c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A block's lines as the screen shows them (wrapped where the editor wraps).
struct TZeile {
    int Von;  // first character
    int Bis;  // after the last character that the line shows
    int Weiter;  // where the next line begins
};

TZeile Zeile(QTextDocument* ADoc, int AOffset)
{
    const QTextBlock B = ADoc->findBlock(AOffset);
    if (!B.isValid())
        return {AOffset, AOffset, AOffset + 1};
    const int Anfang = B.position();
    const QString T = B.text();
    const int Rel = std::clamp(AOffset - Anfang, 0, int(T.size()));
    QTextLayout* L = B.layout();
    if (L && L->lineCount() == 0 && ADoc->documentLayout())
        ADoc->documentLayout()->blockBoundingRect(B);  // lays this block out, no other
    const QTextLine Z = L ? L->lineForTextPosition(Rel) : QTextLine();
    if (!Z.isValid()) {
        // Not laid out (no width yet): the lines between the separators.
        int Von = Rel, Bis = Rel;
        while (Von > 0 && T.at(Von - 1) != Zeilentrenner)
            --Von;
        while (Bis < T.size() && T.at(Bis) != Zeilentrenner)
            ++Bis;
        return {Anfang + Von, Anfang + Bis, Anfang + Bis + 1};
    }
    const int Von = Z.textStart();
    const int Voll = Von + Z.textLength();
    int Bis = Voll;
    // As the caret's end of line: a line that a separator or a blank ends shows neither.
    if (Z.lineNumber() < L->lineCount() - 1 && Bis > Von && T.at(Bis - 1).isSpace())
        --Bis;
    return {Anfang + Von, Anfang + Bis, Voll >= T.size() ? Anfang + int(T.size()) + 1 : Anfang + Voll};
}

// The line between the separators of the text, as every line was a block of its own.
std::pair<int, int> Absatz(QTextDocument* ADoc, int AOffset)
{
    const QTextBlock B = ADoc->findBlock(AOffset);
    if (!B.isValid())
        return {AOffset, AOffset};
    const QString T = B.text();
    const int Rel = std::clamp(AOffset - B.position(), 0, int(T.size()));
    int Von = Rel, Bis = Rel;
    while (Von > 0 && T.at(Von - 1) != Zeilentrenner)
        --Von;
    while (Bis < T.size() && T.at(Bis) != Zeilentrenner)
        ++Bis;
    return {B.position() + Von, B.position() + Bis};
}

}

TBerichtZugang::TBerichtZugang(QPlainTextEdit* AEdit)
    : QAccessibleWidget(AEdit, QAccessible::EditableText)
{
}

QPlainTextEdit* TBerichtZugang::Edit() const
{
    return static_cast<QPlainTextEdit*>(widget());
}

QTextCursor TBerichtZugang::Cursor(int AStart, int AEnde) const
{
    const int n = characterCount();
    QTextCursor C(Edit()->document());
    C.setPosition(std::clamp(AStart, 0, n));
    C.setPosition(std::clamp(AEnde, 0, n), QTextCursor::KeepAnchor);
    return C;
}

QString TBerichtZugang::text(QAccessible::Text ATeil) const
{
    if (ATeil == QAccessible::Value)
        return Edit()->toPlainText();
    return QAccessibleWidget::text(ATeil);
}

void TBerichtZugang::setText(QAccessible::Text ATeil, const QString& AText)
{
    if (ATeil != QAccessible::Value) {
        QAccessibleWidget::setText(ATeil, AText);
        return;
    }
    if (!Edit()->isReadOnly())
        Edit()->setPlainText(AText);
}

QAccessible::State TBerichtZugang::state() const
{
    QAccessible::State S = QAccessibleWidget::state();
    S.selectableText = true;
    S.multiLine = true;
    S.readOnly = Edit()->isReadOnly();
    S.editable = !Edit()->isReadOnly();
    return S;
}

void* TBerichtZugang::interface_cast(QAccessible::InterfaceType ATyp)
{
    if (ATyp == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (ATyp == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(ATyp);
}

void TBerichtZugang::selection(int ANr, int* AStart, int* AEnde) const
{
    *AStart = *AEnde = 0;
    const QTextCursor C = Edit()->textCursor();
    if (ANr != 0 || !C.hasSelection())
        return;
    *AStart = C.selectionStart();
    *AEnde = C.selectionEnd();
}

int TBerichtZugang::selectionCount() const
{
    return Edit()->textCursor().hasSelection() ? 1 : 0;
}

void TBerichtZugang::addSelection(int AStart, int AEnde)
{
    setSelection(0, AStart, AEnde);
}

void TBerichtZugang::removeSelection(int ANr)
{
    if (ANr != 0)
        return;
    QTextCursor C = Edit()->textCursor();
    C.clearSelection();
    Edit()->setTextCursor(C);
}

void TBerichtZugang::setSelection(int ANr, int AStart, int AEnde)
{
    if (ANr == 0)
        Edit()->setTextCursor(Cursor(AStart, AEnde));
}

int TBerichtZugang::cursorPosition() const
{
    return Edit()->textCursor().position();
}

void TBerichtZugang::setCursorPosition(int APosition)
{
    Edit()->setTextCursor(Cursor(APosition, APosition));
}

QString TBerichtZugang::text(int AStart, int AEnde) const
{
    QString T = Cursor(AStart, AEnde).selectedText();
    for (QChar& c : T) {
        if (Trenner(c))
            c = u'\n';
    }
    return T;
}

int TBerichtZugang::characterCount() const
{
    return Edit()->document()->characterCount() - 1;
}

std::pair<int, int> TBerichtZugang::Stueck(int AOffset, QAccessible::TextBoundaryType AGrenze) const
{
    QTextDocument* Doc = Edit()->document();
    switch (AGrenze) {
    case QAccessible::CharBoundary: {
        QTextCursor C = Cursor(AOffset, AOffset);
        C.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        return {AOffset, C.position()};
    }
    case QAccessible::WordBoundary: {
        QTextCursor C = Cursor(AOffset, AOffset);
        C.movePosition(QTextCursor::StartOfWord);
        const int Von = C.position();
        C.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        return {Von, C.position()};
    }
    case QAccessible::SentenceBoundary: {
        // Within the line, as a line ends every sentence.
        const auto [Von, Bis] = Absatz(Doc, AOffset);
        const QString T = text(Von, Bis);
        QTextBoundaryFinder Satz(QTextBoundaryFinder::Sentence, T);
        Satz.setPosition(AOffset - Von);
        int Vorher = AOffset - Von;
        if (!(Satz.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            Vorher = Satz.toPreviousBoundary();
        const int Nachher = Satz.toNextBoundary();
        return {Vorher >= 0 ? Von + Vorher : Von, Nachher >= 0 ? Von + Nachher : Bis};
    }
    case QAccessible::LineBoundary: {
        const TZeile Z = Zeile(Doc, AOffset);
        return {Z.Von, Z.Bis};
    }
    case QAccessible::ParagraphBoundary:
        return Absatz(Doc, AOffset);
    case QAccessible::NoBoundary:
        break;
    }
    return {0, characterCount()};
}

int TBerichtZugang::Versatz(int AOffset) const
{
    // The interface's two stand-ins: -2 the caret, -1 the end of the text.
    return AOffset == -2 ? cursorPosition() : AOffset == -1 ? characterCount() : AOffset;
}

QString TBerichtZugang::textAtOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart, int* AEnde) const
{
    const int n = characterCount();
    AOffset = Versatz(AOffset);
    *AStart = *AEnde = -1;
    if (AOffset < 0 || AOffset > n || (AGrenze == QAccessible::CharBoundary && AOffset == n))
        return QString();
    const auto [Von, Bis] = Stueck(AOffset, AGrenze);
    *AStart = Von;
    *AEnde = Bis;
    return text(Von, Bis);
}

QString TBerichtZugang::textBeforeOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart,
                                         int* AEnde) const
{
    const int n = characterCount();
    AOffset = Versatz(AOffset);
    *AStart = *AEnde = -1;
    if (AOffset <= 0 || AOffset > n || AGrenze == QAccessible::NoBoundary)
        return QString();
    const int Hier = Stueck(AOffset, AGrenze).first;
    if (Hier <= 0)
        return QString();
    const auto [Von, Bis] = Stueck(Hier - 1, AGrenze);
    *AStart = Von;
    *AEnde = Bis;
    return text(Von, Bis);
}

QString TBerichtZugang::textAfterOffset(int AOffset, QAccessible::TextBoundaryType AGrenze, int* AStart,
                                        int* AEnde) const
{
    const int n = characterCount();
    AOffset = Versatz(AOffset);
    *AStart = *AEnde = -1;
    if (AOffset < 0 || AOffset >= n || AGrenze == QAccessible::NoBoundary)
        return QString();
    int Weiter;
    if (AGrenze == QAccessible::LineBoundary) {
        Weiter = Zeile(Edit()->document(), AOffset).Weiter;
    } else {
        Weiter = Stueck(AOffset, AGrenze).second;
        // A line or a word ends before its separator: the next one begins after it.
        if (Weiter < n && Weiter == Stueck(Weiter, AGrenze).second)
            ++Weiter;
    }
    if (Weiter > n)
        return QString();
    const auto [Von, Bis] = Stueck(Weiter, AGrenze);
    *AStart = Von;
    *AEnde = Bis;
    return text(Von, Bis);
}

QRect TBerichtZugang::characterRect(int AOffset) const
{
    QPlainTextEdit* E = Edit();
    const QRect Caret = E->cursorRect(Cursor(AOffset, AOffset));
    const QString Zeichen = text(AOffset, AOffset + 1);
    const int Breite = Zeichen.isEmpty() || Zeichen == u"\n" ? 1 : E->fontMetrics().horizontalAdvance(Zeichen);
    const QRect Lokal(Caret.left(), Caret.top(), Breite, Caret.height());
    return QRect(E->viewport()->mapToGlobal(Lokal.topLeft()), Lokal.size());
}

int TBerichtZugang::offsetAtPoint(const QPoint& APunkt) const
{
    QPlainTextEdit* E = Edit();
    const QPoint Ort = E->viewport()->mapFromGlobal(APunkt);
    if (!E->viewport()->rect().contains(Ort))
        return -1;
    return E->cursorForPosition(Ort).position();
}

void TBerichtZugang::scrollToSubstring(int, int)
{
    // As Qt's own editors: the caret stays where the user put it.
}

QString TBerichtZugang::attributes(int, int* AStart, int* AEnde) const
{
    // One run over the whole text: the report is plain text in the user's font.
    *AStart = 0;
    *AEnde = characterCount();
    return TextAttribute(Edit());
}

void TBerichtZugang::deleteText(int AStart, int AEnde)
{
    Cursor(AStart, AEnde).removeSelectedText();
}

void TBerichtZugang::insertText(int AOffset, const QString& AText)
{
    Cursor(AOffset, AOffset).insertText(AText);
}

void TBerichtZugang::replaceText(int AStart, int AEnde, const QString& AText)
{
    Cursor(AStart, AEnde).insertText(AText);
}

namespace {
QAccessibleInterface* Fabrik(const QString&, QObject* AObjekt)
{
    auto* E = qobject_cast<QPlainTextEdit*>(AObjekt);
    if (E && E->property(ZeilenTrennerText).toBool())
        return new TBerichtZugang(E);
    return nullptr;
}
}

void BerichtZugangEinrichten()
{
    QAccessible::installFactory(Fabrik);
}
