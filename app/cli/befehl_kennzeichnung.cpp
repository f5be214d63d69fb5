// The declaration of every dish of a filter, as the allergen card shows it.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "lists/kennzeichnungslisten.h"

namespace {

int kennzeichnung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const int filter = FilterWahl(a);
    return GibListeAus(a, datei, [&](TDaten& daten) { return Allergenkarte(daten, filter); });
}

} // namespace

ORMISTO_BEFEHL({"kennzeichnung",
                "kennzeichnung DATEI [--filter K] [--aus CSV]",
                "gibt die Allergen- und Zusatzstoffkennzeichnung jedes Rezepts des Filters K "
                "als CSV aus; Ungeklärtes steht in der Spalte Ungeklärt",
                {},
                {QStringLiteral("filter"), QStringLiteral("aus")},
                &kennzeichnung})
