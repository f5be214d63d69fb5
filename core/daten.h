#pragma once

#include "core/dynaarray.h"
#include "core/erweiterung.h"
#include "core/gruppen.h"
#include "core/records.h"

#include <QString>

// All data of a running program: the ingredient catalogue, the recipes with their
// lines and sales days, the group table, the open document and the sort states.
// The main window holds one and delegates to it; the command-line tool works on one
// directly.
class TDaten {
public:
    QString progpath;
    TDynaArray rezepte; // of TRezept
    TRezept* arezept = nullptr;
    TRezeptZutat* azutat = nullptr; // cursor of every recipe's zutaten
    TVerkauf* averkauf = nullptr;   // cursor of every recipe's verkaeufe
    QString maincap;
    QString afilename;
    bool first = false;
    int32_t sortspalte3 = 0;
    int32_t sortspalte2 = 0;
    int32_t sortspalte = 0;
    bool sortdir3 = false;
    bool sortdir2 = false;
    bool sortdir = false;
    TDynaArray zutats; // of TZutat
    TZutat* azutats = nullptr;
    TGruppenTabelle gruppen;
    TErweiterung erweiterung; // every capability beyond the first three sections

    TDaten();
    ~TDaten();
    TDaten(const TDaten&) = delete;
    TDaten& operator=(const TDaten&) = delete;

    // Releases the texts of the current ingredient (azutats); the record stays.
    void FreeAZutats();
    // Releases the texts and both arrays of the current recipe (arezept); the record stays.
    void FreeARezept();
    void FreeZutats();
    void FreeRezepte();
    // Removes all ingredients and recipes for a new document; the group table and the
    // master data of the extension stay.
    void Leeren();

    // Appends a zero-filled recipe with its two empty arrays; arezept points at it.
    TRezept* NeuesRezept();
    // Empty line and sales arrays for a recipe, with this owner's cursor variables.
    TDynaArray* NeueZeilen();
    TDynaArray* NeueVerkaeufe();

    QString GetGruppe(int nr) const { return gruppen.GetGruppe(nr); }
    void SetGruppe(int nr, const QString& nam) { gruppen.SetGruppe(nr, nam); }
    double GetGruppeMwst(int nr) const { return gruppen.GetGruppeMwst(nr); }
    void SetGruppeMwst(int nr, double mwst) { gruppen.SetGruppeMwst(nr, mwst); }
    double GetGruppeWE(int nr) const { return gruppen.GetGruppeWE(nr); }
    void SetGruppeWE(int nr, double we) { gruppen.SetGruppeWE(nr, we); }

    // Cursor-free access for readers.
    uint32_t anzahlZutaten() const { return zutats.count; }
    uint32_t anzahlRezepte() const { return rezepte.count; }
    TZutat& zutat(uint32_t i) const { return *zutats.at<TZutat>(i); }
    TRezept& rezept(uint32_t i) const { return *rezepte.at<TRezept>(i); }
    // The ingredient a line names, or null when its number is outside the catalogue.
    TZutat* zutatVon(const TRezeptZutat& zeile) const {
        return zeile.zutatnr >= 0 && uint32_t(zeile.zutatnr) < zutats.count
                   ? zutats.at<TZutat>(uint32_t(zeile.zutatnr))
                   : nullptr;
    }
};

// Releases what one record owns, without a cursor.
void FreeZutatInhalt(TZutat& z);
void FreeRezeptInhalt(TRezept& r);
