// The three main lists as the main window shows and exports them.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/uhr.h"
#include "exchange/csvexport.h"
#include "lists/listen.h"
#include "lists/sortierung.h"

namespace {

int liste(const TArgumente& a) {
    a.hoechstens(2);
    const QString art = a.position(0, QStringLiteral("zutaten|rezepte|verkaeufe"));
    const QString datei = a.position(1, QStringLiteral("DATEI"));
    TListenArt listenArt;
    if (art == QLatin1String("zutaten"))
        listenArt = TListenArt::zutaten;
    else if (art == QLatin1String("rezepte"))
        listenArt = TListenArt::rezepte;
    else if (art == QLatin1String("verkaeufe"))
        listenArt = TListenArt::verkaeufe;
    else
        throw TNutzungsFehler(
            QStringLiteral("Unbekannte Liste %1 (zutaten, rezepte oder verkaeufe)").arg(art));
    const int filter = int(a.ganzzahl(QStringLiteral("filter"), 0, FilterAnzahl - 1, 0));
    const QDate tag = a.datum(QStringLiteral("tag"), TUhr::heute());
    const int spalten = listenArt == TListenArt::zutaten   ? 8
                        : listenArt == TListenArt::rezepte ? 10
                                                           : 11;
    const auto sortspalte = int32_t(a.ganzzahl(QStringLiteral("sortspalte"), 0, spalten - 1, 0));
    const bool sortdir = a.schalter(QStringLiteral("umgekehrt"));
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());

    TDaten daten;
    LadeDatei(daten, datei);
    TListe l = listenArt == TListenArt::zutaten   ? ZutatenListe(daten)
               : listenArt == TListenArt::rezepte ? RezeptListe(daten, filter)
                                                  : VerkaufsListe(daten, filter, tag);
    SortiereListe(l, listenArt, sortspalte, sortdir);
    SchreibeAusgabe(CsvBytes(l), aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"liste",
                "liste zutaten|rezepte|verkaeufe DATEI [--filter K] [--tag JJJJ-MM-TT] "
                "[--sortspalte N] [--umgekehrt] [--aus CSV]",
                "schreibt die Zutaten-, Rezept- oder Verkaufsliste geordnet wie im Hauptfenster "
                "als CSV (Filter K 0 bis 42, Verkaufstag, Sortierspalte N)",
                {QStringLiteral("umgekehrt")},
                {QStringLiteral("filter"), QStringLiteral("tag"), QStringLiteral("sortspalte"),
                 QStringLiteral("aus")},
                &liste})
