#include "costing/zutatauswahl.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/rezeptform.h"
#include "costing/umrechnung.h"

namespace {
void setzeSpalten(TListe& l) {
    l.setzeSpalten({{QStringLiteral("Name"), 150},
                    {QStringLiteral("Gruppe"), 150},
                    {QStringLiteral("Preis"), 75},
                    {QStringLiteral("Menge"), 75},
                    {QStringLiteral("Einheit"), 75},
                    {QStringLiteral("Nr"), 0}});
}
} // namespace

TZutatAuswaehlenForm::TZutatAuswaehlenForm()
    : menge(ZahlFest(0, 10)), gewichtsverlust(ZahlFest(0, 2)) {
    setzeSpalten(liste);
}

QString TZutatAuswaehlenForm::gewaehlt(Spalte spalte) const {
    if (auswahl < 0 || auswahl >= liste.anzahlZeilen())
        return {};
    return liste.zelle(auswahl, spalte);
}

void TZutatAuswaehlenForm::ListView1Change() {
    name = gewaehlt(spalteName);
    einkaufspreis = gewaehlt(spaltePreis);
    einkaufsmenge = gewaehlt(spalteMenge);
    const auto nr = LiesGanzzahl(gewaehlt(spalteNr));
    einheiten = daten && nr && *nr >= 0 ? EinheitenFuer(*daten, uint32_t(*nr)) : QStringList();
    einheitenNr = nr && !einheiten.isEmpty() ? *nr : -1;
    if (!einheiten.contains(einheit))
        einheit = einheiten.value(0);
}

QString TZutatAuswaehlenForm::wirksameEinheit() const {
    const auto nr = LiesGanzzahl(gewaehlt(spalteNr));
    if (!daten || !nr || *nr < 0)
        return gewaehlt(spalteEinheit);
    if (*nr == einheitenNr)
        return einheit;
    const QStringList l = EinheitenFuer(*daten, uint32_t(*nr));
    return l.contains(einheit) ? einheit : l.value(0);
}

std::optional<double> TZutatAuswaehlenForm::mengeInZutateinheit() const {
    const auto nr = LiesGanzzahl(gewaehlt(spalteNr));
    if (!nr || *nr < 0)
        return std::nullopt;
    if (!daten) // rows without data: the quantity is in the row's unit
        return Feldwert(menge);
    return InZutateinheit(*daten, uint32_t(*nr), Feldwert(menge), wirksameEinheit()).menge;
}

std::optional<QString> TZutatAuswaehlenForm::EinheitFehlt() const {
    const auto nr = LiesGanzzahl(gewaehlt(spalteNr));
    if (!daten || !nr || *nr < 0)
        return std::nullopt;
    const TInZutateinheit m =
        InZutateinheit(*daten, uint32_t(*nr), Feldwert(menge), wirksameEinheit());
    if (m.menge)
        return std::nullopt;
    return m.fehler;
}

std::optional<TMeldung> TZutatAuswaehlenForm::BitBtn1Click() const {
    if (auswahl < 0 || auswahl >= liste.anzahlZeilen())
        return TMeldung{Meldung::KeineZutatGewaehlt, Meldung::TitelZutatAuswaehlen};
    if (Feldwert(menge) <= 0)
        return TMeldung{Meldung::MengeNichtPositiv, Meldung::TitelMengeFestlegen};
    return std::nullopt;
}

void TZutatAuswaehlenForm::waehleNr(QStringView nr) {
    auswahl = -1;
    for (qsizetype i = 0; i < liste.anzahlZeilen(); ++i)
        if (liste.zelle(i, spalteNr) == nr) {
            auswahl = int(i);
            break;
        }
    ListView1Change();
}

void TZutatAuswaehlenForm::setzeMenge(double wert) {
    menge = ZahlFest(wert, 10);
}

void TZutatAuswaehlenForm::setzeGewichtsverlust(double wert) {
    gewichtsverlust = ZahlFest(wert, 2);
}

TListe PickerZeilen(const TDaten& daten) {
    TListe l;
    setzeSpalten(l);
    l.zeilen.reserve(daten.anzahlZutaten());
    for (uint32_t i = 0; i < daten.anzahlZutaten(); ++i) {
        const TZutat& z = daten.zutat(i);
        l.zeilen.append({Text(z.name), Text(z.zgruppe), ZahlFest(z.preis, 4), ZahlFest(z.menge, 4),
                         Text(z.einheit), QString::number(i)});
    }
    return l;
}

void FuellePicker(TZutatAuswaehlenForm& picker, const TDaten& daten) {
    picker.daten = &daten;
    picker.liste = PickerZeilen(daten);
    picker.auswahl = -1;
    picker.ListView1Change();
}
