#pragma once

#include "app/cli/argumente.h"

#include <QString>

#include <cstdint>
#include <optional>

class TDaten;

// Options shared by the costing insight commands.

// The text of --rezept, a whole number; anything else is wrong usage.
QString RezeptNummerText(const TArgumente& a);
// The recipe that text names; a number outside the file is an error, worded as the
// "kalkulation" command words it.
uint32_t RezeptNummer(const TDaten& d, const QString& text);
// The same for --zutat and the ingredients.
QString ZutatNummerText(const TArgumente& a);
uint32_t ZutatNummer(const TDaten& d, const QString& text);

// --filter K, 0 to 42 as the main lists' filters; 0 when not given.
int FilterWahl(const TArgumente& a);

// A number written in the current locale; malformed is wrong usage.
std::optional<double> ZahlWahl(const TArgumente& a, const QString& name);
// The same within [min, max]; outside is wrong usage too.
std::optional<double> ZahlWahl(const TArgumente& a, const QString& name, double min, double max);

// --menge A of the production list: a number above 0; anything else is wrong usage.
double ProduktionsMenge(const TArgumente& a);
// "Produktionsliste: Tarte, 12 Stück" as the printout's title.
QString ProduktionsTitel(const TDaten& d, uint32_t rezept, double menge);
