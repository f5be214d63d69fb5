// Undo in the main window over the large generated file, on the offscreen platform: a
// recipe deletion and a sale undone (the data restored, the three lists rebuilt and
// ordered, the working file written), and what the history of 50 steps holds.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/uhr.h"
#include "tests/support/testmelder.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"
#include "ui/zahlfeld.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// One shown main window over the large working file, for all benchmarks.
struct TFenster : TEinmalig<TFenster> {
    QTemporaryDir datenordner;
    TTestMelder melder;
    std::unique_ptr<fenster::TMainForm> form;
    qint64 dateigroesse = 0;

    TFenster() {
        TUhr::setzeHeute(QDate(2024, 6, 15));
        qputenv("XDG_DATA_HOME", datenordner.path().toLocal8Bit());
        const QString pfad = datenordner.path() + QStringLiteral("/Tolvane/Vellitra");
        QDir().mkpath(pfad);
        {
            auto d = std::make_unique<TDaten>();
            ErzeugeDaten(*d, GrosseKueche());
            if (!SaveOptionsFile(*d, pfad + QStringLiteral("/zutaten.dat")).ok())
                qFatal("Die Arbeitsdatei lässt sich nicht schreiben.");
        }
        dateigroesse = QFileInfo(pfad + QStringLiteral("/zutaten.dat")).size();
        form = OeffneHauptfenster();
    }
};

void RezeptLoeschen(fenster::TMainForm& f, TTestMelder& m, int nr) {
    f.PageControl1->setCurrentWidget(f.TabSheet3);
    f.ListView2->waehleNr(nr);
    m.antworte(TAntwort::ja);
    f.DelRezeptBtm->click();
}

void Verkaufen(fenster::TMainForm& f, int nr) {
    f.PageControl1->setCurrentWidget(f.TabSheet4);
    f.ListView3->waehleNr(nr);
    f.VerkaufBtn->click();
}

// The timed part: "Rückgängig" until the window shows the restored lists.
void Rueckgaengig(fenster::TMainForm& f) {
    f.Rueckgaengig1->trigger();
    f.ListView2->repaint();
    f.ListView3->repaint();
}

void BM_RezeptLoeschenRueckgaengig_Gross(benchmark::State& state) {
    TFenster& fe = TFenster::eins();
    fenster::TMainForm& f = *fe.form;
    const uint32_t rezepte = f.daten.anzahlRezepte();
    for (auto _ : state) {
        state.PauseTiming();
        RezeptLoeschen(f, fe.melder, 4711);
        QApplication::processEvents();
        state.ResumeTiming();
        Rueckgaengig(f);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    const bool fehler = std::any_of(fe.melder.eintraege.begin(), fe.melder.eintraege.end(),
                                    [](const auto& e) { return e.symbol == TSymbol::fehler; });
    if (f.daten.anzahlRezepte() != rezepte || fe.melder.unerwartet || fehler)
        state.SkipWithError(qPrintable(QStringLiteral("Das Rezept kam nicht zurück: %1 von %2 %3")
                                           .arg(f.daten.anzahlRezepte())
                                           .arg(rezepte)
                                           .arg(fe.melder.texte().join(QLatin1Char('|')))));
}

void BM_VerkaufRueckgaengig_Gross(benchmark::State& state) {
    TFenster& fe = TFenster::eins();
    fenster::TMainForm& f = *fe.form;
    const uint32_t tage = f.daten.rezept(5000).verkaeufe->count;
    f.MonthCalendar1->setSelectedDate(QDate(2024, 6, 15));
    for (auto _ : state) {
        state.PauseTiming();
        Verkaufen(f, 5000);
        QApplication::processEvents();
        state.ResumeTiming();
        Rueckgaengig(f);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (f.daten.rezept(5000).verkaeufe->count != tage || fe.melder.unerwartet)
        state.SkipWithError("Der Verkauf wurde nicht zurückgenommen.");
}

// Fifty steps of a working day: sales, recipe deletions and master-data edits. The
// history must hold at most the file's size again.
void BM_Verlauf50Schritte_Gross(benchmark::State& state) {
    TFenster& fe = TFenster::eins();
    fenster::TMainForm& f = *fe.form;
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i) {
            switch (i % 5) {
            case 0:
                RezeptLoeschen(f, fe.melder, 100 + 37 * i);
                break;
            case 1:
                f.GruppenEdit(i % 40)->setText(QStringLiteral("Gruppe neu %1").arg(i));
                break;
            default:
                Verkaufen(f, 200 + 41 * i);
            }
            QApplication::processEvents();
        }
    }
    f.Rueckgaengig1->trigger(); // closes the last run of master-data edits
    f.Wiederherstellen1->trigger();
    const double verlauf = double(f.verlauf().speicher());
    state.counters["Schritte"] = f.verlauf().anzahlRueckgaengig();
    state.counters["Verlauf_MB"] = verlauf / 1e6;
    state.counters["Datei_MB"] = double(fe.dateigroesse) / 1e6;
    state.counters["Anteil"] = verlauf / double(fe.dateigroesse);
    if (f.verlauf().anzahlRueckgaengig() < 50 || verlauf > double(fe.dateigroesse))
        state.SkipWithError(qPrintable(QStringLiteral("Der Verlauf ist zu groß oder zu kurz: %1 %2")
                                           .arg(f.verlauf().anzahlRueckgaengig())
                                           .arg(fe.melder.texte().join(QLatin1Char('|')))));
}

} // namespace

BENCHMARK(BM_RezeptLoeschenRueckgaengig_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_VerkaufRueckgaengig_Gross)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Verlauf50Schritte_Gross)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    const int ergebnis = LaufeBenchmarks(argc, argv);
    TFenster::offen().reset();
    return ergebnis;
}
