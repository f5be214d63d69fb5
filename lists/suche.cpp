#include "lists/suche.h"

#include "lists/sortierung.h"

std::optional<qsizetype> DurchsucheListView(const QString& suchtext, const TListe& liste,
                                            bool fromstart, std::optional<qsizetype> ausgewaehlt) {
    const qsizetype start = fromstart || !ausgewaehlt ? 0 : *ausgewaehlt + 1;
    if (suchtext.isEmpty())
        return std::nullopt;
    const QString gesucht = GrossAZ(suchtext);
    for (qsizetype zeile = std::max<qsizetype>(start, 0); zeile < liste.anzahlZeilen(); ++zeile)
        for (const QString& zelle : liste.zeilen[zeile])
            if (GrossAZ(zelle).contains(gesucht))
                return zeile;
    return std::nullopt;
}
