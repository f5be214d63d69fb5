#pragma once

#include "lists/auswertung.h"

// The evaluation computed the direct way: for every row and month one walk over all
// recipes and their sales. Slow; kept as the reference that BerechneAuswertung must
// match to the last bit.
std::optional<TAuswertungsWerte> BerechneAuswertungNaiv(const TDaten& d, const TAuswertungsWahl& w);
