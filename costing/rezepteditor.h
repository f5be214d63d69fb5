#pragma once

#include "core/daten.h"
#include "costing/einheitendaten.h"
#include "costing/rezeptform.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The data side of the recipe dialog: a recipe into the dialog state and the dialog
// state back into the data. While the dialog is open only the state changes.

// Fills the dialog for a new recipe: empty texts, yield 1, actual gross price 0, the
// group list with position 0 selected, no lines; then runs the price handler.
// "Bedarfsmenge:" keeps its text.
void FuelleNeuesRezept(TRezeptForm& form, const TDaten& daten);
// Fills the dialog from a stored recipe, the line prices from the catalogue, then
// runs the price handler. "Bedarfsmenge:" keeps its text.
void FuelleAusRezept(TRezeptForm& form, const TDaten& daten, const TRezept& rezept);

// The rows of a stored recipe: the ingredient's name, the amount and unit as entered
// (the quantity in the ingredient's unit for a line without an entry), the weight loss
// in general format, the stored-data line price with 2 decimals and the ingredient's
// position. A line whose ingredient does not exist shows an empty name and unit and the
// price 0.
void ZeilenAusRezept(TListe& zeilen, const TDaten& daten, const TRezept& rezept);
// The lines the rows stand for, as ZeilenInRezept stores them: each amount converted from
// the row's unit to its ingredient's (a row without a unit is in its ingredient's), the
// amount as entered appended to `eingaben` where given. A cell that does not read as a
// number leaves its field 0. Throws TFehler naming the missing fact when a row's unit does
// not convert.
std::vector<TRezeptZutat> ZeilenAusListe(const TDaten& daten, const TListe& zeilen,
                                         std::vector<std::optional<TEingabe>>* eingaben = nullptr);
// Sets the lines of recipe nr from the rows, top to bottom, with their entered amounts.
// Throws as ZeilenAusListe before anything changes.
void ZeilenInRezept(TDaten& daten, uint32_t nr, const TListe& zeilen);
// The position of a recipe record of daten, or nothing when it is none of them.
std::optional<uint32_t> RezeptNr(const TDaten& daten, const TRezept& rezept);

// Why OK must not take the dialog's content: a sub-recipe without a unit, or a used one
// unmarked. Empty when it may.
QString RezeptFormFehler(const TDaten& daten, const TRezeptForm& form);

// OK for a new recipe (and a copy): appends a recipe set from the dialog, without sales.
TRezept& RezeptAnhaengen(TDaten& daten, const TRezeptForm& form);
// OK for a changed recipe: replaces texts, numbers and lines of the recipe at position
// nr; its sales stay. False when there is no such recipe. Both set the recipe's mark
// as a sub-recipe from the dialog; unmarking a used one throws TFehler before anything
// changed.
bool RezeptErsetzen(TDaten& daten, int nr, const TRezeptForm& form);

// The picture path as "Bilddatei:" shows it: in double quotes when it holds a blank.
QString BilddateiAnzeige(QStringView pfad);
// The path that "Bilddatei:" names: an existing file's path unchanged, otherwise the
// text's first argument as a command line splits it (blanks outside double quotes
// separate, the quotes are dropped).
QString BilddateiPfad(QStringView feld);
