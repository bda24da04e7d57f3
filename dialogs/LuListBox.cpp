#include "LuListBox.h"

#include <QAccessible>

TListBox::TListBox(QWidget* AParent)
    : QListView(AParent)
{
    // One line height for all, so no line is laid out on its own.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&FModell);
}

void TListBox::setItems(const QStringList& AItems)
{
    FModell.setStringList(AItems);
}

QString TListBox::Item(int ANr) const
{
    return FModell.data(FModell.index(ANr), Qt::DisplayRole).toString();
}

int TListBox::currentRow() const
{
    const QModelIndex I = currentIndex();
    return I.isValid() && selectionModel()->isSelected(I) ? I.row() : -1;
}

void TListBox::setCurrentRow(int ANr)
{
    const QModelIndex I = FModell.index(ANr);
    if (!I.isValid()) {
        selectionModel()->clear();
        return;
    }
    setCurrentIndex(I);
    scrollTo(I);
}

void TListBox::focusInEvent(QFocusEvent* AEvent)
{
    QListView::focusInEvent(AEvent);
    // Qt tells of the selected line before it tells of the list taking the focus (that comes
    // after this handler), so the screen reader ends on the list ("List with 3 items") and never
    // says the line. Told once more after the list, the line is said: the day on show, the first hit.
    QMetaObject::invokeMethod(this, [this] {
        const QModelIndex I = currentIndex();
        if (I.isValid() && hasFocus() && QAccessible::isActive()) {
            QAccessibleEvent Zeile(this, QAccessible::Focus);
            Zeile.setChild(I.row());
            QAccessible::updateAccessibility(&Zeile);
        }
    }, Qt::QueuedConnection);
}
