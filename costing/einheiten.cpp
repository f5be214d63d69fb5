#include "costing/einheiten.h"

#include <array>
#include <cmath>

namespace {

struct TAlias {
    QStringView text;
    int einheit;
};

constexpr std::array<TBekannteEinheit, 10> einheiten = {{
    {u"mg", TFamilie::masse, 1, 1000},
    {u"g", TFamilie::masse, 1, 1},
    {u"kg", TFamilie::masse, 1000, 1},
    {u"ml", TFamilie::volumen, 1, 1},
    {u"cl", TFamilie::volumen, 10, 1},
    {u"dl", TFamilie::volumen, 100, 1},
    {u"l", TFamilie::volumen, 1000, 1},
    {u"EL", TFamilie::volumen, 15, 1},
    {u"TL", TFamilie::volumen, 5, 1},
    {u"Stück", TFamilie::stueck, 1, 1},
}};

// Every name and alias, by the position of its unit above.
constexpr std::array<TAlias, 21> aliase = {{
    {u"mg", 0},   {u"g", 1},         {u"gr", 1},    {u"Gramm", 1}, {u"kg", 2},
    {u"Kilo", 2}, {u"Kilogramm", 2}, {u"ml", 3},    {u"cl", 4},    {u"dl", 5},
    {u"l", 6},    {u"Liter", 6},     {u"ltr", 6},   {u"EL", 7},    {u"Esslöffel", 7},
    {u"TL", 8},   {u"Teelöffel", 8}, {u"Stück", 9}, {u"Stk", 9},   {u"St", 9},
    {u"Stck", 9},
}};

QStringView bereinigt(QStringView t) {
    t = t.trimmed();
    if (t.endsWith(u'.'))
        t.chop(1);
    return t.trimmed();
}

bool positiv(const std::optional<double>& w) {
    return !w || (std::isfinite(*w) && *w > 0);
}

// Where a unit stands for an ingredient: a family with the factor to its base unit, or
// the ingredient's own unit.
struct TKnoten {
    bool eigene = false;
    TFamilie familie = TFamilie::masse;
    TUmrechnung faktor; // to the family's base unit
};

std::optional<TKnoten> knoten(QStringView einheit, QStringView zutatEinheit) {
    if (const TBekannteEinheit* b = BekannteEinheit(einheit))
        return TKnoten{false, b->familie, {b->zaehler, b->nenner}};
    if (GleicheEinheit(einheit, zutatEinheit))
        return TKnoten{true, TFamilie::masse, {}};
    return std::nullopt;
}

} // namespace

const TBekannteEinheit* BekannteEinheit(QStringView text) {
    // Written as the program writes it: no folding of case, which costs when every
    // line of a large kitchen is converted.
    for (const TAlias& a : aliase)
        if (text == a.text)
            return &einheiten[size_t(a.einheit)];
    const QStringView t = bereinigt(text);
    if (t.isEmpty())
        return nullptr;
    for (const TAlias& a : aliase)
        if (t.size() == a.text.size() && t.compare(a.text, Qt::CaseInsensitive) == 0)
            return &einheiten[size_t(a.einheit)];
    return nullptr;
}

QStringList BekannteEinheiten() {
    QStringList l;
    for (const TBekannteEinheit& e : einheiten)
        l << e.name.toString();
    return l;
}

bool GleicheEinheit(QStringView a, QStringView b) {
    const TBekannteEinheit* ea = BekannteEinheit(a);
    const TBekannteEinheit* eb = BekannteEinheit(b);
    if (ea || eb)
        return ea == eb;
    return bereinigt(a).compare(bereinigt(b), Qt::CaseInsensitive) == 0;
}

TUmrechnungsweg Umrechnung(QStringView von, QStringView nach, const TEinheitFakten& f) {
    const auto a = knoten(von, nach);
    const auto b = knoten(nach, nach);
    if (!a || !b)
        return {std::nullopt, TFehlendeAngabe::fremdeEinheit};
    TUmrechnung u;
    if (a->eigene && b->eigene)
        return {u, TFehlendeAngabe::keine};
    // The own unit stands on the chain where its content does.
    auto aufKette = [&](const TKnoten& k) -> std::optional<TKnoten> {
        if (!k.eigene)
            return k;
        if (!f.inhalt)
            return std::nullopt;
        const TBekannteEinheit* e = BekannteEinheit(f.inhalt->einheit);
        if (!e)
            return std::nullopt;
        return TKnoten{false, e->familie, {f.inhalt->menge * e->zaehler, e->nenner}};
    };
    const auto ka = aufKette(*a), kb = aufKette(*b);
    if (!ka || !kb)
        return {std::nullopt, TFehlendeAngabe::inhalt};
    u.zaehler = ka->faktor.zaehler * kb->faktor.nenner;
    u.nenner = ka->faktor.nenner * kb->faktor.zaehler;
    // Pieces – mass – volume: each step needs its fact.
    int p = int(ka->familie);
    const int ziel = int(kb->familie);
    for (; p < ziel; ++p) {
        if (p == 0) {
            if (!f.stueckgewicht)
                return {std::nullopt, TFehlendeAngabe::stueckgewicht};
            u.zaehler *= *f.stueckgewicht;
        } else {
            if (!f.dichte)
                return {std::nullopt, TFehlendeAngabe::dichte};
            u.nenner *= *f.dichte;
        }
    }
    for (; p > ziel; --p) {
        if (p == 1) {
            if (!f.stueckgewicht)
                return {std::nullopt, TFehlendeAngabe::stueckgewicht};
            u.nenner *= *f.stueckgewicht;
        } else {
            if (!f.dichte)
                return {std::nullopt, TFehlendeAngabe::dichte};
            u.zaehler *= *f.dichte;
        }
    }
    return {u, TFehlendeAngabe::keine};
}

QString FehltText(const QString& zutat, TFehlendeAngabe fehlt, QStringView von, QStringView nach) {
    switch (fehlt) {
    case TFehlendeAngabe::stueckgewicht:
        return QStringLiteral("Für %1 fehlt das Gewicht je Stück (g).").arg(zutat);
    case TFehlendeAngabe::dichte:
        return QStringLiteral("Für %1 fehlt die Dichte (g/ml).").arg(zutat);
    case TFehlendeAngabe::inhalt: {
        const QStringView eigene = BekannteEinheit(von) ? nach : von;
        return QStringLiteral("Für %1 fehlt, was 1 %2 enthält.").arg(zutat, eigene.toString());
    }
    case TFehlendeAngabe::fremdeEinheit:
        return QStringLiteral("Für %1 lässt sich „%2“ nicht in „%3“ umrechnen.")
            .arg(zutat, von.toString(), nach.toString());
    case TFehlendeAngabe::keine:
        break;
    }
    return {};
}

QStringList Einheitenwahl(QStringView zutatEinheit, const TEinheitFakten& f) {
    QStringList l{zutatEinheit.toString()};
    const TBekannteEinheit* eigene = BekannteEinheit(zutatEinheit);
    for (const TBekannteEinheit& e : einheiten)
        if (&e != eigene && Umrechnung(e.name, zutatEinheit, f).umrechnung)
            l << e.name.toString();
    return l;
}

std::optional<QString> PruefeFakten(QStringView zutatEinheit, const TEinheitFakten& f) {
    if (!positiv(f.stueckgewicht))
        return QStringLiteral("Das Gewicht je Stück muss größer als 0 sein.");
    if (!positiv(f.dichte))
        return QStringLiteral("Die Dichte muss größer als 0 sein.");
    if (!f.inhalt)
        return std::nullopt;
    if (BekannteEinheit(zutatEinheit))
        return QStringLiteral("%1 ist eine bekannte Einheit; ihr Inhalt steht fest.")
            .arg(bereinigt(zutatEinheit).toString());
    if (!positiv(f.inhalt->menge))
        return QStringLiteral("Der Inhalt von 1 %1 muss größer als 0 sein.")
            .arg(zutatEinheit.toString());
    if (!BekannteEinheit(f.inhalt->einheit))
        return QStringLiteral("„%1“ ist keine bekannte Einheit (g, kg, ml, l, Stück, …).")
            .arg(f.inhalt->einheit);
    return std::nullopt;
}
