#include "ui/zutatform.h"

#include "core/melder.h"
#include "ui/deklarationsknopf.h"
#include "ui/fehlerbox.h"
#include "ui/zahlfeld.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenster {

namespace {

QComboBox* auswahlfeld(const QString& name) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setEditable(true);
    // Typed values are stored, not added: the lists come only from the catalogue.
    c->setInsertPolicy(QComboBox::NoInsert);
    // Completion must not change the case of what is typed: "frischhof" is its own value.
    c->completer()->setCaseSensitivity(Qt::CaseSensitive);
    c->setMinimumWidth(280);
    return c;
}

// The units in use and, after them, every known unit not among them.
QStringList mitBekannten(QStringList einheiten) {
    for (const QString& e : BekannteEinheiten())
        if (!einheiten.contains(e))
            einheiten << e;
    return einheiten;
}

TZahlFeld* faktfeld(const QString& name) {
    auto* f = new TZahlFeld(4);
    f->setObjectName(name);
    f->setAlignment(Qt::AlignRight);
    f->setzeLeerErlaubt(true);
    f->setzeText(QString());
    return f;
}

std::optional<double> faktwert(const TZahlFeld* f) {
    return f->wertOderNichts();
}

void setzeFakt(TZahlFeld* f, const std::optional<double>& w) {
    if (w)
        f->setzeWert(*w);
    else
        f->setzeText(QString());
}

void setzeListe(QComboBox* c, const QStringList& werte) {
    c->clear();
    c->addItems(werte);
    c->setCurrentIndex(-1);
    c->setEditText(QString());
}

TZahlFeld* zahlfeld(const QString& name) {
    auto* f = new TZahlFeld(4);
    f->setObjectName(name);
    f->setAlignment(Qt::AlignRight);
    return f;
}

} // namespace

TZutatForm::TZutatForm(QWidget* parent) : TDialogBasis(QStringLiteral("Zutat bearbeiten"), parent) {
    setObjectName(QStringLiteral("ZutatForm"));
    NameEd = new QLineEdit;
    NameEd->setObjectName(QStringLiteral("NameEd"));
    LieferantCombo = auswahlfeld(QStringLiteral("LieferantCombo"));
    GruppeCombo = auswahlfeld(QStringLiteral("GruppeCombo"));
    EinheitCombo = auswahlfeld(QStringLiteral("EinheitCombo"));
    MengeEd = zahlfeld(QStringLiteral("MengeEd"));
    PreisEd = zahlfeld(QStringLiteral("PreisEd"));
    StueckgewichtEd = faktfeld(QStringLiteral("StueckgewichtEd"));
    DichteEd = faktfeld(QStringLiteral("DichteEd"));
    InhaltMengeEd = faktfeld(QStringLiteral("InhaltMengeEd"));
    InhaltEinheitCombo = new QComboBox;
    InhaltEinheitCombo->setObjectName(QStringLiteral("InhaltEinheitCombo"));
    InhaltEinheitCombo->setAccessibleName(QStringLiteral("Einheit des Inhalts"));
    InhaltEinheitCombo->addItems(BekannteEinheiten());
    InhaltLbl = new QLabel;
    InhaltLbl->setBuddy(InhaltMengeEd);
    UmrechnungBox = new QGroupBox(QStringLiteral("Umrechnung"));
    UmrechnungBox->setObjectName(QStringLiteral("UmrechnungBox"));
    auto* umrechnung = new QFormLayout(UmrechnungBox);
    umrechnung->addRow(Beschriftung(QStringLiteral("Gewicht je &Stück (g):"), StueckgewichtEd),
                       StueckgewichtEd);
    umrechnung->addRow(Beschriftung(QStringLiteral("&Dichte (g/ml):"), DichteEd), DichteEd);
    auto* inhalt = new QHBoxLayout;
    inhalt->addWidget(InhaltMengeEd, 1);
    inhalt->addWidget(InhaltEinheitCombo);
    umrechnung->addRow(InhaltLbl, inhalt);
    setzeListe(EinheitCombo, BekannteEinheiten());
    AllergeneBtn = new TDeklarationsKnopf;
    VerlaufBtn = new QPushButton(QStringLiteral("Preis&verlauf..."));
    VerlaufBtn->setObjectName(QStringLiteral("VerlaufBtn"));
    VerlaufBtn->setEnabled(false);
    VerwendetLabel = new QLabel;
    VerwendetLabel->setObjectName(QStringLiteral("VerwendetLabel"));
    VerwendetLabel->setWordWrap(true);
    VerwendetLabel->setMaximumWidth(280);
    VerwendetLabel->setVisible(false);
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);

    auto* spalte = new QVBoxLayout(this);
    const auto feld = [&](const QString& text, QWidget* w) {
        spalte->addWidget(Beschriftung(text, w));
        spalte->addWidget(w);
    };
    feld(QStringLiteral("&Name:"), NameEd);
    feld(QStringLiteral("&Lieferant:"), LieferantCombo);
    feld(QStringLiteral("&Gruppe:"), GruppeCombo);
    feld(QStringLiteral("&Einheit:"), EinheitCombo);
    feld(QStringLiteral("&Menge:"), MengeEd);
    feld(QStringLiteral("&Preis:"), PreisEd);
    spalte->addWidget(UmrechnungBox);
    spalte->addWidget(AllergeneBtn);
    spalte->addWidget(VerwendetLabel);
    spalte->addSpacing(8);
    auto* knopfzeile = new QHBoxLayout;
    knopfzeile->addWidget(VerlaufBtn);
    knopfzeile->addStretch();
    knopfzeile->addWidget(OKBtn);
    spalte->addLayout(knopfzeile);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    MengeEd->setzeWert(1);
    PreisEd->setzeWert(0);
    connect(EinheitCombo, &QComboBox::editTextChanged, this, [this] { zeigeInhalt(); });
    zeigeInhalt();
    connect(OKBtn, &QPushButton::clicked, this, Sicher(this, &TZutatForm::OKBtnClick));
    connect(VerlaufBtn, &QPushButton::clicked, this, Sicher(this, &TZutatForm::VerlaufBtnClick));
}

void TZutatForm::setzeVerlauf(std::function<void()> zeigen) {
    verlauf = std::move(zeigen);
    VerlaufBtn->setEnabled(bool(verlauf));
}

void TZutatForm::setzeVerwendung(const QStringList& rezepte) {
    VerwendetLabel->setText(rezepte.isEmpty() ? QString()
                                              : QStringLiteral("Verwendet in:\n") +
                                                    rezepte.join(QLatin1Char('\n')));
    VerwendetLabel->setVisible(!rezepte.isEmpty());
}

void TZutatForm::VerlaufBtnClick() {
    if (verlauf)
        verlauf();
}

void TZutatForm::fuelleNeu(const TZutatAuswahllisten& listen) {
    setzeVerlauf({});
    setzeVerwendung({});
    NameEd->clear();
    setzeListe(LieferantCombo, listen.lieferanten);
    setzeListe(GruppeCombo, listen.gruppen);
    setzeListe(EinheitCombo, mitBekannten(listen.einheiten));
    MengeEd->setzeWert(1);
    PreisEd->setzeWert(0);
}

void TZutatForm::fuelleAus(const TZutatWerte& werte) {
    NameEd->setText(werte.name);
    LieferantCombo->setEditText(werte.lieferant);
    GruppeCombo->setEditText(werte.zgruppe);
    EinheitCombo->setEditText(werte.einheit);
    PreisEd->setzeWert(werte.preis);
    MengeEd->setzeWert(werte.menge);
}

TZutatWerte TZutatForm::werte() const {
    TZutatWerte w;
    w.name = NameEd->text();
    w.lieferant = LieferantCombo->currentText();
    w.zgruppe = GruppeCombo->currentText();
    w.einheit = EinheitCombo->currentText();
    w.menge = MengeEd->wert();
    w.preis = PreisEd->wert();
    return w;
}

void TZutatForm::zeigeInhalt() {
    const QString einheit = EinheitCombo->currentText().trimmed();
    const bool eigene = !BekannteEinheit(einheit);
    InhaltLbl->setText(QStringLiteral("&1 %1 enthält:")
                           .arg(einheit.isEmpty() ? QStringLiteral("Einheit") : einheit));
    InhaltMengeEd->setEnabled(eigene);
    InhaltEinheitCombo->setEnabled(eigene);
}

void TZutatForm::fuelleFakten(const TEinheitFakten& f) {
    setzeFakt(StueckgewichtEd, f.stueckgewicht);
    setzeFakt(DichteEd, f.dichte);
    setzeFakt(InhaltMengeEd, f.inhalt ? std::optional(f.inhalt->menge) : std::nullopt);
    const int i = f.inhalt ? InhaltEinheitCombo->findText(f.inhalt->einheit) : -1;
    InhaltEinheitCombo->setCurrentIndex(std::max(i, 0));
    zeigeInhalt();
}

TEinheitFakten TZutatForm::fakten() const {
    TEinheitFakten f;
    f.stueckgewicht = faktwert(StueckgewichtEd);
    f.dichte = faktwert(DichteEd);
    // The row is off for a known unit: what it shows then is not the ingredient's.
    if (InhaltMengeEd->isEnabled())
        if (const auto menge = faktwert(InhaltMengeEd))
            f.inhalt = TInhalt{*menge, InhaltEinheitCombo->currentText()};
    return f;
}

void TZutatForm::OKBtnClick() {
    // Enter confirms without leaving the field; what is stored is what leaving shows.
    MengeEd->normalisiere();
    PreisEd->normalisiere();
    for (TZahlFeld* f : {StueckgewichtEd, DichteEd, InhaltMengeEd})
        f->normalisiere();
    if (pruefung)
        if (const auto grund = pruefung(werte(), fakten())) {
            melder().fehler(*grund, windowTitle());
            return;
        }
    accept();
}

void TZutatForm::showEvent(QShowEvent* e) {
    TDialogBasis::showEvent(e);
    NameEd->setFocus();
}

} // namespace fenster
