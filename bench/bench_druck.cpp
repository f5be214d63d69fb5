// The ingredient list of the large kitchen printed to a PDF file, as "Drucken" on the
// tab "Zutaten" does with a PDF printer. Pages are drawn and written one by one, so
// memory must not grow with the page count: the counters give the peak resident size
// of the process and its growth during the printout. Run each size in its own process
// (--benchmark_filter=.../1000, .../100000) for a clean peak.
#include "bench/generator/grossdaten.h"
#include "bench/speicherspitze.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/pdfdruck.h"
#include "lists/listen.h"
#include "lists/sortierung.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <memory>

namespace {

const TListe& Zutaten() {
    static std::unique_ptr<TListe> liste;
    if (!liste) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten d;
        ErzeugeDaten(d, GrosseKueche());
        liste = std::make_unique<TListe>(ZutatenListe(d));
        SortiereListe(*liste, TListenArt::zutaten, 0, false);
    }
    return *liste;
}

double SpitzeMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_ZutatenlisteAlsPdf(benchmark::State& state) {
    TListe liste;
    liste.spalten = Zutaten().spalten;
    liste.zeilen = Zutaten().zeilen.mid(0, state.range(0));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("zutaten.pdf"));
    TSpeicherSpitze spitze;
    if (!spitze.geht()) {
        state.SkipWithError("/proc/self/statm fehlt");
        return;
    }
    for (auto _ : state)
        SpeicherePdf(pfad, false, [&](QPagedPaintDevice& d) {
            DruckeListView(d, QStringLiteral("Zutaten"), liste);
        });
    const double zuwachs = spitze.ende();
    state.counters["Zeilen"] = double(liste.anzahlZeilen());
    state.counters["PDF_MB"] = double(QFile(pfad).size()) / (1024.0 * 1024.0);
    state.counters["Spitze_RSS_MB"] = SpitzeMB();
    state.counters["Zuwachs_beim_Druck_MB"] = zuwachs;
}

} // namespace

BENCHMARK(BM_ZutatenlisteAlsPdf)
    ->Arg(1000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Fonts need the GUI platform; printing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
