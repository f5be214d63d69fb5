// Allergens and additives in the JSON form. Per ingredient: "allergene" {KEY: state},
// "arten" {"gluten": [...], "schalenfruechte": [...]}, "zusatzstoffe" [NR, ...],
// "zusatzstoffe_geprueft", "deklariert_am" "JJJJ-MM-TT"; at the top level
// "kennzeichnung" {"allergene": {KEY: {"code", "text"}}, "zusatzstoffe": [{"nr", "code",
// "text"}]}. Anything left out takes its default.
#include "core/fehler.h"
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "exchange/jsonbibliothek.h"
#include "exchange/jsonschluessel.h"

#include <QRegularExpression>

#include <array>

namespace {

constexpr std::array<std::string_view, AllergenGruppen> gruppenNamen = {
    "gluten",          "krebstiere", "eier", "fisch", "erdnuesse", "soja",    "milch",
    "schalenfruechte", "sellerie",   "senf", "sesam", "sulfite",   "lupinen", "weichtiere"};
constexpr std::array<std::string_view, 4> zustandNamen = {"ungeklaert", "enthaelt", "spuren",
                                                          "frei"};
constexpr std::array<std::string_view, 2> artGruppen = {"gluten", "schalenfruechte"};
constexpr std::array<std::string_view, 2> tabellenNamen = {"allergene", "zusatzstoffe"};
constexpr std::array<std::string_view, 2> codeNamen = {"code", "text"};
constexpr std::array<std::string_view, 3> klassenNamen = {"nr", "code", "text"};

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

const TZutatDeklaration& deklaration(const TDaten& d, const TJsonOrt& ort) {
    return Kennzeichnung(d).deklaration(ort.nr);
}

// Every key of an ingredient: a sub-recipe's declaration is computed, never given.
bool eigene(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!StehtFuerRezept(d, ort.nr))
        return true;
    l.fehler(w.pfad, QStringLiteral("ein Unterrezept hat keine eigene Kennzeichnung; sie "
                                    "ergibt sich aus seinen Zutaten"));
    return false;
}

// --- "allergene" ---

bool allergeneDa(const TDaten& d, const TJsonOrt& ort) {
    const TZutatDeklaration& z = deklaration(d, ort);
    return (z.enthaelt | z.spuren | z.frei) != 0;
}

void allergeneSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    const TZutatDeklaration& z = deklaration(d, ort);
    aus.objektAnfang();
    for (int g = 0; g < AllergenGruppen; ++g) {
        const TAllergenZustand s = z.zustand(g);
        if (s == TAllergenZustand::ungeklaert)
            continue;
        aus.schluessel(gruppenNamen[size_t(g)]);
        aus.text(Text(zustandNamen[size_t(s)]));
    }
    aus.objektEnde();
}

void allergeneLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!eigene(d, ort, w, l))
        return;
    TZutatDeklaration z = deklaration(d, ort);
    const uint16_t arten = z.arten;
    l.objekt(w, std::span(gruppenNamen), nullptr, [&](int g, const TJsonWert& v) {
        const auto t = l.text(v);
        if (!t)
            return;
        for (size_t s = 0; s < zustandNamen.size(); ++s)
            if (*t == Text(zustandNamen[s])) {
                z.setze(g, TAllergenZustand(s));
                return;
            }
        l.fehler(v.pfad, QStringLiteral("\"%1\" ist kein Zustand (enthaelt, spuren, frei, "
                                        "ungeklaert)")
                             .arg(*t));
    });
    if (z.arten != arten)
        l.fehler(w.pfad, QStringLiteral("nennt eine Gruppe mit Arten nicht als \"enthaelt\""));
    Kennzeichnung(d).setze(ort.nr, z);
}

// --- "arten" ---

bool artenDa(const TDaten& d, const TJsonOrt& ort) {
    return deklaration(d, ort).arten != 0;
}

void artenSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    const TZutatDeklaration& z = deklaration(d, ort);
    aus.objektAnfang();
    for (int gruppe : {GruppeGluten, GruppeSchalenfruechte}) {
        if (!(z.arten & ArtenVon(gruppe)))
            continue;
        aus.schluessel(gruppenNamen[size_t(gruppe)]);
        aus.listeAnfang();
        for (int a = 0; a < ArtenAnzahl; ++a)
            if (ArtGruppe(a) == gruppe && ((z.arten >> a) & 1u))
                aus.text(ArtName(a));
        aus.listeEnde();
    }
    aus.objektEnde();
}

void artenLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!eigene(d, ort, w, l))
        return;
    TZutatDeklaration z = deklaration(d, ort);
    l.objekt(w, std::span(artGruppen), nullptr, [&](int k, const TJsonWert& v) {
        const int gruppe = k == 0 ? GruppeGluten : GruppeSchalenfruechte;
        if (z.zustand(gruppe) != TAllergenZustand::enthaelt) {
            l.fehler(v.pfad, QStringLiteral("Arten nur für eine Gruppe, die \"allergene\" "
                                            "davor als \"enthaelt\" nennt"));
            return;
        }
        l.liste(v, [&](const TJsonWert& e) {
            const auto t = l.text(e);
            if (!t)
                return;
            for (int a = 0; a < ArtenAnzahl; ++a)
                if (ArtGruppe(a) == gruppe && ArtName(a) == *t) {
                    z.arten |= uint16_t(1u << a);
                    return;
                }
            l.fehler(e.pfad, QStringLiteral("\"%1\" ist keine Art von %2")
                                 .arg(*t, Text(gruppenNamen[size_t(gruppe)])));
        });
    });
    Kennzeichnung(d).setze(ort.nr, z);
}

// --- "zusatzstoffe" ---

bool zusatzDa(const TDaten& d, const TJsonOrt& ort) {
    return deklaration(d, ort).zusatzstoffe != 0;
}

void zusatzSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    const TZutatDeklaration& z = deklaration(d, ort);
    aus.listeAnfang();
    for (int nr = 1; nr <= HoechsteZusatzstoffe; ++nr)
        if (z.hatZusatzstoff(nr))
            aus.ganzzahl(nr);
    aus.listeEnde();
}

// A class beyond the table gets a plain entry, "Zusatzstoff N" with code N, so that the
// data stay whole; the top-level table, read after the ingredients, names it properly.
void klasseBis(TKennzeichnungAbschnitt& k, int nr) {
    auto& klassen = k.tabelle.zusatzstoffe;
    while (int(klassen.size()) < nr) {
        const int n = int(klassen.size()) + 1;
        klassen.push_back({QString::number(n), QStringLiteral("Zusatzstoff %1").arg(n)});
    }
}

void zusatzLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!eigene(d, ort, w, l))
        return;
    TZutatDeklaration z = deklaration(d, ort);
    l.liste(w, [&](const TJsonWert& e) {
        if (const auto nr = l.ganzzahl(e, 1, HoechsteZusatzstoffe)) {
            klasseBis(Kennzeichnung(d), int(*nr));
            z.setzeZusatzstoff(int(*nr), true);
        }
    });
    Kennzeichnung(d).setze(ort.nr, z);
}

// --- "zusatzstoffe_geprueft" ---

bool geprueftDa(const TDaten& d, const TJsonOrt& ort) {
    return deklaration(d, ort).zusatzstoffeGeprueft;
}

void geprueftSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    aus.wahrheit(deklaration(d, ort).zusatzstoffeGeprueft);
}

void geprueftLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!eigene(d, ort, w, l))
        return;
    if (!w.wert.IsBool()) {
        l.fehler(w.pfad, QStringLiteral("true oder false erwartet"));
        return;
    }
    TZutatDeklaration z = deklaration(d, ort);
    z.zusatzstoffeGeprueft = w.wert.GetBool();
    Kennzeichnung(d).setze(ort.nr, z);
}

// --- "deklariert_am" ---

bool datumDa(const TDaten& d, const TJsonOrt& ort) {
    return deklaration(d, ort).datum != 0;
}

void datumSchreiben(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    const QDate t = deklaration(d, ort).deklariertAm();
    aus.text(QStringLiteral("%1-%2-%3")
                 .arg(t.year(), 4, 10, QLatin1Char('0'))
                 .arg(t.month(), 2, 10, QLatin1Char('0'))
                 .arg(t.day(), 2, 10, QLatin1Char('0')));
}

void datumLesen(TDaten& d, const TJsonOrt& ort, const TJsonWert& w, TJsonLeser& l) {
    if (!eigene(d, ort, w, l))
        return;
    const auto t = l.text(w);
    if (!t)
        return;
    static const QRegularExpression muster(QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)$"));
    const QRegularExpressionMatch m = muster.match(*t);
    const QDate tag =
        m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                     : QDate();
    if (!tag.isValid()) {
        l.fehler(w.pfad, QStringLiteral("\"%1\" ist kein Datum JJJJ-MM-TT").arg(*t));
        return;
    }
    TZutatDeklaration z = deklaration(d, ort);
    z.datum = int32_t(tag.toJulianDay());
    Kennzeichnung(d).setze(ort.nr, z);
}

// --- "kennzeichnung" at the top level ---

bool tabelleDa(const TDaten& d, const TJsonOrt&) {
    return !(Kennzeichnung(d).tabelle == TKennzeichnungsTabelle::vorgabe());
}

void tabelleSchreiben(const TDaten& d, const TJsonOrt&, TJsonAusgabe& aus) {
    const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
    aus.objektAnfang();
    aus.schluessel(tabellenNamen[0]);
    aus.objektAnfang();
    for (int g = 0; g < AllergenGruppen; ++g) {
        aus.schluessel(gruppenNamen[size_t(g)]);
        aus.objektAnfang();
        aus.schluessel(codeNamen[0]);
        aus.text(t.codes[size_t(g)]);
        aus.schluessel(codeNamen[1]);
        aus.text(t.texte[size_t(g)]);
        aus.objektEnde();
    }
    aus.objektEnde();
    aus.schluessel(tabellenNamen[1]);
    aus.listeAnfang();
    for (size_t i = 0; i < t.zusatzstoffe.size(); ++i) {
        aus.objektAnfang();
        aus.schluessel(klassenNamen[0]);
        aus.ganzzahl(int64_t(i + 1));
        aus.schluessel(klassenNamen[1]);
        aus.text(t.zusatzstoffe[i].code);
        aus.schluessel(klassenNamen[2]);
        aus.text(t.zusatzstoffe[i].text);
        aus.objektEnde();
    }
    aus.listeEnde();
    aus.objektEnde();
}

void tabelleLesen(TDaten& d, const TJsonOrt&, const TJsonWert& w, TJsonLeser& l) {
    TKennzeichnungAbschnitt& k = Kennzeichnung(d);
    TKennzeichnungsTabelle t = TKennzeichnungsTabelle::vorgabe();
    // Classes the ingredients named beyond the defaults stay, unless given here.
    for (size_t i = t.zusatzstoffe.size(); i < k.tabelle.zusatzstoffe.size(); ++i)
        t.zusatzstoffe.push_back(k.tabelle.zusatzstoffe[i]);
    const qsizetype vorher = l.fehlerAnzahl();
    l.objekt(w, std::span(tabellenNamen), nullptr, [&](int teil, const TJsonWert& v) {
        if (teil == 0) {
            l.objekt(v, std::span(gruppenNamen), nullptr, [&](int g, const TJsonWert& e) {
                l.objekt(e, std::span(codeNamen), nullptr, [&](int f, const TJsonWert& x) {
                    if (const auto s = l.text(x))
                        (f == 0 ? t.codes : t.texte)[size_t(g)] = *s;
                });
            });
            return;
        }
        l.liste(v, [&](const TJsonWert& e) {
            std::optional<int64_t> nr;
            TZusatzstoffKlasse klasse;
            bool code = false, text = false;
            const bool objekt =
                l.objekt(e, std::span(klassenNamen), nullptr, [&](int f, const TJsonWert& x) {
                    if (f == 0) {
                        nr = l.ganzzahl(x, 1, HoechsteZusatzstoffe);
                    } else if (const auto s = l.text(x)) {
                        (f == 1 ? klasse.code : klasse.text) = *s;
                        (f == 1 ? code : text) = true;
                    }
                });
            if (!objekt || !nr) {
                if (objekt && !nr && l.fehlerAnzahl() == vorher)
                    l.fehler(TJsonPfad{&e.pfad, klassenNamen[0]}, QStringLiteral("fehlt"));
                return;
            }
            while (int64_t(t.zusatzstoffe.size()) < *nr) {
                const int n = int(t.zusatzstoffe.size()) + 1;
                t.zusatzstoffe.push_back(
                    {QString::number(n), QStringLiteral("Zusatzstoff %1").arg(n)});
            }
            TZusatzstoffKlasse& ziel = t.zusatzstoffe[size_t(*nr - 1)];
            if (code)
                ziel.code = klasse.code;
            if (text)
                ziel.text = klasse.text;
        });
    });
    if (l.fehlerAnzahl() != vorher)
        return;
    try {
        t.pruefe();
    } catch (const TFehler& f) {
        l.fehler(w.pfad, f.meldung());
        return;
    }
    k.tabelle = std::move(t);
}

} // namespace

extern const bool jsonKennzeichnungGemeldet;
const bool jsonKennzeichnungGemeldet =
    MeldeJsonSchluessel({TJsonEbene::zutat, "allergene", &allergeneDa, &allergeneSchreiben,
                         &allergeneLesen, nullptr}) &&
    MeldeJsonSchluessel(
        {TJsonEbene::zutat, "arten", &artenDa, &artenSchreiben, &artenLesen, nullptr}) &&
    MeldeJsonSchluessel(
        {TJsonEbene::zutat, "zusatzstoffe", &zusatzDa, &zusatzSchreiben, &zusatzLesen, nullptr}) &&
    MeldeJsonSchluessel({TJsonEbene::zutat, "zusatzstoffe_geprueft", &geprueftDa,
                         &geprueftSchreiben, &geprueftLesen, nullptr}) &&
    MeldeJsonSchluessel(
        {TJsonEbene::zutat, "deklariert_am", &datumDa, &datumSchreiben, &datumLesen, nullptr}) &&
    MeldeJsonSchluessel(
        {TJsonEbene::oben, "kennzeichnung", &tabelleDa, &tabelleSchreiben, &tabelleLesen, nullptr});
