#include "TFakePlattform.h"

#include <QPrinter>
#include <QTest>

TFakePlattform::TFakePlattform(int AHeute)
    : HeuteWert(AHeute)
    , FEinsetzen(*this)
{
}

TFakePlattform::~TFakePlattform()
{
    if (!Antworten.isEmpty() || !Dateien.isEmpty() || !Filter.isEmpty() || !Schriften.isEmpty() || !Drucke.isEmpty())
        QTest::qFail("scripted answers were left unused", __FILE__, __LINE__);
}

QStringList TFakePlattform::Texte(TArt AArt) const
{
    QStringList L;
    for (const TMeldung& M : Meldungen) {
        if (M.Art == AArt)
            L << M.Text;
    }
    return L;
}

TPlattform::TAntwort TFakePlattform::Frage(const QString& AText, bool AbbrechenS)
{
    Meldungen.append({TArt::Frage, AText, AbbrechenS});
    if (Antworten.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unanswered question: ") + AText), __FILE__, __LINE__);
        return AbbrechenS ? TAntwort::Abbrechen : TAntwort::Nein;
    }
    return Antworten.takeFirst();
}

void TFakePlattform::Information(const QString& AText)
{
    Meldungen.append({TArt::Information, AText});
}

void TFakePlattform::Fehler(const QString& AText)
{
    Meldungen.append({TArt::Fehler, AText});
}

void TFakePlattform::Piep()
{
    ++Piepse;
}

void TFakePlattform::WavAbspielen(const QString& ADatei)
{
    Klaenge.append(ADatei);
}

int TFakePlattform::Heute()
{
    return HeuteWert;
}

QString TFakePlattform::DateiAntwort(const TDateiDialog& ADialog, const char* AWas)
{
    DateiDialoge.append(ADialog);
    if (Dateien.isEmpty()) {
        QTest::qFail(AWas, __FILE__, __LINE__);
        return {};
    }
    return Dateien.takeFirst();
}

QString TFakePlattform::OeffnenDialog(QWidget*, const TDateiDialog& ADialog)
{
    return DateiAntwort(ADialog, "unanswered open dialog");
}

QString TFakePlattform::SpeichernDialog(QWidget*, TDateiDialog& ADialog)
{
    const QString Datei = DateiAntwort(ADialog, "unanswered save dialog");
    if (!Datei.isEmpty()) {
        ADialog.Dateiname = Datei;
        if (!Filter.isEmpty())
            ADialog.FilterIndex = Filter.takeFirst();
    }
    return Datei;
}

bool TFakePlattform::SchriftartDialog(QWidget*, TSchriftart& ASchrift)
{
    if (Schriften.isEmpty()) {
        QTest::qFail("unanswered font dialog", __FILE__, __LINE__);
        return false;
    }
    const std::optional<TSchriftart> F = Schriften.takeFirst();
    if (F)
        ASchrift = *F;
    return F.has_value();
}

bool TFakePlattform::DruckDialog(QWidget*, QPrinter& APrinter)
{
    if (Drucke.isEmpty()) {
        QTest::qFail("unanswered print dialog", __FILE__, __LINE__);
        return false;
    }
    if (!DruckDatei.isEmpty()) {
        APrinter.setOutputFormat(QPrinter::PdfFormat);
        APrinter.setOutputFileName(DruckDatei);
    }
    if (DruckVon > 0) {
        APrinter.setPrintRange(QPrinter::PageRange);
        APrinter.setFromTo(DruckVon, DruckBis);
    }
    return Drucke.takeFirst();
}

bool TFakePlattform::DruckerVorhanden()
{
    return DruckerS;
}

int TFakePlattform::ShellOeffnen(QWidget*, const QString& ADatei, const QString& AParameter, const QString& AOrdner,
                                 const QString& AVerb, int AAnzeige)
{
    ShellAufrufe.append({ADatei, AParameter, AOrdner, AVerb, AAnzeige});
    return ShellErgebnis;
}
