#include "lists/preisentwicklung.h"

#include "core/datumstext.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preisaenderung.h"
#include "costing/preise.h"
#include "costing/preisverlauf.h"
#include "costing/umrechnung.h"

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

// The EK of a recipe with every ingredient at its price of `tag`, in the steps of EK().
double ekAm(const TDaten& d, const TPreisverlauf& v, const TRezept& r, QDate tag) {
    double summe = 0;
    if (!r.zutaten)
        return 0;
    for (const auto* l = r.zutaten->begin<TRezeptZutat>(); l != r.zutaten->end<TRezeptZutat>();
         ++l) {
        const TZutat* z = d.zutatVon(*l);
        if (!z)
            continue;
        double preis = z->preis, menge = z->menge;
        if (const TPreiseintrag* e = StandAm(v.eintraege(uint32_t(l->zutatnr)), tag)) {
            // The line's quantity is in today's unit; a pack bought in another unit that
            // converts to it is measured in today's unit too.
            if (einheitSchluessel(v.text(e->einheit)) == einheitSchluessel(TextView(z->einheit))) {
                preis = e->preis;
                menge = e->menge;
            } else if (const auto m =
                           InZutateinheit(d, uint32_t(l->zutatnr), e->menge, v.text(e->einheit))
                               .menge) {
                preis = e->preis;
                menge = *m;
            }
        }
        const auto a = Quotient(preis * l->menge, menge);
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
    std::vector<int32_t> stelle(d.anzahlZutaten(), -1);
    for (size_t i = 0; i < bewegt.size(); ++i)
        stelle[bewegt[i].zutat] = int32_t(i);
    std::vector<std::vector<uint32_t>> nutzer(bewegt.size());
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const TRezept& rezept = d.rezept(r);
        if (!rezept.zutaten)
            continue;
        for (const auto* z = rezept.zutaten->begin<TRezeptZutat>();
             z != rezept.zutaten->end<TRezeptZutat>(); ++z)
            if (z->zutatnr >= 0 && uint32_t(z->zutatnr) < stelle.size() &&
                stelle[size_t(z->zutatnr)] >= 0) {
                auto& n = nutzer[size_t(stelle[size_t(z->zutatnr)])];
                if (n.empty() || n.back() != r)
                    n.push_back(r);
            }
    }
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
                ek[r] = std::pair{ekAm(d, *v, rezept, vorher), ekAm(d, *v, rezept, w.bis)};
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
