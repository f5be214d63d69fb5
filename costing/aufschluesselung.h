#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QString>

#include <vector>

// What a kitchen should look at in a recipe's costs: a line that silently counts 0, a
// negative price, one ingredient carrying most of the cost.

// The reasons a line deserves a look. text() joins those that apply with ", " in the
// order of the fields.
struct TZeilenHinweise {
    bool zutatFehlt = false;         // "Zutat fehlt": zutatnr names no ingredient
    bool einkaufsmengeNull = false;  // "Einkaufsmenge 0"
    bool gewichtsverlust100 = false; // "Gewichtsverlust 100 %"
    bool mengeNull = false;          // "Menge 0"
    bool negativerPreis = false;     // "negativer Preis"
    // "Preis nicht berechenbar": the line fails for none of the reasons above (its
    // price overflows or an input is not a number), so it would count 0 unexplained.
    bool nichtBerechenbar = false;
    bool ueber50 = false; // "über 50 % der Kosten": a share strictly above 50
    // "Zwischenrezept ohne berechenbaren Preis: Teig": the line's sub-recipe, or one it
    // uses at any depth, has a line that fails, no lines or yield 0 (the names of those).
    QString zwischenrezept;

    // Any reason other than the share: the line's cost is wrong or missing.
    bool kostenfehler() const {
        return zutatFehlt || einkaufsmengeNull || gewichtsverlust100 || mengeNull ||
               negativerPreis || nichtBerechenbar || !zwischenrezept.isEmpty();
    }
    QString text() const;
};

// The reasons a whole recipe cannot be priced or valued.
struct TRezeptHinweise {
    bool keineZeilen = false;  // "keine Zeilen"
    bool ausbeuteNull = false; // "Ausbeute 0"
    bool keinVkPreis = false;  // "kein VK-Preis": actual gross price 0, not for a sub-recipe
    bool irgendeiner() const { return keineZeilen || ausbeuteNull || keinVkPreis; }
    QString text() const;
};

// By ingredient position: for a sub-recipe's ingredient whose price cannot be computed
// in full, the names of the sub-recipes at fault ("Teig, Füllung"); empty otherwise.
// Work it out once for many lines.
using TZwischenBefund = std::vector<QString>;
TZwischenBefund ZwischenrezeptBefund(const TDaten& d);

// The reasons of one line, all but the share, which needs the whole recipe. Without
// `befund` it is worked out for this line.
TZeilenHinweise ZeilenHinweise(const TDaten& d, const TRezeptZutat& zeile,
                               const TZwischenBefund* befund = nullptr);
TRezeptHinweise RezeptHinweise(const TRezept& r);

struct TKostenzeile {
    int zeile = 0;               // position in the recipe's lines, from 0
    double kosten = 0;           // line price for the whole recipe, 0 when it fails
    double kostenProEinheit = 0; // kosten ÷ yield, 0 when the yield is 0
    double anteil = 0;           // 100 × kosten ÷ summe, 0 when summe is 0
    TZeilenHinweise hinweise;
};

struct TAufschluesselung {
    std::vector<TKostenzeile> zeilen; // the most expensive first, equal costs in line order
    double summe = 0;                 // sum of all line prices, failing lines 0
    double ek = 0;                    // purchase price per unit
};

TAufschluesselung Aufschluesselung(const TDaten& d, const TRezept& r);

// The breakdown as a list: "Zutat", "Menge", "Einheit", "Gewichtsverlust (%)", "Kosten",
// "Kosten pro Einheit", "Anteil (%)", "Hinweis"; one row per line as ordered above, then
// the row "Summe".
TListe AufschluesselungsListe(const TDaten& d, const TRezept& r);
