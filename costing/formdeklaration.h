#pragma once

#include "costing/deklaration.h"
#include "costing/rezeptform.h"

#include <QString>

// The declaration of what the recipe dialog shows, before it is stored.
struct TFormKennzeichnung {
    QString deklariert; // the written form without its undeclared part
    // "ungeklärt: L, Zusatzstoffe (nicht deklariert bei: Reis, Apfelsaft)"; empty when
    // everything is declared.
    QString ungeklaert;
};
TFormKennzeichnung FormKennzeichnung(const TDaten& d, const TRezeptForm& form);
