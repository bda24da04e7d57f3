#pragma once
// The main of a benchmark of windows: offscreen, with the program's German names.

#include "LuUtils.h"

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
        benchmark::Initialize(&argc, argv);                                                                \
        benchmark::RunSpecifiedBenchmarks();                                                               \
        benchmark::Shutdown();                                                                             \
        return 0;                                                                                          \
    }
