#include "costing/rezepteditor.h"

#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/umrechnung.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

void fuelleGruppen(TRezeptForm& form, const TDaten& daten, int gruppe) {
    form.gruppentabelle = &daten.gruppen;
    form.gruppenliste.clear();
    for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr)
        form.gruppenliste.append(daten.GetGruppe(nr));
    form.gruppe = TGruppenTabelle::gueltig(gruppe) ? gruppe : -1;
}

// The computed fields start at 0, so that nothing of an earlier recipe shows through
// where a handler keeps a field (a VAT of -100).
void leereErgebnisse(TRezeptForm& form) {
    const QString null = ZahlFest(0, 4);
    form.preise.einkaufspreis = null;
    form.preise.deckungsbeitrag = null;
    form.preise.wequote = null;
    form.preise.kalkBrutto = null;
    form.preise.kalkNetto = null;
    form.preise.tatsNetto = null;
}

// Lines converted from the rows, with the amounts as entered.
struct TZeilen {
    std::vector<TRezeptZutat> zeilen;
    std::vector<std::optional<TEingabe>> eingaben;
};

TZeilen zeilenAus(const TDaten& daten, const TListe& zeilen) {
    TZeilen z;
    z.zeilen = ZeilenAusListe(daten, zeilen, &z.eingaben);
    return z;
}

void setzeZeilen(TDaten& daten, uint32_t nr, const TZeilen& z) {
    TRezept& r = daten.rezept(nr);
    r.zutaten->Clear();
    if (!z.zeilen.empty())
        std::memcpy(r.zutaten->AddMany(uint32_t(z.zeilen.size())), z.zeilen.data(),
                    z.zeilen.size() * sizeof(TRezeptZutat));
    const bool mitEingaben =
        std::any_of(z.eingaben.begin(), z.eingaben.end(), [](const auto& e) { return bool(e); });
    if (mitEingaben || daten.erweiterung.finde(TEinheitenDaten::art().tag))
        daten.erweiterung.abschnitt<TEinheitenDaten>().setzeEingaben(nr, z.eingaben);
}

// Why the dialog's content cannot be stored as recipe nr (nothing: a new recipe). Empty
// when it can.
QString formFehler(const TDaten& daten, std::optional<uint32_t> nr, const TRezeptForm& form) {
    if (form.zutatenrezeptur && form.einheit.trimmed().isEmpty())
        return QStringLiteral("Ein Zwischenrezept braucht eine Einheit.");
    if (!nr)
        return {};
    if (!form.zutatenrezeptur)
        return ZwischenrezeptBenutztText(daten, *nr, false);
    return ZwischenrezeptEinheitFehler(daten, *nr, form.einheit.trimmed()).value_or(QString());
}

void setzeAusForm(TDaten& daten, uint32_t nr, const TRezeptForm& form, const TZeilen& zeilen) {
    TRezept& r = daten.rezept(nr);
    CopyText(r.name, form.name);
    CopyText(r.bilddatei, BilddateiPfad(form.bilddatei));
    CopyText(r.beschreibung, form.beschreibung);
    r.menge = Feldwert(form.menge);
    r.vkbrutto = Feldwert(form.preise.tatsBrutto);
    r.gruppe = form.gruppe;
    r.zutatenrezeptur = form.zutatenrezeptur;
    if (!r.zutaten)
        r.zutaten = daten.NeueZeilen();
    if (!r.verkaeufe)
        r.verkaeufe = daten.NeueVerkaeufe();
    setzeZeilen(daten, nr, zeilen);
    SetzeZwischenrezept(daten, nr, form.zutatenrezeptur, form.einheit.trimmed());
}

} // namespace

void FuelleNeuesRezept(TRezeptForm& form, const TDaten& daten) {
    form.name.clear();
    form.menge = ZahlFest(1, 4);
    form.preise.tatsBrutto = ZahlFest(0, 4);
    form.bilddatei.clear();
    fuelleGruppen(form, daten, 0);
    form.beschreibung.clear();
    form.zutatenrezeptur = false;
    form.einheit.clear();
    form.verwendetIn.clear();
    form.rezeptNr = -1;
    form.leereZeilen();
    leereErgebnisse(form);
    form.RxSpinEdit2Change();
}

void FuelleAusRezept(TRezeptForm& form, const TDaten& daten, const TRezept& rezept) {
    form.name = Text(rezept.name);
    form.bilddatei = BilddateiAnzeige(TextView(rezept.bilddatei));
    form.menge = ZahlFest(rezept.menge, 4);
    form.preise.tatsBrutto = ZahlFest(rezept.vkbrutto, 4);
    fuelleGruppen(form, daten, rezept.gruppe);
    form.beschreibung = Text(rezept.beschreibung);
    form.zutatenrezeptur = rezept.zutatenrezeptur;
    const auto nr = RezeptNr(daten, rezept);
    const bool gespeichert = nr.has_value();
    form.rezeptNr = gespeichert ? int(*nr) : -1;
    form.einheit = gespeichert ? ZwischenrezeptEinheit(daten, uint32_t(form.rezeptNr)) : QString();
    form.verwendetIn =
        gespeichert ? VerwendetInTexte(daten, uint32_t(form.rezeptNr)) : QStringList();
    form.leereZeilen();
    ZeilenAusRezept(form.zutaten, daten, rezept);
    leereErgebnisse(form);
    form.RxSpinEdit2Change();
}

void ZeilenAusRezept(TListe& zeilen, const TDaten& daten, const TRezept& rezept) {
    if (!rezept.zutaten)
        return;
    const auto nr = RezeptNr(daten, rezept);
    for (uint32_t i = 0; i < rezept.zutaten->count; ++i) {
        const TRezeptZutat* l = rezept.zutaten->at<TRezeptZutat>(i);
        const TZutat* z = daten.zutatVon(*l);
        const auto eingabe = nr ? EingabeVon(daten, *nr, i) : std::nullopt;
        zeilen.zeilen.append({z ? Text(z->name) : QString(),
                              ZahlAllgemein(eingabe ? eingabe->menge : l->menge),
                              eingabe ? eingabe->einheit
                              : z     ? Text(z->einheit)
                                      : QString(),
                              ZahlFest(Zeilenpreis(daten, *l).value_or(0), 2),
                              QString::number(l->zutatnr), ZahlAllgemein(l->gewichtsverlust)});
    }
}

std::vector<TRezeptZutat> ZeilenAusListe(const TDaten& daten, const TListe& zeilen,
                                         std::vector<std::optional<TEingabe>>* eingaben) {
    std::vector<TRezeptZutat> neu;
    for (qsizetype i = 0; i < zeilen.anzahlZeilen(); ++i) {
        TRezeptZutat l{};
        l.zutatnr = LiesGanzzahl(zeilen.zelle(i, TRezeptForm::spalteNr)).value_or(0);
        l.menge = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteMenge));
        l.gewichtsverlust = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteGewichtsverlust));
        const QString einheit = zeilen.zelle(i, TRezeptForm::spalteEinheit);
        const TZutat* z = daten.zutatVon(l);
        std::optional<TEingabe> eingabe;
        // A row in its ingredient's unit as written, or without a unit, is the line's
        // quantity itself.
        if (z && !einheit.isEmpty() && einheit != TextView(z->einheit)) {
            const TInZutateinheit m = InZutateinheit(daten, uint32_t(l.zutatnr), l.menge, einheit);
            if (!m.menge)
                throw TFehler(OhnePunkt(m.fehler));
            eingabe = TEingabe{l.menge, einheit};
            l.menge = *m.menge;
        }
        neu.push_back(l);
        if (eingaben)
            eingaben->push_back(std::move(eingabe));
    }
    return neu;
}

void ZeilenInRezept(TDaten& daten, uint32_t nr, const TListe& zeilen) {
    setzeZeilen(daten, nr, zeilenAus(daten, zeilen));
}

std::optional<uint32_t> RezeptNr(const TDaten& daten, const TRezept& rezept) {
    if (daten.anzahlRezepte() == 0)
        return std::nullopt;
    const TRezept* erstes = &daten.rezept(0);
    const TRezept* r = &rezept;
    if (r < erstes || r >= erstes + daten.anzahlRezepte())
        return std::nullopt;
    return uint32_t(r - erstes);
}

QString RezeptFormFehler(const TDaten& daten, const TRezeptForm& form) {
    const bool gespeichert = form.rezeptNr >= 0 && uint32_t(form.rezeptNr) < daten.anzahlRezepte();
    return formFehler(daten, gespeichert ? std::optional(uint32_t(form.rezeptNr)) : std::nullopt,
                      form);
}

TRezept& RezeptAnhaengen(TDaten& daten, const TRezeptForm& form) {
    // Every refusal before anything changes.
    if (const QString fehler = formFehler(daten, std::nullopt, form); !fehler.isEmpty())
        throw TFehler(OhnePunkt(fehler));
    const TZeilen zeilen = zeilenAus(daten, form.zutaten);
    daten.NeuesRezept();
    const uint32_t nr = daten.anzahlRezepte() - 1;
    setzeAusForm(daten, nr, form, zeilen);
    return daten.rezept(nr);
}

bool RezeptErsetzen(TDaten& daten, int nr, const TRezeptForm& form) {
    if (nr < 0 || uint32_t(nr) >= daten.anzahlRezepte())
        return false;
    if (const QString fehler = formFehler(daten, uint32_t(nr), form); !fehler.isEmpty())
        throw TFehler(OhnePunkt(fehler));
    const TZeilen zeilen = zeilenAus(daten, form.zutaten);
    TRezept& r = daten.rezept(uint32_t(nr));
    FreeText(r.name);
    FreeText(r.bilddatei);
    FreeText(r.beschreibung);
    setzeAusForm(daten, uint32_t(nr), form, zeilen);
    return true;
}

QString BilddateiAnzeige(QStringView pfad) {
    if (pfad.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + pfad.toString() + QLatin1Char('"');
    return pfad.toString();
}

QString BilddateiPfad(QStringView feld) {
    if (feld.isEmpty())
        return {};
    const QString text = feld.toString();
    if (QFileInfo(text).isFile())
        return text;
    // First argument of a command line: leading blanks skipped, quotes toggle.
    QString pfad;
    qsizetype i = 0;
    while (i < feld.size() && feld[i] == QLatin1Char(' '))
        ++i;
    bool inAnfuehrung = false;
    for (; i < feld.size(); ++i) {
        const QChar c = feld[i];
        if (c == QLatin1Char('"'))
            inAnfuehrung = !inAnfuehrung;
        else if (c == QLatin1Char(' ') && !inAnfuehrung)
            break;
        else
            pfad += c;
    }
    return pfad;
}
