// The declaration of every dish of the large kitchen, every ingredient declared: the
// roll-up alone, with the written form, and the allergen card's table.
#include "bench/generator/grossdaten.h"
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "lists/kennzeichnungslisten.h"

#include <QLocale>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TDaten& Gross() {
    static std::unique_ptr<TDaten> d;
    if (!d) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        d = std::make_unique<TDaten>();
        ErzeugeDaten(*d, GrosseKueche());
        // Mostly free, now and then contained or with traces, a few groups undeclared.
        QRandomGenerator zufall(815);
        TKennzeichnungAbschnitt& k = Kennzeichnung(*d);
        for (uint32_t i = 0; i < d->anzahlZutaten(); ++i) {
            TZutatDeklaration z;
            for (int g = 0; g < AllergenGruppen; ++g) {
                const int w = zufall.bounded(100);
                z.setze(g, w < 5   ? TAllergenZustand::enthaelt
                           : w < 8 ? TAllergenZustand::spuren
                           : w < 9 ? TAllergenZustand::ungeklaert
                                   : TAllergenZustand::frei);
            }
            if (z.zustand(GruppeGluten) == TAllergenZustand::enthaelt)
                z.arten |= uint16_t(1u << zufall.bounded(6));
            if (zufall.bounded(10) == 0)
                z.setzeZusatzstoff(1 + zufall.bounded(15), true);
            z.zusatzstoffeGeprueft = zufall.bounded(50) != 0;
            z.datum = int32_t(QDate(2024, 5, 2).toJulianDay());
            k.setze(i, z);
        }
    }
    return *d;
}

void DeklarationAllerRezepte(benchmark::State& state) {
    const TDaten& d = Gross();
    int ungeklaert = 0;
    for (auto _ : state) {
        ungeklaert = 0;
        for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
            const TDeklaration dekl = Deklaration(d, d.rezept(r));
            ungeklaert += dekl.vollstaendig() ? 0 : 1;
            benchmark::DoNotOptimize(dekl);
        }
    }
    state.counters["Rezepte"] = double(d.anzahlRezepte());
    state.counters["Ungeklaert"] = double(ungeklaert);
}

void KennzeichnungstexteAllerRezepte(benchmark::State& state) {
    const TDaten& d = Gross();
    const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
    for (auto _ : state)
        for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
            QString text = KennzeichnungsText(Deklaration(d, d.rezept(r)), t);
            benchmark::DoNotOptimize(text);
        }
}

void AllergenkarteTabelle(benchmark::State& state) {
    const TDaten& d = Gross();
    for (auto _ : state) {
        TListe l = Allergenkarte(d, 0);
        benchmark::DoNotOptimize(l);
    }
}

} // namespace

BENCHMARK(DeklarationAllerRezepte)->Unit(benchmark::kMillisecond);
BENCHMARK(KennzeichnungstexteAllerRezepte)->Unit(benchmark::kMillisecond);
BENCHMARK(AllergenkarteTabelle)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
