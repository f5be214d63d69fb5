#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

// The ways from a recipe through its sub-recipes down to bought ingredients: where an
// item is used, what a recipe needs to be produced, and what its cost is made of. A line
// that fails (yield 0 of a sub-recipe, loss 100 %, quantity 0 of an ingredient) ends its
// way with nothing, as it counts 0 in every EK; a recipe reached again inside itself is
// not walked again.

struct TVerwendung {
    uint32_t rezept = 0;
    std::vector<uint32_t> weg; // the sub-recipes passed, outermost first; empty: direct
    double menge = 0;          // the item per unit of the recipe's yield along the way
    double kosten = 0;         // what the item adds to the recipe's EK along the way
    double anteil = 0;         // 100 × kosten ÷ EK, 0 when EK is 0
};

// Every recipe that uses ingredient `zutat`, once per way, in recipe order and within it
// in the order the ways are first reached. Repeated lines on one way add up.
std::vector<TVerwendung> Verwendungen(const TDaten& d, uint32_t zutat);
// "direkt" or "über Teig → Füllung".
QString WegText(const TDaten& d, const std::vector<uint32_t>& weg);
// "Apfelkuchen" or "Apfelkuchen (über Mürbeteig)", each once: the dialogs' "Verwendet
// in:" of an ingredient, and of a recipe (through its ingredient; empty for none).
QStringList VerwendetInTexteZutat(const TDaten& d, uint32_t zutat);
QStringList VerwendetInTexte(const TDaten& d, uint32_t rezept);

// "Rezept;Weg;Menge;Einheit;Anteil EK %", one row per recipe and way.
TListe VerwendungsListe(const TDaten& d, uint32_t zutat);

struct TProduktionsposten {
    bool zwischenrezept = false;
    uint32_t nr = 0;    // the recipe of a sub-recipe, else the ingredient
    double netto = 0;   // sum of the scaled line quantities
    double einkauf = 0; // the same each ÷ ((100 − loss) ÷ 100)
};

// What `menge` units of recipe `rezept` need, summed over all levels and ways: each line
// scaled by menge ÷ yield; a sub-recipe is prepared in its purchase quantity, which
// scales its own lines. The sub-recipes first, leaves first (in the order to prepare
// them), then the bought ingredients in the order first reached.
std::vector<TProduktionsposten> Produktion(const TDaten& d, uint32_t rezept, double menge);
// The same for lines not stored yet, as the recipe dialog shows them.
std::vector<TProduktionsposten> Produktion(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                                           double ausbeute, double menge);
// "Art;Name;Menge netto;Menge Einkauf;Einheit", Art "Zwischenrezept" or "Zutat".
TListe ProduktionsListe(const TDaten& d, uint32_t rezept, double menge);
TListe ProduktionsListe(const TDaten& d, const std::vector<TProduktionsposten>& posten);

struct TAufgeloesterPosten {
    uint32_t zutat = 0;
    double menge = 0;  // for the whole yield, summed over all ways
    double kosten = 0; // for the whole yield, with every loss on its level
    double anteil = 0; // 100 × kosten ÷ summe
};
struct TAufgeloest {
    std::vector<TAufgeloesterPosten> posten; // the most expensive first
    double summe = 0;
    double ek = 0; // summe ÷ yield, 0 when the yield is 0
};
// The bought ingredients of a recipe through all levels.
TAufgeloest AufgeloesteKosten(const TDaten& d, uint32_t rezept);
// "Zutat", "Menge", "Einheit", "Kosten", "Kosten pro Einheit", "Anteil (%)", then "Summe".
TListe AufgeloesteListe(const TDaten& d, uint32_t rezept);
