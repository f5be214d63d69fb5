// The evaluation chart as a picture.
#include "app/cli/befehl_auswertung.h"
#include "app/cli/pngbild.h"

#include "core/fehler.h"
#include "lists/chart/diagramm.h"

#include <QPainter>

namespace {

int diagramm(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const auto png = a.wert(QStringLiteral("png"));
    if (!png || png->isEmpty())
        throw TNutzungsFehler(QStringLiteral("--png fehlt"));
    const TAuswertungsWahl w = AuswertungsWahl(a);
    const int gruppe = int(a.ganzzahl(QStringLiteral("gruppe"), 0, AuswertungsZeilen - 1, 0));
    const int breite = int(a.ganzzahl(QStringLiteral("breite"), 1, 20000, 800));
    const int hoehe = int(a.ganzzahl(QStringLiteral("hoehe"), 1, 20000, 500));
    const int dpi = int(a.ganzzahl(QStringLiteral("dpi"), 1, 10000, 96));

    TDaten daten;
    LadeDatei(daten, datei);
    const TListe tabelle = AuswertungsTabelle(daten, w);

    const QByteArray bytes = PngBild(breite, hoehe, dpi, [&](QPainter& maler) {
        drawdiagramm(maler, 0, 0, breite, hoehe, dpi, tabelle, gruppe, Kennzahlname(w.kennzahl));
    });
    SchreibeAusgabe(bytes, *png);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"diagramm",
                "diagramm DATEI --png AUS [--gruppe G] [--breite B] [--hoehe H] [--dpi D] "
                "[--start JJJJ-MM-TT] [--ende JJJJ-MM-TT] [--kennzahl K] [--simulation]",
                "zeichnet die Zeile G der Auswertung (0 Alle, 1 Alle Produkte, 2 Alle "
                "Dienstleistungen, 3 + n Gruppe n) als PNG, Vorgabe 800 × 500 Punkte bei 96 dpi",
                {QStringLiteral("simulation")},
                AuswertungsOptionen()
                    << QStringLiteral("png") << QStringLiteral("gruppe") << QStringLiteral("breite")
                    << QStringLiteral("hoehe") << QStringLiteral("dpi"),
                &diagramm,
                true})
