#include "costing/umrechnung.h"

#include "core/texte.h"
#include "costing/preisverlauf.h"

TInZutateinheit InZutateinheit(const QString& zutatName, QStringView zutatEinheit,
                               const TEinheitFakten& f, double menge, QStringView einheit) {
    const TUmrechnungsweg w = Umrechnung(einheit, zutatEinheit, f);
    if (!w.umrechnung)
        return {std::nullopt, FehltText(zutatName, w.fehlt, einheit, zutatEinheit)};
    return {w.umrechnung->menge(menge), {}};
}

TInZutateinheit InZutateinheit(const TDaten& d, uint32_t zutat, double menge, QStringView einheit) {
    if (zutat >= d.anzahlZutaten())
        return {std::nullopt, QStringLiteral("Es gibt keine Zutat Nr. %1.").arg(zutat)};
    const TZutat& z = d.zutat(zutat);
    const QStringView eigene = TextView(z.einheit);
    // The ingredient's own unit as written needs no facts and no arithmetic.
    if (einheit == eigene)
        return {menge, {}};
    // The name only for a message: converting 100 000 lines makes no texts.
    const TUmrechnungsweg w = Umrechnung(einheit, eigene, FaktenVon(d, zutat));
    if (!w.umrechnung)
        return {std::nullopt, FehltText(Text(z.name), w.fehlt, einheit, eigene)};
    return {w.umrechnung->menge(menge), {}};
}

QStringList EinheitenFuer(const TDaten& d, uint32_t zutat) {
    if (zutat >= d.anzahlZutaten())
        return {};
    return Einheitenwahl(TextView(d.zutat(zutat).einheit), FaktenVon(d, zutat));
}

namespace {

struct TNeueZeile {
    uint32_t rezept;
    uint32_t nr;
    double menge;
    std::optional<TEingabe> eingabe;
};

QString rezeptListe(const QStringList& namen) {
    constexpr qsizetype hoechstens = 10;
    QString text = namen.mid(0, hoechstens).join(QStringLiteral(", "));
    if (namen.size() > hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(namen.size() - hoechstens);
    return text;
}

// The lines of ingredient `zutat` converted to the new unit and facts, or the refusal.
std::optional<QString> plane(const TDaten& d, uint32_t zutat, const QString& neueEinheit,
                             const TEinheitFakten& neueFakten, std::vector<TNeueZeile>& neu) {
    if (zutat >= d.anzahlZutaten())
        return QStringLiteral("Es gibt keine Zutat Nr. %1.").arg(zutat);
    if (const auto grund = PruefeFakten(neueEinheit, neueFakten))
        return grund;
    const TZutat& z = d.zutat(zutat);
    const QString alteEinheit = Text(z.einheit);
    if (alteEinheit == neueEinheit && FaktenVon(d, zutat) == neueFakten)
        return std::nullopt;
    const QString name = Text(z.name);

    QStringList abgelehnt;
    QString grund;
    for (uint32_t r = 0; r < d.anzahlRezepte(); ++r) {
        const TRezept& rezept = d.rezept(r);
        if (!rezept.zutaten)
            continue;
        bool rezeptAbgelehnt = false;
        for (uint32_t i = 0; i < rezept.zutaten->count; ++i) {
            const TRezeptZutat* l = rezept.zutaten->at<TRezeptZutat>(i);
            if (l->zutatnr < 0 || uint32_t(l->zutatnr) != zutat)
                continue;
            const std::optional<TEingabe> alt = EingabeVon(d, r, i);
            const TEingabe quelle = alt ? *alt : TEingabe{l->menge, alteEinheit};
            const TInZutateinheit m =
                quelle.einheit == neueEinheit
                    ? TInZutateinheit{quelle.menge, {}}
                    : InZutateinheit(name, neueEinheit, neueFakten, quelle.menge, quelle.einheit);
            if (!m.menge) {
                if (grund.isEmpty())
                    grund = m.fehler;
                if (!rezeptAbgelehnt)
                    abgelehnt << Text(rezept.name);
                rezeptAbgelehnt = true;
                continue;
            }
            // An entry in the new unit as written is the line's quantity itself.
            std::optional<TEingabe> eingabe;
            if (quelle.einheit != neueEinheit)
                eingabe = quelle;
            neu.push_back({r, i, *m.menge, std::move(eingabe)});
        }
    }
    if (!abgelehnt.isEmpty())
        return QStringLiteral("Die Einheit von %1 lässt sich so nicht ändern: Zeilen in %2 ließen "
                              "sich nicht mehr umrechnen. %3")
            .arg(name, rezeptListe(abgelehnt), grund);
    return std::nullopt;
}

} // namespace

std::optional<QString> EinheitUmstellbar(const TDaten& d, uint32_t zutat,
                                         const QString& neueEinheit,
                                         const TEinheitFakten& neueFakten) {
    std::vector<TNeueZeile> neu;
    return plane(d, zutat, neueEinheit, neueFakten, neu);
}

std::optional<QString> EinheitUmstellen(TDaten& d, uint32_t zutat, const QString& neueEinheit,
                                        const TEinheitFakten& neueFakten, TUmstellung art) {
    std::vector<TNeueZeile> neu;
    if (auto grund = plane(d, zutat, neueEinheit, neueFakten, neu))
        return grund;
    if (art == TUmstellung::nurPruefen)
        return std::nullopt;
    TZutat& z = d.zutat(zutat);
    if (TextView(z.einheit) != neueEinheit) {
        FreeText(z.einheit);
        CopyText(z.einheit, neueEinheit);
    }
    if (neueFakten != FaktenVon(d, zutat) || !neu.empty()) {
        auto& daten = d.erweiterung.abschnitt<TEinheitenDaten>();
        daten.setzeFakten(zutat, neueFakten);
        for (const TNeueZeile& n : neu) {
            d.rezept(n.rezept).zutaten->at<TRezeptZutat>(n.nr)->menge = n.menge;
            daten.setzeEingabe(n.rezept, n.nr, n.eingabe);
        }
    }
    return std::nullopt;
}

std::optional<QString> ZutatMitEinheitenAnlegen(TDaten& d, const TZutatWerte& werte,
                                                const TEinheitFakten& fakten) {
    if (const auto grund = PruefeFakten(werte.einheit, fakten))
        return grund;
    ZutatAnlegen(d, werte);
    if (!fakten.leer())
        d.erweiterung.abschnitt<TEinheitenDaten>().setzeFakten(d.anzahlZutaten() - 1, fakten);
    return std::nullopt;
}

std::optional<QString> ZutatMitEinheitenAendern(TDaten& d, int nr, const TZutatWerte& werte,
                                                const TEinheitFakten& fakten) {
    if (nr < 0 || uint32_t(nr) >= d.anzahlZutaten())
        return QStringLiteral("Es gibt keine Zutat Nr. %1.").arg(nr);
    const TZutatWerte vorher = ZutatWerte(d.zutat(uint32_t(nr)));
    if (auto grund = EinheitUmstellen(d, uint32_t(nr), werte.einheit, fakten))
        return grund;
    ZutatErsetzen(d, nr, werte);
    MerkeAenderung(d, uint32_t(nr), vorher, TPreisquelle::eingabe);
    return std::nullopt;
}
