#include "costing/deklaration.h"

#include "core/texte.h"

#include <algorithm>
#include <bit>

namespace {

TUnterrezeptAufloesung& aufloesung() {
    static TUnterrezeptAufloesung f;
    return f;
}

const TZutatDeklaration nichts{};

std::span<const TRezeptZutat> ZeilenVon(const TRezept& r) {
    if (!r.zutaten || r.zutaten->count == 0)
        return {};
    return {r.zutaten->at<TRezeptZutat>(0), r.zutaten->count};
}

void Besuche(const TDaten& d, std::span<const TRezeptZutat> zeilen,
             const std::function<void(const TFund&)>& besuch, QStringList& pfad,
             std::vector<uint32_t>& offen) {
    const TKennzeichnungAbschnitt& k = Kennzeichnung(d);
    const TUnterrezeptAufloesung& unter = aufloesung();
    for (const TRezeptZutat& zeile : zeilen) {
        const TZutat* z = d.zutatVon(zeile);
        if (!z) {
            besuch({-1, &nichts, &pfad});
            continue;
        }
        const uint32_t nr = uint32_t(zeile.zutatnr);
        if (unter) {
            if (const auto rezept = unter(d, nr); rezept && *rezept < d.anzahlRezepte()) {
                if (std::find(offen.begin(), offen.end(), *rezept) != offen.end()) {
                    besuch({zeile.zutatnr, &nichts, &pfad}); // a recipe inside itself
                    continue;
                }
                const TRezept& r = d.rezept(*rezept);
                pfad.append(Text(r.name));
                offen.push_back(*rezept);
                if (ZeilenVon(r).empty())
                    besuch({zeile.zutatnr, &nichts, &pfad}); // nothing about it is declared
                else
                    Besuche(d, ZeilenVon(r), besuch, pfad, offen);
                offen.pop_back();
                pfad.removeLast();
                continue;
            }
        }
        besuch({zeile.zutatnr, &k.deklaration(nr), &pfad});
    }
}

// Collects each responsible ingredient once, in the order it was first reached.
void Merke(std::vector<TUrsache>& liste, const TUrsache& u) {
    const auto gleich = [&](const TUrsache& v) {
        return v.zutatnr == u.zutatnr && v.pfad == u.pfad;
    };
    if (std::find_if(liste.begin(), liste.end(), gleich) == liste.end())
        liste.push_back(u);
}

QString Codes(uint16_t maske, const TKennzeichnungsTabelle& t, uint16_t arten = 0) {
    QStringList teile;
    for (int g = 0; g < AllergenGruppen; ++g) {
        if (!((maske >> g) & 1u))
            continue;
        QString teil = t.codes[size_t(g)];
        QStringList namen;
        for (int a = 0; a < ArtenAnzahl; ++a)
            if (ArtGruppe(a) == g && ((arten >> a) & 1u))
                namen << ArtName(a).toString();
        if (!namen.isEmpty())
            teil += QStringLiteral(" (%1)").arg(namen.join(QStringLiteral(", ")));
        teile << teil;
    }
    return teile.join(QStringLiteral(", "));
}

} // namespace

void SetzeUnterrezeptAufloesung(TUnterrezeptAufloesung f) {
    aufloesung() = std::move(f);
}

bool StehtFuerRezept(const TDaten& d, uint32_t zutat) {
    const TUnterrezeptAufloesung& unter = aufloesung();
    return unter && unter(d, zutat).has_value();
}

void BesucheZutaten(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                    const std::function<void(const TFund&)>& besuch) {
    QStringList pfad;
    std::vector<uint32_t> offen;
    Besuche(d, zeilen, besuch, pfad, offen);
}

TAllergenZustand TDeklaration::zustand(int gruppe) const {
    const uint16_t bit = uint16_t(1u << gruppe);
    if (enthaelt & bit)
        return TAllergenZustand::enthaelt;
    if (spuren & bit)
        return TAllergenZustand::spuren;
    if (ungeklaert & bit)
        return TAllergenZustand::ungeklaert;
    return TAllergenZustand::frei;
}

QString TUrsache::text() const {
    const QString wer = zutatnr < 0 ? QStringLiteral("(ohne Zutat)") : name;
    if (pfad.isEmpty())
        return wer;
    return QStringLiteral("%1 (über %2)").arg(wer, pfad.join(QStringLiteral(" › ")));
}

TDeklaration Deklaration(const TDaten& d, std::span<const TRezeptZutat> zeilen,
                         TNachweis* nachweis) {
    TDeklaration e;
    uint16_t spuren = 0, offen = 0;
    bool irgendeine = false;
    struct TGesehen {
        TUrsache ursache;
        const TZutatDeklaration* dekl;
    };
    std::vector<TGesehen> gesehen;
    BesucheZutaten(d, zeilen, [&](const TFund& f) {
        const TZutatDeklaration& z = *f.deklaration;
        irgendeine = true;
        e.enthaelt |= z.enthaelt;
        spuren |= z.spuren;
        offen |= uint16_t(AlleGruppen & ~(z.enthaelt | z.spuren | z.frei));
        e.arten |= z.arten;
        e.zusatzstoffe |= z.zusatzstoffe;
        e.zusatzstoffeUngeklaert |= !z.zusatzstoffeGeprueft;
        if (nachweis) {
            TUrsache u;
            u.zutatnr = f.zutatnr;
            if (f.zutatnr >= 0)
                u.name = Text(d.zutat(uint32_t(f.zutatnr)).name);
            u.pfad = *f.pfad;
            u.deklariertAm = z.deklariertAm();
            gesehen.push_back({std::move(u), &z});
        }
    });
    if (!irgendeine) {
        e.ungeklaert = AlleGruppen;
        e.zusatzstoffeUngeklaert = true;
    } else {
        e.spuren = spuren & uint16_t(~e.enthaelt);
        e.ungeklaert = offen & uint16_t(~(e.enthaelt | e.spuren));
    }
    if (!nachweis)
        return e;

    *nachweis = TNachweis();
    for (int g = 0; g < AllergenGruppen; ++g) {
        const TAllergenZustand z = e.zustand(g);
        if (z == TAllergenZustand::frei)
            continue;
        for (const TGesehen& s : gesehen)
            if (s.dekl->zustand(g) == z)
                Merke(nachweis->gruppen[size_t(g)], s.ursache);
    }
    for (int nr = 1; nr <= HoechsteZusatzstoffe; ++nr) {
        if (!((e.zusatzstoffe >> (nr - 1)) & 1u))
            continue;
        std::vector<TUrsache> wer;
        for (const TGesehen& s : gesehen)
            if (s.dekl->hatZusatzstoff(nr))
                Merke(wer, s.ursache);
        nachweis->zusatzstoffe.emplace_back(nr, std::move(wer));
    }
    for (const TGesehen& s : gesehen)
        if (!s.dekl->zusatzstoffeGeprueft)
            Merke(nachweis->ungepruefteZusatzstoffe, s.ursache);
    return e;
}

TDeklaration Deklaration(const TDaten& d, const TRezept& r, TNachweis* nachweis) {
    return Deklaration(d, ZeilenVon(r), nachweis);
}

QString TKennzeichnungsTeile::text() const {
    QStringList teile;
    for (const QString* t : {&allergene, &zusatzstoffe})
        if (!t->isEmpty())
            teile << *t;
    if (!spuren.isEmpty())
        teile << QStringLiteral("Spuren: ") + spuren;
    if (!ungeklaert.isEmpty())
        teile << QStringLiteral("ungeklärt: ") + ungeklaert;
    return teile.join(QStringLiteral("; "));
}

TKennzeichnungsTeile KennzeichnungsTeile(const TDeklaration& d, const TKennzeichnungsTabelle& t) {
    TKennzeichnungsTeile k;
    k.allergene = Codes(d.enthaelt, t, d.arten);
    QStringList zusatz;
    for (size_t i = 0; i < t.zusatzstoffe.size(); ++i)
        if ((d.zusatzstoffe >> i) & 1u)
            zusatz << t.zusatzstoffe[i].code;
    k.zusatzstoffe = zusatz.join(QStringLiteral(", "));
    k.spuren = Codes(d.spuren, t);
    k.ungeklaert = Codes(d.ungeklaert, t);
    if (d.zusatzstoffeUngeklaert)
        k.ungeklaert += (k.ungeklaert.isEmpty() ? QString() : QStringLiteral(", ")) +
                        QStringLiteral("Zusatzstoffe");
    return k;
}

QString KennzeichnungsText(const TDeklaration& d, const TKennzeichnungsTabelle& t) {
    return KennzeichnungsTeile(d, t).text();
}

std::vector<TLegendenEintrag> Legende(std::span<const TDeklaration> dekl,
                                      const TKennzeichnungsTabelle& t) {
    uint16_t gruppen = 0;
    uint64_t klassen = 0;
    for (const TDeklaration& d : dekl) {
        gruppen |= d.enthaelt | d.spuren | d.ungeklaert;
        klassen |= d.zusatzstoffe;
    }
    std::vector<TLegendenEintrag> l;
    for (int g = 0; g < AllergenGruppen; ++g)
        if ((gruppen >> g) & 1u)
            l.push_back({t.codes[size_t(g)], t.texte[size_t(g)]});
    for (size_t i = 0; i < t.zusatzstoffe.size(); ++i)
        if ((klassen >> i) & 1u)
            l.push_back({t.zusatzstoffe[i].code, t.zusatzstoffe[i].text});
    return l;
}
