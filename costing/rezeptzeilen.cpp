#include "costing/rezeptzeilen.h"

#include "core/zahlen.h"
#include "costing/preise.h"

namespace {
bool zeileGewaehlt(const TRezeptForm& form) {
    return form.zeilenauswahl >= 0 && form.zeilenauswahl < form.zutaten.anzahlZeilen();
}
bool pickerGewaehlt(const TZutatAuswaehlenForm& picker) {
    return picker.auswahl >= 0 && picker.auswahl < picker.liste.anzahlZeilen();
}
} // namespace

double PickerZeilenpreis(const TZutatAuswaehlenForm& picker) {
    const auto preis = LiesZahl(picker.gewaehlt(TZutatAuswaehlenForm::spaltePreis));
    const auto einkaufsmenge = LiesZahl(picker.gewaehlt(TZutatAuswaehlenForm::spalteMenge));
    const auto menge = picker.mengeInZutateinheit();
    if (!preis || !einkaufsmenge || !menge)
        return 0;
    return Zeilenpreis(*preis, *einkaufsmenge, *menge, Feldwert(picker.gewichtsverlust))
        .value_or(0);
}

QStringList ZeileAusPicker(const TZutatAuswaehlenForm& picker) {
    return {picker.gewaehlt(TZutatAuswaehlenForm::spalteName),
            ZahlAllgemein(Feldwert(picker.menge)),
            picker.wirksameEinheit(),
            ZahlFest(PickerZeilenpreis(picker), 2),
            picker.gewaehlt(TZutatAuswaehlenForm::spalteNr),
            ZahlAllgemein(Feldwert(picker.gewichtsverlust))};
}

void PickerFuerNeueZeile(TZutatAuswaehlenForm& picker) {
    picker.setzeEinheit({});
    picker.setzeMenge(0);
    picker.setzeGewichtsverlust(0);
}

std::optional<TMeldung> PickerFuerZeile(const TRezeptForm& form, TZutatAuswaehlenForm& picker) {
    if (const auto meldung = PruefeZeilenauswahl(form))
        return meldung;
    const int z = form.zeilenauswahl;
    // The unit first: selecting the ingredient keeps it where the ingredient offers it.
    picker.setzeEinheit(form.zutaten.zelle(z, TRezeptForm::spalteEinheit));
    picker.waehleNr(form.zutaten.zelle(z, TRezeptForm::spalteNr));
    if (const auto menge = LiesZahl(form.zutaten.zelle(z, TRezeptForm::spalteMenge)))
        picker.setzeMenge(*menge);
    if (const auto g = LiesZahl(form.zutaten.zelle(z, TRezeptForm::spalteGewichtsverlust)))
        picker.setzeGewichtsverlust(*g);
    return std::nullopt;
}

bool ZeileHinzufuegen(TRezeptForm& form, const TZutatAuswaehlenForm& picker) {
    if (!pickerGewaehlt(picker))
        return false;
    form.zutaten.zeilen.append(ZeileAusPicker(picker));
    form.BerechnePreis();
    return true;
}

bool ZeileAendern(TRezeptForm& form, const TZutatAuswaehlenForm& picker) {
    if (!pickerGewaehlt(picker) || !zeileGewaehlt(form))
        return false;
    form.zutaten.zeilen[form.zeilenauswahl] = ZeileAusPicker(picker);
    form.BerechnePreis();
    return true;
}

std::optional<TMeldung> PruefeZeilenauswahl(const TRezeptForm& form) {
    if (!zeileGewaehlt(form))
        return TMeldung{Meldung::ZutatAnklicken, {}};
    return std::nullopt;
}

bool ZeileEntfernen(TRezeptForm& form) {
    if (!zeileGewaehlt(form))
        return false;
    form.zutaten.zeilen.removeAt(form.zeilenauswahl);
    form.zeilenauswahl = -1;
    form.BerechnePreis();
    return true;
}

bool ZeileHoch(TRezeptForm& form) {
    if (!zeileGewaehlt(form) || form.zeilenauswahl == 0)
        return false;
    form.zutaten.zeilen.swapItemsAt(form.zeilenauswahl, form.zeilenauswahl - 1);
    --form.zeilenauswahl;
    return true;
}

bool ZeileRunter(TRezeptForm& form) {
    if (!zeileGewaehlt(form) || form.zeilenauswahl + 1 >= form.zutaten.anzahlZeilen())
        return false;
    form.zutaten.zeilen.swapItemsAt(form.zeilenauswahl, form.zeilenauswahl + 1);
    ++form.zeilenauswahl;
    return true;
}
