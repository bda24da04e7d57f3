// The menu "Aktionen": new, deleted, moved and copied days and entries, the
// field names and the day's comment.

#include "Haupt.h"

#include "Felder.h"
#include "GeheDatum.h"
#include "LuUtils.h"
#include "LuUtilsGui.h"
#include "Plattform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QString ErsterTagText = QStringLiteral(
    "Es ist noch kein Tag vorhanden!\r\nNach Klick auf \"Ja\" werden Sie nach Feldbezeichnungen gefragt. \r\n"
    "Geben Sie dann alle Felder ein, die benötigt werden.\r\nAnschließend wird nach dem Erstellungsdatum des "
    "Tages gefragt.\r\nSoll jetzt ein neuer Tag erstellt werden?");

bool Ja(const QString& AText)
{
    return Plattform().Frage(AText, false) == TPlattform::TAntwort::Ja;
}

}

void TForm1::AktionenErstellen()
{
    MenuAkt = menuBar()->addMenu(QStringLiteral("A&ktionen"));
    MenuAkt->setObjectName(QStringLiteral("MenuAkt"));
    MenuAktNeuerTag = Befehl(MenuAkt, QStringLiteral("&Neuen Tag erstellen..."), Qt::CTRL | Qt::Key_N,
                             &TForm1::MenuAktNeuerTagClick);
    MenuAktNeuerEintrag = Befehl(MenuAkt, QStringLiteral("Neuen &Eintrag des Tages erstellen"), Qt::CTRL | Qt::Key_E,
                                 &TForm1::MenuAktNeuerEintragClick);
    MenuAkt->addSeparator();
    const auto Uebersicht = [this](const QString& AText, const QKeySequence& ATasten, TUebersichtArt AArt) {
        QAction* A = Befehl(MenuAkt, AText, ATasten, [this, AArt] { MenuAktTagesansichtClick(AArt); });
        A->setData(int(AArt));
        return A;
    };
    MenuAktTagesansicht
        = Uebersicht(QStringLiteral("Übersicht des &Tages..."), Qt::CTRL | Qt::Key_T, TUebersichtArt::Tag);
    MenuAktWochenansicht
        = Uebersicht(QStringLiteral("Übersicht einer Woche..."), Qt::CTRL | Qt::Key_W, TUebersichtArt::Woche);
    MenuAktAlleansicht
        = Uebersicht(QStringLiteral("Übersicht &aller Tage..."), Qt::CTRL | Qt::Key_A, TUebersichtArt::Alle);
    MenuAkt->addSeparator();
    MenuAktTagKopieren
        = Befehl(MenuAkt, QStringLiteral("Tag kopieren..."), Qt::CTRL | Qt::Key_C, &TForm1::MenuAktTagKopierenClick);
    MenuAktTagVerschieben = Befehl(MenuAkt, QStringLiteral("Tag &verschieben..."), Qt::CTRL | Qt::Key_V,
                                   &TForm1::MenuAktTagVerschiebenClick);
    MenuAkt->addSeparator();
    MenuAktFelder = Befehl(MenuAkt, QStringLiteral("Feld&bezeichnungen ändern..."), Qt::CTRL | Qt::Key_B,
                           &TForm1::MenuAktFelderClick);
    MenuAktKommentar = Befehl(MenuAkt, QStringLiteral("&Kommentar des Tages ändern..."), Qt::CTRL | Qt::Key_K,
                              &TForm1::Button1Click);
    MenuAkt->addSeparator();
    MenuAktLoescheEintrag = Befehl(MenuAkt, QStringLiteral("&Lösche aktuellen Eintrag des Tages"),
                                   Qt::CTRL | Qt::Key_Delete, &TForm1::MenuAktLoescheEintragClick);
    MenuAktLoescheTag
        = Befehl(MenuAkt, QStringLiteral("Lösche aktuellen Tag"), QKeySequence(), &TForm1::MenuAktLoescheTagClick);
    MenuAkt->addSeparator();
    MenuAktSuche
        = Befehl(MenuAkt, QStringLiteral("&Suche Kommentar..."), Qt::CTRL | Qt::Key_F, &TForm1::MenuAktSucheClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::AktMenuUpdate()
{
    EditInDaten();
    const bool TagS = FTagNr != 0;
    Freigeben(MenuAktNeuerTag, true);
    Freigeben(PuNeuerTag, true);
    Freigeben(MenuAktNeuerEintrag, TagS);
    Freigeben(MenuAktFelder, !Daten.Felder.isEmpty());
    for (QAction* A : {MenuAktTagesansicht, MenuAktWochenansicht, MenuAktAlleansicht, MenuAktTagKopieren,
                       MenuAktTagVerschieben, MenuAktKommentar, MenuAktLoescheTag, PuLoescheTag, MenuAktSuche})
        Freigeben(A, TagS);
    Freigeben(MenuAktLoescheEintrag, FTagDatenNr != 0);
}

void TForm1::GeheZuTag(int ANr)
{
    setTagNr(ANr + 1);
    setTagDatenNr(TagDatenCount());
    EditZuweisen();
    EditSetFocus(0);
}

int TForm1::DatumEingeben(int ADatum, int ANr)
{
    return GeheDatumForm->DatumEingeben(ADatum, ANr);
}

void TForm1::MenuAktNeuerTagClick()
{
    MerkActiveControl = QApplication::focusWidget();
    if (Ja(FTagNr == 0 ? ErsterTagText : QStringLiteral("Soll jetzt ein neuer Tag erstellt werden?")))
        NeuerTag();
    else
        SetActiveControl();
}

void TForm1::NeuerTag()
{
    MerkActiveControl = QApplication::focusWidget();
    if (Daten.Felder.isEmpty() && !FelderOk())
        return;
    int D = Plattform().Heute();
    for (;;) {
        D = DatumEingeben(D, DatumNeu);
        if (D == 0) {
            if (Daten.Count() == 0) {
                // Nothing began: the names just given go with the day that was not made.
                Daten.Clear();
                CaptionZuweisen(true);
            } else {
                SetActiveControl();
            }
            return;
        }
        const int Nr = Daten.FindeDatum(D);
        if (Nr < 0)
            break;
        if (Ja(QStringLiteral("%1 ist bereits vorhanden!\r\nSoll dieser Tag aufgerufen werden?").arg(DatumText(D)))) {
            GeheZuTag(Nr);
            return;
        }
    }
    Daten.Add(TTag(D));
    Daten.Sort();
    setTagNr(Daten.FindeDatum(D) + 1);
    setTagDatenNr(0);
    NeuerEintrag();
}

void TForm1::MenuAktNeuerEintragClick()
{
    MerkActiveControl = QApplication::focusWidget();
    if (Ja(QStringLiteral("Soll zum %1 ein neuer Eintrag hinzugefügt werden?").arg(Edit(0)->text())))
        NeuerEintrag();
    else
        SetActiveControl();
}

void TForm1::NeuerEintrag()
{
    if (FTagNr == 0) {
        NeuerTag();
        return;
    }
    TTag& T = Daten.Tag(FTagNr - 1);
    T.Add(QString());
    T.MinTagDaten(int(Daten.Felder.size()));
    setTagDatenNr(0);
    EditZuweisen();
    EditSetFocus(1);
    setTagDatenNr(TagDatenCount());
    HinweisNeuerEintrag();
}

bool TForm1::FelderOk()
{
    MerkActiveControl = QApplication::focusWidget();
    FelderForm->FelderS = true;
    FelderForm->setWindowTitle(QStringLiteral("Feldbezeichnungen ändern"));
    FelderForm->SchriftartZuweisen();
    FelderForm->setText(Daten.FelderText());
    FelderForm->Zeilen = FelderForm->Zeilenzahl();
    const int Ergebnis = ModalZeigen(*FelderForm);
    if (Ergebnis != QDialog::Accepted) {
        SetActiveControl();
        return false;
    }
    Daten.Felder = TextZeilen(FelderForm->FelderText());
    Daten.MinTagDaten(int(Daten.Felder.size()));
    CaptionZuweisen(true);
    return true;
}

void TForm1::MenuAktFelderClick()
{
    FelderOk();
}

void TForm1::Button1Click()
{
    if (FTagNr == 0)
        return;
    MerkActiveControl = QApplication::focusWidget();
    FelderForm->FelderS = false;
    FelderForm->setWindowTitle(QStringLiteral("Kommentar zum %1").arg(Edit(0)->text()));
    FelderForm->SchriftartZuweisen();
    FelderForm->setText(Daten.Tag(FTagNr - 1).Kommentar);
    FelderForm->Zeilen = 0;
    const int Ergebnis = ModalZeigen(*FelderForm);
    if (Ergebnis == QDialog::Accepted)
        Daten.Tag(FTagNr - 1).Kommentar = Gestutzt(FelderForm->Text()) + QStringLiteral("\r\n");
    SetActiveControl();
}

void TForm1::MenuAktLoescheTagClick()
{
    MerkActiveControl = QApplication::focusWidget();
    if (!Ja(QStringLiteral("Soll der %1 und all seine Einträge wirklich gelöscht werden?").arg(Edit(0)->text()))) {
        SetActiveControl();
        return;
    }
    if (Daten.Count() == 1) {
        // The last day is emptied, never removed: the diary keeps a day and its field names.
        TTag& T = Daten.Tag(0);
        T.Clear();  // dated today
        T.Add(QString());
        T.MinTagDaten(int(Daten.Felder.size()));
        Plattform().Information(QStringLiteral("Alle Daten wurden gelöscht!"));
    } else {
        Daten.Delete(FTagNr - 1);
    }
    GeheZuTag(FTagNr - 1);
}

void TForm1::MenuAktLoescheEintragClick()
{
    if (TagDatenCount() == 1) {
        MenuAktLoescheTagClick();
        return;
    }
    MerkActiveControl = QApplication::focusWidget();
    if (!Ja(QStringLiteral("Soll der Eintrag %1 von %2 wirklich gelöscht werden?")
                .arg(FTagDatenNr)
                .arg(Edit(0)->text()))) {
        SetActiveControl();
        return;
    }
    Daten.Tag(FTagNr - 1).Delete(FTagDatenNr - 1);
    setTagDatenNr(FTagDatenNr);
    EditZuweisen();
    EditSetFocus(1);
}

void TForm1::MenuAktTagVerschiebenClick()
{
    TagVerschiebenOderKopieren(false);
}

void TForm1::MenuAktTagKopierenClick()
{
    TagVerschiebenOderKopieren(true);
}

void TForm1::TagVerschiebenOderKopieren(bool KopierenS)
{
    if (FTagNr == 0)
        return;
    MerkActiveControl = QApplication::focusWidget();
    const QString Datumzeile = Edit(0)->text();
    const QString Selbst = KopierenS ? QStringLiteral("%1 kann nicht auf sich selbst kopiert werden!")
                                     : QStringLiteral("%1 kann nicht auf sich selbst verschoben werden!");
    const QString Vorhanden = KopierenS
        ? QStringLiteral("%1 ist bereits vorhanden! \r\nSollen alle Einträge von %2 in %3 kopiert werden?")
        : QStringLiteral("%1 ist bereits vorhanden! \r\nSollen alle Einträge von %2 in %3 verschoben werden?");
    int D = FDatum;
    for (;;) {
        D = DatumEingeben(D, KopierenS ? DatumKopieren : DatumVerschieben);
        if (D == 0) {
            SetActiveControl();
            return;
        }
        const int Nr = Daten.FindeDatum(D);
        if (Nr != -1 && D == FDatum) {
            Plattform().Information(Selbst.arg(Datumzeile));
            continue;
        }
        if (Nr != -1) {
            if (!Ja(Vorhanden.arg(DatumText(D), Datumzeile, DatumText(D))))
                continue;
            if (KopierenS)
                Daten.Kopiere(FTagNr - 1, Nr);
            else
                Daten.Verschiebe(FTagNr - 1, Nr);
        } else if (KopierenS) {
            TTag Kopie(Daten.Tag(FTagNr - 1));
            Kopie.Datum = D;
            Daten.Add(Kopie);
            Daten.Sort();
        } else {
            Daten.Tag(FTagNr - 1).Datum = D;
            Daten.Sort();
        }
        GeheZuTag(Daten.FindeDatum(D));
        return;
    }
}
