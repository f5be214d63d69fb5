#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <optional>

// Reverse calculation: what a dish may cost to make at the price guests accept, and what
// it must sell for to meet the group's target ratio or a wanted contribution margin.
// Every figure that cannot be formed is 0.
struct TZielpreis {
    double vkBrutto = 0;    // actual gross price B
    double vkNetto = 0;     // B × 100 ÷ (v + 100)
    double ek = 0;          // purchase price per unit
    double sollQuote = 0;   // the group's target ratio w in percent
    double erlaubterEk = 0; // the highest EK meeting w at this price: net × w ÷ 100
    double spielraum = 0;   // erlaubterEk − ek; negative when the dish is too dear to make
    double kalkBrutto = 0;  // the gross price meeting w at this EK
    // (ek + D) × (v + 100) ÷ 100, when a contribution margin D is wanted
    std::optional<double> vkFuerDb;
};

// `vkbrutto` replaces the recipe's own actual gross price; `db` asks for the gross price
// that earns that contribution margin per unit.
TZielpreis Zielpreis(const TDaten& d, const TRezept& r, std::optional<double> vkbrutto = {},
                     std::optional<double> db = {});

// "Kennzahl" and "Wert" (4 decimals), one row per figure in the order of the struct.
TListe ZielpreisListe(const TZielpreis& z);
