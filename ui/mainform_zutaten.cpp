// Tab "Zutaten": new, changed and deleted ingredients through the ingredient dialog.
#include "ui/mainform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "costing/allergene.h"
#include "costing/meldungen.h"
#include "costing/preisverlauf.h"
#include "costing/umrechnung.h"
#include "costing/zutatkatalog.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"
#include "ui/deklarationsknopf.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/verlaufschritt.h"
#include "ui/zutatform.h"

#include <QPushButton>

namespace fenster {

void TMainForm::verbindeZutaten() {
    ZutatForm = new TZutatForm(this);
    connect(NewZutatBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::NewZutatBtnClick));
    connect(ZutatEditBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::ZutatEditBtnClick));
    connect(DelZutatBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::DelZutatBtnClick));
}

std::optional<int> TMainForm::gewaehlteZutat() const {
    const auto nr = ListView1->gewaehlteNr();
    if (!nr) {
        melder().information(Meldung::ZutatAnklicken.toString());
        return std::nullopt;
    }
    if (*nr < 0 || uint32_t(*nr) >= daten.anzahlZutaten())
        throw TFehler(QStringLiteral("Es gibt keine Zutat Nr. %1").arg(*nr));
    return nr;
}

void TMainForm::zutatenGeaendert(std::optional<int> nr) {
    ListRezepte();
    SaveZutaten();
    if (nr && ListView1->waehleNr(*nr))
        ListView1->scrollTo(ListView1->currentIndex());
}

void TMainForm::NewZutatBtnClick() {
    ZutatForm->fuelleNeu(VerschiedeneWerte(daten));
    ZutatForm->AllergeneBtn->setze(Kennzeichnung(daten).tabelle, {});
    ZutatForm->AllergeneBtn->setzeZutat({});
    ZutatForm->fuelleFakten({});
    ZutatForm->setzePruefung(
        [](const TZutatWerte& w, const TEinheitFakten& f) { return PruefeFakten(w.einheit, f); });
    if (melder().modal(*ZutatForm) != QDialog::Accepted)
        return;
    const TOffenerSchritt schritt(*this, QStringLiteral("Neue Zutat anlegen"));
    const int nr = int(daten.anzahlZutaten());
    if (const auto grund = ZutatMitEinheitenAnlegen(daten, ZutatForm->werte(), ZutatForm->fakten()))
        throw TFehler(OhnePunkt(*grund));
    Kennzeichnung(daten).setze(uint32_t(nr), ZutatForm->AllergeneBtn->wert());
    zutatenGeaendert(nr);
}

void TMainForm::ZutatEditBtnClick() {
    const auto nr = gewaehlteZutat();
    if (!nr)
        return;
    // A sub-recipe's ingredient is edited as its recipe.
    if (const auto rezept = RezeptVonZutat(daten, uint32_t(*nr))) {
        bearbeiteRezept(int(*rezept));
        return;
    }
    // The drop-down lists stay those of the last new ingredient.
    ZutatForm->fuelleAus(ZutatWerte(daten.zutat(uint32_t(*nr))));
    ZutatForm->AllergeneBtn->setze(Kennzeichnung(daten).tabelle,
                                   Kennzeichnung(daten).deklaration(uint32_t(*nr)));
    ZutatForm->AllergeneBtn->setzeZutat(ZutatWerte(daten.zutat(uint32_t(*nr))).name);
    ZutatForm->setzeVerlauf([this, zutat = uint32_t(*nr)] { zeigePreisverlauf(zutat); });
    ZutatForm->setzeVerwendung(VerwendetInTexteZutat(daten, uint32_t(*nr)));
    ZutatForm->fuelleFakten(FaktenVon(daten, uint32_t(*nr)));
    // A unit or fact that would leave a line without its conversion keeps the dialog open.
    ZutatForm->setzePruefung(
        [this, zutat = uint32_t(*nr)](const TZutatWerte& w, const TEinheitFakten& f) {
            return EinheitUmstellen(daten, zutat, w.einheit, f, TUmstellung::nurPruefen);
        });
    if (melder().modal(*ZutatForm) != QDialog::Accepted)
        return;
    const TOffenerSchritt schritt(*this, ZutatSchritt(daten, *nr, QStringLiteral("bearbeiten")));
    if (const auto grund =
            ZutatMitEinheitenAendern(daten, *nr, ZutatForm->werte(), ZutatForm->fakten()))
        throw TFehler(OhnePunkt(*grund));
    Kennzeichnung(daten).setze(uint32_t(*nr), ZutatForm->AllergeneBtn->wert());
    zutatenGeaendert(nr);
}

void TMainForm::DelZutatBtnClick() {
    const auto nr = gewaehlteZutat();
    if (!nr)
        return;
    const TZutatLoeschen pruefung = PruefeZutatLoeschen(daten, *nr);
    if (const auto meldung = ZutatLoeschenMeldung(pruefung)) {
        melder().fehler(ZutatLoeschenText(daten, *nr, pruefung), meldung->titel.toString());
        return;
    }
    if (melder().frage(Meldung::ZutatLoeschenFrage.toString(), Meldung::TitelLoeschen.toString(),
                       TSymbol::frage) != TAntwort::ja)
        return;
    const TOffenerSchritt schritt(*this, ZutatSchritt(daten, *nr, QStringLiteral("löschen")));
    LoescheZutat(daten, *nr);
    zutatenGeaendert(std::nullopt);
}

} // namespace fenster
