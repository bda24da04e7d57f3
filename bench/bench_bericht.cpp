// From the command "Übersicht aller Tage" (Ctrl+A) to the report view shown with its text
// and painted, for 3,650 and 36,500 days of 6 entries × 10 fields.

#include "BenchMain.h"
#include "Haupt.h"
#include "ReAnsicht.h"
#include "Tagebuch.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void AlleTage(benchmark::State& S)
{
    const int Tage = int(S.range(0));
    QTemporaryDir Ordner;
    const QString Datei = Ordner.filePath(QStringLiteral("tage.MRV"));
    GrossesTagebuch(Tage).SaveToFile(Datei);
    TForm1 F(Datei);
    F.show();
    while (F.Timer1.isActive() || !F.isVisible())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    TReAnsichtForm* R = F.ReAnsichtForm;
    for (auto _ : S) {
        // Runs inside the view's event loop, once it is shown: one full paint, then Escape.
        QTimer::singleShot(0, R, [R] {
            R->repaint();
            R->reject();
        });
        F.MenuAktAlleansicht->trigger();
        if (R->RichEdit1->document()->blockCount() < Tage)
            S.SkipWithError("the report is not in the view");
    }
    S.counters["Zeilen"] = R->RichEdit1->document()->blockCount();
}

}

BENCHMARK(AlleTage)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond)->Iterations(3);

MEROVAN_BENCH_MAIN()
