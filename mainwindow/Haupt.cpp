#include "Haupt.h"

#include "Datumliste.h"
#include "Felder.h"
#include "GeheDatum.h"
#include "LuHintergrund.h"
#include "LuLayout.h"
#include "LuUtils.h"
#include "Plattform.h"
#include "ReAnsicht.h"
#include "Suchen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

QString TastenText(const QKeySequence& ATasten)
{
    return ATasten.toString(QKeySequence::NativeText);
}

QString TForm1::DatenOrdner()
{
    return SpezialOrdner(CSIDL_PERSONAL) + QStringLiteral("Merovan") + QDir::separator();
}

TForm1::TForm1(const QString& AStartDatei)
    : FDatum(Plattform().Heute())
    , FStartDatei(AStartDatei)
{
    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("Client"));
    FRollen = new QScrollArea(this);
    FRollen->setObjectName(QStringLiteral("Rollen"));
    FRollen->setFrameShape(QFrame::NoFrame);
    FRollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FRollen->setWidget(FClient);
    FFokusUhr.setSingleShot(true);
    FFokusUhr.setInterval(10);
    connect(&FFokusUhr, &QTimer::timeout, this, &TForm1::FokusAnkommen);
    setCentralWidget(FRollen);
    // The row with the focus is always fully on the screen, however it got the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* ANeu) { ZeileZeigen(ANeu); });

    // Creation order matters: the rows are walked in it.
    for (int k = 1; k <= 10; ++k) {
        FLabels[size_t(k)] = new QLabel(FClient);
        FLabels[size_t(k)]->setObjectName(QStringLiteral("Label%1").arg(k));
    }
    FLabels[0] = new QLabel(FClient);
    FLabels[0]->setObjectName(QStringLiteral("Label0"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    FPanel0 = new QLabel(StatusBar1);
    FPanel0->setObjectName(QStringLiteral("Panel0"));
    FPanel0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FPanel1 = new QLabel(StatusBar1);
    FPanel1->setObjectName(QStringLiteral("Panel1"));
    FPanel1->setAlignment(Qt::AlignCenter);
    FPanel1->setWordWrap(true);  // a long hint at a large font takes a second line, never cut
    // In the hints' place, while it is the latest news.
    FAnsage = new TAnsage(StatusBar1);
    FAnsage->Zeile()->setObjectName(QStringLiteral("Meldung"));
    FAnsage->Zeile()->setAlignment(Qt::AlignCenter);
    FAnsage->Zeile()->setWordWrap(true);
    StatusBar1->addWidget(FPanel0);
    StatusBar1->addWidget(FPanel1, 1);
    StatusBar1->addWidget(FAnsage, 1);
    setStatusBar(StatusBar1);

    for (int k = 1; k <= 10; ++k) {
        auto* E = new TFeldEdit(FClient);
        E->setObjectName(QStringLiteral("Edit%1").arg(k));
        E->Tag = 1;
        FEdits[size_t(k)] = E;
    }
    FEdits[0] = new TFeldEdit(FClient);
    FEdits[0]->setObjectName(QStringLiteral("Edit0"));
    FEdits[0]->setReadOnly(true);

    Button1 = new QPushButton(FClient);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->installEventFilter(this);

    // Labels name their boxes for the screen reader; they must be siblings for that.
    for (int k = 0; k <= 10; ++k) {
        FLabels[size_t(k)]->setBuddy(FEdits[size_t(k)]);
        FEdits[size_t(k)]->installEventFilter(this);
    }
    // Tab order: the date line, the fields, the comment button.
    QWidget::setTabOrder(FEdits[0], FEdits[1]);
    for (int k = 1; k < 10; ++k)
        QWidget::setTabOrder(FEdits[size_t(k)], FEdits[size_t(k + 1)]);
    QWidget::setTabOrder(FEdits[10], Button1);
    FEdits[0]->setFocus();

    // The window follows the font; the user never sizes it.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    MenusErstellen();
    FFilename = DatenOrdner();
    setFilename(FFilename);
    Timer1.setInterval(25);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    InitSaveOpenDialog();
    setTagNr(0);
    QDir().mkpath(DatenOrdner());

    // The dialogs, once for the program's life, in the order the program creates its windows.
    FelderForm = new TFelderForm(this);
    DatumlisteForm = new TDatumlisteForm(this);
    GeheDatumForm = new TGeheDatumForm(this);
    SuchenForm = new TSuchenForm(this);
    ReAnsichtForm = new TReAnsichtForm(this);
    HintergrundForm = new THintergrundForm(this, DialogKnopfBreite, DialogRand);
    HintergrundForm->setHintergrundNr(1);
    Hintergrundfarbe() = HintergrundForm->HintergrundFarbe();
}

TForm1::~TForm1()
{
    // The children, destroyed after this, still move the focus: no row is shown for them then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // Removes the data folder only when nothing was put into it.
    QDir().rmdir(DatenOrdner());
}

void TForm1::setDatum(int ADatum)
{
    FDatum = ADatum;
    TextZeigen(FEdits[0], DatumText(ADatum));
    FEdits[0]->GanzMarkieren();
}

QString TForm1::StatusText() const
{
    return FAnsage->isHidden() ? FPanel1->text() : FAnsage->Zeile()->text();
}

void TForm1::setStatusText(const QString& AText)
{
    FAnsage->hide();
    FPanel1->setText(AText);
    FPanel1->show();
    if (StatusBar1->maximumHeight() != StatusHoehe())
        SchalterEinrichten();
}

void TForm1::Bestaetigen(const QString& AText)
{
    FPanel1->hide();
    FAnsage->Ansagen(AText);
    if (StatusBar1->maximumHeight() != StatusHoehe())
        SchalterEinrichten();
}

int TForm1::Panel0Breite() const
{
    // A fifth of the width, wider when a large font would cut the position. Measured
    // from the text: a fixed-width label reports its fixed width as its hint.
    return std::max(FPanel0Breite,
                    FPanel0->fontMetrics().horizontalAdvance(FPanel0->text()) + 2 * FPanel0->margin() + 4);
}

int TForm1::StatusHoehe() const
{
    const int Zeile = SchalterHoehe(StatusBar1->font(), TSteuerArt::Statusleiste);
    // The status bar keeps a few pixels around its panels.
    const int Panel1Breite = FClient->width() - FPanel0->width() - 12;
    const QLabel* Text = FAnsage->isHidden() ? FPanel1 : FAnsage->Zeile();
    if (Text->fontMetrics().horizontalAdvance(Text->text()) <= Panel1Breite)
        return Zeile;
    return std::max(Zeile, Text->heightForWidth(Panel1Breite) + 6);
}

QString TForm1::PositionText() const
{
    return FPanel0->text();
}

void TForm1::setTagNr(int ANr)
{
    FTagNr = ANr < 0 ? 0 : std::min(ANr, Daten.Count());
    SetStatusTag();
}

void TForm1::setTagDatenNr(int ANr)
{
    // Every write sounds, before the number is clamped: the user hears each move.
    WavAbspielen(ProgrammDatei(QStringLiteral("NeueZeile.wav")));
    if (ANr <= 0 || FTagNr == 0)
        FTagDatenNr = 0;
    else
        FTagDatenNr = std::min(ANr, TagDatenCount());
    SetStatusTag();
}

int TForm1::TagDatenCount() const
{
    return FTagNr == 0 ? 0 : Daten.Tag(FTagNr - 1).Count();
}

void TForm1::SetStatusTag()
{
    FPanel0->setText(QStringLiteral("Tag: %1/%2|%3/%4")
                         .arg(MitTausenderPunkten(FTagNr), MitTausenderPunkten(Daten.Count()),
                              MitTausenderPunkten(FTagDatenNr), MitTausenderPunkten(TagDatenCount())));
    Panel0Einrichten();
    // The position, said with the box when the focus arrives; a change alone is not announced.
    const QString Tag = FTagNr != 0 ? QStringLiteral("Tag %1 von %2").arg(FTagNr).arg(Daten.Count()) : QString();
    const QString Eintrag
        = FTagDatenNr != 0 ? QStringLiteral("Eintrag %1 von %2").arg(FTagDatenNr).arg(TagDatenCount()) : QString();
    for (int k = 0; k <= 10; ++k)
        BeschreibungSetzen(FEdits[size_t(k)], k == 0 ? Tag : Eintrag);
}

void TForm1::Panel0Einrichten()
{
    FPanel0->setFixedWidth(Panel0Breite());
    if (StatusBar1->maximumHeight() != StatusHoehe())
        SchalterEinrichten();
}

void TForm1::CaptionZuweisen(bool SetFocusS)
{
    FLabels[0]->setText(QStringLiteral("Tag:"));
    Button1->setText(QStringLiteral("Tageskommentar..."));
    MaxEditNr = 0;
    const int Felder = int(Daten.Felder.size());
    for (int j = 1; j <= 10; ++j) {
        TFeldEdit* E = FEdits[size_t(j)];
        QLabel* L = FLabels[size_t(j)];
        if (j > Felder) {
            E->clear();
            E->hide();
            L->clear();
            L->hide();
            continue;
        }
        ++MaxEditNr;
        E->setMaxLength(5);
        E->Tag = j;
        E->show();
        // A "&" in a field name is text, not an access key.
        L->setText(QString(Daten.Felder[j - 1]).replace(u'&', QLatin1String("&&")));
        L->show();
    }
    SchalterEinrichten();
    if (SetFocusS)
        EditSetFocus(0);
}

void TForm1::TextZeigen(TFeldEdit* AEdit, const QString& AText)
{
    // An unchanged box keeps its paint (a line edit costs a quarter millisecond to draw).
    if (AEdit->text() != AText)
        AEdit->setText(AText);
}

void TForm1::EditZuweisen()
{
    // Filling the boxes is no typing: the screen reader hears of the new values when the focus
    // arrives (EditSetFocus).
    TZugangStumm Stumm;
    setDatum(FTagNr != 0 ? Daten.Tag(FTagNr - 1).Datum : Plattform().Heute());
    Button1->setEnabled(FTagNr != 0);
    const QStringList* Eintrag
        = FTagNr != 0 && FTagDatenNr != 0 ? &Daten.Tag(FTagNr - 1).TagDaten[FTagDatenNr - 1] : nullptr;
    for (int k = 0; k < MaxEditNr; ++k)
        TextZeigen(FEdits[size_t(k + 1)], Eintrag ? Eintrag->value(k) : QString());
}

void TForm1::EditInDaten()
{
    if (FTagNr == 0 || FTagDatenNr == 0)
        return;
    TTag& T = Daten.Tag(FTagNr - 1);
    T.Datum = FDatum;
    QStringList& Eintrag = T.TagDaten[FTagDatenNr - 1];
    for (int k = 0; k < MaxEditNr; ++k) {
        const QString Wert = Gestutzt(FEdits[size_t(k + 1)]->text());
        while (Eintrag.size() <= k)
            Eintrag.append(QString());
        if (Eintrag[k] != Wert)
            Eintrag[k] = Wert;
    }
}

void TForm1::EditSetFocus(int Nr)
{
    // Without field rows (a file with days but no field names) the date line is the only place.
    TFeldEdit* Ziel = Nr == 1 && MaxEditNr > 0 ? FEdits[1] : FEdits[0];
    // The focus passes through the button; the box takes it 10 ms later, without holding the
    // window up meanwhile. The screen reader hears only of the arrival.
    if (Button1->isEnabled() && Button1->isVisible()) {
        FFokusZiel = Ziel;
        FokusStill(Button1);
        FFokusUhr.start();
        return;
    }
    FFokusUhr.stop();
    FokusAnkunft(Ziel);
}

void TForm1::FokusAnkommen()
{
    FFokusUhr.stop();
    if (FFokusZiel && FFokusZiel->isVisible())
        FokusAnkunft(FFokusZiel);
    FFokusZiel = nullptr;
}

void TForm1::SetActiveControl()
{
    FokusZurueck(MerkActiveControl);
}

void TForm1::WavAbspielen(const QString& AFilename)
{
    if (QFileInfo(AFilename).isFile())
        Plattform().WavAbspielen(AFilename);
}

void TForm1::SchriftartZuweisen()
{
    ::SchriftartZuweisen(this, Benutzerschrift(), Hintergrundfarbe());
    SchalterEinrichten();
}

void TForm1::SchalterEinrichten()
{
    if (FLayoutLaeuftS)
        return;
    FLayoutLaeuftS = true;
    const QRect Arbeit = screen()->availableGeometry();
    const int Rahmen = frameGeometry().width() - width();
    const int Breite = Arbeit.width() - Rahmen;

    FPanel0Breite = (Breite / 100) * 20;
    FPanel0->setFixedWidth(Panel0Breite());
    const int StatusHoehe = this->StatusHoehe();
    StatusBar1->setFixedHeight(StatusHoehe);

    // At least 250 wide, wider when the caption needs it at a large font.
    Button1->resize(KnopfBreite(Button1, 250), SchalterHoehe(Button1->font(), TSteuerArt::Knopf));

    int W = 0;
    for (QLabel* L : FLabels) {
        LabelAnpassen(L);
        L->move(10, L->y());
        W = std::max(W, L->width());
    }
    // The date line must show the longest date whole. Where a large font leaves it too little room
    // beside the widest name, every name stands above its box instead of beside it.
    const int DatumBreite = FEdits[0]->fontMetrics().horizontalAdvance(QStringLiteral("Mi., 30. September 2015")) + 16;
    const auto Zeilen = [&](int AZeilenBreite) {
        // 5 between the widest name and the boxes, a blank of the font where that is wider.
        const int Links = 10 + W + LabelLuecke(FLabels[0]);
        const bool UntereinanderS = Links + DatumBreite + 10 > AZeilenBreite;
        int Oben = 10;
        for (int k = 0; k <= 10; ++k) {
            TFeldEdit* E = FEdits[size_t(k)];
            QLabel* L = FLabels[size_t(k)];
            if (UntereinanderS) {
                L->setGeometry(10, Oben, std::min(L->width(), AZeilenBreite - 20), L->height());
                E->setGeometry(10, Oben + L->height() + 2, AZeilenBreite - 20, E->sizeHint().height());
            } else {
                E->setGeometry(Links, Oben, AZeilenBreite - Links - 10, E->sizeHint().height());
                LabelZentrieren(L, E);
            }
            Oben = E->geometry().bottom() + 1 + 5;
        }
        Button1->move((AZeilenBreite - Button1->width()) / 2, FEdits[10]->geometry().bottom() + 1 + 10);
        return Button1->geometry().bottom() + 1 + 10;
    };
    int ClientHoehe = Zeilen(Breite);
    const int MenuHoehe = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    // Taller than the work area: the window keeps to it and the rows scroll, beside their scroll bar.
    const int Rahmenhoehe = frameGeometry().height() - height();
    const int Sichtbar = std::max(1, Arbeit.height() - Rahmenhoehe - MenuHoehe - StatusHoehe);
    int ZeilenBreite = Breite;
    if (ClientHoehe > Sichtbar) {
        ZeilenBreite = Breite - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FRollen);
        ClientHoehe = Zeilen(ZeilenBreite);
    }
    FClient->setFixedSize(ZeilenBreite, ClientHoehe);
    FRollen->setFixedSize(Breite, std::min(ClientHoehe, Sichtbar));
    setFixedSize(Breite, MenuHoehe + FRollen->height() + StatusHoehe);
    // A new layout, or a status line that took a second line, keeps the focused row in sight.
    ZeileZeigen(QApplication::focusWidget());
    FLayoutLaeuftS = false;
    if (isVisible())
        FensterEinrichten();
}

void TForm1::ZeileZeigen(QWidget* AFokus)
{
    if (!AFokus || !FClient->isAncestorOf(AFokus))
        return;
    // The whole box, not only its text cursor, which is all QScrollArea would bring into view,
    // and its name, which at a large font stands above it.
    QRect Feld(AFokus->mapTo(FClient, QPoint(0, 0)), AFokus->size());
    for (size_t k = 0; k < FEdits.size(); ++k)
        if (FEdits[k] == AFokus && FLabels[k]->isVisible())
            Feld |= FLabels[k]->geometry();
    QScrollBar* Leiste = FRollen->verticalScrollBar();
    const int Hoehe = FRollen->viewport()->height();
    if (Feld.top() < Leiste->value())
        Leiste->setValue(Feld.top());
    else if (Feld.bottom() + 1 > Leiste->value() + Hoehe)
        Leiste->setValue(Feld.bottom() + 1 - Hoehe);
}

void TForm1::FensterEinrichten()
{
    const QRect Arbeit = screen()->availableGeometry();
    if (isMaximized()) {
        move(Arbeit.topLeft());
        return;
    }
    const QSize Aussen = frameGeometry().size();
    // Never above the work area, where the menu bar and the date line would be out of sight.
    move(Arbeit.left() + (Arbeit.width() - Aussen.width()) / 2,
         std::max(Arbeit.top(), Arbeit.top() + (Arbeit.height() - Aussen.height()) / 2));
}

bool TForm1::eventFilter(QObject* AObjekt, QEvent* AEvent)
{
    // A key typed while the focus passes through the button belongs to the box it is going to.
    if (AObjekt == Button1 && FFokusUhr.isActive()
        && (AEvent->type() == QEvent::KeyPress || AEvent->type() == QEvent::KeyRelease)) {
        QPointer<TFeldEdit> Ziel = FFokusZiel;
        FokusAnkommen();
        if (Ziel)
            QApplication::sendEvent(Ziel, AEvent);
        return true;
    }
    // Menu shortcuts win over the edit box's own use of the keys (Ctrl+Right and the like).
    if (AEvent->type() == QEvent::ShortcutOverride && IstMenuTaste(static_cast<QKeyEvent*>(AEvent))) {
        AEvent->ignore();
        return true;
    }
    if (AEvent->type() == QEvent::KeyPress || AEvent->type() == QEvent::KeyRelease) {
        auto* Taste = static_cast<QKeyEvent*>(AEvent);
        const bool OhneS = (Taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && QApplication::mouseButtons() == Qt::NoButton;
        const int K = Taste->key();
        const bool ZeilenTasteS = K == Qt::Key_Return || K == Qt::Key_Enter || K == Qt::Key_Up || K == Qt::Key_Down;
        if (OhneS && ZeilenTasteS) {
            if (AEvent->type() == QEvent::KeyPress)
                return Edit0KeyDown(AObjekt, Taste);
            return true;  // the release of a row key is consumed too
        }
    }
    return QMainWindow::eventFilter(AObjekt, AEvent);
}

bool TForm1::Edit0KeyDown(QObject* AObjekt, QKeyEvent* AEvent)
{
    auto* Von = qobject_cast<TFeldEdit*>(AObjekt);
    if (!Von)
        return false;
    int Ziel = AEvent->key() == Qt::Key_Up ? Von->Tag - 1 : Von->Tag + 1;
    if (Ziel < 0) {
        Plattform().Piep();
        Ziel = 0;
    } else if (Ziel > MaxEditNr) {
        Plattform().Piep();
        Ziel = MaxEditNr;
    }
    FEdits[size_t(Ziel)]->setFocus();
    return true;
}
