#pragma once

#include "lists/listen.h"
#include "lists/sortierung.h"

#include <QDate>
#include <QStringList>

#include <cstdint>

// A list ordered by a column, with the keys that order it again without collation.
struct TGeordneteListe {
    TListe liste;
    TSortSchluessel schluessel;
};

// The column a list is ordered by and the direction, as the clicks on its titles left them.
struct TSortStand {
    int32_t spalte = 0;
    bool richtung = false;
};

struct TGeordneteListen {
    TGeordneteListe zutaten;
    TGeordneteListe rezepte;
    TGeordneteListe verkaeufe;
    QStringList filter; // items of both group filters
};

// The three main lists built and each ordered, as ListRezepte and TSortSchluessel::sortiere
// make them one after the other. The ingredient list, by far the longest, is built and
// ordered on a second core meanwhile; the data is only read.
TGeordneteListen GeordneteListen(const TDaten& d, int rezeptFilter, int verkaufsFilter,
                                 QDate verkaufstag, TSortStand zutaten, TSortStand rezepte,
                                 TSortStand verkaeufe);
