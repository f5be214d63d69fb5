// Every printout of the program as a PDF file, through the printer's own routines.
#include "app/cli/befehl_auswertung.h"
#include "app/cli/befehl_kalkulation.h"
#include "app/cli/befehl_liste.h"
#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "costing/mengen.h"
#include "costing/rezepteditor.h"
#include "costing/zwischenrezeptwege.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/kennzeichnungsdruck.h"
#include "exchange/print/pdfdruck.h"
#include "exchange/print/rezeptdruck.h"
#include "exchange/print/rezeptkarte.h"

#include <optional>

namespace {

enum class TWas {
    liste,
    auswertung,
    diagramm,
    kalkulation,
    rezeptblatt,
    rezeptkarte,
    rezeptbuch,
    kennzeichnung,
    allergendoku,
    produktion
};

QStringList RezeptOptionen() {
    return {QStringLiteral("rezept"), QStringLiteral("bedarfsmenge")};
}

// The options that belong to what is printed; any other is wrong usage rather than
// silently ignored.
QStringList EigeneOptionen(TWas was) {
    switch (was) {
    case TWas::liste:
        return ListenOptionen() << QStringLiteral("umgekehrt");
    case TWas::auswertung:
        return AuswertungsOptionen() << QStringLiteral("simulation");
    case TWas::diagramm:
        return AuswertungsOptionen() << QStringLiteral("simulation") << QStringLiteral("gruppe");
    case TWas::kalkulation:
    case TWas::rezeptblatt:
        return RezeptOptionen();
    case TWas::rezeptkarte:
        return {QStringLiteral("rezept")};
    case TWas::rezeptbuch:
        return {QStringLiteral("filter")};
    case TWas::kennzeichnung:
        return {QStringLiteral("filter")};
    case TWas::allergendoku:
        return {QStringLiteral("rezept")};
    case TWas::produktion:
        return {QStringLiteral("rezept"), QStringLiteral("menge")};
    }
    return {};
}

QStringList AlleOptionen() {
    QStringList alle = ListenOptionen() + AuswertungsOptionen() + RezeptOptionen();
    alle << QStringLiteral("gruppe") << QStringLiteral("menge");
    return alle;
}

void PruefeOptionen(const TArgumente& a, TWas was, const QString& name) {
    const QStringList eigene = EigeneOptionen(was);
    for (const QString& o : AlleOptionen())
        if (!eigene.contains(o) && a.wert(o))
            throw TNutzungsFehler(QStringLiteral("--%1 gilt nicht für %2").arg(o, name));
    for (const QString& s : {QStringLiteral("umgekehrt"), QStringLiteral("simulation")})
        if (!eigene.contains(s) && a.schalter(s))
            throw TNutzungsFehler(QStringLiteral("--%1 gilt nicht für %2").arg(s, name));
}

TWas Was(const QString& name) {
    if (name == QLatin1String("zutaten") || name == QLatin1String("rezepte") ||
        name == QLatin1String("verkaeufe"))
        return TWas::liste;
    if (name == QLatin1String("auswertung"))
        return TWas::auswertung;
    if (name == QLatin1String("diagramm"))
        return TWas::diagramm;
    if (name == QLatin1String("kalkulation"))
        return TWas::kalkulation;
    if (name == QLatin1String("rezeptblatt"))
        return TWas::rezeptblatt;
    if (name == QLatin1String("rezeptkarte"))
        return TWas::rezeptkarte;
    if (name == QLatin1String("rezeptbuch"))
        return TWas::rezeptbuch;
    if (name == QLatin1String("kennzeichnung"))
        return TWas::kennzeichnung;
    if (name == QLatin1String("allergendoku"))
        return TWas::allergendoku;
    if (name == QLatin1String("produktion"))
        return TWas::produktion;
    throw TNutzungsFehler(QStringLiteral("Unbekannte Druckausgabe %1 (zutaten, rezepte, "
                                         "verkaeufe, auswertung, diagramm, kalkulation, "
                                         "rezeptblatt, rezeptkarte, rezeptbuch, kennzeichnung, "
                                         "allergendoku oder produktion)")
                              .arg(name));
}

// The main window prints the sales list under another title than its tab's.
QString ListenTitel(TListenArt art) {
    switch (art) {
    case TListenArt::zutaten:
        return QStringLiteral("Zutaten");
    case TListenArt::rezepte:
        return QStringLiteral("Rezepte");
    default:
        return QStringLiteral("Abverkäufe");
    }
}

int drucken(const TArgumente& a) {
    a.hoechstens(2);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const QString name = a.position(1, QStringLiteral("WAS"));
    const TWas was = Was(name);
    const auto pdf = a.wert(QStringLiteral("pdf"));
    if (!pdf || pdf->isEmpty())
        throw TNutzungsFehler(QStringLiteral("--pdf fehlt"));
    const bool quer = a.schalter(QStringLiteral("quer"));
    PruefeOptionen(a, was, name);

    // All usage is checked before the file is read.
    std::optional<TListenWahl> liste;
    std::optional<TAuswertungsWahl> auswertung;
    std::optional<TRezeptArgument> rezept;
    int gruppe = 0;
    if (was == TWas::liste)
        liste = ListenWahl(a, ListenArt(name));
    if (was == TWas::auswertung || was == TWas::diagramm)
        auswertung = AuswertungsWahl(a);
    if (was == TWas::diagramm)
        gruppe = int(a.ganzzahl(QStringLiteral("gruppe"), 0, AuswertungsZeilen - 1, 0));
    if (was == TWas::kalkulation || was == TWas::rezeptblatt || was == TWas::rezeptkarte)
        rezept = RezeptArgument(a);
    if (was == TWas::rezeptbuch)
        liste = ListenWahl(a, TListenArt::rezepte);
    const auto bedarf = a.wert(QStringLiteral("bedarfsmenge"));
    const int filter = was == TWas::kennzeichnung ? FilterWahl(a) : 0;
    const QString rezeptText =
        was == TWas::allergendoku || was == TWas::produktion ? RezeptNummerText(a) : QString();
    const double produktionsmenge = was == TWas::produktion ? ProduktionsMenge(a) : 0;

    TDaten daten;
    LadeDatei(daten, datei);
    std::function<void(QPagedPaintDevice&)> drucke;
    TListe tabelle;
    TRezeptForm form;
    TCalcAmountsForm mengen;
    QList<TRezeptkarte> karten;
    switch (was) {
    case TWas::liste:
        tabelle = Liste(daten, *liste);
        drucke = [&](QPagedPaintDevice& d) { DruckeListView(d, ListenTitel(liste->art), tabelle); };
        break;
    case TWas::auswertung:
        tabelle = AuswertungsTabelle(daten, *auswertung);
        drucke = [&](QPagedPaintDevice& d) {
            DruckeListView(d, QStringLiteral("Auswertung"), tabelle);
        };
        break;
    case TWas::diagramm:
        tabelle = AuswertungsTabelle(daten, *auswertung);
        drucke = [&](QPagedPaintDevice& d) {
            PrintDiagram(d, tabelle, gruppe, Kennzahlname(auswertung->kennzahl));
        };
        break;
    case TWas::kennzeichnung:
        drucke = [&](QPagedPaintDevice& d) { DruckeSpeisekarte(d, daten, filter); };
        break;
    case TWas::allergendoku: {
        const uint32_t nr = RezeptNummer(daten, rezeptText);
        drucke = [&, nr](QPagedPaintDevice& d) { DruckeAllergenDokumentation(d, daten, nr); };
        break;
    }
    case TWas::produktion: {
        const uint32_t nr = RezeptNummer(daten, rezeptText);
        tabelle = ProduktionsListe(daten, nr, produktionsmenge);
        const QString titel = ProduktionsTitel(daten, nr, produktionsmenge);
        drucke = [&, titel](QPagedPaintDevice& d) { DruckeListView(d, titel, tabelle); };
        break;
    }
    case TWas::kalkulation:
    case TWas::rezeptblatt: {
        FuelleRezeptDialog(form, daten, *rezept);
        const bool blatt = was == TWas::rezeptblatt;
        if (bedarf) {
            form.bedarfsmenge = *bedarf;
            mengen = MengenBerechnen(form);
            drucke = [&, blatt](QPagedPaintDevice& d) {
                blatt ? DruckeRezept(d, mengen) : DruckeKalkulation(d, mengen);
            };
        } else {
            drucke = [&, blatt](QPagedPaintDevice& d) {
                blatt ? DruckeRezept(d, form) : DruckeKalkulation(d, form);
            };
        }
        break;
    }
    case TWas::rezeptkarte:
        FuelleRezeptDialog(form, daten, *rezept);
        karten = {Rezeptkarte(form, &daten)};
        drucke = [&](QPagedPaintDevice& d) { DruckeRezeptkarten(d, form.name, karten); };
        break;
    case TWas::rezeptbuch:
        // The recipes of the filter in the order the recipe list shows them.
        tabelle = Liste(daten, *liste);
        for (qsizetype z = 0; z < tabelle.anzahlZeilen(); ++z)
            if (const auto nr = tabelle.nr(z)) {
                FuelleAusRezept(form, daten, daten.rezept(uint32_t(*nr)));
                karten.append(Rezeptkarte(form, &daten));
            }
        drucke = [&](QPagedPaintDevice& d) {
            DruckeRezeptkarten(d, QStringLiteral("Rezeptbuch"), karten);
        };
        break;
    }
    SpeicherePdf(*pdf, quer, drucke);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"drucken",
                "drucken DATEI WAS --pdf AUS [--quer] [Optionen]",
                "druckt in eine PDF-Datei (A4, mit --quer im Querformat), was das Programm "
                "druckt. WAS: zutaten, rezepte, verkaeufe (Optionen von liste), auswertung, "
                "diagramm (Optionen von auswertung, dazu --gruppe G), kalkulation, rezeptblatt "
                "(--rezept NR, mit --bedarfsmenge A das Blatt der Mengenberechnung), "
                "rezeptkarte (--rezept NR: die Karte für die Küche, ohne Preise), rezeptbuch "
                "(mit --filter K: jedes Rezept des Filters auf einer Karte je Seite), "
                "kennzeichnung (die Speisekarte mit Kennzeichnung, --filter K), allergendoku "
                "(--rezept NR), produktion (--rezept NR --menge A: die Produktionsliste)",
                {QStringLiteral("quer"), QStringLiteral("umgekehrt"), QStringLiteral("simulation")},
                AlleOptionen() << QStringLiteral("pdf"),
                &drucken,
                true})
