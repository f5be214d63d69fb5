// Writes a data file as JSON.
#include "app/cli/befehle.h"

#include "core/datei.h"
#include "core/daten.h"
#include "core/fehler.h"
#include "exchange/jsonexport.h"

namespace {

int jsonExport(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    if (aus.isEmpty()) {
        // Complete before the first byte, so that a refused text writes nothing.
        SchreibeAusgabe(DatenAlsJson(daten), {});
        return 0;
    }
    const TDateiErgebnis e =
        SpeichereAtomar(aus, [&](QIODevice& geraet) { SchreibeJson(daten, geraet); });
    if (!e.ok())
        throw TFehler(e.meldung);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"json-export",
                "json-export DATEI [--aus JSON]",
                "schreibt alle Daten von DATEI als JSON (UTF-8, eingerückt) nach JSON oder auf "
                "die Standardausgabe, mit den Werten, die \"speichern\" schreiben würde",
                {},
                {QStringLiteral("aus")},
                &jsonExport})
