#include "LuDialog.h"

#include "LuLayout.h"

#include <QPushButton>

TLuDialog::TLuDialog(const char* AName, QWidget* AParent, Qt::WindowFlags AFlags)
    : QDialog(AParent)
{
    setObjectName(QLatin1String(AName));
    if (AFlags)
        setWindowFlags(AFlags);
}

void TLuDialog::SchriftartZuweisen()
{
    ::SchriftartZuweisen(this, Benutzerschrift(), Hintergrundfarbe());
}

void TLuDialog::FensterEinrichten()
{
    DialogPlatzieren(this);
}

QPushButton* TLuDialog::Knopf(const char* AName)
{
    auto* K = new QPushButton(this);
    K->setObjectName(QLatin1String(AName));
    return K;
}

void TLuDialog::OkAbbrechen(QPushButton* AOk, QPushButton* AAbbrechen, bool StandardS)
{
    AOk->setDefault(StandardS);
    connect(AOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(AAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TLuDialog::Tabfolge(std::initializer_list<QWidget*> AFolge)
{
    QWidget* Vorher = nullptr;
    for (QWidget* W : AFolge) {
        if (Vorher)
            setTabOrder(Vorher, W);
        Vorher = W;
    }
}

void TLuDialog::showEvent(QShowEvent* AEvent)
{
    SchalterEinrichten();
    Vorbereiten();
    QDialog::showEvent(AEvent);
    Fokussieren();
}
