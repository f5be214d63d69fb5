#include "lists/kostenpruefung.h"

#include "core/texte.h"
#include "costing/aufschluesselung.h"
#include "lists/listen.h"

namespace {

const TRezeptZutat& zeileVon(const TRezept& r, uint32_t i) {
    return *r.zutaten->at<TRezeptZutat>(i);
}

uint32_t anzahlZeilen(const TRezept& r) {
    return r.zutaten ? r.zutaten->count : 0;
}

bool hatHinweise(const TDaten& d, const TRezept& r, const TZwischenBefund& befund) {
    if (RezeptHinweise(r).irgendeiner())
        return true;
    for (uint32_t i = 0; i < anzahlZeilen(r); ++i)
        if (ZeilenHinweise(d, zeileVon(r, i), &befund).kostenfehler())
            return true;
    return false;
}

} // namespace

TListe Kostenpruefung(const TDaten& d, int filter) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Rezept"), 150},
                    {QStringLiteral("Gruppe"), 100},
                    {QStringLiteral("Zeile"), 50},
                    {QStringLiteral("Zutat"), 150},
                    {QStringLiteral("Hinweis"), 250}});
    const TZwischenBefund befund = ZwischenrezeptBefund(d);
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        const TRezeptHinweise rh = RezeptHinweise(r);
        if (rh.irgendeiner())
            l.zeilen.append({Text(r.name), d.GetGruppe(r.gruppe), QString(), QString(), rh.text()});
        for (uint32_t i = 0; i < anzahlZeilen(r); ++i) {
            const TRezeptZutat& zeile = zeileVon(r, i);
            const TZeilenHinweise h = ZeilenHinweise(d, zeile, &befund);
            if (!h.kostenfehler())
                continue;
            const TZutat* z = d.zutatVon(zeile);
            l.zeilen.append({Text(r.name), d.GetGruppe(r.gruppe), QString::number(i + 1),
                             z ? Text(z->name) : QString(), h.text()});
        }
    }
    return l;
}

int RezepteMitKostenhinweisen(const TDaten& d, int filter) {
    int anzahl = 0;
    const TZwischenBefund befund = ZwischenrezeptBefund(d);
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (PasstFilter(filter, r.gruppe) && hatHinweise(d, r, befund))
            ++anzahl;
    }
    return anzahl;
}

QString KostenhinweisStatus(int anzahl) {
    if (anzahl <= 0)
        return {};
    if (anzahl == 1)
        return QStringLiteral("1 Rezept mit Kostenhinweisen");
    return QStringLiteral("%1 Rezepte mit Kostenhinweisen").arg(anzahl);
}
