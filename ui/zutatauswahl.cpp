#include "ui/zutatauswahl.h"

#include "core/melder.h"
#include "core/zahlen.h"
#include "costing/meldungen.h"
#include "costing/rezeptzeilen.h"
#include "costing/zwischenrezepte.h"
#include "lists/sortierung.h"
#include "lists/suche.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace fenster {

Qt::SortOrder Sortierpfeil(TListenArt art, int spalte, bool sortdir) {
    const bool aufsteigend = (SpaltenArt(art, spalte) == TSpaltenArt::zahl) == sortdir;
    return aufsteigend ? Qt::AscendingOrder : Qt::DescendingOrder;
}

namespace {
QLineEdit* grauesFeld(const QString& name) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    Vergraue(e);
    return e;
}
} // namespace

TZutatAuswaehlenForm::TZutatAuswaehlenForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Zutat auswählen"), parent) {
    setObjectName(QStringLiteral("ZutatAuswaehlenForm"));
    NameEd = grauesFeld(QStringLiteral("NameEd"));
    MengeEd = new TZahlFeld(10);
    MengeEd->setObjectName(QStringLiteral("MengeEd"));
    MengeEd->setAlignment(Qt::AlignRight);
    EinheitCombo = new QComboBox;
    EinheitCombo->setObjectName(QStringLiteral("EinheitCombo"));
    EinheitCombo->setMinimumWidth(90);
    GewichtsverlustEd = new TZahlFeld(2);
    GewichtsverlustEd->setObjectName(QStringLiteral("GewichtsverlustEd"));
    GewichtsverlustEd->setAlignment(Qt::AlignRight);
    EinkaufspreisEd = grauesFeld(QStringLiteral("EinkaufspreisEd"));
    EinkaufsmengeEd = grauesFeld(QStringLiteral("EinkaufsmengeEd"));
    EinkaufspreisEd->setAlignment(Qt::AlignRight);
    EinkaufsmengeEd->setAlignment(Qt::AlignRight);

    ListView1 = new TListenAnsicht(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Zutaten"));
    ListView1->setzeSortierbar(true);
    ListView1->setMinimumSize(560, 300);

    SuchEd2 = new QLineEdit;
    SuchEd2->setObjectName(QStringLiteral("SuchEd2"));
    SuchEd2->setAccessibleName(QStringLiteral("Suchtext"));
    SuchEd2->installEventFilter(this);
    SuchBtn2 = new QPushButton(QStringLiteral("Suchen"));
    SuchBtn2->setObjectName(QStringLiteral("SuchBtn2"));
    WeiterSuchenBtn2 = new QPushButton(QStringLiteral("Weitersuchen"));
    WeiterSuchenBtn2->setObjectName(QStringLiteral("WeiterSuchenBtn2"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* felder = new QGridLayout;
    const auto feld = [&](int zeile, const QString& text, QWidget* w) {
        felder->addWidget(Beschriftung(text, w), zeile, 0);
        felder->addWidget(w, zeile, 1);
    };
    feld(0, QStringLiteral("Name:"), NameEd);
    feld(1, QStringLiteral("&Menge:"), MengeEd);
    felder->addWidget(Beschriftung(QStringLiteral("&Einheit:"), EinheitCombo), 1, 2);
    felder->addWidget(EinheitCombo, 1, 3);
    feld(2, QStringLiteral("&Gewichtsverlust in %:"), GewichtsverlustEd);
    feld(3, QStringLiteral("Einkaufspreis:"), EinkaufspreisEd);
    feld(4, QStringLiteral("Einkaufsmenge:"), EinkaufsmengeEd);
    felder->setColumnStretch(1, 1);

    auto* suche = new QHBoxLayout;
    suche->addWidget(SuchEd2, 1);
    suche->addWidget(SuchBtn2);
    suche->addWidget(WeiterSuchenBtn2);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(felder);
    spalte->addWidget(ListView1, 1);
    spalte->addLayout(suche);
    spalte->addSpacing(6);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(MengeEd, EinheitCombo);
    setTabOrder(EinheitCombo, GewichtsverlustEd);
    setTabOrder(GewichtsverlustEd, ListView1);
    setTabOrder(ListView1, SuchEd2);
    setTabOrder(SuchEd2, SuchBtn2);
    setTabOrder(SuchBtn2, WeiterSuchenBtn2);
    setTabOrder(WeiterSuchenBtn2, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    zeigeListe();
    zeigeFelder();

    connect(MengeEd, &TZahlFeld::geaendert, this, [this](const QString& t) { zustand.menge = t; });
    connect(EinheitCombo, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (EinheitCombo->currentIndex() >= 0)
            zustand.setzeEinheit(t);
    });
    connect(GewichtsverlustEd, &TZahlFeld::geaendert, this,
            [this](const QString& t) { zustand.gewichtsverlust = t; });
    connect(ListView1, &TListenAnsicht::auswahlGeaendert, this,
            Sicher(this, &TZutatAuswaehlenForm::ListView1Change));
    connect(ListView1, &TListenAnsicht::spalteGeklickt, this,
            Sicher(this, &TZutatAuswaehlenForm::ListView1ColumnClick));
    // A double click chooses the row, as selecting it and pressing OK does.
    connect(ListView1, &TListenAnsicht::zeileAktiviert, this,
            Sicher(this, &TZutatAuswaehlenForm::BitBtn1Click));
    connect(SuchBtn2, &QPushButton::clicked, this,
            Sicher(this, &TZutatAuswaehlenForm::SuchBtn2Click));
    connect(WeiterSuchenBtn2, &QPushButton::clicked, this,
            Sicher(this, &TZutatAuswaehlenForm::WeiterSuchenBtn2Click));
    connect(BitBtn1, &QPushButton::clicked, this,
            Sicher(this, &TZutatAuswaehlenForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TZutatAuswaehlenForm::zeigeListe() {
    const int auswahl = zustand.auswahl;
    // The previous rows (100 000 of them in a large catalogue) are released once the new
    // ones are on screen, not while the user waits for them.
    QTimer::singleShot(0, this, [alt = ListView1->zeige(zustand.liste)] {});
    ListView1->zeigeSortierung(
        zustand.sortspalte, Sortierpfeil(TListenArt::auswahl, zustand.sortspalte, zustand.sortdir));
    zustand.auswahl = auswahl;
    zeigeAuswahl();
}

void TZutatAuswaehlenForm::zeigeAuswahl() {
    const int auswahl = zustand.auswahl;
    ListView1->waehleZeile(auswahl);
    zustand.auswahl = auswahl;
    zustand.ListView1Change();
    zeigeGrau();
    if (auswahl >= 0)
        ListView1->scrollTo(ListView1->model()->index(auswahl, 0));
}

void TZutatAuswaehlenForm::zeigeGrau() {
    NameEd->setText(zustand.name);
    EinkaufspreisEd->setText(zustand.einkaufspreis);
    EinkaufsmengeEd->setText(zustand.einkaufsmenge);
    zeigeEinheiten();
}

void TZutatAuswaehlenForm::zeigeEinheiten() {
    const QString einheit = zustand.einheit;
    const QSignalBlocker sperre(EinheitCombo);
    EinheitCombo->clear();
    EinheitCombo->addItems(zustand.einheiten);
    EinheitCombo->setCurrentIndex(int(zustand.einheiten.indexOf(einheit)));
    EinheitCombo->setEnabled(!zustand.einheiten.isEmpty());
}

void TZutatAuswaehlenForm::zeigeFelder() {
    zeigeGrau();
    MengeEd->setzeText(zustand.menge);
    GewichtsverlustEd->setzeText(zustand.gewichtsverlust);
}

void TZutatAuswaehlenForm::fuelle(const TDaten& d) {
    daten = &d;
    rezeptNr = -1;
    FuellePicker(zustand, d);
    SortiereListe(zustand.liste, TListenArt::auswahl, zustand.sortspalte, zustand.sortdir);
    zeigeListe();
    ListView1->scrollToTop();
    zeigeFelder();
}

void TZutatAuswaehlenForm::fuerNeueZeile() {
    PickerFuerNeueZeile(zustand);
    zeigeFelder();
}

std::optional<TMeldung> TZutatAuswaehlenForm::fuerZeile(const ::TRezeptForm& rezept) {
    if (auto meldung = PickerFuerZeile(rezept, zustand))
        return meldung;
    zeigeAuswahl();
    zeigeFelder();
    return std::nullopt;
}

void TZutatAuswaehlenForm::ListView1Change() {
    zustand.auswahl = int(ListView1->gewaehlteZeile().value_or(-1));
    zustand.ListView1Change();
    zeigeGrau();
}

void TZutatAuswaehlenForm::ListView1ColumnClick(int spalte) {
    // The selected ingredient stays selected wherever the new order puts it.
    const QString nr = zustand.gewaehlt(::TZutatAuswaehlenForm::spalteNr);
    const bool gewaehlt = zustand.auswahl >= 0;
    SpaltenKlick(zustand.sortspalte, zustand.sortdir, spalte);
    SortiereListe(zustand.liste, TListenArt::auswahl, zustand.sortspalte, zustand.sortdir);
    if (gewaehlt)
        zustand.waehleNr(nr);
    zeigeListe();
}

void TZutatAuswaehlenForm::suche(bool vonAnfang) {
    const auto zeile = DurchsucheListView(SuchEd2->text(), ListView1->liste(), vonAnfang,
                                          ListView1->gewaehlteZeile());
    if (!zeile)
        return;
    ListView1->waehleZeile(*zeile);
    ListView1->rolleZu(*zeile, 50);
    ListView1->setFocus();
}

void TZutatAuswaehlenForm::SuchBtn2Click() {
    suche(true);
}

void TZutatAuswaehlenForm::WeiterSuchenBtn2Click() {
    suche(false);
}

void TZutatAuswaehlenForm::BitBtn1Click() {
    // Enter confirms without leaving the fields; check what leaving them would show.
    MengeEd->normalisiere();
    GewichtsverlustEd->normalisiere();
    if (const auto meldung = zustand.BitBtn1Click()) {
        melder().fehler(meldung->text.toString(), meldung->titel.toString());
        return;
    }
    const auto nr = LiesGanzzahl(zustand.gewaehlt(::TZutatAuswaehlenForm::spalteNr));
    if (daten && rezeptNr >= 0 && nr && *nr >= 0)
        if (const auto weg = ZyklusDurch(*daten, uint32_t(rezeptNr), uint32_t(*nr)); !weg.empty()) {
            melder().fehler(ZyklusText(*daten, weg), Meldung::TitelZutatAuswaehlen.toString());
            return;
        }
    if (const auto fehlt = zustand.EinheitFehlt()) {
        melder().fehler(*fehlt, Meldung::TitelMengeFestlegen.toString());
        return;
    }
    accept();
}

bool TZutatAuswaehlenForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Enter in the search field searches on, as in the main window, instead of confirming
    // the dialog.
    if (objekt == SuchEd2 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            Behandle([this] { WeiterSuchenBtn2Click(); });
            return true;
        }
    }
    return TDialogBasis::eventFilter(objekt, ereignis);
}

} // namespace fenster
