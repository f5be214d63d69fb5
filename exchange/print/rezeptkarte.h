#pragma once

#include "costing/rezeptform.h"
#include "exchange/print/druckauftrag.h"

#include <QList>
#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>

class QFont;
class TDaten;
class QPaintDevice;

// The recipe card for the kitchen: what a cook needs to make the dish and nothing of
// its prices. Everything a card shows is gathered here from the recipe dialog's content,
// so a further line of the card (units as entered, a declaration of allergens) is added
// to this struct, to Rezeptkarte() and to one step of ZeichneRezeptkarte().
struct TRezeptkarte {
    struct TZeile {
        QString menge;   // general format, as the recipe dialog shows it
        QString einheit; // the ingredient's unit
        QString zutat;
    };
    QString name;
    QString bilddatei;    // drawn when the file reads as a picture
    QString portionen;    // the yield, general format
    QList<TZeile> zeilen; // in the recipe's order
    QString zubereitung;  // the description; its line breaks are kept
    // The allergen and additive codes in their written form, the undeclared part named;
    // empty for a card made without the catalogue.
    QString kennzeichnung;
};

// The card of what the recipe dialog holds, confirmed or not; with the catalogue of
// `daten`, its declaration too.
TRezeptkarte Rezeptkarte(const TRezeptForm& form, const TDaten* daten = nullptr);

// The lines of `text` wrapped at word boundaries to `breite` device pixels, a word wider
// than a line broken where it must; every line break of the text starts a new line and an
// empty paragraph stays an empty line. `geraet` gives the font's measures.
QStringList UmbrechenAnWorten(const QString& text, int breite, const QFont& schrift,
                              QPaintDevice* geraet);

// Draws the card from the top of the current page: name, picture, "Zutaten für N
// Portionen:" with one line per ingredient (quantity, unit, name), the declaration, then
// the preparation.
// What does not fit goes on further pages. The painter must be active on the device
// that `seiten` describes.
void ZeichneRezeptkarte(QPainter& p, const TSeiten& seiten, const TRezeptkarte& karte);

// Prints the cards, each beginning on a page of its own (A4 portrait from the window's
// printer or the command line's PDF); the job is named `name`. No card: one empty page.
void DruckeRezeptkarten(QPagedPaintDevice& drucker, const QString& name,
                        const QList<TRezeptkarte>& karten, const TAuftragsname& benenne = {});
