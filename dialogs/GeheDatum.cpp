#include "GeheDatum.h"

#include "LuDatePicker.h"
#include "LuLayout.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cmath>

TGeheDatumForm::TGeheDatumForm(QWidget* AParent)
    : TLuDialog("GeheDatumForm", AParent)
    , Label1(new QLabel(this))
{
    Label1->setObjectName(QStringLiteral("Label1"));
    DatePicker = new TDatePicker(this);
    DatePicker->setObjectName(QStringLiteral("DatePicker"));
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    OkAbbrechen(Button1, Button2);
    // The label names the date box for the screen reader and Alt+D leads to it.
    Label1->setBuddy(DatePicker);
    Tabfolge({DatePicker, Button1, Button2});

    DatePicker->setMinDatum(ErstesDatum);
    DatePicker->setMaxDatum(LetztesDatum);
    CaptionZuweisen();
}

void TGeheDatumForm::CaptionZuweisen()
{
    Label1->setText(QStringLiteral("&Datum:"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TGeheDatumForm::SchalterEinrichten()
{
    // 125 wide, so the client is 625 wide; wider only when a large font would cut a caption.
    KnoepfeAngleichen({Button1, Button2});
    resize(screen()->geometry().size());

    LabelAnpassen(Label1);
    Label1->move(DialogRand, Label1->y());
    DatePicker->setTop(ZeilenAbstand);
    DatePicker->resize(DatePicker->width(), DatePicker->sizeHint().height());
    DatePicker->setLeft(Label1->x() + Label1->width() + LabelLuecke(Label1));
    LabelZentrieren(Label1, DatePicker);

    const int KnopfOben = DatePicker->y() + DatePicker->height() + ZeilenAbstand;
    Button1->move(KnopfAbstand(this, Button1->width(), 2, Button1->width()), KnopfOben);
    Button2->move(2 * Button1->x() + Button1->width(), KnopfOben);
    const int Breite = Button2->x() + Button2->width() + Button1->x();
    DatePicker->setWidth(Breite - DatePicker->Left() - DialogRand);
    setFixedSize(Breite, Button1->y() + Button1->height() + DialogRand);
    FensterEinrichten();
}

void TGeheDatumForm::Fokussieren()
{
    DatePicker->setFocus(Qt::OtherFocusReason);
}

int TGeheDatumForm::DatumEingeben(int ADatum, int ANr)
{
    setWindowTitle(ANr == DatumNeu               ? QStringLiteral("Neues Datum wählen")
                       : ANr == DatumVerschieben ? QStringLiteral("Neues Datum zum Verschieben wählen")
                                                 : QStringLiteral("Neues Datum zum Kopieren wählen"));
    SchriftartZuweisen();
    DatePicker->setDatum(ADatum);
    if (ModalZeigen(*this) != QDialog::Accepted)
        return 0;
    return int(std::trunc(DatePicker->Datum()));
}
