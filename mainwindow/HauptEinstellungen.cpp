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

namespace {

// On Windows the registry key HKCU\Software\Merovan, elsewhere Merovan.conf in the user's configuration folder.
QSettings Einstellungen()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Merovan"));
}

// A stored whole number, or nothing when it is absent or not a number.
std::optional<qint64> Zahl(const QSettings& S, const QString& AName)
{
    const QVariant V = S.value(AName);
    if (!V.isValid())
        return std::nullopt;
    bool OkS = false;
    const qint64 N = V.toString().trimmed().toLongLong(&OkS);
    return OkS ? std::optional<qint64>(N) : std::nullopt;
}

// A colour pair a person can hardly read: the question before it is taken; true to take it.
bool KontrastAnnehmen(const QColor& ASchrift, const QColor& AHintergrund)
{
    const double K = Kontrast(ASchrift, AHintergrund);
    if (K >= 4.5)
        return true;
    const QString Text = QStringLiteral("Die Schriftfarbe %1 hebt sich vom Hintergrund %2 nur im Verhältnis %3 : 1 ab. "
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
        S.setValue(QStringLiteral("Filename"), FFilename);
        S.setValue(QStringLiteral("HintColor"), HintergrundNr());
        S.setValue(QStringLiteral("FontName"), Schrift.Font.family());
        S.setValue(QStringLiteral("FontSize"), Schrift.Font.pointSize());
        S.setValue(QStringLiteral("FontColor"), qint32(FarbCode(Schrift)));
        S.setValue(QStringLiteral("FontCharSet"), int(Schrift.Zeichensatz));
        const int Stil = (Schrift.Font.italic() ? 1 : 0) | (Schrift.Font.bold() ? 2 : 0)
            | (Schrift.Font.underline() ? 4 : 0) | (Schrift.Font.strikeOut() ? 8 : 0);
        S.setValue(QStringLiteral("FontStyle"), Stil);
        S.sync();
        return;
    }

    // The diary named on the command line wins; the stored one is then not read at all.
    if (!FStartDatei.isEmpty() && QFileInfo(FStartDatei).isFile()) {
        FFilename = FStartDatei;
    } else if (S.contains(QStringLiteral("Filename"))) {
        const QString Gespeichert = S.value(QStringLiteral("Filename")).toString();
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
    QFont F(QStringLiteral("Courier New"));
    const QString Name = S.value(QStringLiteral("FontName")).toString();
    if (!Name.trimmed().isEmpty())
        F.setFamily(Name);
    const qint64 Groesse = Zahl(S, QStringLiteral("FontSize")).value_or(12);
    F.setPointSize(Groesse >= 1 && Groesse <= 1000 ? int(Groesse) : 12);
    FarbCodeSetzen(Schrift, quint32(Zahl(S, QStringLiteral("FontColor")).value_or(qint64(Fenstertextfarbe))));
    Schrift.Zeichensatz = quint8(Zahl(S, QStringLiteral("FontCharSet")).value_or(0) & 0xFF);
    const qint64 Stil = Zahl(S, QStringLiteral("FontStyle")).value_or(0);
    F.setItalic(Stil & 1);
    F.setBold(Stil & 2);
    F.setUnderline(Stil & 4);
    F.setStrikeOut(Stil & 8);
    Schrift.Font = F;
    // Last: the row applies the font just loaded and the colour, and lays the window out.
    const std::optional<qint64> Zeile = Zahl(S, QStringLiteral("HintColor"));
    setHintergrundNr(!Zeile ? 1 : *Zeile < 0 || *Zeile > 18 ? 0 : int(*Zeile));
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
