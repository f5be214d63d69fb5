// Arbitrary bytes as a till's sales export: a refused file or line changes nothing, and
// what is recorded equals recording the checked sums one by one with the sale operation.
#include "core/daten.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "exchange/verkaufsimport.h"
#include "lists/verkauf.h"

#include <QLocale>
#include <QSet>

#include <cstdlib>
#include <limits>
#include <vector>

namespace {

void verkauf(TRezept& r, int jahr, int monat, int tag, int32_t menge) {
    auto& v = *static_cast<TVerkauf*>(r.verkaeufe->Add());
    v.jahr = uint16_t(jahr);
    v.monat = uint16_t(monat);
    v.tag = uint16_t(tag);
    v.menge = menge;
    v.umsatznetto = menge * 2.5;
    v.umsatzbrutto = menge * 3.0;
}

// Names that meet the rules of the lookup: blanks, case, "ß" against "SS", two recipes
// of one name; days already sold, one twice, one close to the count's limit.
void baue(TDaten& d) {
    auto* z = static_cast<TZutat*>(d.zutats.Add());
    CopyText(z->name, u"Mehl");
    z->preis = 2.4;
    z->menge = 2;
    const char16_t* namen[] = {u"Brot", u"Suppe", u" suppe ", u"Käse", u"ß", u"SS", u"A", u"b"};
    int nr = 0;
    for (const char16_t* name : namen) {
        TRezept& r = *d.NeuesRezept();
        CopyText(r.name, name);
        r.menge = 1 + nr % 3;
        r.vkbrutto = 1.5 * nr;
        r.gruppe = nr * 5 % 40;
        auto& zeile = *static_cast<TRezeptZutat*>(r.zutaten->Add());
        zeile.zutatnr = 0;
        zeile.menge = 0.3 * nr;
        ++nr;
    }
    verkauf(d.rezept(0), 2024, 6, 15, std::numeric_limits<int32_t>::max() - 10);
    verkauf(d.rezept(3), 2024, 6, 14, 3);
    verkauf(d.rezept(3), 2024, 6, 15, 4);
    verkauf(d.rezept(3), 2024, 6, 14, 5);
}

// The sales records of every recipe, byte for byte; nothing else changes in an import.
// (Writing the whole data file per comparison would slow the fuzzer a hundredfold.)
std::vector<QByteArray> stand(const TDaten& d) {
    std::vector<QByteArray> s;
    for (uint32_t i = 0; i < d.anzahlRezepte(); ++i) {
        const TDynaArray* v = d.rezept(i).verkaeufe;
        s.emplace_back(v && v->count ? static_cast<const char*>(v->poi) : "",
                       v ? qsizetype(v->count) * qsizetype(sizeof(TVerkauf)) : 0);
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool locale = [] {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return true;
    }();
    (void)locale;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TDaten daten;
    baue(daten);
    const std::vector<QByteArray> vorher = stand(daten);

    TVerkaufsPruefung p;
    try {
        p = PruefeVerkaeufe(daten, bytes);
    } catch (const TFehler&) {
        if (stand(daten) != vorher)
            std::abort();
        return 0;
    }
    if (stand(daten) != vorher)
        std::abort();

    qint64 letzte = 0;
    for (const TVerkaufsFehler& f : p.fehler) {
        if (f.zeile <= letzte || f.grund.isEmpty())
            std::abort();
        letzte = f.zeile;
    }
    if (p.fehler.size() > p.gelesen || qint64(p.summen.size()) > p.gelesen)
        std::abort();
    QSet<QPair<uint32_t, QDate>> paare;
    QSet<QDate> tage;
    QSet<uint32_t> rezepte;
    for (const TVerkaufsSumme& s : p.summen) {
        if (s.rezept >= daten.anzahlRezepte() || s.portionen < MinPortionen ||
            s.portionen > MaxPortionen || !s.tag.isValid())
            std::abort();
        paare.insert({s.rezept, s.tag});
        tage.insert(s.tag);
        rezepte.insert(s.rezept);
    }
    if (qsizetype(paare.size()) != qsizetype(p.summen.size()) || tage.size() != p.tage ||
        rezepte.size() != p.rezepte)
        std::abort();

    if (!p.fehlerfrei()) {
        try {
            ErfasseVerkaeufe(daten, p, false);
            std::abort();
        } catch (const TFehler&) {
        }
        if (stand(daten) != vorher)
            std::abort();
    }

    if (p.summen.empty()) {
        if (ErfasseVerkaeufe(daten, p, true) != 0 || stand(daten) != vorher)
            std::abort();
        return 0;
    }
    TDaten einzeln;
    baue(einzeln);
    try {
        for (const TVerkaufsSumme& s : p.summen)
            ErfasseVerkauf(einzeln, einzeln.rezept(s.rezept), s.tag, s.portionen);
    } catch (const TFehler&) {
        std::abort(); // the check let through a sum the sale operation refuses
    }
    if (ErfasseVerkaeufe(daten, p, true) != qsizetype(p.summen.size()))
        std::abort();
    if (stand(daten) != stand(einzeln) || daten.anzahlRezepte() != einzeln.anzahlRezepte())
        std::abort();
    return 0;
}
