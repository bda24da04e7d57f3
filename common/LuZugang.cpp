#include "LuZugang.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>

TZeilenZugang::TZeilenZugang(QLineEdit* AEdit)
    : QAccessibleWidget(AEdit, QAccessible::EditableText)
{
}

QLineEdit* TZeilenZugang::Edit() const
{
    return static_cast<QLineEdit*>(widget());
}

QString TZeilenZugang::text(QAccessible::Text ATeil) const
{
    if (ATeil == QAccessible::Value)
        return Edit()->text();
    return QAccessibleWidget::text(ATeil);  // the name comes from the label that names the box
}

QAccessible::State TZeilenZugang::state() const
{
    QAccessible::State S = QAccessibleWidget::state();
    S.readOnly = Edit()->isReadOnly();
    S.editable = !Edit()->isReadOnly();
    S.selectableText = true;
    return S;
}

void* TZeilenZugang::interface_cast(QAccessible::InterfaceType ATyp)
{
    if (ATyp == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (ATyp == QAccessible::EditableTextInterface && !Edit()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(ATyp);
}

void TZeilenZugang::selection(int ANr, int* AStart, int* AEnde) const
{
    *AStart = *AEnde = 0;
    if (ANr != 0 || selectionCount() == 0)
        return;
    *AStart = Edit()->selectionStart();
    *AEnde = *AStart + int(Edit()->selectedText().size());
}

int TZeilenZugang::selectionCount() const
{
    return Edit()->hasSelectedText() && !Edit()->property(AuswahlVerschwiegen).toBool() ? 1 : 0;
}

void TZeilenZugang::addSelection(int AStart, int AEnde)
{
    setSelection(0, AStart, AEnde);
}

void TZeilenZugang::removeSelection(int ANr)
{
    if (ANr == 0)
        Edit()->deselect();
}

void TZeilenZugang::setSelection(int ANr, int AStart, int AEnde)
{
    if (ANr == 0)
        Edit()->setSelection(AStart, AEnde - AStart);
}

int TZeilenZugang::cursorPosition() const
{
    return Edit()->cursorPosition();
}

void TZeilenZugang::setCursorPosition(int APosition)
{
    Edit()->setCursorPosition(APosition);
}

QString TZeilenZugang::text(int AStart, int AEnde) const
{
    return Edit()->text().mid(AStart, AEnde - AStart);
}

int TZeilenZugang::characterCount() const
{
    return int(Edit()->text().size());
}

QRect TZeilenZugang::characterRect(int AOffset) const
{
    QLineEdit* E = Edit();
    QStyleOptionFrame Option;
    Option.initFrom(E);
    const QRect Inhalt = E->style()->subElementRect(QStyle::SE_LineEditContents, &Option, E);
    const QFontMetrics M = E->fontMetrics();
    const QString T = E->text();
    const int x = Inhalt.left() + E->textMargins().left() + 2 + M.horizontalAdvance(T.left(AOffset));
    const int Breite = AOffset < T.size() ? M.horizontalAdvance(T.at(AOffset)) : 1;
    const QRect Lokal(x, Inhalt.top() + (Inhalt.height() - M.height()) / 2, Breite, M.height());
    return QRect(E->mapToGlobal(Lokal.topLeft()), Lokal.size());
}

int TZeilenZugang::offsetAtPoint(const QPoint& APunkt) const
{
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(APunkt));
}

void TZeilenZugang::scrollToSubstring(int AStart, int)
{
    Edit()->setCursorPosition(AStart);
}

QString TZeilenZugang::attributes(int, int* AStart, int* AEnde) const
{
    // One run over the whole text, with the font and colours the user chose.
    *AStart = 0;
    *AEnde = characterCount();
    return TextAttribute(Edit());
}

QString TextAttribute(const QWidget* AWidget)
{
    const QFont& F = AWidget->font();
    const auto Farbe
        = [](const QColor& C) { return QStringLiteral("rgb(%1,%2,%3)").arg(C.red()).arg(C.green()).arg(C.blue()); };
    return QStringLiteral("font-family:%1;font-size:%2pt;color:%3;background-color:%4;")
        .arg(F.family())
        .arg(F.pointSize())
        .arg(Farbe(AWidget->palette().color(QPalette::Text)), Farbe(AWidget->palette().color(QPalette::Base)));
}

void TZeilenZugang::Tippen(const QString& AText)
{
    for (QChar c : AText) {
        QKeyEvent Druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Edit(), &Druck);
    }
}

void TZeilenZugang::deleteText(int AStart, int AEnde)
{
    Edit()->setSelection(AStart, AEnde - AStart);
    QKeyEvent Druck(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QApplication::sendEvent(Edit(), &Druck);
}

void TZeilenZugang::insertText(int AOffset, const QString& AText)
{
    Edit()->setCursorPosition(AOffset);
    Tippen(AText);
}

void TZeilenZugang::replaceText(int AStart, int AEnde, const QString& AText)
{
    Edit()->setSelection(AStart, AEnde - AStart);
    Tippen(AText);
}

namespace {
// Marks the holder of a message heard but not seen.
constexpr char AnsageRahmen[] = "AnsageRahmen";

QAccessibleInterface* Fabrik(const QString&, QObject* AObjekt)
{
    if (auto* E = qobject_cast<QLineEdit*>(AObjekt); E && E->echoMode() == QLineEdit::Normal)
        return new TZeilenZugang(E);
    // No name: the text is the label's. With a name, the Braille display flashes an empty line.
    if (auto* A = qobject_cast<TAnsage*>(AObjekt))
        return new QAccessibleWidget(A, QAccessible::Notification);
    if (auto* W = qobject_cast<QWidget*>(AObjekt); W && W->property(AnsageRahmen).toBool())
        return new QAccessibleWidget(W, QAccessible::Window);
    return nullptr;
}

void Verwerfen(QAccessibleEvent*) {}

void FokusMelden(QWidget* AWidget)
{
    if (!AWidget->hasFocus())
        return;  // the window is not active; its activation will announce the focus
    // Orca ignores a focus event for the object it stands on. The box's accessible made anew has a
    // new identity (the next free number after the old one), and the old one is gone, so Orca
    // presents the box as on any arrival.
    if (QAccessibleInterface* Alt = QAccessible::queryAccessibleInterface(AWidget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(Alt));
    QAccessibleEvent Fokus(AWidget, QAccessible::Focus);
    QAccessible::updateAccessibility(&Fokus);
}
}

void ZugangEinrichten()
{
    QAccessible::installFactory(Fabrik);
}

TZugangStumm::TZugangStumm()
    : FVorher(QAccessible::installUpdateHandler(Verwerfen))
{
}

TZugangStumm::~TZugangStumm()
{
    QAccessible::installUpdateHandler(FVorher);
}

void FokusStill(QWidget* AWidget)
{
    // The box's selection and caret events would be read out before the box itself.
    TZugangStumm Stumm;
    AWidget->setFocus();
}

void FokusAnkunft(QWidget* AWidget)
{
    FokusStill(AWidget);
    FokusMelden(AWidget);
}

void BeschreibungSetzen(QWidget* AWidget, const QString& AText)
{
    if (AWidget->accessibleDescription() == AText)
        return;
    TZugangStumm Stumm;
    AWidget->setAccessibleDescription(AText);
}

void ZeileMelden(QAbstractItemView* AListe)
{
    // Qt tells of the selected line before it tells of the list taking the focus (that comes
    // after the focus handler), so the screen reader ends on the list ("List with 3 items") and
    // never says the line. Told once more after the list, the line is said.
    QMetaObject::invokeMethod(
        AListe,
        [AListe] {
            const QModelIndex I = AListe->currentIndex();
            if (I.isValid() && AListe->hasFocus() && QAccessible::isActive()) {
                QAccessibleEvent Zeile(AListe, QAccessible::Focus);
                Zeile.setChild(I.row());
                QAccessible::updateAccessibility(&Zeile);
            }
        },
        Qt::QueuedConnection);
}

bool ZeileVerborgen(const QAbstractItemView* AListe)
{
    return !AListe->isVisible();
}

TAnsage::TAnsage(QWidget* AHalter, bool ANurHoerbarS)
    : QWidget(AHalter)
    , FZeile(new QLabel(this))
    , FNurHoerbarS(ANurHoerbarS)
{
    auto* Rahmen = new QHBoxLayout(this);
    Rahmen->setContentsMargins(0, 0, 0, 0);
    Rahmen->addWidget(FZeile);
    // Shown only by a message: shown with its window, it would be said with no news, or with old news.
    hide();
}

void TAnsage::Ansagen(const QString& AText, QWidget* ABox)
{
    if (ABox && ABox->hasFocus() && QAccessible::isActive()) {
        // Orca renews the Braille line of the focused box at a selection event and says nothing
        // when no selection is reported.
        QAccessibleTextSelectionEvent Zeile(ABox, -1, -1);
        QAccessible::updateAccessibility(&Zeile);
    }
    // Each message is a new showing; a changed text alone is not said.
    hide();
    FZeile->setText(AText);
    show();
    // Orca reads a message in a status bar whether it still shows or not.
    if (FNurHoerbarS)
        hide();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && defined(Q_OS_WIN)
    // UI Automation's notification event, which Qt offers from 6.8 on.
    QAccessibleAnnouncementEvent Meldung(this, AText);
    QAccessible::updateAccessibility(&Meldung);
#endif
}

TAnsage* UnsichtbareAnsage(QWidget* AFenster)
{
    auto* Leiste = new QStatusBar(AFenster);
    Leiste->setSizeGripEnabled(false);
    Leiste->setFixedSize(0, 0);  // heard, not seen: the window shows the same elsewhere
    auto* Rahmen = new QWidget(Leiste);
    Rahmen->setProperty(AnsageRahmen, true);
    Leiste->addWidget(Rahmen);
    return new TAnsage(Rahmen, true);
}
