// From creating the main window to the diary on show (start step done), for an
// empty start and a ten-year diary, next to creating and showing a bare QMainWindow.

#include "BenchMain.h"
#include "Haupt.h"
#include "Tagebuch.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BisZumTagebuch(benchmark::State& S, const QString& ADatei)
{
    for (auto _ : S) {
        TForm1 F(ADatei);
        F.show();
        while (F.Timer1.isActive() || !F.isVisible())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        benchmark::DoNotOptimize(F.PositionText());
    }
}

void LeererStart(benchmark::State& S)
{
    BisZumTagebuch(S, QString());
}

void ZehnJahre(benchmark::State& S)
{
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("zehn.MRV"));
    GrossesTagebuch(3650).SaveToFile(Datei);
    BisZumTagebuch(S, Datei);
}

void LeeresQtFenster(benchmark::State& S)
{
    for (auto _ : S) {
        QMainWindow F;
        F.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(F.isVisible());
    }
}

}

// The start step waits for a 25 ms timer, as the program does; the figures include it.
BENCHMARK(LeererStart)->Unit(benchmark::kMillisecond);
BENCHMARK(ZehnJahre)->Unit(benchmark::kMillisecond);
BENCHMARK(LeeresQtFenster)->Unit(benchmark::kMillisecond);

MEROVAN_BENCH_MAIN()
