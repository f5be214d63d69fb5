#pragma once

#include "app/cli/befehle.h"
#include "lists/sortierung.h"

#include <QDate>

// The options that choose and order a main list: filter, tag and sortspalte (the switch
// is "umgekehrt"). Shared by "liste" and "drucken".
QStringList ListenOptionen();

struct TListenWahl {
    TListenArt art = TListenArt::zutaten;
    int filter = 0;
    QDate tag;
    int32_t sortspalte = 0;
    bool sortdir = false;
};

// The list "zutaten", "rezepte" or "verkaeufe"; any other name is wrong usage.
TListenArt ListenArt(const QString& name);
// The settings from the options, with the main window's defaults: all groups, today,
// the first column.
TListenWahl ListenWahl(const TArgumente& a, TListenArt art);
// The list built from the data and ordered.
TListe Liste(const TDaten& daten, const TListenWahl& w);
