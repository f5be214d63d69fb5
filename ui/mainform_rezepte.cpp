// Tab "Rezepte": new, changed, copied and deleted recipes through the recipe dialog.
#include "ui/mainform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "costing/meldungen.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptkopie.h"
#include "costing/zwischenrezepte.h"
#include "ui/bildform.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/produktionsform.h"
#include "ui/rezeptform.h"
#include "ui/verlaufschritt.h"
#include "ui/zutatauswahl.h"

#include <QPushButton>

namespace fenster {

void TMainForm::verbindeRezepte() {
    // Created once, in this order, and reused for every recipe.
    RezeptForm = new TRezeptForm(this);
    ZutatAuswaehlenForm = new TZutatAuswaehlenForm(this);
    ZeigeBildForm = new TZeigeBildForm(this);
    CalcAmountsForm = new TCalcAmountsForm(this);
    RezeptForm->setzeDialoge(ZutatAuswaehlenForm, ZeigeBildForm, CalcAmountsForm);
    ProduktionsForm = new TProduktionsForm(this);
    ProduktionsForm->setzeExport([this](const TListenAnsicht& l) { exportiere(l); });
    ProduktionsForm->setzeDruck(
        [this](const QString& titel, const TListe& liste, const QStringList& zeilen) {
            druckeListe(titel, liste, zeilen);
        });
    RezeptForm->setzeProduktionsanzeige([this](const QString& titel, TListe liste) {
        ProduktionsForm->fuelle(titel, std::move(liste));
        melder().modal(*ProduktionsForm);
    });

    connect(NewRezeptBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::NewRezeptBtnClick));
    connect(EditRezeptBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::EditRezeptBtnClick));
    connect(RezeptKopieBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::RezeptKopieBtnClick));
    connect(DelRezeptBtm, &QPushButton::clicked, this, Sicher(this, &TMainForm::DelRezeptBtmClick));
}

std::optional<int> TMainForm::gewaehltesRezept() const {
    const auto nr = ListView2->gewaehlteNr();
    if (!nr) {
        melder().information(Meldung::RezeptAnklicken.toString());
        return std::nullopt;
    }
    if (*nr < 0 || uint32_t(*nr) >= daten.anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(*nr));
    return nr;
}

void TMainForm::rezepteGeaendert(std::optional<int> nr) {
    ListRezepte();
    SaveZutaten();
    // Wherever the sort put it; hidden by the filter: no row selected.
    if (nr && ListView2->waehleNr(*nr))
        ListView2->scrollTo(ListView2->currentIndex());
}

void TMainForm::NewRezeptBtnClick() {
    RezeptForm->fuelleNeu(daten);
    if (melder().modal(*RezeptForm) != QDialog::Accepted)
        return;
    const TOffenerSchritt schritt(*this, QStringLiteral("Neues Rezept anlegen"));
    const int nr = int(daten.anzahlRezepte());
    RezeptAnhaengen(daten, RezeptForm->form());
    rezepteGeaendert(nr);
}

void TMainForm::EditRezeptBtnClick() {
    const auto nr = gewaehltesRezept();
    if (nr)
        bearbeiteRezept(*nr);
}

void TMainForm::bearbeiteRezept(int nr) {
    RezeptForm->fuelleAus(daten, daten.rezept(uint32_t(nr)));
    if (melder().modal(*RezeptForm) != QDialog::Accepted)
        return;
    const TOffenerSchritt schritt(*this, RezeptSchritt(daten, nr, QStringLiteral("bearbeiten")));
    RezeptErsetzen(daten, nr, RezeptForm->form());
    rezepteGeaendert(nr);
}

void TMainForm::RezeptKopieBtnClick() {
    const auto nr = gewaehltesRezept();
    if (!nr)
        return;
    RezeptForm->fuelleKopie(daten, *nr);
    if (melder().modal(*RezeptForm) != QDialog::Accepted)
        return;
    const TOffenerSchritt schritt(*this, RezeptSchritt(daten, *nr, QStringLiteral("kopieren")));
    const int kopie = int(daten.anzahlRezepte());
    KopieAnhaengen(daten, *nr, RezeptForm->form());
    rezepteGeaendert(kopie);
}

void TMainForm::DelRezeptBtmClick() {
    const auto nr = gewaehltesRezept();
    if (!nr)
        return;
    if (const QString text = ZwischenrezeptBenutztText(daten, uint32_t(*nr), true);
        !text.isEmpty()) {
        melder().fehler(text, Meldung::TitelLoeschen.toString());
        return;
    }
    if (melder().frage(Meldung::RezeptLoeschenFrage.toString(), Meldung::TitelLoeschen.toString(),
                       TSymbol::frage) != TAntwort::ja)
        return;
    const TOffenerSchritt schritt(*this, RezeptSchritt(daten, *nr, QStringLiteral("löschen")));
    RezeptLoeschen(daten, *nr);
    rezepteGeaendert(std::nullopt);
}

} // namespace fenster
