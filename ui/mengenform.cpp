#include "ui/mengenform.h"

#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenster {

namespace {
const std::array<const char*, 7> feldnamen = {
    "EinkaufspreisEd", "DeckungsbeitragEd", "WEQuoteEd",  "KalkBruttoEd",
    "KalkNettoEd",     "TatsBruttoEd",      "TatsNettoEd"};

QPushButton* knopf(const QString& text, const QString& name) {
    auto* k = new QPushButton(text);
    k->setObjectName(name);
    return k;
}
} // namespace

TCalcAmountsForm::TCalcAmountsForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Mengen berechnen"), parent) {
    setObjectName(QStringLiteral("CalcAmountsForm"));
    NameEd = new QLineEdit;
    NameEd->setObjectName(QStringLiteral("NameEd"));
    Vergraue(NameEd);
    MengeEd = new TZahlFeld(4);
    MengeEd->setObjectName(QStringLiteral("MengeEd"));
    Vergraue(MengeEd);
    MengeEd->setAlignment(Qt::AlignRight);

    ListView1 = new TListenAnsicht(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Zutaten für die Menge"));
    ListView1->setzeEditierbar(::TCalcAmountsForm::spalteName);
    ListView1->setMinimumSize(400, 320);
    ListView1->zeige(zustand.zutaten);

    OKBtn = knopf(QStringLiteral("OK"), QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    KalkulationDruckenBtn =
        knopf(QStringLiteral("Kalkulation drucken"), QStringLiteral("KalkulationDruckenBtn"));
    RezeptDruckenBtn = knopf(QStringLiteral("Rezept drucken"), QStringLiteral("RezeptDruckenBtn"));
    CancelBtn = knopf(QStringLiteral("Cancel"), QStringLiteral("CancelBtn"));
    ProduktionBtn = knopf(QStringLiteral("&Produktionsliste"), QStringLiteral("ProduktionBtn"));
    ProduktionBtn->setEnabled(false);

    auto* kopf = new QGridLayout;
    kopf->addWidget(Beschriftung(QStringLiteral("Name:"), NameEd), 0, 0);
    kopf->addWidget(NameEd, 0, 1);
    kopf->addWidget(Beschriftung(QStringLiteral("&Menge:"), MengeEd), 1, 0);
    kopf->addWidget(MengeEd, 1, 1);
    kopf->setColumnStretch(1, 1);

    auto* links = new QVBoxLayout;
    links->addLayout(kopf);
    links->addWidget(ListView1, 1);

    auto* rechts = new QVBoxLayout;
    for (size_t i = 0; i < preisfelder.size(); ++i) {
        auto* f = new TZahlFeld(4);
        f->setObjectName(QString::fromLatin1(feldnamen[i]));
        f->setAlignment(Qt::AlignRight);
        Vergraue(f);
        preisfelder[i] = f;
        rechts->addWidget(Beschriftung(TProMengeneinheit::beschriftungen[i].toString(), f));
        rechts->addWidget(f);
    }
    rechts->addStretch();

    setzeSpaltenUndKnoepfe(
        links, rechts, {OKBtn, KalkulationDruckenBtn, RezeptDruckenBtn, ProduktionBtn, CancelBtn});

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ProduktionBtn, &QPushButton::clicked, this, [this] {
        Behandle([this] {
            if (produktion)
                produktion();
        });
    });
    // An edited name belongs to what is shown and printed, not to the data.
    connect(&ListView1->modell(), &QAbstractItemModel::dataChanged, this,
            [this] { zustand.zutaten = ListView1->liste(); });
}

void TCalcAmountsForm::setzeProduktion(std::function<void()> zeigen) {
    produktion = std::move(zeigen);
    ProduktionBtn->setEnabled(bool(produktion));
}

void TCalcAmountsForm::fuelle(const ::TCalcAmountsForm& form) {
    zustand = form;
    NameEd->setText(zustand.name);
    MengeEd->setzeText(zustand.menge);
    const auto texte = zustand.preise.felder();
    for (size_t i = 0; i < preisfelder.size(); ++i)
        preisfelder[i]->setzeText(*texte[i]);
    ListView1->zeige(zustand.zutaten);
    ListView1->scrollToTop();
}

} // namespace fenster
