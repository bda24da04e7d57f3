#include "Datumliste.h"

#include "LuLayout.h"
#include "LuListBox.h"

#include <QPushButton>
#include <QScreen>

TDatumlisteForm::TDatumlisteForm(QWidget* AParent)
    : TLuDialog("DatumlisteForm", AParent)
{
    ListBox1 = new TListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    // A list is not named by a label; the screen reader says this when the list takes the focus.
    ListBox1->setAccessibleName(QStringLiteral("Gehe zu Tag"));
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    // Enter in the list is OK; Enter on a focused button presses that button.
    OkAbbrechen(Button1, Button2);
    Tabfolge({ListBox1, Button1, Button2});
    CaptionZuweisen();
}

void TDatumlisteForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Gehe zu Tag"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TDatumlisteForm::SchalterEinrichten()
{
    // 125 wide, so the client is 436 wide; wider only when a large font would cut a caption.
    KnoepfeAngleichen({Button1, Button2});
    resize(screen()->geometry().size());
    // The window's height comes first; the list takes what the buttons leave.
    const int Hoehe = Gekappt(this, 12 * Button1->height(), 0, 4 * Button1->height());
    Button1->move(KnopfAbstand(this, Button1->width(), 2, Button1->width() / 2),
                  Hoehe - Button1->height() - DialogRand);
    Button2->move(2 * Button1->x() + Button1->width(), Button1->y());
    const int Breite = Button2->x() + Button2->width() + Button1->x();
    ListBox1->setGeometry(DialogRand, DialogRand, Breite - 2 * DialogRand, Button1->y() - DialogRand - ZeilenAbstand);
    setFixedSize(Breite, Hoehe);
    FensterEinrichten();
}

void TDatumlisteForm::Fokussieren()
{
    ListBox1->scrollTo(ListBox1->currentIndex(), QAbstractItemView::PositionAtCenter);
    ListBox1->setFocus(Qt::OtherFocusReason);
}
