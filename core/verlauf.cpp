#include "core/verlauf.h"

#include <algorithm>
#include <cstring>

namespace {

// Length of the common start of a and b.
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

} // namespace

bool TVerlauf::nimmAuf(const QString& name, const QByteArray& vorher, const QByteArray& nachher) {
    const qsizetype kuerzer = std::min(vorher.size(), nachher.size());
    const qsizetype anfang = GemeinsamerAnfang(vorher.constData(), nachher.constData(), kuerzer);
    if (anfang == vorher.size() && anfang == nachher.size())
        return false;
    const qsizetype ende = GemeinsamesEnde(vorher.constData() + vorher.size(),
                                           nachher.constData() + nachher.size(), kuerzer - anfang);
    TSchritt s;
    s.name = name;
    s.stelle = anfang;
    s.alt = vorher.mid(anfang, vorher.size() - anfang - ende);
    s.neu = nachher.mid(anfang, nachher.size() - anfang - ende);
    s.laengeVorher = vorher.size();
    s.laengeNachher = nachher.size();
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

bool TVerlauf::ersetze(QByteArray& stand, qsizetype stelle, qsizetype laenge,
                       const QByteArray& erwartet, const QByteArray& ersatz) {
    if (stand.size() != laenge || stelle + erwartet.size() > stand.size() ||
        std::memcmp(stand.constData() + stelle, erwartet.constData(), size_t(erwartet.size())) != 0)
        return false;
    stand.replace(stelle, erwartet.size(), ersatz);
    return true;
}

bool TVerlauf::rueckgaengig(QByteArray& stand) {
    if (rueck.empty())
        return false;
    TSchritt& s = rueck.back();
    if (!ersetze(stand, s.stelle, s.laengeNachher, s.neu, s.alt))
        return false;
    vor.push_back(std::move(s));
    rueck.pop_back();
    return true;
}

bool TVerlauf::wiederherstellen(QByteArray& stand) {
    if (vor.empty())
        return false;
    TSchritt& s = vor.back();
    if (!ersetze(stand, s.stelle, s.laengeVorher, s.alt, s.neu))
        return false;
    rueck.push_back(std::move(s));
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
                 s.name.capacity() * qsizetype(sizeof(QChar));
    };
    std::for_each(rueck.begin(), rueck.end(), zaehle);
    std::for_each(vor.begin(), vor.end(), zaehle);
    return summe;
}
