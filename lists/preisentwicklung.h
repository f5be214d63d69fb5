#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QDate>

// Looking back at purchase prices: one ingredient's history, and the ingredients whose
// price per unit moved between two days with the recipes that use them.

// "Datum", "Lieferant", "Menge", "Einheit", "Preis", "Preis je Einheit", "Änderung %",
// "Quelle": the entries oldest first; the change against the entry before, empty for the
// first and wherever the two are not in the same unit.
TListe Preisverlaufsliste(const TDaten& d, uint32_t zutat);

struct TPreisentwicklungsWahl {
    QDate von;           // the start price is the one in force at the end of the day before
    QDate bis;           // the end price is the one in force at the end of this day
    double schwelle = 5; // at least this many percent up or down
};

// "Zutat", "Lieferant", "Preis je Einheit alt", "Preis je Einheit neu", "Änderung %",
// "Rezept", "EK alt", "EK neu", "Ziel verfehlt": one row per moved ingredient and recipe
// using it (an ingredient no recipe uses: one row with empty recipe cells), the largest
// change first. EK alt and neu price every ingredient with a history at its price of
// that day; "Ziel verfehlt" says what the price-change simulation says of the recipe.
TListe Preisentwicklungsliste(const TDaten& d, const TPreisentwicklungsWahl& w);
