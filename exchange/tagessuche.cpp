#include "exchange/tagessuche.h"

#include "core/dynaarray.h"
#include "exchange/verkaufsfelder.h"

#include <algorithm>

TJeRezept NachRezept(const std::vector<uint32_t>& rezeptVon, uint32_t anzahlRezepte) {
    TJeRezept j;
    j.anfang.assign(size_t(anzahlRezepte) + 1, 0);
    for (const uint32_t r : rezeptVon)
        ++j.anfang[r + 1];
    for (size_t r = 0; r < anzahlRezepte; ++r)
        j.anfang[r + 1] += j.anfang[r];
    std::vector<uint32_t> naechster(j.anfang.begin(), j.anfang.end() - 1);
    j.reihe.resize(rezeptVon.size());
    for (size_t i = 0; i < rezeptVon.size(); ++i)
        j.reihe[naechster[rezeptVon[i]]++] = uint32_t(i);
    return j;
}

void TTagessuche::suche(const TRezept& r, const std::vector<uint32_t>& tage) {
    const size_t n = tage.size();
    sortiert.resize(n);
    for (size_t i = 0; i < n; ++i)
        sortiert[i] = {tage[i], uint32_t(i)};
    std::sort(sortiert.begin(), sortiert.end());
    vertreter.resize(n);
    for (size_t k = 0; k < n; ++k)
        vertreter[sortiert[k].second] = k > 0 && sortiert[k - 1].first == sortiert[k].first
                                            ? vertreter[sortiert[k - 1].second]
                                            : sortiert[k].second;
    position.assign(n, -1);
    if (!r.verkaeufe)
        return;
    for (uint32_t i = 0; i < r.verkaeufe->count; ++i) {
        const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
        // Fields that are no calendar day can equal no day of an import.
        if (v.monat < 1 || v.monat > 12 || v.tag < 1 || v.tag > 31)
            continue;
        const uint32_t tag = TVerkaufstag{v.jahr, v.monat, v.tag}.schluessel();
        const auto it = std::lower_bound(sortiert.begin(), sortiert.end(),
                                         std::pair<uint32_t, uint32_t>(tag, 0));
        if (it != sortiert.end() && it->first == tag && position[it->second] < 0)
            position[it->second] = i;
    }
}
