// "Drucken" in the main window with the large file open: the 100 000 ingredients on the
// window's printer, set up to print into a PDF file (at the printer's high resolution,
// where the command line writes 600 dpi). The resident size is sampled while the job
// runs: pages are drawn and written one by one, so it must not grow with their count.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "bench/speicherspitze.h"
#include "core/datei.h"
#include "tests/support/testmelder.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

void BM_ZutatenDrucken_Gross(benchmark::State& state) {
    QTemporaryDir ordner;
    qputenv("XDG_DATA_HOME", ordner.path().toLocal8Bit());
    const QString datei = ordner.filePath(QStringLiteral("gross.zat"));
    {
        auto d = std::make_unique<TDaten>();
        ErzeugeDaten(*d, GrosseKueche());
        if (!SaveOptionsFile(*d, datei).ok()) {
            state.SkipWithError("Die große Datei lässt sich nicht schreiben.");
            return;
        }
    }
    TTestMelder melder;
    fenster::TMainForm form;
    melder.antworte(TAntwort::ja);
    melder.waehleDatei(datei);
    form.OpenBtn->click();
    QApplication::processEvents();
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    const QString pdf = ordner.filePath(QStringLiteral("zutaten.pdf"));
    form.Drucker().setOutputFormat(QPrinter::PdfFormat);
    form.Drucker().setOutputFileName(pdf);

    TSpeicherSpitze spitze;
    if (!spitze.geht()) {
        state.SkipWithError("/proc/self/statm fehlt");
        return;
    }
    for (auto _ : state)
        form.SpeedButton2->click();
    const double zuwachs = spitze.ende();

    // The only message is the question before opening.
    if (form.ListView1->liste().anzahlZeilen() != 100000 || melder.unerwartet ||
        melder.eintraege.size() != 1 || !QFile::exists(pdf)) {
        state.SkipWithError("Die Liste wurde nicht gedruckt.");
        return;
    }
    state.counters["Zeilen"] = double(form.ListView1->liste().anzahlZeilen());
    state.counters["dpi"] = double(form.Drucker().resolution());
    state.counters["PDF_MB"] = double(QFile(pdf).size()) / (1024.0 * 1024.0);
    state.counters["Zuwachs_beim_Druck_MB"] = zuwachs;
}

} // namespace

BENCHMARK(BM_ZutatenDrucken_Gross)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    return LaufeBenchmarks(argc, argv);
}
