// An amount of one ingredient in any unit that converts to the ingredient's, and its cost.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/liste.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/umrechnung.h"
#include "exchange/csvexport.h"

namespace {

int umrechnen(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = ZutatNummerText(a);
    const auto menge = ZahlWahl(a, QStringLiteral("menge"));
    if (!menge)
        throw TNutzungsFehler(QStringLiteral("--menge fehlt"));
    const auto einheit = a.wert(QStringLiteral("einheit"));
    if (!einheit)
        throw TNutzungsFehler(QStringLiteral("--einheit fehlt"));
    TDaten daten;
    LadeDatei(daten, datei);
    const uint32_t zutat = ZutatNummer(daten, nr);
    const TInZutateinheit m = InZutateinheit(daten, zutat, *menge, *einheit);
    if (!m.menge)
        throw TFehler(OhnePunkt(m.fehler));
    const TZutat& z = daten.zutat(zutat);
    TListe l;
    l.setzeSpalten({{QStringLiteral("Menge"), 0},
                    {QStringLiteral("Einheit"), 0},
                    {QStringLiteral("Menge in Zutateneinheit"), 0},
                    {QStringLiteral("Zutateneinheit"), 0},
                    {QStringLiteral("Kosten"), 0}});
    l.zeilen.append({ZahlAllgemein(*menge), *einheit, ZahlAllgemein(*m.menge), Text(z.einheit),
                     ZahlFest(Zeilenpreis(z.preis, z.menge, *m.menge, 0).value_or(0), 4)});
    SchreibeAusgabe(CsvBytes(l, TBom::ohne), {});
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"umrechnen",
                "umrechnen DATEI --zutat NR --menge A --einheit E",
                "rechnet A E in die Einheit der Zutat NR um und nennt die Kosten dieser Menge, "
                "als CSV; fehlt eine Angabe der Zutat (Dichte, Gewicht je Stück, Inhalt), "
                "wird sie genannt",
                {},
                {QStringLiteral("zutat"), QStringLiteral("menge"), QStringLiteral("einheit")},
                &umrechnen})
