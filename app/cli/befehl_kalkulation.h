#pragma once

#include "app/cli/befehle.h"
#include "costing/rezeptform.h"

class TDaten;

// The recipe that --rezept NR names, as the recipe dialog shows it. A missing or
// malformed number is wrong usage (checked by RezeptArgument before anything is read);
// a number that names no recipe of the data is an error.
struct TRezeptArgument {
    QString text;
    qint64 nr = -1; // -1 for a number beyond every range
};
TRezeptArgument RezeptArgument(const TArgumente& a);
// Fills the recipe dialog from recipe `r` of the data.
void FuelleRezeptDialog(TRezeptForm& form, const TDaten& daten, const TRezeptArgument& r);
