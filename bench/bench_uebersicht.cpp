// The all-days report of a ten-year and of a hundred-year diary.

#include "LuUtils.h"
#include "Tagebuch.h"

#include <benchmark/benchmark.h>

static void AlleTage(benchmark::State& S)
{
    DatumsnamenAnpassen();
    const TDaten D = GrossesTagebuch(int(S.range(0)));
    for (auto _ : S) {
        TDaten Bericht(D);  // as the command does: a temporary copy, then the text
        benchmark::DoNotOptimize(Bericht.TabellenStr());
    }
    S.SetItemsProcessed(S.iterations() * S.range(0));
}
BENCHMARK(AlleTage)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);

static void NurText(benchmark::State& S)
{
    DatumsnamenAnpassen();
    const TDaten D = GrossesTagebuch(int(S.range(0)));
    for (auto _ : S)
        benchmark::DoNotOptimize(D.TabellenStr());
    S.SetItemsProcessed(S.iterations() * S.range(0));
}
BENCHMARK(NurText)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
