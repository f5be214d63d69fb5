#pragma once

#include "core/daten.h"
#include "costing/meldungen.h"

#include <QString>
#include <QStringList>

#include <optional>

// The data side of the ingredient dialog: what it holds when confirmed.
struct TZutatWerte {
    QString name;
    QString lieferant;
    QString zgruppe;
    QString einheit;
    double menge = 1; // purchase quantity
    double preis = 0; // price paid for that quantity
    bool operator==(const TZutatWerte&) const = default;
};

// The values of a stored ingredient, to fill the dialog for a change.
TZutatWerte ZutatWerte(const TZutat& z);

// preis ÷ menge in general format; "0" when menge is 0.
QString PreisProEinheit(double preis, double menge);

// Appends an ingredient set from the values; preisproeinheit is derived.
TZutat& ZutatHinzufuegen(TDaten& daten, const TZutatWerte& werte);
// Replaces texts and numbers of the ingredient at position nr, which keeps its place
// and so every line that uses it. False when there is no such ingredient.
bool ZutatErsetzen(TDaten& daten, int nr, const TZutatWerte& werte);

// Deleting an ingredient, in two steps around the question to the user.
enum class TZutatLoeschen {
    moeglich, // ask Meldung::ZutatLoeschenFrage, then call LoescheZutat
    benutzt,  // show Meldung::ZutatBenutzt titled Meldung::TitelLoeschen
    fehlt,    // no ingredient at that position
    rezept,   // a sub-recipe's ingredient: it goes with its recipe
};
// The message to show for an outcome other than moeglich.
std::optional<TMeldung> ZutatLoeschenMeldung(TZutatLoeschen ergebnis);
// Whether the ingredient at nr may go: not while any line of any recipe uses it, nor
// while it stands for a recipe.
TZutatLoeschen PruefeZutatLoeschen(const TDaten& daten, int nr);
// The names of the recipes that use ingredient nr, each once, in the recipes' order.
QStringList RezepteMitZutat(const TDaten& daten, int nr);
// The text of the refusal: for a used ingredient the message with the recipes that use
// it ("Verwendet in: A, B." — at most ten names, then "und N weitere"), else the text of
// ZutatLoeschenMeldung; for a sub-recipe's ingredient "Diese Zutat gehört zum Rezept
// Teig. Sie wird mit ihm gelöscht oder wenn es nicht mehr als Zutat verwendet wird.".
QString ZutatLoeschenText(const TDaten& daten, int nr, TZutatLoeschen ergebnis);
// Tests again and, when allowed, removes the ingredient with its texts; every line
// naming a later ingredient is renumbered so that it still names the same one.
TZutatLoeschen LoescheZutat(TDaten& daten, int nr);
// Removes the ingredient without asking, renumbering the lines as LoescheZutat does.
void EntferneZutat(TDaten& daten, int nr);

// The distinct suppliers, ingredient groups and units in catalogue order of first
// occurrence; equal means equal character by character.
struct TZutatAuswahllisten {
    QStringList lieferanten;
    QStringList gruppen;
    QStringList einheiten;
};
TZutatAuswahllisten VerschiedeneWerte(const TDaten& daten);
