#include "costing/mengen.h"

#include "core/zahlen.h"
#include "costing/preise.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kleinsteMenge = 1;
constexpr double groessteMenge = 10000000000.0;

QString mal(double faktor, const QString& feld) {
    const double w = faktor * Feldwert(feld);
    return ZahlFest(std::isfinite(w) ? w : 0, 4);
}

// value × amount ÷ yield of a line cell; 0 when the cell is no number or the yield 0.
QString skaliert(const QString& zelle, double menge, double ausbeute) {
    const auto w = LiesZahl(zelle);
    return ZahlFest(w ? Quotient(*w * menge, ausbeute).value_or(0) : 0, 4);
}
} // namespace

TCalcAmountsForm::TCalcAmountsForm() {
    zutaten.setzeSpalten({{QStringLiteral("Name"), 150},
                          {QStringLiteral("Menge"), 75},
                          {QStringLiteral("Einheit"), 75},
                          {QStringLiteral("Preis"), 75}});
}

double LiesBedarfsmenge(QString& feld) {
    const double w =
        std::clamp(LiesZahl(feld).value_or(kleinsteMenge), kleinsteMenge, groessteMenge);
    feld = ZahlFest(w, 3);
    return Feldwert(feld);
}

TCalcAmountsForm MengenFuer(const TRezeptForm& form, double menge) {
    TCalcAmountsForm f;
    f.name = form.name;
    f.menge = ZahlFest(menge, 4);

    const TProMengeneinheit& p = form.preise;
    f.preise.einkaufspreis = mal(menge, p.einkaufspreis);
    f.preise.deckungsbeitrag = mal(menge, p.deckungsbeitrag);
    // A ratio is the same for any amount.
    f.preise.wequote = ZahlFest(Feldwert(p.wequote), 4);
    f.preise.kalkBrutto = mal(menge, p.kalkBrutto);
    f.preise.kalkNetto = mal(menge, p.kalkNetto);
    f.preise.tatsBrutto = mal(menge, p.tatsBrutto);
    f.preise.tatsNetto = mal(menge, p.tatsNetto);

    // A line holds quantity and price for the whole yield.
    const double ausbeute = Feldwert(form.menge);
    const TListe& z = form.zutaten;
    f.zutaten.zeilen.reserve(z.anzahlZeilen());
    for (qsizetype i = 0; i < z.anzahlZeilen(); ++i)
        f.zutaten.zeilen.append({z.zelle(i, TRezeptForm::spalteName),
                                 skaliert(z.zelle(i, TRezeptForm::spalteMenge), menge, ausbeute),
                                 z.zelle(i, TRezeptForm::spalteEinheit),
                                 skaliert(z.zelle(i, TRezeptForm::spaltePreis), menge, ausbeute)});
    return f;
}

TCalcAmountsForm MengenBerechnen(TRezeptForm& form) {
    return MengenFuer(form, LiesBedarfsmenge(form.bedarfsmenge));
}
