#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Number texts of the JSON form: exact and independent of the locale.

// Room for the longest text JsonZahlText writes.
constexpr int jsonZahlPlatz = 32;

// The shortest text that reads back to the same double, "-0.0" for negative zero; for
// the values JSON has no number for, the strings "NaN", "Infinity", "-Infinity" (without
// quotes, see JsonNichtEndlich). Returns the length written to `ziel`.
int JsonZahlText(double wert, char* ziel);
// "NaN", "Infinity" or "-Infinity" for a non-finite value, else null.
const char* JsonNichtEndlich(double wert);

// Reading a JSON number's text into a field of the data file.
struct TJsonZahl {
    enum class Art { ok, keineGanzzahl, ausserhalb };
    Art art = Art::ok;
    double gleitkomma = 0;
    int64_t ganz = 0;
};
// The double of a number text; `ausserhalb` when it exceeds the double range or is so
// small that it would read as zero without being zero.
TJsonZahl JsonGleitkomma(std::string_view text);
// A whole number in [min, max]; `keineGanzzahl` for a fraction or exponent.
TJsonZahl JsonGanzzahl(std::string_view text, int64_t min, int64_t max);
// The special strings of the non-finite values.
std::optional<double> JsonNichtEndlichWert(std::string_view text);
