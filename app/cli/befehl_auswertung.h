#pragma once

#include "app/cli/befehle.h"
#include "lists/auswertung.h"

// The value options that choose the evaluation: start, ende, kennzahl (the switch is
// "simulation"). Shared by "auswertung" and "diagramm".
QStringList AuswertungsOptionen();

// The settings from --start, --ende, --kennzahl and --simulation, with the defaults of
// the evaluation tab: 1 January of this year to today, key figure 0, stored values.
// A date outside 1900-01-01 ... 2199-12-31 is wrong usage.
TAuswertungsWahl AuswertungsWahl(const TArgumente& a);

// The table; a start after the end is an error, there being nothing to show.
TListe AuswertungsTabelle(const TDaten& daten, const TAuswertungsWahl& w);
