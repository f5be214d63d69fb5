// A simulated change of purchase prices and the recipes it moves.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "lists/preisaenderungsliste.h"

#include <QRegularExpression>

namespace {

// The ingredient choice of the options; at most one of them.
TPreisaenderung Auswahl(const TArgumente& a, QString& zutatText) {
    TPreisaenderung p;
    int gewaehlt = 0;
    if (const auto nr = a.wert(QStringLiteral("zutat"))) {
        static const QRegularExpression ganzzahl(QStringLiteral("^[+-]?[0-9]+$"));
        if (!ganzzahl.match(*nr).hasMatch())
            throw TNutzungsFehler(
                QStringLiteral("--zutat erwartet eine ganze Zahl, nicht \"%1\"").arg(*nr));
        p.auswahl = TPreisAuswahl::zutat;
        zutatText = *nr;
        ++gewaehlt;
    }
    for (const auto& [name, art] :
         {std::pair{QStringLiteral("lieferant"), TPreisAuswahl::lieferant},
          std::pair{QStringLiteral("zutatengruppe"), TPreisAuswahl::zutatengruppe}}) {
        const auto text = a.wert(name);
        if (!text)
            continue;
        if (text->trimmed().isEmpty())
            throw TNutzungsFehler(QStringLiteral("--%1 braucht einen Text").arg(name));
        p.auswahl = art;
        p.text = *text;
        ++gewaehlt;
    }
    if (gewaehlt > 1)
        throw TNutzungsFehler(
            QStringLiteral("Nur eine von --zutat, --lieferant und --zutatengruppe angeben"));
    return p;
}

int preisaenderung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const auto prozent = ZahlWahl(a, QStringLiteral("prozent"), -100, 1000);
    if (!prozent)
        throw TNutzungsFehler(QStringLiteral("--prozent fehlt"));
    QString zutatText;
    TPreisaenderung p = Auswahl(a, zutatText);
    p.prozent = *prozent;
    const int filter = FilterWahl(a);
    const bool alle = a.schalter(QStringLiteral("alle"));
    return GibListeAus(a, datei, [&](TDaten& daten) {
        if (p.auswahl == TPreisAuswahl::zutat)
            p.zutat = ZutatNummer(daten, zutatText);
        return Preisaenderungsliste(daten, p, filter, alle);
    });
}

} // namespace

ORMISTO_BEFEHL({"preisaenderung",
                "preisaenderung DATEI --prozent P [--zutat NR | --lieferant TEXT | "
                "--zutatengruppe TEXT] [--filter K] [--alle] [--aus CSV]",
                "simuliert eine Änderung der Einkaufspreise um P % (-100 bis 1000) für eine "
                "Zutat, einen Lieferanten, eine Zutatengruppe oder alle Zutaten und listet die "
                "Rezepte, deren EK sich ändert (mit --alle jedes Rezept des Filters), als CSV; "
                "die Datei bleibt unverändert",
                {QStringLiteral("alle")},
                {QStringLiteral("prozent"), QStringLiteral("zutat"), QStringLiteral("lieferant"),
                 QStringLiteral("zutatengruppe"), QStringLiteral("filter"), QStringLiteral("aus")},
                &preisaenderung})
