#pragma once

#include "core/daten.h"
#include "exchange/verkaufsimport.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// A supplier's price list applied to the catalogue, in two steps as the till import:
// PruefePreisliste reads the file against the data and changes nothing;
// WendePreislisteAn then changes all matching ingredients or only those of sound lines.
//
// The file is read as a till export is (header naming the columns in any order,
// separator, quotes, encodings): the name column "Name", "Artikel" or "Bezeichnung", the
// price column "Preis" or "EK", optionally "Menge", "Einheit" and "Lieferant". An empty
// cell of an optional column counts as not given.

struct TPreisUebernahme {
    qint64 zeile = 0;
    uint32_t zutat = 0;
    double preis = 0;
    std::optional<double> menge;
    std::optional<QString> einheit;
    bool aendert = false; // price, quantity or unit differ from the catalogue's
};

struct TPreislistenPruefung {
    qint64 gelesen = 0;                   // data lines, those in error included
    QList<TVerkaufsFehler> fehler;        // in line order, at most one per line
    std::vector<TPreisUebernahme> zeilen; // the sound lines, in file order
    qsizetype geaendert = 0;              // of zeilen, those that change their ingredient
    qsizetype unveraendert = 0;

    bool fehlerfrei() const { return fehler.isEmpty(); }
    bool anwendbar(bool ohneFehlerhafte) const { return fehlerfrei() || ohneFehlerhafte; }
};

// `lieferant` is the supplier for lines without a supplier cell; empty: any supplier
// when the name is unique. Throws TFehler when the file as a whole is unusable.
TPreislistenPruefung PruefePreisliste(const TDaten& daten, QByteArrayView bytes,
                                      const QString& lieferant);
// The same for a file; throws TNichtGeoeffnet when it cannot be opened.
TPreislistenPruefung PruefePreislistendatei(const TDaten& daten, const QString& pfad,
                                            const QString& lieferant);

// Changes the ingredients of p.zeilen, each with a history entry "Preisliste". With
// errors in p and without `ohneFehlerhafte` it throws TFehler and changes nothing; so it
// does when the catalogue no longer fits. Returns the number of ingredients changed.
qsizetype WendePreislisteAn(TDaten& daten, const TPreislistenPruefung& p, bool ohneFehlerhafte);

// "Gelesen: N Zeilen, geändert: M Zutaten, unverändert: U, ausgelassen: S Zeilen."
QString Zusammenfassung(const TPreislistenPruefung& p, bool ohneFehlerhafte);
// "Zeile N: grund" for the first `hoechstens` errors, then "… und K weitere".
QStringList Fehlerzeilen(const TPreislistenPruefung& p, qsizetype hoechstens = 50);
