// A supplier's price list applied to the catalogue.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "costing/zwischenrezepte.h"
#include "exchange/preisliste.h"

#include <cstdio>

namespace {

int preislisteImport(const TArgumente& a) {
    a.hoechstens(2);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString csv = a.position(1, QStringLiteral("CSV"));
    const bool ueberspringen = a.schalter(QStringLiteral("ueberspringen"));
    const bool probelauf = a.schalter(QStringLiteral("probelauf"));
    const QString lieferant = a.wert(QStringLiteral("lieferant")).value_or(QString());
    if (a.wert(QStringLiteral("lieferant")) && lieferant.trimmed().isEmpty())
        throw TNutzungsFehler(QStringLiteral("--lieferant braucht einen Text"));
    TDaten daten;
    LadeDatei(daten, datei);
    const TPreislistenPruefung p = PruefePreislistendatei(daten, csv, lieferant);
    const bool erfolg = p.anwendbar(ueberspringen);
    if (erfolg && !probelauf) {
        WendePreislisteAn(daten, p, ueberspringen);
        Nachrechnen(daten); // sub-recipes follow their ingredients
        SpeichereDatei(daten, datei);
    }
    if (erfolg || probelauf)
        DruckeText(Zusammenfassung(p, ueberspringen) + QLatin1Char('\n'));
    for (const QString& zeile : Fehlerzeilen(p))
        std::fprintf(stderr, "%s\n", zeile.toUtf8().constData());
    std::fflush(stderr);
    if (!erfolg)
        throw TFehler(
            (probelauf ? QStringLiteral("Es würde nichts übernommen, weil %1")
                       : QStringLiteral("Es wurde nichts übernommen, weil %1"))
                .arg(p.fehler.size() == 1
                         ? QStringLiteral("1 Zeile fehlerhaft ist")
                         : QStringLiteral("%1 Zeilen fehlerhaft sind").arg(p.fehler.size())) +
            QStringLiteral("; --ueberspringen lässt sie aus"));
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"preisliste-import",
                "preisliste-import DATEI CSV [--lieferant TEXT] [--ueberspringen] [--probelauf]",
                "übernimmt die Preise einer Lieferanten-Preisliste (Spalten Name und Preis, "
                "wahlweise Menge, Einheit und Lieferant) in die Zutaten gleichen Namens und "
                "Lieferanten, mit Eintrag im Preisverlauf; mit Fehlern wird nichts übernommen, "
                "außer mit --ueberspringen; --probelauf prüft nur",
                {QStringLiteral("ueberspringen"), QStringLiteral("probelauf")},
                {QStringLiteral("lieferant")},
                &preislisteImport})
