// Importing a CSV file of 100 000 ingredients as the CSV writer makes it from the
// ingredient list.
#include "bench/generator/grossdaten.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "lists/listen.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

const QByteArray& grosseCsv() {
    static const QByteArray bytes = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TDaten d;
        TUmfang umfang = GrosseKueche();
        umfang.rezepte = 0;
        ErzeugeDaten(d, umfang);
        const TListe liste = ZutatenListe(d);
        return CsvBytes(liste);
    }();
    return bytes;
}

void importiere(benchmark::State& state, const std::function<qsizetype(TDaten&)>& import) {
    for (auto _ : state) {
        auto d = std::make_unique<TDaten>();
        benchmark::DoNotOptimize(import(*d));
        state.PauseTiming(); // releasing is not importing
        d.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * grosseCsv().size());
}

void ImportAusBytes(benchmark::State& state) {
    const QByteArray& bytes = grosseCsv();
    importiere(state, [&](TDaten& d) { return ImportiereZutaten(d, bytes, true); });
}

void ImportAusDatei(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("zutaten.csv"));
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(grosseCsv()) != grosseCsv().size()) {
        state.SkipWithError("cannot write the CSV file");
        return;
    }
    datei.close();
    importiere(state, [&](TDaten& d) { return ImportiereZutatenDatei(d, pfad, true); });
}

} // namespace

BENCHMARK(ImportAusBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportAusDatei)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
