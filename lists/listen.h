#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QDate>
#include <QStringList>

// The three main lists and the items of the two group filters, built from the data
// alone. Rows come in array order; ordering them is the caller's next step.
struct TListen {
    TListe zutaten;
    TListe rezepte;
    TListe verkaeufe;
    QStringList filter; // items of both group filters
};

// Filter positions: 0 all, 1 product groups, 2 service groups, 3.. the single group
// position - 3.
constexpr int FilterAlle = 0;
constexpr int FilterProdukte = 1;
constexpr int FilterDienstleistungen = 2;
constexpr int FilterAnzahl = 3 + TGruppenTabelle::anzahl;

bool PasstFilter(int filter, int32_t gruppe);

TListe ZutatenListe(const TDaten& d);
TListe RezeptListe(const TDaten& d, int filter);
// The sums of the sales day's day, month and year for every recipe passing the filter.
TListe VerkaufsListe(const TDaten& d, int filter, QDate tag);
QStringList FilterEintraege(const TDaten& d);

TListen ListRezepte(const TDaten& d, int rezeptFilter, int verkaufsFilter, QDate verkaufstag);
