// The three main lists as the main window shows and exports them.
#include "app/cli/befehl_liste.h"

#include "core/daten.h"
#include "core/uhr.h"
#include "lists/listen.h"
#include "lists/sortierung.h"

QStringList ListenOptionen() {
    return {QStringLiteral("filter"), QStringLiteral("tag"), QStringLiteral("sortspalte")};
}

TListenArt ListenArt(const QString& name) {
    if (name == QLatin1String("zutaten"))
        return TListenArt::zutaten;
    if (name == QLatin1String("rezepte"))
        return TListenArt::rezepte;
    if (name == QLatin1String("verkaeufe"))
        return TListenArt::verkaeufe;
    throw TNutzungsFehler(
        QStringLiteral("Unbekannte Liste %1 (zutaten, rezepte oder verkaeufe)").arg(name));
}

TListenWahl ListenWahl(const TArgumente& a, TListenArt art) {
    TListenWahl w;
    w.art = art;
    w.filter = int(a.ganzzahl(QStringLiteral("filter"), 0, FilterAnzahl - 1, 0));
    w.tag = a.datum(QStringLiteral("tag"), TUhr::heute());
    const int spalten = art == TListenArt::zutaten ? 8 : art == TListenArt::rezepte ? 10 : 11;
    w.sortspalte = int32_t(a.ganzzahl(QStringLiteral("sortspalte"), 0, spalten - 1, 0));
    w.sortdir = a.schalter(QStringLiteral("umgekehrt"));
    return w;
}

TListe Liste(const TDaten& daten, const TListenWahl& w) {
    TListe l = w.art == TListenArt::zutaten   ? ZutatenListe(daten)
               : w.art == TListenArt::rezepte ? RezeptListe(daten, w.filter)
                                              : VerkaufsListe(daten, w.filter, w.tag);
    SortiereListe(l, w.art, w.sortspalte, w.sortdir);
    return l;
}

namespace {

int liste(const TArgumente& a) {
    a.hoechstens(2);
    const QString art = a.position(0, QStringLiteral("zutaten|rezepte|verkaeufe"));
    const QString datei = a.position(1, QStringLiteral("DATEI"));
    const TListenWahl w = ListenWahl(a, ListenArt(art));
    return GibListeAus(a, datei, [&](TDaten& daten) { return Liste(daten, w); });
}

} // namespace

ORMISTO_BEFEHL({"liste",
                "liste zutaten|rezepte|verkaeufe DATEI [--filter K] [--tag JJJJ-MM-TT] "
                "[--sortspalte N] [--umgekehrt] [--aus CSV]",
                "schreibt die Zutaten-, Rezept- oder Verkaufsliste geordnet wie im Hauptfenster "
                "als CSV (Filter K 0 bis 42, Verkaufstag, Sortierspalte N)",
                {QStringLiteral("umgekehrt")},
                ListenOptionen() << QStringLiteral("aus"),
                &liste})
