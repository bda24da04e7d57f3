#include "Datumliste.h"

#include "LuLayout.h"
#include "LuListBox.h"

#include <QPushButton>
#include <QScreen>

TDatumlisteForm::TDatumlisteForm(QWidget* AParent)
    : QDialog(AParent)
{
    setObjectName(QStringLiteral("DatumlisteForm"));
    ListBox1 = new TListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    // A list is not named by a label; the screen reader says this when the list takes the focus.
    ListBox1->setAccessibleName(QStringLiteral("Gehe zu Tag"));
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    // Enter in the list is OK; Enter on a focused button presses that button.
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(ListBox1, Button1);
    setTabOrder(Button1, Button2);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    CaptionZuweisen();
}

void TDatumlisteForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Gehe zu Tag"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TDatumlisteForm::SchriftartZuweisen()
{
    ::SchriftartZuweisen(this, Benutzerschrift(), Hintergrundfarbe());
}

void TDatumlisteForm::SchalterEinrichten()
{
    // 125 wide, so the client is 436 wide; wider only when a large font would cut a caption.
    KnoepfeAngleichen({Button1, Button2});
    resize(screen()->geometry().size());
    // The window's height comes first; the list takes what the buttons leave.
    const int Hoehe = Gekappt(this, 12 * Button1->height(), 0, 4 * Button1->height());
    Button1->move(KnopfAbstand(this, Button1->width(), 2, Button1->width() / 2), Hoehe - Button1->height() - DialogRand);
    Button2->move(2 * Button1->x() + Button1->width(), Button1->y());
    const int Breite = Button2->x() + Button2->width() + Button1->x();
    ListBox1->setGeometry(DialogRand, DialogRand, Breite - 2 * DialogRand, Button1->y() - DialogRand - ZeilenAbstand);
    setFixedSize(Breite, Hoehe);
    FensterEinrichten();
}

void TDatumlisteForm::FensterEinrichten()
{
    DialogPlatzieren(this);
}

void TDatumlisteForm::showEvent(QShowEvent* AEvent)
{
    SchalterEinrichten();
    QDialog::showEvent(AEvent);
    ListBox1->scrollTo(ListBox1->currentIndex(), QAbstractItemView::PositionAtCenter);
    ListBox1->setFocus(Qt::OtherFocusReason);
}
