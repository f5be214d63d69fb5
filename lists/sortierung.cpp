#include "lists/sortierung.h"

#include "core/zahlen.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

namespace {

// The column whose cell decides between rows with equal names.
constexpr int32_t Stichspalte = 2;

QStringView ZellText(const QStringList& zeile, int32_t spalte) {
    return spalte >= 0 && spalte < zeile.size() ? QStringView(zeile[spalte]) : QStringView();
}

// The number a cell shows: its text up to the first blank.
std::optional<double> ZellZahl(QStringView zelle) {
    const qsizetype blank = zelle.indexOf(u' ');
    return LiesZahl(blank < 0 ? zelle : zelle.first(blank));
}

int Vorzeichen(int w) {
    return (w > 0) - (w < 0);
}

int TextVergleich(const QCollator& c, QStringView a, QStringView b) {
    return Vorzeichen(c.compare(GrossAZ(a), GrossAZ(b)));
}

using TReihe = std::vector<qsizetype>;

// Ranks of the distinct texts in `schluessel`, in the order `vor` gives them: equal
// keys share a rank.
template <class TSchluessel, class TVor>
std::vector<uint32_t> RangVon(const std::vector<TSchluessel>& schluessel, TVor vor) {
    std::vector<uint32_t> folge(schluessel.size());
    for (size_t k = 0; k < folge.size(); ++k)
        folge[k] = uint32_t(k);
    std::sort(folge.begin(), folge.end(),
              [&](uint32_t a, uint32_t b) { return vor(schluessel[a], schluessel[b]); });
    std::vector<uint32_t> rang(schluessel.size());
    uint32_t r = 0;
    for (size_t k = 0; k < folge.size(); ++k) {
        if (k > 0 && vor(schluessel[folge[k - 1]], schluessel[folge[k]]))
            ++r;
        rang[folge[k]] = r;
    }
    return rang;
}

// The collation rank of column `spalte` in each of the rows: equal texts, and texts the
// locale treats as equal, get the same rank, so that the ranks order as the text
// comparison does. Names are mostly unique; other columns repeat a few texts, whose
// keys are then computed once.
std::vector<uint32_t> Raenge(const TListe& liste, const QCollator& c, const TReihe& zeilen,
                             int32_t spalte) {
    const bool entdoppeln = spalte != 0;
    // The C locale compares UTF-16 code units, but its sort keys are UTF-8 bytes, which
    // order surrogate pairs differently: there the texts themselves are the keys.
    const bool ordinal = c.locale().language() == QLocale::C;
    QHash<QStringView, uint32_t> verschieden;
    if (entdoppeln)
        verschieden.reserve(qsizetype(zeilen.size()));
    std::vector<QCollatorSortKey> schluessel;
    std::vector<QString> texte;
    std::vector<bool> leer; // per distinct text
    uint32_t anzahl = 0;
    std::vector<uint32_t> rang(zeilen.size());
    QString puffer; // one buffer for the upper-cased texts, not one per row
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const QStringView text = ZellText(liste.zeilen[zeilen[i]], spalte);
        if (entdoppeln) {
            auto it = verschieden.constFind(text);
            if (it != verschieden.constEnd()) {
                rang[i] = *it;
                continue;
            }
            verschieden.insert(text, anzahl);
        }
        rang[i] = anzahl++;
        leer.push_back(text.isEmpty());
        puffer.resize(text.size());
        std::copy(text.begin(), text.end(), puffer.begin());
        MacheGrossAZ(puffer);
        if (ordinal)
            texte.push_back(puffer);
        else
            schluessel.push_back(c.sortKey(puffer));
    }
    const std::vector<uint32_t> rangVon =
        ordinal ? RangVon(texte, [](const QString& a, const QString& b) { return a < b; })
                : RangVon(schluessel, [](const QCollatorSortKey& a, const QCollatorSortKey& b) {
                      return a.compare(b) < 0;
                  });
    // The comparison puts an empty text before every other one, even before a text the
    // collation ignores entirely (whose key equals the empty text's).
    for (uint32_t& x : rang)
        x = leer[x] ? 0 : rangVon[x] + 1;
    return rang;
}

// Orders the rows by the text of column `spalte`, then each run of equal texts by column
// `folge` (none when negative), both in one direction. Stable.
void OrdneNachText(const TListe& liste, const QCollator& c, TReihe& reihe, int32_t spalte,
                   int32_t folge, bool umgekehrt) {
    if (reihe.size() < 2)
        return;
    const std::vector<uint32_t> rang = Raenge(liste, c, reihe, spalte);
    std::vector<std::pair<uint32_t, qsizetype>> e(reihe.size());
    for (size_t i = 0; i < reihe.size(); ++i)
        e[i] = {rang[i], reihe[i]};
    const auto vor = [umgekehrt](const auto& a, const auto& b) {
        return umgekehrt ? b.first < a.first : a.first < b.first;
    };
    std::stable_sort(e.begin(), e.end(), vor);
    if (folge >= 0) {
        // Only rows that share their text with another need the second column.
        TReihe imLauf;
        std::vector<std::pair<size_t, size_t>> laeufe;
        for (size_t i = 0; i < e.size();) {
            size_t j = i + 1;
            while (j < e.size() && e[j].first == e[i].first)
                ++j;
            if (j - i > 1) {
                laeufe.emplace_back(i, j);
                for (size_t k = i; k < j; ++k)
                    imLauf.push_back(e[k].second);
            }
            i = j;
        }
        if (!imLauf.empty()) {
            const std::vector<uint32_t> rang2 = Raenge(liste, c, imLauf, folge);
            size_t k = 0;
            for (const auto& [von, bis] : laeufe) {
                for (size_t i = von; i < bis; ++i)
                    e[i].first = rang2[k++];
                std::stable_sort(e.begin() + qsizetype(von), e.begin() + qsizetype(bis), vor);
            }
        }
    }
    for (size_t i = 0; i < reihe.size(); ++i)
        reihe[i] = e[i].second;
}

// Readable numbers first, larger first unless reversed; then the unreadable cells by
// name from A to Z whatever the direction.
void OrdneNachZahl(const TListe& liste, const QCollator& c, TReihe& reihe, int32_t spalte,
                   bool umgekehrt) {
    std::vector<std::pair<double, qsizetype>> lesbar;
    lesbar.reserve(reihe.size());
    TReihe unlesbar;
    for (qsizetype zeile : reihe) {
        if (const auto w = ZellZahl(ZellText(liste.zeilen[zeile], spalte)))
            lesbar.emplace_back(*w, zeile);
        else
            unlesbar.push_back(zeile);
    }
    std::stable_sort(lesbar.begin(), lesbar.end(), [umgekehrt](const auto& a, const auto& b) {
        return umgekehrt ? a.first < b.first : a.first > b.first;
    });
    OrdneNachText(liste, c, unlesbar, 0, -1, false);
    size_t i = 0;
    for (const auto& [w, zeile] : lesbar)
        reihe[i++] = zeile;
    for (qsizetype zeile : unlesbar)
        reihe[i++] = zeile;
}

} // namespace

TSpaltenArt SpaltenArt(TListenArt art, int32_t spalte) {
    if (spalte == 0)
        return TSpaltenArt::name;
    switch (art) {
    case TListenArt::zutaten:
        return spalte == 3 || spalte == 4 || spalte == 5 || spalte == 7 ? TSpaltenArt::zahl
                                                                        : TSpaltenArt::text;
    case TListenArt::rezepte:
        return spalte >= 2 && spalte <= 9 ? TSpaltenArt::zahl : TSpaltenArt::text;
    case TListenArt::verkaeufe:
        return spalte >= 1 && spalte <= 10 ? TSpaltenArt::zahl : TSpaltenArt::text;
    case TListenArt::auswahl:
        return spalte == 2 || spalte == 3 ? TSpaltenArt::zahl : TSpaltenArt::text;
    }
    return TSpaltenArt::text;
}

void MacheGrossAZ(QString& s) {
    for (QChar& ch : s)
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - (u'a' - u'A'));
}

QString GrossAZ(QStringView s) {
    QString ergebnis = s.toString();
    MacheGrossAZ(ergebnis);
    return ergebnis;
}

void SpaltenKlick(int32_t& sortspalte, bool& sortdir, int32_t spalte) {
    if (spalte == sortspalte) {
        sortdir = !sortdir;
    } else {
        sortspalte = spalte;
        sortdir = false;
    }
}

int VergleicheZeilen(TListenArt art, const QStringList& r1, const QStringList& r2,
                     int32_t sortspalte, bool sortdir) {
    const QCollator c;
    const auto name = [&] { return TextVergleich(c, ZellText(r1, 0), ZellText(r2, 0)); };
    int ergebnis = 0;
    switch (SpaltenArt(art, sortspalte)) {
    case TSpaltenArt::name:
        ergebnis = name();
        if (ergebnis == 0)
            ergebnis = TextVergleich(c, ZellText(r1, Stichspalte), ZellText(r2, Stichspalte));
        break;
    case TSpaltenArt::text:
        ergebnis = TextVergleich(c, ZellText(r1, sortspalte), ZellText(r2, sortspalte));
        if (ergebnis == 0)
            ergebnis = name();
        break;
    case TSpaltenArt::zahl: {
        const auto a = ZellZahl(ZellText(r1, sortspalte));
        const auto b = ZellZahl(ZellText(r2, sortspalte));
        if (a && b)
            ergebnis = *a < *b ? 1 : *a > *b ? -1 : 0;
        else if (a || b)
            return a ? -1 : 1; // unreadable ones last in both directions
        else
            return name();
        break;
    }
    }
    return sortdir ? -ergebnis : ergebnis;
}

void SortiereListe(TListe& liste, TListenArt art, int32_t sortspalte, bool sortdir) {
    TReihe reihe(size_t(liste.zeilen.size()));
    for (size_t i = 0; i < reihe.size(); ++i)
        reihe[i] = qsizetype(i);
    const QCollator c;
    switch (SpaltenArt(art, sortspalte)) {
    case TSpaltenArt::name:
        OrdneNachText(liste, c, reihe, 0, Stichspalte, sortdir);
        break;
    case TSpaltenArt::text:
        OrdneNachText(liste, c, reihe, sortspalte, 0, sortdir);
        break;
    case TSpaltenArt::zahl:
        OrdneNachZahl(liste, c, reihe, sortspalte, sortdir);
        break;
    }
    QList<QStringList> geordnet;
    geordnet.reserve(liste.zeilen.size());
    for (qsizetype zeile : reihe)
        geordnet.append(std::move(liste.zeilen[zeile]));
    liste.zeilen = std::move(geordnet);
}

TSortSchluessel::TSortSchluessel(TListenArt a, qsizetype zeilen) : art(a) {
    neu(zeilen);
}

void TSortSchluessel::neu(qsizetype zeilen) {
    herkunft.resize(size_t(zeilen));
    std::iota(herkunft.begin(), herkunft.end(), 0u);
    textRaenge.clear();
    zahlWerte.clear();
}

const std::vector<uint32_t>& TSortSchluessel::raenge(const TListe& liste, int32_t spalte) {
    if (auto it = textRaenge.find(spalte); it != textRaenge.end())
        return it->second;
    TReihe reihe(herkunft.size());
    std::iota(reihe.begin(), reihe.end(), qsizetype(0));
    const std::vector<uint32_t> rang = Raenge(liste, collator, reihe, spalte);
    std::vector<uint32_t> nachHerkunft(rang.size());
    for (size_t i = 0; i < rang.size(); ++i)
        nachHerkunft[herkunft[i]] = rang[i];
    return textRaenge.emplace(spalte, std::move(nachHerkunft)).first->second;
}

const std::vector<double>& TSortSchluessel::zahlen(const TListe& liste, int32_t spalte) {
    if (auto it = zahlWerte.find(spalte); it != zahlWerte.end())
        return it->second;
    std::vector<double> werte(herkunft.size());
    for (size_t i = 0; i < herkunft.size(); ++i)
        werte[herkunft[i]] = ZellZahl(ZellText(liste.zeilen[qsizetype(i)], spalte))
                                 .value_or(std::numeric_limits<double>::quiet_NaN());
    return zahlWerte.emplace(spalte, std::move(werte)).first->second;
}

void TSortSchluessel::sortiere(TListe& liste, int32_t sortspalte, bool sortdir) {
    const size_t n = size_t(liste.zeilen.size());
    if (n != herkunft.size())
        neu(qsizetype(n));
    if (n < 2)
        return;
    // The new order as positions of the rows as they stand now.
    std::vector<uint32_t> folge;
    folge.reserve(n);

    // By the ranks of column `erste`, runs of equal ranks by column `zweite` (none when
    // negative), both in one direction; stable.
    const auto nachText = [&](int32_t erste, int32_t zweite, bool umgekehrt) {
        const std::vector<uint32_t>& r1 = raenge(liste, erste);
        std::vector<std::pair<uint32_t, uint32_t>> e(n);
        for (size_t i = 0; i < n; ++i)
            e[i] = {r1[herkunft[i]], uint32_t(i)};
        const auto vor = [umgekehrt](const auto& a, const auto& b) {
            return umgekehrt ? b.first < a.first : a.first < b.first;
        };
        std::stable_sort(e.begin(), e.end(), vor);
        const std::vector<uint32_t>* r2 = nullptr;
        for (size_t i = 0; zweite >= 0 && i < n;) {
            size_t j = i + 1;
            while (j < n && e[j].first == e[i].first)
                ++j;
            if (j - i > 1) {
                if (!r2)
                    r2 = &raenge(liste, zweite);
                for (size_t k = i; k < j; ++k)
                    e[k].first = (*r2)[herkunft[e[k].second]];
                std::stable_sort(e.begin() + qsizetype(i), e.begin() + qsizetype(j), vor);
            }
            i = j;
        }
        for (const auto& [rang, zeile] : e)
            folge.push_back(zeile);
    };

    switch (SpaltenArt(art, sortspalte)) {
    case TSpaltenArt::name:
        nachText(0, Stichspalte, sortdir);
        break;
    case TSpaltenArt::text:
        nachText(sortspalte, 0, sortdir);
        break;
    case TSpaltenArt::zahl: {
        const std::vector<double>& werte = zahlen(liste, sortspalte);
        std::vector<std::pair<double, uint32_t>> lesbar;
        lesbar.reserve(n);
        std::vector<std::pair<uint32_t, uint32_t>> unlesbar;
        for (size_t i = 0; i < n; ++i) {
            const double w = werte[herkunft[i]];
            if (std::isnan(w))
                unlesbar.emplace_back(0, uint32_t(i));
            else
                lesbar.emplace_back(w, uint32_t(i));
        }
        std::stable_sort(lesbar.begin(), lesbar.end(), [sortdir](const auto& a, const auto& b) {
            return sortdir ? a.first < b.first : a.first > b.first;
        });
        if (unlesbar.size() > 1) {
            const std::vector<uint32_t>& namen = raenge(liste, 0);
            for (auto& [rang, zeile] : unlesbar)
                rang = namen[herkunft[zeile]];
            std::stable_sort(unlesbar.begin(), unlesbar.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        }
        for (const auto& [w, zeile] : lesbar)
            folge.push_back(zeile);
        for (const auto& [rang, zeile] : unlesbar)
            folge.push_back(zeile);
        break;
    }
    }

    QList<QStringList> geordnet;
    geordnet.reserve(qsizetype(n));
    std::vector<uint32_t> neueHerkunft(n);
    for (size_t k = 0; k < n; ++k) {
        geordnet.append(std::move(liste.zeilen[qsizetype(folge[k])]));
        neueHerkunft[k] = herkunft[folge[k]];
    }
    liste.zeilen = std::move(geordnet);
    herkunft = std::move(neueHerkunft);
}
