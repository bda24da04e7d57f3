// The settings (file, user font, background row) and the menu "Ansicht".

#include "Haupt.h"

#include "Historie.h"
#include "LuHintergrund.h"
#include "LuLayout.h"
#include "LuUtilsGui.h"
#include "Plattform.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <array>
#include <optional>

namespace {

// On Windows the registry key HKCU\Software\Merovan, elsewhere Merovan.conf in the user's configuration folder.
QSettings Einstellungen()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovan"));
}

// The stored values, in the order they are written, with their types and what an absent value
// (or, for a number, one that is not a number) loads as. The file name's default is the data folder.
enum class TWertArt { Text, Zahl };
struct TEinstellung {
    QString Name;
    TWertArt Art;
    QVariant Standard;
};
enum TWert {
    WertFilename,
    WertHintColor,
    WertFontName,
    WertFontSize,
    WertFontColor,
    WertFontCharSet,
    WertFontStyle,
    WertAnzahl
};
const std::array<TEinstellung, WertAnzahl> Einstellungstabelle{{
    {QStringLiteral("Filename"), TWertArt::Text, QVariant()},
    {QStringLiteral("HintColor"), TWertArt::Zahl, 1},
    {QStringLiteral("FontName"), TWertArt::Text, StandardSchriftname},
    {QStringLiteral("FontSize"), TWertArt::Zahl, StandardSchriftgrad},
    {QStringLiteral("FontColor"), TWertArt::Zahl, qint64(Fenstertextfarbe)},
    {QStringLiteral("FontCharSet"), TWertArt::Zahl, 0},
    {QStringLiteral("FontStyle"), TWertArt::Zahl, 0},
}};

const QString& Name(TWert AWert)
{
    return Einstellungstabelle[AWert].Name;
}

// A stored whole number, or nothing when it is absent or not a number.
std::optional<qint64> Zahl(const QSettings& S, TWert AWert)
{
    const QVariant V = S.value(Name(AWert));
    if (!V.isValid())
        return std::nullopt;
    bool OkS = false;
    const qint64 N = V.toString().trimmed().toLongLong(&OkS);
    return OkS ? std::optional<qint64>(N) : std::nullopt;
}

// A stored value as the table types it; the table's default when it is absent, not a number,
// or a blank text.
QVariant Gelesen(const QSettings& S, TWert AWert)
{
    const TEinstellung& E = Einstellungstabelle[AWert];
    if (E.Art == TWertArt::Zahl)
        return Zahl(S, AWert).value_or(E.Standard.toLongLong());
    const QString Text = S.value(E.Name).toString();
    return Text.trimmed().isEmpty() ? E.Standard : QVariant(Text);
}

// A colour pair a person can hardly read: the question before it is taken; true to take it.
bool KontrastAnnehmen(const QColor& ASchrift, const QColor& AHintergrund)
{
    const double K = Kontrast(ASchrift, AHintergrund);
    if (K >= 4.5)
        return true;
    const QString Text
        = QStringLiteral("Die Schriftfarbe %1 hebt sich vom Hintergrund %2 nur im Verhältnis %3 : 1 ab. "
                         "Gut lesbar ist Text ab einem Verhältnis von 4,5 : 1.\r\n"
                         "Soll die Auswahl trotzdem übernommen werden?")
              .arg(Farbname(ASchrift), Farbname(AHintergrund), QLocale(QLocale::German).toString(K, 'f', 1));
    return Plattform().Frage(Text, false) == TPlattform::TAntwort::Ja;
}

}

void TForm1::RegistryLadenSpeichern(bool LadenS)
{
    QSettings S = Einstellungen();
    if (!S.isWritable() && !LadenS)
        return;
    TSchriftart& Schrift = Benutzerschrift();
    if (!LadenS) {
        const int Stil = (Schrift.Font.italic() ? 1 : 0) | (Schrift.Font.bold() ? 2 : 0)
            | (Schrift.Font.underline() ? 4 : 0) | (Schrift.Font.strikeOut() ? 8 : 0);
        const std::array<QVariant, WertAnzahl> Werte{FFilename,
                                                     HintergrundNr(),
                                                     Schrift.Font.family(),
                                                     Schrift.Font.pointSize(),
                                                     qint32(FarbCode(Schrift)),
                                                     int(Schrift.Zeichensatz),
                                                     Stil};
        for (int i = 0; i < WertAnzahl; ++i)
            S.setValue(Einstellungstabelle[size_t(i)].Name, Werte[size_t(i)]);
        S.sync();
        return;
    }

    // The diary named on the command line wins; the stored one is then not read at all.
    if (!FStartDatei.isEmpty() && QFileInfo(FStartDatei).isFile()) {
        FFilename = FStartDatei;
    } else if (S.contains(Name(WertFilename))) {
        const QString Gespeichert = S.value(Name(WertFilename)).toString();
        if (!Gespeichert.isEmpty() && !IstOrdner(Gespeichert) && QFileInfo(Gespeichert).isFile())
            FFilename = Gespeichert;
        else if (!Gespeichert.isEmpty() && QFileInfo(Ordnerteil(Gespeichert)).isDir())
            FFilename = Ordnerteil(Gespeichert);
        else
            FFilename = DatenOrdner();
    } else {
        FFilename = DatenOrdner();
    }

    // Each value that is absent, not a number or out of range takes its default.
    QFont F(Gelesen(S, WertFontName).toString());
    const qint64 Groesse = Gelesen(S, WertFontSize).toLongLong();
    F.setPointSize(Groesse >= 1 && Groesse <= 1000 ? int(Groesse) : StandardSchriftgrad);
    FarbCodeSetzen(Schrift, quint32(Gelesen(S, WertFontColor).toLongLong()));
    Schrift.Zeichensatz = quint8(Gelesen(S, WertFontCharSet).toLongLong() & 0xFF);
    const qint64 Stil = Gelesen(S, WertFontStyle).toLongLong();
    F.setItalic(Stil & 1);
    F.setBold(Stil & 2);
    F.setUnderline(Stil & 4);
    F.setStrikeOut(Stil & 8);
    Schrift.Font = F;
    // Last: the row applies the font just loaded and the colour, and lays the window out.
    const std::optional<qint64> Zeile = Zahl(S, WertHintColor);
    const int Standard = Einstellungstabelle[WertHintColor].Standard.toInt();
    setHintergrundNr(!Zeile ? Standard : *Zeile < 0 || *Zeile > 18 ? 0 : int(*Zeile));
}

int TForm1::HintergrundNr() const
{
    return HintergrundForm->HintergrundNr();
}

void TForm1::setHintergrundNr(int ANr)
{
    HintergrundForm->setHintergrundNr(ANr);
    Hintergrundfarbe() = HintergrundForm->HintergrundFarbe();
    SchriftartZuweisen();
    // The change history, if open, follows at once; the dialogs take it when they show next.
    if (HistorieForm)
        HistorieForm->SchriftartZuweisen();
}

void TForm1::AnsichtErstellen()
{
    MenuAns = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    MenuAns->setObjectName(QStringLiteral("MenuAns"));
    MenuAnsSchriftart = MenuAns->addAction(QStringLiteral("&Schriftart..."));
    MenuAnsSchriftart->setObjectName(QStringLiteral("MenuAnsSchriftart"));
    connect(MenuAnsSchriftart, &QAction::triggered, this, &TForm1::MenuAnsSchriftartClick);
    MenuAnsHintergrund = MenuAns->addAction(QStringLiteral("Schrift&hintergrund..."));
    MenuAnsHintergrund->setObjectName(QStringLiteral("MenuAnsHintergrund"));
    connect(MenuAnsHintergrund, &QAction::triggered, this, &TForm1::MenuAnsHintergrundClick);
}

void TForm1::MenuAnsSchriftartClick()
{
    MerkActiveControl = QApplication::focusWidget();
    TSchriftart Neu = Benutzerschrift();
    if (Plattform().SchriftartDialog(this, Neu) && KontrastAnnehmen(Neu.Farbe, Hintergrundfarbe())) {
        Benutzerschrift() = Neu;
        setHintergrundNr(HintergrundNr());
        RegistryLadenSpeichern(false);
    }
    SetActiveControl();
}

void TForm1::MenuAnsHintergrundClick()
{
    MerkActiveControl = QApplication::focusWidget();
    const int Vorher = HintergrundNr();
    HintergrundForm->SchriftartZuweisen(Benutzerschrift(), Hintergrundfarbe());
    if (ModalZeigen(*HintergrundForm) == QDialog::Accepted) {
        if (KontrastAnnehmen(Benutzerschrift().Farbe, HintergrundForm->HintergrundFarbe())) {
            setHintergrundNr(HintergrundForm->HintergrundNr());
            RegistryLadenSpeichern(false);
        } else {
            HintergrundForm->setHintergrundNr(Vorher);
        }
    }
    SetActiveControl();
}
