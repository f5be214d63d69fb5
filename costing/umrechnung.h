#pragma once

#include "core/daten.h"
#include "costing/einheitendaten.h"
#include "costing/zutatkatalog.h"

#include <QString>
#include <QStringView>

#include <optional>

// Amounts entered in any unit that converts to their ingredient's unit, and what follows
// when an ingredient's unit or facts change.

// An amount in an ingredient's unit, or why it cannot be had ("Für Butter fehlt die
// Dichte (g/ml).").
struct TInZutateinheit {
    std::optional<double> menge;
    QString fehler;
};
TInZutateinheit InZutateinheit(const TDaten& d, uint32_t zutat, double menge, QStringView einheit);
// The same with facts other than the stored ones, e.g. those of an open dialog.
TInZutateinheit InZutateinheit(const QString& zutatName, QStringView zutatEinheit,
                               const TEinheitFakten& f, double menge, QStringView einheit);

// The units a line of ingredient nr may be entered in, its own first.
QStringList EinheitenFuer(const TDaten& d, uint32_t zutat);

// A message without its full stop, for TFehler, which adds one.
inline QString OhnePunkt(const QString& t) {
    return t.endsWith(QLatin1Char('.')) ? t.chopped(1) : t;
}

enum class TUmstellung { ausfuehren, nurPruefen };
// Ingredient `zutat` gets the unit `neueEinheit` and the facts `neueFakten`: every line
// that uses it is converted again from its entered amount (a line without an entry from
// its quantity in the old unit, which then becomes its entry). When a line would lose its
// conversion, or the facts do not fit the unit, nothing changes and the result names the
// recipes and the missing fact. With nurPruefen only the answer is given.
std::optional<QString> EinheitUmstellen(TDaten& d, uint32_t zutat, const QString& neueEinheit,
                                        const TEinheitFakten& neueFakten,
                                        TUmstellung art = TUmstellung::ausfuehren);
// The refusal EinheitUmstellen would give, for data that may not change.
std::optional<QString> EinheitUmstellbar(const TDaten& d, uint32_t zutat,
                                         const QString& neueEinheit,
                                         const TEinheitFakten& neueFakten);

// The ingredient dialog's two operations with units: the refusal, or nothing when done
// (the price history records the change as ZutatAnlegen and ZutatAendern do).
std::optional<QString> ZutatMitEinheitenAnlegen(TDaten& d, const TZutatWerte& werte,
                                                const TEinheitFakten& fakten);
std::optional<QString> ZutatMitEinheitenAendern(TDaten& d, int nr, const TZutatWerte& werte,
                                                const TEinheitFakten& fakten);
