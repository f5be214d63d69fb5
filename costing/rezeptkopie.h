#pragma once

#include "core/daten.h"
#include "costing/rezeptform.h"

// Copying and deleting a recipe of the recipe list.

// Fills the dialog from the recipe at position nr as for a change, with " (Kopie)"
// appended to its name, and runs the price handler. False when there is no such
// recipe. On OK the copy is appended with RezeptAnhaengen: own lines, no sales.
bool FuelleKopie(TRezeptForm& form, const TDaten& daten, int nr);

// Releases the texts, lines and sales of the recipe at position nr and removes it;
// the recipes behind it move up; a sub-recipe's ingredient goes with it. False when there
// is no such recipe or it is a sub-recipe that lines use (ZwischenrezeptBenutztText).
bool RezeptLoeschen(TDaten& daten, int nr);
// Appends the confirmed copy of recipe `von`; what the extension holds for `von` follows.
void KopieAnhaengen(TDaten& daten, int von, const TRezeptForm& form);
