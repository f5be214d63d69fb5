#include "ui/preisentwicklungform.h"

#include "core/datumstext.h"
#include "core/uhr.h"
#include "core/zahlen.h"
#include "lists/preisentwicklung.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fenster {

namespace {
QDateEdit* datumsfeld(const char* name) {
    auto* d = new QDateEdit;
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(KurzesDatumsformat());
    d->setCalendarPopup(true);
    d->setDateRange(QDate(1900, 1, 1), QDate(2199, 12, 31));
    return d;
}
} // namespace

TPreisentwicklungForm::TPreisentwicklungForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Preisänderungen"), QStringLiteral("Geänderte Preise"), false,
                    parent),
      VonEd(datumsfeld("VonEd")), BisEd(datumsfeld("BisEd")), SchwelleEd(new TZahlFeld(2)) {
    setObjectName(QStringLiteral("PreisentwicklungForm"));
    SchwelleEd->setObjectName(QStringLiteral("SchwelleEd"));
    SchwelleEd->setzeBereich(0, 1000);
    SchwelleEd->setzeWert(5);
    SchwelleEd->setMinimumWidth(Pixel(this, 80));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(Beschriftung(QStringLiteral("&Von:"), VonEd));
    zeile->addWidget(VonEd);
    zeile->addWidget(Beschriftung(QStringLiteral("&Bis:"), BisEd));
    zeile->addWidget(BisEd);
    zeile->addWidget(Beschriftung(QStringLiteral("&Mindestens (%):"), SchwelleEd));
    zeile->addWidget(SchwelleEd);
    zeile->addStretch(1);
    kopf->addLayout(zeile);
    resize(Pixel(this, 900), Pixel(this, 460));
    setzeTabfolge({VonEd, BisEd, SchwelleEd});
    connect(VonEd, &QDateEdit::dateChanged, this,
            Sicher(this, &TPreisentwicklungForm::OptionChange));
    connect(BisEd, &QDateEdit::dateChanged, this,
            Sicher(this, &TPreisentwicklungForm::OptionChange));
    connect(SchwelleEd, &TZahlFeld::geaendert, this,
            Sicher(this, &TPreisentwicklungForm::OptionChange));
}

void TPreisentwicklungForm::fuelle(const TDaten& d) {
    daten = nullptr; // one computation after both days are set
    BisEd->setDate(TUhr::heute());
    VonEd->setDate(TUhr::heute().addDays(-90));
    daten = &d;
    berechne();
    ListView1->scrollToTop();
}

void TPreisentwicklungForm::OptionChange() {
    berechne();
}

void TPreisentwicklungForm::berechne() {
    if (!daten)
        return;
    const TPreisentwicklungsWahl w{VonEd->date(), BisEd->date(), SchwelleEd->wert()};
    TListe liste = Preisentwicklungsliste(*daten, w);
    if (w.von > w.bis) {
        liste.zeilen.clear();
        zeigeTabelle(std::move(liste));
        setzeFusszeile(QStringLiteral("Der erste Tag liegt nach dem letzten."));
        return;
    }
    const bool leer = liste.zeilen.isEmpty();
    zeigeTabelle(std::move(liste));
    setzeFusszeile(leer ? QStringLiteral("Kein Preis je Einheit hat sich in dieser Zeit um "
                                         "mindestens %1 % geändert.")
                              .arg(ZahlAllgemein(w.schwelle))
                        : QString());
}

QStringList TPreisentwicklungForm::druckzeilen() const {
    return {QStringLiteral("Von %1 bis %2, Änderung mindestens %3 %")
                .arg(KurzesDatum(VonEd->date()), KurzesDatum(BisEd->date()),
                     ZahlAllgemein(SchwelleEd->wert()))};
}

} // namespace fenster
