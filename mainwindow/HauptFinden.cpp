// Go to a day picked from the list of all days or found by its comment.

#include "Haupt.h"

#include "Datumliste.h"
#include "LuListBox.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "Suchen.h"

#include <QApplication>

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
