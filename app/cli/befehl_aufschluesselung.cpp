// The cost breakdown of one recipe and the cost warnings of the whole file.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "costing/aufschluesselung.h"
#include "costing/zwischenrezeptwege.h"
#include "exchange/csvexport.h"
#include "lists/kostenpruefung.h"

namespace {

int aufschluesselung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    const uint32_t rezept = RezeptNummer(daten, nr);
    // Resolved: the bought ingredients through every sub-recipe instead of the lines.
    SchreibeAusgabe(CsvBytes(a.schalter(QStringLiteral("aufgeloest"))
                                 ? AufgeloesteListe(daten, rezept)
                                 : AufschluesselungsListe(daten, daten.rezept(rezept))),
                    aus);
    return 0;
}

int pruefung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const int filter = FilterWahl(a);
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    // Rows are findings, not failures: the command succeeds with them.
    SchreibeAusgabe(CsvBytes(Kostenpruefung(daten, filter)), aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"aufschluesselung",
                "aufschluesselung DATEI --rezept NR [--aufgeloest] [--aus CSV]",
                "die Kosten des Rezepts NR je Zeile, die teuerste zuerst, mit Anteil und "
                "Hinweisen, als CSV; mit --aufgeloest die gekauften Zutaten durch alle "
                "Zwischenrezepte",
                {QStringLiteral("aufgeloest")},
                {QStringLiteral("rezept"), QStringLiteral("aus")},
                &aufschluesselung})
ORMISTO_BEFEHL({"pruefung",
                "pruefung DATEI [--filter K] [--aus CSV]",
                "listet die Rezeptzeilen, deren Kosten fehlen oder falsch zählen, und Rezepte "
                "ohne Zeilen, mit Ausbeute 0 oder ohne VK-Preis, als CSV (Filter K 0 bis 42)",
                {},
                {QStringLiteral("filter"), QStringLiteral("aus")},
                &pruefung})
