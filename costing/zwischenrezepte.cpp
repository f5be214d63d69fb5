#include "costing/zwischenrezepte.h"

#include "core/bytes.h"
#include "core/texte.h"
#include "costing/deklaration.h"
#include "costing/preise.h"
#include "costing/umrechnung.h"
#include "costing/zutatkatalog.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <span>

namespace {

std::unique_ptr<TAbschnitt> neu() {
    return std::make_unique<TZwischenrezepte>();
}

std::span<const TRezeptZutat> zeilen(const TRezept& r) {
    if (!r.zutaten || r.zutaten->count == 0)
        return {};
    return {r.zutaten->at<TRezeptZutat>(0), r.zutaten->count};
}

// Sets a text field only when it differs, so that a recompute that changes nothing
// allocates nothing.
bool setzeText(TText& feld, QStringView wert) {
    if (TextView(feld) == wert && feld)
        return false;
    FreeText(feld);
    CopyText(feld, wert);
    return true;
}

} // namespace

const TAbschnittArt& TZwischenrezepte::art() {
    static const TAbschnittArt a{AbschnittTag("ZWRZ"), QStringLiteral("Zwischenrezepte"),
                                 bezugZutaten | bezugRezepte, &neu};
    return a;
}

namespace {
[[maybe_unused]] const bool gemeldet = MeldeAbschnitt(TZwischenrezepte::art());
// Allergens of a dish reach through its sub-recipes to their ingredients.
[[maybe_unused]] const bool aufloesungGesetzt = (SetzeUnterrezeptAufloesung(&RezeptVonZutat), true);
} // namespace

const TZwischenrezept* TZwischenrezepte::vonRezept(uint32_t rezept) const {
    const auto it =
        std::lower_bound(eintraege.begin(), eintraege.end(), rezept,
                         [](const TZwischenrezept& e, uint32_t r) { return e.rezept < r; });
    return it != eintraege.end() && it->rezept == rezept ? &*it : nullptr;
}

const TZwischenrezept* TZwischenrezepte::vonZutat(uint32_t zutat) const {
    if (zutat >= zutatIndex.size() || zutatIndex[zutat] < 0)
        return nullptr;
    return &eintraege[size_t(zutatIndex[zutat])];
}

void TZwischenrezepte::neuerIndex() {
    zutatIndex.clear();
    for (size_t i = 0; i < eintraege.size(); ++i) {
        const uint32_t z = eintraege[i].zutat;
        if (z == keineZutat)
            continue;
        if (z >= zutatIndex.size())
            zutatIndex.resize(size_t(z) + 1, -1);
        zutatIndex[z] = int32_t(i);
    }
}

void TZwischenrezepte::setze(const TZwischenrezept& e) {
    const auto it =
        std::lower_bound(eintraege.begin(), eintraege.end(), e.rezept,
                         [](const TZwischenrezept& x, uint32_t r) { return x.rezept < r; });
    if (it != eintraege.end() && it->rezept == e.rezept)
        *it = e;
    else
        eintraege.insert(it, e);
    neuerIndex();
}

void TZwischenrezepte::entferne(uint32_t rezept) {
    std::erase_if(eintraege, [&](const TZwischenrezept& e) { return e.rezept == rezept; });
    neuerIndex();
}

void TZwischenrezepte::schreibe(TByteSchreiber& s) const {
    s.uint32(uint32_t(eintraege.size()));
    for (const TZwischenrezept& e : eintraege) {
        s.uint32(e.rezept);
        s.uint32(e.zutat);
        s.text(e.einheit);
    }
}

void TZwischenrezepte::lese(TByteLeser& l) {
    const uint32_t n = l.anzahl(12);
    eintraege.clear();
    eintraege.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        TZwischenrezept e;
        e.rezept = l.uint32();
        e.zutat = l.uint32();
        e.einheit = l.text();
        if (!eintraege.empty() && eintraege.back().rezept >= e.rezept)
            throw TFehler(QStringLiteral("Zwischenrezepte nicht nach Rezepten geordnet"));
        eintraege.push_back(std::move(e));
    }
    neuerIndex();
}

void TZwischenrezepte::pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const {
    std::vector<bool> belegt(anzahlZutaten);
    for (const TZwischenrezept& e : eintraege) {
        if (e.rezept >= anzahlRezepte)
            throw TFehler(QStringLiteral("Zwischenrezept Nr. %1 fehlt").arg(e.rezept));
        if (e.zutat == keineZutat)
            continue;
        if (e.zutat >= anzahlZutaten)
            throw TFehler(QStringLiteral("Zutat Nr. %1 fehlt").arg(e.zutat));
        if (belegt[e.zutat])
            throw TFehler(QStringLiteral("Zutat Nr. %1 gehört zu zwei Rezepten").arg(e.zutat));
        belegt[e.zutat] = true;
    }
}

void TZwischenrezepte::zutatEntfernt(uint32_t nr) {
    for (TZwischenrezept& e : eintraege) {
        if (e.zutat == keineZutat)
            continue;
        if (e.zutat == nr)
            e.zutat = keineZutat; // Nachrechnen gives the recipe a new one
        else if (e.zutat > nr)
            --e.zutat;
    }
    neuerIndex();
}

void TZwischenrezepte::rezeptEntfernt(uint32_t nr) {
    std::erase_if(eintraege, [&](const TZwischenrezept& e) { return e.rezept == nr; });
    for (TZwischenrezept& e : eintraege)
        if (e.rezept > nr)
            --e.rezept;
    neuerIndex();
}

void TZwischenrezepte::rezeptKopiert(uint32_t von, uint32_t nach) {
    // The copy carries the mark with an ingredient of its own, appended by Nachrechnen.
    if (const TZwischenrezept* e = vonRezept(von); e && !vonRezept(nach))
        setze({nach, keineZutat, e->einheit});
}

void TZwischenrezepte::datensaetzeGeleert() {
    eintraege.clear();
    zutatIndex.clear();
}

void TZwischenrezepte::gelesen(TDaten& daten) const {
    for (const TZwischenrezept& e : eintraege)
        daten.rezept(e.rezept).zutatenrezeptur = true;
}

const TZwischenrezepte* Zwischenrezepte(const TDaten& d) {
    return static_cast<const TZwischenrezepte*>(d.erweiterung.finde(TZwischenrezepte::art().tag));
}

std::optional<uint32_t> RezeptVonZutat(const TDaten& d, uint32_t zutat) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* e = z ? z->vonZutat(zutat) : nullptr;
    return e ? std::optional(e->rezept) : std::nullopt;
}

std::optional<uint32_t> ZutatVonRezept(const TDaten& d, uint32_t rezept) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* e = z ? z->vonRezept(rezept) : nullptr;
    return e && e->zutat != TZwischenrezepte::keineZutat ? std::optional(e->zutat) : std::nullopt;
}

bool IstZwischenrezept(const TDaten& d, uint32_t rezept) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    return z && z->vonRezept(rezept);
}

QString ZwischenrezeptEinheit(const TDaten& d, uint32_t rezept) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* e = z ? z->vonRezept(rezept) : nullptr;
    return e ? e->einheit : QString();
}

bool SetzeZwischenrezeptZutat(TDaten& d, const TZwischenrezept& e, double preis) {
    const TRezept& r = d.rezept(e.rezept);
    TZutat& z = d.zutat(e.zutat);
    bool geaendert = setzeText(z.name, TextView(r.name));
    geaendert |= setzeText(z.lieferant, EigeneHerstellung);
    geaendert |= setzeText(z.zgruppe, ZwischenrezeptGruppe);
    geaendert |= setzeText(z.einheit, e.einheit);
    // Bits, not values: a price of -0 or NaN must be written as computed, too.
    if (std::bit_cast<uint64_t>(z.preis) != std::bit_cast<uint64_t>(preis) ||
        std::bit_cast<uint64_t>(z.menge) != std::bit_cast<uint64_t>(r.menge) ||
        !z.preisproeinheit) {
        z.preis = preis;
        z.menge = r.menge;
        geaendert = true;
    }
    geaendert |= setzeText(z.preisproeinheit, PreisProEinheit(z.preis, z.menge));
    return geaendert;
}

namespace {

// The depth-first walk over the sub-recipes' lines shared by the order and the cycle
// search: 0 unvisited, 1 on the path, 2 done.
struct TWalk {
    const TDaten& d;
    const TZwischenrezepte& z;
    std::vector<uint8_t> zustand; // by entry
    std::vector<const TZwischenrezept*> folge;

    size_t index(const TZwischenrezept* e) const { return size_t(e - z.liste().data()); }

    void besuche(const TZwischenrezept* e) {
        zustand[index(e)] = 1;
        for (const TRezeptZutat& l : zeilen(d.rezept(e->rezept))) {
            if (l.zutatnr < 0)
                continue;
            const TZwischenrezept* u = z.vonZutat(uint32_t(l.zutatnr));
            if (u && zustand[index(u)] == 0)
                besuche(u);
        }
        zustand[index(e)] = 2;
        folge.push_back(e);
    }
};

} // namespace

std::vector<const TZwischenrezept*> Blattfolge(const TDaten& d) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return {};
    TWalk w{d, *z, std::vector<uint8_t>(z->liste().size()), {}};
    w.folge.reserve(z->liste().size());
    for (const TZwischenrezept& e : z->liste())
        if (w.zustand[w.index(&e)] == 0)
            w.besuche(&e);
    return w.folge;
}

void RechneZwischenpreise(const TDaten& d, std::vector<double>& preis,
                          const std::vector<double>* mengen) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return;
    // Done so far: a line naming a sub-recipe not yet done closes a cycle and counts 0.
    std::vector<bool> fertig(z->liste().size());
    for (const TZwischenrezept* e : Blattfolge(d)) {
        const size_t ei = size_t(e - z->liste().data());
        fertig[ei] = true;
        if (e->zutat == TZwischenrezepte::keineZutat)
            continue;
        const TRezept& r = d.rezept(e->rezept);
        double summe = 0;
        for (const TRezeptZutat& l : zeilen(r)) {
            const TZutat* zutat = d.zutatVon(l);
            if (!zutat)
                continue;
            const uint32_t nr = uint32_t(l.zutatnr);
            double menge = mengen ? (*mengen)[nr] : zutat->menge;
            if (const TZwischenrezept* u = z->vonZutat(nr)) {
                if (!fertig[size_t(u - z->liste().data())] || u == e)
                    continue;
                menge = d.rezept(u->rezept).menge;
            }
            // The steps of EK() in its order, so that a reader gets the same bits.
            const auto a = Quotient(preis[nr] * l.menge, menge);
            const auto b = a ? Quotient(*a, r.menge) : std::nullopt;
            const auto c = b ? Quotient(*b, (100 - l.gewichtsverlust) / 100) : std::nullopt;
            if (c)
                summe += *c;
        }
        const double ek = std::isfinite(summe) ? summe : 0;
        const double p = ek * r.menge;
        preis[e->zutat] = std::isfinite(p) ? p : 0;
    }
}

std::vector<bool> ErreichtGewaehlte(const TDaten& d, const std::vector<bool>& gewaehlt) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return {};
    std::vector<bool> erreicht(z->liste().size());
    for (const TZwischenrezept* e : Blattfolge(d)) {
        bool ja = false;
        for (const TRezeptZutat& l : zeilen(d.rezept(e->rezept))) {
            if (l.zutatnr < 0)
                continue;
            const uint32_t nr = uint32_t(l.zutatnr);
            const TZwischenrezept* u = z->vonZutat(nr);
            ja = ja || (nr < gewaehlt.size() && gewaehlt[nr]) ||
                 (u && erreicht[size_t(u - z->liste().data())]);
        }
        erreicht[size_t(e - z->liste().data())] = ja;
    }
    return erreicht;
}

bool Nachrechnen(TDaten& d) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    bool geaendert = false;
    // The mark follows the section.
    for (uint32_t i = 0; i < d.anzahlRezepte(); ++i) {
        TRezept& r = d.rezept(i);
        const bool an = z && z->vonRezept(i);
        if (r.zutatenrezeptur != an) {
            r.zutatenrezeptur = an;
            geaendert = true;
        }
    }
    if (!z || z->leer())
        return geaendert;
    auto& eigen = d.erweiterung.abschnitt<TZwischenrezepte>();
    for (const TZwischenrezept& e : std::vector<TZwischenrezept>(eigen.liste()))
        if (e.zutat == TZwischenrezepte::keineZutat) {
            TZwischenrezept mit = e;
            mit.zutat = d.anzahlZutaten();
            d.zutats.Add();
            eigen.setze(mit);
            geaendert = true;
        }
    std::vector<double> preis(d.anzahlZutaten());
    for (uint32_t i = 0; i < d.anzahlZutaten(); ++i)
        preis[i] = d.zutat(i).preis;
    RechneZwischenpreise(d, preis);
    for (const TZwischenrezept* e : Blattfolge(d))
        geaendert |= SetzeZwischenrezeptZutat(d, *e, preis[e->zutat]);
    return geaendert;
}

QStringList ZwischenrezeptNutzer(const TDaten& d, uint32_t rezept) {
    const auto zutat = ZutatVonRezept(d, rezept);
    return zutat ? RezepteMitZutat(d, int(*zutat)) : QStringList();
}

QString ZwischenrezeptBenutztText(const TDaten& d, uint32_t rezept, bool loeschen) {
    const QStringList nutzer = ZwischenrezeptNutzer(d, rezept);
    if (nutzer.isEmpty())
        return {};
    constexpr qsizetype hoechstens = 10;
    QString text =
        QStringLiteral("Das Rezept %1 wird als Zutat verwendet und kann nicht %2. Verwendet in: ")
            .arg(Text(d.rezept(rezept).name),
                 loeschen ? QStringLiteral("gelöscht werden")
                          : QStringLiteral("mehr als Zwischenrezept abgewählt werden"));
    text += nutzer.mid(0, hoechstens).join(QStringLiteral(", "));
    if (nutzer.size() > hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(nutzer.size() - hoechstens);
    return text + QLatin1Char('.');
}

std::optional<QString> ZwischenrezeptEinheitFehler(const TDaten& d, uint32_t rezept,
                                                   const QString& einheit) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* e = z ? z->vonRezept(rezept) : nullptr;
    if (!e || e->zutat == TZwischenrezepte::keineZutat || e->einheit == einheit)
        return std::nullopt;
    return EinheitUmstellbar(d, e->zutat, einheit, FaktenVon(d, e->zutat));
}

void SetzeZwischenrezept(TDaten& d, uint32_t rezept, bool an, const QString& einheit) {
    TRezept& r = d.rezept(rezept);
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* alt = z ? z->vonRezept(rezept) : nullptr;
    if (an) {
        auto& eigen = d.erweiterung.abschnitt<TZwischenrezepte>();
        TZwischenrezept e{rezept, alt ? alt->zutat : TZwischenrezepte::keineZutat, einheit};
        // A new yield unit: the lines using the sub-recipe are converted to it.
        if (e.zutat != TZwischenrezepte::keineZutat && alt->einheit != einheit)
            if (const auto grund = EinheitUmstellen(d, e.zutat, einheit, FaktenVon(d, e.zutat)))
                throw TFehler(OhnePunkt(*grund));
        if (e.zutat == TZwischenrezepte::keineZutat) {
            e.zutat = d.anzahlZutaten();
            d.zutats.Add();
        }
        eigen.setze(e);
        r.zutatenrezeptur = true;
        return;
    }
    r.zutatenrezeptur = false;
    if (!alt)
        return;
    if (const QString text = ZwischenrezeptBenutztText(d, rezept, false); !text.isEmpty()) {
        r.zutatenrezeptur = true;
        throw TFehler(OhnePunkt(text));
    }
    const uint32_t zutat = alt->zutat;
    d.erweiterung.abschnitt<TZwischenrezepte>().entferne(rezept);
    if (zutat != TZwischenrezepte::keineZutat)
        EntferneZutat(d, int(zutat));
}

std::vector<uint32_t> ZyklusDurch(const TDaten& d, uint32_t rezept, uint32_t zutat) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    const TZwischenrezept* start = z ? z->vonZutat(zutat) : nullptr;
    if (!start)
        return {};
    if (start->rezept == rezept)
        return {rezept, rezept};
    // Depth first from the named sub-recipe, looking for `rezept`; each sub-recipe is
    // searched once, so shared bases cost nothing twice.
    std::vector<bool> gesehen(z->liste().size());
    std::vector<uint32_t> weg{rezept};
    const std::function<bool(const TZwischenrezept*)> suche = [&](const TZwischenrezept* e) {
        const size_t i = size_t(e - z->liste().data());
        if (gesehen[i])
            return false;
        gesehen[i] = true;
        weg.push_back(e->rezept);
        for (const TRezeptZutat& l : zeilen(d.rezept(e->rezept))) {
            if (l.zutatnr < 0)
                continue;
            const TZwischenrezept* u = z->vonZutat(uint32_t(l.zutatnr));
            if (!u)
                continue;
            if (u->rezept == rezept) {
                weg.push_back(rezept);
                return true;
            }
            if (suche(u))
                return true;
        }
        weg.pop_back();
        return false;
    };
    return suche(start) ? weg : std::vector<uint32_t>();
}

QString ZyklusText(const TDaten& d, const std::vector<uint32_t>& weg) {
    if (weg.size() < 2)
        return {};
    QStringList namen;
    for (uint32_t r : weg)
        namen << Text(d.rezept(r).name);
    const QString pfeile = namen.join(QStringLiteral(" → "));
    if (weg.size() == 2)
        return QStringLiteral("Rezept %1 enthält sich selbst: %2.").arg(namen[0], pfeile);
    return QStringLiteral("Rezept %1 enthält über Rezept %2 sich selbst: %3.")
        .arg(namen[0], namen[1], pfeile);
}

std::vector<uint32_t> ErsterZyklus(const TDaten& d) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return {};
    for (const TZwischenrezept& e : z->liste()) {
        if (e.zutat == TZwischenrezepte::keineZutat)
            continue;
        for (const TRezeptZutat& l : zeilen(d.rezept(e.rezept)))
            if (l.zutatnr >= 0)
                if (auto weg = ZyklusDurch(d, e.rezept, uint32_t(l.zutatnr)); !weg.empty())
                    return weg;
    }
    return {};
}
