#pragma once

#include "core/liste.h"
#include "costing/rezeptform.h"

#include <QString>

// The amount dialog without its window: what a required amount of units needs and
// costs, from what the recipe dialog shows.
class TCalcAmountsForm {
public:
    enum Spalte { spalteName, spalteMenge, spalteEinheit, spaltePreis };

    QString name;             // "Name:"
    QString menge;            // "Menge:", the amount with 4 decimals
    TProMengeneinheit preise; // the seven figures for that amount
    TListe zutaten;           // "Name", "Menge", "Einheit", "Preis"

    TCalcAmountsForm();
};

// "Bedarfsmenge:" as the field reads it: 3 decimals, 1 to 10000000000, a text that does
// not read as a number counts as 1. The field's text is rewritten with the value.
double LiesBedarfsmenge(QString& feld);

// The amount dialog for `menge` units: figures times the amount (the ratio unchanged),
// line quantities and prices times amount ÷ yield, each 0 when that fails.
TCalcAmountsForm MengenFuer(const TRezeptForm& form, double menge);

// "Megen berechnen": reads and rewrites "Bedarfsmenge:", then scales.
TCalcAmountsForm MengenBerechnen(TRezeptForm& form);
