#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QString>

// The cost warnings of every recipe passing the filter (positions as in the main lists):
// "Rezept", "Gruppe", "Zeile" (from 1, empty for the recipe's own row), "Zutat",
// "Hinweis". A recipe without lines, with yield 0 or with actual gross price 0 (not a
// sub-recipe, which is not sold) gets one row of its own, before its lines; a line gets a
// row for every warning but the share, among them a sub-recipe reached through it at
// any depth whose price cannot be computed in full.
TListe Kostenpruefung(const TDaten& d, int filter);

// How many recipes passing the filter have at least one such row.
int RezepteMitKostenhinweisen(const TDaten& d, int filter);

// The status bar text for that count: "3 Rezepte mit Kostenhinweisen", "1 Rezept mit
// Kostenhinweisen", and empty for 0.
QString KostenhinweisStatus(int anzahl);
