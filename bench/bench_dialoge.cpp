// The dialogs with large data: filling and ordering the picker, and the recipe dialog's
// figures after one keystroke, through the real widgets on the offscreen platform.
#include "bench/fensterlauf.h"
#include "bench/generator/grossdaten.h"
#include "costing/zutatauswahl.h"
#include "lists/sortierung.h"
#include "ui/bildform.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TDaten& Katalog() {
    static std::unique_ptr<TDaten> d;
    if (!d) {
        d = std::make_unique<TDaten>();
        TUmfang u = GrosseKueche();
        u.rezepte = 0;
        ErzeugeDaten(*d, u);
    }
    return *d;
}

// The catalogue of 100 000 ingredients into the picker, ordered by the given column, as
// every "Neues Zutat..." and "Bearbeiten..." of the recipe dialog does.
void BM_PickerFuellen(benchmark::State& state) {
    TDaten& d = Katalog();
    fenster::TZutatAuswaehlenForm picker;
    // The sort state as after clicks on the column header.
    for (int i = 0; i < (state.range(0) == 0 ? 2 : 1); ++i)
        picker.ListView1ColumnClick(int(state.range(0)));
    picker.fuelle(d);
    for (auto _ : state) {
        picker.fuelle(d);
        benchmark::DoNotOptimize(picker.ListView1->liste().anzahlZeilen());
        // The previous rows go while the dialog is on screen, as in the program.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["Zeilen"] = double(picker.ListView1->liste().anzahlZeilen());
}
BENCHMARK(BM_PickerFuellen)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// The two halves of a filling separately, to see where the time goes.
void BM_PickerZeilen(benchmark::State& state) {
    TDaten& d = Katalog();
    for (auto _ : state)
        benchmark::DoNotOptimize(PickerZeilen(d));
}
BENCHMARK(BM_PickerZeilen)->Unit(benchmark::kMillisecond);

void BM_PickerOrdnen(benchmark::State& state) {
    const TListe basis = PickerZeilen(Katalog());
    for (auto _ : state) {
        state.PauseTiming();
        TListe l = basis;
        l.zeilen.detach();
        state.ResumeTiming();
        SortiereListe(l, TListenArt::auswahl, int32_t(state.range(0)), false);
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(BM_PickerOrdnen)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// One keystroke in "Tatsächlicher VK-Preis brutto:" of a recipe with 200 lines: the
// key event, the handler, the seven figures recomputed and written to their fields.
void BM_RezeptTastendruck(benchmark::State& state) {
    TDaten d;
    TUmfang u = TypischeKueche();
    u.rezepte = 1;
    u.zeilenProRezept = int(state.range(0));
    u.verkaufstageProRezept = 0;
    ErzeugeDaten(d, u);

    fenster::TRezeptForm form;
    fenster::TZutatAuswaehlenForm picker;
    fenster::TZeigeBildForm bild;
    fenster::TCalcAmountsForm mengen;
    form.setzeDialoge(&picker, &bild, &mengen);
    form.fuelleAus(d, d.rezept(0));
    form.show();
    QApplication::processEvents();

    QWidget* feld = form.RxSpinEdit2;
    bool tippen = true;
    for (auto _ : state) {
        // Typing a digit and deleting it again keeps the text short and the work equal.
        QKeyEvent taste(QEvent::KeyPress, tippen ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                        tippen ? QStringLiteral("5") : QString());
        QApplication::sendEvent(feld, &taste);
        tippen = !tippen;
        benchmark::DoNotOptimize(form.form().preise.einkaufspreis);
    }
    state.counters["Zeilen"] = double(form.form().zutaten.anzahlZeilen());
}
BENCHMARK(BM_RezeptTastendruck)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    TBenchAnwendung app(argc, argv);
    return LaufeBenchmarks(argc, argv);
}
