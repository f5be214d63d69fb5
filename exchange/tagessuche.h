#pragma once

#include "core/records.h"

#include <cstdint>
#include <utility>
#include <vector>

// Positions of items (sums or groups) ordered by recipe, their order within a recipe kept:
// the items of recipe r are reihe[anfang[r]] .. reihe[anfang[r + 1] - 1].
struct TJeRezept {
    std::vector<uint32_t> anfang;
    std::vector<uint32_t> reihe;
};
TJeRezept NachRezept(const std::vector<uint32_t>& rezeptVon, uint32_t anzahlRezepte);

// Finds the stored records of one recipe's days as ErfasseVerkauf does, the first record
// of a day; one walk over the recipe's records for all its days.
class TTagessuche {
public:
    // tage: the day keys (TVerkaufstag::schluessel) of the recipe's items, in their order.
    void suche(const TRezept& r, const std::vector<uint32_t>& tage);

    // Per item: the first item of the same day.
    std::vector<uint32_t> vertreter;
    // Per first item of a day: the position of the day's first stored record, or -1.
    std::vector<int64_t> position;

private:
    std::vector<std::pair<uint32_t, uint32_t>> sortiert; // (day, item)
};
