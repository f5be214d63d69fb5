// Sub-recipes in the JSON form: a marked recipe has "zwischenrezept": {"einheit": TEXT},
// its ingredient "rezept": NR. The ingredient's own fields are set from the recipe on
// import, whatever the text gives, so a hand-written file may leave them out.
#include "core/texte.h"
#include "costing/zwischenrezepte.h"
#include "exchange/jsonschluessel.h"

#include <limits>
#include <map>

namespace {

constexpr std::string_view einheitSchluessel[] = {"einheit"};

bool rezeptDa(const TDaten& d, const TJsonOrt& ort) {
    return IstZwischenrezept(d, ort.nr);
}

void rezeptSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    aus.objektAnfang();
    aus.schluessel(einheitSchluessel[0]);
    aus.text(ZwischenrezeptEinheit(d, ort.nr));
    aus.objektEnde();
}

void rezeptLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
    std::optional<QString> einheit;
    const bool objekt = leser.objekt(wert, std::span(einheitSchluessel), nullptr,
                                     [&](int, const TJsonWert& v) { einheit = leser.text(v); });
    if (objekt && !einheit) {
        leser.fehler(TJsonPfad{&wert.pfad, einheitSchluessel[0]}, QStringLiteral("fehlt"));
        return;
    }
    if (!einheit)
        return;
    if (einheit->trimmed().isEmpty()) {
        leser.fehler(TJsonPfad{&wert.pfad, einheitSchluessel[0]},
                     QStringLiteral("ein Zwischenrezept braucht eine Einheit"));
        return;
    }
    auto& eigen = d.erweiterung.abschnitt<TZwischenrezepte>();
    eigen.setze({ort.nr, TZwischenrezepte::keineZutat, *einheit});
    // The lines read after this convert their entries to the recipe's unit, whatever unit
    // the file gives its ingredient.
    for (const auto& [zutat, rezept] : eigen.genannt)
        if (rezept == ort.nr && zutat < d.anzahlZutaten() &&
            TextView(d.zutat(zutat).einheit) != *einheit) {
            FreeText(d.zutat(zutat).einheit);
            CopyText(d.zutat(zutat).einheit, *einheit);
        }
}

bool zutatDa(const TDaten& d, const TJsonOrt& ort) {
    return RezeptVonZutat(d, ort.nr).has_value();
}

void zutatSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    aus.ganzzahl(int64_t(*RezeptVonZutat(d, ort.nr)));
}

void zutatLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
    if (const auto nr = leser.ganzzahl(wert, 0, std::numeric_limits<int32_t>::max()))
        d.erweiterung.abschnitt<TZwischenrezepte>().genannt.emplace_back(ort.nr, uint32_t(*nr));
}

void pruefe(TDaten& d, TJsonAbschlussMelder& melder) {
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return;
    const std::vector<std::pair<uint32_t, uint32_t>> liste =
        std::move(d.erweiterung.abschnitt<TZwischenrezepte>().genannt);
    bool fehler = false;
    std::map<uint32_t, std::vector<uint32_t>> nennungen; // recipe → ingredients naming it
    for (const auto& [zutat, rezept] : liste) {
        const TJsonOrt ort{TJsonEbene::zutat, zutat, 0};
        if (rezept >= d.anzahlRezepte()) {
            melder.fehler(ort, "rezept", QStringLiteral("es gibt kein Rezept Nr. %1").arg(rezept));
            fehler = true;
        } else if (!z->vonRezept(rezept)) {
            melder.fehler(ort, "rezept",
                          QStringLiteral("Rezept Nr. %1 ist kein Zwischenrezept").arg(rezept));
            fehler = true;
        } else {
            nennungen[rezept].push_back(zutat);
        }
    }
    std::vector<TZwischenrezept> eintraege = z->liste();
    for (TZwischenrezept& e : eintraege) {
        const auto it = nennungen.find(e.rezept);
        const size_t n = it == nennungen.end() ? 0 : it->second.size();
        if (n == 1) {
            e.zutat = it->second.front();
            continue;
        }
        QString grund = QStringLiteral("keine Zutat nennt dieses Zwischenrezept");
        if (n > 1) {
            QStringList orte;
            for (uint32_t zutat : it->second)
                orte << QStringLiteral("zutaten[%1]").arg(zutat);
            grund = QStringLiteral("%1 Zutaten nennen dieses Zwischenrezept (%2)")
                        .arg(n)
                        .arg(orte.join(QStringLiteral(", ")));
        }
        melder.fehler({TJsonEbene::rezept, e.rezept, 0}, "zwischenrezept", grund);
        fehler = true;
    }
    if (fehler)
        return;
    auto& eigen = d.erweiterung.abschnitt<TZwischenrezepte>();
    for (const TZwischenrezept& e : eintraege)
        eigen.setze(e);
    if (const std::vector<uint32_t> weg = ErsterZyklus(d); !weg.empty()) {
        melder.fehler({TJsonEbene::rezept, weg.front(), 0}, "zwischenrezept", ZyklusText(d, weg));
        return;
    }
    Nachrechnen(d);
}

} // namespace

extern const bool jsonZwischenrezepteGemeldet;
const bool jsonZwischenrezepteGemeldet =
    MeldeJsonSchluessel({TJsonEbene::rezept, "zwischenrezept", &rezeptDa, &rezeptSchreiben,
                         &rezeptLesen, nullptr}) &&
    MeldeJsonSchluessel(
        {TJsonEbene::zutat, "rezept", &zutatDa, &zutatSchreiben, &zutatLesen, nullptr}) &&
    MeldeJsonAbschluss(&pruefe);
