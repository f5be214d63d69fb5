#pragma once

#include <QByteArray>

#include "core/daten.h"

#include <QDate>

// Realistic generated data for benchmarks and tests, the same for the same seed.
struct TUmfang {
    int zutaten = 100000;
    int rezepte = 10000;
    int zeilenProRezept = 10;
    int verkaufstageProRezept = 100;
    QDate ersterVerkaufstag = QDate(2023, 1, 1);
    unsigned seed = 4711;
};

// The large file of the benchmarks: 100 000 ingredients, 10 000 recipes with 10 lines and
// 100 sales days each (about 60 MB).
inline TUmfang GrosseKueche() {
    return {};
}
// A typical kitchen: 1 000 ingredients, 200 recipes, a year of daily sales.
inline TUmfang TypischeKueche() {
    return {1000, 200, 8, 365, QDate(2023, 1, 1), 815};
}

// Appends generated ingredients and recipes to d.
void ErzeugeDaten(TDaten& d, const TUmfang& umfang);

// The data file of GrosseKueche(), made once per process with the German locale.
const QByteArray& GrosseDateiBytes();

// Makes the first `anzahl` recipes sub-recipes in `ebenen` levels of equal size: each
// recipe of a level uses two of the level below in place of two of its lines (the first
// level only bought ingredients), and every other recipe two sub-recipes of any level.
// Prices are recomputed afterwards.
void MacheZwischenrezepte(TDaten& d, int anzahl = 1000, int ebenen = 4, unsigned seed = 17);
// The large file with 1 000 of its recipes as sub-recipes in 4 levels.
const QByteArray& GrosseDateiMitZwischenrezeptenBytes();
// Every line of d entered in another unit of its ingredient's family (kg as g, g as kg,
// l as ml, Stk as Stück), its quantity the converted entry.
void GibInAnderenEinheitenEin(TDaten& d);
// The file of GrosseDateiBytes() with every line entered so.
const QByteArray& GrosseDateiMitEinheitenBytes();
