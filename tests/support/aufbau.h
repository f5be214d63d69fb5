#pragma once

#include "core/daten.h"

#include <QString>

// Short ways to fill data in tests.
TZutat& NeueZutat(TDaten& d, const QString& name, double preis, double menge,
                  const QString& einheit = QStringLiteral("kg"), const QString& lieferant = {},
                  const QString& zgruppe = {}, const QString& preisproeinheit = {});
TRezept& NeuesRezept(TDaten& d, const QString& name, double menge = 1, double vkbrutto = 0,
                     int gruppe = 0);
TRezeptZutat& NeueZeile(TRezept& r, int zutatnr, double menge, double gewichtsverlust = 0);
TVerkauf& NeuerVerkauf(TRezept& r, int jahr, int monat, int tag, int menge, double netto,
                       double brutto, double wareneinsatz, double wequote, double db);

// The one-ingredient, one-recipe example whose file is 0x836 bytes long.
void BaueBeispiel(TDaten& d);
