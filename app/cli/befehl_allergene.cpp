// The written allergen record of one dish: each group's state and its causes.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "lists/kennzeichnungslisten.h"

namespace {

int allergene(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    return GibListeAus(a, datei, [&](TDaten& daten) {
        return AllergenDokumentation(daten, daten.rezept(RezeptNummer(daten, nr)));
    });
}

} // namespace

ORMISTO_BEFEHL({"allergene",
                "allergene DATEI --rezept NR [--aus CSV]",
                "gibt für Rezept NR jede Allergengruppe mit Code, Zustand und den Zutaten, die "
                "ihn bewirken (mit dem Weg über Unterrezepte), und die Zusatzstoffe als CSV aus",
                {},
                {QStringLiteral("rezept"), QStringLiteral("aus")},
                &allergene})
