// Menu engineering over the recorded sales, as a table and optionally as a chart.
#include "app/cli/befehle.h"
#include "app/cli/einsichtsoptionen.h"
#include "app/cli/pngbild.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/uhr.h"
#include "exchange/csvexport.h"
#include "lists/chart/menuematrix.h"
#include "lists/menueanalyse.h"

#include <QFileInfo>
#include <QPainter>

namespace {

int menueanalyse(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QDate heute = TUhr::heute();
    TMenueWahl w;
    w.start = a.datum(QStringLiteral("start"), QDate(heute.year(), 1, 1));
    w.ende = a.datum(QStringLiteral("ende"), heute);
    if (w.start > w.ende)
        throw TNutzungsFehler(
            QStringLiteral("Das Startdatum %1 liegt nach dem Enddatum %2")
                .arg(w.start.toString(Qt::ISODate), w.ende.toString(Qt::ISODate)));
    w.filter = FilterWahl(a);
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    const auto png = a.wert(QStringLiteral("png"));
    if (png && png->isEmpty())
        throw TNutzungsFehler(QStringLiteral("--png braucht einen Dateinamen"));
    if (!png)
        for (const char* name : {"breite", "hoehe", "dpi"})
            if (a.wert(QString::fromLatin1(name)))
                throw TNutzungsFehler(QStringLiteral("--%1 gilt nur mit --png").arg(name));
    const int breite = int(a.ganzzahl(QStringLiteral("breite"), 1, 20000, 800));
    const int hoehe = int(a.ganzzahl(QStringLiteral("hoehe"), 1, 20000, 500));
    const int dpi = int(a.ganzzahl(QStringLiteral("dpi"), 1, 10000, 96));

    TDaten daten;
    LadeDatei(daten, datei);
    const TMenueAnalyse analyse = Menueanalyse(daten, w);
    const QByteArray csv = CsvBytes(MenueListe(analyse));
    if (!png) {
        SchreibeAusgabe(csv, aus);
        return 0;
    }
    // Both outputs or neither: a picture written before a failing table goes again.
    const bool warDa = QFileInfo::exists(*png);
    SchreibeAusgabe(PngBild(breite, hoehe, dpi,
                            [&](QPainter& maler) {
                                ZeichneMenueMatrix(maler, 0, 0, breite, hoehe, dpi, analyse);
                            }),
                    *png);
    try {
        SchreibeAusgabe(csv, aus);
    } catch (...) {
        if (!warDa)
            QFile::remove(*png);
        throw;
    }
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"menueanalyse",
                "menueanalyse DATEI [--start JJJJ-MM-TT] [--ende JJJJ-MM-TT] [--filter K] "
                "[--aus CSV] [--png AUS [--breite B] [--hoehe H] [--dpi D]]",
                "ordnet die Rezepte des Filters K nach ihren Verkäufen im Zeitraum (Vorgabe: "
                "1. Januar bis heute) als Star, Arbeitspferd, Rätsel oder Ladenhüter, als CSV; "
                "mit --png auch die Matrix als Bild, Vorgabe 800 × 500 Punkte bei 96 dpi",
                {},
                {QStringLiteral("start"), QStringLiteral("ende"), QStringLiteral("filter"),
                 QStringLiteral("aus"), QStringLiteral("png"), QStringLiteral("breite"),
                 QStringLiteral("hoehe"), QStringLiteral("dpi")},
                &menueanalyse,
                true})
