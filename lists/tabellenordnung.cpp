#include "lists/tabellenordnung.h"

#include "core/zahlen.h"
#include "lists/sortierung.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace {

qsizetype SortierbareZeilen(const TListe& l, bool summenzeile) {
    return summenzeile && !l.zeilen.isEmpty() ? l.anzahlZeilen() - 1 : l.anzahlZeilen();
}

// The text ranks of the cells that are no numbers: equal ranks for texts the collation
// treats as equal, 0 for the empty text.
std::vector<uint32_t> TextRaenge(const std::vector<QString>& texte) {
    const QCollator c;
    // The C locale's sort keys are UTF-8 bytes, which order surrogates unlike its
    // comparison of UTF-16 code units: there the texts are their own keys.
    const bool ordinal = c.locale().language() == QLocale::C;
    std::vector<QCollatorSortKey> schluessel;
    if (!ordinal) {
        schluessel.reserve(texte.size());
        for (const QString& t : texte)
            schluessel.push_back(c.sortKey(t));
    }
    const auto vor = [&](size_t a, size_t b) {
        if (texte[a].isEmpty() || texte[b].isEmpty())
            return texte[a].isEmpty() && !texte[b].isEmpty();
        return ordinal ? texte[a] < texte[b] : schluessel[a].compare(schluessel[b]) < 0;
    };
    std::vector<size_t> folge(texte.size());
    std::iota(folge.begin(), folge.end(), size_t(0));
    std::sort(folge.begin(), folge.end(), vor);
    std::vector<uint32_t> rang(texte.size());
    uint32_t r = 0;
    for (size_t k = 0; k < folge.size(); ++k) {
        if (k > 0 && vor(folge[k - 1], folge[k]))
            ++r;
        rang[folge[k]] = r;
    }
    return rang;
}

} // namespace

bool IstZahlenspalte(const TListe& l, int spalte, bool summenzeile) {
    bool zahl = false;
    for (qsizetype z = 0, n = SortierbareZeilen(l, summenzeile); z < n; ++z) {
        const QString zelle = l.zelle(z, spalte);
        if (zelle.isEmpty())
            continue;
        if (!LiesZahl(zelle))
            return false;
        zahl = true;
    }
    return zahl;
}

void TabellenKlick(TTabellenOrdnung& o, const TListe& l, int spalte, bool summenzeile) {
    if (spalte == o.spalte) {
        o.absteigend = !o.absteigend;
        return;
    }
    o.spalte = spalte;
    o.absteigend = IstZahlenspalte(l, spalte, summenzeile);
}

TListe GeordneteTabelle(const TListe& l, const TTabellenOrdnung& o, bool summenzeile) {
    const qsizetype n = SortierbareZeilen(l, summenzeile);
    if (o.spalte < 0 || o.spalte >= l.anzahlSpalten() || n < 2)
        return l;

    // Per row: its number, or the rank of its text among the cells that are none.
    std::vector<std::optional<double>> zahlen(static_cast<size_t>(n));
    std::vector<QString> texte;
    std::vector<uint32_t> textNr(static_cast<size_t>(n), 0);
    for (qsizetype z = 0; z < n; ++z) {
        const QString zelle = l.zelle(z, o.spalte);
        zahlen[size_t(z)] = LiesZahl(zelle);
        if (!zahlen[size_t(z)]) {
            textNr[size_t(z)] = uint32_t(texte.size());
            texte.push_back(GrossAZ(zelle));
        }
    }
    const std::vector<uint32_t> rang = TextRaenge(texte);

    std::vector<qsizetype> folge(static_cast<size_t>(n));
    std::iota(folge.begin(), folge.end(), qsizetype(0));
    const bool ab = o.absteigend;
    std::stable_sort(folge.begin(), folge.end(), [&](qsizetype a, qsizetype b) {
        const auto& za = zahlen[size_t(a)];
        const auto& zb = zahlen[size_t(b)];
        if (za && zb)
            return ab ? *za > *zb : *za < *zb;
        if (za || zb)
            return bool(za); // numbers first, whichever the direction
        const uint32_t ra = rang[textNr[size_t(a)]];
        const uint32_t rb = rang[textNr[size_t(b)]];
        return ab ? ra > rb : ra < rb;
    });

    TListe geordnet;
    geordnet.spalten = l.spalten;
    geordnet.zeilen.reserve(l.anzahlZeilen());
    for (qsizetype z : folge)
        geordnet.zeilen.append(l.zeilen[z]);
    for (qsizetype z = n; z < l.anzahlZeilen(); ++z)
        geordnet.zeilen.append(l.zeilen[z]);
    return geordnet;
}
