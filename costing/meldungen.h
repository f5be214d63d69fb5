#pragma once

#include <QString>
#include <QStringView>

// Messages of the ingredient and recipe editing, word for word as the user sees them.
namespace Meldung {
inline constexpr QStringView ZutatAnklicken = u"Sie müssen zuerst eine Zutat anklicken.";
inline constexpr QStringView RezeptAnklicken = u"Sie müssen zuerst ein Rezept anklicken.";
inline constexpr QStringView ZutatBenutzt =
    u"Diese Zutat kann nicht gelöscht werden, da die Zutat in einem Rezept benutzt wird.";
// %1: the recipe.
inline constexpr QStringView ZutatGehoertZuRezept =
    u"Diese Zutat gehört zum Rezept %1. Sie wird mit ihm gelöscht oder wenn es nicht mehr als "
    u"Zutat verwendet wird.";
inline constexpr QStringView ZutatLoeschenFrage = u"Wollen Sie diese Zutat wirklich löschen?";
inline constexpr QStringView RezeptLoeschenFrage = u"Wollen Sie dieses Rezept wirklich löschen?";
inline constexpr QStringView KeineZutatGewaehlt =
    u"Sie haben noch keine Zutat aus der Liste ausgewählt.";
inline constexpr QStringView MengeNichtPositiv = u"Sie müssen eine Menge größer als 0 festlegen.";

inline constexpr QStringView TitelLoeschen = u"Löschen";
inline constexpr QStringView TitelZutatAuswaehlen = u"Zutat auswählen";
inline constexpr QStringView TitelMengeFestlegen = u"Menge festlegen";
} // namespace Meldung

// A message for the user: its text and its title (empty: no title of its own).
struct TMeldung {
    QStringView text;
    QStringView titel;
    bool operator==(const TMeldung&) const = default;
};
