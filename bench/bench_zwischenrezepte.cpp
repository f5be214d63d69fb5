// Sub-recipes on the large kitchen with 1 000 of its 10 000 recipes as sub-recipes in
// four levels: recomputing every sub-recipe after one price changed, and the whole change
// of that price through the ingredient dialog of the main window (recompute, the three
// lists, the working file).
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/uhr.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"
#include "tests/support/testmelder.h"
#include "ui/listenansicht.h"
#include "ui/mainform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatform.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A bought ingredient used by a recipe of the lowest level, so that its change climbs
// through all four.
uint32_t ZutatDerUntersten(const TDaten& d) {
    return uint32_t(d.rezept(0).zutaten->at<TRezeptZutat>(5)->zutatnr);
}

void BM_ZwischenrezepteNachrechnen(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, GrosseDateiMitZwischenrezeptenBytes());
    const uint32_t zutat = ZutatDerUntersten(d);
    const uint32_t oberstes = *ZutatVonRezept(d, 999);
    const double vorher = d.zutat(oberstes).preis;
    double faktor = 1.1;
    for (auto _ : state) {
        d.zutat(zutat).preis *= faktor;
        faktor = 1 / faktor;
        benchmark::DoNotOptimize(Nachrechnen(d));
    }
    if (Zwischenrezepte(d)->liste().size() != 1000 || !std::isfinite(vorher))
        state.SkipWithError("Die Datei hat nicht 1000 Zwischenrezepte.");
    state.SetLabel("1000 Zwischenrezepte in 4 Ebenen");
}

// The ways of a bought ingredient through all levels, as the ingredient dialog shows them.
void BM_VerwendetIn(benchmark::State& state) {
    TDaten d;
    LeseDaten(d, GrosseDateiMitZwischenrezeptenBytes());
    const uint32_t zutat = ZutatDerUntersten(d);
    for (auto _ : state)
        benchmark::DoNotOptimize(VerwendetInTexteZutat(d, zutat));
}

struct TFenster {
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
        form = std::make_unique<fenster::TMainForm>();
        form->resize(1024, 768);
        form->show();
        QApplication::processEvents();
    }
    static std::unique_ptr<TFenster>& offen() {
        static std::unique_ptr<TFenster> f;
        return f;
    }
    static TFenster& eins() {
        if (!offen())
            offen() = std::make_unique<TFenster>();
        return *offen();
    }
};

// "Bearbeiten..." on the ingredient, a new price, OK: the undo step, the recompute of
// every sub-recipe, the three lists rebuilt and ordered, the working file written.
void BM_PreisaenderungImFenster(benchmark::State& state) {
    TFenster& fe = TFenster::eins();
    fenster::TMainForm& f = *fe.form;
    const uint32_t zutat = ZutatDerUntersten(f.daten);
    const uint32_t oberstes = *ZutatVonRezept(f.daten, 999);
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    double preis = f.daten.zutat(zutat).preis;
    const double oberesVorher = f.daten.zutat(oberstes).preis;
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
    if (f.daten.zutat(oberstes).preis == oberesVorher || fe.melder.unerwartet)
        state.SkipWithError("Die Änderung erreichte das oberste Zwischenrezept nicht.");
}

} // namespace

BENCHMARK(BM_ZwischenrezepteNachrechnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerwendetIn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreisaenderungImFenster)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    const int ergebnis = LaufeBenchmarks(argc, argv);
    TFenster::offen().reset();
    return ergebnis;
}
