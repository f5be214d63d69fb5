#include "core/liste.h"

#include "core/zahlen.h"

std::optional<int> TListe::nr(qsizetype zeile) const {
    if (spalten.isEmpty() || zeile < 0 || zeile >= zeilen.size())
        return std::nullopt;
    return LiesGanzzahl(zelle(zeile, spalten.size() - 1));
}

qsizetype TListe::zeileMitNr(int gesucht) const {
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (nr(i) == gesucht)
            return i;
    return -1;
}
