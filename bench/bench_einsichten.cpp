// The costing insights on the large kitchen: a price change over all 10 000 recipes and
// the menu analysis over its 1 000 000 sales days, each with its table.
#include "bench/generator/grossdaten.h"
#include "lists/kostenpruefung.h"
#include "lists/menueanalyse.h"
#include "lists/preisaenderungsliste.h"

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

// Every ingredient dearer: every recipe changes and is listed.
void PreisaenderungAlle(benchmark::State& state) {
    TDaten& d = Gross();
    TPreisaenderung a;
    a.prozent = 7.5;
    for (auto _ : state) {
        TListe l = Preisaenderungsliste(d, a, 0);
        benchmark::DoNotOptimize(l);
    }
    state.counters["Rezepte"] = double(Preisaenderungsliste(d, a, 0).anzahlZeilen());
}

// One supplier: the ingredients are found by comparing texts.
void PreisaenderungLieferant(benchmark::State& state) {
    TDaten& d = Gross();
    TPreisaenderung a;
    a.prozent = 12;
    a.auswahl = TPreisAuswahl::lieferant;
    a.text = QStringLiteral("Frischhof");
    for (auto _ : state) {
        TListe l = Preisaenderungsliste(d, a, 0);
        benchmark::DoNotOptimize(l);
    }
}

// All sales days of the generated data lie in 2023 and early 2024.
void Menueanalyse(benchmark::State& state) {
    TDaten& d = Gross();
    const TMenueWahl w{QDate(2023, 1, 1), QDate(2024, 12, 31), 0};
    for (auto _ : state) {
        TMenueAnalyse a = Menueanalyse(d, w);
        TListe l = MenueListe(a);
        benchmark::DoNotOptimize(l);
    }
    state.counters["Portionen"] = double(Menueanalyse(d, w).portionen);
}

// The status bar count, rebuilt with the lists.
void Kostenhinweise(benchmark::State& state) {
    TDaten& d = Gross();
    for (auto _ : state)
        benchmark::DoNotOptimize(RezepteMitKostenhinweisen(d, 0));
}

} // namespace

BENCHMARK(PreisaenderungAlle)->Unit(benchmark::kMillisecond);
BENCHMARK(PreisaenderungLieferant)->Unit(benchmark::kMillisecond);
BENCHMARK(Menueanalyse)->Unit(benchmark::kMillisecond);
BENCHMARK(Kostenhinweise)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
