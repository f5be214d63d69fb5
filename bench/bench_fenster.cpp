// The main window with the large generated file, on the offscreen platform: opening a
// document until its lists are shown, header clicks, and the memory of the program.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "tests/support/testmelder.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

// The large file, written once; the data that made it is released again so that it
// does not count for the memory of the window.
const QString& GrosseDatei() {
    static QTemporaryDir ordner;
    static QString pfad;
    if (pfad.isEmpty()) {
        pfad = ordner.filePath(QStringLiteral("gross.zat"));
        auto d = std::make_unique<TDaten>();
        ErzeugeDaten(*d, GrosseKueche());
        if (!SaveOptionsFile(*d, pfad).ok())
            qFatal("Die große Datei lässt sich nicht schreiben.");
    }
    return pfad;
}

// A shown main window with its own empty data folder; the message seam answers.
struct TFenster {
    QTemporaryDir datenordner;
    TTestMelder melder;
    std::unique_ptr<fenster::TMainForm> form;

    TFenster() {
        qputenv("XDG_DATA_HOME", datenordner.path().toLocal8Bit());
        form = std::make_unique<fenster::TMainForm>();
        form->show();
        QApplication::processEvents();
    }
    // "Öffnen..." answered with Yes and the file.
    void oeffne(const QString& pfad) {
        melder.antworte(TAntwort::ja);
        melder.waehleDatei(pfad);
        form->OpenBtn->click();
    }
    // Paints the list on the current tab now, as the next screen update would.
    void zeichne() { form->PageControl1->currentWidget()->repaint(); }
    // Lets the window release what it no longer shows.
    static void raeumeAuf() { QApplication::processEvents(); }
};

long ProzessKB(const char* feld) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith(feld))
            return zeile.mid(qsizetype(qstrlen(feld))).trimmed().split(' ').first().toLong();
    return 0;
}

// Opening the large document until all three lists are shown (the data read, the lists
// built, ordered and handed to their views, the visible one painted). Releasing the
// previous lists follows after that and is not counted here.
void BM_DokumentOeffnen_Gross(benchmark::State& state) {
    const QString& pfad = GrosseDatei();
    TFenster f;
    for (auto _ : state) {
        f.oeffne(pfad);
        f.zeichne();
        state.PauseTiming();
        TFenster::raeumeAuf();
        state.ResumeTiming();
    }
    if (f.form->ListView1->model()->rowCount() != 100000 || f.melder.unerwartet)
        state.SkipWithError("Die Datei wurde nicht geöffnet.");
}

// The same with the release of the previous lists and data, as the user waits for it
// before the next action.
void BM_DokumentOeffnenMitFreigabe_Gross(benchmark::State& state) {
    const QString& pfad = GrosseDatei();
    TFenster f;
    for (auto _ : state) {
        f.oeffne(pfad);
        f.zeichne();
        TFenster::raeumeAuf();
    }
}

// A click on a header of the ingredient list (100 000 rows), painted. "erster" counts the
// first click on a column after the list was filled, which makes that column's keys; the
// others are clicks whose keys are kept (the name column's come with the filling).
void Kopfklick(benchmark::State& state, bool erster) {
    const int spalte = int(state.range(0));
    TFenster f;
    f.oeffne(GrosseDatei());
    TFenster::raeumeAuf();
    f.form->PageControl1->setCurrentWidget(f.form->TabSheet2);
    QHeaderView* kopf = f.form->ListView1->header();
    for (auto _ : state) {
        if (erster) {
            state.PauseTiming();
            // New lists ordered by name, with new keys: the click then makes the keys of
            // its column (but for the name column).
            f.form->daten.sortspalte3 = 0;
            f.form->daten.sortdir3 = false;
            f.form->ListRezepte();
            TFenster::raeumeAuf();
            state.ResumeTiming();
        }
        Q_EMIT kopf->sectionClicked(spalte);
        f.zeichne();
    }
}

void BM_Kopfklick_Gross(benchmark::State& state) {
    Kopfklick(state, false);
}

void BM_ErsterKopfklick_Gross(benchmark::State& state) {
    Kopfklick(state, true);
}

// Run as a child process with --speicher-messung FILE: a fresh program opens the file in
// its window and prints its memory in KiB: before the window, after the first opening,
// right after opening it a second time, once the window has handed freed memory back, the
// peak, and the private part (without the shared libraries and fonts); then the time of the first
// opening until the lists are shown, in ms of the clock and of the processor: the memory is new to
// the process then.
int Miss(const QString& pfad) {
    const long vorher = ProzessKB("VmRSS:");
    TFenster f;
    QElapsedTimer uhr;
    uhr.start();
    const std::clock_t cpu = std::clock();
    f.oeffne(pfad);
    f.zeichne();
    const long ms = long(uhr.elapsed());
    const long cpuMs = long((std::clock() - cpu) * 1000 / CLOCKS_PER_SEC);
    TFenster::raeumeAuf();
    const long einmal = ProzessKB("VmRSS:");
    f.oeffne(pfad);
    f.zeichne();
    TFenster::raeumeAuf();
    const long zweimal = ProzessKB("VmRSS:");
    // The window hands freed memory back after two quiet seconds.
    QElapsedTimer ruhe;
    ruhe.start();
    while (ruhe.elapsed() < 2500)
        QApplication::processEvents(QEventLoop::AllEvents, 100);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", vorher, einmal, zweimal, ProzessKB("VmRSS:"),
                ProzessKB("VmHWM:"), ProzessKB("RssAnon:"), ms, cpuMs);
    return f.melder.unerwartet ? 1 : 0;
}

// The memory of the program with the large document open, against the file's size,
// measured in a fresh process so that generating the file does not count.
void BM_Speicher_Gross(benchmark::State& state) {
    const QString& pfad = GrosseDatei();
    const double dateiMB = double(QFileInfo(pfad).size()) / (1024 * 1024);
    QList<double> werte;
    for (auto _ : state) {
        QProcess kind;
        kind.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--speicher-messung"), pfad});
        if (!kind.waitForFinished(-1) || kind.exitCode() != 0) {
            state.SkipWithError("Die Messung ist gescheitert.");
            return;
        }
        werte.clear();
        for (const QByteArray& w : kind.readAllStandardOutput().trimmed().split(' '))
            werte << w.toDouble();
    }
    if (werte.size() != 8) {
        state.SkipWithError("Die Messung gab keine acht Werte.");
        return;
    }
    for (int i = 0; i < 6; ++i)
        werte[i] /= 1024;
    state.counters["datei_MB"] = dateiMB;
    state.counters["vorher_MB"] = werte[0];
    state.counters["geoeffnet_MB"] = werte[1];
    state.counters["gleich_nach_zweitem_MB"] = werte[2];
    state.counters["ruhend_MB"] = werte[3];
    state.counters["spitze_MB"] = werte[4];
    state.counters["privat_MB"] = werte[5];
    state.counters["je_datei"] = werte[3] / dateiMB;
    state.counters["privat_je_datei"] = werte[5] / dateiMB;
    state.counters["erstes_oeffnen_ms"] = werte[6];
    state.counters["erstes_oeffnen_cpu_ms"] = werte[7];
}

} // namespace

BENCHMARK(BM_DokumentOeffnen_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DokumentOeffnenMitFreigabe_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
// Name, a text column with few distinct values ("Lieferant"), a number column
// ("Gesamtpreis").
BENCHMARK(BM_Kopfklick_Gross)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ErsterKopfklick_Gross)
    ->Arg(0)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_Speicher_Gross)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--speicher-messung")
        return Miss(QString::fromLocal8Bit(argv[2]));
    return LaufeBenchmarks(argc, argv);
}
