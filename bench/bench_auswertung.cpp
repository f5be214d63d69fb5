// The evaluation table over ten years of the large kitchen (1 000 000 sales days), in one
// pass, and for comparison the direct walk of 43 rows × months passes over all sales.
#include "bench/generator/grossdaten.h"
#include "lists/auswertung.h"
#include "tests/support/auswertung_naiv.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TDaten& Gross() {
    static std::unique_ptr<TDaten> d;
    if (!d) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        d = std::make_unique<TDaten>();
        ErzeugeDaten(*d, GrosseKueche());
    }
    return *d;
}

// Sales of the generated data run from January 2023 into the following year.
TAuswertungsWahl Wahl(const benchmark::State& state, int monate) {
    const QDate start(2023, 1, 1);
    return {int(state.range(0)),
            state.range(1) ? TAuswertungsModus::simulation : TAuswertungsModus::original, start,
            start.addMonths(monate - 1)};
}

void Auswertung(benchmark::State& state) {
    TDaten& d = Gross();
    const TAuswertungsWahl w = Wahl(state, 120);
    for (auto _ : state) {
        auto t = FillAuswertung(d, w);
        benchmark::DoNotOptimize(t);
    }
}

// Linear in the months: every month is 43 passes over all sales. Run over a few months;
// the counter gives the time per month, to be scaled to 120.
void AuswertungDirekt(benchmark::State& state) {
    TDaten& d = Gross();
    const int monate = 2;
    const TAuswertungsWahl w = Wahl(state, monate);
    for (auto _ : state) {
        auto werte = BerechneAuswertungNaiv(d, w);
        benchmark::DoNotOptimize(werte);
    }
    state.counters["s_pro_Monat"] = benchmark::Counter(
        monate, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Einstellungen(benchmark::internal::Benchmark* b) {
    b->ArgNames({"kennzahl", "simulation"});
    for (int simulation : {0, 1})
        for (int k = 0; k < 5; ++k)
            b->Args({k, simulation});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Auswertung)->Apply(Einstellungen);
BENCHMARK(AuswertungDirekt)->Apply(Einstellungen)->Iterations(1);

BENCHMARK_MAIN();
