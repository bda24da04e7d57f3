#pragma once
// The main of a benchmark of windows: offscreen, set up as the program is.

#include "LuUtilsGui.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#define MEROVAN_BENCH_MAIN()                                                                                           \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication App(argc, argv);                                                                                  \
        ProgrammEinrichten();                                                                                          \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
