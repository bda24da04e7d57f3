#include "LuListBox.h"

#include "LuZugang.h"

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

// The selection, not the current line, holds the choice: a hidden list has no current line,
// because Qt reports the current line as focused.
int TListBox::currentRow() const
{
    const QModelIndexList Gewaehlt = selectionModel()->selectedIndexes();
    return Gewaehlt.isEmpty() ? -1 : Gewaehlt.first().row();
}

void TListBox::setCurrentRow(int ANr)
{
    const QModelIndex I = FModell.index(ANr);
    if (!I.isValid()) {
        selectionModel()->clear();
        return;
    }
    if (ZeileVerborgen(this)) {
        selectionModel()->select(I, QItemSelectionModel::ClearAndSelect);
        return;
    }
    setCurrentIndex(I);
    scrollTo(I);
}

QRect TListBox::visualRect(const QModelIndex& AIndex) const
{
    return ZeileVerborgen(this) ? QRect() : QListView::visualRect(AIndex);
}

void TListBox::focusInEvent(QFocusEvent* AEvent)
{
    QListView::focusInEvent(AEvent);
    ZeileMelden(this);
}

void TListBox::showEvent(QShowEvent* AEvent)
{
    QListView::showEvent(AEvent);
    const int Zeile = currentRow();
    if (Zeile >= 0) {
        selectionModel()->setCurrentIndex(FModell.index(Zeile), QItemSelectionModel::NoUpdate);
        scrollTo(currentIndex());
    }
}

void TListBox::hideEvent(QHideEvent* AEvent)
{
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    QListView::hideEvent(AEvent);
}
