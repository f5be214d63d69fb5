// Rebuilding and ordering the three main lists, as every change in the main window does.
#include "bench/generator/grossdaten.h"
#include "lists/geordnetelisten.h"
#include "lists/listen.h"
#include "lists/sortierung.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QDate verkaufstag(2023, 3, 15);

TDaten& Daten(const TUmfang& umfang, std::unique_ptr<TDaten>& halter) {
    if (!halter) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        halter = std::make_unique<TDaten>();
        ErzeugeDaten(*halter, umfang);
    }
    return *halter;
}

TDaten& Gross() {
    static std::unique_ptr<TDaten> d;
    return Daten(GrosseKueche(), d);
}

TDaten& Typisch() {
    static std::unique_ptr<TDaten> d;
    return Daten(TypischeKueche(), d);
}

// One rebuild: all three lists and the filter items, each list ordered by the given
// column, as after a change with that sort state.
// The lists of the previous rebuild are released outside the measurement unless
// `freigabe` is set: a window releases them when it takes the new ones.
void BaueUndOrdne(benchmark::State& state, TDaten& d, bool freigabe) {
    const auto spalte = int32_t(state.range(0));
    const bool dir = state.range(1) != 0;
    TListen vorige;
    for (auto _ : state) {
        TListen l = ListRezepte(d, 0, 0, verkaufstag);
        SortiereListe(l.zutaten, TListenArt::zutaten, spalte, dir);
        SortiereListe(l.rezepte, TListenArt::rezepte, spalte, dir);
        SortiereListe(l.verkaeufe, TListenArt::verkaeufe, spalte, dir);
        benchmark::DoNotOptimize(l);
        if (!freigabe)
            state.PauseTiming();
        vorige = std::move(l);
        if (!freigabe)
            state.ResumeTiming();
    }
}

void BM_AlleListen_Gross(benchmark::State& state) {
    BaueUndOrdne(state, Gross(), false);
}
void BM_AlleListen_Typisch(benchmark::State& state) {
    BaueUndOrdne(state, Typisch(), false);
}
void BM_AlleListenMitFreigabe_Gross(benchmark::State& state) {
    BaueUndOrdne(state, Gross(), true);
}
void BM_AlleListenMitFreigabe_Typisch(benchmark::State& state) {
    BaueUndOrdne(state, Typisch(), true);
}

// The same rebuild as the window makes it, the ingredient list on a second thread, with
// the keys kept: wall-clock time.
void BM_GeordneteListen_Gross(benchmark::State& state) {
    const TSortStand stand{int32_t(state.range(0)), state.range(1) != 0};
    TGeordneteListen vorige;
    for (auto _ : state) {
        TGeordneteListen g = GeordneteListen(Gross(), 0, 0, verkaufstag, stand, stand, stand);
        benchmark::DoNotOptimize(g);
        state.PauseTiming();
        vorige = std::move(g);
        state.ResumeTiming();
    }
}

// The two halves separately, to see where the time goes.
void BM_Bauen_Gross(benchmark::State& state) {
    TDaten& d = Gross();
    for (auto _ : state)
        benchmark::DoNotOptimize(ListRezepte(d, 0, 0, verkaufstag));
}

void BM_OrdneZutaten_Gross(benchmark::State& state) {
    const TListe basis = ZutatenListe(Gross());
    const auto spalte = int32_t(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TListe l = basis;
        l.zeilen.detach();
        state.ResumeTiming();
        SortiereListe(l, TListenArt::zutaten, spalte, false);
        benchmark::DoNotOptimize(l);
    }
}

} // namespace

// Start state (name, A to Z); a text column (column 2: "Gruppe" / "EK Preis" /
// "Tagesmenge"); a number column reversed.
BENCHMARK(BM_AlleListen_Gross)
    ->Args({0, 0})
    ->Args({2, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeordneteListen_Gross)
    ->Args({0, 0})
    ->Args({2, 0})
    ->Args({4, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleListen_Typisch)
    ->Args({0, 0})
    ->Args({2, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleListenMitFreigabe_Gross)->Args({0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleListenMitFreigabe_Typisch)->Args({0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bauen_Gross)->Unit(benchmark::kMillisecond);
// Name, a text column with few distinct values ("Lieferant"), a number column.
BENCHMARK(BM_OrdneZutaten_Gross)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
