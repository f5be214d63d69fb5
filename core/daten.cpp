#include "core/daten.h"

#include "core/texte.h"

TDaten::TDaten()
    : rezepte(sizeof(TRezept), cursorvariable(arezept)),
      zutats(sizeof(TZutat), cursorvariable(azutats)) {}

TDaten::~TDaten() {
    FreeRezepte();
    FreeZutats();
}

void FreeZutatInhalt(TZutat& z) {
    FreeText(z.name);
    FreeText(z.lieferant);
    FreeText(z.zgruppe);
    FreeText(z.preisproeinheit);
    FreeText(z.einheit);
}

void FreeRezeptInhalt(TRezept& r) {
    FreeText(r.bilddatei);
    FreeText(r.name);
    FreeText(r.beschreibung);
    delete r.zutaten;
    delete r.verkaeufe;
}

void TDaten::FreeAZutats() {
    if (azutats)
        FreeZutatInhalt(*azutats);
}

namespace {
// True when the cursor points at a record of the array.
template <class T> bool zeigtIn(const T* cursor, const TDynaArray* a) {
    return cursor && a && a->count && cursor >= a->begin<T>() && cursor < a->end<T>();
}
} // namespace

void TDaten::FreeARezept() {
    if (!arezept)
        return;
    // The shared line and sales cursors must not point into arrays that are gone.
    if (zeigtIn(azutat, arezept->zutaten))
        azutat = nullptr;
    if (zeigtIn(averkauf, arezept->verkaeufe))
        averkauf = nullptr;
    FreeRezeptInhalt(*arezept);
}

void TDaten::FreeZutats() {
    zutats.First();
    while (zutats.WhileNext())
        FreeAZutats();
    zutats.Clear();
}

void TDaten::FreeRezepte() {
    rezepte.First();
    while (rezepte.WhileNext())
        FreeARezept();
    rezepte.Clear();
}

void TDaten::Leeren() {
    FreeRezepte();
    FreeZutats();
    erweiterung.datensaetzeGeleert();
}

TDynaArray* TDaten::NeueZeilen() {
    return new TDynaArray(sizeof(TRezeptZutat), cursorvariable(azutat));
}

TDynaArray* TDaten::NeueVerkaeufe() {
    return new TDynaArray(sizeof(TVerkauf), cursorvariable(averkauf));
}

TRezept* TDaten::NeuesRezept() {
    auto* r = static_cast<TRezept*>(rezepte.Add());
    r->zutaten = NeueZeilen();
    r->verkaeufe = NeueVerkaeufe();
    return r;
}
