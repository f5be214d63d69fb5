// Purchase prices over time: one ingredient's history, and what moved between two days.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/uhr.h"
#include "lists/preisentwicklung.h"

namespace {

int preisverlauf(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString zutat = ZutatNummerText(a);
    return GibListeAus(a, datei, [&](TDaten& daten) {
        return Preisverlaufsliste(daten, ZutatNummer(daten, zutat));
    });
}

int preisaenderungen(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    TPreisentwicklungsWahl w;
    w.bis = a.datum(QStringLiteral("bis"), TUhr::heute());
    w.von = a.datum(QStringLiteral("von"), TUhr::heute().addDays(-90));
    if (w.von > w.bis)
        throw TNutzungsFehler(QStringLiteral("--von liegt nach --bis"));
    w.schwelle = ZahlWahl(a, QStringLiteral("schwelle"), 0, 1000000).value_or(5);
    return GibListeAus(a, datei, [&](TDaten& daten) { return Preisentwicklungsliste(daten, w); });
}

} // namespace

ORMISTO_BEFEHL({"preisverlauf",
                "preisverlauf DATEI --zutat NR [--aus CSV]",
                "listet den Preisverlauf einer Zutat als CSV, ältester Eintrag zuerst",
                {},
                {QStringLiteral("zutat"), QStringLiteral("aus")},
                &preisverlauf})

ORMISTO_BEFEHL({"preisaenderungen",
                "preisaenderungen DATEI [--von JJJJ-MM-TT] [--bis JJJJ-MM-TT] [--schwelle P] "
                "[--aus CSV]",
                "listet die Zutaten, deren Preis je Einheit sich von --von (Vorgabe: vor 90 "
                "Tagen) bis --bis (Vorgabe: heute) um mindestens P % (Vorgabe 5) geändert hat, "
                "mit den Rezepten, die sie verwenden, als CSV",
                {},
                {QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("schwelle"),
                 QStringLiteral("aus")},
                &preisaenderungen})
