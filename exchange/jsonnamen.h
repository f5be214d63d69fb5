#pragma once

#include <string_view>

// The keys of the JSON form (version 1), in the order the export writes them.
namespace jsonnamen {

inline constexpr std::string_view oben[] = {"format",  "version", "zutaten",
                                            "rezepte", "gruppen", "erweiterung"};
enum Oben { format, version, zutaten, rezepte, gruppen, erweiterung };

inline constexpr std::string_view zutat[] = {"name",  "lieferant", "gruppe", "preisproeinheit",
                                             "preis", "menge",     "einheit"};
inline constexpr std::string_view rezept[] = {"name",     "beschreibung", "bilddatei", "menge",
                                              "vkbrutto", "gruppe",       "zeilen",    "verkaeufe"};
inline constexpr std::string_view zeile[] = {"zutat", "menge", "gewichtsverlust"};
inline constexpr std::string_view verkauf[] = {"jahr",         "monat",       "tag",
                                               "menge",        "umsatznetto", "umsatzbrutto",
                                               "wareneinsatz", "wequote",     "deckungsbeitrag"};
inline constexpr std::string_view gruppe[] = {"name", "mwst", "we"};
inline constexpr std::string_view abschnitt[] = {"tag", "bezug", "daten"};

inline constexpr std::string_view formatName = "ormisto";
inline constexpr int version1 = 1;

} // namespace jsonnamen
