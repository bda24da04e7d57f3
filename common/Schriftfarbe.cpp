#include "Schriftfarbe.h"

#include "LuLayout.h"
#include "LuUtilsGui.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// The frame stays QDialog's own: the layouts, not the fixed layout rules, size this one.
TSchriftfarbeForm::TSchriftfarbeForm(QWidget* AParent, const TSchriftart& ASchrift)
    : TLuDialog("SchriftfarbeForm", AParent, {})
{
    setWindowTitle(QStringLiteral("Schriftfarbe wählen"));
    Liste = new QListWidget(this);
    Liste->setAccessibleName(QStringLiteral("Schriftfarbe"));
    QFont Listenschrift = ASchrift.Font;
    Listenschrift.setUnderline(false);
    Listenschrift.setStrikeOut(false);
    Liste->setFont(Listenschrift);
    Liste->addItem(QStringLiteral("Fenstertextfarbe des Systems"));
    TSchriftart System;
    FarbCodeSetzen(System, Fenstertextfarbe);
    FWahlen.append({Fenstertextfarbe, System.Farbe});
    const int Zeile = Farbzeile(ASchrift.Farbe);
    const bool EigeneS = ASchrift.Systemfarbe == 0 && Zeile < 0;
    if (EigeneS) {
        Liste->addItem(QStringLiteral("Bisherige Farbe %1").arg(Farbname(ASchrift.Farbe)));
        FWahlen.append({0, ASchrift.Farbe});
    }
    const int ErsteZeile = int(FWahlen.size());  // the list's first colour
    for (const TFarbeintrag& E : Farbliste) {
        Liste->addItem(QString::fromUtf16(E.Name));
        FWahlen.append({0, QColor(E.Farbe)});
    }
    Liste->setCurrentRow(ASchrift.Systemfarbe != 0 ? 0 : EigeneS ? 1 : ErsteZeile + Zeile);
    Ok = Knopf("Ok");
    Ok->setText(QStringLiteral("O&K"));
    Abbrechen = Knopf("Abbrechen");
    Abbrechen->setText(QStringLiteral("&Abbrechen"));
    OkAbbrechen(Ok, Abbrechen);
    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addStretch();
    Knoepfe->addWidget(Ok);
    Knoepfe->addWidget(Abbrechen);
    auto* Aufbau = new QVBoxLayout(this);
    Aufbau->addWidget(Liste);
    Aufbau->addLayout(Knoepfe);
}

void TSchriftfarbeForm::Fokussieren()
{
    Liste->setFocus();
}

bool TSchriftfarbeForm::Uebernehmen(TSchriftart& ASchrift) const
{
    if (Liste->currentRow() < 0)
        return false;
    const TWahl& W = FWahlen[Liste->currentRow()];
    ASchrift.Systemfarbe = W.Code;
    ASchrift.Farbe = W.Farbe;
    return true;
}

bool SchriftfarbeWaehlen(QWidget* AParent, TSchriftart& ASchrift)
{
    TSchriftfarbeForm D(AParent, ASchrift);
    return ModalZeigen(D) == QDialog::Accepted && D.Uebernehmen(ASchrift);
}
