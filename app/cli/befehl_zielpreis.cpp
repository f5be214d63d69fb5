// Reverse calculation of one recipe.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "costing/zielpreis.h"
#include "exchange/csvexport.h"

namespace {

int zielpreis(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString nr = RezeptNummerText(a);
    const auto vkbrutto = ZahlWahl(a, QStringLiteral("vkbrutto"));
    const auto db = ZahlWahl(a, QStringLiteral("db"));
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    const TRezept& r = daten.rezept(RezeptNummer(daten, nr));
    SchreibeAusgabe(CsvBytes(ZielpreisListe(Zielpreis(daten, r, vkbrutto, db))), aus);
    return 0;
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
