#include "costing/preise.h"

#include <cmath>

std::optional<double> Quotient(double zaehler, double nenner) {
    if (nenner == 0)
        return std::nullopt;
    const double q = zaehler / nenner;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

std::optional<double> Zeilenpreis(double preis, double einkaufsmenge, double menge,
                                  double gewichtsverlust) {
    const auto proMenge = Quotient(preis * menge, einkaufsmenge);
    if (!proMenge)
        return std::nullopt;
    return Quotient(*proMenge, (100 - gewichtsverlust) / 100);
}

std::optional<double> Zeilenpreis(const TDaten& d, const TRezeptZutat& zeile) {
    const TZutat* z = d.zutatVon(zeile);
    if (!z)
        return std::nullopt;
    return Zeilenpreis(z->preis, z->menge, zeile.menge, zeile.gewichtsverlust);
}

namespace {

// The sum over a recipe's lines of P × q ÷ M ÷ Y, each divided further by `teiler` of
// the line; a line whose ingredient is missing or whose quotient fails adds nothing.
template <class Teiler> double Zeilensumme(const TDaten& d, const TRezept& r, Teiler teiler) {
    double summe = 0;
    if (!r.zutaten)
        return summe;
    for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
         ++l) {
        const TZutat* z = d.zutatVon(*l);
        if (!z)
            continue;
        const auto a = Quotient(z->preis * l->menge, z->menge);
        const auto b = a ? Quotient(*a, r.menge) : std::nullopt;
        const auto c = b ? teiler(*b, *l) : std::nullopt;
        if (c)
            summe += *c;
    }
    // Terms near the largest double can add up beyond it.
    return std::isfinite(summe) ? summe : 0;
}

} // namespace

double EK(const TDaten& d, const TRezept& r) {
    return Zeilensumme(d, r, [](double b, const TRezeptZutat& l) {
        return Quotient(b, (100 - l.gewichtsverlust) / 100);
    });
}

double TatsNetto(double vkbrutto, double mwst) {
    return Quotient(vkbrutto * 100, mwst + 100).value_or(0);
}

TRezeptPreise RezeptPreise(const TDaten& d, const TRezept& r) {
    TRezeptPreise p;
    const double mwst = d.GetGruppeMwst(r.gruppe);
    const double we = d.GetGruppeWE(r.gruppe);
    p.ek = EK(d, r);
    p.kalkNetto = Quotient(p.ek * 100, we).value_or(0);
    const double brutto = (mwst + 100) * p.kalkNetto / 100;
    p.kalkBrutto = std::isfinite(brutto) ? brutto : 0;
    p.tatsNetto = TatsNetto(r.vkbrutto, mwst);
    p.tatsBrutto = r.vkbrutto;
    const double db = p.tatsNetto - p.ek;
    p.db = std::isfinite(db) ? db : 0;
    p.wequote = Quotient(p.ek * 100, p.tatsNetto).value_or(0);
    return p;
}

double WareneinsatzProPortion(const TDaten& d, const TRezept& r) {
    return Zeilensumme(d, r, [](double b, const TRezeptZutat&) { return std::optional(b); });
}
