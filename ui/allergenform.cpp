#include "ui/allergenform.h"

#include "core/uhr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenster {

namespace {

// The states in the order a person weighs them; the item data is the stored value.
constexpr std::array<TAllergenZustand, 4> reihenfolge = {
    TAllergenZustand::enthaelt, TAllergenZustand::spuren, TAllergenZustand::frei,
    TAllergenZustand::ungeklaert};

} // namespace

TAllergenForm::TAllergenForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Allergene und Zusatzstoffe"), parent) {
    setObjectName(QStringLiteral("AllergenForm"));
    auto* gruppen = new QGroupBox(QStringLiteral("Allergene"));
    auto* raster = new QGridLayout(gruppen);
    for (int g = 0; g < AllergenGruppen; ++g) {
        auto* c = new QComboBox;
        c->setObjectName(
            QStringLiteral("Zustand_%1").arg(AllergenVorgaben()[size_t(g)].schluessel));
        for (TAllergenZustand z : reihenfolge)
            c->addItem(ZustandsText(z), int(z));
        auto* l = new QLabel;
        l->setBuddy(c);
        gruppenLabels << l;
        raster->addWidget(l, g, 0);
        raster->addWidget(c, g, 1);
        Zustaende[size_t(g)] = c;
        connect(c, &QComboBox::currentIndexChanged, this, [this] { zeigeArten(); });
    }
    auto* arten = new QGroupBox(QStringLiteral("Zu nennende Arten (bei „enthält“)"));
    auto* artenRaster = new QGridLayout(arten);
    for (int a = 0; a < ArtenAnzahl; ++a) {
        auto* k = new QCheckBox(ArtName(a).toString());
        k->setObjectName(QStringLiteral("Art%1").arg(a));
        Arten[size_t(a)] = k;
        const int spalte = ArtGruppe(a) == GruppeGluten ? 0 : 1;
        const int zeile = spalte == 0 ? a : a - 6;
        artenRaster->addWidget(k, zeile, spalte);
    }
    auto* zusatz = new QGroupBox(QStringLiteral("Zusatzstoffe"));
    auto* zusatzSpalte = new QVBoxLayout(zusatz);
    zusatzRaster = new QGridLayout;
    zusatzSpalte->addLayout(zusatzRaster);
    GeprueftCheck = new QCheckBox(QStringLiteral("Zusatzstoffe &geprüft"));
    GeprueftCheck->setObjectName(QStringLiteral("GeprueftCheck"));
    zusatzSpalte->addWidget(GeprueftCheck);
    zusatzSpalte->addStretch();

    DatumLabel = new QLabel;
    DatumLabel->setObjectName(QStringLiteral("DatumLabel"));
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(arten);
    rechts->addWidget(zusatz, 1);
    auto* spalten = new QHBoxLayout;
    spalten->addWidget(gruppen);
    spalten->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(DatumLabel, 1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(spalten);
    aussen->addLayout(knoepfe);
    aussen->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAllergenForm::fuelle(const TKennzeichnungsTabelle& t, const TZutatDeklaration& d,
                           const QString& zutat) {
    setWindowTitle(zutat.isEmpty() ? QStringLiteral("Allergene und Zusatzstoffe")
                                   : QStringLiteral("Allergene und Zusatzstoffe: ") + zutat);
    vorher = d;
    for (int g = 0; g < AllergenGruppen; ++g) {
        gruppenLabels[g]->setText(
            QStringLiteral("%1 %2:").arg(t.codes[size_t(g)], t.texte[size_t(g)]));
        QComboBox* c = Zustaende[size_t(g)];
        c->setCurrentIndex(c->findData(int(d.zustand(g))));
    }
    for (int a = 0; a < ArtenAnzahl; ++a)
        Arten[size_t(a)]->setChecked((d.arten >> a) & 1u);
    qDeleteAll(Zusatzstoffe);
    Zusatzstoffe.clear();
    for (size_t i = 0; i < t.zusatzstoffe.size(); ++i) {
        auto* k = new QCheckBox(
            QStringLiteral("%1 %2").arg(t.zusatzstoffe[i].code, t.zusatzstoffe[i].text));
        k->setObjectName(QStringLiteral("Zusatzstoff%1").arg(i + 1));
        k->setChecked(d.hatZusatzstoff(int(i) + 1));
        zusatzRaster->addWidget(k, int(i % 10), int(i / 10));
        Zusatzstoffe << k;
    }
    GeprueftCheck->setChecked(d.zusatzstoffeGeprueft);
    DatumLabel->setText(d.datum
                            ? QStringLiteral("Zuletzt geändert am %1")
                                  .arg(QLocale().toString(d.deklariertAm(), QLocale::ShortFormat))
                            : QStringLiteral("Noch nie deklariert"));
    zeigeArten();
    // Tab goes down the states, through the kinds and the additives to the buttons.
    QList<QWidget*> folge(Zustaende.begin(), Zustaende.end());
    folge.append(QList<QWidget*>(Arten.begin(), Arten.end()));
    for (QCheckBox* k : Zusatzstoffe)
        folge << k;
    folge << GeprueftCheck << OKBtn << CancelBtn;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
    Zustaende[0]->setFocus();
}

void TAllergenForm::zeigeArten() {
    for (int a = 0; a < ArtenAnzahl; ++a) {
        const QComboBox* c = Zustaende[size_t(ArtGruppe(a))];
        Arten[size_t(a)]->setEnabled(c->currentData().toInt() == int(TAllergenZustand::enthaelt));
    }
}

TZutatDeklaration TAllergenForm::wert() const {
    TZutatDeklaration d;
    for (int g = 0; g < AllergenGruppen; ++g)
        d.setze(g, TAllergenZustand(Zustaende[size_t(g)]->currentData().toInt()));
    for (int a = 0; a < ArtenAnzahl; ++a)
        if (Arten[size_t(a)]->isEnabled() && Arten[size_t(a)]->isChecked())
            d.arten |= uint16_t(1u << a);
    for (qsizetype i = 0; i < Zusatzstoffe.size(); ++i)
        d.setzeZusatzstoff(int(i) + 1, Zusatzstoffe[i]->isChecked());
    d.zusatzstoffeGeprueft = GeprueftCheck->isChecked();
    d.datum = vorher.datum;
    if (!(d == vorher))
        d.datum = int32_t(TUhr::heute().toJulianDay());
    return d;
}

} // namespace fenster
