#include "lists/geordnetelisten.h"

#include <future>
#include <utility>

namespace {

TGeordneteListe Geordnet(TListe liste, TListenArt art, TSortStand stand) {
    TGeordneteListe g{std::move(liste), {}};
    g.schluessel = TSortSchluessel(art, g.liste.anzahlZeilen());
    g.schluessel.sortiere(g.liste, stand.spalte, stand.richtung);
    return g;
}

} // namespace

TGeordneteListen GeordneteListen(const TDaten& d, int rezeptFilter, int verkaufsFilter,
                                 QDate verkaufstag, TSortStand zutaten, TSortStand rezepte,
                                 TSortStand verkaeufe) {
    // Where no thread can be started, the deferred call runs at get() on this one. The
    // future waits for the thread when it goes, so an error here leaves nothing running.
    std::future<TGeordneteListe> zutatenListe =
        std::async(std::launch::async | std::launch::deferred, [&d, zutaten] {
            return Geordnet(ZutatenListe(d), TListenArt::zutaten, zutaten);
        });
    TGeordneteListen g;
    g.rezepte = Geordnet(RezeptListe(d, rezeptFilter), TListenArt::rezepte, rezepte);
    g.verkaeufe =
        Geordnet(VerkaufsListe(d, verkaufsFilter, verkaufstag), TListenArt::verkaeufe, verkaeufe);
    g.filter = FilterEintraege(d);
    g.zutaten = zutatenListe.get();
    return g;
}
