// The whole change of one purchase price in the main window on the large kitchen with
// 1 000 sub-recipes in four levels: the ingredient dialog's OK, the undo step, every
// sub-recipe recomputed, the three lists rebuilt and ordered, the working file written.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "core/uhr.h"
#include "costing/preise.h"
#include "costing/zwischenrezeptwege.h"
#include "tests/support/testmelder.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatform.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TFenster : TEinmalig<TFenster> {
    QTemporaryDir datenordner;
    TTestMelder melder;
    std::unique_ptr<fenster::TMainForm> form;

    TFenster() {
        TUhr::setzeHeute(QDate(2024, 6, 15));
        qputenv("XDG_DATA_HOME", datenordner.path().toLocal8Bit());
        const QString pfad = datenordner.path() + QStringLiteral("/Tolvane/Vellitra");
        QDir().mkpath(pfad);
        QFile datei(pfad + QStringLiteral("/zutaten.dat"));
        if (!datei.open(QIODevice::WriteOnly) ||
            datei.write(GrosseDateiMitZwischenrezeptenBytes()) !=
                GrosseDateiMitZwischenrezeptenBytes().size())
            qFatal("Die Arbeitsdatei lässt sich nicht schreiben.");
        datei.close();
        form = OeffneHauptfenster();
    }
};

// "Bearbeiten..." on the ingredient, a new price, OK.
void BM_PreisaenderungImFenster(benchmark::State& state) {
    TFenster& fe = TFenster::eins();
    fenster::TMainForm& f = *fe.form;
    // A bought ingredient of the lowest level, and a recipe it reaches through three
    // sub-recipes.
    const uint32_t zutat = uint32_t(f.daten.rezept(0).zutaten->at<TRezeptZutat>(5)->zutatnr);
    uint32_t tief = 0;
    for (const TVerwendung& v : Verwendungen(f.daten, zutat))
        if (v.weg.size() >= 3) {
            tief = v.rezept;
            break;
        }
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    double preis = f.daten.zutat(zutat).preis;
    const double tiefVorher = EK(f.daten, f.daten.rezept(tief));
    for (auto _ : state) {
        state.PauseTiming();
        f.ListView1->waehleNr(int(zutat));
        preis = preis > 100 ? preis / 2 : preis * 2;
        fe.melder.spieleDialog([preis](QObject& o) {
            auto& dlg = static_cast<fenster::TZutatForm&>(o);
            dlg.PreisEd->setzeWert(preis);
            dlg.OKBtn->click();
            return dlg.result();
        });
        state.ResumeTiming();
        f.ZutatEditBtn->click();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (EK(f.daten, f.daten.rezept(tief)) == tiefVorher || fe.melder.unerwartet)
        state.SkipWithError("Die Änderung erreichte die vierte Ebene nicht.");
}

} // namespace

BENCHMARK(BM_PreisaenderungImFenster)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    const int ergebnis = LaufeBenchmarks(argc, argv);
    TFenster::offen().reset();
    return ergebnis;
}
