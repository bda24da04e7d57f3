#include "Suchen.h"

#include "Kommentarsuche.h"
#include "LuLayout.h"
#include "LuListBox.h"
#include "LuUtils.h"
#include "Plattform.h"
#include "TDaten.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
// The hit list's name for the screen reader before a search of this showing.
const QString KeineSucheName = QStringLiteral("Gefundene Tage");
}

TSuchenForm::TSuchenForm(QWidget* AParent)
    : TLuDialog("SuchenForm", AParent)
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    ListBox1 = new TListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    Button3 = Knopf("Button3");
    // No default button: Enter searches in the edit box and on the check box,
    // closes with OK in the list, and presses a button that has the focus.
    connect(Button1, &QPushButton::clicked, this, &TSuchenForm::Button1Click);
    OkAbbrechen(Button2, Button3, false);
    connect(Edit1, &QLineEdit::textChanged, this, &TSuchenForm::Edit1Change);
    Label1->setBuddy(Edit1);
    for (QWidget* W : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(ListBox1)})
        W->installEventFilter(this);
    Tabfolge({Edit1, CheckBox1, ListBox1, Button1, Button2, Button3});

    CaptionZuweisen();
    ListBox1->setAccessibleName(KeineSucheName);
    Edit1Change();
    Button2->setEnabled(false);
}

void TSuchenForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Suche Kommentar"));
    Label1->setText(QStringLiteral("K&ommentar:"));
    CheckBox1->setText(QStringLiteral("&Genaue Übereinstimmung"));
    Button1->setText(QStringLiteral("S&uchen"));
    Button2->setText(QStringLiteral("O&K"));
    Button3->setText(QStringLiteral("&Schließen"));
}

void TSuchenForm::SchalterEinrichten()
{
    // 125 wide, so the client is 623 wide; wider only when a large font would cut a caption.
    KnoepfeAngleichen({Button1, Button2, Button3});
    resize(screen()->geometry().size());

    LabelAnpassen(Label1);
    Edit1->move(Edit1->x(), ZeilenAbstand);
    Edit1->resize(Edit1->width(), Edit1->sizeHint().height());
    Label1->move(DialogRand, Label1->y());
    Edit1->move(Label1->x() + Label1->width() + LabelLuecke(Label1), Edit1->y());
    LabelZentrieren(Label1, Edit1);

    CheckBox1->setGeometry(DialogRand, Edit1->y() + Edit1->height() + ZeilenAbstand, CheckBox1->width(),
                           SchalterHoehe(CheckBox1->font(), TSteuerArt::Kontrollkaestchen));
    const int Hoehe = Button1->height();
    // Three buttons wider than the screen: "Schließen" takes a row of its own.
    const bool ZweiReihenS = 3 * Button1->width() + 4 * DialogRand > VerfuegbareBreite(this);
    const int Knopfreihen = ZweiReihenS ? 2 * Hoehe + ZeilenAbstand : Hoehe;
    const int ListenOben = CheckBox1->y() + CheckBox1->height() + ZeilenAbstand;
    ListBox1->setGeometry(Hoehe, ListenOben, ListBox1->width(),
                          Gekappt(this, 10 * Hoehe, ListenOben + 2 * ZeilenAbstand + Knopfreihen, Hoehe));

    const int KnopfOben = ListBox1->y() + ListBox1->height() + ZeilenAbstand;
    Button1->move(KnopfAbstand(this, Button1->width(), ZweiReihenS ? 2 : 3, Button1->width() / 2), KnopfOben);
    Button2->move(2 * Button1->x() + Button1->width(), KnopfOben);
    if (ZweiReihenS)
        Button3->move(Button1->x(), KnopfOben + Hoehe + ZeilenAbstand);
    else
        Button3->move(Button2->x() + Button1->x() + Button2->width(), KnopfOben);
    const int Breite = std::max(Button2->x(), Button3->x()) + Button1->width() + Button1->x();

    Edit1->resize(Breite - Edit1->x() - DialogRand, Edit1->height());
    ListBox1->resize(Breite - 2 * ListBox1->x(), ListBox1->height());
    CheckBox1->resize(Breite - 2 * CheckBox1->x(), CheckBox1->height());
    setFixedSize(Breite, Button3->y() + Button3->height() + DialogRand);
    FensterEinrichten();
}

void TSuchenForm::Vorbereiten()
{
    ListBox1->setItems({});
    TagNrIndex.clear();
    ListBox1->setAccessibleName(KeineSucheName);
    Edit1->setText(SuchStr);
    Edit1Change();
    Button2->setEnabled(false);
}

void TSuchenForm::Fokussieren()
{
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}

void TSuchenForm::Edit1Change()
{
    Button1->setEnabled(!Gestutzt(Edit1->text()).isEmpty());
}

void TSuchenForm::Button1Click()
{
    TagNrIndex.clear();
    SuchStr = Edit1->text();
    const QList<int> Treffer = DatenRef ? KommentarTreffer(*DatenRef, SuchStr, CheckBox1->isChecked()) : QList<int>();
    QStringList Zeilen;
    Zeilen.reserve(Treffer.size());
    for (int i : Treffer) {
        Zeilen << DatumText(DatenRef->Tag(i).Datum);
        TagNrIndex << QString::number(i);
    }
    ListBox1->setItems(Zeilen);
    // Named before it takes the focus, so the screen reader says the count with it.
    ListBox1->setAccessibleName(ListBox1->count() == 1 ? QStringLiteral("1 Tag gefunden")
                                                       : QStringLiteral("%1 Tage gefunden").arg(ListBox1->count()));
    Button2->setEnabled(ListBox1->count() > 0);
    if (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(0);
        ListBox1->setFocus(Qt::OtherFocusReason);
    } else {
        Edit1->setFocus(Qt::OtherFocusReason);
        Edit1->selectAll();
        Plattform().Information(QStringLiteral("Der Kommentar \"%1\" wurde nicht gefunden!").arg(SuchStr));
    }
}

bool TSuchenForm::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    if (AEvent->type() == QEvent::KeyPress) {
        const auto* Taste = static_cast<QKeyEvent*>(AEvent);
        const bool EnterS = Taste->key() == Qt::Key_Return || Taste->key() == Qt::Key_Enter;
        if (EnterS && AObjekt == ListBox1) {
            if (Button2->isEnabled())
                accept();
            return true;
        }
        if (EnterS && (AObjekt == Edit1 || AObjekt == CheckBox1)) {
            if (Button1->isEnabled())
                Button1Click();
            return true;
        }
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}
