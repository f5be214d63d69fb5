#pragma once

#include "core/daten.h"
#include "core/erweiterung.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

// Allergens and additives as a menu must declare them: the 14 groups of the EU list
// with their codes, the kinds of cereal and nut that must be named, the numbered
// additive classes, and what each ingredient declares.

constexpr int AllergenGruppen = 14;
constexpr uint16_t AlleGruppen = (1u << AllergenGruppen) - 1;
// Bit positions of the kinds: 0–5 the cereals of "gluten", 6–13 the nuts of
// "schalenfruechte".
constexpr int ArtenAnzahl = 14;
constexpr int GruppeGluten = 0;
constexpr int GruppeSchalenfruechte = 7;
// The additive classes are numbered from 1; their set is a 64-bit word.
constexpr int HoechsteZusatzstoffe = 64;

enum class TAllergenZustand : uint8_t { ungeklaert = 0, enthaelt = 1, spuren = 2, frei = 3 };

// "enthält", "Spuren", "frei", "ungeklärt".
QString ZustandsText(TAllergenZustand z);

// The fixed key of a group ("gluten", "krebstiere", ...), its default code and text.
struct TAllergenVorgabe {
    QStringView schluessel;
    QStringView code;
    QStringView text;
};
const std::array<TAllergenVorgabe, AllergenGruppen>& AllergenVorgaben();
// The group of a key, or -1.
int AllergenGruppe(QStringView schluessel);

// A kind's name ("Weizen", "Mandeln", ...) and the group it belongs to.
QStringView ArtName(int art);
int ArtGruppe(int art);
// The mask of the kinds of one group (0 for a group without kinds).
uint16_t ArtenVon(int gruppe);

struct TZusatzstoffKlasse {
    QString code;
    QString text;
    bool operator==(const TZusatzstoffKlasse&) const = default;
};

// The codes and texts a kitchen declares with: master data, kept with the group table.
struct TKennzeichnungsTabelle {
    std::array<QString, AllergenGruppen> codes;
    std::array<QString, AllergenGruppen> texte;
    std::vector<TZusatzstoffKlasse> zusatzstoffe; // class nr is position + 1

    // The defaults: codes A–R, classes 1–15 with their menu texts.
    static TKennzeichnungsTabelle vorgabe();

    // Throws TFehler when a code is empty, holds "," or ";", or is used twice across
    // both tables, or when there are more than 64 classes.
    void pruefe() const;
    const QString& zusatzCode(int nr) const { return zusatzstoffe[size_t(nr - 1)].code; }
    bool operator==(const TKennzeichnungsTabelle&) const = default;
};

// What one ingredient declares. A group in none of the three masks is "ungeklärt", as
// is every group of an ingredient nobody has declared.
struct TZutatDeklaration {
    uint16_t enthaelt = 0;
    uint16_t spuren = 0;
    uint16_t frei = 0;
    uint16_t arten = 0;        // kinds, only of groups it contains
    uint64_t zusatzstoffe = 0; // bit nr − 1 for class nr
    bool zusatzstoffeGeprueft = false;
    int32_t datum = 0; // Julian day of the last change, 0: never declared

    TAllergenZustand zustand(int gruppe) const;
    void setze(int gruppe, TAllergenZustand z); // drops the group's kinds unless "enthält"
    bool hatZusatzstoff(int nr) const { return (zusatzstoffe >> (nr - 1)) & 1u; }
    void setzeZusatzstoff(int nr, bool an);
    QDate deklariertAm() const { return datum ? QDate::fromJulianDay(datum) : QDate(); }
    // Nothing declared: every group undeclared, nothing checked, never changed.
    bool leer() const { return *this == TZutatDeklaration{}; }
    bool operator==(const TZutatDeklaration&) const = default;
};

// The section of the data file holding the tables and every ingredient's declaration.
class TKennzeichnungAbschnitt : public TAbschnitt {
public:
    static const TAbschnittArt& art();

    TKennzeichnungsTabelle tabelle = TKennzeichnungsTabelle::vorgabe();

    // The declaration of ingredient nr; an empty one when it has none.
    const TZutatDeklaration& deklaration(uint32_t nr) const {
        return nr < zutaten.size() ? zutaten[nr] : keine;
    }
    void setze(uint32_t nr, const TZutatDeklaration& d);
    // Adds a class with the next number after checking the codes; returns its number.
    int neueKlasse(const TZusatzstoffKlasse& k);

    bool leer() const override;
    void schreibe(TByteSchreiber& s) const override;
    void lese(TByteLeser& l) override;
    void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const override;
    void zutatEntfernt(uint32_t nr) override;
    void rezeptEntfernt(uint32_t) override {}
    void rezeptKopiert(uint32_t, uint32_t) override {}
    void datensaetzeGeleert() override { zutaten.clear(); }

private:
    static const TZutatDeklaration keine;
    std::vector<TZutatDeklaration> zutaten; // by position; may end before the catalogue
};

inline TKennzeichnungAbschnitt& Kennzeichnung(TDaten& d) {
    return d.erweiterung.abschnitt<TKennzeichnungAbschnitt>();
}
// For readers: the section without creating it, or defaults when the data has none.
const TKennzeichnungAbschnitt& Kennzeichnung(const TDaten& d);
