#pragma once
// The change history "History.txt" in a read-only text window of the program's
// own, in the user font and background colour.

#include "LuDialog.h"

class QPlainTextEdit;

class THistorieForm : public TLuDialog {
    Q_OBJECT

public:
    explicit THistorieForm(QWidget* AParent = nullptr);

    QPlainTextEdit* RichEdit1;

    // Reads the file (UTF-8); false with the reason in AFehler when it cannot be read.
    bool Laden(const QString& ADatei, QString* AFehler = nullptr);
    void SchalterEinrichten() override;

protected:
    void Fokussieren() override;
    bool eventFilter(QObject* AObjekt, QEvent* AEvent) override;
};
