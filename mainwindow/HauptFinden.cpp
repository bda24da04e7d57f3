// The finding commands of the menu "Aktionen": a day found by its comment, and the overviews.

#include "Haupt.h"

#include "LuListBox.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "ReAnsicht.h"
#include "Suchen.h"
#include "Uebersicht.h"
#include "Uebersichtstage.h"

#include <QApplication>

void TForm1::MenuAktSucheClick()
{
    MerkActiveControl = QApplication::focusWidget();
    SuchenForm->DatenRef = &Daten;
    SuchenForm->SchriftartZuweisen();
    const bool OkS = ModalZeigen(*SuchenForm) == QDialog::Accepted;
    const int Zeile = SuchenForm->ListBox1->currentRow();
    bool ZahlS = false;
    const int Nr = OkS && Zeile >= 0 && Zeile < SuchenForm->TagNrIndex.size()
        ? SuchenForm->TagNrIndex.at(Zeile).toInt(&ZahlS)
        : -1;
    if (ZahlS && Nr >= 0 && Nr < Daten.Count())
        GeheZuTag(Nr);
    else
        SetActiveControl();
}

void TForm1::MenuAktTagesansichtClick(TUebersichtArt AArt)
{
    if (FTagNr == 0)
        return;
    MerkActiveControl = QApplication::focusWidget();
    // The chosen days live only until their text is built.
    const QString Bericht = Uebersichtstage(Daten, FTagNr - 1, AArt).TabellenStr();
    const QString& Titel = UebersichtTitel[size_t(AArt) - 1];
    ReAnsichtForm->setWindowTitle(Titel.contains(QLatin1String("%1")) ? Titel.arg(Edit(0)->text()) : Titel);
    ReAnsichtForm->SchriftartZuweisen();
    ReAnsichtForm->setText(Bericht);
    ModalZeigen(*ReAnsichtForm);
    SetActiveControl();
}
