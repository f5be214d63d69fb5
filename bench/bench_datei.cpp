// Reading and writing the data file of a large kitchen, and what the data costs in memory.
#include "bench/generator/grossdaten.h"
#include "core/datei.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

const QByteArray& grosseDatei() {
    return GrosseDateiBytes();
}

// The same kitchen with an extension block of one 64 KiB section.
const QByteArray& grosseDateiMitBlock() {
    static const QByteArray bytes = [] {
        TDaten d;
        LeseDaten(d, grosseDatei());
        d.erweiterung.fremde.push_back({AbschnittTag("BNCH"), keinBezug, QByteArray(65536, 'x')});
        return DatenAlsBytes(d);
    }();
    return bytes;
}

// Argument 1: the file has an extension block.
const QByteArray& datei(const benchmark::State& state) {
    return state.range(0) ? grosseDateiMitBlock() : grosseDatei();
}

size_t belegterSpeicher() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void Schreiben(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, datei(state));
    QByteArray ziel;
    ziel.reserve(grosseDatei().size() + 1024);
    for (auto _ : state) {
        ziel.resize(0);
        QBuffer puffer(&ziel);
        puffer.open(QIODevice::WriteOnly);
        SchreibeDaten(d, puffer);
        benchmark::DoNotOptimize(ziel.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * datei(state).size());
}

void Lesen(benchmark::State& state) {
    const QByteArray& bytes = datei(state);
    for (auto _ : state) {
        auto d = std::make_unique<TDaten>();
        LeseDaten(*d, bytes);
        benchmark::DoNotOptimize(d->zutats.poi);
        state.PauseTiming(); // releasing is not reading
        d.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

// Through the file system: an atomic save and a load, as the program does.
void SpeichernUndLaden(benchmark::State& state) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("zutaten.dat"));
    TDaten d;
    LeseDaten(d, grosseDatei());
    for (auto _ : state) {
        SaveOptionsFile(d, pfad);
        TDaten geladen;
        LoadOptionsFile(geladen, pfad);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * 2 * grosseDatei().size());
}

void Speicherbedarf(benchmark::State& state) {
    const QByteArray& bytes = grosseDatei();
    for (auto _ : state) {
        const size_t vorher = belegterSpeicher();
        TDaten d;
        LeseDaten(d, bytes);
        const size_t nachher = belegterSpeicher();
        state.counters["Dateigroesse_MB"] = double(bytes.size()) / 1e6;
        state.counters["Speicher_MB"] = double(nachher - vorher) / 1e6;
        state.counters["Faktor"] = double(nachher - vorher) / double(bytes.size());
    }
}

} // namespace

BENCHMARK(Schreiben)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(Lesen)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(SpeichernUndLaden)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Speicherbedarf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
