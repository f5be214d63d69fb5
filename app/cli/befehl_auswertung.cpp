// The evaluation table.
#include "app/cli/befehl_auswertung.h"

#include "core/fehler.h"
#include "core/uhr.h"
#include "exchange/csvexport.h"

QStringList AuswertungsOptionen() {
    return {QStringLiteral("start"), QStringLiteral("ende"), QStringLiteral("kennzahl")};
}

namespace {

// A date option inside the evaluation's range; a date beyond it is wrong usage, as the
// window's date fields do not accept it either.
QDate auswertungsdatum(const TArgumente& a, const QString& name, QDate vorgabe) {
    const QDate tag = a.datum(name, vorgabe);
    if (a.wert(name) && !ImAuswertungsbereich(tag))
        throw TNutzungsFehler(QStringLiteral("--%1 erwartet ein Datum von %2 bis %3, nicht \"%4\"")
                                  .arg(name, FruehestesAuswertungsdatum().toString(Qt::ISODate),
                                       SpaetestesAuswertungsdatum().toString(Qt::ISODate),
                                       *a.wert(name)));
    return tag;
}

} // namespace

TAuswertungsWahl AuswertungsWahl(const TArgumente& a) {
    const QDate heute = TUhr::heute();
    TAuswertungsWahl w;
    w.start = auswertungsdatum(a, QStringLiteral("start"), QDate(heute.year(), 1, 1));
    w.ende = auswertungsdatum(a, QStringLiteral("ende"), heute);
    w.kennzahl = int(a.ganzzahl(QStringLiteral("kennzahl"), 0, 4, 0));
    w.modus = a.schalter(QStringLiteral("simulation")) ? TAuswertungsModus::simulation
                                                       : TAuswertungsModus::original;
    return w;
}

TListe AuswertungsTabelle(const TDaten& daten, const TAuswertungsWahl& w) {
    auto tabelle = FillAuswertung(daten, w);
    if (!tabelle)
        throw TFehler(QStringLiteral("Das Startdatum %1 liegt nach dem Enddatum %2")
                          .arg(w.start.toString(Qt::ISODate), w.ende.toString(Qt::ISODate)));
    return std::move(*tabelle);
}

namespace {

int auswertung(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const TAuswertungsWahl w = AuswertungsWahl(a);
    TDaten daten;
    LadeDatei(daten, datei);
    const TListe tabelle = AuswertungsTabelle(daten, w);
    SchreibeAusgabe(CsvBytes(tabelle), a.wert(QStringLiteral("aus")).value_or(QString()));
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"auswertung",
                "auswertung DATEI [--start JJJJ-MM-TT] [--ende JJJJ-MM-TT] [--kennzahl K] "
                "[--simulation] [--aus CSV]",
                "die Auswertung als CSV (K: 0 Umsatz netto, 1 Umsatz brutto, 2 Wareneinsatz, "
                "3 Wareneinsatzquote, 4 Deckungsbeitrag; ohne Angaben vom 1. Januar bis heute)",
                {QStringLiteral("simulation")},
                AuswertungsOptionen() << QStringLiteral("aus"),
                &auswertung})
