#pragma once

#include "core/daten.h"
#include "core/liste.h"
#include "costing/meldungen.h"

#include <QString>
#include <QStringList>
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
    QString einheit;         // the unit of "Menge:", one of `einheiten`
    QStringList einheiten;   // the units the selected ingredient converts from, its own first
    TListe liste;            // one row per ingredient
    int auswahl = -1;        // selected row, -1: none
    // Sort state of the list, kept between uses: column and direction (false: the
    // first direction). Every filling is followed by ordering the list with it.
    int32_t sortspalte = 0;
    bool sortdir = false;

    TZutatAuswaehlenForm();

    // Selection changed: shows the selected row's name, price and quantity cells, or
    // empties the three fields when no row is selected. The unit choice becomes that of
    // the selected ingredient; a chosen unit it also offers stays chosen.
    void ListView1Change();
    // "OK": the message to show when the input is refused, nothing when the picker
    // closes with OK.
    std::optional<TMeldung> BitBtn1Click() const;
    // After BitBtn1Click: why the quantity cannot be had in the ingredient's unit, if so.
    std::optional<QString> EinheitFehlt() const;
    // The quantity in the ingredient's unit; nothing without a selection or conversion.
    std::optional<double> mengeInZutateinheit() const;
    // The unit of "Menge:" for the selected row: the chosen one, or, when the row was
    // selected without ListView1Change, what that would have chosen.
    QString wirksameEinheit() const;

    // Selects the row whose "Nr" cell equals nr, or none, and updates the greyed fields.
    void waehleNr(QStringView nr);
    // Sets the two numeric fields as the program does.
    void setzeMenge(double wert);
    void setzeGewichtsverlust(double wert);
    // Chooses a unit; a text the ingredient does not offer is kept, so that OK names
    // what is missing.
    void setzeEinheit(const QString& e) { einheit = e; }
    // The cell of the selected row, empty without a selection.
    QString gewaehlt(Spalte spalte) const;

    // The data the rows come from, for the units; set by FuellePicker.
    const TDaten* daten = nullptr;

private:
    int einheitenNr = -1; // the ingredient `einheiten` belong to
};

// The picker's rows in catalogue order: name, ingredient group, price and purchase
// quantity with 4 decimals, unit and the position in the catalogue.
TListe PickerZeilen(const TDaten& daten);
// Replaces all rows and clears the selection; the sort state stays. The list is then
// ordered by sortspalte and sortdir before anything is selected.
void FuellePicker(TZutatAuswaehlenForm& picker, const TDaten& daten);
