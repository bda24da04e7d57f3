#include "Felder.h"

#include "LuLayout.h"
#include "LuUtilsGui.h"
#include "Plattform.h"
#include "TDaten.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>

namespace {
constexpr int MaxFelder = 10;
constexpr int MaxFeldLaenge = 25;
}

QString FelderBereinigt(const QString& AText)
{
    QStringList Namen;
    for (const QString& Zeile : TextZeilen(AText)) {
        const QString Name = Gestutzt(Zeile);
        if (Name.isEmpty())
            continue;
        if (Namen.size() < MaxFelder)
            Namen << Name.left(MaxFeldLaenge);
    }
    return ZeilenText(Namen);
}

TFelderForm::TFelderForm(QWidget* AParent)
    : TLuDialog("FelderForm", AParent)
{
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->installEventFilter(this);
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    OkAbbrechen(Button1, Button2);
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TFelderForm::RichEdit1Change);
    Tabfolge({RichEdit1, Button1, Button2});

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto Eintrag = [this](const char* AName, const QString& AText, QKeySequence::StandardKey ATaste,
                                void (QPlainTextEdit::*ABefehl)()) {
        QAction* A = PopupMenu1->addAction(AText);
        A->setObjectName(QLatin1String(AName));
        // Shown in the menu; the editor answers these keys itself.
        A->setShortcut(ATaste);
        A->setShortcutContext(Qt::WidgetShortcut);
        connect(A, &QAction::triggered, RichEdit1, ABefehl);
        return A;
    };
    PuKopieren = Eintrag("PuKopieren", QStringLiteral("Kopieren"), QKeySequence::Copy, &QPlainTextEdit::copy);
    PuAusschneiden = Eintrag("PuAusschneiden", QStringLiteral("Ausschneiden"), QKeySequence::Cut, &QPlainTextEdit::cut);
    PuEinfuegen = Eintrag("PuEinfuegen", QStringLiteral("Einfügen"), QKeySequence::Paste, &QPlainTextEdit::paste);
    PuAllesMarkieren = Eintrag("PuAllesMarkieren", QStringLiteral("Alles &markieren"), QKeySequence::SelectAll,
                               &QPlainTextEdit::selectAll);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& AOrt) {
        PopupMenu1Popup();
        PopupMenu1->exec(RichEdit1->viewport()->mapToGlobal(AOrt));
    });

    CaptionZuweisen();
    RichEdit1Change();
}

QString TFelderForm::FelderText() const
{
    return FelderBereinigt(Text());
}

QString TFelderForm::Text() const
{
    return RichEdit1->toPlainText().replace(u'\n', QLatin1String("\r\n"));
}

void TFelderForm::setText(const QString& AText)
{
    QString T = AText;
    T.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    RichEdit1->setPlainText(T);
}

int TFelderForm::Zeilenzahl() const
{
    const QString T = RichEdit1->toPlainText();
    if (T.isEmpty())
        return 0;
    const int Bloecke = RichEdit1->document()->blockCount();
    return T.endsWith(u'\n') ? Bloecke - 1 : Bloecke;
}

void TFelderForm::CaptionZuweisen()
{
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TFelderForm::SchalterEinrichten()
{
    // 125 wide, so the client is 625 wide; wider only when a large font would cut a caption.
    KnoepfeAngleichen({Button1, Button2});
    resize(screen()->geometry().size());
    Button1->move(KnopfAbstand(this, Button1->width(), 2, Button1->width()), Button1->y());
    Button2->move(2 * Button1->x() + Button1->width(), Button2->y());
    const int Breite = Button2->x() + Button2->width() + Button1->x();
    const int Rest = Button1->height() + 2 * DialogRand + ZeilenAbstand;
    RichEdit1->setGeometry(DialogRand, DialogRand, Breite - 2 * DialogRand,
                           Gekappt(this, 10 * Button1->height(), Rest, Button1->height()));
    const int KnopfOben = RichEdit1->y() + RichEdit1->height() + ZeilenAbstand;
    Button1->move(Button1->x(), KnopfOben);
    Button2->move(Button2->x(), KnopfOben);
    setFixedSize(Breite, Button1->y() + Button1->height() + DialogRand);
    FensterEinrichten();
}

void TFelderForm::RichEdit1Change()
{
    Button1->setEnabled(!FelderS || !Gestutzt(RichEdit1->toPlainText()).isEmpty());
}

void TFelderForm::PopupMenu1Popup()
{
    const bool MarkiertS = RichEdit1->textCursor().hasSelection();
    PuKopieren->setEnabled(MarkiertS);
    PuAusschneiden->setEnabled(MarkiertS && !RichEdit1->isReadOnly());
    const QMimeData* Daten = QApplication::clipboard()->mimeData();
    PuEinfuegen->setEnabled(Daten && Daten->hasText());
    PuAllesMarkieren->setEnabled(!RichEdit1->document()->isEmpty());
}

void TFelderForm::done(int AErgebnis)
{
    if (FelderS) {
        // The editor shows what will be taken: the cleaned list.
        const QString Bereinigt = FelderText();
        if (Text() != Bereinigt)
            setText(Bereinigt);
        RichEdit1->setFocus();
        AnDenAnfang(RichEdit1);
        if (AErgebnis == QDialog::Accepted && Zeilen != 0 && Zeilenzahl() != Zeilen
            && Plattform().Frage(QStringLiteral("Felderanzahl hat sich geändert! Trotzdem fortfahren?"), false)
                != TPlattform::TAntwort::Ja)
            return;
    }
    QDialog::done(AErgebnis);
}

void TFelderForm::Vorbereiten()
{
    // The screen reader says what is being edited when the editor takes the focus.
    RichEdit1->setAccessibleName(windowTitle());
}

void TFelderForm::Fokussieren()
{
    AnDenAnfang(RichEdit1);
    RichEdit1->setFocus(Qt::OtherFocusReason);
}

bool TFelderForm::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    // Escape typed in the editor cancels, whatever the editor would make of it.
    if (AObjekt == RichEdit1 && AEvent->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(AEvent)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}
