#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

// Units the program knows and the conversion between a unit and an ingredient's unit.
// Mass, volume and pieces convert within their family by fixed factors; between the
// families and from an ingredient's own unit ("Karton", "Bund") only through what the
// ingredient says of itself. Nothing is ever assumed.

enum class TFamilie : uint8_t { stueck = 0, masse = 1, volumen = 2 };

struct TBekannteEinheit {
    QStringView name; // how the program writes it: "g", "EL", "Stück"
    TFamilie familie;
    // 1 of it is zaehler ÷ nenner of the family's base unit (g, ml, Stück); both whole,
    // so that the factor carries no rounding of its own.
    double zaehler;
    double nenner;
};

// The known unit a text names, compared without case, blanks around and a final dot
// ("KG.", " Gramm "); null for any other text.
const TBekannteEinheit* BekannteEinheit(QStringView text);
// The names of the known units, in the order the unit boxes offer them.
QStringList BekannteEinheiten();
// Whether two unit texts name the same unit: the same known unit, or the same other
// text compared as above.
bool GleicheEinheit(QStringView a, QStringView b);

// What one of an ingredient's own unit holds: 1 Karton = 6 l.
struct TInhalt {
    double menge = 0;
    QString einheit; // a known unit
    bool operator==(const TInhalt&) const = default;
};

// What an ingredient says of itself; each fact is optional.
struct TEinheitFakten {
    std::optional<double> stueckgewicht; // g
    std::optional<double> dichte;        // g/ml
    std::optional<TInhalt> inhalt;       // of 1 of its own unit
    bool leer() const { return !stueckgewicht && !dichte && !inhalt; }
    bool operator==(const TEinheitFakten&) const = default;
};

// The fact that a conversion lacks.
enum class TFehlendeAngabe : uint8_t { keine, stueckgewicht, dichte, inhalt, fremdeEinheit };

// A conversion factor as a quotient, so that an amount is multiplied and divided once
// each: menge × zaehler ÷ nenner.
struct TUmrechnung {
    double zaehler = 1;
    double nenner = 1;
    double menge(double a) const { return a * zaehler / nenner; }
};

struct TUmrechnungsweg {
    std::optional<TUmrechnung> umrechnung;
    TFehlendeAngabe fehlt = TFehlendeAngabe::keine;
};

// How an amount in unit `von` becomes an amount in the ingredient's unit `nach`, through
// any chain of the ingredient's facts.
TUmrechnungsweg Umrechnung(QStringView von, QStringView nach, const TEinheitFakten& f);

// "Für Butter fehlt die Dichte (g/ml)." and its kin, for a failed conversion.
QString FehltText(const QString& zutat, TFehlendeAngabe fehlt, QStringView von, QStringView nach);

// The units an ingredient's line may be entered in: its own unit first, then every known
// unit that converts to it.
QStringList Einheitenwahl(QStringView zutatEinheit, const TEinheitFakten& f);

// Why facts cannot belong to an ingredient of this unit, or nothing: a value that is not
// above 0, a content for a known unit, a content in a unit the program does not know.
std::optional<QString> PruefeFakten(QStringView zutatEinheit, const TEinheitFakten& f);
