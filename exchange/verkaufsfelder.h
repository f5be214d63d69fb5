#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// The fields of a till's sales export. Blanks around a field are ignored.

// A calendar day as a sales record stores it.
struct TVerkaufstag {
    uint16_t jahr = 0;
    uint16_t monat = 0;
    uint16_t tag = 0;

    // One number per day, ordered like the days.
    uint32_t schluessel() const { return uint32_t(jahr) << 9 | uint32_t(monat) << 5 | tag; }
    friend bool operator==(const TVerkaufstag&, const TVerkaufstag&) = default;
};

// "TT.MM.JJJJ", "TT.MM.JJ" (2000 to 2099) or "JJJJ-MM-TT", day and month with one or two
// digits, optionally followed by a time after blanks or "T" ("12:30", "12:30:15.250",
// also with "Z" or an offset such as "+02:00"), which is ignored. Nothing for any other
// text and for a day the calendar does not have.
std::optional<TVerkaufstag> LiesVerkaufstag(QStringView text);

// A count of portions: decimal digits only, leading zeros allowed, no sign, no
// separators. Values above `grenze` read as grenze + 1, so that they stay comparable
// without overflowing.
enum class TAnzahlArt { ok, fehlt, negativ, ungueltig };
struct TAnzahl {
    TAnzahlArt art = TAnzahlArt::ungueltig;
    int64_t wert = 0;
};
TAnzahl LiesAnzahl(QStringView text, int64_t grenze);
