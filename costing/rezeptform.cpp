#include "costing/rezeptform.h"

#include "core/zahlen.h"
#include "costing/preise.h"

#include <cmath>

double Feldwert(QStringView text) {
    return ZahlOder(text, 0.0);
}

TRezeptForm::TRezeptForm() : bedarfsmenge(ZahlFest(1, 3)) {
    leereZeilen();
}

void TRezeptForm::leereZeilen() {
    zutaten.setzeSpalten({{QStringLiteral("Name"), 150},
                          {QStringLiteral("Menge"), 75},
                          {QStringLiteral("Einheit"), 75},
                          {QStringLiteral("Preis"), 75},
                          {QStringLiteral("Nr"), 0},
                          {QStringLiteral("Gewichtsverlust"), 0}});
    zutaten.zeilen.clear();
    zeilenauswahl = -1;
}

double TRezeptForm::mwst() const {
    if (!gruppentabelle || gruppe < 0 || gruppe >= gruppenliste.size())
        return 0;
    return gruppentabelle->GetGruppeMwst(gruppe);
}

double TRezeptForm::we() const {
    if (!gruppentabelle || gruppe < 0 || gruppe >= gruppenliste.size())
        return 0;
    return gruppentabelle->GetGruppeWE(gruppe);
}

void TRezeptForm::RxSpinEdit2Change() {
    const double brutto = Feldwert(preise.tatsBrutto);
    // With a VAT of -100 the field keeps what it showed.
    if (const auto netto = Quotient(brutto * 100, mwst() + 100))
        preise.tatsNetto = ZahlFest(*netto, 4);
    BerechnePreis();
}

void TRezeptForm::BerechnePreis() {
    // The sum of the prices as shown, with 2 decimals.
    double summe = 0;
    for (qsizetype i = 0; i < zutaten.anzahlZeilen(); ++i)
        if (const auto preis = LiesZahl(zutaten.zelle(i, spaltePreis)))
            summe += *preis;
    if (!std::isfinite(summe))
        summe = 0;

    // A yield of 0 leaves the sum undivided.
    const double ek = Quotient(summe, Feldwert(menge)).value_or(summe);
    preise.einkaufspreis = ZahlFest(ek, 4);

    // The net price enters as shown, rounded to 4 decimals.
    const double netto = Feldwert(preise.tatsNetto);
    const double db = netto - ek;
    preise.deckungsbeitrag = ZahlFest(std::isfinite(db) ? db : 0, 4);
    preise.wequote = ZahlFest(Quotient(ek * 100, netto).value_or(0), 4);

    const double v = mwst();
    preise.kalkNetto = ZahlFest(Quotient(ek * 100, we()).value_or(0), 4);
    const double kalkNetto = Feldwert(preise.kalkNetto);
    const double kalkBrutto = (v + 100) * kalkNetto / 100;
    preise.kalkBrutto = ZahlFest(std::isfinite(kalkBrutto) ? kalkBrutto : 0, 4);
}
