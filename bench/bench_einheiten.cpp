// Units: the large kitchen's file with every line entered in another unit of its family
// against the same file without units. Reading it, converting every line from its entry
// and building the ordered lists should take at most 10 % longer.
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "costing/einheitendaten.h"
#include "costing/umrechnung.h"
#include "lists/geordnetelisten.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Argument 1: every line entered in another unit.
const QByteArray& datei(const benchmark::State& state) {
    return state.range(0) ? GrosseDateiMitEinheitenBytes() : GrosseDateiBytes();
}

// Every line as entered, converted to its ingredient's unit: what showing and checking
// the recipes does.
double umrechnen(const TDaten& d) {
    double summe = 0;
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const TRezept& rezept = d.rezept(r);
        for (uint32_t i = 0; i < rezept.zutaten->count; ++i) {
            const TRezeptZutat& l = *rezept.zutaten->at<TRezeptZutat>(i);
            const TEingabe e = WieEingegeben(d, r, i);
            summe += InZutateinheit(d, uint32_t(l.zutatnr), e.menge, e.einheit).menge.value_or(0);
        }
    }
    return summe;
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
}

void Umrechnen(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, datei(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(umrechnen(d));
}

void LesenUmrechnenListen(benchmark::State& state) {
    const QByteArray& bytes = datei(state);
    for (auto _ : state) {
        auto d = std::make_unique<TDaten>();
        LeseDaten(*d, bytes);
        benchmark::DoNotOptimize(umrechnen(*d));
        TGeordneteListen l =
            GeordneteListen(*d, 0, 0, QDate(2023, 3, 15), TSortStand{}, TSortStand{}, TSortStand{});
        benchmark::DoNotOptimize(l);
        state.PauseTiming();
        d.reset();
        { const TGeordneteListen weg = std::move(l); }
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(Lesen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Umrechnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LesenUmrechnenListen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
