// Importing a year of a large restaurant's till (1 000 000 lines) into the large
// generated file: checking the file, recording the sums, and both from a file on disk.
// Recording through the sale operation sum by sum is measured for comparison.
#include "bench/generator/grossdaten.h"
#include "core/texte.h"
#include "exchange/rezeptnamen.h"
#include "exchange/verkaufsimport.h"
#include "lists/verkauf.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

namespace {

constexpr int zeilen = 1000000;

std::unique_ptr<TDaten> grosseDaten() {
    auto d = std::make_unique<TDaten>();
    ErzeugeDaten(*d, GrosseKueche());
    return d;
}

// The lookup by name needs unique names; the generator numbers them.
bool namenEindeutig(const TDaten& d) {
    const TRezeptNamen namen(d);
    for (uint32_t i = 0; i < d.anzahlRezepte(); ++i)
        if (namen.finde(TextView(d.rezept(i).name)) != int64_t(i))
            return false;
    return true;
}

// One line per item sold, as tills export them: receipt, date and time, dish, count and
// price. `gerichte` dishes are on the menu; a few sell far more than the rest. The year
// begins in the middle of the generated sales, so that some days merge into stored ones.
QByteArray kassenexport(const TDaten& d, uint32_t gerichte) {
    std::mt19937 zufall(2024);
    std::vector<QByteArray> namen;
    for (uint32_t i = 0; i < gerichte; ++i)
        namen.push_back(Text(d.rezept(i * (d.anzahlRezepte() / gerichte)).name).toUtf8());
    std::discrete_distribution<uint32_t> beliebt = [&] {
        std::vector<double> gewichte;
        for (uint32_t i = 0; i < gerichte; ++i)
            gewichte.push_back(1.0 / (1 + i % 97));
        return std::discrete_distribution<uint32_t>(gewichte.begin(), gewichte.end());
    }();

    QByteArray bytes = "Bon;Datum;Artikel;Menge;Preis\r\n";
    bytes.reserve(zeilen * 48);
    const QDate erster(2023, 7, 1);
    const int tage = 366;
    for (int i = 0; i < zeilen; ++i) {
        const QDate tag = erster.addDays(qint64(i) * tage / zeilen);
        const int minute = 11 * 60 + (i * 7) % (11 * 60);
        bytes += QByteArray::number(100000 + i / 3) + ';' +
                 tag.toString(QStringLiteral("dd.MM.yyyy")).toLatin1() + ' ' +
                 QByteArray::number(minute / 60) + ':' +
                 QByteArray::number(minute % 60).rightJustified(2, '0') + ';' +
                 namen[beliebt(zufall)] + ';' + QByteArray::number(1 + zufall() % 4) + ";12,50\r\n";
    }
    return bytes;
}

struct TFall {
    std::unique_ptr<TDaten> daten;
    QByteArray csv;
};

TFall& fall(uint32_t gerichte) {
    static std::map<uint32_t, TFall> faelle;
    TFall& f = faelle[gerichte];
    if (!f.daten) {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        f.daten = grosseDaten();
        f.csv = kassenexport(*f.daten, gerichte);
    }
    return f;
}

void zaehler(benchmark::State& state, const TVerkaufsPruefung& p, qsizetype bytes) {
    state.counters["Zeilen"] = double(p.gelesen);
    state.counters["Summen"] = double(p.summen.size());
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

void BM_Pruefen(benchmark::State& state) {
    TFall& f = fall(uint32_t(state.range(0)));
    if (!namenEindeutig(*f.daten)) {
        state.SkipWithError("generated recipe names are not unique");
        return;
    }
    TVerkaufsPruefung p;
    for (auto _ : state) {
        p = PruefeVerkaeufe(*f.daten, f.csv);
        benchmark::DoNotOptimize(p);
    }
    if (!p.fehlerfrei() || p.gelesen != zeilen)
        state.SkipWithError("the generated export has errors");
    zaehler(state, p, f.csv.size());
}

// Recording changes the data: every round starts from freshly generated data.
template <class Erfassen> void erfasse(benchmark::State& state, Erfassen&& erfassen) {
    TFall& f = fall(uint32_t(state.range(0)));
    const TVerkaufsPruefung p = PruefeVerkaeufe(*f.daten, f.csv);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDaten> d = grosseDaten();
        state.ResumeTiming();
        erfassen(*d, p);
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
    zaehler(state, p, f.csv.size());
}

void BM_Erfassen(benchmark::State& state) {
    erfasse(state, [](TDaten& d, const TVerkaufsPruefung& p) { ErfasseVerkaeufe(d, p, false); });
}

void BM_ErfassenEinzeln(benchmark::State& state) {
    erfasse(state, [](TDaten& d, const TVerkaufsPruefung& p) {
        for (const TVerkaufsSumme& s : p.summen)
            ErfasseVerkauf(d, d.rezept(s.rezept), s.tag, s.portionen);
    });
}

// The whole command without loading and saving the data file: read the export from
// disk, check it, record it.
void BM_ImportAusDatei(benchmark::State& state) {
    TFall& f = fall(uint32_t(state.range(0)));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("kasse.csv"));
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(f.csv) != f.csv.size()) {
        state.SkipWithError("cannot write the CSV file");
        return;
    }
    datei.close();
    TVerkaufsPruefung p;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TDaten> d = grosseDaten();
        state.ResumeTiming();
        p = PruefeVerkaufsdatei(*d, pfad);
        ErfasseVerkaeufe(*d, p, false);
        state.PauseTiming();
        d.reset();
        state.ResumeTiming();
    }
    zaehler(state, p, f.csv.size());
}

} // namespace

// Argument: dishes on the menu. 300 is a large restaurant; 10 000 sells every recipe of
// the file, the most sums per day.
BENCHMARK(BM_Pruefen)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Erfassen)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportAusDatei)->Arg(300)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ErfassenEinzeln)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
