#pragma once

#include "costing/allergene.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The declaration of a dish, rolled up from what its ingredients declare. One rule for
// every view: a group is "enthält" when any ingredient contains it, else "Spuren" when
// any has traces, else "ungeklärt" when any has not declared it, else "frei". Kinds and
// additive classes are unions; the additives are undeclared while any ingredient's are
// unchecked. A line naming no ingredient is an ingredient that declares nothing, and a
// dish without lines has nothing declared.

// One ingredient reached from a dish.
struct TFund {
    int32_t zutatnr = -1;                 // outside the catalogue: the line names none
    const TZutatDeklaration* deklaration; // never null; empty when nothing is declared
    const QStringList* pfad;              // sub-recipes passed, outermost first
};

// The seam through which lines reach ingredients: the recipe an ingredient stands for,
// if it stands for one. Without one every line is an ingredient of the dish itself;
// with one the walk descends through every level and passes the path.
using TUnterrezeptAufloesung = std::function<std::optional<uint32_t>(const TDaten&, uint32_t)>;
void SetzeUnterrezeptAufloesung(TUnterrezeptAufloesung f);
// Whether the ingredient stands for a recipe: its declaration is computed, never its own.
bool StehtFuerRezept(const TDaten& d, uint32_t zutat);

// Calls `besuch` for every ingredient the lines reach. A recipe reached again inside
// itself is reported as an undeclared ingredient instead of being walked forever.
void BesucheZutaten(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                    const std::function<void(const TFund&)>& besuch);

struct TDeklaration {
    uint16_t enthaelt = 0;   // groups contained
    uint16_t spuren = 0;     // groups with traces, none of them contained
    uint16_t ungeklaert = 0; // groups neither contained nor with traces, not declared by all
    uint16_t arten = 0;
    uint64_t zusatzstoffe = 0;
    bool zusatzstoffeUngeklaert = false;

    TAllergenZustand zustand(int gruppe) const;
    bool vollstaendig() const { return !ungeklaert && !zusatzstoffeUngeklaert; }
    bool operator==(const TDeklaration&) const = default;
};

// An ingredient named in the written record, with the sub-recipes it was reached
// through and the day its declaration last changed.
struct TUrsache {
    int32_t zutatnr = -1;
    QString name; // empty for a line naming no ingredient
    QStringList pfad;
    QDate deklariertAm;
    // "Butter (über Mürbeteig)"; "(ohne Zutat)" for a line naming none.
    QString text() const;
    bool operator==(const TUrsache&) const = default;
};

// Which ingredients cause each part of a declaration.
struct TNachweis {
    // Per group: the ingredients with the dish's state of that group (none for "frei").
    std::array<std::vector<TUrsache>, AllergenGruppen> gruppen;
    // Per class present, in class order: its number and the ingredients having it.
    std::vector<std::pair<int, std::vector<TUrsache>>> zusatzstoffe;
    // The ingredients whose additives are not checked.
    std::vector<TUrsache> ungepruefteZusatzstoffe;
};

// The rule, over a dish's lines (also lines not yet stored, as a dialog shows them).
// With `nachweis` it also records the ingredients responsible, each once.
TDeklaration Deklaration(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                         TNachweis* nachweis = nullptr);
TDeklaration Deklaration(const TDaten& d, const TRezept& r, TNachweis* nachweis = nullptr);

// The written form: the contained groups' codes with their kinds ("A (Weizen, Gerste),
// C, G"), the additive codes ("2, 10"), "Spuren: E, H" and "ungeklärt: L,
// Zusatzstoffe", the parts present joined by "; ".
struct TKennzeichnungsTeile {
    QString allergene;
    QString zusatzstoffe;
    QString spuren;
    QString ungeklaert;
    QString text() const;
};
TKennzeichnungsTeile KennzeichnungsTeile(const TDeklaration& d, const TKennzeichnungsTabelle& t);
QString KennzeichnungsText(const TDeklaration& d, const TKennzeichnungsTabelle& t);

// The legend of a set of declarations: every code they use (groups contained, with
// traces or undeclared, then the additive classes), in table order, with its text.
struct TLegendenEintrag {
    QString code;
    QString text;
    bool operator==(const TLegendenEintrag&) const = default;
};
std::vector<TLegendenEintrag> Legende(std::span<const TDeklaration> dekl,
                                      const TKennzeichnungsTabelle& t);
