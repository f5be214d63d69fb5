#pragma once

#include "core/daten.h"
#include "core/erweiterung.h"
#include "costing/einheiten.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What each ingredient says of its units and how each recipe line was entered, kept in
// the extension block. A line without an entry was entered in its ingredient's unit; the
// line's quantity in the first sections is always the entered amount converted to that
// unit, so that every reader of them costs it right.

// An amount as the user entered it: "250 g".
struct TEingabe {
    double menge = 0;
    QString einheit;
    bool operator==(const TEingabe&) const = default;
};

class TEinheitenDaten : public TAbschnitt {
public:
    static const TAbschnittArt& art();

    // The facts of ingredient nr; empty when it has none.
    const TEinheitFakten& fakten(uint32_t zutat) const;
    void setzeFakten(uint32_t zutat, const TEinheitFakten& f);
    // The entry of line `zeile` of recipe `rezept`, if it has one.
    std::optional<TEingabe> eingabe(uint32_t rezept, uint32_t zeile) const;
    void setzeEingabe(uint32_t rezept, uint32_t zeile, const std::optional<TEingabe>& e);
    // Replaces the entries of a recipe, one per line.
    void setzeEingaben(uint32_t rezept, const std::vector<std::optional<TEingabe>>& e);
    bool hatEingaben(uint32_t rezept) const;

    bool leer() const override;
    void schreibe(TByteSchreiber& s) const override;
    void lese(TByteLeser& l) override;
    void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const override;
    void zutatEntfernt(uint32_t nr) override;
    void rezeptEntfernt(uint32_t nr) override;
    void rezeptKopiert(uint32_t von, uint32_t nach) override;
    void datensaetzeGeleert() override;

private:
    static constexpr uint32_t ohne = UINT32_MAX;
    // The unit is an index into `texte`, so that "g" in 100 000 lines is one text.
    struct TRoh {
        double menge = 0;
        uint32_t einheit = ohne;
    };
    uint32_t textIndex(const QString& t);

    std::vector<TEinheitFakten> faktenListe; // by ingredient position
    std::vector<std::vector<TRoh>> eingaben; // by recipe position, then line
    std::vector<QString> texte;
    QHash<QString, uint32_t> index;
};

// Read access that makes no section.
const TEinheitFakten& FaktenVon(const TDaten& d, uint32_t zutat);
std::optional<TEingabe> EingabeVon(const TDaten& d, uint32_t rezept, uint32_t zeile);
// The line as it was entered: its entry, or its quantity in its ingredient's unit.
TEingabe WieEingegeben(const TDaten& d, uint32_t rezept, uint32_t zeile);
