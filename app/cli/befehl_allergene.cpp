// The written allergen record of one dish: each group's state and its causes.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "exchange/csvexport.h"
#include "lists/kennzeichnungslisten.h"

namespace {

int allergene(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    const TRezept& r = daten.rezept(RezeptNummer(daten, nr));
    SchreibeAusgabe(CsvBytes(AllergenDokumentation(daten, r)), aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"allergene",
                "allergene DATEI --rezept NR [--aus CSV]",
                "gibt für Rezept NR jede Allergengruppe mit Code, Zustand und den Zutaten, die "
                "ihn bewirken (mit dem Weg über Unterrezepte), und die Zusatzstoffe als CSV aus",
                {},
                {QStringLiteral("rezept"), QStringLiteral("aus")},
                &allergene})
