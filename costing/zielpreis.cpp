#include "costing/zielpreis.h"

#include "core/zahlen.h"
#include "costing/preise.h"

#include <cmath>

namespace {

double endlich(double x) {
    return std::isfinite(x) ? x : 0;
}

} // namespace

TZielpreis Zielpreis(const TDaten& d, const TRezept& r, std::optional<double> vkbrutto,
                     std::optional<double> db) {
    const double mwst = d.GetGruppeMwst(r.gruppe);
    const TRezeptPreise p = RezeptPreise(d, r);
    TZielpreis z;
    z.vkBrutto = vkbrutto.value_or(r.vkbrutto);
    z.vkNetto = TatsNetto(z.vkBrutto, mwst);
    z.ek = p.ek;
    z.sollQuote = d.GetGruppeWE(r.gruppe);
    z.erlaubterEk = endlich(z.vkNetto * z.sollQuote / 100);
    z.spielraum = endlich(z.erlaubterEk - z.ek);
    z.kalkBrutto = p.kalkBrutto;
    if (db)
        z.vkFuerDb = endlich((z.ek + *db) * (mwst + 100) / 100);
    return z;
}

TListe ZielpreisListe(const TZielpreis& z) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Kennzahl"), 220}, {QStringLiteral("Wert"), 100}});
    auto zeile = [&](const char16_t* kennzahl, double wert) {
        l.zeilen.append({QString::fromUtf16(kennzahl), ZahlFest(wert, 4)});
    };
    zeile(u"Tatsächlicher VK-Preis brutto", z.vkBrutto);
    zeile(u"Tatsächlicher VK-Preis netto", z.vkNetto);
    zeile(u"Einkaufspreis", z.ek);
    zeile(u"Soll-Wareneinsatzquote (%)", z.sollQuote);
    zeile(u"Erlaubter Einkaufspreis", z.erlaubterEk);
    zeile(u"Spielraum", z.spielraum);
    zeile(u"Kalkulierter VK-Preis brutto", z.kalkBrutto);
    if (z.vkFuerDb)
        zeile(u"VK-Preis brutto für DB", *z.vkFuerDb);
    return l;
}
