#pragma once

#include <QString>

#include <cstdint>

// The records of the JSON form that keys belong to.
enum class TJsonEbene { oben, zutat, rezept, zeile };

// A record of the JSON form, to name it in messages and to tell a capability which
// record a key belongs to.
struct TJsonOrt {
    TJsonEbene ebene = TJsonEbene::oben;
    uint32_t nr = 0;    // the ingredient or recipe
    uint32_t zeile = 0; // the line of recipe nr

    // "zutaten[4]", "rezepte[3]", "rezepte[3].zeilen[0]"; empty at the top level.
    QString text() const;
};
