#include "costing/rezeptkopie.h"

#include "costing/rezepteditor.h"
#include "costing/zwischenrezepte.h"

namespace {
bool gueltig(const TDaten& daten, int nr) {
    return nr >= 0 && uint32_t(nr) < daten.anzahlRezepte();
}
} // namespace

bool FuelleKopie(TRezeptForm& form, const TDaten& daten, int nr) {
    if (!gueltig(daten, nr))
        return false;
    FuelleAusRezept(form, daten, daten.rezept(uint32_t(nr)));
    form.name += QStringLiteral(" (Kopie)");
    form.rezeptNr = -1; // a new recipe, used by none
    form.verwendetIn.clear();
    return true;
}

bool RezeptLoeschen(TDaten& daten, int nr) {
    if (!gueltig(daten, nr) || !ZwischenrezeptNutzer(daten, uint32_t(nr)).isEmpty())
        return false;
    SetzeZwischenrezept(daten, uint32_t(nr), false, {}); // its ingredient goes first
    daten.rezepte.GetObject(uint32_t(nr));
    daten.FreeARezept();
    daten.rezepte.Delete(nr);
    daten.erweiterung.rezeptEntfernt(uint32_t(nr));
    return true;
}

void KopieAnhaengen(TDaten& daten, int von, const TRezeptForm& form) {
    const uint32_t nach = daten.anzahlRezepte();
    RezeptAnhaengen(daten, form);
    if (gueltig(daten, von))
        daten.erweiterung.rezeptKopiert(uint32_t(von), nach);
    // The dialog decides whether the copy is a sub-recipe, whatever the extension carried.
    SetzeZwischenrezept(daten, nach, form.zutatenrezeptur, form.einheit.trimmed());
}
