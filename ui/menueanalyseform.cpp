#include "ui/menueanalyseform.h"

#include "core/datumstext.h"
#include "core/uhr.h"
#include "core/zahlen.h"
#include "lists/auswertung.h"
#include "lists/menueanalyse.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/menuematrixflaeche.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace fenster {

namespace {

QDateEdit* Datumsfeld(const char* name, QDate tag) {
    auto* d = new QDateEdit;
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(KurzesDatumsformat()); // four-digit years
    d->setCalendarPopup(true);
    d->setDateRange(FruehestesAuswertungsdatum(), SpaetestesAuswertungsdatum());
    // A typed date counts when it is complete, not at every digit on its way.
    d->setKeyboardTracking(false);
    d->setDate(tag);
    return d;
}

} // namespace

TMenueanalyseForm::TMenueanalyseForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Menü-Analyse"), QStringLiteral("Menü-Analyse"), false, parent),
      StartEd(Datumsfeld("StartEd", QDate(TUhr::heute().year(), 1, 1))),
      EndeEd(Datumsfeld("EndeEd", TUhr::heute())), FilterCombo(Filterauswahl()),
      Teiler(new QSplitter(Qt::Horizontal)), MatrixBox(new TMenueMatrixFlaeche) {
    setObjectName(QStringLiteral("MenueanalyseForm"));
    Teiler->setObjectName(QStringLiteral("Teiler"));
    Teiler->setChildrenCollapsible(false);
    breiteNachTabelle = false; // the chart takes the rest

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("&Start:"), StartEd));
    zeile->addWidget(StartEd);
    zeile->addSpacing(Pixel(this, 8));
    zeile->addWidget(Beschriftung(QStringLiteral("&Ende:"), EndeEd));
    zeile->addWidget(EndeEd);
    zeile->addSpacing(Pixel(this, 16));
    zeile->addWidget(Beschriftung(QStringLiteral("&Filtern:"), FilterCombo));
    zeile->addWidget(FilterCombo);
    zeile->addStretch(1);
    kopf->addLayout(zeile);

    // Table and chart side by side; the splitter lets either have more room.
    mitte->removeWidget(ListView1);
    Teiler->addWidget(ListView1);
    Teiler->addWidget(MatrixBox);
    Teiler->setStretchFactor(0, 3);
    Teiler->setStretchFactor(1, 2);
    mitte->addWidget(Teiler);
    resize(Pixel(this, 1200), Pixel(this, 560));
    Teiler->setSizes({Pixel(this, 700), Pixel(this, 480)});
    setzeTabfolge({StartEd, EndeEd, FilterCombo});

    connect(StartEd, &QDateEdit::dateChanged, this,
            Sicher(this, &TMenueanalyseForm::StartEdChange));
    connect(EndeEd, &QDateEdit::dateChanged, this, Sicher(this, &TMenueanalyseForm::EndeEdChange));
    connect(FilterCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TMenueanalyseForm::FilterComboChange));
}

void TMenueanalyseForm::fuelle(const TDaten& d) {
    daten = &d;
    FuelleFilter(*FilterCombo, d);
    berechne();
    ListView1->scrollToTop();
}

void TMenueanalyseForm::showEvent(QShowEvent* e) {
    TTabellenForm::showEvent(e);
    if (geteilt)
        return;
    // At the first showing the table gets the room its columns need, the chart the rest.
    geteilt = true;
    const int gesamt = Teiler->width() - Teiler->handleWidth();
    const int tabelle = std::min(tabellenbreite() + Pixel(this, 4), gesamt * 2 / 3);
    Teiler->setSizes({tabelle, gesamt - tabelle});
}

void TMenueanalyseForm::StartEdChange() {
    if (EndeEd->date() < StartEd->date()) {
        const QSignalBlocker still(EndeEd); // one computation, not two
        EndeEd->setDate(StartEd->date());
    }
    berechne();
}

void TMenueanalyseForm::EndeEdChange() {
    if (StartEd->date() > EndeEd->date()) {
        const QSignalBlocker still(StartEd);
        StartEd->setDate(EndeEd->date());
    }
    berechne();
}

void TMenueanalyseForm::FilterComboChange() {
    berechne();
}

void TMenueanalyseForm::berechne() {
    if (!daten)
        return;
    TMenueWahl w;
    w.start = StartEd->date();
    w.ende = EndeEd->date();
    w.filter = std::max(FilterCombo->currentIndex(), 0);
    TMenueAnalyse a = Menueanalyse(*daten, w);
    zeigeTabelle(MenueListe(a));
    if (a.portionen == 0) {
        setzeFusszeile(QStringLiteral("Im Zeitraum wurde keines dieser Rezepte verkauft."));
    } else {
        const QString portionen = a.portionen == 1
                                      ? QStringLiteral("1 Portion")
                                      : QStringLiteral("%1 Portionen").arg(a.portionen);
        setzeFusszeile(
            QStringLiteral("%1 verkauft. Beliebt ab einem Anteil von %2 %, "
                           "rentabel ab einem DB pro Portion von %3.")
                .arg(portionen, ZahlFest(a.schwelleAnteil, 2), ZahlFest(a.schwelleDb, 4)));
    }
    MatrixBox->zeige(std::move(a));
}

QStringList TMenueanalyseForm::druckzeilen() const {
    return {QStringLiteral("Zeitraum: %1 bis %2, Filter: %3")
                .arg(KurzesDatum(StartEd->date()), KurzesDatum(EndeEd->date()),
                     FilterCombo->currentText()),
            Fusszeile->text()};
}

} // namespace fenster
