// The ingredient list of the large kitchen printed to a PDF file, as "Drucken" on the
// tab "Zutaten" does with a PDF printer. Pages are drawn and written one by one, so
// memory must not grow with the page count: the counters give the peak resident size
// of the process and its growth during the printout. Run each size in its own process
// (--benchmark_filter=.../1000, .../100000) for a clean peak.
#include "bench/generator/grossdaten.h"
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
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

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

// The resident size now, from an open /proc/self/statm read again from its start.
double AktuellMB(QFile& statm) {
    statm.seek(0);
    const QList<QByteArray> teile = statm.readAll().split(' ');
    return teile.size() > 1 ? teile[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

void BM_ZutatenlisteAlsPdf(benchmark::State& state) {
    TListe liste;
    liste.spalten = Zutaten().spalten;
    liste.zeilen = Zutaten().zeilen.mid(0, state.range(0));
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("zutaten.pdf"));
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        state.SkipWithError("/proc/self/statm fehlt");
        return;
    }
    const double vorher = AktuellMB(statm);
    // The generated data leave a peak of their own; a sampler sees the printout's.
    std::atomic<bool> fertig = false;
    double hoechst = vorher;
    std::thread messer([&] {
        while (!fertig) {
            hoechst = std::max(hoechst, AktuellMB(statm));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    for (auto _ : state)
        SpeicherePdf(pfad, false, [&](QPagedPaintDevice& d) {
            DruckeListView(d, QStringLiteral("Zutaten"), liste);
        });
    fertig = true;
    messer.join();
    state.counters["Zeilen"] = double(liste.anzahlZeilen());
    state.counters["PDF_MB"] = double(QFile(pfad).size()) / (1024.0 * 1024.0);
    state.counters["Spitze_RSS_MB"] = SpitzeMB();
    state.counters["Zuwachs_beim_Druck_MB"] = hoechst - vorher;
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
