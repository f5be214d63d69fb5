#include "costing/zwischenrezeptwege.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/zwischenrezepte.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>

namespace {

std::span<const TRezeptZutat> zeilen(const TRezept& r) {
    if (!r.zutaten || r.zutaten->count == 0)
        return {};
    return {r.zutaten->at<TRezeptZutat>(0), r.zutaten->count};
}

bool aufDemWeg(const std::vector<uint32_t>& weg, uint32_t rezept, uint32_t start) {
    return rezept == start || std::find(weg.begin(), weg.end(), rezept) != weg.end();
}

// One step down a line: the quantity factor q ÷ Y and the cost factor q ÷ Y ÷ ((100 − g)
// ÷ 100) of the sub-recipe it names; nothing when the line fails.
struct TAbstieg {
    double menge;
    double kosten;
};
std::optional<TAbstieg> abstieg(const TRezeptZutat& l, double ausbeute) {
    const auto m = Quotient(l.menge, ausbeute);
    const auto k = m ? Quotient(*m, (100 - l.gewichtsverlust) / 100) : std::nullopt;
    if (!k)
        return std::nullopt;
    return TAbstieg{*m, *k};
}

// The cost of a bought line for the whole recipe it stands in, P × q ÷ M ÷ ((100 − g) ÷ 100).
std::optional<double> blattKosten(const TZutat& z, const TRezeptZutat& l) {
    return Zeilenpreis(z.preis, z.menge, l.menge, l.gewichtsverlust);
}

struct TVerwendungsSuche {
    const TDaten& d;
    const TZwischenrezepte* z;
    uint32_t ziel;
    std::vector<bool> enthaelt; // by sub-recipe entry: reaches the target
    uint32_t start = 0;
    std::vector<uint32_t> weg;
    std::vector<TVerwendung>* treffer;

    bool fuehrtZumZiel(uint32_t zutat) const {
        const TZwischenrezept* e = z ? z->vonZutat(zutat) : nullptr;
        return e && enthaelt[size_t(e - z->liste().data())];
    }

    // fM, fK: per unit of the start recipe's yield, what one unit of the current
    // recipe's lines counts.
    void laufe(uint32_t rezept, double fM, double fK) {
        for (const TRezeptZutat& l : zeilen(d.rezept(rezept))) {
            const TZutat* zutat = d.zutatVon(l);
            if (!zutat)
                continue;
            const uint32_t nr = uint32_t(l.zutatnr);
            if (nr == ziel) {
                TVerwendung& v = eintrag();
                v.menge += l.menge * fM;
                if (const auto k = blattKosten(*zutat, l); k && std::isfinite(*k * fK))
                    v.kosten += *k * fK;
                continue;
            }
            if (!fuehrtZumZiel(nr))
                continue;
            const uint32_t unter = z->vonZutat(nr)->rezept;
            if (aufDemWeg(weg, unter, start))
                continue;
            const auto a = abstieg(l, d.rezept(unter).menge);
            if (!a)
                continue;
            weg.push_back(unter);
            laufe(unter, fM * a->menge, fK * a->kosten);
            weg.pop_back();
        }
    }

    TVerwendung& eintrag() {
        for (auto it = treffer->rbegin(); it != treffer->rend() && it->rezept == start; ++it)
            if (it->weg == weg)
                return *it;
        treffer->push_back({start, weg, 0, 0, 0});
        return treffer->back();
    }
};

} // namespace

std::vector<TVerwendung> Verwendungen(const TDaten& d, uint32_t zutat) {
    std::vector<TVerwendung> treffer;
    if (zutat >= d.anzahlZutaten())
        return treffer;
    const TZwischenrezepte* z = Zwischenrezepte(d);
    TVerwendungsSuche s{d, z, zutat, {}, 0, {}, &treffer};
    if (z) {
        // Leaves first, so that each sub-recipe knows at once whether its lines reach it.
        s.enthaelt.assign(z->liste().size(), false);
        for (const TZwischenrezept* e : Blattfolge(d)) {
            bool ja = false;
            for (const TRezeptZutat& l : zeilen(d.rezept(e->rezept)))
                if (l.zutatnr >= 0 &&
                    (uint32_t(l.zutatnr) == zutat || s.fuehrtZumZiel(uint32_t(l.zutatnr))))
                    ja = true;
            s.enthaelt[size_t(e - z->liste().data())] = ja;
        }
    }
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const double ausbeute = d.rezept(r).menge;
        const auto f = Quotient(1, ausbeute);
        const size_t vorher = treffer.size();
        s.start = r;
        // Yield 0: the quantities per unit are undefined and every cost is 0.
        s.laufe(r, f.value_or(0), f.value_or(0));
        if (treffer.size() == vorher)
            continue;
        const double ek = EK(d, d.rezept(r));
        for (size_t i = vorher; i < treffer.size(); ++i)
            treffer[i].anteil = Quotient(100 * treffer[i].kosten, ek).value_or(0);
    }
    return treffer;
}

QString WegText(const TDaten& d, const std::vector<uint32_t>& weg) {
    if (weg.empty())
        return QStringLiteral("direkt");
    QStringList namen;
    for (uint32_t r : weg)
        namen << Text(d.rezept(r).name);
    return QStringLiteral("über ") + namen.join(QStringLiteral(" → "));
}

QStringList VerwendetInTexteZutat(const TDaten& d, uint32_t zutat) {
    QStringList texte;
    for (const TVerwendung& v : Verwendungen(d, zutat)) {
        QString t = Text(d.rezept(v.rezept).name);
        if (!v.weg.empty())
            t += QStringLiteral(" (") + WegText(d, v.weg) + QLatin1Char(')');
        if (!texte.contains(t))
            texte << t;
    }
    return texte;
}

QStringList VerwendetInTexte(const TDaten& d, uint32_t rezept) {
    const auto zutat = ZutatVonRezept(d, rezept);
    return zutat ? VerwendetInTexteZutat(d, *zutat) : QStringList();
}

TListe VerwendungsListe(const TDaten& d, uint32_t zutat) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Rezept"), 150},
                    {QStringLiteral("Weg"), 200},
                    {QStringLiteral("Menge"), 90},
                    {QStringLiteral("Einheit"), 60},
                    {QStringLiteral("Anteil EK %"), 90}});
    const QString einheit = Text(d.zutat(zutat).einheit);
    for (const TVerwendung& v : Verwendungen(d, zutat))
        l.zeilen.append({Text(d.rezept(v.rezept).name), WegText(d, v.weg), ZahlAllgemein(v.menge),
                         einheit, ZahlFest(v.anteil, 2)});
    return l;
}

namespace {

struct TProduktionsLauf {
    const TDaten& d;
    const TZwischenrezepte* z;
    std::map<std::pair<bool, uint32_t>, size_t> index;
    std::vector<TProduktionsposten> posten;
    std::vector<uint32_t> offen;

    TProduktionsposten& von(bool zwischen, uint32_t nr) {
        const auto [it, neu] = index.try_emplace({zwischen, nr}, posten.size());
        if (neu)
            posten.push_back({zwischen, nr, 0, 0});
        return posten[it->second];
    }

    void laufe(uint32_t rezept, double menge) {
        const TRezept& r = d.rezept(rezept);
        offen.push_back(rezept);
        laufe(zeilen(r), r.menge, menge);
        offen.pop_back();
    }

    void laufe(std::span<const TRezeptZutat> liste, double ausbeute, double menge) {
        const auto faktor = Quotient(menge, ausbeute);
        if (!faktor)
            return; // yield 0: every line fails
        for (const TRezeptZutat& l : liste) {
            if (!d.zutatVon(l))
                continue;
            const double netto = l.menge * *faktor;
            const double einkauf = Quotient(netto, (100 - l.gewichtsverlust) / 100).value_or(0);
            if (!std::isfinite(netto))
                continue;
            const TZwischenrezept* e = z ? z->vonZutat(uint32_t(l.zutatnr)) : nullptr;
            if (e && std::find(offen.begin(), offen.end(), e->rezept) != offen.end())
                continue;
            TProduktionsposten& p = von(e != nullptr, e ? e->rezept : uint32_t(l.zutatnr));
            p.netto += netto;
            p.einkauf += einkauf;
            if (e)
                laufe(e->rezept, einkauf);
        }
    }

    std::vector<TProduktionsposten> geordnet() {
        // Sub-recipes in the order to prepare them, then the bought ingredients.
        std::vector<size_t> rang(d.anzahlRezepte(), 0);
        size_t i = 0;
        for (const TZwischenrezept* e : Blattfolge(d))
            rang[e->rezept] = i++;
        std::stable_sort(posten.begin(), posten.end(),
                         [&](const TProduktionsposten& a, const TProduktionsposten& b) {
                             if (a.zwischenrezept != b.zwischenrezept)
                                 return a.zwischenrezept;
                             return a.zwischenrezept && rang[a.nr] < rang[b.nr];
                         });
        return std::move(posten);
    }
};

} // namespace

std::vector<TProduktionsposten> Produktion(const TDaten& d, uint32_t rezept, double menge) {
    TProduktionsLauf lauf{d, Zwischenrezepte(d), {}, {}, {}};
    if (rezept < d.anzahlRezepte())
        lauf.laufe(rezept, menge);
    return lauf.geordnet();
}

std::vector<TProduktionsposten> Produktion(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                                           double ausbeute, double menge) {
    TProduktionsLauf lauf{d, Zwischenrezepte(d), {}, {}, {}};
    lauf.laufe(zeilen, ausbeute, menge);
    return lauf.geordnet();
}

TListe ProduktionsListe(const TDaten& d, uint32_t rezept, double menge) {
    return ProduktionsListe(d, Produktion(d, rezept, menge));
}

TListe ProduktionsListe(const TDaten& d, const std::vector<TProduktionsposten>& posten) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Art"), 100},
                    {QStringLiteral("Name"), 180},
                    {QStringLiteral("Menge netto"), 100},
                    {QStringLiteral("Menge Einkauf"), 100},
                    {QStringLiteral("Einheit"), 60}});
    for (const TProduktionsposten& p : posten) {
        QString name, einheit;
        if (p.zwischenrezept) {
            name = Text(d.rezept(p.nr).name);
            einheit = ZwischenrezeptEinheit(d, p.nr);
        } else {
            name = Text(d.zutat(p.nr).name);
            einheit = Text(d.zutat(p.nr).einheit);
        }
        l.zeilen.append(
            {p.zwischenrezept ? QStringLiteral("Zwischenrezept") : QStringLiteral("Zutat"), name,
             ZahlFest(p.netto, 3), ZahlFest(p.einkauf, 3), einheit});
    }
    return l;
}

namespace {

struct TAufloesung {
    const TDaten& d;
    const TZwischenrezepte* z;
    std::map<uint32_t, size_t> index;
    std::vector<TAufgeloesterPosten> posten;
    std::vector<uint32_t> offen;

    void laufe(uint32_t rezept, double fM, double fK) {
        offen.push_back(rezept);
        for (const TRezeptZutat& l : zeilen(d.rezept(rezept))) {
            const TZutat* zutat = d.zutatVon(l);
            if (!zutat)
                continue;
            const uint32_t nr = uint32_t(l.zutatnr);
            if (const TZwischenrezept* e = z ? z->vonZutat(nr) : nullptr) {
                if (std::find(offen.begin(), offen.end(), e->rezept) != offen.end())
                    continue;
                if (const auto a = abstieg(l, d.rezept(e->rezept).menge))
                    laufe(e->rezept, fM * a->menge, fK * a->kosten);
                continue;
            }
            const auto [it, neu] = index.try_emplace(nr, posten.size());
            if (neu)
                posten.push_back({nr, 0, 0, 0});
            TAufgeloesterPosten& p = posten[it->second];
            p.menge += l.menge * fM;
            if (const auto k = blattKosten(*zutat, l); k && std::isfinite(*k * fK))
                p.kosten += *k * fK;
        }
        offen.pop_back();
    }
};

} // namespace

TAufgeloest AufgeloesteKosten(const TDaten& d, uint32_t rezept) {
    TAufloesung a{d, Zwischenrezepte(d), {}, {}, {}};
    TAufgeloest e;
    if (rezept >= d.anzahlRezepte())
        return e;
    a.laufe(rezept, 1, 1);
    e.posten = std::move(a.posten);
    for (const TAufgeloesterPosten& p : e.posten)
        e.summe += p.kosten;
    if (!std::isfinite(e.summe))
        e.summe = 0;
    for (TAufgeloesterPosten& p : e.posten)
        p.anteil = Quotient(100 * p.kosten, e.summe).value_or(0);
    std::stable_sort(e.posten.begin(), e.posten.end(),
                     [](const TAufgeloesterPosten& x, const TAufgeloesterPosten& y) {
                         return x.kosten > y.kosten;
                     });
    e.ek = Quotient(e.summe, d.rezept(rezept).menge).value_or(0);
    return e;
}

TListe AufgeloesteListe(const TDaten& d, uint32_t rezept) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Zutat"), 150},
                    {QStringLiteral("Menge"), 75},
                    {QStringLiteral("Einheit"), 60},
                    {QStringLiteral("Kosten"), 90},
                    {QStringLiteral("Kosten pro Einheit"), 110},
                    {QStringLiteral("Anteil (%)"), 75}});
    const TAufgeloest a = AufgeloesteKosten(d, rezept);
    const double ausbeute = d.rezept(rezept).menge;
    for (const TAufgeloesterPosten& p : a.posten) {
        const TZutat& z = d.zutat(p.zutat);
        l.zeilen.append(
            {Text(z.name), ZahlAllgemein(p.menge), Text(z.einheit), ZahlFest(p.kosten, 4),
             ZahlFest(Quotient(p.kosten, ausbeute).value_or(0), 4), ZahlFest(p.anteil, 2)});
    }
    l.zeilen.append({QStringLiteral("Summe"), QString(), QString(), ZahlFest(a.summe, 4),
                     ZahlFest(a.ek, 4), ZahlFest(a.summe != 0 ? 100 : 0, 2)});
    return l;
}
