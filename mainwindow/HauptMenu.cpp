// The menu bar, the update-before-command rule and the jumps.

#include "Haupt.h"

#include "Plattform.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

void TForm1::MenusErstellen()
{
    MenuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    MenuDatei->setObjectName(QStringLiteral("MenuDatei"));
    MenuDateiOeffnen = Befehl(MenuDatei, QStringLiteral("Ö&ffnen..."), Qt::CTRL | Qt::Key_O,
                              &TForm1::MenuDateiOeffnenClick);
    MenuDateiSpeichern = Befehl(MenuDatei, QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S,
                                &TForm1::MenuDateiSpeichernClick);
    MenuDateiSpeichernUnter = Befehl(MenuDatei, QStringLiteral("Speichern &unter..."), Qt::CTRL | Qt::Key_U,
                                     &TForm1::MenuDateiSpeichernUnterClick);
    MenuDateiDrucken = MenuDatei->addMenu(QStringLiteral("&Drucken"));
    MenuDateiDrucken->setObjectName(QStringLiteral("MenuDateiDrucken"));
    // No shortcuts: the update ran when "Datei" opened; it runs again before the command.
    const auto Drucken = [this](const QString& AText, int ATag) {
        QAction* A = MenuDateiDrucken->addAction(AText);
        A->setData(ATag);
        connect(A, &QAction::triggered, this, [this, ATag] {
            DateiMenuUpdate();
            if (Freigegeben(MenuDateiDrucken->menuAction()))
                MenuAktTagesansichtClick(ATag);
        });
        return A;
    };
    MenuDateiDruckenTagesansicht = Drucken(QStringLiteral("Übersicht des &Tages..."), 1);
    MenuDateiDruckenWochenansicht = Drucken(QStringLiteral("Übersicht einer &Woche..."), 2);
    MenuDateiDruckenAllesansciht = Drucken(QStringLiteral("Übersicht &aller Tage..."), 3);
    MenuDatei->addSeparator();
    MenuDateiClose = Befehl(MenuDatei, QStringLiteral("S&chließen"), Qt::CTRL | Qt::Key_F4,
                            &TForm1::MenuDateiCloseClick);
    MenuDateiBeenden = Befehl(MenuDatei, QStringLiteral("&Beenden"), Qt::ALT | Qt::Key_F4,
                              &TForm1::MenuDateiBeendenClick);

    MenuSprung = menuBar()->addMenu(QStringLiteral("&Sprünge"));
    MenuSprung->setObjectName(QStringLiteral("MenuSprung"));
    // Forward in time is upward.
    MenuSprungTagWeiter = Befehl(MenuSprung, QStringLiteral("Nächster Tag"), Qt::CTRL | Qt::Key_Up,
                                 &TForm1::MenuSprungTagWeiterClick);
    MenuSprungTagZurueck = Befehl(MenuSprung, QStringLiteral("Vorheriger Tag"), Qt::CTRL | Qt::Key_Down,
                                  &TForm1::MenuSprungTagZurueckClick);
    MenuSprungEintragWeiter = Befehl(MenuSprung, QStringLiteral("Nächster Eintrag des Tages"),
                                     Qt::CTRL | Qt::Key_Right, &TForm1::MenuSprungEintragWeiterClick);
    MenuSprungEintragZurueck = Befehl(MenuSprung, QStringLiteral("Vorheriger Eintrag des Tages"),
                                      Qt::CTRL | Qt::Key_Left, &TForm1::MenuSprungEintragZurueckClick);
    MenuSprungWocheWeiter = Befehl(MenuSprung, QStringLiteral("Nächste Woche"), Qt::CTRL | Qt::Key_PageUp,
                                   &TForm1::MenuSprungWocheWeiterClick);
    MenuSprungWocheZurueck = Befehl(MenuSprung, QStringLiteral("Vorherige Woche"), Qt::CTRL | Qt::Key_PageDown,
                                    &TForm1::MenuSprungWocheZurueckClick);
    MenuSprungErsterEintrag = Befehl(MenuSprung, QStringLiteral("&Erster Eintrag des Tages"),
                                     Qt::CTRL | Qt::Key_Home, &TForm1::MenuSprungErsterEintragClick);
    MenuSprungLetzterEintrag = Befehl(MenuSprung, QStringLiteral("&Letzter Eintrag des Tages"),
                                      Qt::CTRL | Qt::Key_End, &TForm1::MenuSprungLetzterEintragClick);
    MenuSprung->addSeparator();
    MenuSprungGeheZuTag = Befehl(MenuSprung, QStringLiteral("&Gehe zu Tag..."), Qt::CTRL | Qt::Key_G,
                                 &TForm1::MenuSprungGeheZuTagClick);

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

QAction* TForm1::Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten,
                        void (TForm1::*ABefehl)())
{
    return Befehl(AMenu, AText, ATasten, [this, ABefehl] { (this->*ABefehl)(); });
}

QAction* TForm1::Befehl(QMenu* AMenu, const QString& AText, const QKeySequence& ATasten,
                        std::function<void()> ABefehl)
{
    auto* A = AMenu->addAction(AText);
    A->setShortcut(ATasten);
    A->setShortcutContext(Qt::WindowShortcut);
    connect(A, &QAction::triggered, this, [this, AMenu, A, ABefehl] {
        MenuUpdate(AMenu);
        if (Freigegeben(A))
            ABefehl();
    });
    FBefehle << A;
    return A;
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

void TForm1::DateiMenuUpdate()
{
    EditInDaten();
    const bool TagS = FTagNr != 0;
    Freigeben(MenuDateiSpeichern, !Daten.Ident(SaveDaten));
    Freigeben(MenuDateiClose, TagS);
    Freigeben(MenuDateiDrucken->menuAction(), TagS);
    Freigeben(MenuDateiSpeichernUnter, TagS);
}

void TForm1::SprungMenuUpdate()
{
    EditInDaten();
    const bool TagS = FTagNr != 0;
    const bool EintraegeS = TagDatenCount() != 0;
    for (QAction* A : {MenuSprungTagWeiter, MenuSprungTagZurueck, MenuSprungWocheWeiter, MenuSprungWocheZurueck,
                       MenuSprungGeheZuTag, PuGeheZuTag})
        Freigeben(A, TagS);
    for (QAction* A : {MenuSprungEintragWeiter, MenuSprungEintragZurueck, MenuSprungErsterEintrag,
                       MenuSprungLetzterEintrag})
        Freigeben(A, EintraegeS);
}

void TForm1::PopupMenu1Popup()
{
    DateiMenuUpdate();
    AktMenuUpdate();
    SprungMenuUpdate();
    for (QAction* A : PopupMenu1->actions())
        A->setEnabled(Freigegeben(A));
}

// A move to another day lands on its last entry (ATagDatenNr < 0).
void TForm1::Springen(bool AMoeglichS, int ATagNr, int ATagDatenNr, int AFokus)
{
    if (AMoeglichS) {
        setTagNr(ATagNr);
        setTagDatenNr(ATagDatenNr < 0 ? TagDatenCount() : ATagDatenNr);
        EditZuweisen();
    } else {
        Plattform().Piep();
    }
    EditSetFocus(AFokus);
}

void TForm1::MenuSprungTagWeiterClick()
{
    Springen(FTagNr < Daten.Count(), FTagNr + 1, -1, 0);
}

void TForm1::MenuSprungTagZurueckClick()
{
    Springen(FTagNr > 1, FTagNr - 1, -1, 0);
}

void TForm1::MenuSprungEintragWeiterClick()
{
    Springen(FTagDatenNr < TagDatenCount(), FTagNr, FTagDatenNr + 1, 1);
}

void TForm1::MenuSprungEintragZurueckClick()
{
    Springen(FTagDatenNr > 1, FTagNr, FTagDatenNr - 1, 1);
}

void TForm1::MenuSprungErsterEintragClick()
{
    Springen(FTagDatenNr > 1, FTagNr, 1, 1);
}

void TForm1::MenuSprungLetzterEintragClick()
{
    Springen(FTagDatenNr < TagDatenCount(), FTagNr, TagDatenCount(), 1);
}

void TForm1::MenuSprungWocheWeiterClick()
{
    const bool MoeglichS = FTagNr < Daten.Count();
    Springen(MoeglichS, MoeglichS ? Daten.Wochensprung(FDatum, true) + 1 : 0, -1, 0);
}

void TForm1::MenuSprungWocheZurueckClick()
{
    const bool MoeglichS = FTagNr > 1;
    Springen(MoeglichS, MoeglichS ? Daten.Wochensprung(FDatum, false) + 1 : 0, -1, 0);
}
