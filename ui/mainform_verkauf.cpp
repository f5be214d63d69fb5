// Tab "Verkäufe": recording a sale and the sales list dialog of a recipe.
#include "ui/mainform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "lists/verkauf.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/verkaufslisteform.h"
#include "ui/verlaufschritt.h"
#include "ui/zahlfeld.h"

#include <QCalendarWidget>
#include <QPushButton>

namespace fenster {

void TMainForm::verbindeVerkauf() {
    VerkaufsListeForm = new TVerkaufsListeForm(this);
    connect(VerkaufBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::VerkaufBtnClick));
    connect(VerkaufsListeBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::VerkaufsListeBtnClick));
}

std::optional<uint32_t> TMainForm::gewaehltesGericht() const {
    const auto nr = ListView3->gewaehlteNr();
    if (!nr) {
        melder().information(QStringLiteral("Sie müssen zuerst ein Gericht anklicken."));
        return std::nullopt;
    }
    if (*nr < 0 || uint32_t(*nr) >= daten.anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(*nr));
    return uint32_t(*nr);
}

void TMainForm::verkaeufeGeaendert(int nr) {
    ListRezepte();
    SaveZutaten();
    // Wherever the sort put the recipe now; not listed any more: no row selected.
    if (ListView3->waehleNr(nr))
        ListView3->scrollTo(ListView3->currentIndex());
}

void TMainForm::VerkaufBtnClick() {
    const auto nr = gewaehltesGericht();
    if (!nr)
        return;
    // Only what was typed is booked, never a nearby number.
    const auto portionen = LiesPortionen(PortionEd->text());
    if (!portionen) {
        melder().fehler(PortionenUngueltig() + QLatin1Char('.'), QStringLiteral("Hinzufügen"));
        return;
    }
    const TOffenerSchritt schritt(*this, QStringLiteral("Verkauf erfassen"));
    ErfasseVerkauf(daten, daten.rezept(*nr), MonthCalendar1->selectedDate(), *portionen);
    PortionEd->setzeWert(1);
    verkaeufeGeaendert(int(*nr));
}

void TMainForm::VerkaufsListeBtnClick() {
    const auto nr = gewaehltesGericht();
    if (!nr)
        return;
    const TOffenerSchritt schritt(*this, VerkaeufeLoeschenSchritt(daten, int(*nr)));
    VerkaufsListeForm->fuelle(daten, *nr);
    melder().modal(*VerkaufsListeForm);
    // Whatever closed the dialog: deletions are in the data already.
    verkaeufeGeaendert(int(*nr));
}

} // namespace fenster
