#include "ui/allergenkarteform.h"

#include "core/texte.h"
#include "lists/kennzeichnungslisten.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fenster {

TAllergenkarteForm::TAllergenkarteForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Allergenkarte"), QStringLiteral("Kennzeichnung der Rezepte"),
                    false, parent),
      FilterCombo(Filterauswahl()) {
    setObjectName(QStringLiteral("AllergenkarteForm"));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo));
    zeile->addWidget(FilterCombo);
    zeile->addStretch(1);
    kopf->addLayout(zeile);
    resize(Pixel(this, 900), Pixel(this, 480));
    setzeTabfolge({FilterCombo});
    connect(FilterCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TAllergenkarteForm::FilterComboChange));
}

void TAllergenkarteForm::fuelle(const TDaten& d) {
    daten = &d;
    FuelleFilter(*FilterCombo, d);
    berechne();
    ListView1->scrollToTop();
}

int TAllergenkarteForm::filter() const {
    return std::max(FilterCombo->currentIndex(), 0);
}

void TAllergenkarteForm::FilterComboChange() {
    berechne();
}

void TAllergenkarteForm::berechne() {
    if (!daten)
        return;
    zeigeTabelle(Allergenkarte(*daten, filter()));
    const int n = UngeklaerteRezepte(*daten, filter());
    setzeFusszeile(n == 0   ? QStringLiteral("Alle Rezepte sind vollständig deklariert.")
                   : n == 1 ? QStringLiteral("1 Rezept hat Ungeklärtes.")
                            : QStringLiteral("%1 Rezepte haben Ungeklärtes.").arg(n));
}

QStringList TAllergenkarteForm::druckzeilen() const {
    return {QStringLiteral("Filter: %1").arg(FilterCombo->currentText())};
}

TAllergenDokuForm::TAllergenDokuForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Allergen-Dokumentation"),
                    QStringLiteral("Allergene und Zusatzstoffe des Rezepts"), false, parent) {
    setObjectName(QStringLiteral("AllergenDokuForm"));
    resize(Pixel(this, 900), Pixel(this, 520));
    setzeTabfolge({});
}

void TAllergenDokuForm::fuelle(const TDaten& d, uint32_t rezept) {
    nr = rezept;
    const TRezept& r = d.rezept(rezept);
    setWindowTitle(QStringLiteral("Allergen-Dokumentation: ") + Text(r.name));
    zeigeTabelle(AllergenDokumentation(d, r, true));
    const TDeklaration dekl = Deklaration(d, r);
    setzeFusszeile(QStringLiteral("Kennzeichnung: ") +
                   KennzeichnungsText(dekl, Kennzeichnung(d).tabelle));
    ListView1->scrollToTop();
}

} // namespace fenster
