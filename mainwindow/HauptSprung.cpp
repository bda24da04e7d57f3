// The menu "Sprünge": to the next and previous day, week and entry, the first and last entry,
// and to a day picked from the list of all days.

#include "Haupt.h"

#include "Datumliste.h"
#include "LuListBox.h"
#include "LuUtilsGui.h"
#include "Plattform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

void TForm1::SprungErstellen()
{
    MenuSprung = menuBar()->addMenu(QStringLiteral("&Sprünge"));
    MenuSprung->setObjectName(QStringLiteral("MenuSprung"));
    // Forward in time is upward.
    MenuSprungTagWeiter
        = Befehl(MenuSprung, QStringLiteral("Nächster Tag"), Qt::CTRL | Qt::Key_Up, &TForm1::MenuSprungTagWeiterClick);
    MenuSprungTagZurueck = Befehl(MenuSprung, QStringLiteral("Vorheriger Tag"), Qt::CTRL | Qt::Key_Down,
                                  &TForm1::MenuSprungTagZurueckClick);
    MenuSprungEintragWeiter = Befehl(MenuSprung, QStringLiteral("Nächster Eintrag des Tages"), Qt::CTRL | Qt::Key_Right,
                                     &TForm1::MenuSprungEintragWeiterClick);
    MenuSprungEintragZurueck = Befehl(MenuSprung, QStringLiteral("Vorheriger Eintrag des Tages"),
                                      Qt::CTRL | Qt::Key_Left, &TForm1::MenuSprungEintragZurueckClick);
    MenuSprungWocheWeiter = Befehl(MenuSprung, QStringLiteral("Nächste Woche"), Qt::CTRL | Qt::Key_PageUp,
                                   &TForm1::MenuSprungWocheWeiterClick);
    MenuSprungWocheZurueck = Befehl(MenuSprung, QStringLiteral("Vorherige Woche"), Qt::CTRL | Qt::Key_PageDown,
                                    &TForm1::MenuSprungWocheZurueckClick);
    MenuSprungErsterEintrag = Befehl(MenuSprung, QStringLiteral("&Erster Eintrag des Tages"), Qt::CTRL | Qt::Key_Home,
                                     &TForm1::MenuSprungErsterEintragClick);
    MenuSprungLetzterEintrag = Befehl(MenuSprung, QStringLiteral("&Letzter Eintrag des Tages"), Qt::CTRL | Qt::Key_End,
                                      &TForm1::MenuSprungLetzterEintragClick);
    MenuSprung->addSeparator();
    MenuSprungGeheZuTag = Befehl(MenuSprung, QStringLiteral("&Gehe zu Tag..."), Qt::CTRL | Qt::Key_G,
                                 &TForm1::MenuSprungGeheZuTagClick);
}

void TForm1::SprungMenuUpdate()
{
    EditInDaten();
    const bool TagS = FTagNr != 0;
    const bool EintraegeS = TagDatenCount() != 0;
    for (QAction* A : {MenuSprungTagWeiter, MenuSprungTagZurueck, MenuSprungWocheWeiter, MenuSprungWocheZurueck,
                       MenuSprungGeheZuTag, PuGeheZuTag})
        Freigeben(A, TagS);
    for (QAction* A :
         {MenuSprungEintragWeiter, MenuSprungEintragZurueck, MenuSprungErsterEintrag, MenuSprungLetzterEintrag})
        Freigeben(A, EintraegeS);
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

void TForm1::MenuSprungGeheZuTagClick()
{
    MerkActiveControl = QApplication::focusWidget();
    DatumlisteForm->SchriftartZuweisen();
    TListBox* Liste = DatumlisteForm->ListBox1;
    Liste->setItems(TextZeilen(Daten.Datumliste()));
    // Newest first: line 0 is the last day, the day on show is line Count − TagNr.
    Liste->setCurrentRow(Daten.Count() - FTagNr);
    if (ModalZeigen(*DatumlisteForm) != QDialog::Accepted) {
        SetActiveControl();
        return;
    }
    // No line selected (−1) gives one day past the last, which TagNr clamps.
    GeheZuTag(Daten.Count() - Liste->currentRow() - 1);
}
