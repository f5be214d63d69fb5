#include "exchange/jsonzahlen.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

int JsonZahlText(double wert, char* ziel) {
    if (wert == 0 && std::signbit(wert)) {
        // "-0" reads back as the integer 0 in many JSON readers.
        std::memcpy(ziel, "-0.0", 4);
        return 4;
    }
    const auto ergebnis = std::to_chars(ziel, ziel + jsonZahlPlatz, wert);
    return int(ergebnis.ptr - ziel);
}

const char* JsonNichtEndlich(double wert) {
    if (std::isnan(wert))
        return "NaN";
    if (std::isinf(wert))
        return wert < 0 ? "-Infinity" : "Infinity";
    return nullptr;
}

TJsonZahl JsonGleitkomma(std::string_view text) {
    TJsonZahl z;
    const char* ende = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), ende, z.gleitkomma);
    if (ec != std::errc() || ptr != ende)
        z.art = TJsonZahl::Art::ausserhalb;
    return z;
}

TJsonZahl JsonGanzzahl(std::string_view text, int64_t min, int64_t max) {
    TJsonZahl z;
    if (text.find_first_of(".eE") != std::string_view::npos) {
        z.art = TJsonZahl::Art::keineGanzzahl;
        return z;
    }
    const char* ende = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), ende, z.ganz);
    if (ec != std::errc() || ptr != ende || z.ganz < min || z.ganz > max)
        z.art = TJsonZahl::Art::ausserhalb;
    return z;
}

std::optional<double> JsonNichtEndlichWert(std::string_view text) {
    if (text == "NaN")
        return std::numeric_limits<double>::quiet_NaN();
    if (text == "Infinity")
        return std::numeric_limits<double>::infinity();
    if (text == "-Infinity")
        return -std::numeric_limits<double>::infinity();
    return std::nullopt;
}
