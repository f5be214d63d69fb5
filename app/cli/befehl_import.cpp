// Appends ingredients from a CSV file, as "CSV Datei importieren..." does.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "costing/zwischenrezepte.h"
#include "exchange/csvimport.h"

namespace {

int import(const TArgumente& a) {
    a.hoechstens(2);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString csv = a.position(1, QStringLiteral("CSV"));
    TDaten daten;
    LadeDatei(daten, datei);
    // The check box "Spaltenüberschriften nicht importieren" is ticked by default.
    ImportiereZutatenDatei(daten, csv, !a.schalter(QStringLiteral("kopfzeile-importieren")));
    Nachrechnen(daten); // sub-recipes follow their ingredients
    SpeichereDatei(daten, datei);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"import",
                "import DATEI CSV [--kopfzeile-importieren]",
                "hängt die Zutaten der CSV-Datei an die Zutaten von DATEI an; die erste Zeile "
                "wird übersprungen, außer mit --kopfzeile-importieren",
                {QStringLiteral("kopfzeile-importieren")},
                {},
                &import})
