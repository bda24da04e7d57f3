// Go to day and search at 36,500 days (6 entries × 10 fields, a 40-character comment each):
// from the command to the date list shown with the day on show selected and painted, and one
// case-insensitive search over all comments, alone and with the hit list filled in the dialog.

#include "BenchMain.h"
#include "Datumliste.h"
#include "Haupt.h"
#include "Kommentarsuche.h"
#include "LuListBox.h"
#include "Suchen.h"
#include "Tagebuch.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int Tage = 36500;

const TDaten& Tagebuch()
{
    static const TDaten D = GrossesTagebuch(Tage);
    return D;
}

// The main window with the diary opened from a file, the middle day on show.
struct THauptFenster {
    QTemporaryDir Ordner;
    std::unique_ptr<TForm1> F;
    THauptFenster()
    {
        const QString Datei = Ordner.filePath(QStringLiteral("hundert.MRV"));
        TDaten(Tagebuch()).SaveToFile(Datei);
        F = std::make_unique<TForm1>(Datei);
        F->show();
        while (F->Timer1.isActive() || !F->isVisible())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        F->setTagNr(Tage / 2);
        F->setTagDatenNr(F->TagDatenCount());
        F->EditZuweisen();
    }
};

void GeheZuTagListe(benchmark::State& S)
{
    THauptFenster H;
    TDatumlisteForm* D = H.F->DatumlisteForm;
    for (auto _ : S) {
        // Runs inside the dialog's event loop, once it is shown: one full paint, then Escape.
        QTimer::singleShot(0, D, [D] {
            D->repaint();
            D->reject();
        });
        H.F->MenuSprungGeheZuTag->trigger();
        if (D->ListBox1->count() != Tage || D->ListBox1->currentRow() != Tage - Tage / 2)
            S.SkipWithError("list not filled or day on show not selected");
    }
}

void SucheKeinTreffer(benchmark::State& S)
{
    const TDaten& D = Tagebuch();
    for (auto _ : S)
        benchmark::DoNotOptimize(KommentarTreffer(D, QStringLiteral("insulin"), false));
}

void SucheAlleTrefferImDialog(benchmark::State& S)
{
    TSuchenForm Form;
    Form.DatenRef = &Tagebuch();
    Form.show();
    QCoreApplication::processEvents();
    Form.Edit1->setText(QStringLiteral("kommentar zum"));
    for (auto _ : S) {
        Form.Button1Click();
        if (Form.TagNrIndex.size() != Tage)
            S.SkipWithError("not every day found");
    }
}

}

BENCHMARK(GeheZuTagListe)->Unit(benchmark::kMillisecond);
BENCHMARK(SucheKeinTreffer)->Unit(benchmark::kMillisecond);
BENCHMARK(SucheAlleTrefferImDialog)->Unit(benchmark::kMillisecond);

MEROVAN_BENCH_MAIN()
