#pragma once

#include "core/daten.h"
#include "costing/rezeptform.h"

#include <QString>
#include <QStringView>

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

// The rows of a stored recipe: name and unit of the ingredient, the quantity and the
// weight loss in general format, the stored-data line price with 2 decimals and the
// ingredient's position. A line whose ingredient does not exist shows an empty name
// and unit and the price 0.
void ZeilenAusRezept(TListe& zeilen, const TDaten& daten, const TRezept& rezept);
// The lines the rows stand for, as ZeilenInRezept would store them.
std::vector<TRezeptZutat> ZeilenAusListe(const TListe& zeilen);
// Appends the lines of the rows to the recipe's line array, top to bottom. A cell that
// does not read as a number leaves its field 0.
void ZeilenInRezept(TRezept& rezept, const TListe& zeilen);

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
