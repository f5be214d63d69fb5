// Reverse calculation of one recipe.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "costing/zielpreis.h"

namespace {

int zielpreis(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    const auto vkbrutto = ZahlWahl(a, QStringLiteral("vkbrutto"));
    const auto db = ZahlWahl(a, QStringLiteral("db"));
    return GibListeAus(a, datei, [&](TDaten& daten) {
        const TRezept& r = daten.rezept(RezeptNummer(daten, nr));
        return ZielpreisListe(Zielpreis(daten, r, vkbrutto, db));
    });
}

} // namespace

ORMISTO_BEFEHL({"zielpreis",
                "zielpreis DATEI --rezept NR [--vkbrutto B] [--db D] [--aus CSV]",
                "Rückrechnung des Rezepts NR: erlaubter Einkaufspreis beim VK-Preis B (sonst dem "
                "eigenen) und der Soll-Wareneinsatzquote, mit --db der VK-Preis für den "
                "Deckungsbeitrag D, als CSV",
                {},
                {QStringLiteral("rezept"), QStringLiteral("vkbrutto"), QStringLiteral("db"),
                 QStringLiteral("aus")},
                &zielpreis})
