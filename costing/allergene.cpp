#include "costing/allergene.h"

#include "core/bytes.h"
#include "core/fehler.h"

#include <QSet>

#include <bit>

namespace {

constexpr std::array<TAllergenVorgabe, AllergenGruppen> vorgaben = {{
    {u"gluten", u"A", u"Glutenhaltiges Getreide"},
    {u"krebstiere", u"B", u"Krebstiere"},
    {u"eier", u"C", u"Eier"},
    {u"fisch", u"D", u"Fisch"},
    {u"erdnuesse", u"E", u"Erdnüsse"},
    {u"soja", u"F", u"Soja"},
    {u"milch", u"G", u"Milch (einschl. Laktose)"},
    {u"schalenfruechte", u"H", u"Schalenfrüchte"},
    {u"sellerie", u"L", u"Sellerie"},
    {u"senf", u"M", u"Senf"},
    {u"sesam", u"N", u"Sesamsamen"},
    {u"sulfite", u"O", u"Schwefeldioxid und Sulfite"},
    {u"lupinen", u"P", u"Lupinen"},
    {u"weichtiere", u"R", u"Weichtiere"},
}};

constexpr std::array<QStringView, ArtenAnzahl> arten = {
    u"Weizen",     u"Roggen",    u"Gerste",     u"Hafer",         u"Dinkel",
    u"Kamut",      u"Mandeln",   u"Haselnüsse", u"Walnüsse",      u"Cashewnüsse",
    u"Pecannüsse", u"Paranüsse", u"Pistazien",  u"Macadamianüsse"};

constexpr uint16_t glutenArten = 0x3f;
constexpr uint16_t nussArten = 0xff << 6;

constexpr std::array<QStringView, 15> zusatzTexte = {u"mit Konservierungsstoff",
                                                     u"mit Farbstoff",
                                                     u"mit Antioxidationsmittel",
                                                     u"mit Süßungsmittel",
                                                     u"mit einer Zuckerart und Süßungsmitteln",
                                                     u"enthält eine Phenylalaninquelle",
                                                     u"mit Phosphat",
                                                     u"geschwefelt",
                                                     u"chininhaltig",
                                                     u"koffeinhaltig",
                                                     u"mit Geschmacksverstärker",
                                                     u"geschwärzt",
                                                     u"gewachst",
                                                     u"mit Nitritpökelsalz",
                                                     u"gentechnisch verändert"};

[[noreturn]] void beschaedigt() {
    throw TFehler(QStringLiteral("Die Kennzeichnung einer Zutat ist beschädigt"));
}

constexpr uint32_t hoechstePosition = 1u << 22;

uint64_t klassenMaske(size_t anzahl) {
    return anzahl >= 64 ? ~uint64_t(0) : (uint64_t(1) << anzahl) - 1;
}

const bool gemeldet = MeldeAbschnitt(
    {AbschnittTag("KENN"), QStringLiteral("Allergene und Zusatzstoffe"), bezugZutaten,
     [] { return std::unique_ptr<TAbschnitt>(new TKennzeichnungAbschnitt); }});

} // namespace

QString ZustandsText(TAllergenZustand z) {
    switch (z) {
    case TAllergenZustand::enthaelt:
        return QStringLiteral("enthält");
    case TAllergenZustand::spuren:
        return QStringLiteral("Spuren");
    case TAllergenZustand::frei:
        return QStringLiteral("frei");
    case TAllergenZustand::ungeklaert:
        break;
    }
    return QStringLiteral("ungeklärt");
}

const std::array<TAllergenVorgabe, AllergenGruppen>& AllergenVorgaben() {
    return vorgaben;
}

int AllergenGruppe(QStringView schluessel) {
    for (int g = 0; g < AllergenGruppen; ++g)
        if (vorgaben[size_t(g)].schluessel == schluessel)
            return g;
    return -1;
}

QStringView ArtName(int art) {
    return arten[size_t(art)];
}

int ArtGruppe(int art) {
    return art < 6 ? GruppeGluten : GruppeSchalenfruechte;
}

uint16_t ArtenVon(int gruppe) {
    return gruppe == GruppeGluten ? glutenArten : gruppe == GruppeSchalenfruechte ? nussArten : 0;
}

TKennzeichnungsTabelle TKennzeichnungsTabelle::vorgabe() {
    TKennzeichnungsTabelle t;
    for (size_t g = 0; g < vorgaben.size(); ++g) {
        t.codes[g] = vorgaben[g].code.toString();
        t.texte[g] = vorgaben[g].text.toString();
    }
    for (size_t i = 0; i < zusatzTexte.size(); ++i)
        t.zusatzstoffe.push_back({QString::number(i + 1), zusatzTexte[i].toString()});
    return t;
}

void TKennzeichnungsTabelle::pruefe() const {
    if (zusatzstoffe.size() > size_t(HoechsteZusatzstoffe))
        throw TFehler(
            QStringLiteral("Es gibt höchstens %1 Zusatzstoffklassen").arg(HoechsteZusatzstoffe));
    QSet<QString> gesehen;
    const auto pruefeCode = [&](const QString& code, const QString& wer) {
        if (code.trimmed().isEmpty())
            throw TFehler(QStringLiteral("%1 hat keinen Code").arg(wer));
        if (code.contains(QLatin1Char(',')) || code.contains(QLatin1Char(';')))
            throw TFehler(QStringLiteral("Der Code „%1“ (%2) darf weder Komma noch Semikolon "
                                         "enthalten")
                              .arg(code, wer));
        if (gesehen.contains(code))
            throw TFehler(QStringLiteral("Der Code „%1“ (%2) ist schon vergeben").arg(code, wer));
        gesehen.insert(code);
    };
    for (size_t g = 0; g < codes.size(); ++g)
        pruefeCode(codes[g], texte[g].isEmpty() ? vorgaben[g].text.toString() : texte[g]);
    for (size_t i = 0; i < zusatzstoffe.size(); ++i)
        pruefeCode(zusatzstoffe[i].code, QStringLiteral("Zusatzstoff %1").arg(i + 1));
}

TAllergenZustand TZutatDeklaration::zustand(int gruppe) const {
    const uint16_t bit = uint16_t(1u << gruppe);
    if (enthaelt & bit)
        return TAllergenZustand::enthaelt;
    if (spuren & bit)
        return TAllergenZustand::spuren;
    if (frei & bit)
        return TAllergenZustand::frei;
    return TAllergenZustand::ungeklaert;
}

void TZutatDeklaration::setze(int gruppe, TAllergenZustand z) {
    const uint16_t bit = uint16_t(1u << gruppe);
    enthaelt &= uint16_t(~bit);
    spuren &= uint16_t(~bit);
    frei &= uint16_t(~bit);
    switch (z) {
    case TAllergenZustand::enthaelt:
        enthaelt |= bit;
        return;
    case TAllergenZustand::spuren:
        spuren |= bit;
        break;
    case TAllergenZustand::frei:
        frei |= bit;
        break;
    case TAllergenZustand::ungeklaert:
        break;
    }
    arten &= uint16_t(~ArtenVon(gruppe));
}

void TZutatDeklaration::setzeZusatzstoff(int nr, bool an) {
    const uint64_t bit = uint64_t(1) << (nr - 1);
    zusatzstoffe = an ? zusatzstoffe | bit : zusatzstoffe & ~bit;
}

const TZutatDeklaration TKennzeichnungAbschnitt::keine{};

const TAbschnittArt& TKennzeichnungAbschnitt::art() {
    Q_UNUSED(gemeldet);
    return *AbschnittArt(AbschnittTag("KENN"));
}

const TKennzeichnungAbschnitt& Kennzeichnung(const TDaten& d) {
    static const TKennzeichnungAbschnitt leer;
    const TAbschnitt* a = d.erweiterung.finde(TKennzeichnungAbschnitt::art().tag);
    return a ? static_cast<const TKennzeichnungAbschnitt&>(*a) : leer;
}

void TKennzeichnungAbschnitt::setze(uint32_t nr, const TZutatDeklaration& d) {
    if (nr >= zutaten.size()) {
        if (d.leer())
            return;
        zutaten.resize(nr + 1);
    }
    zutaten[nr] = d;
    while (!zutaten.empty() && zutaten.back().leer())
        zutaten.pop_back();
}

int TKennzeichnungAbschnitt::neueKlasse(const TZusatzstoffKlasse& k) {
    TKennzeichnungsTabelle neu = tabelle;
    neu.zusatzstoffe.push_back(k);
    neu.pruefe();
    tabelle = std::move(neu);
    return int(tabelle.zusatzstoffe.size());
}

bool TKennzeichnungAbschnitt::leer() const {
    return zutaten.empty() && tabelle == TKennzeichnungsTabelle::vorgabe();
}

// Content: the 14 groups' code and text; the class count and each class's code and
// text; the count of declared ingredients and each one's position, states (two bits
// per group), kinds, flags, date and additive bytes.
void TKennzeichnungAbschnitt::schreibe(TByteSchreiber& s) const {
    for (size_t g = 0; g < tabelle.codes.size(); ++g) {
        s.text(tabelle.codes[g]);
        s.text(tabelle.texte[g]);
    }
    s.int32(int32_t(tabelle.zusatzstoffe.size()));
    for (const TZusatzstoffKlasse& k : tabelle.zusatzstoffe) {
        s.text(k.code);
        s.text(k.text);
    }
    int32_t anzahl = 0;
    for (const TZutatDeklaration& d : zutaten)
        anzahl += d.leer() ? 0 : 1;
    s.int32(anzahl);
    for (uint32_t nr = 0; nr < zutaten.size(); ++nr) {
        const TZutatDeklaration& d = zutaten[nr];
        if (d.leer())
            continue;
        uint32_t zustaende = 0;
        for (int g = 0; g < AllergenGruppen; ++g)
            zustaende |= uint32_t(d.zustand(g)) << (2 * g);
        s.uint32(nr);
        s.uint32(zustaende);
        s.uint16(d.arten);
        s.uint8(d.zusatzstoffeGeprueft ? 1 : 0);
        s.int32(d.datum);
        const int bytes = (std::bit_width(d.zusatzstoffe) + 7) / 8;
        s.uint8(uint8_t(bytes));
        for (int i = 0; i < bytes; ++i)
            s.uint8(uint8_t(d.zusatzstoffe >> (8 * i)));
    }
}

void TKennzeichnungAbschnitt::lese(TByteLeser& l) {
    TKennzeichnungsTabelle t;
    for (size_t g = 0; g < t.codes.size(); ++g) {
        t.codes[g] = l.text();
        t.texte[g] = l.text();
    }
    const uint32_t klassen = l.anzahl(8);
    if (klassen > uint32_t(HoechsteZusatzstoffe))
        beschaedigt();
    for (uint32_t i = 0; i < klassen; ++i) {
        TZusatzstoffKlasse k;
        k.code = l.text();
        k.text = l.text();
        t.zusatzstoffe.push_back(std::move(k));
    }
    std::vector<TZutatDeklaration> neu;
    const uint32_t anzahl = l.anzahl(16);
    for (uint32_t i = 0; i < anzahl; ++i) {
        const uint32_t nr = l.uint32();
        // Ascending, and below a bound that keeps a damaged position from claiming memory
        // no real catalogue needs.
        if (nr < neu.size() || nr >= hoechstePosition)
            beschaedigt();
        TZutatDeklaration d;
        const uint32_t zustaende = l.uint32();
        if (zustaende >> (2 * AllergenGruppen))
            beschaedigt();
        for (int g = 0; g < AllergenGruppen; ++g)
            d.setze(g, TAllergenZustand((zustaende >> (2 * g)) & 3u));
        d.arten = l.uint16();
        const uint8_t flags = l.uint8();
        d.datum = l.int32();
        const uint8_t bytes = l.uint8();
        if (flags > 1 || bytes > 8)
            beschaedigt();
        d.zusatzstoffeGeprueft = flags & 1u;
        for (int b = 0; b < bytes; ++b)
            d.zusatzstoffe |= uint64_t(l.uint8()) << (8 * b);
        uint16_t erlaubt = 0;
        for (int g : {GruppeGluten, GruppeSchalenfruechte})
            if (d.zustand(g) == TAllergenZustand::enthaelt)
                erlaubt |= ArtenVon(g);
        if ((d.arten & ~erlaubt) || (d.zusatzstoffe & ~klassenMaske(klassen)) || d.leer())
            beschaedigt();
        neu.resize(nr + 1);
        neu[nr] = d;
    }
    tabelle = std::move(t);
    zutaten = std::move(neu);
}

void TKennzeichnungAbschnitt::pruefe(uint32_t anzahlZutaten, uint32_t) const {
    if (zutaten.size() > anzahlZutaten)
        throw TFehler(
            QStringLiteral("Eine Kennzeichnung gehört zu einer Zutat, die es nicht gibt"));
    tabelle.pruefe();
}

void TKennzeichnungAbschnitt::zutatEntfernt(uint32_t nr) {
    if (nr < zutaten.size())
        zutaten.erase(zutaten.begin() + nr);
    while (!zutaten.empty() && zutaten.back().leer())
        zutaten.pop_back();
}
