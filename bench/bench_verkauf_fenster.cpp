// The sales and evaluation tabs of the main window with the large generated file, on
// the offscreen platform: a sale recorded from the window, switching to the evaluation
// over 120 months of sales, and repainting the chart.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/uhr.h"
#include "tests/support/testmelder.h"
#include "ui/diagrammflaeche.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The large kitchen with its 100 sales days per recipe spread over ten years (one every
// 37 days from January 2023), so that the evaluation has sales in each of its 120 months.
void SchreibeArbeitsdatei(const QString& ordner) {
    auto d = std::make_unique<TDaten>();
    ErzeugeDaten(*d, GrosseKueche());
    for (uint32_t r = 0; r < d->anzahlRezepte(); ++r) {
        TDynaArray* tage = d->rezept(r).verkaeufe;
        for (uint32_t i = 0; tage && i < tage->count; ++i) {
            TVerkauf& v = *tage->at<TVerkauf>(i);
            const QDate tag = QDate(2023, 1, 1).addDays(qint64(i) * 37 + r % 37);
            v.jahr = uint16_t(tag.year());
            v.monat = uint16_t(tag.month());
            v.tag = uint16_t(tag.day());
        }
    }
    const QString pfad = ordner + QStringLiteral("/Tolvane/Vellitra");
    QDir().mkpath(pfad);
    if (!SaveOptionsFile(*d, pfad + QStringLiteral("/zutaten.dat")).ok())
        qFatal("Die Arbeitsdatei lässt sich nicht schreiben.");
}

// One shown main window over the large working file, for all benchmarks: starting it
// takes longer than they do.
struct TFenster : TEinmalig<TFenster> {
    QTemporaryDir datenordner;
    TTestMelder melder;
    std::unique_ptr<fenster::TMainForm> form;

    TFenster() {
        TUhr::setzeHeute(QDate(2032, 12, 31));
        qputenv("XDG_DATA_HOME", datenordner.path().toLocal8Bit());
        SchreibeArbeitsdatei(datenordner.path());
        form = OeffneHauptfenster();
    }
};

// "Hinzufügen" on a selected recipe: the sale, the three lists rebuilt and ordered, the
// working file (about 60 MB) written, the recipe selected again.
void BM_VerkaufErfassen_Gross(benchmark::State& state) {
    fenster::TMainForm& f = *TFenster::eins().form;
    f.PageControl1->setCurrentWidget(f.TabSheet4);
    f.ListView3->waehleZeile(5000);
    const std::optional<int> nr = f.ListView3->gewaehlteNr();
    for (auto _ : state) {
        f.VerkaufBtn->click();
        f.ListView3->repaint();
        state.PauseTiming();
        QApplication::processEvents(); // the previous lists are released after showing
        state.ResumeTiming();
    }
    if (!nr || f.ListView3->gewaehlteNr() != nr || TFenster::eins().melder.unerwartet)
        state.SkipWithError("Der Verkauf wurde nicht erfasst.");
}

// The two parts of a sale that take time, each alone.
void BM_VerkaufListenNeu_Gross(benchmark::State& state) {
    fenster::TMainForm& f = *TFenster::eins().form;
    for (auto _ : state) {
        f.ListRezepte();
        f.ListView3->repaint();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_VerkaufSpeichern_Gross(benchmark::State& state) {
    fenster::TMainForm& f = *TFenster::eins().form;
    for (auto _ : state)
        f.SaveZutaten();
}

// From the sales tab to the evaluation over 120 months: the table rebuilt, handed to its
// view and painted.
void BM_AuswertungZeigen_120Monate(benchmark::State& state) {
    fenster::TMainForm& f = *TFenster::eins().form;
    f.PageControl1->setCurrentWidget(f.TabSheet4);
    f.DateTimePicker1->setDate(QDate(2023, 1, 1));
    f.DateTimePicker2->setDate(QDate(2032, 12, 31));
    f.PageControl3->setCurrentIndex(0);
    for (auto _ : state) {
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.ListView4->repaint();
        state.PauseTiming();
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (f.ListView4->liste().anzahlSpalten() != 121)
        state.SkipWithError("Die Auswertung hat nicht 120 Monate.");
}

// The chart of 120 months repainted, as a change of the group asks for.
void BM_DiagrammZeichnen_120Monate(benchmark::State& state) {
    fenster::TMainForm& f = *TFenster::eins().form;
    f.DateTimePicker1->setDate(QDate(2023, 1, 1));
    f.DateTimePicker2->setDate(QDate(2032, 12, 31));
    f.PageControl1->setCurrentWidget(f.TabSheet5);
    f.PageControl3->setCurrentIndex(1);
    QApplication::processEvents();
    for (auto _ : state)
        f.PaintBox1->repaint();
}

} // namespace

BENCHMARK(BM_VerkaufErfassen_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_VerkaufListenNeu_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_VerkaufSpeichern_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_AuswertungZeigen_120Monate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiagrammZeichnen_120Monate)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    const int ergebnis = LaufeBenchmarks(argc, argv);
    TFenster::offen().reset();
    return ergebnis;
}
