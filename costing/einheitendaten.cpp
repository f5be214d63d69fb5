#include "costing/einheitendaten.h"

#include "core/bytes.h"
#include "core/fehler.h"
#include "core/texte.h"

#include <cmath>

namespace {

const bool gemeldet =
    MeldeAbschnitt({AbschnittTag("EINH"), QStringLiteral("Einheiten"), bezugZutaten | bezugRezepte,
                    [] { return std::unique_ptr<TAbschnitt>(new TEinheitenDaten); }});

[[noreturn]] void kaputt() {
    throw TFehler(QStringLiteral("Einheiten beschädigt"));
}

enum : uint8_t { mitStueckgewicht = 1, mitDichte = 2, mitInhalt = 4 };

const TEinheitenDaten* datenVon(const TDaten& d) {
    return static_cast<const TEinheitenDaten*>(d.erweiterung.finde(TEinheitenDaten::art().tag));
}

} // namespace

const TAbschnittArt& TEinheitenDaten::art() {
    Q_UNUSED(gemeldet);
    return *AbschnittArt(AbschnittTag("EINH"));
}

const TEinheitFakten& TEinheitenDaten::fakten(uint32_t zutat) const {
    static const TEinheitFakten keine;
    return zutat < faktenListe.size() ? faktenListe[zutat] : keine;
}

void TEinheitenDaten::setzeFakten(uint32_t zutat, const TEinheitFakten& f) {
    if (zutat >= faktenListe.size()) {
        if (f.leer())
            return;
        faktenListe.resize(size_t(zutat) + 1);
    }
    faktenListe[zutat] = f;
}

uint32_t TEinheitenDaten::textIndex(const QString& t) {
    const auto it = index.constFind(t);
    if (it != index.constEnd())
        return *it;
    texte.push_back(t);
    index.insert(t, uint32_t(texte.size() - 1));
    return uint32_t(texte.size() - 1);
}

std::optional<TEingabe> TEinheitenDaten::eingabe(uint32_t rezept, uint32_t zeile) const {
    if (rezept >= eingaben.size() || zeile >= eingaben[rezept].size())
        return std::nullopt;
    const TRoh& r = eingaben[rezept][zeile];
    if (r.einheit == ohne)
        return std::nullopt;
    return TEingabe{r.menge, texte[r.einheit]};
}

void TEinheitenDaten::setzeEingabe(uint32_t rezept, uint32_t zeile,
                                   const std::optional<TEingabe>& e) {
    if (!e && eingabe(rezept, zeile) == std::nullopt)
        return;
    if (rezept >= eingaben.size())
        eingaben.resize(size_t(rezept) + 1);
    auto& z = eingaben[rezept];
    if (zeile >= z.size())
        z.resize(size_t(zeile) + 1);
    z[zeile] = e ? TRoh{e->menge, textIndex(e->einheit)} : TRoh{};
}

void TEinheitenDaten::setzeEingaben(uint32_t rezept,
                                    const std::vector<std::optional<TEingabe>>& e) {
    // The recipe gets its place even without entries: rezeptKopiert then knows that its
    // lines were set already.
    if (rezept >= eingaben.size())
        eingaben.resize(size_t(rezept) + 1);
    eingaben[rezept].assign(e.size(), TRoh{});
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i])
            eingaben[rezept][i] = {e[i]->menge, textIndex(e[i]->einheit)};
}

bool TEinheitenDaten::hatEingaben(uint32_t rezept) const {
    if (rezept >= eingaben.size())
        return false;
    for (const TRoh& r : eingaben[rezept])
        if (r.einheit != ohne)
            return true;
    return false;
}

bool TEinheitenDaten::leer() const {
    for (const TEinheitFakten& f : faktenListe)
        if (!f.leer())
            return false;
    for (uint32_t r = 0; r < eingaben.size(); ++r)
        if (hatEingaben(r))
            return false;
    return true;
}

// The unit table holds only the texts in use, in the order of first use, so that the same
// data gives the same bytes however it came about.
void TEinheitenDaten::schreibe(TByteSchreiber& s) const {
    std::vector<uint32_t> neu(texte.size(), ohne);
    std::vector<uint32_t> folge;
    int32_t rezepte = 0;
    for (uint32_t r = 0; r < eingaben.size(); ++r) {
        if (!hatEingaben(r))
            continue;
        ++rezepte;
        for (const TRoh& e : eingaben[r])
            if (e.einheit != ohne && neu[e.einheit] == ohne) {
                neu[e.einheit] = uint32_t(folge.size());
                folge.push_back(e.einheit);
            }
    }
    s.int32(int32_t(folge.size()));
    for (uint32_t i : folge)
        s.text(texte[i]);

    int32_t zutaten = 0;
    for (const TEinheitFakten& f : faktenListe)
        zutaten += f.leer() ? 0 : 1;
    s.int32(zutaten);
    for (uint32_t nr = 0; nr < faktenListe.size(); ++nr) {
        const TEinheitFakten& f = faktenListe[nr];
        if (f.leer())
            continue;
        s.uint32(nr);
        s.uint8(uint8_t((f.stueckgewicht ? mitStueckgewicht : 0) | (f.dichte ? mitDichte : 0) |
                        (f.inhalt ? mitInhalt : 0)));
        if (f.stueckgewicht)
            s.dbl(*f.stueckgewicht);
        if (f.dichte)
            s.dbl(*f.dichte);
        if (f.inhalt) {
            s.dbl(f.inhalt->menge);
            s.text(f.inhalt->einheit);
        }
    }

    s.int32(rezepte);
    for (uint32_t r = 0; r < eingaben.size(); ++r) {
        if (!hatEingaben(r))
            continue;
        s.uint32(r);
        int32_t n = 0;
        for (const TRoh& e : eingaben[r])
            n += e.einheit != ohne ? 1 : 0;
        s.int32(n);
        for (uint32_t z = 0; z < eingaben[r].size(); ++z) {
            const TRoh& e = eingaben[r][z];
            if (e.einheit == ohne)
                continue;
            s.uint32(z);
            s.dbl(e.menge);
            s.uint32(neu[e.einheit]);
        }
    }
}

void TEinheitenDaten::lese(TByteLeser& l) {
    const uint32_t anzahlTexte = l.anzahl(4);
    std::vector<uint32_t> zuordnung(anzahlTexte);
    for (uint32_t i = 0; i < anzahlTexte; ++i)
        zuordnung[i] = textIndex(l.text());

    const uint32_t zutaten = l.anzahl(5);
    int64_t vorige = -1;
    for (uint32_t k = 0; k < zutaten; ++k) {
        const uint32_t nr = l.uint32();
        if (int64_t(nr) <= vorige)
            kaputt(); // positions ascend
        vorige = nr;
        const uint8_t maske = l.uint8();
        if (maske == 0 || maske > (mitStueckgewicht | mitDichte | mitInhalt))
            kaputt();
        TEinheitFakten f;
        if (maske & mitStueckgewicht)
            f.stueckgewicht = l.dbl();
        if (maske & mitDichte)
            f.dichte = l.dbl();
        if (maske & mitInhalt) {
            TInhalt i;
            i.menge = l.dbl();
            i.einheit = l.text();
            f.inhalt = std::move(i);
        }
        // A fact that no conversion could use would turn amounts into nonsense.
        if (f.stueckgewicht && !(*f.stueckgewicht > 0 && std::isfinite(*f.stueckgewicht)))
            kaputt();
        if (f.dichte && !(*f.dichte > 0 && std::isfinite(*f.dichte)))
            kaputt();
        if (f.inhalt && !(f.inhalt->menge > 0 && std::isfinite(f.inhalt->menge) &&
                          BekannteEinheit(f.inhalt->einheit)))
            kaputt();
        setzeFakten(nr, f);
    }

    const uint32_t rezepte = l.anzahl(8);
    vorige = -1;
    for (uint32_t k = 0; k < rezepte; ++k) {
        const uint32_t nr = l.uint32();
        if (int64_t(nr) <= vorige)
            kaputt();
        vorige = nr;
        const uint32_t n = l.anzahl(16);
        if (n == 0)
            kaputt();
        if (nr >= eingaben.size())
            eingaben.resize(size_t(nr) + 1);
        auto& zeilen = eingaben[nr];
        int64_t vorigeZeile = -1;
        for (uint32_t i = 0; i < n; ++i) {
            const uint32_t z = l.uint32();
            const double menge = l.dbl();
            const uint32_t t = l.uint32();
            if (int64_t(z) <= vorigeZeile || t >= anzahlTexte || !std::isfinite(menge))
                kaputt();
            vorigeZeile = z;
            if (z >= zeilen.size()) {
                // Lines come in order: the last line index gives the size at once.
                zeilen.reserve(std::max<size_t>(size_t(z) + 1, size_t(n)));
                zeilen.resize(size_t(z) + 1);
            }
            zeilen[z] = {menge, zuordnung[t]};
        }
    }
}

void TEinheitenDaten::pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const {
    if (faktenListe.size() > anzahlZutaten || eingaben.size() > anzahlRezepte)
        kaputt();
}

void TEinheitenDaten::zutatEntfernt(uint32_t nr) {
    if (nr < faktenListe.size())
        faktenListe.erase(faktenListe.begin() + nr);
}

void TEinheitenDaten::rezeptEntfernt(uint32_t nr) {
    if (nr < eingaben.size())
        eingaben.erase(eingaben.begin() + nr);
}

// A copy made through the recipe dialog got its entries from the dialog's rows, where
// the lines may have changed; only a copy that has none yet takes those of its source.
void TEinheitenDaten::rezeptKopiert(uint32_t von, uint32_t nach) {
    if (von >= eingaben.size() || nach < eingaben.size())
        return;
    if (nach >= eingaben.size())
        eingaben.resize(size_t(nach) + 1);
    eingaben[nach] = eingaben[von];
}

void TEinheitenDaten::datensaetzeGeleert() {
    faktenListe.clear();
    eingaben.clear();
    texte.clear();
    index.clear();
}

const TEinheitFakten& FaktenVon(const TDaten& d, uint32_t zutat) {
    static const TEinheitFakten keine;
    const TEinheitenDaten* e = datenVon(d);
    return e ? e->fakten(zutat) : keine;
}

std::optional<TEingabe> EingabeVon(const TDaten& d, uint32_t rezept, uint32_t zeile) {
    const TEinheitenDaten* e = datenVon(d);
    return e ? e->eingabe(rezept, zeile) : std::nullopt;
}

TEingabe WieEingegeben(const TDaten& d, uint32_t rezept, uint32_t zeile) {
    if (auto e = EingabeVon(d, rezept, zeile))
        return std::move(*e);
    const TRezept& r = d.rezept(rezept);
    const TRezeptZutat& l = *r.zutaten->at<TRezeptZutat>(zeile);
    const TZutat* z = d.zutatVon(l);
    return {l.menge, z ? Text(z->einheit) : QString()};
}
