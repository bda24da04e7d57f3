#pragma once
// A list of text lines for the dialogs: a view on a string model, so that tens
// of thousands of lines are filled and emptied at once, without one object per line.

#include <QListView>
#include <QStringListModel>

class TListBox : public QListView {
    Q_OBJECT

public:
    explicit TListBox(QWidget* AParent = nullptr);

    // Replaces every line; no line is selected afterwards.
    void setItems(const QStringList& AItems);
    QStringList Items() const { return FModell.stringList(); }
    int count() const { return FModell.rowCount(); }
    QString Item(int ANr) const;

    // The selected line, −1 when none.
    int currentRow() const;
    // Selects line ANr and scrolls it into view; −1 or a line that does not exist selects none.
    void setCurrentRow(int ANr);

    // No line of a hidden list has a place on the screen, so none reports showing.
    QRect visualRect(const QModelIndex& AIndex) const override;

protected:
    void focusInEvent(QFocusEvent* AEvent) override;
    void showEvent(QShowEvent* AEvent) override;
    void hideEvent(QHideEvent* AEvent) override;

private:
    QStringListModel FModell;
};
