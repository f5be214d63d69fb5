#include "core/verlauf.h"

#include <algorithm>
#include <cstring>

namespace {

// Length of the common start of a and b, at most n.
qsizetype GemeinsamerAnfang(const char* a, const char* b, qsizetype n) {
    // In blocks first: memcmp is far faster than a byte loop on megabytes.
    constexpr qsizetype block = 4096;
    qsizetype i = 0;
    while (i + block <= n && std::memcmp(a + i, b + i, size_t(block)) == 0)
        i += block;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Length of the common end of a and b, at most n.
qsizetype GemeinsamesEnde(const char* aEnde, const char* bEnde, qsizetype n) {
    constexpr qsizetype block = 4096;
    qsizetype i = 0;
    while (i + block <= n && std::memcmp(aEnde - i - block, bEnde - i - block, size_t(block)) == 0)
        i += block;
    while (i < n && aEnde[-i - 1] == bEnde[-i - 1])
        ++i;
    return i;
}

// Bytes that must agree after a piece for the two states to count as in step again.
constexpr qsizetype gleichlauf = 32;
// Small pieces of any shape: a changed count, number or text.
constexpr qsizetype kleinesStueck = 128;
// Larger pieces only inserted or removed whole: a recipe with its sales.
constexpr qsizetype grossesStueck = qsizetype(1) << 22;

// The pieces of a change between two ranges that differ at their starts. Data changes are
// a few small edits (a count, a renumbered line) and whole records inserted or removed,
// so after each difference the states are brought in step again by the smallest piece
// found; what cannot be brought in step is one piece to the end.
class TAbgleich {
public:
    TAbgleich(const char* a, qsizetype na, const char* b, qsizetype nb)
        : a(a), na(na), b(b), nb(nb) {}

    // True when a from i and b from j agree from there on as far as needed.
    bool imSchritt(qsizetype i, qsizetype j) const {
        const qsizetype ra = na - i;
        const qsizetype rb = nb - j;
        if (ra >= gleichlauf && rb >= gleichlauf)
            return std::memcmp(a + i, b + j, size_t(gleichlauf)) == 0;
        return ra == rb && std::memcmp(a + i, b + j, size_t(ra)) == 0;
    }

    // The lengths of the piece at (i, j) after which both are in step.
    std::pair<qsizetype, qsizetype> stueck(qsizetype i, qsizetype j) const {
        const qsizetype ra = na - i;
        const qsizetype rb = nb - j;
        if (ra == 0 || rb == 0)
            return {ra, rb};
        for (qsizetype summe = 1; summe <= 2 * kleinesStueck; ++summe)
            for (qsizetype da = std::max<qsizetype>(0, summe - kleinesStueck);
                 da <= std::min(summe, kleinesStueck); ++da) {
                const qsizetype db = summe - da;
                if (da <= ra && db <= rb && imSchritt(i + da, j + db))
                    return {da, db};
            }
        for (qsizetype d = kleinesStueck + 1; d <= grossesStueck; ++d) {
            if (d > ra && d > rb)
                break;
            if (d <= ra && imSchritt(i + d, j))
                return {d, 0};
            if (d <= rb && imSchritt(i, j + d))
                return {0, d};
        }
        return {ra, rb};
    }

    const char* a;
    qsizetype na;
    const char* b;
    qsizetype nb;
};

} // namespace

TVerlauf::TSchritt TVerlauf::Unterschied(const QByteArray& vorher, const QByteArray& nachher) {
    TSchritt s;
    s.laengeVorher = vorher.size();
    s.laengeNachher = nachher.size();
    const qsizetype kuerzer = std::min(vorher.size(), nachher.size());
    const qsizetype anfang = GemeinsamerAnfang(vorher.constData(), nachher.constData(), kuerzer);
    const qsizetype ende = GemeinsamesEnde(vorher.constData() + vorher.size(),
                                           nachher.constData() + nachher.size(), kuerzer - anfang);
    const TAbgleich abgleich(vorher.constData(), vorher.size() - ende, nachher.constData(),
                             nachher.size() - ende);
    qsizetype i = anfang;
    qsizetype j = anfang;
    while (i < abgleich.na || j < abgleich.nb) {
        const auto [da, db] = abgleich.stueck(i, j);
        s.stuecke.push_back({i, j, da, db});
        s.alt.append(vorher.constData() + i, da);
        s.neu.append(nachher.constData() + j, db);
        i += da;
        j += db;
        const qsizetype gleich = GemeinsamerAnfang(vorher.constData() + i, nachher.constData() + j,
                                                   std::min(abgleich.na - i, abgleich.nb - j));
        i += gleich;
        j += gleich;
    }
    s.alt.squeeze();
    s.neu.squeeze();
    return s;
}

bool TVerlauf::nimmAuf(const QString& name, const QByteArray& vorher, const QByteArray& nachher) {
    if (vorher == nachher)
        return false;
    TSchritt s = Unterschied(vorher, nachher);
    s.name = name;
    vor.clear();
    rueck.push_back(std::move(s));
    while (int(rueck.size()) > grenze)
        rueck.pop_front();
    return true;
}

QString TVerlauf::rueckgaengigName() const {
    return rueck.empty() ? QString() : rueck.back().name;
}

QString TVerlauf::wiederherstellenName() const {
    return vor.empty() ? QString() : vor.back().name;
}

bool TVerlauf::wende(const TSchritt& s, QByteArray& stand, bool zurueck) {
    // From the state after the step to the one before it, or the other way. In place:
    // a copy of the data would cost as much again, and time to fault it in.
    const QByteArray& da = zurueck ? s.neu : s.alt;
    const QByteArray& hin = zurueck ? s.alt : s.neu;
    const qsizetype laengeDa = zurueck ? s.laengeNachher : s.laengeVorher;
    const qsizetype laengeHin = zurueck ? s.laengeVorher : s.laengeNachher;
    if (stand.size() != laengeDa)
        return false;
    const auto stelle = [&](const TStueck& t) { return zurueck ? t.stelleNeu : t.stelleAlt; };
    const auto ziel = [&](const TStueck& t) { return zurueck ? t.stelleAlt : t.stelleNeu; };
    const auto laenge = [&](const TStueck& t) { return zurueck ? t.laengeNeu : t.laengeAlt; };
    const auto ersatz = [&](const TStueck& t) { return zurueck ? t.laengeAlt : t.laengeNeu; };
    qsizetype inDa = 0;
    for (const TStueck& t : s.stuecke) {
        if (stelle(t) + laenge(t) > stand.size() ||
            std::memcmp(stand.constData() + stelle(t), da.constData() + inDa, size_t(laenge(t))) !=
                0)
            return false;
        inDa += laenge(t);
    }
    if (laengeHin > stand.size())
        stand.resize(laengeHin);
    char* p = stand.data();
    // The unchanged stretches between the pieces: stretch k runs from the end of piece k-1
    // (the start for k = 0) to piece k (the end for the last). Those that move left are
    // moved first, from the left; then those that move right, from the right: so none is
    // overwritten before it moved.
    const size_t n = s.stuecke.size();
    const auto strecke = [&](size_t k, qsizetype& von, qsizetype& nach, qsizetype& lang) {
        const qsizetype anfangDa = k == 0 ? 0 : stelle(s.stuecke[k - 1]) + laenge(s.stuecke[k - 1]);
        const qsizetype anfangHin = k == 0 ? 0 : ziel(s.stuecke[k - 1]) + ersatz(s.stuecke[k - 1]);
        const qsizetype endeDa = k == n ? laengeDa : stelle(s.stuecke[k]);
        von = anfangDa;
        nach = anfangHin;
        lang = endeDa - anfangDa;
    };
    for (size_t k = 0; k <= n; ++k) {
        qsizetype von, nach, lang;
        strecke(k, von, nach, lang);
        if (nach < von)
            std::memmove(p + nach, p + von, size_t(lang));
    }
    for (size_t k = n + 1; k-- > 0;) {
        qsizetype von, nach, lang;
        strecke(k, von, nach, lang);
        if (nach > von)
            std::memmove(p + nach, p + von, size_t(lang));
    }
    qsizetype inHin = 0;
    for (const TStueck& t : s.stuecke) {
        std::memcpy(p + ziel(t), hin.constData() + inHin, size_t(ersatz(t)));
        inHin += ersatz(t);
    }
    stand.resize(laengeHin);
    return true;
}

qsizetype TVerlauf::platzFuer(bool zurueck) const {
    if (zurueck ? rueck.empty() : vor.empty())
        return 0;
    const TSchritt& s = zurueck ? rueck.back() : vor.back();
    return std::max(s.laengeVorher, s.laengeNachher);
}

bool TVerlauf::rueckgaengig(QByteArray& stand) {
    if (rueck.empty() || !wende(rueck.back(), stand, true))
        return false;
    vor.push_back(std::move(rueck.back()));
    rueck.pop_back();
    return true;
}

bool TVerlauf::wiederherstellen(QByteArray& stand) {
    if (vor.empty() || !wende(vor.back(), stand, false))
        return false;
    rueck.push_back(std::move(vor.back()));
    vor.pop_back();
    return true;
}

void TVerlauf::leeren() {
    rueck.clear();
    vor.clear();
}

qsizetype TVerlauf::speicher() const {
    qsizetype summe = 0;
    const auto zaehle = [&](const TSchritt& s) {
        summe += qsizetype(sizeof s) + s.alt.capacity() + s.neu.capacity() +
                 qsizetype(s.stuecke.capacity() * sizeof(TStueck)) +
                 s.name.capacity() * qsizetype(sizeof(QChar));
    };
    std::for_each(rueck.begin(), rueck.end(), zaehle);
    std::for_each(vor.begin(), vor.end(), zaehle);
    return summe;
}
