// Purchase prices over time: a supplier's price list, the changes between two days and
// an ingredient's history.
#include "ui/mainform.h"

#include "core/melder.h"
#include "core/sicherungen.h"
#include "exchange/csvimport.h"
#include "exchange/preisliste.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/preisentwicklungform.h"
#include "ui/preisverlaufform.h"
#include "ui/verkaufsimportform.h"
#include "ui/verlaufschritt.h"
#include "ui/wartecursor.h"

#include <QAction>
#include <QMenu>

namespace fenster {

void TMainForm::verbindePreise() {
    PreislisteImportieren1 = Extras1->addAction(QStringLiteral("P&reisliste importieren..."));
    PreislisteImportieren1->setObjectName(QStringLiteral("PreislisteImportieren1"));
    connect(PreislisteImportieren1, &QAction::triggered, this,
            Sicher(this, &TMainForm::PreislisteImportieren1Click));
    Preisaenderungen1 = Extras1->addAction(QStringLiteral("Preisänderun&gen..."));
    Preisaenderungen1->setObjectName(QStringLiteral("Preisaenderungen1"));
    connect(Preisaenderungen1, &QAction::triggered, this,
            Sicher(this, &TMainForm::Preisaenderungen1Click));

    PreislistenImportForm = new TVerkaufsImportForm(this, QStringLiteral("Preisliste importieren"));
    PreislistenImportForm->setObjectName(QStringLiteral("PreislistenImportForm"));
    PreisentwicklungForm = new TPreisentwicklungForm(this);
    PreisentwicklungForm->setzeExport([this](const TListenAnsicht& l) { exportiere(l); });
    PreisentwicklungForm->setzeDruck(
        [this](const QString& titel, const TListe& liste, const QStringList& zeilen) {
            druckeListe(titel, liste, zeilen);
        });
    PreisverlaufForm = new TPreisverlaufForm(this);
}

void TMainForm::PreislisteImportieren1Click() {
    TDateiDialog d;
    d.titel = QStringLiteral("Preisliste importieren");
    d.filter = QStringLiteral("CSV-Dateien (*.csv)");
    d.endung = QStringLiteral("csv");
    d.name = letztePreisliste;
    d.mussExistieren = true;
    const auto pfad = melder().dateiOeffnen(d);
    if (!pfad)
        return;
    letztePreisliste = *pfad;
    TPreislistenPruefung p;
    try {
        TWarteCursor w;
        p = PruefePreislistendatei(daten, *pfad, {});
    } catch (const TNichtGeoeffnet& f) {
        melder().fehler(f.meldung() + QLatin1Char('.'));
        return;
    }
    PreislistenImportForm->fuelle(
        *pfad, Zusammenfassung(p, !p.fehlerfrei()), Fehlerzeilen(p, p.fehler.size()),
        p.zeilen.empty()
            ? QStringLiteral("Die Datei enthält keine Zeile, die übernommen werden könnte.")
            : QString());
    if (melder().modal(*PreislistenImportForm) != QDialog::Accepted)
        return;
    const std::optional<int> gewaehlt = ListView1->gewaehlteNr();
    const TOffenerSchritt schritt(*this, QStringLiteral("Preisliste importieren"),
                                  Sicherungsgrund::import);
    {
        TWarteCursor w;
        WendePreislisteAn(daten, p, !p.fehlerfrei());
    }
    ListRezepte();
    SaveZutaten();
    if (gewaehlt && ListView1->waehleNr(*gewaehlt))
        ListView1->scrollTo(ListView1->currentIndex());
}

void TMainForm::Preisaenderungen1Click() {
    PreisentwicklungForm->fuelle(daten);
    melder().modal(*PreisentwicklungForm);
}

void TMainForm::zeigePreisverlauf(uint32_t zutat) {
    if (zutat >= daten.anzahlZutaten())
        return;
    PreisverlaufForm->fuelle(daten, zutat);
    melder().modal(*PreisverlaufForm);
}

} // namespace fenster
