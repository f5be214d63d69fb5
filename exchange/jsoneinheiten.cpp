// Units in the JSON form: an ingredient's "stueckgewicht" (g), "dichte" (g/ml) and
// "inhalt": {"menge", "einheit"}; a line's "eingabe": {"menge", "einheit"}, from which
// the import computes the line's "menge".
#include "core/texte.h"
#include "costing/umrechnung.h"
#include "exchange/jsonschluessel.h"

namespace {

constexpr std::string_view mengeSchluessel[] = {"menge", "einheit"};

const TEinheitFakten& fakten(const TDaten& d, const TJsonOrt& ort) {
    return FaktenVon(d, ort.nr);
}

void schreibeMenge(TJsonAusgabe& aus, double menge, const QString& einheit) {
    aus.objektAnfang();
    aus.schluessel(mengeSchluessel[0]);
    aus.zahl(menge);
    aus.schluessel(mengeSchluessel[1]);
    aus.text(einheit);
    aus.objektEnde();
}

// {"menge": A, "einheit": E}, both required.
std::optional<TEingabe> leseMenge(const TJsonWert& wert, TJsonLeser& leser) {
    TEingabe e;
    bool mitMenge = false, mitEinheit = false;
    const qsizetype vorher = leser.fehlerAnzahl();
    const bool objekt =
        leser.objekt(wert, std::span(mengeSchluessel), nullptr, [&](int k, const TJsonWert& v) {
            if (k == 0) {
                if (const auto z = leser.zahl(v)) {
                    e.menge = *z;
                    mitMenge = true;
                }
            } else if (const auto t = leser.text(v)) {
                e.einheit = *t;
                mitEinheit = true;
            }
        });
    if (!objekt)
        return std::nullopt;
    if (!mitMenge && leser.fehlerAnzahl() == vorher)
        leser.fehler(TJsonPfad{&wert.pfad, mengeSchluessel[0]}, QStringLiteral("fehlt"));
    if (!mitEinheit && leser.fehlerAnzahl() == vorher)
        leser.fehler(TJsonPfad{&wert.pfad, mengeSchluessel[1]}, QStringLiteral("fehlt"));
    if (leser.fehlerAnzahl() != vorher)
        return std::nullopt;
    return e;
}

// Sets one fact of the ingredient when the whole does not contradict its unit.
template <class Setze>
void setzeFakt(TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser,
               Setze setze) {
    TEinheitFakten f = FaktenVon(d, ort.nr);
    setze(f);
    if (const auto grund = PruefeFakten(TextView(d.zutat(ort.nr).einheit), f)) {
        leser.fehler(wert.pfad, OhnePunkt(*grund));
        return;
    }
    d.erweiterung.abschnitt<TEinheitenDaten>().setzeFakten(ort.nr, f);
}

void leseZahlFakt(TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser,
                  std::optional<double> TEinheitFakten::*feld) {
    const auto z = leser.zahl(wert);
    if (!z)
        return;
    setzeFakt(d, ort, wert, leser, [&](TEinheitFakten& f) { f.*feld = *z; });
}

const bool stueckgewicht = MeldeJsonSchluessel(
    {TJsonEbene::zutat, "stueckgewicht",
     [](const TDaten& d, const TJsonOrt& ort) { return bool(fakten(d, ort).stueckgewicht); },
     [](const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
         aus.zahl(fakten(d, ort).stueckgewicht.value_or(0));
     },
     [](TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
         leseZahlFakt(d, ort, wert, leser, &TEinheitFakten::stueckgewicht);
     },
     nullptr});

const bool dichte = MeldeJsonSchluessel(
    {TJsonEbene::zutat, "dichte",
     [](const TDaten& d, const TJsonOrt& ort) { return bool(fakten(d, ort).dichte); },
     [](const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
         aus.zahl(fakten(d, ort).dichte.value_or(0));
     },
     [](TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
         leseZahlFakt(d, ort, wert, leser, &TEinheitFakten::dichte);
     },
     nullptr});

const bool inhalt = MeldeJsonSchluessel(
    {TJsonEbene::zutat, "inhalt",
     [](const TDaten& d, const TJsonOrt& ort) { return bool(fakten(d, ort).inhalt); },
     [](const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
         const TInhalt i = fakten(d, ort).inhalt.value_or(TInhalt{});
         schreibeMenge(aus, i.menge, i.einheit);
     },
     [](TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
         const auto e = leseMenge(wert, leser);
         if (!e)
             return;
         setzeFakt(d, ort, wert, leser, [&](TEinheitFakten& f) {
             f.inhalt = TInhalt{e->menge, e->einheit};
         });
     },
     nullptr});

const bool eingabe = MeldeJsonSchluessel(
    {TJsonEbene::zeile, "eingabe",
     [](const TDaten& d, const TJsonOrt& ort) { return bool(EingabeVon(d, ort.nr, ort.zeile)); },
     [](const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
         const TEingabe e = EingabeVon(d, ort.nr, ort.zeile).value_or(TEingabe{});
         schreibeMenge(aus, e.menge, e.einheit);
     },
     // The ingredients' facts are read before any line's entry.
     [](TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
         const auto e = leseMenge(wert, leser);
         if (!e)
             return;
         TRezeptZutat& l = *d.rezept(ort.nr).zutaten->at<TRezeptZutat>(ort.zeile);
         if (!d.zutatVon(l))
             return; // the line's own key reports the missing ingredient
         const TInZutateinheit m = InZutateinheit(d, uint32_t(l.zutatnr), e->menge, e->einheit);
         if (!m.menge) {
             leser.fehler(wert.pfad, OhnePunkt(m.fehler));
             return;
         }
         l.menge = *m.menge;
         if (e->einheit != TextView(d.zutat(uint32_t(l.zutatnr)).einheit))
             d.erweiterung.abschnitt<TEinheitenDaten>().setzeEingabe(ort.nr, ort.zeile, *e);
     },
     nullptr});

} // namespace

extern const bool jsonEinheitenGemeldet;
const bool jsonEinheitenGemeldet = stueckgewicht && dichte && inhalt && eingabe;
