#include "costing/preisverlauf.h"

#include "core/bytes.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/uhr.h"

#include <limits>

namespace {

const bool gemeldet =
    MeldeAbschnitt({AbschnittTag("PREI"), QStringLiteral("Preisverlauf"), bezugZutaten,
                    [] { return std::unique_ptr<TAbschnitt>(new TPreisverlauf); }});

const std::vector<TPreiseintrag> keine;

constexpr qsizetype eintragGroesse = 4 + 8 + 8 + 4 + 4 + 1;
constexpr uint32_t ohneIndex = std::numeric_limits<uint32_t>::max();

[[noreturn]] void kaputt() {
    throw TFehler(QStringLiteral("Preisverlauf beschädigt"));
}

TZutatWerte werteVon(const TZutat& z) {
    return ZutatWerte(z);
}

TPreisverlauf& verlaufVon(TDaten& d) {
    return d.erweiterung.abschnitt<TPreisverlauf>();
}

} // namespace

const TAbschnittArt& TPreisverlauf::art() {
    Q_UNUSED(gemeldet);
    return *AbschnittArt(AbschnittTag("PREI"));
}

QString QuellenText(TPreisquelle q) {
    switch (q) {
    case TPreisquelle::eingabe:
        return QStringLiteral("Eingabe");
    case TPreisquelle::csvImport:
        return QStringLiteral("CSV-Import");
    case TPreisquelle::preisliste:
        return QStringLiteral("Preisliste");
    case TPreisquelle::bestand:
        break;
    }
    return QStringLiteral("Bestand");
}

std::optional<TPreisquelle> QuelleAusText(QStringView text) {
    for (auto q : {TPreisquelle::eingabe, TPreisquelle::csvImport, TPreisquelle::preisliste,
                   TPreisquelle::bestand})
        if (text == QuellenText(q))
            return q;
    return std::nullopt;
}

int32_t DatumZahl(QDate d) {
    return d.isValid() ? int32_t(d.year() * 10000 + d.month() * 100 + d.day()) : 0;
}

QDate DatumAusZahl(int32_t z) {
    if (z < 10101)
        return {};
    return QDate(z / 10000, z / 100 % 100, z % 100);
}

const std::vector<TPreiseintrag>& TPreisverlauf::eintraege(uint32_t nr) const {
    return nr < verlauf.size() ? verlauf[nr] : keine;
}

TPreisstand TPreisverlauf::stand(const TPreiseintrag& e) const {
    return {DatumAusZahl(e.datum), e.preis, e.menge, texte[e.einheit],
            texte[e.lieferant],    e.quelle};
}

std::vector<TPreisstand> TPreisverlauf::staende(uint32_t nr) const {
    std::vector<TPreisstand> s;
    for (const TPreiseintrag& e : eintraege(nr))
        s.push_back(stand(e));
    return s;
}

uint32_t TPreisverlauf::textIndex(const QString& t) {
    if (index.isEmpty())
        for (uint32_t i = 0; i < texte.size(); ++i)
            index.insert(texte[i], i);
    const auto it = index.constFind(t);
    if (it != index.constEnd())
        return *it;
    texte.push_back(t);
    index.insert(t, uint32_t(texte.size() - 1));
    return uint32_t(texte.size() - 1);
}

void TPreisverlauf::anhaengen(uint32_t nr, const TPreisstand& s) {
    if (nr >= verlauf.size())
        verlauf.resize(size_t(nr) + 1);
    verlauf[nr].push_back({DatumZahl(s.datum), textIndex(s.einheit), textIndex(s.lieferant),
                           s.quelle, s.preis, s.menge});
}

void TPreisverlauf::setze(uint32_t nr, const std::vector<TPreisstand>& s) {
    if (nr < verlauf.size())
        verlauf[nr].clear();
    for (const TPreisstand& e : s)
        anhaengen(nr, e);
}

bool TPreisverlauf::leer() const {
    for (const auto& v : verlauf)
        if (!v.empty())
            return false;
    return true;
}

// The text table is written in the order of first use, so that the same history gives
// the same bytes however it came about.
void TPreisverlauf::schreibe(TByteSchreiber& s) const {
    std::vector<uint32_t> neu(texte.size(), ohneIndex);
    std::vector<uint32_t> folge;
    int32_t zutaten = 0;
    for (const auto& v : verlauf) {
        zutaten += v.empty() ? 0 : 1;
        for (const TPreiseintrag& e : v)
            for (uint32_t i : {e.einheit, e.lieferant})
                if (neu[i] == ohneIndex) {
                    neu[i] = uint32_t(folge.size());
                    folge.push_back(i);
                }
    }
    s.int32(int32_t(folge.size()));
    for (uint32_t i : folge)
        s.text(texte[i]);
    s.int32(zutaten);
    for (uint32_t nr = 0; nr < verlauf.size(); ++nr) {
        const auto& v = verlauf[nr];
        if (v.empty())
            continue;
        s.uint32(nr);
        s.int32(int32_t(v.size()));
        for (const TPreiseintrag& e : v) {
            s.int32(e.datum);
            s.dbl(e.preis);
            s.dbl(e.menge);
            s.uint32(neu[e.einheit]);
            s.uint32(neu[e.lieferant]);
            s.uint8(uint8_t(e.quelle));
        }
    }
}

void TPreisverlauf::lese(TByteLeser& l) {
    const uint32_t anzahlTexte = l.anzahl(4);
    // A text named twice is kept once, as adding entries would keep it.
    std::vector<uint32_t> zuordnung(anzahlTexte);
    QHash<QString, uint32_t> gesehen;
    for (uint32_t i = 0; i < anzahlTexte; ++i) {
        QString t = l.text();
        const auto it = gesehen.constFind(t);
        if (it != gesehen.constEnd()) {
            zuordnung[i] = *it;
        } else {
            zuordnung[i] = uint32_t(texte.size());
            gesehen.insert(t, zuordnung[i]);
            texte.push_back(std::move(t));
        }
    }
    const uint32_t zutaten = l.anzahl(8 + eintragGroesse);
    int64_t vorige = -1;
    for (uint32_t k = 0; k < zutaten; ++k) {
        const uint32_t nr = l.uint32();
        if (int64_t(nr) <= vorige)
            kaputt(); // positions ascend
        vorige = nr;
        const uint32_t n = l.anzahl(eintragGroesse);
        if (n == 0)
            kaputt();
        verlauf.resize(size_t(nr) + 1);
        auto& v = verlauf[nr];
        v.resize(n);
        for (TPreiseintrag& e : v) {
            e.datum = l.int32();
            e.preis = l.dbl();
            e.menge = l.dbl();
            const uint32_t einheit = l.uint32();
            const uint32_t lieferant = l.uint32();
            const uint8_t quelle = l.uint8();
            if (einheit >= anzahlTexte || lieferant >= anzahlTexte ||
                quelle > uint8_t(TPreisquelle::bestand) || !DatumAusZahl(e.datum).isValid())
                kaputt();
            e.einheit = zuordnung[einheit];
            e.lieferant = zuordnung[lieferant];
            e.quelle = TPreisquelle(quelle);
        }
    }
}

void TPreisverlauf::pruefe(uint32_t anzahlZutaten, uint32_t) const {
    if (verlauf.size() > anzahlZutaten)
        kaputt();
}

void TPreisverlauf::zutatEntfernt(uint32_t nr) {
    if (nr < verlauf.size())
        verlauf.erase(verlauf.begin() + nr);
}

void TPreisverlauf::datensaetzeGeleert() {
    verlauf.clear();
    texte.clear();
    index.clear();
}

bool PreiswerteGeaendert(const TZutatWerte& a, const TZutatWerte& b) {
    return a.preis != b.preis || a.menge != b.menge || a.einheit != b.einheit ||
           a.lieferant != b.lieferant;
}

namespace {
TPreisstand standVon(const TZutatWerte& w, TPreisquelle quelle) {
    return {TUhr::heute(), w.preis, w.menge, w.einheit, w.lieferant, quelle};
}
} // namespace

void MerkeNeueZutat(TDaten& d, uint32_t nr, TPreisquelle quelle) {
    verlaufVon(d).anhaengen(nr, standVon(werteVon(d.zutat(nr)), quelle));
}

void MerkeAenderung(TDaten& d, uint32_t nr, const TZutatWerte& vorher, TPreisquelle quelle) {
    const TZutatWerte nachher = werteVon(d.zutat(nr));
    if (!PreiswerteGeaendert(vorher, nachher))
        return;
    TPreisverlauf& v = verlaufVon(d);
    if (!v.hatVerlauf(nr))
        v.anhaengen(nr, standVon(vorher, TPreisquelle::bestand));
    v.anhaengen(nr, standVon(nachher, quelle));
}

TZutat& ZutatAnlegen(TDaten& d, const TZutatWerte& werte) {
    TZutat& z = ZutatHinzufuegen(d, werte);
    MerkeNeueZutat(d, d.anzahlZutaten() - 1, TPreisquelle::eingabe);
    return z;
}

bool ZutatAendern(TDaten& d, int nr, const TZutatWerte& werte) {
    if (nr < 0 || uint32_t(nr) >= d.anzahlZutaten())
        return false;
    const TZutatWerte vorher = werteVon(d.zutat(uint32_t(nr)));
    ZutatErsetzen(d, nr, werte);
    MerkeAenderung(d, uint32_t(nr), vorher, TPreisquelle::eingabe);
    return true;
}

const TPreiseintrag* StandAm(const std::vector<TPreiseintrag>& e, QDate tag) {
    const int32_t grenze = DatumZahl(tag);
    const TPreiseintrag* gefunden = nullptr;
    for (const TPreiseintrag& x : e)
        if (x.datum <= grenze && (!gefunden || x.datum >= gefunden->datum))
            gefunden = &x;
    return gefunden;
}
