#include "costing/preisaenderung.h"

#include "core/texte.h"
#include "costing/preise.h"
#include "costing/zwischenrezepte.h"

#include <bit>
#include <cmath>

namespace {

double endlich(double x) {
    return std::isfinite(x) ? x : 0;
}

// One line's share of the stored-data EK at purchase price `preis`: the same steps in
// the same order as EK(), so that unchanged prices give the same bits.
std::optional<double> ekAnteil(double preis, const TRezeptZutat& l, const TZutat& z,
                               double ausbeute) {
    const auto a = Quotient(preis * l.menge, z.menge);
    const auto b = a ? Quotient(*a, ausbeute) : std::nullopt;
    return b ? Quotient(*b, (100 - l.gewichtsverlust) / 100) : std::nullopt;
}

// The EK before and after the change in one walk over the lines.
struct TZweiSummen {
    double vorher = 0, nachher = 0;
};
TZweiSummen ekSummen(const TDaten& d, const TRezept& r, const std::vector<double>& nachherPreis) {
    TZweiSummen s;
    if (!r.zutaten)
        return s;
    for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
         ++l) {
        const TZutat* z = d.zutatVon(*l);
        if (!z)
            continue;
        const auto vorher = ekAnteil(z->preis, *l, *z, r.menge);
        if (vorher)
            s.vorher += *vorher;
        const double p = uint32_t(l->zutatnr) < nachherPreis.size()
                             ? nachherPreis[size_t(l->zutatnr)]
                             : z->preis;
        const bool geaendert = std::bit_cast<uint64_t>(p) != std::bit_cast<uint64_t>(z->preis);
        const auto nachher = geaendert ? ekAnteil(p, *l, *z, r.menge) : vorher;
        if (nachher)
            s.nachher += *nachher;
    }
    s.vorher = endlich(s.vorher);
    s.nachher = endlich(s.nachher);
    return s;
}

} // namespace

bool Betrifft(const TPreisaenderung& a, const TZutat& z, uint32_t nr) {
    switch (a.auswahl) {
    case TPreisAuswahl::alle:
        return true;
    case TPreisAuswahl::zutat:
        return nr == a.zutat;
    case TPreisAuswahl::lieferant:
        return TextView(z.lieferant).trimmed() == QStringView(a.text).trimmed();
    case TPreisAuswahl::zutatengruppe:
        return TextView(z.zgruppe).trimmed() == QStringView(a.text).trimmed();
    }
    return false;
}

std::vector<bool> GewaehlteZutaten(const TDaten& d, const TPreisaenderung& a) {
    const uint32_t n = d.anzahlZutaten();
    std::vector<bool> gewaehlt(n);
    for (uint32_t i = 0; i < n; ++i)
        gewaehlt[i] = Betrifft(a, d.zutat(i), i);
    return gewaehlt;
}

double GeaenderterPreis(const TPreisaenderung& a, double preis) {
    return preis * ((100 + a.prozent) / 100);
}

std::vector<double> PreiseNachher(const TDaten& d, const TPreisaenderung& a,
                                  const std::vector<bool>& gewaehlt) {
    const uint32_t n = d.anzahlZutaten();
    std::vector<double> preis(n);
    for (uint32_t i = 0; i < n; ++i) {
        const double p = d.zutat(i).preis;
        preis[i] = i < gewaehlt.size() && gewaehlt[i] ? GeaenderterPreis(a, p) : p;
    }
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return preis;
    RechneZwischenpreise(d, preis);
    // A sub-recipe the change does not reach keeps its stored price to the bit.
    const std::vector<bool> erreicht = ErreichtGewaehlte(d, gewaehlt);
    for (size_t i = 0; i < z->liste().size(); ++i) {
        const TZwischenrezept& e = z->liste()[i];
        if (e.zutat < n && !(e.zutat < gewaehlt.size() && gewaehlt[e.zutat]) && !erreicht[i])
            preis[e.zutat] = d.zutat(e.zutat).preis;
    }
    return preis;
}

double EKNachher(const TDaten& d, const TRezept& r, const TPreisaenderung& a,
                 const std::vector<bool>& gewaehlt) {
    return ekSummen(d, r, PreiseNachher(d, a, gewaehlt)).nachher;
}

QString SollStatusText(TSollStatus s) {
    switch (s) {
    case TSollStatus::keinSoll:
        return QStringLiteral("kein Soll");
    case TSollStatus::ueberSoll:
        return QStringLiteral("über Soll");
    case TSollStatus::bleibtUeberSoll:
        return QStringLiteral("bleibt über Soll");
    case TSollStatus::imSoll:
        break;
    }
    return QStringLiteral("im Soll");
}

TPreisfolgen Preisfolgen(double ekVorher, double ekNachher, double vkbrutto, double mwst,
                         double we) {
    TPreisfolgen f;
    const double netto = TatsNetto(vkbrutto, mwst);
    f.ekVorher = ekVorher;
    f.ekNachher = ekNachher;
    f.quoteVorher = Quotient(ekVorher * 100, netto).value_or(0);
    f.quoteNachher = Quotient(ekNachher * 100, netto).value_or(0);
    f.soll = we;
    f.dbVorher = endlich(netto - ekVorher);
    f.dbNachher = endlich(netto - ekNachher);
    const double kalkNetto = Quotient(ekNachher * 100, we).value_or(0);
    f.kalkBruttoNachher = endlich((mwst + 100) * kalkNetto / 100);
    if (we == 0)
        f.status = TSollStatus::keinSoll;
    else if (f.quoteNachher > we)
        f.status = f.quoteVorher > we ? TSollStatus::bleibtUeberSoll : TSollStatus::ueberSoll;
    else
        f.status = TSollStatus::imSoll;
    return f;
}

TPreisfolgen Preisfolgen(const TDaten& d, const TRezept& r, const TPreisaenderung& a,
                         const std::vector<bool>& gewaehlt, double mwst, double we) {
    return Preisfolgen(d, r, PreiseNachher(d, a, gewaehlt), mwst, we);
}

TPreisfolgen Preisfolgen(const TDaten& d, const TRezept& r, const std::vector<double>& nachher,
                         double mwst, double we) {
    const TZweiSummen ek = ekSummen(d, r, nachher);
    return Preisfolgen(ek.vorher, ek.nachher, r.vkbrutto, mwst, we);
}
