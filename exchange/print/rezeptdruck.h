#pragma once

#include "costing/mengen.h"
#include "costing/rezeptform.h"
#include "exchange/print/druckauftrag.h"

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>

// The two sheets of the recipe dialog and the amount dialog, from what the dialog shows
// at the moment, confirmed or not: a table of its ingredient lines, every column
// included, headed by the name field and today's date.

// The extra lines of the calculation sheet: the seven figures with 2 decimals and the
// quantity field in general format, with empty lines around them.
QStringList KalkulationsZeilen(const TProMengeneinheit& preise, const QString& menge);
// The extra lines of the recipe sheet: the actual gross price and the quantity.
QStringList RezeptZeilen(const TProMengeneinheit& preise, const QString& menge);

// "Kalkulation drucken".
void DruckeKalkulation(QPagedPaintDevice& drucker, const TRezeptForm& form,
                       const TAuftragsname& benenne = {});
void DruckeKalkulation(QPagedPaintDevice& drucker, const TCalcAmountsForm& form,
                       const TAuftragsname& benenne = {});
// "Rezept drucken".
void DruckeRezept(QPagedPaintDevice& drucker, const TRezeptForm& form,
                  const TAuftragsname& benenne = {});
void DruckeRezept(QPagedPaintDevice& drucker, const TCalcAmountsForm& form,
                  const TAuftragsname& benenne = {});
