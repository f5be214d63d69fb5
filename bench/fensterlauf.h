#pragma once

#include "ui/mainform.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

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

// One fixture of type T per process, made on first use; main() closes it with
// `T::offen().reset()` while the application still exists.
template <class T> struct TEinmalig {
    static std::unique_ptr<T>& offen() {
        static std::unique_ptr<T> f;
        return f;
    }
    static T& eins() {
        if (!offen())
            offen() = std::make_unique<T>();
        return *offen();
    }
};

// The main window over the working file of XDG_DATA_HOME, shown at a usual size.
inline std::unique_ptr<fenster::TMainForm> OeffneHauptfenster() {
    auto form = std::make_unique<fenster::TMainForm>();
    form->resize(1024, 768);
    form->show();
    QApplication::processEvents();
    return form;
}
