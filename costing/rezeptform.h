#pragma once

#include "core/gruppen.h"
#include "core/liste.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// The seven fields of the box "Pro Mengeneinheit", each a number text with 4 decimals.
struct TProMengeneinheit {
    QString einkaufspreis;   // "Einkaufspreis:"
    QString deckungsbeitrag; // "Deckungsbeitrag:"
    QString wequote;         // "Wareneinsatz-Quote:"
    QString kalkBrutto;      // "Kalkulierter VK-Preis brutto:"
    QString kalkNetto;       // "Kalkulierter VK-Preis netto:"
    QString tatsBrutto;      // "Tatsächlicher VK-Preis brutto:", the only input
    QString tatsNetto;       // "Tatsächlicher VK-Preis netto:"

    // The labels, top to bottom, matching felder().
    static constexpr std::array<QStringView, 7> beschriftungen = {u"Einkaufspreis:",
                                                                  u"Deckungsbeitrag:",
                                                                  u"Wareneinsatz-Quote:",
                                                                  u"Kalkulierter VK-Preis brutto:",
                                                                  u"Kalkulierter VK-Preis netto:",
                                                                  u"Tatsächlicher VK-Preis brutto:",
                                                                  u"Tatsächlicher VK-Preis netto:"};
    std::array<const QString*, 7> felder() const {
        return {&einkaufspreis, &deckungsbeitrag, &wequote,  &kalkBrutto,
                &kalkNetto,     &tatsBrutto,      &tatsNetto};
    }
    std::array<QString*, 7> felder() {
        return {&einkaufspreis, &deckungsbeitrag, &wequote,  &kalkBrutto,
                &kalkNetto,     &tatsBrutto,      &tatsNetto};
    }
    bool operator==(const TProMengeneinheit&) const = default;
};

// The recipe dialog without its window: every field as the text it shows, the group
// list with its selected position and the line list. The dialog maps its widgets one
// to one onto these members and calls the handlers below on every change of the yield,
// the actual gross price or the group, exactly as it would with the widgets alone.
// The figures are computed from what is shown, not from the records, so they may
// differ slightly from the stored-data prices.
class TRezeptForm {
public:
    static constexpr QStringView mengeBeschriftung = u"Rezept gilt für diese Menge:";

    // Columns of the line list. "Nr" and "Gewichtsverlust" are hidden and carry the
    // line's stored values; "Menge" and "Einheit" hold the amount as entered; name and
    // price are only shown.
    enum Spalte {
        spalteName,
        spalteMenge,
        spalteEinheit,
        spaltePreis,
        spalteNr,
        spalteGewichtsverlust
    };

    QString name;                 // "Name:"
    QString menge;                // the yield, 4 decimals
    QStringList gruppenliste;     // "Gruppe:": group names 0 to 39, so a position is a group index
    int gruppe = -1;              // selected position, -1: none
    QString beschreibung;         // "Beschreibung:", lines separated by CR LF
    bool zutatenrezeptur = false; // "Als Zutat verwenden (Zwischenrezept)"
    QString einheit;              // "Einheit:" of the yield, required for a sub-recipe
    QStringList verwendetIn;      // "Verwendet in:", the recipes using it
    int rezeptNr = -1;            // the stored recipe shown, -1 for a new one or a copy
    QString bilddatei;            // "Bilddatei:" as shown
    TProMengeneinheit preise;
    QString bedarfsmenge;   // "Bedarfsmenge:", 3 decimals; kept from one use to the next
    TListe zutaten;         // the line list
    int zeilenauswahl = -1; // selected line, -1: none

    // Rates of the selected group are read from here at every run; null: none.
    const TGruppenTabelle* gruppentabelle = nullptr;

    // Empty fields and line list with its columns; "Bedarfsmenge:" starts at 1.
    TRezeptForm();

    // "Tatsächlicher VK-Preis brutto:" changed: writes the actual net price, unless the
    // VAT is -100, then runs BerechnePreis.
    void RxSpinEdit2Change();
    // The yield and the group selection do the same.
    void RxSpinEdit1Change() { RxSpinEdit2Change(); }
    void ComboBox1Change() { RxSpinEdit2Change(); }
    // Recomputes purchase price, margin, ratio and the calculated prices from the shown
    // line prices and fields.
    void BerechnePreis();

    // VAT and target ratio of the selected group; 0 with nothing selected.
    double mwst() const;
    double we() const;
    // The line list without rows, with its six columns.
    void leereZeilen();
};

// A numeric field's value: its text read as a number, 0 when it does not read as one.
double Feldwert(QStringView text);
