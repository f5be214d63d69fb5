// A header click in the insight dialogs on their largest table: the price change of all
// 10 000 recipes of the large kitchen, ordered by a text and by a number column.
#include "bench/generator/grossdaten.h"
#include "lists/preisaenderungsliste.h"
#include "lists/tabellenordnung.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

const TListe& Tabelle() {
    static const TListe l = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten d;
        ErzeugeDaten(d, GrosseKueche());
        TPreisaenderung a;
        a.prozent = 7.5;
        return Preisaenderungsliste(d, a, 0, true);
    }();
    return l;
}

void Ordne(benchmark::State& state, int spalte) {
    const TListe& l = Tabelle();
    for (auto _ : state) {
        TListe g = GeordneteTabelle(l, {spalte, false}, false);
        benchmark::DoNotOptimize(g);
    }
    state.counters["Zeilen"] = double(l.anzahlZeilen());
}

void NachName(benchmark::State& state) {
    Ordne(state, 0);
}

void NachEkNachher(benchmark::State& state) {
    Ordne(state, 3);
}

} // namespace

BENCHMARK(NachName)->Unit(benchmark::kMillisecond);
BENCHMARK(NachEkNachher)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
