#include "ui/zielpreisform.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/zielpreis.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace fenster {

TZielpreisForm::TZielpreisForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Zielpreis"), QStringLiteral("Rückrechnung"), false, parent),
      RezeptLabel(new QLabel), VkBruttoEd(new TZahlFeld(4)), DbEd(new TZahlFeld(4)) {
    setObjectName(QStringLiteral("ZielpreisForm"));
    RezeptLabel->setObjectName(QStringLiteral("RezeptLabel"));
    RezeptLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    VkBruttoEd->setObjectName(QStringLiteral("VkBruttoEd"));
    DbEd->setObjectName(QStringLiteral("DbEd"));
    for (TZahlFeld* f : {VkBruttoEd, DbEd}) {
        f->setzeLeerErlaubt(true);
        f->setAlignment(Qt::AlignRight);
        f->setMinimumWidth(Pixel(this, 110));
    }
    DbEd->eingabe()->setPlaceholderText(QStringLiteral("keiner"));

    auto* felder = new QGridLayout;
    felder->addWidget(RezeptLabel, 0, 0, 1, 3);
    felder->addWidget(Beschriftung(QStringLiteral("Tatsächlicher VK-Preis &brutto:"), VkBruttoEd),
                      1, 0);
    felder->addWidget(VkBruttoEd, 1, 1);
    felder->addWidget(
        Beschriftung(QStringLiteral("Gewünschter &Deckungsbeitrag pro Einheit:"), DbEd), 2, 0);
    felder->addWidget(DbEd, 2, 1);
    felder->setColumnStretch(2, 1);
    kopf->addLayout(felder);
    ListView1->setMinimumHeight(Pixel(this, 170));
    resize(Pixel(this, 480), Pixel(this, 380));
    setzeTabfolge({VkBruttoEd, DbEd});

    connect(VkBruttoEd, &TZahlFeld::geaendert, this,
            Sicher(this, &TZielpreisForm::VkBruttoEdChange));
    connect(DbEd, &TZahlFeld::geaendert, this, Sicher(this, &TZielpreisForm::DbEdChange));
}

void TZielpreisForm::fuelle(const TDaten& d, uint32_t nr) {
    if (nr >= d.anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(nr));
    daten = nullptr; // no recomputing while the fields are set
    const TRezept& r = d.rezept(nr);
    const QString name = Text(r.name);
    setWindowTitle(QStringLiteral("Zielpreis: %1").arg(name));
    RezeptLabel->setText(
        QStringLiteral("Rezept: %1    Gruppe: %2").arg(name, d.GetGruppe(r.gruppe)));
    const QString eigenerPreis = ZahlFest(r.vkbrutto, 4);
    VkBruttoEd->eingabe()->setPlaceholderText(eigenerPreis);
    VkBruttoEd->setzeText(eigenerPreis);
    DbEd->setzeText(QString());
    daten = &d;
    rezeptNr = nr;
    berechne();
}

void TZielpreisForm::VkBruttoEdChange() {
    berechne();
}

void TZielpreisForm::DbEdChange() {
    berechne();
}

void TZielpreisForm::berechne() {
    if (!daten)
        return;
    if (rezeptNr >= daten->anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(rezeptNr));
    const TZielpreis z = Zielpreis(*daten, daten->rezept(rezeptNr), VkBruttoEd->wertOderNichts(),
                                   DbEd->wertOderNichts());
    zeigeTabelle(ZielpreisListe(z));
    setzeFusszeile(
        z.spielraum < 0
            ? QStringLiteral("Bei diesem Preis ist das Rezept zu teuer: Der Einkaufspreis liegt "
                             "%1 über dem erlaubten.")
                  .arg(ZahlFest(-z.spielraum, 4))
            : QString());
}

QString TZielpreisForm::drucktitel() const {
    return QStringLiteral("Zielpreis");
}

QStringList TZielpreisForm::druckzeilen() const {
    return {RezeptLabel->text()};
}

} // namespace fenster
