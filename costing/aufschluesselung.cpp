#include "costing/aufschluesselung.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/einheitendaten.h"
#include "costing/preise.h"
#include "costing/rezepteditor.h"
#include "costing/zwischenrezepte.h"

#include <algorithm>
#include <cmath>

namespace {

void fuegeAn(QString& text, bool gilt, QStringView teil) {
    if (!gilt)
        return;
    if (!text.isEmpty())
        text += QStringLiteral(", ");
    text += teil;
}

} // namespace

QString TZeilenHinweise::text() const {
    QString s;
    fuegeAn(s, zutatFehlt, u"Zutat fehlt");
    fuegeAn(s, einkaufsmengeNull, u"Einkaufsmenge 0");
    fuegeAn(s, gewichtsverlust100, u"Gewichtsverlust 100 %");
    fuegeAn(s, mengeNull, u"Menge 0");
    fuegeAn(s, negativerPreis, u"negativer Preis");
    fuegeAn(s, nichtBerechenbar, u"Preis nicht berechenbar");
    fuegeAn(s, !zwischenrezept.isEmpty(),
            QString(QStringLiteral("Zwischenrezept ohne berechenbaren Preis: ") + zwischenrezept));
    fuegeAn(s, ueber50, u"über 50 % der Kosten");
    return s;
}

QString TRezeptHinweise::text() const {
    QString s;
    fuegeAn(s, keineZeilen, u"keine Zeilen");
    fuegeAn(s, ausbeuteNull, u"Ausbeute 0");
    fuegeAn(s, keinVkPreis, u"kein VK-Preis");
    return s;
}

TZwischenBefund ZwischenrezeptBefund(const TDaten& d) {
    TZwischenBefund befund;
    const TZwischenrezepte* z = Zwischenrezepte(d);
    if (!z)
        return befund;
    befund.resize(d.anzahlZutaten());
    const TZwischenBefund leer;
    // Leaves first: a sub-recipe's fault and those of the sub-recipes it uses.
    for (const TZwischenrezept* e : Blattfolge(d)) {
        if (e->zutat >= befund.size())
            continue;
        const TRezept& r = d.rezept(e->rezept);
        const TRezeptHinweise rh = RezeptHinweise(r);
        bool eigen = rh.keineZeilen || rh.ausbeuteNull;
        QStringList namen;
        for (uint32_t i = 0; r.zutaten && i < r.zutaten->count; ++i) {
            const TRezeptZutat& l = *r.zutaten->at<TRezeptZutat>(i);
            const TZeilenHinweise h = ZeilenHinweise(d, l, &befund);
            eigen = eigen || h.zutatFehlt || h.einkaufsmengeNull || h.gewichtsverlust100 ||
                    h.mengeNull || h.nichtBerechenbar;
            for (const QString& n :
                 h.zwischenrezept.split(QStringLiteral(", "), Qt::SkipEmptyParts))
                if (!namen.contains(n))
                    namen << n;
        }
        if (eigen)
            namen.prepend(Text(r.name));
        befund[e->zutat] = namen.join(QStringLiteral(", "));
    }
    return befund;
}

TZeilenHinweise ZeilenHinweise(const TDaten& d, const TRezeptZutat& zeile,
                               const TZwischenBefund* befund) {
    TZeilenHinweise h;
    const TZutat* z = d.zutatVon(zeile);
    h.zutatFehlt = !z;
    const bool zwischen = z && RezeptVonZutat(d, uint32_t(zeile.zutatnr));
    if (zwischen) {
        // A sub-recipe's quantity is its yield: its own fault is named instead.
        const TZwischenBefund eigener = befund ? TZwischenBefund() : ZwischenrezeptBefund(d);
        const TZwischenBefund& b = befund ? *befund : eigener;
        if (size_t(zeile.zutatnr) < b.size())
            h.zwischenrezept = b[size_t(zeile.zutatnr)];
    }
    h.einkaufsmengeNull = z && z->menge == 0 && !zwischen;
    h.gewichtsverlust100 = zeile.gewichtsverlust == 100;
    h.mengeNull = zeile.menge == 0;
    if (z) {
        const auto preis = Zeilenpreis(z->preis, z->menge, zeile.menge, zeile.gewichtsverlust);
        h.negativerPreis = preis && *preis < 0;
        h.nichtBerechenbar =
            !preis && !h.einkaufsmengeNull && !h.gewichtsverlust100 && h.zwischenrezept.isEmpty();
    }
    return h;
}

TRezeptHinweise RezeptHinweise(const TRezept& r) {
    TRezeptHinweise h;
    h.keineZeilen = !r.zutaten || r.zutaten->count == 0;
    h.ausbeuteNull = r.menge == 0;
    h.keinVkPreis = r.vkbrutto == 0 && !r.zutatenrezeptur; // made to be used, not sold
    return h;
}

TAufschluesselung Aufschluesselung(const TDaten& d, const TRezept& r) {
    TAufschluesselung a;
    const uint32_t n = r.zutaten ? r.zutaten->count : 0;
    a.zeilen.reserve(n);
    const TZwischenBefund befund = ZwischenrezeptBefund(d);
    for (uint32_t i = 0; i < n; ++i) {
        const TRezeptZutat& l = *r.zutaten->at<TRezeptZutat>(i);
        TKostenzeile k;
        k.zeile = int(i);
        k.kosten = Zeilenpreis(d, l).value_or(0);
        k.kostenProEinheit = Quotient(k.kosten, r.menge).value_or(0);
        k.hinweise = ZeilenHinweise(d, l, &befund);
        a.summe += k.kosten;
        a.zeilen.push_back(k);
    }
    // Prices near the largest double can add up beyond it.
    if (!std::isfinite(a.summe))
        a.summe = 0;
    for (TKostenzeile& k : a.zeilen) {
        k.anteil = Quotient(100 * k.kosten, a.summe).value_or(0);
        k.hinweise.ueber50 = k.anteil > 50;
    }
    std::stable_sort(
        a.zeilen.begin(), a.zeilen.end(),
        [](const TKostenzeile& x, const TKostenzeile& y) { return x.kosten > y.kosten; });
    a.ek = EK(d, r);
    return a;
}

TListe AufschluesselungsListe(const TDaten& d, const TRezept& r) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("Zutat"), 150},
                    {QStringLiteral("Menge"), 75},
                    {QStringLiteral("Einheit"), 60},
                    {QStringLiteral("Gewichtsverlust (%)"), 110},
                    {QStringLiteral("Kosten"), 90},
                    {QStringLiteral("Kosten pro Einheit"), 110},
                    {QStringLiteral("Anteil (%)"), 75},
                    {QStringLiteral("Hinweis"), 250}});
    const TAufschluesselung a = Aufschluesselung(d, r);
    const auto nr = RezeptNr(d, r);
    l.zeilen.reserve(qsizetype(a.zeilen.size()) + 1);
    for (const TKostenzeile& k : a.zeilen) {
        const TRezeptZutat& zeile = *r.zutaten->at<TRezeptZutat>(uint32_t(k.zeile));
        const TZutat* z = d.zutatVon(zeile);
        // As entered: "250 g" of butter bought by the kilogram.
        const auto eingabe = nr ? EingabeVon(d, *nr, uint32_t(k.zeile)) : std::nullopt;
        l.zeilen.append(
            {z ? Text(z->name) : QString(), ZahlAllgemein(eingabe ? eingabe->menge : zeile.menge),
             eingabe ? eingabe->einheit
             : z     ? Text(z->einheit)
                     : QString(),
             ZahlFest(zeile.gewichtsverlust, 2), ZahlFest(k.kosten, 4),
             ZahlFest(k.kostenProEinheit, 4), ZahlFest(k.anteil, 2), k.hinweise.text()});
    }
    l.zeilen.append({QStringLiteral("Summe"), QString(), QString(), QString(), ZahlFest(a.summe, 4),
                     ZahlFest(a.ek, 4), ZahlFest(a.summe != 0 ? 100 : 0, 2), QString()});
    return l;
}
