// The Extras dialogs with the large kitchen, through the real widgets on the offscreen
// platform: opening the price change with 100 000 ingredients, its list of them, one
// keystroke in the percentage over 10 000 recipes, and the menu analysis with its chart,
// drawn anew and shown again.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "ui/listenansicht.h"
#include "ui/menueanalyseform.h"
#include "ui/menuematrixflaeche.h"
#include "ui/preisaenderungform.h"
#include "ui/zahlfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TDaten& Gross() {
    static std::unique_ptr<TDaten> d;
    if (!d) {
        d = std::make_unique<TDaten>();
        ErzeugeDaten(*d, GrosseKueche());
    }
    return *d;
}

// What "Preisänderung simulieren..." does before the dialog shows: the catalogue's lists
// and the table of a 10 % rise of every price.
void BM_PreisaenderungOeffnen(benchmark::State& state) {
    TDaten& d = Gross();
    fenster::TPreisaenderungForm form;
    for (auto _ : state) {
        form.fuelle(d);
        benchmark::DoNotOptimize(form.ListView1->liste().anzahlZeilen());
    }
    state.counters["Zeilen"] = double(form.ListView1->liste().anzahlZeilen());
}
BENCHMARK(BM_PreisaenderungOeffnen)->Unit(benchmark::kMillisecond);

// Choosing "eine Zutat": 100 000 names into the drop-down list, and the table for the first.
void BM_PreisaenderungEineZutat(benchmark::State& state) {
    TDaten& d = Gross();
    fenster::TPreisaenderungForm form;
    form.fuelle(d);
    for (auto _ : state) {
        form.AuswahlCombo->setCurrentIndex(1);
        state.PauseTiming();
        form.AuswahlCombo->setCurrentIndex(0);
        state.ResumeTiming();
    }
    state.counters["Zutaten"] = double(d.anzahlZutaten());
}
BENCHMARK(BM_PreisaenderungEineZutat)->Unit(benchmark::kMillisecond);

// One keystroke in the percentage: the table of all 10 000 recipes anew.
void BM_PreisaenderungTastendruck(benchmark::State& state) {
    TDaten& d = Gross();
    fenster::TPreisaenderungForm form;
    form.AlleCheck->setChecked(true);
    form.fuelle(d);
    int i = 0;
    for (auto _ : state)
        form.ProzentEd->setzeText(QString::number(10 + (++i % 2)));
    state.counters["Zeilen"] = double(form.ListView1->liste().anzahlZeilen());
}
BENCHMARK(BM_PreisaenderungTastendruck)->Unit(benchmark::kMillisecond);

// A changed end date: the analysis over 1 000 000 sales days, its table and the chart.
void BM_MenueanalyseDatum(benchmark::State& state) {
    TDaten& d = Gross();
    fenster::TMenueanalyseForm form;
    form.resize(1200, 560);
    form.StartEd->setDate(QDate(2023, 1, 1));
    form.fuelle(d);
    int i = 0;
    for (auto _ : state) {
        form.EndeEd->setDate(QDate(2024, 12, 30 + (++i % 2)));
        form.MatrixBox->grab();
    }
    state.counters["Rezepte"] = double(form.ListView1->liste().anzahlZeilen());
}
BENCHMARK(BM_MenueanalyseDatum)->Unit(benchmark::kMillisecond);

// The chart shown again unchanged, as when the dialog is uncovered: the kept drawing.
void BM_MenueMatrixWiederzeigen(benchmark::State& state) {
    TDaten& d = Gross();
    fenster::TMenueanalyseForm form;
    form.resize(1200, 560);
    form.StartEd->setDate(QDate(2023, 1, 1));
    form.fuelle(d);
    form.MatrixBox->grab();
    for (auto _ : state)
        form.MatrixBox->grab();
}
BENCHMARK(BM_MenueMatrixWiederzeigen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    return LaufeBenchmarks(argc, argv);
}
