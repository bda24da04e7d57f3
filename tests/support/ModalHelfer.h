#pragma once
// Answers the next modal dialog as soon as it shows and is active. A dialog nobody answers is
// rejected after ten seconds, and one left open by a failed check at once, so a
// test never hangs on it.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

inline void BeimNaechstenDialog(std::function<void(QWidget*)> AAktion)
{
    auto* Uhr = new QTimer;
    auto Start = std::make_shared<QElapsedTimer>();
    Start->start();
    QObject::connect(Uhr, &QTimer::timeout, [Uhr, Start, AAktion] {
        QWidget* Dialog = QApplication::activeModalWidget();
        // Shown and active, so the focus is where the dialog put it (on a busy machine
        // the activation can come a little after the showing).
        if (Dialog && Dialog->isVisible() && (QApplication::activeWindow() == Dialog || Start->elapsed() > 3000)) {
            Uhr->stop();
            Uhr->deleteLater();
            AAktion(Dialog);
            auto* D = qobject_cast<QDialog*>(Dialog);
            if (QTest::currentTestFailed() && D && D->isVisible())
                D->reject();
        } else if (Start->elapsed() > 10000) {
            Uhr->stop();
            Uhr->deleteLater();
            if (auto* D = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                D->reject();
        }
    });
    Uhr->start(20);
}
