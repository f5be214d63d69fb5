// Purchase prices over time on the large kitchen with 24 history entries per ingredient:
// reading and writing against the same file without history, the bytes per entry, the
// list of changes and a supplier's price list of 10 000 lines.
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/preisverlauf.h"
#include "exchange/preisliste.h"
#include "lists/preisentwicklung.h"

#include <QBuffer>
#include <QLocale>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int eintraegeJeZutat = 24;
const QDate heute(2024, 6, 15);

const QByteArray& ohneVerlauf() {
    return GrosseDateiBytes();
}

// Two years of monthly prices from six suppliers, the last one the current price.
const QByteArray& mitVerlauf() {
    static const QByteArray bytes = [] {
        TDaten d;
        LeseDaten(d, ohneVerlauf());
        auto& v = d.erweiterung.abschnitt<TPreisverlauf>();
        const QStringList lieferanten = {"Großmarkt Süd",    "Frischhof",      "Molkerei Weber",
                                         "Metzgerei Brandt", "Fischhaus Nord", "Getränke Hoffmann"};
        for (uint32_t nr = 0; nr < d.anzahlZutaten(); ++nr) {
            const TZutat& z = d.zutat(nr);
            const QString einheit = Text(z.einheit);
            for (int i = 0; i < eintraegeJeZutat; ++i) {
                const double faktor = 0.8 + 0.01 * ((nr + uint32_t(i) * 7) % 40);
                v.anhaengen(nr, {heute.addMonths(i - eintraegeJeZutat + 1),
                                 i + 1 == eintraegeJeZutat ? z.preis : z.preis * faktor, z.menge,
                                 einheit, lieferanten[int((nr + uint32_t(i)) % 6)],
                                 i == 0 ? TPreisquelle::bestand : TPreisquelle::preisliste});
            }
        }
        return DatenAlsBytes(d);
    }();
    return bytes;
}

const QByteArray& datei(const benchmark::State& state) {
    return state.range(0) ? mitVerlauf() : ohneVerlauf();
}

void Lesen(benchmark::State& state) {
    const QByteArray& bytes = datei(state);
    for (auto _ : state) {
        auto d = std::make_unique<TDaten>();
        LeseDaten(*d, bytes);
        benchmark::DoNotOptimize(d->zutats.poi);
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
    state.counters["Datei_MB"] = double(bytes.size()) / 1e6;
    const double eintraege = double(GrosseKueche().zutaten) * eintraegeJeZutat;
    state.counters["Bytes_je_Eintrag"] =
        state.range(0) ? double(mitVerlauf().size() - ohneVerlauf().size()) / eintraege : 0;
}

void Schreiben(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, datei(state));
    QByteArray ziel;
    ziel.reserve(datei(state).size() + 1024);
    for (auto _ : state) {
        ziel.resize(0);
        QBuffer puffer(&ziel);
        puffer.open(QIODevice::WriteOnly);
        SchreibeDaten(d, puffer);
        benchmark::DoNotOptimize(ziel.data());
    }
}

void Preisaenderungen(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, mitVerlauf());
    // Argument: the threshold in percent; at 5 % nearly every ingredient moved.
    const TPreisentwicklungsWahl w{heute.addDays(-90), heute, double(state.range(0))};
    qsizetype zeilen = 0;
    for (auto _ : state) {
        const TListe l = Preisentwicklungsliste(d, w);
        zeilen = l.anzahlZeilen();
        benchmark::DoNotOptimize(zeilen);
    }
    state.counters["Zeilen"] = double(zeilen);
}

// Every tenth ingredient at a new price, named with its supplier.
QByteArray preisliste(const TDaten& d) {
    QString text = QStringLiteral("Artikel;EK;Lieferant\n");
    for (uint32_t nr = 0; nr < d.anzahlZutaten() && nr / 10 < 10000; nr += 10) {
        const TZutat& z = d.zutat(nr);
        text += QStringLiteral("%1;%2;%3\n")
                    .arg(TextView(z.name), QLocale().toString(z.preis * 1.07, 'f', 2),
                         TextView(z.lieferant));
    }
    return text.toUtf8();
}

void Preisliste(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto d = std::make_unique<TDaten>();
        LeseDaten(*d, mitVerlauf());
        const QByteArray csv = preisliste(*d);
        state.ResumeTiming();
        const TPreislistenPruefung p = PruefePreisliste(*d, csv, {});
        const qsizetype geaendert = WendePreislisteAn(*d, p, true);
        benchmark::DoNotOptimize(geaendert);
        state.PauseTiming();
        state.counters["Zeilen"] = double(p.gelesen);
        state.counters["Fehler"] = double(p.fehler.size());
        d.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(Lesen)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(Schreiben)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(Preisaenderungen)->Unit(benchmark::kMillisecond)->Arg(5)->Arg(15);
BENCHMARK(Preisliste)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
