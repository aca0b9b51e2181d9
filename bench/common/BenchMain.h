#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

// The main() of a benchmark program: widgets need an application, and the
// benchmarks run without a display unless one is asked for.
inline int RunBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the windows keep between starts goes to the test folders,
    // not to the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}
