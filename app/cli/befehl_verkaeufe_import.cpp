// Records the sales of a till's CSV export.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "exchange/verkaufsimport.h"

#include <cstdio>

namespace {

void schreibeFehlerzeilen(const TVerkaufsPruefung& p) {
    for (const QString& zeile : Fehlerzeilen(p))
        std::fprintf(stderr, "%s\n", zeile.toUtf8().constData());
    std::fflush(stderr);
}

QString fehlerhafteZeilen(qsizetype anzahl) {
    return anzahl == 1 ? QStringLiteral("1 Zeile fehlerhaft ist")
                       : QStringLiteral("%1 Zeilen fehlerhaft sind").arg(anzahl);
}

int verkaeufeImport(const TArgumente& a) {
    a.hoechstens(2);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString csv = a.position(1, QStringLiteral("CSV"));
    const bool ueberspringen = a.schalter(QStringLiteral("ueberspringen"));
    const bool probelauf = a.schalter(QStringLiteral("probelauf"));
    TDaten daten;
    LadeDatei(daten, datei);
    const TVerkaufsPruefung p = PruefeVerkaufsdatei(daten, csv);
    const bool erfolg = p.erfassbar(ueberspringen);
    if (erfolg && !probelauf) {
        ErfasseVerkaeufe(daten, p, ueberspringen);
        SpeichereDatei(daten, datei);
    }
    if (erfolg || probelauf)
        DruckeText(Zusammenfassung(p, ueberspringen) + QLatin1Char('\n'));
    schreibeFehlerzeilen(p);
    if (!erfolg)
        throw TFehler((probelauf ? QStringLiteral("Es würde nichts importiert, weil %1")
                                 : QStringLiteral("Es wurde nichts importiert, weil %1"))
                          .arg(fehlerhafteZeilen(p.fehler.size())) +
                      QStringLiteral("; --ueberspringen lässt sie aus"));
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"verkaeufe-import",
                "verkaeufe-import DATEI CSV [--ueberspringen] [--probelauf]",
                "erfasst die Verkäufe einer Kassen-CSV (Spalten Datum, Artikel und Menge) wie "
                "\"Hinzufügen\", je Rezept und Tag summiert; mit Fehlern wird nichts erfasst, "
                "außer mit --ueberspringen; --probelauf prüft nur",
                {QStringLiteral("ueberspringen"), QStringLiteral("probelauf")},
                {},
                &verkaeufeImport})
