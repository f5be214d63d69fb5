// The JSON form of the large kitchen: export, import and the memory the import needs.
#include "bench/generator/grossdaten.h"
#include "bench/speicherspitze.h"
#include "core/datei.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

const TDaten& grosseKueche() {
    static const TDaten* daten = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        auto* d = new TDaten;
        ErzeugeDaten(*d, GrosseKueche());
        return d;
    }();
    return *daten;
}

const QByteArray& grossesJson() {
    static const QByteArray text = DatenAlsJson(grosseKueche());
    return text;
}

void JsonExport(benchmark::State& state) {
    const TDaten& d = grosseKueche();
    QByteArray ziel;
    ziel.reserve(grossesJson().size() + 1024);
    for (auto _ : state) {
        ziel.resize(0);
        QBuffer puffer(&ziel);
        puffer.open(QIODevice::WriteOnly);
        SchreibeJson(d, puffer);
        benchmark::DoNotOptimize(ziel.data());
    }
    state.counters["JSON_MB"] = double(grossesJson().size()) / 1e6;
    state.SetBytesProcessed(int64_t(state.iterations()) * grossesJson().size());
}

void JsonImport(benchmark::State& state) {
    const QByteArray& text = grossesJson();
    for (auto _ : state) {
        TJsonImport import = LeseJson(text);
        if (!import.ok())
            state.SkipWithError("Der Import meldet Fehler");
        state.PauseTiming(); // releasing is not reading
        import.daten.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

// As the command-line tool does it: data file to JSON file and back to a data file.
void JsonDateiHinUndZurueck(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString zat = ordner.filePath(QStringLiteral("k.zat"));
    const QString json = ordner.filePath(QStringLiteral("k.json"));
    const QString zurueck = ordner.filePath(QStringLiteral("zurueck.zat"));
    SaveOptionsFile(grosseKueche(), zat);
    for (auto _ : state) {
        {
            TDaten d;
            LoadOptionsFile(d, zat);
            SpeichereAtomar(json, [&](QIODevice& g) { SchreibeJson(d, g); });
        }
        const TJsonImport import = LeseJsonDatei(json);
        SaveOptionsFile(*import.daten, zurueck);
    }
}

// The growth of the resident size while importing, against the size of the text.
void JsonImportSpeicher(benchmark::State& state) {
    const QByteArray& text = grossesJson();
    for (auto _ : state) {
        malloc_trim(0);
        TSpeicherSpitze spitze;
        TJsonImport import = LeseJson(text);
        const double mb = spitze.ende();
        state.counters["JSON_MB"] = double(text.size()) / 1e6;
        state.counters["Spitze_MB"] = mb * 1024 * 1024 / 1e6;
        state.counters["Faktor"] = mb * 1024 * 1024 / double(text.size());
        benchmark::DoNotOptimize(import.daten.get());
    }
}

} // namespace

BENCHMARK(JsonExport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(JsonImport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(JsonDateiHinUndZurueck)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(JsonImportSpeicher)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
