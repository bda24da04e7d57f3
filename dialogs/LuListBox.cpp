#include "LuListBox.h"

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
