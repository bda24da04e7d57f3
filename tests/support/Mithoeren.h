#pragma once
// Listens, as a screen reader would, to what the program tells it while a TMithoeren lives. Each
// event is noted as "<kind> <object name>"; a focus also with the identity of the accessible it
// names, or the line of a list it names; a message that appears as "Ansage <its text>". Needs Qt6::GuiPrivate, to
// switch accessibility on offscreen.

#include <QAccessible>
#include <QObject>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

inline QStringList& Gehoert()
{
    static QStringList Liste;
    return Liste;
}

inline void Mithoeren(QAccessibleEvent* AEvent)
{
    const QString Wer = AEvent->object() ? AEvent->object()->objectName() : QString();
    switch (AEvent->type()) {
    case QAccessible::Focus:
        if (AEvent->child() >= 0)
            Gehoert() << QStringLiteral("Fokus %1 Zeile %2").arg(Wer).arg(AEvent->child());
        else
            Gehoert()
                << QStringLiteral("Fokus %1 #%2").arg(Wer).arg(QAccessible::uniqueId(AEvent->accessibleInterface()));
        break;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        Gehoert() << QStringLiteral("Text %1").arg(Wer);
        break;
    case QAccessible::TextSelectionChanged:
        Gehoert() << QStringLiteral("Auswahl %1").arg(Wer);
        break;
    case QAccessible::TextCaretMoved:
        Gehoert() << QStringLiteral("Cursor %1").arg(Wer);
        break;
    case QAccessible::ObjectShow:
        // A message is said as it appears: its text is the label inside it.
        if (QAccessibleInterface* I = AEvent->accessibleInterface(); I && I->role() == QAccessible::Notification)
            Gehoert()
                << QStringLiteral("Ansage %1").arg(I->childCount() ? I->child(0)->text(QAccessible::Name) : QString());
        break;
    default:
        break;
    }
}

struct TMithoeren {
    QPlatformAccessibility* Zugang = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QAccessible::UpdateHandler Vorher;
    TMithoeren()
    {
        Zugang->setActive(true);
        Vorher = QAccessible::installUpdateHandler(Mithoeren);
        Gehoert().clear();
    }
    ~TMithoeren()
    {
        QAccessible::installUpdateHandler(Vorher);
        Zugang->setActive(false);
    }
    TMithoeren(const TMithoeren&) = delete;
    TMithoeren& operator=(const TMithoeren&) = delete;
};
