#include "Schriftfarbe.h"

#include "LuLayout.h"
#include "LuUtilsGui.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

bool SchriftfarbeWaehlen(QWidget* AParent, TSchriftart& ASchrift)
{
    QDialog D(AParent);
    D.setWindowTitle(QStringLiteral("Schriftfarbe wählen"));
    auto* Liste = new QListWidget(&D);
    Liste->setAccessibleName(QStringLiteral("Schriftfarbe"));
    QFont Listenschrift = ASchrift.Font;
    Listenschrift.setUnderline(false);
    Listenschrift.setStrikeOut(false);
    Liste->setFont(Listenschrift);
    struct TWahl {
        quint32 Code;
        QColor Farbe;
    };
    QList<TWahl> Wahlen;
    Liste->addItem(QStringLiteral("Fenstertextfarbe des Systems"));
    TSchriftart System;
    FarbCodeSetzen(System, Fenstertextfarbe);
    Wahlen.append({Fenstertextfarbe, System.Farbe});
    const int Zeile = Farbzeile(ASchrift.Farbe);
    const bool EigeneS = ASchrift.Systemfarbe == 0 && Zeile < 0;
    if (EigeneS) {
        Liste->addItem(QStringLiteral("Bisherige Farbe %1").arg(Farbname(ASchrift.Farbe)));
        Wahlen.append({0, ASchrift.Farbe});
    }
    const int ErsteZeile = int(Wahlen.size());  // the list's first colour
    for (const TFarbeintrag& E : Farbliste) {
        Liste->addItem(QString::fromUtf16(E.Name));
        Wahlen.append({0, QColor(E.Farbe)});
    }
    Liste->setCurrentRow(ASchrift.Systemfarbe != 0 ? 0 : EigeneS ? 1 : ErsteZeile + Zeile);
    auto* Ok = new QPushButton(QStringLiteral("O&K"), &D);
    auto* Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), &D);
    Ok->setDefault(true);
    QObject::connect(Ok, &QPushButton::clicked, &D, &QDialog::accept);
    QObject::connect(Abbrechen, &QPushButton::clicked, &D, &QDialog::reject);
    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addStretch();
    Knoepfe->addWidget(Ok);
    Knoepfe->addWidget(Abbrechen);
    auto* Aufbau = new QVBoxLayout(&D);
    Aufbau->addWidget(Liste);
    Aufbau->addLayout(Knoepfe);
    Liste->setFocus();
    if (ModalZeigen(D) != QDialog::Accepted || Liste->currentRow() < 0)
        return false;
    const TWahl& W = Wahlen[Liste->currentRow()];
    ASchrift.Systemfarbe = W.Code;
    ASchrift.Farbe = W.Farbe;
    return true;
}
