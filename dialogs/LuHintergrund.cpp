#include "LuHintergrund.h"

#include "LuLayout.h"
#include "LuListBox.h"

#include <QPushButton>
#include <QScreen>

THintergrundForm::THintergrundForm(QWidget* AOwner, int ABtnWidth, int ARand)
    : TLuDialog("HintergrundForm", AOwner)
    , FBtnWidth(ABtnWidth)
    , FRand(ARand)
{
    ListBox1 = new TListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Schrifthintergrund"));
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    OkAbbrechen(Button1, Button2);
    Tabfolge({ListBox1, Button1, Button2});
    CaptionZuweisen(QStringLiteral("Schrifthintergrund wählen"), QStringLiteral("O&K"), QStringLiteral("&Abbrechen"));
}

void THintergrundForm::CaptionZuweisen(const QString& ACaption, const QString& ABtn1Caption,
                                       const QString& ABtn2Caption)
{
    setWindowTitle(ACaption);
    Button1->setText(ABtn1Caption);
    Button2->setText(ABtn2Caption);
    QStringList Namen;
    for (const TFarbeintrag& E : Farbliste)
        Namen << QString::fromUtf16(E.Name);
    ListBox1->setItems(Namen);
}

int THintergrundForm::HintergrundNr() const
{
    return ListBox1->currentRow();
}

void THintergrundForm::setHintergrundNr(int ANr)
{
    ListBox1->setCurrentRow(ANr < 0 || ANr >= int(Farbliste.size()) ? 0 : ANr);
}

QColor THintergrundForm::HintergrundFarbe() const
{
    const int Nr = HintergrundNr();
    return QColor(Farbliste[size_t(Nr < 0 ? 0 : Nr)].Farbe);
}

void THintergrundForm::setBtnWidth(int ABreite)
{
    FBtnWidth = ABreite;
    SchalterEinrichten();
}

void THintergrundForm::setRand(int ARand)
{
    FRand = ARand;
    SchalterEinrichten();
}

void THintergrundForm::SchriftartZuweisen(const TSchriftart& AFont, const QColor& AColor)
{
    ::SchriftartZuweisen(this, AFont, AColor);
}

void THintergrundForm::SchalterEinrichten()
{
    // BtnWidth wide, so the client is 280 wide with the defaults; wider only when a large font would cut a caption.
    const int B = KnoepfeAngleichen({Button1, Button2}, FBtnWidth);
    resize(screen()->geometry().size());
    Button1->move(FRand, Button1->y());
    Button2->move(2 * FRand + B, Button2->y());
    const int Breite = Button2->x() + Button2->width() + FRand;
    const int Zeile = SchalterHoehe(ListBox1->font(), TSteuerArt::Sonstige);
    ListBox1->setGeometry(FRand, FRand, Breite - 2 * FRand,
                          Gekappt(this, 20 * Zeile, Button1->height() + 3 * FRand, 2 * Zeile));
    const int KnopfOben = ListBox1->y() + ListBox1->height() + FRand;
    Button1->move(Button1->x(), KnopfOben);
    Button2->move(Button2->x(), KnopfOben);
    setFixedSize(Breite, Button1->y() + Button1->height() + FRand);
    FensterEinrichten();
}

void THintergrundForm::Vorbereiten()
{
    MerkItemIndex = HintergrundNr();
}

void THintergrundForm::Fokussieren()
{
    ListBox1->setFocus(Qt::OtherFocusReason);
}

void THintergrundForm::done(int AErgebnis)
{
    if (AErgebnis != QDialog::Accepted)
        setHintergrundNr(MerkItemIndex);
    QDialog::done(AErgebnis);
}
