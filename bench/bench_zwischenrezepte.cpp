// Sub-recipes on the large kitchen with 1 000 of its 10 000 recipes as sub-recipes in
// four levels: recomputing every sub-recipe after one price changed, and the ways of an
// ingredient through all levels. The whole change in the window: bench_zwischenrezepte_fenster.
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A bought ingredient used by a recipe of the lowest level, so that its change climbs
// through all four.
uint32_t ZutatDerUntersten(const TDaten& d) {
    return uint32_t(d.rezept(0).zutaten->at<TRezeptZutat>(5)->zutatnr);
}

void BM_ZwischenrezepteNachrechnen(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, GrosseDateiMitZwischenrezeptenBytes());
    const uint32_t zutat = ZutatDerUntersten(d);
    const double vorher = d.zutat(*ZutatVonRezept(d, 0)).preis;
    double faktor = 1.1;
    for (auto _ : state) {
        d.zutat(zutat).preis *= faktor;
        faktor = 1 / faktor;
        benchmark::DoNotOptimize(Nachrechnen(d));
    }
    if (Zwischenrezepte(d)->liste().size() != 1000 || !std::isfinite(vorher))
        state.SkipWithError("Die Datei hat nicht 1000 Zwischenrezepte.");
    state.SetLabel("1000 Zwischenrezepte in 4 Ebenen");
}

// The ways of a bought ingredient through all levels, as the ingredient dialog shows them.
void BM_VerwendetIn(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, GrosseDateiMitZwischenrezeptenBytes());
    const uint32_t zutat = ZutatDerUntersten(d);
    for (auto _ : state)
        benchmark::DoNotOptimize(VerwendetInTexteZutat(d, zutat));
}

} // namespace

BENCHMARK(BM_ZwischenrezepteNachrechnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerwendetIn)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
