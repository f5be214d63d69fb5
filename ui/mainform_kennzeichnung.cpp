// Allergens and additives: the master-data page of codes, the allergen card and the
// written record of a dish, both printable.
#include "ui/mainform.h"

#include "exchange/print/kennzeichnungsdruck.h"
#include "ui/allergenkarteform.h"
#include "ui/fehlerbox.h"
#include "ui/kennzeichnungseite.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QTabWidget>

namespace fenster {

void TMainForm::verbindeKennzeichnung() {
    KennzeichnungSeite = new TKennzeichnungSeite(daten);
    KennzeichnungSeite->setObjectName(QStringLiteral("KennzeichnungSeite"));
    PageControl2->addTab(KennzeichnungSeite, QStringLiteral("Kennzeichnung"));

    // After the costing insights, before the import.
    QAction* vor = VerkaeufeImportieren1;
    for (QAction* a : Extras1->actions())
        if (a->isSeparator())
            vor = a;
    Allergenkarte1 = new QAction(QStringLiteral("A&llergenkarte..."), Extras1);
    Allergenkarte1->setObjectName(QStringLiteral("Allergenkarte1"));
    AllergenDoku1 = new QAction(QStringLiteral("Allergen-&Dokumentation..."), Extras1);
    AllergenDoku1->setObjectName(QStringLiteral("AllergenDoku1"));
    Extras1->insertAction(vor, Allergenkarte1);
    Extras1->insertAction(vor, AllergenDoku1);
    connect(Allergenkarte1, &QAction::triggered, this,
            Sicher(this, &TMainForm::Allergenkarte1Click));
    connect(AllergenDoku1, &QAction::triggered, this, Sicher(this, &TMainForm::AllergenDoku1Click));

    AllergenkarteForm = new TAllergenkarteForm(this);
    AllergenkarteForm->setzeExport([this](const TListenAnsicht& l) { exportiere(l); });
    AllergenkarteForm->setzeDruck([this](const QString&, const TListe&, const QStringList& zeilen) {
        druckeAufDrucker([&](QPrinter& p, const TAuftragsname& benenne) {
            DruckeSpeisekarte(p, daten, AllergenkarteForm->filter(), zeilen, benenne);
        });
    });
    AllergenDokuForm = new TAllergenDokuForm(this);
    AllergenDokuForm->setzeExport([this](const TListenAnsicht& l) { exportiere(l); });
    AllergenDokuForm->setzeDruck([this](const QString&, const TListe&, const QStringList&) {
        druckeAufDrucker([&](QPrinter& p, const TAuftragsname& benenne) {
            DruckeAllergenDokumentation(p, daten, AllergenDokuForm->rezept(), benenne);
        });
    });
}

void TMainForm::Allergenkarte1Click() {
    AllergenkarteForm->fuelle(daten);
    melder().modal(*AllergenkarteForm);
}

void TMainForm::AllergenDoku1Click() {
    const auto nr = gewaehltesRezept();
    if (!nr)
        return;
    AllergenDokuForm->fuelle(daten, uint32_t(*nr));
    melder().modal(*AllergenDokuForm);
}

} // namespace fenster
