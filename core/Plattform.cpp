#include "Plattform.h"

#include "LuUtils.h"

#include <QDate>
#include <cstdio>

namespace {

// Used by tools without a GUI (benchmarks, fuzzers): nothing is swallowed silently.
class TOhneOberflaeche final : public TPlattform {
public:
    TAntwort Frage(const QString& AText, bool) override
    {
        std::fprintf(stderr, "Frage: %s\n", qPrintable(AText));
        return TAntwort::Abbrechen;
    }
    void Information(const QString& AText) override { std::fprintf(stderr, "%s\n", qPrintable(AText)); }
    void Fehler(const QString& AText) override { std::fprintf(stderr, "Fehler: %s\n", qPrintable(AText)); }
    void Piep() override {}
    void WavAbspielen(const QString&) override {}
    int Heute() override { return DatumZuTag(QDate::currentDate()); }
    QString OeffnenDialog(QWidget*, const TDateiDialog&) override { return {}; }
    QString SpeichernDialog(QWidget*, TDateiDialog&) override { return {}; }
    bool SchriftartDialog(QWidget*, TSchriftart&) override { return false; }
    bool DruckDialog(QWidget*, QPrinter&) override { return false; }
    bool DruckerVorhanden() override { return false; }
    int ShellOeffnen(QWidget*, const QString&, const QString&, const QString&, const QString&, int) override
    {
        return ShellFehlgeschlagen;
    }
};

TPlattform*& Aktuell()
{
    static TOhneOberflaeche Rueckfall;
    static TPlattform* P = &Rueckfall;
    return P;
}

}

TPlattform& Plattform()
{
    return *Aktuell();
}

TPlattformEinsetzen::TPlattformEinsetzen(TPlattform& APlattform)
    : FVorher(Aktuell())
{
    Aktuell() = &APlattform;
}

TPlattformEinsetzen::~TPlattformEinsetzen()
{
    Aktuell() = FVorher;
}
