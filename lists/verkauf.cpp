#include "lists/verkauf.h"

#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

uint32_t anzahlVerkaeufe(const TRezept& r) {
    return r.verkaeufe ? r.verkaeufe->count : 0;
}

void setzeQuote(TVerkauf& v) {
    v.wequote = Quotient(100 * v.wareneinsatz, v.umsatznetto).value_or(0);
}

} // namespace

std::optional<int32_t> LiesPortionen(QStringView text) {
    const std::optional<double> w = LiesZahl(text);
    if (!w || *w < MinPortionen || *w > MaxPortionen || *w != std::trunc(*w))
        return std::nullopt;
    return int32_t(*w);
}

QString PortionenUngueltig() {
    return QStringLiteral("Die verkauften Portionen müssen eine ganze Zahl von %1 bis %2 sein")
        .arg(MinPortionen)
        .arg(MaxPortionen);
}

TPortionsWert PortionsWert(const TDaten& d, const TRezept& r) {
    return {TatsNetto(r.vkbrutto, d.GetGruppeMwst(r.gruppe)), WareneinsatzProPortion(d, r)};
}

void BucheVerkauf(TDaten& d, TRezept& r, int32_t position, QDate tag, int32_t portionen,
                  const TPortionsWert& w) {
    const double p = portionen;
    const double n = w.netto;
    const double c = w.wareneinsatz;
    if (position >= 0) {
        TVerkauf& v = *r.verkaeufe->at<TVerkauf>(uint32_t(position));
        v.menge += portionen;
        v.umsatznetto += p * n;
        v.umsatzbrutto += p * r.vkbrutto;
        v.wareneinsatz += p * c;
        setzeQuote(v);
        v.deckungsbeitrag += p * n - p * c;
        return;
    }

    if (!r.verkaeufe)
        r.verkaeufe = d.NeueVerkaeufe();
    int jahr = 0, monat = 0, tagNr = 0;
    tag.getDate(&jahr, &monat, &tagNr);
    TVerkauf& v = *static_cast<TVerkauf*>(r.verkaeufe->Add());
    v.jahr = uint16_t(jahr);
    v.monat = uint16_t(monat);
    v.tag = uint16_t(tagNr);
    v.menge = portionen;
    v.umsatznetto = p * n;
    v.umsatzbrutto = p * r.vkbrutto;
    v.wareneinsatz = p * c;
    setzeQuote(v);
    v.deckungsbeitrag = p * n - p * c;
}

void ErfasseVerkauf(TDaten& d, TRezept& r, QDate tag, int32_t portionen) {
    if (portionen < MinPortionen || portionen > MaxPortionen)
        throw TFehler(QStringLiteral("Die verkauften Portionen müssen zwischen %1 und %2 liegen")
                          .arg(MinPortionen)
                          .arg(MaxPortionen));
    if (!tag.isValid() || tag.year() < 1 || tag.year() > std::numeric_limits<uint16_t>::max())
        throw TFehler(QStringLiteral("Das Verkaufsdatum ist ungültig"));

    const auto jahr = uint16_t(tag.year());
    const auto monat = uint16_t(tag.month());
    const auto tagNr = uint16_t(tag.day());
    for (uint32_t i = 0; i < anzahlVerkaeufe(r); ++i) {
        const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
        if (v.jahr != jahr || v.monat != monat || v.tag != tagNr)
            continue;
        // Adding without this test would wrap the day's count around.
        if (v.menge > std::numeric_limits<int32_t>::max() - portionen)
            throw TFehler(
                QStringLiteral("Der Verkauf wurde nicht erfasst: Mit %1 weiteren Portionen "
                               "hätte der %2 mehr als %3 verkaufte Portionen")
                    .arg(portionen)
                    .arg(KurzesDatum(tag))
                    .arg(std::numeric_limits<int32_t>::max()));
        BucheVerkauf(d, r, int32_t(i), tag, portionen, PortionsWert(d, r));
        return;
    }
    BucheVerkauf(d, r, -1, tag, portionen, PortionsWert(d, r));
}

TListe Verkaufsliste(const TRezept& r) {
    TListe liste;
    liste.setzeSpalten({{QStringLiteral("Name"), 150},
                        {QStringLiteral("Datum"), 85},
                        {QStringLiteral("Preis"), 90},
                        {QStringLiteral("Menge"), 75}});
    const QString name = Text(r.name);
    const QLocale locale;
    // Sales may span centuries: two-digit years would make 1924 read as 2024.
    const QString datumsformat = KurzesDatumsformat();
    for (uint32_t i = 0; i < anzahlVerkaeufe(r); ++i) {
        const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
        liste.zeilen.append({name, locale.toString(QDate(v.jahr, v.monat, v.tag), datumsformat),
                             ZahlFest(v.umsatzbrutto, 2), ZahlFest(v.menge, 0)});
    }
    return liste;
}

void LoescheVerkauf(TRezept& r, qsizetype position) {
    if (position < 0 || position >= qsizetype(anzahlVerkaeufe(r)))
        throw TFehler(QStringLiteral("Die Verkaufsliste hat keinen Eintrag %1").arg(position));
    r.verkaeufe->Delete(int32_t(position));
}
