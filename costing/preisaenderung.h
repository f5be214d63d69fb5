#pragma once

#include "core/daten.h"

#include <QString>

#include <cstdint>
#include <vector>

// A simulated change of purchase prices and what it does to the recipes. The data is
// never touched: a changed price is worked out where a sum needs it.

enum class TPreisAuswahl {
    alle,         // every ingredient
    zutat,        // the one at position `zutat`
    lieferant,    // every ingredient of a supplier
    zutatengruppe // every ingredient of an ingredient group
};

struct TPreisaenderung {
    double prozent = 0; // the price becomes preis × ((100 + prozent) ÷ 100)
    TPreisAuswahl auswahl = TPreisAuswahl::alle;
    uint32_t zutat = 0;
    QString text; // supplier or group; compared exactly, blanks around it trimmed
};

bool Betrifft(const TPreisaenderung& a, const TZutat& z, uint32_t nr);
// Which ingredients the change applies to, by position.
std::vector<bool> GewaehlteZutaten(const TDaten& d, const TPreisaenderung& a);
// The purchase price after the change: preis × ((100 + prozent) ÷ 100).
double GeaenderterPreis(const TPreisaenderung& a, double preis);

// The purchase price of every ingredient after the change, by position: the chosen ones
// changed, every sub-recipe that reaches one recomputed from its lines leaves first, all
// others as stored (bit for bit).
std::vector<double> PreiseNachher(const TDaten& d, const TPreisaenderung& a,
                                  const std::vector<bool>& gewaehlt);

// The EK of a recipe with the chosen ingredients at their changed price, through its
// sub-recipes; with none chosen it equals EK() bit for bit.
double EKNachher(const TDaten& d, const TRezept& r, const TPreisaenderung& a,
                 const std::vector<bool>& gewaehlt);

enum class TSollStatus { keinSoll, ueberSoll, bleibtUeberSoll, imSoll };
// "kein Soll", "über Soll", "bleibt über Soll", "im Soll".
QString SollStatusText(TSollStatus s);

// A recipe's figures before and after the change, per unit.
struct TPreisfolgen {
    double ekVorher = 0, ekNachher = 0;
    double quoteVorher = 0, quoteNachher = 0; // WE-Quote in percent
    double soll = 0;                          // the group's target ratio
    double dbVorher = 0, dbNachher = 0;
    double kalkBruttoNachher = 0;
    TSollStatus status = TSollStatus::imSoll;
    double anstieg() const { return quoteNachher - quoteVorher; }
    bool ekAendertSich() const { return ekVorher != ekNachher; }
};

// `mwst` and `we` are the rates of the recipe's group.
TPreisfolgen Preisfolgen(double ekVorher, double ekNachher, double vkbrutto, double mwst,
                         double we);
// Before: the stored prices; after: the chosen ingredients changed. `mwst` and `we` are
// the rates of the recipe's group.
TPreisfolgen Preisfolgen(const TDaten& d, const TRezept& r, const TPreisaenderung& a,
                         const std::vector<bool>& gewaehlt, double mwst, double we);
// The same with the prices after the change worked out once (PreiseNachher), for a list.
TPreisfolgen Preisfolgen(const TDaten& d, const TRezept& r, const std::vector<double>& nachher,
                         double mwst, double we);
