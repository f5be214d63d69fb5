#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

// Menu engineering: which dishes earn their place on the menu, from the recorded sales.

enum class TMenueKlasse { star, arbeitspferd, raetsel, ladenhueter };
// "Star", "Arbeitspferd", "Rätsel", "Ladenhüter".
QString MenueKlassenText(TMenueKlasse k);

struct TMenueWahl {
    QDate start; // sales days from start to ende, both included; none when start > ende
    QDate ende;
    int filter = 0; // as the recipe filter of the main lists
};

struct TMenuePosten {
    uint32_t nr = 0; // position in the recipes
    QString name;
    QString gruppe;          // the group's name
    qint64 portionen = 0;    // sum of the days' portions
    double anteil = 0;       // 100 × portionen ÷ all portions
    double dbProPortion = 0; // dbGesamt ÷ portionen, 0 without portions
    double dbGesamt = 0;     // sum of the days' stored contribution margins
    bool beliebt = false;    // share at least 70 % of an even share
    bool rentabel = false;   // DB per portion at least the average
    TMenueKlasse klasse = TMenueKlasse::ladenhueter;
};

struct TMenueAnalyse {
    // Every recipe passing the filter, sold or not: by class, then by dbGesamt (largest
    // first), then in recipe order.
    std::vector<TMenuePosten> posten;
    qint64 portionen = 0;      // all portions of the listed recipes
    double dbGesamt = 0;       // their total contribution margin
    double schwelleAnteil = 0; // 70 % of 100 ÷ n, in percent
    double schwelleDb = 0;     // average DB per portion: dbGesamt ÷ portionen, 0 without
};

TMenueAnalyse Menueanalyse(const TDaten& d, const TMenueWahl& w);

// "Name", "Gruppe", "Portionen", "Anteil (%)", "DB pro Portion", "DB gesamt", "Klasse".
TListe MenueListe(const TMenueAnalyse& a);
