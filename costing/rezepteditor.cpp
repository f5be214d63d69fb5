#include "costing/rezepteditor.h"

#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"

#include <QFileInfo>

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

void setzeAusForm(TDaten& daten, TRezept& r, const TRezeptForm& form) {
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
    r.zutaten->Clear();
    ZeilenInRezept(r, form.zutaten);
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
    // The position of a stored recipe; a record outside the array is none.
    const TRezept* erstes = daten.anzahlRezepte() ? &daten.rezept(0) : nullptr;
    const bool gespeichert =
        erstes && &rezept >= erstes && &rezept < erstes + daten.anzahlRezepte();
    form.rezeptNr = gespeichert ? int(&rezept - erstes) : -1;
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
    for (const auto* l = rezept.zutaten->begin<TRezeptZutat>();
         l != rezept.zutaten->end<TRezeptZutat>(); ++l) {
        const TZutat* z = daten.zutatVon(*l);
        zeilen.zeilen.append({z ? Text(z->name) : QString(), ZahlAllgemein(l->menge),
                              z ? Text(z->einheit) : QString(),
                              ZahlFest(Zeilenpreis(daten, *l).value_or(0), 2),
                              QString::number(l->zutatnr), ZahlAllgemein(l->gewichtsverlust)});
    }
}

std::vector<TRezeptZutat> ZeilenAusListe(const TListe& zeilen) {
    std::vector<TRezeptZutat> ergebnis;
    for (qsizetype i = 0; i < zeilen.anzahlZeilen(); ++i) {
        TRezeptZutat l{};
        l.zutatnr = LiesGanzzahl(zeilen.zelle(i, TRezeptForm::spalteNr)).value_or(0);
        l.menge = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteMenge));
        l.gewichtsverlust = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteGewichtsverlust));
        ergebnis.push_back(l);
    }
    return ergebnis;
}

void ZeilenInRezept(TRezept& rezept, const TListe& zeilen) {
    for (qsizetype i = 0; i < zeilen.anzahlZeilen(); ++i) {
        auto& l = *static_cast<TRezeptZutat*>(rezept.zutaten->Add());
        l.zutatnr = LiesGanzzahl(zeilen.zelle(i, TRezeptForm::spalteNr)).value_or(0);
        l.menge = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteMenge));
        l.gewichtsverlust = ZahlOder(zeilen.zelle(i, TRezeptForm::spalteGewichtsverlust));
    }
}

QString RezeptFormFehler(const TDaten& daten, const TRezeptForm& form) {
    if (form.zutatenrezeptur && form.einheit.trimmed().isEmpty())
        return QStringLiteral("Ein Zwischenrezept braucht eine Einheit.");
    if (!form.zutatenrezeptur && form.rezeptNr >= 0 &&
        uint32_t(form.rezeptNr) < daten.anzahlRezepte())
        return ZwischenrezeptBenutztText(daten, uint32_t(form.rezeptNr), false);
    return {};
}

TRezept& RezeptAnhaengen(TDaten& daten, const TRezeptForm& form) {
    const uint32_t nr = daten.anzahlRezepte();
    setzeAusForm(daten, *daten.NeuesRezept(), form);
    SetzeZwischenrezept(daten, nr, form.zutatenrezeptur, form.einheit.trimmed());
    return daten.rezept(nr);
}

bool RezeptErsetzen(TDaten& daten, int nr, const TRezeptForm& form) {
    if (nr < 0 || uint32_t(nr) >= daten.anzahlRezepte())
        return false;
    if (!form.zutatenrezeptur)
        if (const QString text = ZwischenrezeptBenutztText(daten, uint32_t(nr), false);
            !text.isEmpty())
            throw TFehler(text);
    TRezept& r = daten.rezept(uint32_t(nr));
    FreeText(r.name);
    FreeText(r.bilddatei);
    FreeText(r.beschreibung);
    setzeAusForm(daten, r, form);
    SetzeZwischenrezept(daten, uint32_t(nr), form.zutatenrezeptur, form.einheit.trimmed());
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
