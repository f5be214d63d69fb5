#pragma once

#include "core/liste.h"

// Ordering of the insight tables (breakdown, checks, target price, price change, menu
// analysis) by a click on a column's title. Unlike the main lists they have no fixed
// column kinds: each pair of cells decides for itself.

struct TTabellenOrdnung {
    int spalte = -1; // -1: the order the table was built in
    bool absteigend = false;
};

// Whether the column holds numbers: at least one of its cells reads as a number and every
// other cell is empty. A trailing sum row is not looked at.
bool IstZahlenspalte(const TListe& l, int spalte, bool summenzeile);

// A click on the title of column `spalte`: the sort column turns round; another column
// starts with the largest number first, or with text from A.
void TabellenKlick(TTabellenOrdnung& o, const TListe& l, int spalte, bool summenzeile);

// The rows in the order `o` asks for. Two cells that both read as numbers (LiesZahl)
// compare by value; a cell that reads as a number goes before one that does not, in both
// directions; two other cells compare as the main lists compare text (the locale's
// collation, a to z taken as capitals, the empty text first). Equal cells keep the
// order of `l`. With `summenzeile` the last row is a sum and stays last.
TListe GeordneteTabelle(const TListe& l, const TTabellenOrdnung& o, bool summenzeile);
