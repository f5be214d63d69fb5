#include "lists/menueanalyse.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "lists/listen.h"

#include <algorithm>
#include <cmath>

namespace {

int datumsschluessel(int jahr, int monat, int tag) {
    return jahr * 10000 + monat * 100 + tag;
}

double endlich(double x) {
    return std::isfinite(x) ? x : 0;
}

// 10 × portionen × n ≥ 7 × alle, exactly: the products can pass 64 bits.
bool beliebt(qint64 portionen, qint64 n, qint64 alle) {
    __extension__ using TGross = __int128;
    return TGross(10) * portionen * n >= TGross(7) * alle;
}

} // namespace

QString MenueKlassenText(TMenueKlasse k) {
    switch (k) {
    case TMenueKlasse::star:
        return QStringLiteral("Star");
    case TMenueKlasse::arbeitspferd:
        return QStringLiteral("Arbeitspferd");
    case TMenueKlasse::raetsel:
        return QStringLiteral("Rätsel");
    case TMenueKlasse::ladenhueter:
        break;
    }
    return QStringLiteral("Ladenhüter");
}

TMenueAnalyse Menueanalyse(const TDaten& d, const TMenueWahl& w) {
    TMenueAnalyse a;
    const int von = datumsschluessel(w.start.year(), w.start.month(), w.start.day());
    const int bis = datumsschluessel(w.ende.year(), w.ende.month(), w.ende.day());
    QStringList gruppen;
    for (int g = 0; g < TGruppenTabelle::anzahl; ++g)
        gruppen.append(d.GetGruppe(g));
    for (uint32_t nr = 0; nr < d.anzahlRezepte(); ++nr) {
        const TRezept& r = d.rezept(nr);
        if (!PasstFilter(w.filter, r.gruppe))
            continue;
        TMenuePosten p;
        p.nr = nr;
        p.name = Text(r.name);
        if (TGruppenTabelle::gueltig(r.gruppe))
            p.gruppe = gruppen[r.gruppe];
        if (r.verkaeufe) {
            for (const auto* v = r.verkaeufe->begin<TVerkauf>(); v != r.verkaeufe->end<TVerkauf>();
                 ++v) {
                const int tag = datumsschluessel(v->jahr, v->monat, v->tag);
                if (tag < von || tag > bis)
                    continue;
                p.portionen += v->menge;
                p.dbGesamt += v->deckungsbeitrag;
            }
        }
        p.dbGesamt = endlich(p.dbGesamt);
        a.portionen += p.portionen;
        a.dbGesamt += p.dbGesamt;
        a.posten.push_back(p);
    }
    a.dbGesamt = endlich(a.dbGesamt);

    const auto n = qint64(a.posten.size());
    // Portions only add up to nothing or less in a damaged file; nothing was sold then.
    const bool verkauft = a.portionen > 0;
    a.schwelleAnteil = n > 0 ? 70.0 / double(n) : 0;
    a.schwelleDb = verkauft ? Quotient(a.dbGesamt, double(a.portionen)).value_or(0) : 0;
    for (TMenuePosten& p : a.posten) {
        p.anteil =
            verkauft ? Quotient(100.0 * double(p.portionen), double(a.portionen)).value_or(0) : 0;
        p.dbProPortion = Quotient(p.dbGesamt, double(p.portionen)).value_or(0);
        p.beliebt = verkauft && beliebt(p.portionen, n, a.portionen);
        p.rentabel = verkauft && p.portionen > 0 && p.dbProPortion >= a.schwelleDb;
        p.klasse = p.beliebt ? (p.rentabel ? TMenueKlasse::star : TMenueKlasse::arbeitspferd)
                             : (p.rentabel ? TMenueKlasse::raetsel : TMenueKlasse::ladenhueter);
    }
    std::stable_sort(a.posten.begin(), a.posten.end(),
                     [](const TMenuePosten& x, const TMenuePosten& y) {
                         if (x.klasse != y.klasse)
                             return x.klasse < y.klasse;
                         return x.dbGesamt > y.dbGesamt;
                     });
    return a;
}

TListe MenueListe(const TMenueAnalyse& a) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Gruppe"), 100},
                    {QStringLiteral("Portionen"), 75},
                    {QStringLiteral("Anteil (%)"), 75},
                    {QStringLiteral("DB pro Portion"), 100},
                    {QStringLiteral("DB gesamt"), 100},
                    {QStringLiteral("Klasse"), 100}});
    l.zeilen.reserve(qsizetype(a.posten.size()));
    for (const TMenuePosten& p : a.posten) {
        l.zeilen.append({p.name, p.gruppe, QString::number(p.portionen), ZahlFest(p.anteil, 2),
                         ZahlFest(p.dbProPortion, 4), ZahlFest(p.dbGesamt, 4),
                         MenueKlassenText(p.klasse)});
    }
    return l;
}
