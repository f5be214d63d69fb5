#include "ui/kostenpruefungform.h"

#include "lists/kostenpruefung.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fenster {

TKostenpruefungForm::TKostenpruefungForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Kostenprüfung"), QStringLiteral("Kostenhinweise"), false,
                    parent),
      FilterCombo(Filterauswahl()) {
    setObjectName(QStringLiteral("KostenpruefungForm"));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo));
    zeile->addWidget(FilterCombo);
    zeile->addStretch(1);
    kopf->addLayout(zeile);
    resize(Pixel(this, 760), Pixel(this, 460));
    setzeTabfolge({FilterCombo});
    connect(FilterCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TKostenpruefungForm::FilterComboChange));
}

void TKostenpruefungForm::fuelle(const TDaten& d) {
    daten = &d;
    FuelleFilter(*FilterCombo, d);
    berechne();
    ListView1->scrollToTop();
}

void TKostenpruefungForm::FilterComboChange() {
    berechne();
}

void TKostenpruefungForm::berechne() {
    if (!daten)
        return;
    const int filter = std::max(FilterCombo->currentIndex(), 0);
    zeigeTabelle(Kostenpruefung(*daten, filter));
    const int anzahl = RezepteMitKostenhinweisen(*daten, filter);
    setzeFusszeile(anzahl == 0 ? QStringLiteral("Keine Rezepte mit Kostenhinweisen.")
                               : KostenhinweisStatus(anzahl) + QLatin1Char('.'));
}

QStringList TKostenpruefungForm::druckzeilen() const {
    return {QStringLiteral("Filter: %1").arg(FilterCombo->currentText())};
}

} // namespace fenster
