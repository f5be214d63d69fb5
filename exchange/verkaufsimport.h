#pragma once

#include "core/daten.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Import of sales from a till's CSV export, in two steps so that a dialog can show the
// outcome before anything changes: PruefeVerkaeufe reads the file against the data and
// changes nothing; ErfasseVerkaeufe then records all sums or only those of the sound
// lines, each exactly as ErfasseVerkauf would.
//
// The file: a header naming the columns "Datum", "Artikel"/"Name"/"Rezept" and
// "Menge"/"Anzahl"/"Portionen" in any order; ";", tab or "," as separator, whichever the
// header uses most; fields as RFC 4180 has them; UTF-8 or Windows-1252. The counts of one
// recipe on one day are added up and recorded as one sale.

struct TVerkaufsFehler {
    qint64 zeile = 0; // where the record starts, from 1
    QString grund;
};

// One sale to record: the sum of the sound lines of a recipe on a day.
struct TVerkaufsSumme {
    uint32_t rezept = 0; // position in daten.rezepte
    QDate tag;
    int32_t portionen = 0;
};

struct TVerkaufsPruefung {
    qint64 gelesen = 0;                 // data lines, those in error and with count 0 included
    QList<TVerkaufsFehler> fehler;      // in line order, at most one per line
    std::vector<TVerkaufsSumme> summen; // in the order of their first sound line
    qsizetype tage = 0;                 // distinct days of summen
    qsizetype rezepte = 0;              // distinct recipes of summen

    bool fehlerfrei() const { return fehler.isEmpty(); }
    // Whether ErfasseVerkaeufe would record: no errors, or leaving them out is allowed.
    bool erfassbar(bool ohneFehlerhafte) const { return fehlerfrei() || ohneFehlerhafte; }
};

// Checks the bytes against the recipes and sales of `daten`, which stay unchanged.
// Throws TFehler when the file as a whole is unusable: empty, or its header lacks one
// of the three columns (the text names what is missing). Faults of single lines are
// listed in the result.
TVerkaufsPruefung PruefeVerkaeufe(const TDaten& daten, QByteArrayView bytes);
// The same for a file; throws TNichtGeoeffnet when it cannot be opened.
TVerkaufsPruefung PruefeVerkaufsdatei(const TDaten& daten, const QString& pfad);

// Records p.summen. With errors in p and without `ohneFehlerhafte` it throws TFehler and
// records nothing; so it does when the sums no longer fit the data (a recipe gone, a
// day's count beyond the 32-bit range). Returns the number of sales recorded.
qsizetype ErfasseVerkaeufe(TDaten& daten, const TVerkaufsPruefung& p, bool ohneFehlerhafte);

// "Gelesen: N Zeilen, erfasst: M Verkäufe an T Tagen für R Rezepte, ausgelassen: S
// Zeilen." for what recording with or without `ohneFehlerhafte` does.
QString Zusammenfassung(const TVerkaufsPruefung& p, bool ohneFehlerhafte);

// "Zeile N: grund" for the first `hoechstens` errors, then "… und K weitere".
QStringList Fehlerzeilen(const TVerkaufsPruefung& p, qsizetype hoechstens = 50);
