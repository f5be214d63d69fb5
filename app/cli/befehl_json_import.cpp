// Writes a data file from its JSON form.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "exchange/jsonimport.h"

#include <cstdio>

namespace {

void schreibeZeilen(const QStringList& zeilen, const QString& vorsatz) {
    for (const QString& zeile : zeilen)
        std::fprintf(stderr, "%s\n", (vorsatz + zeile).toUtf8().constData());
    std::fflush(stderr);
}

int jsonImport(const TArgumente& a) {
    a.hoechstens(2);
    const QString json = a.position(0, QStringLiteral("JSON"));
    const QString aus = a.position(1, QStringLiteral("AUS"));
    const TJsonImport import = LeseJsonDatei(json);
    schreibeZeilen(import.fehler, {});
    schreibeZeilen(import.warnungen, QStringLiteral("Warnung: "));
    if (!import.ok())
        throw TFehler(QStringLiteral("Es wurde nichts geschrieben, weil %1 %2 Fehler enthält")
                          .arg(json)
                          .arg(import.fehlerAnzahl));
    SpeichereDatei(*import.daten, aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"json-import",
                "json-import JSON AUS",
                "schreibt die Daten aus JSON (wie json-export sie schreibt) atomar in die Datei "
                "AUS; Fehler nennen Ort und Zeile, mit Fehlern wird nichts geschrieben",
                {},
                {},
                &jsonImport})
