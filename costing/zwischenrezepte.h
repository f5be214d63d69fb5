#pragma once

#include "core/daten.h"
#include "core/erweiterung.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Recipes made to be used in others (stocks, sauces, doughs). Such a recipe stands in the
// catalogue as one ingredient that the program keeps equal to it: a reader of the first
// three sections of the file prices every dish exactly from the ingredient alone. Which
// ingredient belongs to which recipe, and the recipe's yield unit, live in a section of
// the extension block; TRezept::zutatenrezeptur mirrors the mark in memory.

inline constexpr QStringView EigeneHerstellung = u"Eigene Herstellung";
inline constexpr QStringView ZwischenrezeptGruppe = u"Zwischenrezepte";

struct TZwischenrezept {
    uint32_t rezept = 0;
    uint32_t zutat = 0; // keineZutat until one is appended
    QString einheit;    // the yield unit
    bool operator==(const TZwischenrezept&) const = default;
};

class TZwischenrezepte : public TAbschnitt {
public:
    static constexpr uint32_t keineZutat = UINT32_MAX;
    static const TAbschnittArt& art();

    // Ordered by recipe.
    const std::vector<TZwischenrezept>& liste() const { return eintraege; }
    const TZwischenrezept* vonRezept(uint32_t rezept) const;
    const TZwischenrezept* vonZutat(uint32_t zutat) const;
    // Adds or replaces the entry of e.rezept.
    void setze(const TZwischenrezept& e);
    void entferne(uint32_t rezept);

    // Ingredient → recipe as an exchange form names them, until its check after reading
    // sets the entries from them; never written.
    std::vector<std::pair<uint32_t, uint32_t>> genannt;

    bool leer() const override { return eintraege.empty(); }
    void schreibe(TByteSchreiber& s) const override;
    void lese(TByteLeser& l) override;
    void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const override;
    void zutatEntfernt(uint32_t nr) override;
    void rezeptEntfernt(uint32_t nr) override;
    void rezeptKopiert(uint32_t von, uint32_t nach) override;
    void datensaetzeGeleert() override;
    void gelesen(TDaten& daten) const override;

private:
    void neuerIndex();
    std::vector<TZwischenrezept> eintraege;
    // Entry by ingredient position, -1 for none. Rebuilt on every change, so that readers
    // on several threads never build it.
    std::vector<int32_t> zutatIndex;
};

// The section of the data, or null while it holds nothing.
const TZwischenrezepte* Zwischenrezepte(const TDaten& d);
// The recipe an ingredient stands for, and back.
std::optional<uint32_t> RezeptVonZutat(const TDaten& d, uint32_t zutat);
std::optional<uint32_t> ZutatVonRezept(const TDaten& d, uint32_t rezept);
bool IstZwischenrezept(const TDaten& d, uint32_t rezept);
QString ZwischenrezeptEinheit(const TDaten& d, uint32_t rezept);

// The one place that sets a sub-recipe's ingredient from its recipe: name, supplier
// "Eigene Herstellung", group "Zwischenrezepte", unit, quantity = yield, price and the
// price per unit as the ingredient dialog writes it. True when anything changed.
bool SetzeZwischenrezeptZutat(TDaten& d, const TZwischenrezept& e, double preis);

// The sub-recipes in an order in which each comes after every sub-recipe its lines use
// (leaves first). A line closing a cycle is left out of the order's dependencies.
std::vector<const TZwischenrezept*> Blattfolge(const TDaten& d);

// The purchase price of every sub-recipe's ingredient from the prices in `preis` (by
// ingredient position; the others as given), leaves first: the sum of the stored-data
// line prices, i.e. EK × yield. A line closing a cycle counts 0.
// With `menge` the purchase quantities are taken from there too (a day's prices).
void RechneZwischenpreise(const TDaten& d, std::vector<double>& preis,
                          const std::vector<double>* menge = nullptr);
// By sub-recipe entry (index into liste()): whether its lines reach, at any depth, an
// ingredient for which `gewaehlt` is true.
std::vector<bool> ErreichtGewaehlte(const TDaten& d, const std::vector<bool>& gewaehlt);

// After every change: appends the ingredient of a marked recipe that has none, mirrors
// the mark into the records and sets every sub-recipe ingredient from its recipe with
// the prices recomputed leaves first. True when the data changed.
bool Nachrechnen(TDaten& d);

// Why recipe nr cannot take `einheit` as its yield unit: a line using it would lose its
// conversion. Nothing when it can.
std::optional<QString> ZwischenrezeptEinheitFehler(const TDaten& d, uint32_t rezept,
                                                   const QString& einheit);

// Marks or unmarks recipe nr. A new unit of a marked one converts the lines using it. Marking
// appends its ingredient (or sets the unit of the one it has); unmarking removes it, the later
// ingredients moving up. Throws TFehler with ZwischenrezeptBenutztText when an unmarked recipe's
// ingredient is used.
void SetzeZwischenrezept(TDaten& d, uint32_t rezept, bool an, const QString& einheit);

// The recipes whose lines name the sub-recipe's ingredient, each once; empty when it is
// no sub-recipe or unused.
QStringList ZwischenrezeptNutzer(const TDaten& d, uint32_t rezept);
// "Das Rezept Teig wird als Zutat verwendet und kann nicht gelöscht werden. Verwendet
// in: A, B." (or "... nicht mehr als Zwischenrezept abgewählt werden ..."); empty when
// nothing uses it.
QString ZwischenrezeptBenutztText(const TDaten& d, uint32_t rezept, bool loeschen);

// The path by which recipe `rezept` would contain itself when one of its lines named
// ingredient `zutat`: the recipe positions from `rezept` back to it; empty when none.
std::vector<uint32_t> ZyklusDurch(const TDaten& d, uint32_t rezept, uint32_t zutat);
// "Rezept A enthält über Rezept B sich selbst: A → B → A." ("Rezept A enthält sich
// selbst: A → A." for its own ingredient).
QString ZyklusText(const TDaten& d, const std::vector<uint32_t>& weg);
// A cycle among the stored recipes (each position once, the first again at the end);
// empty when there is none.
std::vector<uint32_t> ErsterZyklus(const TDaten& d);
