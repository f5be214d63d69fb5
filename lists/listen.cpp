#include "lists/listen.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"

#include <QHash>

namespace {

QString NrText(uint32_t nr) {
    return QString::number(nr);
}

// Cells of a column that repeat (units, suppliers, groups, many prices and sums) share one
// string: a list of 100 000 rows then holds each such text once instead of once per row.
class TTextVorrat {
public:
    QString text(QStringView s) {
        if (const auto it = vorrat.constFind(s); it != vorrat.constEnd())
            return *it;
        return neu(s.toString());
    }
    QString text(QString s) {
        if (const auto it = vorrat.constFind(QStringView(s)); it != vorrat.constEnd())
            return *it;
        return neu(std::move(s));
    }

private:
    QString neu(QString s) {
        // The key views the text the value keeps alive.
        vorrat.insert(QStringView(s), s);
        return s;
    }
    QHash<QStringView, QString> vorrat;
};

} // namespace

bool PasstFilter(int filter, int32_t gruppe) {
    switch (filter) {
    case FilterProdukte:
        return gruppe < 20;
    case FilterDienstleistungen:
        return gruppe >= 20;
    default:
        // No selection counts as "Alle".
        return filter <= FilterAlle || gruppe == filter - 3;
    }
}

TListe ZutatenListe(const TDaten& d) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Lieferant"), 100},
                    {QStringLiteral("Gruppe"), 100},
                    {QStringLiteral("Preis/Einheit"), 75},
                    {QStringLiteral("Gesamtpreis"), 75},
                    {QStringLiteral("Menge"), 75},
                    {QStringLiteral("Einheit"), 75},
                    {QStringLiteral("Nr"), 0}});
    const uint32_t n = d.anzahlZutaten();
    l.zeilen.reserve(n);
    TTextVorrat lieferanten, gruppen, preise, gesamtpreise, mengen, einheiten;
    for (uint32_t i = 0; i < n; ++i) {
        const TZutat& z = d.zutat(i);
        QStringList& zeile = l.zeilen.emplace_back();
        zeile.reserve(8);
        zeile.emplace_back(Text(z.name));
        zeile.emplace_back(lieferanten.text(TextView(z.lieferant)));
        zeile.emplace_back(gruppen.text(TextView(z.zgruppe)));
        zeile.emplace_back(preise.text(TextView(z.preisproeinheit)));
        zeile.emplace_back(gesamtpreise.text(ZahlFest(z.preis, 4)));
        zeile.emplace_back(mengen.text(ZahlFest(z.menge, 4)));
        zeile.emplace_back(einheiten.text(TextView(z.einheit)));
        zeile.emplace_back(NrText(i));
    }
    return l;
}

TListe RezeptListe(const TDaten& d, int filter) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Gruppe"), 100},
                    {QStringLiteral("EK Preis"), 90},
                    {QStringLiteral("kalk. VK netto"), 90},
                    {QStringLiteral("kalk VK brutto"), 90},
                    {QStringLiteral("tats. VK netto"), 90},
                    {QStringLiteral("tats. VK brutto"), 90},
                    {QStringLiteral("DB"), 90},
                    {QStringLiteral("WE- Quote (%)"), 90},
                    {QStringLiteral("Nr"), 0}});
    // Group names are looked up once, not once per recipe.
    QStringList gruppen;
    for (int g = 0; g < TGruppenTabelle::anzahl; ++g)
        gruppen.append(d.GetGruppe(g));
    const uint32_t n = d.anzahlRezepte();
    l.zeilen.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        const TRezept& r = d.rezept(i);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        const TRezeptPreise p = RezeptPreise(d, r);
        l.zeilen.append({Text(r.name),
                         TGruppenTabelle::gueltig(r.gruppe) ? gruppen[r.gruppe] : QString(),
                         ZahlFest(p.ek, 4), ZahlFest(p.kalkNetto, 2), ZahlFest(p.kalkBrutto, 2),
                         ZahlFest(p.tatsNetto, 2), ZahlAllgemein(p.tatsBrutto), ZahlFest(p.db, 4),
                         ZahlFest(p.wequote, 4), NrText(i)});
    }
    return l;
}

TListe VerkaufsListe(const TDaten& d, int filter, QDate tag) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Tagesumsatz"), 75},
                    {QStringLiteral("Tagesmenge"), 75},
                    {QStringLiteral("Tages-DB"), 75},
                    {QStringLiteral("Monatsumsatz"), 85},
                    {QStringLiteral("Monatsmenge"), 85},
                    {QStringLiteral("Monats-DB"), 90},
                    {QStringLiteral("Jahresumsatz"), 85},
                    {QStringLiteral("Jahresmenge"), 85},
                    {QStringLiteral("Jahres-DB"), 85},
                    {QStringLiteral("Nr"), 0}});
    const int jahr = tag.year();
    const int monat = tag.month();
    const int tagImMonat = tag.day();
    const uint32_t n = d.anzahlRezepte();
    l.zeilen.reserve(n);
    TTextVorrat summen;
    for (uint32_t i = 0; i < n; ++i) {
        const TRezept& r = d.rezept(i);
        if (!PasstFilter(filter, r.gruppe))
            continue;
        struct {
            double umsatz = 0, menge = 0, db = 0;
            void add(const TVerkauf& v) {
                umsatz += v.umsatzbrutto;
                menge += v.menge;
                db += v.deckungsbeitrag;
            }
        } tagS, monatS, jahrS;
        if (r.verkaeufe) {
            for (const auto* v = r.verkaeufe->begin<TVerkauf>(); v != r.verkaeufe->end<TVerkauf>();
                 ++v) {
                if (v->jahr != jahr)
                    continue;
                jahrS.add(*v);
                if (v->monat != monat)
                    continue;
                monatS.add(*v);
                if (v->tag == tagImMonat)
                    tagS.add(*v);
            }
        }
        // Most recipes sell nothing on a given day or month: their sums repeat.
        l.zeilen.append(
            {Text(r.name), summen.text(ZahlFest(tagS.umsatz, 2)),
             summen.text(ZahlAllgemein(tagS.menge)), summen.text(ZahlFest(tagS.db, 2)),
             summen.text(ZahlFest(monatS.umsatz, 2)), summen.text(ZahlAllgemein(monatS.menge)),
             summen.text(ZahlFest(monatS.db, 2)), summen.text(ZahlFest(jahrS.umsatz, 2)),
             summen.text(ZahlAllgemein(jahrS.menge)), summen.text(ZahlFest(jahrS.db, 2)),
             NrText(i)});
    }
    return l;
}

QStringList FilterEintraege(const TDaten& d) {
    QStringList s{QStringLiteral("Alle"), QStringLiteral("Alle Produkte"),
                  QStringLiteral("Alle Dienstleistungen")};
    for (int g = 0; g < TGruppenTabelle::anzahl; ++g)
        s.append(d.GetGruppe(g));
    return s;
}

TListen ListRezepte(const TDaten& d, int rezeptFilter, int verkaufsFilter, QDate verkaufstag) {
    TListen l;
    l.zutaten = ZutatenListe(d);
    l.rezepte = RezeptListe(d, rezeptFilter);
    l.verkaeufe = VerkaufsListe(d, verkaufsFilter, verkaufstag);
    l.filter = FilterEintraege(d);
    return l;
}
