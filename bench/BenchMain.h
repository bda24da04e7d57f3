#pragma once
// The main of a benchmark of windows: offscreen, with the program's German names, its accessible
// edit boxes and its style.

#include "LuFokus.h"
#include "LuUtils.h"
#include "LuZugang.h"

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>

#define MEROVAN_BENCH_MAIN()                                                                               \
    int main(int argc, char** argv)                                                                        \
    {                                                                                                      \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                           \
        QApplication App(argc, argv);                                                                      \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));                                   \
        DatumsnamenAnpassen();                                                                             \
        ZugangEinrichten();                                                                                \
        FokusStilEinrichten();                                                                             \
        benchmark::Initialize(&argc, argv);                                                                \
        benchmark::RunSpecifiedBenchmarks();                                                               \
        benchmark::Shutdown();                                                                             \
        return 0;                                                                                          \
    }
