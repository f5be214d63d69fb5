#pragma once

#include "core/daten.h"

#include <optional>

// Price figures of a recipe from the stored data, all per unit of its yield, in double
// precision. Every quotient whose divisor is zero or whose result is not finite fails:
// a failing line is left out of a sum, a failing figure is 0.

// A quotient, or nothing when the divisor is zero or the result is not finite.
std::optional<double> Quotient(double zaehler, double nenner);

// P × q ÷ M ÷ ((100 − g) ÷ 100): the cost of one line for the whole recipe.
std::optional<double> Zeilenpreis(double preis, double einkaufsmenge, double menge,
                                  double gewichtsverlust);
// The line price of a stored line; nothing when its ingredient does not exist.
std::optional<double> Zeilenpreis(const TDaten& d, const TRezeptZutat& zeile);

struct TRezeptPreise {
    double ek = 0;         // purchase price per unit
    double kalkNetto = 0;  // calculated net price
    double kalkBrutto = 0; // calculated gross price
    double tatsNetto = 0;  // actual net price
    double tatsBrutto = 0; // vkbrutto as stored
    double db = 0;         // contribution margin
    double wequote = 0;    // cost-of-goods ratio in percent
};

// The sum over the lines of P × q ÷ M ÷ Y ÷ ((100 − g) ÷ 100).
double EK(const TDaten& d, const TRezept& r);
TRezeptPreise RezeptPreise(const TDaten& d, const TRezept& r);
// B × 100 ÷ (v + 100), 0 when v is −100.
double TatsNetto(double vkbrutto, double mwst);

// Cost of goods of one unit without weight loss: the sum of P × q ÷ M ÷ Y. Sales and the
// recomputed evaluation value portions with it.
double WareneinsatzProPortion(const TDaten& d, const TRezept& r);
