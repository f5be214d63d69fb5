// Where an ingredient or sub-recipe is used, and what a recipe needs to be produced.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"

namespace {

int verwendung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const bool mitZutat = a.wert(QStringLiteral("zutat")).has_value();
    const bool mitRezept = a.wert(QStringLiteral("rezept")).has_value();
    if (mitZutat == mitRezept)
        throw TNutzungsFehler(QStringLiteral("genau eins von --zutat und --rezept angeben"));
    const QString nr = mitZutat ? ZutatNummerText(a) : RezeptNummerText(a);
    return GibListeAus(a, datei, [&](TDaten& daten) {
        if (mitZutat)
            return VerwendungsListe(daten, ZutatNummer(daten, nr));
        const uint32_t rezept = RezeptNummer(daten, nr);
        const auto zutat = ZutatVonRezept(daten, rezept);
        if (!zutat)
            throw TFehler(QStringLiteral("Rezept Nr. %1 ist kein Zwischenrezept").arg(rezept));
        return VerwendungsListe(daten, *zutat);
    });
}

int produktion(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    const double menge = ProduktionsMenge(a);
    return GibListeAus(a, datei, [&](TDaten& daten) {
        return ProduktionsListe(daten, RezeptNummer(daten, nr), menge);
    });
}

} // namespace

ORMISTO_BEFEHL({"verwendung",
                "verwendung DATEI (--zutat NR | --rezept NR) [--aus CSV]",
                "wo die Zutat NR oder das Zwischenrezept NR verwendet wird, je Rezept und Weg, "
                "mit Menge je Einheit und Anteil am EK, als CSV",
                {},
                {QStringLiteral("zutat"), QStringLiteral("rezept"), QStringLiteral("aus")},
                &verwendung})
ORMISTO_BEFEHL({"produktion",
                "produktion DATEI --rezept NR --menge A [--aus CSV]",
                "die Produktionsliste für A Einheiten des Rezepts NR: jedes Zwischenrezept und "
                "jede gekaufte Zutat mit Menge netto und Einkauf über alle Ebenen, als CSV",
                {},
                {QStringLiteral("rezept"), QStringLiteral("menge"), QStringLiteral("aus")},
                &produktion})
