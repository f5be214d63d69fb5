#pragma once

#include "core/daten.h"
#include "core/liste.h"
#include "costing/deklaration.h"

#include <QString>

// The tables of the declaration: the allergen card over the dishes of a filter and the
// written record of one dish.

// Every recipe passing the filter (positions as in the main lists), in file order:
// "Rezept", "Allergene", "Zusatzstoffe", "Spuren", "Ungeklärt", "Kennzeichnung".
TListe Allergenkarte(const TDaten& d, int filter);
// How many recipes passing the filter have something undeclared.
int UngeklaerteRezepte(const TDaten& d, int filter);

// One dish's record: "Gruppe", "Code", "Text", "Zustand", "Zutaten"; a row per group
// (its key), a row per additive class present (Gruppe "Zusatzstoff"), and, while some
// ingredient's additives are unchecked, a row "Zusatzstoffe" in state "ungeklärt".
// `mitDatum` adds each ingredient's declaration date ("Butter – 01.03.24; Mehl – nie
// deklariert").
TListe AllergenDokumentation(const TDaten& d, const TRezept& r, bool mitDatum = false);
