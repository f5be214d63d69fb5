#include "lists/preisentwicklung.h"

#include "core/datumstext.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preisaenderung.h"
#include "costing/preise.h"
#include "costing/preisverlauf.h"
#include "costing/umrechnung.h"
#include "costing/zwischenrezepte.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QString einheitSchluessel(QStringView e) {
    return e.trimmed().toString().toCaseFolded();
}

std::optional<double> jeEinheit(const TPreiseintrag& e) {
    return Quotient(e.preis, e.menge);
}

// The change in percent from a to b, when both are in one unit and a is not 0.
std::optional<double> aenderung(const TPreisverlauf& v, const TPreiseintrag& a,
                                const TPreiseintrag& b) {
    if (einheitSchluessel(v.text(a.einheit)) != einheitSchluessel(v.text(b.einheit)))
        return std::nullopt;
    const auto pa = jeEinheit(a), pb = jeEinheit(b);
    if (!pa || !pb || *pa == 0)
        return std::nullopt;
    return Quotient((*pb - *pa) * 100, *pa);
}

// Every ingredient's price and quantity of `tag`: its entry in force where its unit is
// or converts to the ingredient's present unit, else as stored; sub-recipes recomputed from those,
// leaves first.
struct TTagespreise {
    std::vector<double> preis, menge;
};
TTagespreise preiseAm(const TDaten& d, const TPreisverlauf& v, QDate tag) {
    TTagespreise t;
    const uint32_t n = d.anzahlZutaten();
    t.preis.resize(n);
    t.menge.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        const TZutat& z = d.zutat(i);
        t.preis[i] = z.preis;
        t.menge[i] = z.menge;
        const TPreiseintrag* e = StandAm(v.eintraege(i), tag);
        if (!e)
            continue;
        // Lines are in today's unit; a pack bought in another unit that converts to it
        // is measured in today's unit too.
        if (einheitSchluessel(v.text(e->einheit)) == einheitSchluessel(TextView(z.einheit))) {
            t.preis[i] = e->preis;
            t.menge[i] = e->menge;
        } else if (const auto m = InZutateinheit(d, i, e->menge, v.text(e->einheit)).menge) {
            t.preis[i] = e->preis;
            t.menge[i] = *m;
        }
    }
    RechneZwischenpreise(d, t.preis, &t.menge);
    return t;
}

// The EK of a recipe at the prices of a day, in the steps of EK().
double ekAm(const TDaten& d, const TTagespreise& t, const TRezept& r) {
    double summe = 0;
    if (!r.zutaten)
        return 0;
    for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
         ++l) {
        if (!d.zutatVon(*l))
            continue;
        const size_t nr = size_t(l->zutatnr);
        const auto a = Quotient(t.preis[nr] * l->menge, t.menge[nr]);
        const auto b = a ? Quotient(*a, r.menge) : std::nullopt;
        const auto c = b ? Quotient(*b, (100 - l->gewichtsverlust) / 100) : std::nullopt;
        if (c)
            summe += *c;
    }
    return std::isfinite(summe) ? summe : 0;
}

} // namespace

TListe Preisverlaufsliste(const TDaten& d, uint32_t zutat) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Datum"), 80},
                    {QStringLiteral("Lieferant"), 120},
                    {QStringLiteral("Menge"), 60},
                    {QStringLiteral("Einheit"), 60},
                    {QStringLiteral("Preis"), 70},
                    {QStringLiteral("Preis je Einheit"), 110},
                    {QStringLiteral("Änderung %"), 90},
                    {QStringLiteral("Quelle"), 80}});
    const TPreisverlauf* v =
        static_cast<const TPreisverlauf*>(d.erweiterung.finde(TPreisverlauf::art().tag));
    if (!v)
        return l;
    const auto& eintraege = v->eintraege(zutat);
    for (size_t i = 0; i < eintraege.size(); ++i) {
        const TPreiseintrag& e = eintraege[i];
        const auto proEinheit = jeEinheit(e);
        const auto a = i > 0 ? aenderung(*v, eintraege[i - 1], e) : std::nullopt;
        l.zeilen.append({KurzesDatum(DatumAusZahl(e.datum)), v->text(e.lieferant),
                         ZahlAllgemein(e.menge), v->text(e.einheit), ZahlFest(e.preis, 2),
                         proEinheit ? ZahlFest(*proEinheit, 4) : QString(),
                         a ? ZahlFest(*a, 2) : QString(), QuellenText(e.quelle)});
    }
    return l;
}

TListe Preisentwicklungsliste(const TDaten& d, const TPreisentwicklungsWahl& w) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Zutat"), 150},
                    {QStringLiteral("Lieferant"), 120},
                    {QStringLiteral("Preis je Einheit alt"), 130},
                    {QStringLiteral("Preis je Einheit neu"), 130},
                    {QStringLiteral("Änderung %"), 90},
                    {QStringLiteral("Rezept"), 150},
                    {QStringLiteral("EK alt"), 80},
                    {QStringLiteral("EK neu"), 80},
                    {QStringLiteral("Ziel verfehlt"), 100}});
    const TPreisverlauf* v =
        static_cast<const TPreisverlauf*>(d.erweiterung.finde(TPreisverlauf::art().tag));
    if (!v)
        return l;
    const QDate vorher = w.von.addDays(-1);
    struct TBewegung {
        uint32_t zutat;
        double alt, neu, prozent;
    };
    std::vector<TBewegung> bewegt;
    const double grenze = std::abs(w.schwelle) * (1 - 1e-12); // exactly X % counts
    for (uint32_t nr = 0; nr < d.anzahlZutaten(); ++nr) {
        const auto& e = v->eintraege(nr);
        if (e.empty())
            continue;
        const TPreiseintrag* a = StandAm(e, vorher);
        const TPreiseintrag* b = StandAm(e, w.bis);
        if (!a || !b)
            continue;
        const auto p = aenderung(*v, *a, *b);
        if (p && std::abs(*p) >= grenze && *p != 0)
            bewegt.push_back({nr, *jeEinheit(*a), *jeEinheit(*b), *p});
    }
    std::stable_sort(bewegt.begin(), bewegt.end(), [](const TBewegung& x, const TBewegung& y) {
        return std::abs(x.prozent) > std::abs(y.prozent);
    });
    if (bewegt.empty())
        return l;

    // Which recipes use each moved ingredient, in recipe order, each once.
    // A sub-recipe's ingredient stands for the moved ingredients its lines reach, at any
    // depth (leaves first, so each knows those of the sub-recipes it uses).
    std::vector<std::vector<size_t>> erreicht(d.anzahlZutaten());
    for (size_t i = 0; i < bewegt.size(); ++i)
        erreicht[bewegt[i].zutat].push_back(i);
    for (const TZwischenrezept* e : Blattfolge(d)) {
        std::vector<size_t> menge;
        const TRezept& rezept = d.rezept(e->rezept);
        if (rezept.zutaten)
            for (const auto* z = rezept.zutaten->begin<TRezeptZutat>();
                 z != rezept.zutaten->end<TRezeptZutat>(); ++z)
                if (z->zutatnr >= 0 && uint32_t(z->zutatnr) < erreicht.size() &&
                    uint32_t(z->zutatnr) != e->zutat)
                    for (size_t i : erreicht[size_t(z->zutatnr)])
                        menge.push_back(i);
        std::sort(menge.begin(), menge.end());
        menge.erase(std::unique(menge.begin(), menge.end()), menge.end());
        if (e->zutat < erreicht.size())
            erreicht[e->zutat] = std::move(menge);
    }
    std::vector<std::vector<uint32_t>> nutzer(bewegt.size());
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const TRezept& rezept = d.rezept(r);
        if (!rezept.zutaten)
            continue;
        for (const auto* z = rezept.zutaten->begin<TRezeptZutat>();
             z != rezept.zutaten->end<TRezeptZutat>(); ++z)
            if (z->zutatnr >= 0 && uint32_t(z->zutatnr) < erreicht.size())
                for (size_t i : erreicht[size_t(z->zutatnr)]) {
                    auto& n = nutzer[i];
                    if (n.empty() || n.back() != r)
                        n.push_back(r);
                }
    }
    const TTagespreise preiseVorher = preiseAm(d, *v, vorher);
    const TTagespreise preiseBis = preiseAm(d, *v, w.bis);
    std::vector<std::optional<std::pair<double, double>>> ek(d.anzahlRezepte());
    for (size_t i = 0; i < bewegt.size(); ++i) {
        const TBewegung& b = bewegt[i];
        const TZutat& z = d.zutat(b.zutat);
        const QStringList kopf = {Text(z.name), Text(z.lieferant), ZahlFest(b.alt, 4),
                                  ZahlFest(b.neu, 4), ZahlFest(b.prozent, 2)};
        if (nutzer[i].empty())
            l.zeilen.append(kopf + QStringList{QString(), QString(), QString(), QString()});
        for (uint32_t r : nutzer[i]) {
            const TRezept& rezept = d.rezept(r);
            if (!ek[r])
                ek[r] = std::pair{ekAm(d, preiseVorher, rezept), ekAm(d, preiseBis, rezept)};
            const auto [alt, neu] = *ek[r];
            const TPreisfolgen f =
                Preisfolgen(alt, neu, rezept.vkbrutto, d.GetGruppeMwst(rezept.gruppe),
                            d.GetGruppeWE(rezept.gruppe));
            l.zeilen.append(kopf + QStringList{Text(rezept.name), ZahlFest(alt, 4),
                                               ZahlFest(neu, 4), SollStatusText(f.status)});
        }
    }
    return l;
}
