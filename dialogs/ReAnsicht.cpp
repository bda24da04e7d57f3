#include "ReAnsicht.h"

#include "Dateizugriff.h"
#include "LuBerichtZugang.h"
#include "LuLayout.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "LuZugang.h"
#include "TDaten.h"
#include "Uebersicht.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString NurFormFeed = QStringLiteral("\f");

QFont Druckschrift(int APunkte)
{
    QFont F(QStringLiteral("Courier New"));
    // Where Courier New is missing, a font of the same widths (Liberation Mono) takes its place.
    F.setStyleHint(QFont::TypeWriter);
    F.setFixedPitch(true);
    F.setPointSize(APunkte);
    return F;
}

}

QPageLayout StandardSeitenformat()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
}

QPageLayout Seitenformat()
{
    const QPrinterInfo Standard = QPrinterInfo::defaultPrinter();
    if (Standard.isNull())
        return StandardSeitenformat();
    return QPrinter(Standard, QPrinter::HighResolution).pageLayout();
}

bool BerichtDrucken(QPagedPaintDevice& AGeraet, const QString& AText, int AVon, int ABis)
{
    const QString Druck = DruckText(AText);
    const int Format = BreitesFormat(Druck) ? 1 : 0;
    QPainter Maler;
    if (!Maler.begin(&AGeraet))
        return false;
    const QFont Schrift(Druckschrift(DruckSchriftgrad[size_t(Format)]), &AGeraet);
    Maler.setFont(Schrift);
    Maler.setPen(Qt::black);
    const QFontMetricsF Masse(Schrift, &AGeraet);
    const QSizeF Flaeche = AGeraet.pageLayout().paintRectPixels(AGeraet.logicalDpiY()).size();
    // As many characters as fit; a longer line goes on in the next one, so nothing is cut off.
    const int Zeichen = std::max(1, int(std::floor(Flaeche.width() / Masse.horizontalAdvance(u'M') + 1e-6)));
    // The lines of a report page fit on one sheet where the sheet allows it: closer than the
    // font's own spacing, but never closer than its size.
    const double Punkt = AGeraet.logicalDpiY() / 72.0 * DruckSchriftgrad[size_t(Format)];
    const double Abstand = std::clamp(Flaeche.height() / ZeilenProSeite[size_t(Format)],
                                      std::min(Punkt, Masse.lineSpacing()), Masse.lineSpacing());
    const int Zeilen = std::max(1, int(std::floor(Flaeche.height() / Abstand + 1e-6)));
    const QList<QStringList> Seiten = DruckSeiten(Druck, Zeichen, Zeilen);
    const int Erste = AVon >= 1 ? AVon : 1;
    const int Letzte = ABis >= 1 ? std::min(ABis, int(Seiten.size())) : int(Seiten.size());
    bool OkS = true;
    for (int s = Erste; s <= Letzte && OkS; ++s) {
        if (s > Erste && !AGeraet.newPage()) {
            OkS = false;
            break;
        }
        const QStringList& Seite = Seiten[s - 1];
        for (int z = 0; z < Seite.size(); ++z)
            Maler.drawText(QPointF(0, Masse.ascent() + z * Abstand), Seite[z]);
    }
    return Maler.end() && OkS;
}

bool BerichtPdf(const QString& ATitel, const QString& AText, QByteArray& APdf)
{
    APdf.clear();
    QBuffer Puffer(&APdf);
    if (!Puffer.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter Pdf(&Puffer);
    Pdf.setTitle(ATitel);
    Pdf.setCreator(ProgrammTitel);
    Pdf.setPageLayout(Seitenformat());
    return BerichtDrucken(Pdf, AText) && !APdf.isEmpty();
}

TReAnsichtForm::TReAnsichtForm(QWidget* AParent)
    : TLuDialog("ReAnsichtForm", AParent)
{
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setProperty(ZeilenTrennerText, true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->installEventFilter(this);
    Button1 = Knopf("Button1");
    Button2 = Knopf("Button2");
    Button3 = Knopf("Button3");
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    Meldung = new TAnsage(StatusBar1);
    Meldung->Zeile()->setObjectName(QStringLiteral("Panel0"));
    StatusBar1->addWidget(Meldung, 1);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TReAnsichtForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TReAnsichtForm::PuSpeichernClick);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TReAnsichtForm::RichEdit1Change);
    Tabfolge({RichEdit1, Button1, Button2, Button3});

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto Eintrag
        = [this](const char* AName, const QString& AText, const QKeySequence& ATaste, std::function<void()> ABefehl) {
              QAction* A = PopupMenu1->addAction(AText);
              A->setObjectName(QLatin1String(AName));
              A->setShortcut(ATaste);
              // The keys work while the editor has the focus; those the editor knows itself it answers itself.
              A->setShortcutContext(Qt::WidgetShortcut);
              RichEdit1->addAction(A);
              connect(A, &QAction::triggered, this, [this, A, ABefehl] {
                  if (Freigegeben(A))
                      ABefehl();
              });
              return A;
          };
    PuSeitenumbruch = Eintrag("PuSeitenumbruch", QStringLiteral("&Seitenumbruch einfügen"), Qt::CTRL | Qt::Key_S,
                              [this] { PuSeitenumbruchClick(); });
    PuSeitenumbruchEntfernen = Eintrag("PuSeitenumbruchEntfernen", QStringLiteral("Seitenumbrüche entfernen"),
                                       QKeySequence(), [this] { PuSeitenumbruchEntfernenClick(); });
    PuKopieren = Eintrag("PuKopieren", QStringLiteral("Kopieren"), QKeySequence::Copy, [this] { RichEdit1->copy(); });
    PuAusschneiden
        = Eintrag("PuAusschneiden", QStringLiteral("Ausschneiden"), QKeySequence::Cut, [this] { RichEdit1->cut(); });
    PuEinfuegen
        = Eintrag("PuEinfuegen", QStringLiteral("Einfügen"), QKeySequence::Paste, [this] { RichEdit1->paste(); });
    PuAllesMarkieren = Eintrag("PuAllesMarkieren", QStringLiteral("Alles &markieren"), QKeySequence::SelectAll,
                               [this] { RichEdit1->selectAll(); });
    PuRueck = Eintrag("PuRueck", QStringLiteral("Rückgängig"), QKeySequence::Undo, [this] { RichEdit1->undo(); });
    PuDrucken = Eintrag("PuDrucken", QStringLiteral("&Drucken..."), Qt::CTRL | Qt::Key_P, [this] { Button1Click(); });
    PuSpeichern = Eintrag("PuSpeichern", QStringLiteral("Speichern &unter..."), Qt::CTRL | Qt::Key_U,
                          [this] { PuSpeichernClick(); });
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& AOrt) {
        PopupMenu1Popup();
        PopupMenu1->exec(RichEdit1->viewport()->mapToGlobal(AOrt));
        for (QAction* A : PopupMenu1->actions())
            A->setEnabled(true);
    });

    CaptionZuweisen();
    RichEdit1->setMaximumBlockCount(0);  // no limit
    SaveDialog1 = TDateiDialog{QStringLiteral("Speichern unter"),
                               QStringLiteral("Rich Text Format (*.RTF);;Textdokument (*.TXT);;"
                                              "Unicode-Textdokument (*.TXT);;PDF-Dokument (*.PDF)"),
                               QStringLiteral("RTF"),
                               QString(),
                               QString(),
                               true,
                               1};
    RichEdit1Change();
}

QString TReAnsichtForm::Text() const
{
    return RichEdit1->toPlainText().replace(u'\n', QLatin1String("\r\n"));
}

namespace {

// The lines stand side by side as one block, parted by U+2028: each block costs the document a
// good deal when it is filled, made ready for a width and deleted, a line in it almost nothing.
// A block holds a page at most, so laying one out for the screen stays quick.
QString BerichtBloecke(const QString& AText)
{
    constexpr int HoechstensZeilen = 64;
    const QChar* p = AText.constData();
    const QChar* const Ende = p + AText.size();
    QString T = GrosserText(AText.size());
    QChar* Ziel = T.data();
    int Zeilen = 0;
    for (;;) {
        const QChar* Bruch = std::find_if(p, Ende, [](QChar c) { return c == u'\r' || c == u'\n'; });
        Ziel = std::copy(p, Bruch, Ziel);
        if (Bruch == Ende)
            break;
        p = Bruch + (*Bruch == u'\r' && Bruch + 1 < Ende && Bruch[1] == u'\n' ? 2 : 1);
        *Ziel++ = ++Zeilen % HoechstensZeilen == 0 ? u'\n' : QChar(QChar::LineSeparator);
    }
    T.truncate(Ziel - T.constData());
    return T;
}

}

void TReAnsichtForm::setText(const QString& AText)
{
    // Filled aside and put in at once: no text event carries the whole report to the screen
    // reader, which reads the report when the view takes the focus.
    auto* Neu = new QTextDocument(RichEdit1);
    Neu->setDocumentLayout(new QPlainTextDocumentLayout(Neu));
    Neu->documentLayout()->setPaintDevice(RichEdit1->viewport());
    Neu->setDefaultFont(RichEdit1->font());
    Neu->setPlainText(BerichtBloecke(AText));
    Neu->clearUndoRedoStacks();
    // The editor deletes the document it made itself; those made here go here.
    const QPointer<QTextDocument> Alt = RichEdit1->document();
    RichEdit1->setDocument(Neu);
    if (Alt && Alt->parent() == RichEdit1)
        delete Alt;
}

void TReAnsichtForm::CaptionZuweisen()
{
    Button1->setText(QStringLiteral("&Drucken..."));
    Button2->setText(QStringLiteral("S&peichern..."));
    Button3->setText(QStringLiteral("&Schließen"));
}

void TReAnsichtForm::SchalterEinrichten()
{
    KnoepfeAngleichen({Button1, Button2, Button3});
    // As wide as the screen, frame included.
    const int Breite = VerfuegbareBreite(this);
    resize(Breite, screen()->geometry().height());
    const int Status = SchalterHoehe(StatusBar1->font(), TSteuerArt::Statusleiste);
    const int Rest = Button1->height() + 2 * DialogRand + ZeilenAbstand + Status;
    RichEdit1->setGeometry(DialogRand, DialogRand, Breite - 2 * DialogRand,
                           Gekappt(this, 15 * Button1->height(), Rest, Button1->height()));
    const int KnopfOben = RichEdit1->y() + RichEdit1->height() + ZeilenAbstand;
    // Four equal gaps: at both ends and between the buttons.
    const int Links = std::max(0, (Breite - 3 * Button1->width()) / 4);
    Button1->move(Links, KnopfOben);
    Button2->move(2 * Links + Button1->width(), KnopfOben);
    Button3->move(Button1->x() + Button2->x() + Button2->width(), KnopfOben);
    const int StatusOben = Button1->y() + Button1->height() + DialogRand;
    StatusBar1->setGeometry(0, StatusOben, Breite, Status);
    setFixedSize(Breite, StatusOben + Status);
    FensterEinrichten();
}

bool TReAnsichtForm::DruckbarS() const
{
    // Block by block, so a long report is not copied out on every key.
    for (QTextBlock B = RichEdit1->document()->begin(); B.isValid(); B = B.next()) {
        const QString T = B.text();
        if (std::any_of(T.begin(), T.end(), [](QChar c) { return c.unicode() > 32 && c != QChar::LineSeparator; }))
            return true;
    }
    return false;
}

void TReAnsichtForm::RichEdit1Change()
{
    Button1->setEnabled(DruckbarS());
    Button2->setEnabled(!RichEdit1->document()->isEmpty());
}

bool TReAnsichtForm::Freigegeben(const QAction* AItem) const
{
    if (AItem == PuSeitenumbruchEntfernen)
        return !RichEdit1->document()->find(NurFormFeed).isNull();
    if (AItem == PuKopieren || AItem == PuAusschneiden)
        return RichEdit1->textCursor().hasSelection();
    if (AItem == PuEinfuegen) {
        const QMimeData* Daten = QApplication::clipboard()->mimeData();
        return Daten && Daten->hasText();
    }
    if (AItem == PuAllesMarkieren || AItem == PuSpeichern)
        return !RichEdit1->document()->isEmpty();
    if (AItem == PuRueck)
        return RichEdit1->document()->isUndoAvailable();
    if (AItem == PuDrucken)
        return DruckbarS();
    return true;
}

void TReAnsichtForm::PopupMenu1Popup()
{
    for (QAction* A : PopupMenu1->actions())
        A->setEnabled(Freigegeben(A));
}

void TReAnsichtForm::PuSeitenumbruchClick()
{
    RichEdit1->textCursor().insertText(NurFormFeed);
}

void TReAnsichtForm::PuSeitenumbruchEntfernenClick()
{
    if (Plattform().Frage(QStringLiteral("Sollen alle Seitenumbrüche entfernt werden?"), false)
        != TPlattform::TAntwort::Ja)
        return;
    setText(Text().remove(u'\f'));
    AnDenAnfang(RichEdit1);
    Plattform().Information(QStringLiteral("Es wurden alle Seitenumbrüche entfernt!"));
}

void TReAnsichtForm::PuSpeichernClick()
{
    MerkActiveControl = QApplication::focusWidget();
    const QString Datei = Plattform().SpeichernDialog(this, SaveDialog1);
    if (!Datei.isEmpty()) {
        RichEdit1->setFocus();
        QString Fehler;
        bool OkS = false;
        const auto Filter = TBerichtFilter(SaveDialog1.FilterIndex);
        if (Filter == TBerichtFilter::Pdf) {
            QByteArray Pdf;
            OkS = BerichtPdf(windowTitle(), Text(), Pdf) && DateiErsetzen(Datei, Pdf, &Fehler);
            if (!OkS && Fehler.isEmpty())
                Fehler = QStringLiteral("Das PDF-Dokument konnte nicht erzeugt werden.");
        } else {
            const TTextFormat Format = Filter == TBerichtFilter::Rtf ? TTextFormat::Rtf
                : Filter == TBerichtFilter::Ansi                     ? TTextFormat::Ansi
                                                                     : TTextFormat::Unicode;
            OkS = TextSpeichern(Datei, Text(), Format, &Benutzerschrift(), &Fehler);
        }
        if (!OkS)
            Plattform().Fehler(
                QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.\n%2").arg(Datei, Fehler));
        SetActiveControl();
        if (OkS)
            Meldung->Ansagen(QStringLiteral("Gespeichert: %1").arg(QFileInfo(Datei).fileName()));
        return;
    }
    SetActiveControl();
}

void TReAnsichtForm::Button1Click()
{
    RichEdit1->setFocus();
    if (!Plattform().DruckerVorhanden()) {
        Plattform().Information(QStringLiteral("Es ist kein Drucker installiert!"));
        return;
    }
    MerkActiveControl = QApplication::focusWidget();
    std::optional<QString> Gedruckt;
    {
        QPrinter Drucker(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull())
            Drucker.setPageLayout(StandardSeitenformat());
        if (Plattform().DruckDialog(this, Drucker)) {
            Drucker.setDocName(QStringLiteral("Drucke %1").arg(windowTitle()));
            const bool BereichS = Drucker.printRange() == QPrinter::PageRange;
            if (!BerichtDrucken(Drucker, Text(), BereichS ? Drucker.fromPage() : 0, BereichS ? Drucker.toPage() : 0)
                || Drucker.printerState() == QPrinter::Error)
                Plattform().Fehler(QStringLiteral("Der Bericht konnte nicht gedruckt werden."));
            else
                Gedruckt = Drucker.outputFileName().isEmpty()
                    ? QStringLiteral("An den Drucker gesendet: %1").arg(Drucker.printerName())
                    : QStringLiteral("Gedruckt in: %1").arg(QFileInfo(Drucker.outputFileName()).fileName());
        }
    }
    SetActiveControl();
    // What the printer does with the pages is its own; the report has reached it.
    if (Gedruckt)
        Meldung->Ansagen(*Gedruckt);
}

void TReAnsichtForm::SetActiveControl()
{
    FokusZurueck(MerkActiveControl);
}

void TReAnsichtForm::hideEvent(QHideEvent* AEvent)
{
    Meldung->hide();  // a message of this report is no news about the next one
    QDialog::hideEvent(AEvent);
}

void TReAnsichtForm::Vorbereiten()
{
    // The screen reader names the text by the report's title.
    RichEdit1->setAccessibleName(windowTitle());
    RichEdit1Change();
}

void TReAnsichtForm::Fokussieren()
{
    AnDenAnfang(RichEdit1);
    RichEdit1->setFocus(Qt::OtherFocusReason);
    RichEdit1->document()->clearUndoRedoStacks();
}

bool TReAnsichtForm::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    if (AObjekt == RichEdit1 && AEvent->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(AEvent)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}
