#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Number texts of the program. All use the decimal separator of the current default
// QLocale and never a thousands separator; negative values begin with "-".

// Fixed with `stellen` decimals. A value exactly halfway (on its exact binary value)
// is rounded away from zero; beyond 15 integer digits the general format is used.
QString ZahlFest(double wert, int stellen);

// General format: at most 15 significant digits, no trailing zeros, no separator for
// whole numbers; scientific ("1,5E-7", "1E20") beyond 15 integer digits or below
// 0.00001 in magnitude.
QString ZahlAllgemein(double wert);

// Reads a number: blanks around it allowed, the locale's decimal separator, an optional
// sign and exponent, no thousands separator. Texts that are no finite number give nothing.
std::optional<double> LiesZahl(QStringView text);

// The value of a numeric text, or `ersatz` when it does not read as a number.
inline double ZahlOder(QStringView text, double ersatz = 0.0) {
    return LiesZahl(text).value_or(ersatz);
}

// A whole decimal number as the hidden "Nr" cells hold it; nothing for any other text.
std::optional<int> LiesGanzzahl(QStringView text);

// Rounds to `stellen` decimals as ZahlFest does, so that the number equals its text.
double Gerundet(double wert, int stellen);
