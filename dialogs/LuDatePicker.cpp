#include "LuDatePicker.h"

#include "LuUtils.h"
#include "LuZugang.h"
#include "Plattform.h"

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace {

struct TTeil {
    int Start;
    int Laenge;
};

TTeil Teil(int ANr)
{
    switch (ANr) {
    case 0:
        return {0, 2};
    case 1:
        return {4, 2};
    case 2:
        return {7, 2};
    default:
        return {10, 4};
    }
}

// "d.m.y" with three whole numbers and an existing date.
QDate AlsDatum(const QString& AText)
{
    const QStringList Teile = AText.split(u'.');
    if (Teile.size() != 3)
        return {};
    bool a = false, b = false, c = false;
    const int T = Teile[0].toInt(&a), M = Teile[1].toInt(&b), J = Teile[2].toInt(&c);
    return a && b && c ? QDate(J, M, T) : QDate();
}

QString OhnePlatzhalter(QString AText)
{
    return AText.remove(u'_').remove(u' ');
}

}

TUpDown::TUpDown(QWidget* AParent)
    : QWidget(AParent)
    , Hoch(new QToolButton(this))
    , Runter(new QToolButton(this))
{
    setFocusPolicy(Qt::NoFocus);
    for (QToolButton* K : {Hoch, Runter}) {
        K->setFocusPolicy(Qt::NoFocus);  // outside the tab order; the box keeps the focus
        K->setAutoRepeat(true);
    }
    Hoch->setArrowType(Qt::UpArrow);
    Runter->setArrowType(Qt::DownArrow);
    Hoch->setAccessibleName(QStringLiteral("Später"));
    Runter->setAccessibleName(QStringLiteral("Früher"));
    connect(Hoch, &QToolButton::clicked, this, [this] { Q_EMIT Schritt(true); });
    connect(Runter, &QToolButton::clicked, this, [this] { Q_EMIT Schritt(false); });
}

void TUpDown::resizeEvent(QResizeEvent* AEvent)
{
    QWidget::resizeEvent(AEvent);
    const int Haelfte = height() / 2;
    Hoch->setGeometry(0, 0, width(), Haelfte);
    Runter->setGeometry(0, Haelfte, width(), height() - Haelfte);
}

TDatePicker::TDatePicker(QWidget* AOwner)
    : QLineEdit(AOwner)
    , FDatum(Plattform().Heute())
    , FMaxDatum(FDatum)
    , FMinDatum(FDatum)
    , UpDown(new TUpDown(AOwner))
    , FAnsage(UnsichtbareAnsage(AOwner))
{
    // The part is selected for the eye and the typing rules; the screen reader hears it by name.
    setProperty(AuswahlVerschwiegen, true);
    // A right click shows no menu; text can arrive only by the typing rules.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    UpDown->resize(StufenBreite(), height());
    connect(UpDown, &TUpDown::Schritt, this, [this](bool AHochS) {
        if (isReadOnly())
            Piep();
        else
            Bedienen([this, AHochS] { Schritt(AHochS, 1); }, false);
    });
    setDatum(FDatum);
    StufenAnbringen();
}

TDatePicker::~TDatePicker() = default;

QString TDatePicker::Wochentagsfeld(int ATag)
{
    const QString Name = Datumsnamen().KurzTag[size_t(TagZuDatum(ATag).dayOfWeek() % 7)].left(2);
    return Name.size() == 1 ? u' ' + Name : Name;
}

void TDatePicker::Piep()
{
    Plattform().Piep();
}

void TDatePicker::Ersetzen(int AStart, int ALaenge, const QString& ANeu)
{
    QString T = text();
    T.replace(AStart, ALaenge, ANeu);
    TextSetzen(T);
}

void TDatePicker::TextSetzen(const QString& ANeu)
{
    if (text() != ANeu)
        setText(ANeu);
}

void TDatePicker::Markiere(bool MerkeS)
{
    const TTeil T = Teil(FMarkiereNr);
    setSelection(T.Start, T.Laenge);
    if (MerkeS)
        Gemerkt = selectedText();
    BeschreibungNachfuehren();
}

// A selection is either empty or the whole current part, so an edit can never
// reach into another part and break the fixed layout.
void TDatePicker::AufTeilBeschraenken()
{
    if (!hasSelectedText() || FMarkiereNr == 0)
        return;
    const TTeil T = Teil(FMarkiereNr);
    if (selectionStart() != T.Start || selectedText().size() != T.Laenge)
        Markiere(false);
}

void TDatePicker::CheckEingabe()
{
    if (FMarkiereNr == 0)
        return;
    if (!hasSelectedText())
        Markiere(false);
    AufTeilBeschraenken();
    const int Start = selectionStart();
    const int Laenge = int(selectedText().size());
    QString a = OhnePlatzhalter(selectedText());
    bool ZahlS = false;
    int Zahl = a.toInt(&ZahlS);
    if (ZahlS && Zahl != 0) {
        int Grenze = FMarkiereNr == 1 ? 31 : 12;
        if (FMarkiereNr >= 3) {
            const int MinJahr = TagZuDatum(int(FMinDatum)).year();
            if (Zahl < MinJahr)
                Zahl = MinJahr;
            Grenze = TagZuDatum(int(FMaxDatum)).year();
        }
        a = QString::number(std::min(Zahl, Grenze));
    } else {
        a = Gemerkt;
    }
    if (FMarkiereNr < 3) {
        if (a.size() == 1)
            a.prepend(u'0');
    } else {
        while (a.size() < 4)
            a.append(u'0');
    }
    Ersetzen(Start, Laenge, a);
    setSelection(Start, int(a.size()));

    const QDate D = AlsDatum(OhnePlatzhalter(text().mid(4)));
    if (!D.isValid())
        return;
    const QString Feld = Wochentagsfeld(DatumZuTag(D));
    if (text().left(2) != Feld) {
        Ersetzen(0, 2, Feld);
        setSelection(Start, int(a.size()));
    }
}

void TDatePicker::Bounds(int ATop, int ALeft, int AWidth)
{
    setTop(ATop);
    setLeft(ALeft);
    setWidth(AWidth);
    setMarkiereNr(1);
}

void TDatePicker::StufenAnbringen()
{
    UpDown->setGeometry(x() + width(), y(), UpDown->width(), height());
}

int TDatePicker::StufenBreite() const
{
    // As wide as the platform's scroll arrows, and wider with a large font.
    return std::max({16, style()->pixelMetric(QStyle::PM_ScrollBarExtent), height() / 2});
}

void TDatePicker::setTop(int ATop)
{
    move(x(), ATop);
    StufenAnbringen();
    setDatum(FDatum);
}

void TDatePicker::setLeft(int ALeft)
{
    move(ALeft, y());
    StufenAnbringen();
    setDatum(FDatum);
}

int TDatePicker::Width() const
{
    return width() + UpDown->width();
}

void TDatePicker::setWidth(int AWidth)
{
    UpDown->resize(StufenBreite(), height());
    resize(AWidth - UpDown->width(), height());
    StufenAnbringen();
    setDatum(FDatum);
}

void TDatePicker::setMinDatum(double ADatum)
{
    const double Gelesen = Datum();
    FMinDatum = ADatum;
    if (Gelesen < ADatum)
        setDatum(ADatum);
}

void TDatePicker::setMaxDatum(double ADatum)
{
    const double Gelesen = Datum();
    FMaxDatum = ADatum;
    if (Gelesen > ADatum)
        setDatum(ADatum);
}

double TDatePicker::Datum()
{
    CheckEingabe();
    return GelesenerTag();
}

double TDatePicker::GelesenerTag() const
{
    const QString s = OhnePlatzhalter(text().mid(4));
    if (s.isEmpty())
        return FMinDatum;
    const QDate D = AlsDatum(s);
    if (D.isValid())
        return std::clamp(double(DatumZuTag(D)), FMinDatum, FMaxDatum);
    // A day the month does not have (31.04., 30.02.) reads as the month's last day.
    static const int Monatstage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool JahrS = false, MonatS = false;
    const int Jahr = s.mid(6, 4).toInt(&JahrS);
    const int Monat = s.mid(3, 2).toInt(&MonatS);
    if (!JahrS || !MonatS)
        return FMinDatum;
    const QDate Ersatz(Jahr, Monat, Monat >= 1 && Monat <= 12 ? Monatstage[Monat - 1] : 30);
    return Ersatz.isValid() ? DatumZuTag(Ersatz) : FMinDatum;
}

void TDatePicker::setDatum(double ADatum)
{
    double x = ADatum;
    if (x < FMinDatum)
        x = FMinDatum;
    else if (x > FMaxDatum)
        x = FMaxDatum;
    FDatum = std::trunc(x);
    const QDate D = TagZuDatum(int(FDatum));
    TextSetzen(Wochentagsfeld(int(FDatum)) + QStringLiteral(", ") + QString::number(D.day()).rightJustified(2, u'0')
               + u'.' + QString::number(D.month()).rightJustified(2, u'0') + u'.'
               + QString::number(D.year()).rightJustified(4, u'0') + u' ');
    Markiere(true);
}

void TDatePicker::setMarkiereNr(int ANr)
{
    const int v = std::clamp(ANr, 0, 3);
    if (v == FMarkiereNr)
        return;
    CheckEingabe();
    FMarkiereNr = v;
    Markiere(true);
}

void TDatePicker::Schritt(bool AHochS, int n)
{
    CheckEingabe();
    const int Gelesen = int(std::trunc(Datum()));
    if (FMarkiereNr == 0) {
        setDatum(Gelesen + (AHochS ? n : -n));
        return;
    }
    const QDate D = TagZuDatum(Gelesen);
    const QDate Min = TagZuDatum(int(FMinDatum));
    const QDate Max = TagZuDatum(int(FMaxDatum));
    const int Y = D.year(), M = D.month();
    if (FMarkiereNr == 1) {
        const int Unten = Y == Min.year() && M == Min.month() ? Min.day() : 1;
        const int Oben = Y == Max.year() && M == Max.month() ? Max.day() : D.daysInMonth();
        if (AHochS ? D.day() >= Oben : D.day() <= Unten)
            return;
        setDatum(Gelesen + (AHochS ? 1 : -1));
    } else if (FMarkiereNr == 2) {
        const int Unten = Y == Min.year() ? Min.month() : 1;
        const int Oben = Y == Max.year() ? Max.month() : 12;
        if (AHochS ? M >= Oben : M <= Unten)
            return;
        setDatum(DatumZuTag(D.addMonths(AHochS ? 1 : -1)));
    } else if (!AHochS && Y == Min.year()) {
        setDatum(FMinDatum);
    } else if (AHochS && Y == Max.year()) {
        setDatum(FMaxDatum);
    } else {
        setDatum(DatumZuTag(D.addMonths(AHochS ? 12 : -12)));
    }
}

void TDatePicker::Zeichen(QChar AZeichen)
{
    if (isReadOnly()) {
        Piep();
        return;
    }
    if (FMarkiereNr == 0)
        return;
    const TTeil T = Teil(FMarkiereNr);
    if (AZeichen == u'\b') {
        Markiere(false);
        Ersetzen(T.Start, T.Laenge, QString(T.Laenge, u'_'));
        Markiere(false);
        return;
    }
    if (!AZeichen.isDigit() || AZeichen.unicode() > u'9')
        return;
    AufTeilBeschraenken();
    if (hasSelectedText()) {
        Ersetzen(T.Start, T.Laenge, AZeichen + QString(T.Laenge - 1, u'_'));
        setCursorPosition(T.Start + 1);
        return;
    }
    bool GesetztS = false;
    int c = cursorPosition();
    if (c < text().size() && text()[c] == u'_') {
        Ersetzen(c, 1, QString(AZeichen));
        setCursorPosition(c + 1);
        GesetztS = true;
    }
    c = cursorPosition();
    if (c < text().size() && text()[c] == u'_') {
        setCursorPosition(c);  // waits before the placeholder for the next digit
        return;
    }
    setCursorPosition(c);
    if (FMarkiereNr < 3)
        setMarkiereNr(FMarkiereNr + 1);
    else if (!GesetztS)
        Piep();
}

void TDatePicker::keyPressEvent(QKeyEvent* AEvent)
{
    const bool LeseS = isReadOnly();
    const int Taste = AEvent->key();
    switch (Taste) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int Neu = Taste == Qt::Key_Left ? FMarkiereNr - 1
            : Taste == Qt::Key_Right          ? FMarkiereNr + 1
            : Taste == Qt::Key_Home           ? 0
                                              : 3;
        Bedienen([this, Neu] { setMarkiereNr(Neu); }, true);
        return;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Up and Down as a press of the step buttons; the pages by a week on the weekday.
        if (LeseS) {
            Piep();
            return;
        }
        Bedienen(
            [this, Taste] {
                Schritt(Taste == Qt::Key_PageUp || Taste == Qt::Key_Up,
                        Taste == Qt::Key_PageUp || Taste == Qt::Key_PageDown ? 7 : 1);
            },
            false);
        return;
    case Qt::Key_Delete:
        if (LeseS)
            Piep();
        return;
    case Qt::Key_Backspace:
        Bedienen([this] { Zeichen(u'\b'); }, false);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        AEvent->ignore();  // for the dialog's buttons and the focus order
        return;
    default:
        break;
    }
    const QString Text = AEvent->text();
    if (Text.isEmpty() || (AEvent->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        AEvent->ignore();
        return;
    }
    // Every character is consumed: the box never inserts one by itself.
    Bedienen(
        [this, &Text] {
            for (QChar c : Text)
                Zeichen(c);
        },
        false);
}

void TDatePicker::Bedienen(const std::function<void()>& AHandlung, bool ATeilS)
{
    // A date with a part half typed is no date yet; the digits are echoed as they are typed.
    const auto Fertig = [this] { return !text().contains(u'_'); };
    const bool FertigVorherS = Fertig();
    const double TagVorher = GelesenerTag();
    const int TeilVorher = FMarkiereNr;
    {
        // Unheard: Orca would say the replaced part, "selected", "unselected" or a bare number.
        TZugangStumm Stumm;
        AHandlung();
    }
    QStringList Gesagt;
    // A new date, or a part finished by typing (even to the value it had).
    if (Fertig() && (!FertigVorherS || GelesenerTag() != TagVorher))
        Gesagt << DatumInWorten(int(GelesenerTag()));
    if (ATeilS && FMarkiereNr != TeilVorher)
        Gesagt << TeilInWorten();
    BeschreibungNachfuehren();
    if (!Gesagt.isEmpty())
        FAnsage->Ansagen(Gesagt.join(QStringLiteral(", ")), this);
}

QString TDatePicker::DatumInWorten(int ATag)
{
    const QDate D = TagZuDatum(ATag);
    return QStringLiteral("%1, %2. %3 %4")
        .arg(QLocale(QLocale::German).dayName(D.dayOfWeek(), QLocale::LongFormat))
        .arg(D.day())
        .arg(Datumsnamen().LangMonat[size_t(D.month() - 1)])
        .arg(D.year());
}

QString TDatePicker::TeilInWorten() const
{
    if (FMarkiereNr == 0)
        return QStringLiteral("Wochentag ")
            + QLocale(QLocale::German).dayName(TagZuDatum(int(GelesenerTag())).dayOfWeek(), QLocale::LongFormat);
    static const char* const Namen[] = {"Tag", "Monat", "Jahr"};
    const TTeil T = Teil(FMarkiereNr);
    // Without leading zero ("Tag 5", not "Tag null fünf"); a part half typed as it stands.
    const QString Wert = OhnePlatzhalter(text().mid(T.Start, T.Laenge));
    bool ZahlS = false;
    const int Zahl = Wert.toInt(&ZahlS);
    return QLatin1String(Namen[std::clamp(FMarkiereNr, 1, 3) - 1]) + u' ' + (ZahlS ? QString::number(Zahl) : Wert);
}

void TDatePicker::BeschreibungNachfuehren()
{
    BeschreibungSetzen(this, TeilInWorten());
}

void TDatePicker::focusInEvent(QFocusEvent* AEvent)
{
    // The screen reader hears of the arrival after this handler: the label, the text and the part.
    TZugangStumm Stumm;
    // Qt would select the whole text on Tab; the box keeps its part selected instead.
    const int Start = selectionStart();
    const int Laenge = int(selectedText().size());
    const int Cursor = cursorPosition();
    QLineEdit::focusInEvent(AEvent);
    if (Start >= 0)
        setSelection(Start, Laenge);
    else
        setCursorPosition(Cursor);
    setMarkiereNr(1);
}

void TDatePicker::focusOutEvent(QFocusEvent* AEvent)
{
    // The focus goes elsewhere: the correction of the part left is not news.
    TZugangStumm Stumm;
    CheckEingabe();
    const int Start = selectionStart();
    const int Laenge = int(selectedText().size());
    QLineEdit::focusOutEvent(AEvent);
    // The part stays selected for the next time the box has the focus.
    if (Start >= 0)
        setSelection(Start, Laenge);
}

void TDatePicker::mousePressEvent(QMouseEvent* AEvent)
{
    TZugangStumm Stumm;  // the caret's move is said as the part chosen at the release
    if (AEvent->button() == Qt::LeftButton)
        QLineEdit::mousePressEvent(AEvent);
    else
        AEvent->accept();
}

void TDatePicker::mouseDoubleClickEvent(QMouseEvent* AEvent)
{
    TZugangStumm Stumm;
    if (AEvent->button() == Qt::LeftButton)
        QLineEdit::mouseDoubleClickEvent(AEvent);
    else
        AEvent->accept();
}

void TDatePicker::mouseReleaseEvent(QMouseEvent* AEvent)
{
    if (AEvent->button() != Qt::LeftButton) {
        AEvent->accept();  // no pasting with the middle button
        return;
    }
    Bedienen(
        [this, AEvent] {
            QLineEdit::mouseReleaseEvent(AEvent);
            const int s = hasSelectedText() ? selectionStart() : cursorPosition();
            const int Neu = s < 4 ? 0 : s < 7 ? 1 : s < 10 ? 2 : 3;
            if (Neu != FMarkiereNr)
                setMarkiereNr(Neu);
            else
                AufTeilBeschraenken();  // a selection over several parts shrinks to the part it starts in
        },
        true);
}

void TDatePicker::inputMethodEvent(QInputMethodEvent* AEvent)
{
    AEvent->ignore();
}

void TDatePicker::moveEvent(QMoveEvent* AEvent)
{
    QLineEdit::moveEvent(AEvent);
    StufenAnbringen();
}

void TDatePicker::resizeEvent(QResizeEvent* AEvent)
{
    QLineEdit::resizeEvent(AEvent);
    StufenAnbringen();
}
