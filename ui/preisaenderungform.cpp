#include "ui/preisaenderungform.h"

#include "core/daten.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/zutatkatalog.h"
#include "lists/preisaenderungsliste.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QCheckBox>
#include <QCollator>
#include <QCollatorSortKey>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace fenster {

namespace {

constexpr int StatusSpalte = 10;

// The texts trimmed, without empty ones and repeats, in the locale's order.
QStringList Auswahlwerte(const QStringList& werte) {
    QStringList s;
    for (const QString& w : werte) {
        const QString t = w.trimmed();
        if (!t.isEmpty() && !s.contains(t))
            s.append(t);
    }
    QCollator c;
    std::sort(s.begin(), s.end(),
              [&](const QString& a, const QString& b) { return c.compare(a, b) < 0; });
    return s;
}

// What the ingredient list shows of each ingredient, and the positions, by name.
void Zutatenauswahl(const TDaten& d, QStringList& texte, std::vector<uint32_t>& nr) {
    const uint32_t n = d.anzahlZutaten();
    QCollator c;
    std::vector<QCollatorSortKey> schluessel;
    QStringList alle;
    schluessel.reserve(n);
    alle.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        const TZutat& z = d.zutat(i);
        const QString name = Text(z.name);
        const QString lieferant = TextView(z.lieferant).trimmed().toString();
        alle.append(lieferant.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, lieferant));
        schluessel.push_back(c.sortKey(name));
    }
    nr.resize(n);
    std::iota(nr.begin(), nr.end(), 0u);
    std::stable_sort(nr.begin(), nr.end(), [&](uint32_t a, uint32_t b) {
        return schluessel[a].compare(schluessel[b]) < 0;
    });
    texte.clear();
    texte.reserve(n);
    for (uint32_t i : nr)
        texte.append(alle[i]);
}

QComboBox* Liste(const char* name) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(28);
    return c;
}

} // namespace

TPreisaenderungForm::TPreisaenderungForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Preisänderung simulieren"),
                    QStringLiteral("Folgen der Preisänderung"), false, parent),
      ProzentEd(new TZahlFeld(2)), AuswahlCombo(Liste("AuswahlCombo")), WertLabel(new QLabel),
      WertCombo(Liste("WertCombo")), FilterCombo(Filterauswahl()),
      AlleCheck(new QCheckBox(QStringLiteral("&alle Rezepte zeigen"))) {
    setObjectName(QStringLiteral("PreisaenderungForm"));
    ProzentEd->setObjectName(QStringLiteral("ProzentEd"));
    ProzentEd->setzeBereich(-100.0, 1000.0);
    ProzentEd->setzeSchritt(1);
    ProzentEd->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    ProzentEd->setAlignment(Qt::AlignRight);
    ProzentEd->setMinimumWidth(Pixel(this, 90));
    ProzentEd->setzeWert(10); // a rise, the usual news from a supplier
    AuswahlCombo->addItems({QStringLiteral("alle Zutaten"), QStringLiteral("eine Zutat"),
                            QStringLiteral("alle Zutaten eines Lieferanten"),
                            QStringLiteral("alle Zutaten einer Zutatengruppe")});
    WertLabel->setObjectName(QStringLiteral("WertLabel"));
    WertLabel->setBuddy(WertCombo);
    AlleCheck->setObjectName(QStringLiteral("AlleCheck"));

    auto* felder = new QGridLayout;
    felder->addWidget(Beschriftung(QStringLiteral("Än&derung der Einkaufspreise (%):"), ProzentEd),
                      0, 0);
    felder->addWidget(ProzentEd, 0, 1, Qt::AlignLeft);
    felder->addWidget(Beschriftung(QStringLiteral("&Betroffene Zutaten:"), AuswahlCombo), 1, 0);
    felder->addWidget(AuswahlCombo, 1, 1);
    felder->addWidget(WertLabel, 1, 2);
    felder->addWidget(WertCombo, 1, 3);
    felder->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo), 2, 0);
    felder->addWidget(FilterCombo, 2, 1);
    felder->addWidget(AlleCheck, 2, 2, 1, 2);
    felder->setColumnStretch(4, 1);
    kopf->addLayout(felder);
    resize(Pixel(this, 1120), Pixel(this, 520));
    setzeTabfolge({ProzentEd, AuswahlCombo, WertCombo, FilterCombo, AlleCheck});
    fuelleWerte();

    connect(ProzentEd, &TZahlFeld::geaendert, this,
            Sicher(this, &TPreisaenderungForm::ProzentEdChange));
    connect(AuswahlCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TPreisaenderungForm::AuswahlComboChange));
    connect(WertCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TPreisaenderungForm::WertComboChange));
    connect(FilterCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TPreisaenderungForm::FilterComboChange));
    connect(AlleCheck, &QCheckBox::toggled, this,
            Sicher(this, &TPreisaenderungForm::AlleCheckClick));
}

TPreisAuswahl TPreisaenderungForm::art() const {
    switch (AuswahlCombo->currentIndex()) {
    case 1:
        return TPreisAuswahl::zutat;
    case 2:
        return TPreisAuswahl::lieferant;
    case 3:
        return TPreisAuswahl::zutatengruppe;
    default:
        return TPreisAuswahl::alle;
    }
}

void TPreisaenderungForm::fuelle(const TDaten& d) {
    daten = &d;
    // The catalogue's names are sorted when "eine Zutat" asks for them, not at every opening.
    zutaten.clear();
    zutatNr.clear();
    zutatenGelesen = false;
    const TZutatAuswahllisten werte = VerschiedeneWerte(d);
    lieferanten = Auswahlwerte(werte.lieferanten);
    gruppen = Auswahlwerte(werte.gruppen);
    FuelleFilter(*FilterCombo, d);
    fuelleWerte();
    berechne();
    ListView1->scrollToTop();
}

// The list of the second field for the kind chosen in the first, keeping the choice
// when it is still there.
void TPreisaenderungForm::fuelleWerte() {
    const QSignalBlocker still(WertCombo);
    const QString vorher = WertCombo->currentText();
    WertCombo->clear();
    switch (art()) {
    case TPreisAuswahl::alle:
        WertLabel->setText(QStringLiteral("Aus&wahl:"));
        break;
    case TPreisAuswahl::zutat:
        WertLabel->setText(QStringLiteral("&Zutat:"));
        if (!zutatenGelesen && daten) {
            Zutatenauswahl(*daten, zutaten, zutatNr);
            zutatenGelesen = true;
        }
        WertCombo->addItems(zutaten);
        break;
    case TPreisAuswahl::lieferant:
        WertLabel->setText(QStringLiteral("&Lieferant:"));
        WertCombo->addItems(lieferanten);
        break;
    case TPreisAuswahl::zutatengruppe:
        WertLabel->setText(QStringLiteral("Zutaten&gruppe:"));
        WertCombo->addItems(gruppen);
        break;
    }
    WertCombo->setCurrentIndex(std::max(WertCombo->findText(vorher), 0));
    WertCombo->setEnabled(art() != TPreisAuswahl::alle);
    WertLabel->setEnabled(WertCombo->isEnabled());
}

std::optional<TPreisaenderung> TPreisaenderungForm::aenderung() const {
    TPreisaenderung a;
    a.prozent = std::clamp(ProzentEd->wert(), -100.0, 1000.0); // as leaving the field does
    a.auswahl = art();
    const int i = WertCombo->currentIndex();
    if (a.auswahl != TPreisAuswahl::alle && i < 0)
        return std::nullopt;
    if (a.auswahl == TPreisAuswahl::zutat)
        a.zutat = zutatNr[size_t(i)];
    else if (a.auswahl != TPreisAuswahl::alle)
        a.text = WertCombo->currentText();
    return a;
}

void TPreisaenderungForm::ProzentEdChange() {
    berechne();
}

void TPreisaenderungForm::AuswahlComboChange() {
    fuelleWerte();
    berechne();
}

void TPreisaenderungForm::WertComboChange() {
    berechne();
}

void TPreisaenderungForm::FilterComboChange() {
    berechne();
}

void TPreisaenderungForm::AlleCheckClick() {
    berechne();
}

void TPreisaenderungForm::berechne() {
    if (!daten)
        return;
    const int filter = std::max(FilterCombo->currentIndex(), 0);
    const std::optional<TPreisaenderung> a = aenderung();
    TListe liste =
        Preisaenderungsliste(*daten, a.value_or(TPreisaenderung{}), filter, AlleCheck->isChecked());
    if (!a) {
        liste.zeilen.clear();
        setzeFusszeile(art() == TPreisAuswahl::zutat ? QStringLiteral("Es gibt keine Zutaten.")
                       : art() == TPreisAuswahl::lieferant
                           ? QStringLiteral("Keine Zutat nennt einen Lieferanten.")
                           : QStringLiteral("Keine Zutat nennt eine Zutatengruppe."));
        zeigeTabelle(std::move(liste));
        return;
    }
    qsizetype ueber = 0;
    for (qsizetype z = 0; z < liste.anzahlZeilen(); ++z)
        ueber += liste.zelle(z, StatusSpalte) == SollStatusText(TSollStatus::ueberSoll) ? 1 : 0;
    setzeFusszeile(ueber == 0   ? QStringLiteral("Kein Rezept kommt über sein Soll.")
                   : ueber == 1 ? QStringLiteral("1 Rezept kommt über sein Soll.")
                                : QStringLiteral("%1 Rezepte kommen über ihr Soll.").arg(ueber));
    zeigeTabelle(std::move(liste));
}

QString TPreisaenderungForm::drucktitel() const {
    return QStringLiteral("Preisänderung simulieren");
}

QStringList TPreisaenderungForm::druckzeilen() const {
    const std::optional<TPreisaenderung> a = aenderung();
    const double p = a ? a->prozent : 0;
    QString wer = AuswahlCombo->currentText();
    if (art() != TPreisAuswahl::alle)
        wer += QStringLiteral(": ") + WertCombo->currentText();
    return {QStringLiteral("Änderung der Einkaufspreise: %1%2 % für %3")
                .arg(p > 0 ? QStringLiteral("+") : QString(), ZahlFest(p, 2), wer),
            QStringLiteral("Filter: %1%2")
                .arg(FilterCombo->currentText(),
                     AlleCheck->isChecked() ? QStringLiteral(", alle Rezepte") : QString())};
}

} // namespace fenster
