#pragma once

#include "core/daten.h"
#include "core/liste.h"
#include "costing/preisaenderung.h"

// What a simulated change of purchase prices does to the recipes passing the filter
// (positions as in the main lists): "Name", "Gruppe", "EK vorher", "EK nachher",
// "WE-Quote vorher (%)", "WE-Quote nachher (%)", "Soll (%)", "DB vorher", "DB nachher",
// "Kalk. VK brutto nachher", "Status". Only recipes whose EK changes, every recipe with
// `alle`; the largest rise of the ratio first, equal rises in recipe order.
TListe Preisaenderungsliste(const TDaten& d, const TPreisaenderung& a, int filter,
                            bool alle = false);
