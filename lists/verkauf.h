#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QDate>

#include <cstdint>
#include <optional>

// The range of the portions field of a sale.
inline constexpr int32_t MinPortionen = 1;
inline constexpr int32_t MaxPortionen = 100000000;

// The portions a text names: a whole number in the range (written as the locale reads
// numbers, so "12" and "12,0"), or nothing, also for "0", "-3", "2,5" and "".
std::optional<int32_t> LiesPortionen(QStringView text);
// Why a text was refused, with the range.
QString PortionenUngueltig();

// Records `portionen` sold portions of recipe r on `tag`, valued with today's prices:
// merged into the recipe's record of that day, or appended as a new one. Throws TFehler
// and changes nothing when the portions are outside their range or the day's total
// would no longer fit its field.
void ErfasseVerkauf(TDaten& d, TRezept& r, QDate tag, int32_t portionen);

// What one portion of r brings (net price) and costs (cost of goods) at today's prices
// and rates. It stays the same while only sales change, so an import values it once.
struct TPortionsWert {
    double netto = 0;
    double wareneinsatz = 0;
};
TPortionsWert PortionsWert(const TDaten& d, const TRezept& r);

// The bookkeeping of ErfasseVerkauf without its checks and its search: merges into the
// record at `position` of r.verkaeufe, which the caller found as the first of that day,
// or appends a record for `tag` when `position` is -1. The caller has checked what
// ErfasseVerkauf checks; w is PortionsWert(d, r).
void BucheVerkauf(TDaten& d, TRezept& r, int32_t position, QDate tag, int32_t portionen,
                  const TPortionsWert& w);

// The rows of the sales list dialog in stored order, so that a row's position is the
// record's position in r.verkaeufe.
TListe Verkaufsliste(const TRezept& r);

// Deletes the sales record at a row position of the dialog; throws TFehler when there
// is none.
void LoescheVerkauf(TRezept& r, qsizetype position);
