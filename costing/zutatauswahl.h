#pragma once

#include "core/daten.h"
#include "core/liste.h"
#include "costing/meldungen.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The ingredient picker without its window. The recipe dialog fills it, lets the list
// be ordered, selects a row and sets the two numeric fields; after OK it reads the
// selected row's cells and the two field values.
class TZutatAuswaehlenForm {
public:
    enum Spalte { spalteName, spalteGruppe, spaltePreis, spalteMenge, spalteEinheit, spalteNr };

    QString name;            // "Name:", greyed
    QString menge;           // "Menge:", 10 decimals: the quantity the line uses
    QString gewichtsverlust; // "Gewichtsverlust in %:", 2 decimals
    QString einkaufspreis;   // "Einkaufspreis:", greyed: the row's "Preis" cell
    QString einkaufsmenge;   // "Einkaufsmenge:", greyed: the row's "Menge" cell
    TListe liste;            // one row per ingredient
    int auswahl = -1;        // selected row, -1: none
    // Sort state of the list, kept between uses: column and direction (false: the
    // first direction). Every filling is followed by ordering the list with it.
    int32_t sortspalte = 0;
    bool sortdir = false;

    TZutatAuswaehlenForm();

    // Selection changed: shows the selected row's name, price and quantity cells, or
    // empties the three fields when no row is selected.
    void ListView1Change();
    // "OK": the message to show when the input is refused, nothing when the picker
    // closes with OK.
    std::optional<TMeldung> BitBtn1Click() const;

    // Selects the row whose "Nr" cell equals nr, or none, and updates the greyed fields.
    void waehleNr(QStringView nr);
    // Sets the two numeric fields as the program does.
    void setzeMenge(double wert);
    void setzeGewichtsverlust(double wert);
    // The cell of the selected row, empty without a selection.
    QString gewaehlt(Spalte spalte) const;
};

// The picker's rows in catalogue order: name, ingredient group, price and purchase
// quantity with 4 decimals, unit and the position in the catalogue.
TListe PickerZeilen(const TDaten& daten);
// Replaces all rows and clears the selection; the sort state stays. The list is then
// ordered by sortspalte and sortdir before anything is selected.
void FuellePicker(TZutatAuswaehlenForm& picker, const TDaten& daten);
