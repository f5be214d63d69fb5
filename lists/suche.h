#pragma once

#include "core/liste.h"

#include <QString>

#include <optional>

// The search of "Suchen" (fromstart) and "Weitersuchen" in a list as shown: the first
// row, from row 0 or from the row after the selected one, in which the search text
// occurs in any cell, the hidden "Nr" included, with the letters a to z compared
// regardless of case. Nothing when the text is empty or no further row matches; the
// search does not wrap around.
std::optional<qsizetype> DurchsucheListView(const QString& suchtext, const TListe& liste,
                                            bool fromstart, std::optional<qsizetype> ausgewaehlt);
