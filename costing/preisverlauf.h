#pragma once

#include "core/daten.h"
#include "core/erweiterung.h"
#include "costing/zutatkatalog.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Every change of an ingredient's purchase price, quantity, unit or supplier, per
// ingredient and oldest first; kept in the extension block of the data file.

enum class TPreisquelle : uint8_t { eingabe = 0, csvImport = 1, preisliste = 2, bestand = 3 };
// "Eingabe", "CSV-Import", "Preisliste", "Bestand".
QString QuellenText(TPreisquelle q);
std::optional<TPreisquelle> QuelleAusText(QStringView text);

// One entry; supplier and unit are indices into the section's text table, so that a
// supplier named in thousands of entries is stored once.
struct TPreiseintrag {
    int32_t datum = 0; // JJJJMMTT
    uint32_t einheit = 0;
    uint32_t lieferant = 0;
    TPreisquelle quelle = TPreisquelle::eingabe;
    double preis = 0;
    double menge = 0;
};

// An entry with its texts, as the views and the exchange formats see it.
struct TPreisstand {
    QDate datum;
    double preis = 0;
    double menge = 0;
    QString einheit;
    QString lieferant;
    TPreisquelle quelle = TPreisquelle::eingabe;
};

class TPreisverlauf : public TAbschnitt {
public:
    static const TAbschnittArt& art();

    // The entries of ingredient nr; empty when it has none.
    const std::vector<TPreiseintrag>& eintraege(uint32_t nr) const;
    std::vector<TPreisstand> staende(uint32_t nr) const;
    TPreisstand stand(const TPreiseintrag& e) const;
    bool hatVerlauf(uint32_t nr) const { return !eintraege(nr).empty(); }
    void anhaengen(uint32_t nr, const TPreisstand& s);
    // Replaces the entries of nr, e.g. from an exchange format.
    void setze(uint32_t nr, const std::vector<TPreisstand>& s);
    const QString& text(uint32_t index) const { return texte[index]; }

    bool leer() const override;
    void schreibe(TByteSchreiber& s) const override;
    void lese(TByteLeser& l) override;
    void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const override;
    void zutatEntfernt(uint32_t nr) override;
    void rezeptEntfernt(uint32_t) override {}
    void rezeptKopiert(uint32_t, uint32_t) override {}
    void datensaetzeGeleert() override;

private:
    uint32_t textIndex(const QString& t);

    std::vector<std::vector<TPreiseintrag>> verlauf; // by ingredient position
    std::vector<QString> texte;
    QHash<QString, uint32_t> index; // made on first use after reading
};

// Records a new ingredient at position nr with its current values.
void MerkeNeueZutat(TDaten& d, uint32_t nr, TPreisquelle quelle);
// Records a change from `vorher` to the ingredient's current values when price,
// quantity, unit or supplier differ; an ingredient without entries first gets one of
// `vorher` with the source "Bestand". Both dated today (TUhr).
void MerkeAenderung(TDaten& d, uint32_t nr, const TZutatWerte& vorher, TPreisquelle quelle);
// Whether the values that the history follows differ.
bool PreiswerteGeaendert(const TZutatWerte& a, const TZutatWerte& b);

// The ingredient dialog's two operations with their history entries ("Eingabe").
TZutat& ZutatAnlegen(TDaten& d, const TZutatWerte& werte);
bool ZutatAendern(TDaten& d, int nr, const TZutatWerte& werte);

// The entry in force at the end of day `tag`: the last of those dated on or before it
// (in list order for the same day); null when there is none.
const TPreiseintrag* StandAm(const std::vector<TPreiseintrag>& e, QDate tag);
// JJJJMMTT of a date and back; an invalid JJJJMMTT gives an invalid date.
int32_t DatumZahl(QDate d);
QDate DatumAusZahl(int32_t z);
