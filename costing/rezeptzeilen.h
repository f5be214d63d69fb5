#pragma once

#include "costing/meldungen.h"
#include "costing/rezeptform.h"
#include "costing/zutatauswahl.h"

#include <QStringList>

#include <optional>

// Line operations of the recipe dialog. They change only the dialog state; the recipe
// is written on OK.

// The price of a line chosen in the picker: price and purchase quantity as its row
// shows them (4 decimals), quantity and weight loss from its fields. 0 when it cannot
// be computed or a cell does not read as a number.
double PickerZeilenpreis(const TZutatAuswaehlenForm& picker);
// The six cells of a line from the picker's selected row and fields.
QStringList ZeileAusPicker(const TZutatAuswaehlenForm& picker);

// "Neues Zutat...", before the picker is filled: quantity and weight loss 0.
void PickerFuerNeueZeile(TZutatAuswaehlenForm& picker);
// "Bearbeiten...", after the picker was filled and ordered: selects the row of the
// selected line's ingredient and sets quantity and weight loss from the line (a cell
// that does not read as a number leaves that field as it was). Without a selected line
// it returns the message to show and changes nothing.
std::optional<TMeldung> PickerFuerZeile(const TRezeptForm& form, TZutatAuswaehlenForm& picker);

// After OK in the picker: appends a line, or overwrites the selected one, and runs
// BerechnePreis. False (and nothing changed) without a picker row or selected line.
bool ZeileHinzufuegen(TRezeptForm& form, const TZutatAuswaehlenForm& picker);
bool ZeileAendern(TRezeptForm& form, const TZutatAuswaehlenForm& picker);

// The message for "Bearbeiten..." or "Löschen" without a selected line, if any.
std::optional<TMeldung> PruefeZeilenauswahl(const TRezeptForm& form);
// After the question was answered with Yes: removes the selected line and runs
// BerechnePreis. False without a selected line.
bool ZeileEntfernen(TRezeptForm& form);
// Swap the selected line with its neighbour; the selection moves with it. Nothing is
// recomputed. False when there is nothing to move.
bool ZeileHoch(TRezeptForm& form);
bool ZeileRunter(TRezeptForm& form);
