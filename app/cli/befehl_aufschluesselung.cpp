// The cost breakdown of one recipe and the cost warnings of the whole file.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "costing/aufschluesselung.h"
#include "costing/zwischenrezeptwege.h"
#include "lists/kostenpruefung.h"

namespace {

int aufschluesselung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    // Resolved: the bought ingredients through every sub-recipe instead of the lines.
    const bool aufgeloest = a.schalter(QStringLiteral("aufgeloest"));
    return GibListeAus(a, datei, [&](TDaten& daten) {
        const uint32_t rezept = RezeptNummer(daten, nr);
        return aufgeloest ? AufgeloesteListe(daten, rezept)
                          : AufschluesselungsListe(daten, daten.rezept(rezept));
    });
}

int pruefung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const int filter = FilterWahl(a);
    // Rows are findings, not failures: the command succeeds with them.
    return GibListeAus(a, datei, [&](TDaten& daten) { return Kostenpruefung(daten, filter); });
}

} // namespace

ORMISTO_BEFEHL({"aufschluesselung",
                "aufschluesselung DATEI --rezept NR [--aufgeloest] [--aus CSV]",
                "die Kosten des Rezepts NR je Zeile, die teuerste zuerst, mit Anteil und "
                "Hinweisen, als CSV; mit --aufgeloest die gekauften Zutaten durch alle "
                "Zwischenrezepte",
                {QStringLiteral("aufgeloest")},
                {QStringLiteral("rezept"), QStringLiteral("aus")},
                &aufschluesselung})
ORMISTO_BEFEHL({"pruefung",
                "pruefung DATEI [--filter K] [--aus CSV]",
                "listet die Rezeptzeilen, deren Kosten fehlen oder falsch zählen, und Rezepte "
                "ohne Zeilen, mit Ausbeute 0 oder ohne VK-Preis, als CSV (Filter K 0 bis 42)",
                {},
                {QStringLiteral("filter"), QStringLiteral("aus")},
                &pruefung})
