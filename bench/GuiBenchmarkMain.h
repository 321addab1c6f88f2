// The main of the benchmarks that render or exchange: they need a Qt GUI
// application, on the offscreen platform unless the caller chose one.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#define TESSEL_GUI_BENCHMARK_MAIN()                                                                   \
    int main(int argc, char** argv)                                                                   \
    {                                                                                                 \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                           \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                  \
        QGuiApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                           \
        benchmark::RunSpecifiedBenchmarks();                                                          \
        benchmark::Shutdown();                                                                        \
        return 0;                                                                                     \
    }
