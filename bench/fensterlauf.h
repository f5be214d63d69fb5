#pragma once

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

// The application of a benchmark that drives windows: on the offscreen platform unless
// another one is asked for, with the German locale of the program's users.
class TBenchAnwendung : public QApplication {
public:
    TBenchAnwendung(int& argc, char** argv) : QApplication(Offscreen(argc), argv) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    }

private:
    static int& Offscreen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

// Runs the benchmarks named on the command line; 1 for an argument it does not know.
inline int LaufeBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
