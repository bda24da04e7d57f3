// The menu bar, the rule every menu command follows, and the date line's own menu.

#include "Haupt.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

void TForm1::MenusErstellen()
{
    DateiErstellen();
    SprungErstellen();
    AktionenErstellen();
    AnsichtErstellen();
    HilfeErstellen();

    for (QMenu* M : {MenuDatei, MenuSprung, MenuAkt}) {
        // Opened: the update shows the true states. Closed again: every item is
        // enabled once more, so a shortcut is never swallowed by a stale state.
        connect(M, &QMenu::aboutToShow, this, [this, M] {
            MenuUpdate(M);
            for (QAction* A : M->actions())
                A->setEnabled(Freigegeben(A));
        });
        connect(M, &QMenu::aboutToHide, this, [M] {
            for (QAction* A : M->actions())
                A->setEnabled(true);
        });
    }

    // The date line's own menu: its items run the commands of the menu items of the same name.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto Pu = [this](const char* AName, const QString& AText, void (TForm1::*ABefehl)()) {
        QAction* A = PopupMenu1->addAction(AText);
        A->setObjectName(QLatin1String(AName));
        connect(A, &QAction::triggered, this, ABefehl);
        return A;
    };
    PuNeuerTag = Pu("PuNeuerTag", QStringLiteral("Neuen Tag erstellen..."), &TForm1::MenuAktNeuerTagClick);
    PuLoescheTag = Pu("PuLoescheTag", QStringLiteral("Lösche aktuellen Tag"), &TForm1::MenuAktLoescheTagClick);
    PuGeheZuTag = Pu("PuGeheZuTag", QStringLiteral("Gehe zu Tag..."), &TForm1::MenuSprungGeheZuTagClick);
    Edit(0)->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit(0), &QWidget::customContextMenuRequested, this, [this](const QPoint& AOrt) {
        PopupMenu1Popup();
        PopupMenu1->exec(Edit(0)->mapToGlobal(AOrt));
    });
}

QAction* TForm1::Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten, void (TForm1::*ABefehl)())
{
    return Befehl(AMenu, AText, ATasten, [this, ABefehl] { (this->*ABefehl)(); });
}

QAction* TForm1::Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten, std::function<void()> ABefehl)
{
    auto* A = AMenu->addAction(AText);
    A->setShortcut(ATasten);
    A->setShortcutContext(Qt::WindowShortcut);
    connect(A, &QAction::triggered, this, [this, AMenu, A, ABefehl] {
        if (Ausfuehrbar(AMenu, A))
            ABefehl();
    });
    FBefehle << A;
    return A;
}

bool TForm1::Ausfuehrbar(QMenu* AMenu, QAction* AItem)
{
    MenuUpdate(AMenu);
    return Freigegeben(AItem);
}

void TForm1::Freigeben(QAction* AItem, bool AFreiS)
{
    FFreigabe[AItem] = AFreiS;
}

void TForm1::MenuUpdate(QMenu* AMenu)
{
    if (AMenu == MenuDatei)
        DateiMenuUpdate();
    else if (AMenu == MenuSprung)
        SprungMenuUpdate();
    else if (AMenu == MenuAkt)
        AktMenuUpdate();
}

bool TForm1::IstMenuTaste(const QKeyEvent* AEvent) const
{
    const QKeySequence Taste(AEvent->keyCombination());
    for (const QAction* A : FBefehle) {
        if (A->shortcut() == Taste)
            return true;
    }
    return false;
}

void TForm1::PopupMenu1Popup()
{
    DateiMenuUpdate();
    AktMenuUpdate();
    SprungMenuUpdate();
    for (QAction* A : PopupMenu1->actions())
        A->setEnabled(Freigegeben(A));
}
