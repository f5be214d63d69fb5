// Menu "Extras": the costing insights, the till-sales import and the status bar's count
// of recipes with cost warnings.
#include "ui/mainform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "exchange/csvimport.h"
#include "exchange/verkaufsimport.h"
#include "lists/kostenpruefung.h"
#include "lists/listen.h"
#include "ui/aufschluesselungform.h"
#include "ui/fehlerbox.h"
#include "ui/kostenpruefungform.h"
#include "ui/listenansicht.h"
#include "ui/menueanalyseform.h"
#include "ui/preisaenderungform.h"
#include "ui/verkaufsimportform.h"
#include "ui/wartecursor.h"
#include "ui/zielpreisform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

namespace fenster {

void TMainForm::verbindeExtras() {
    Extras1 = new QMenu(QStringLiteral("&Extras"), this);
    Extras1->setObjectName(QStringLiteral("Extras1"));
    MainMenu1->insertMenu(ber1, Extras1);
    const auto eintrag = [this](const char* name, const QString& text,
                                void (TMainForm::*handler)()) {
        QAction* a = Extras1->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, Sicher(this, handler));
        return a;
    };
    Kostenaufschluesselung1 =
        eintrag("Kostenaufschluesselung1", QStringLiteral("Kosten&aufschlüsselung..."),
                &TMainForm::Kostenaufschluesselung1Click);
    Kostenpruefung1 = eintrag("Kostenpruefung1", QStringLiteral("Kosten&prüfung..."),
                              &TMainForm::Kostenpruefung1Click);
    Zielpreis1 =
        eintrag("Zielpreis1", QStringLiteral("&Zielpreis..."), &TMainForm::Zielpreis1Click);
    Preisaenderung1 = eintrag("Preisaenderung1", QStringLiteral("Preisänderung &simulieren..."),
                              &TMainForm::Preisaenderung1Click);
    Menueanalyse1 = eintrag("Menueanalyse1", QStringLiteral("&Menü-Analyse..."),
                            &TMainForm::Menueanalyse1Click);
    Extras1->addSeparator();
    VerkaeufeImportieren1 =
        eintrag("VerkaeufeImportieren1", QStringLiteral("&Verkäufe importieren..."),
                &TMainForm::VerkaeufeImportieren1Click);
    verbindePreise();

    AufschluesselungForm = new TAufschluesselungForm(this);
    KostenpruefungForm = new TKostenpruefungForm(this);
    ZielpreisForm = new TZielpreisForm(this);
    PreisaenderungForm = new TPreisaenderungForm(this);
    MenueanalyseForm = new TMenueanalyseForm(this);
    VerkaufsImportForm = new TVerkaufsImportForm(this);
    for (TTabellenForm* f : std::initializer_list<TTabellenForm*>{
             AufschluesselungForm, KostenpruefungForm, ZielpreisForm, PreisaenderungForm,
             MenueanalyseForm}) {
        f->setzeExport([this](const TListenAnsicht& l) { exportiere(l); });
        f->setzeDruck([this](const QString& titel, const TListe& liste, const QStringList& zeilen) {
            druckeListe(titel, liste, zeilen);
        });
    }

    KostenhinweisLabel = new QLabel;
    KostenhinweisLabel->setObjectName(QStringLiteral("KostenhinweisLabel"));
    statusBar()->addWidget(KostenhinweisLabel, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            Sicher(this, &TMainForm::zeigeKostenhinweise));
}

void TMainForm::zeigeKostenhinweise() {
    if (!KostenhinweisLabel)
        return;
    // Counted only while it is read: the check prices every recipe.
    KostenhinweisLabel->setText(
        PageControl1->currentWidget() == TabSheet3
            ? KostenhinweisStatus(RezepteMitKostenhinweisen(daten, FilterAlle))
            : QString());
}

void TMainForm::Kostenaufschluesselung1Click() {
    const auto nr = gewaehltesRezept();
    if (!nr)
        return;
    AufschluesselungForm->fuelle(daten, uint32_t(*nr));
    melder().modal(*AufschluesselungForm);
}

void TMainForm::Kostenpruefung1Click() {
    KostenpruefungForm->fuelle(daten);
    melder().modal(*KostenpruefungForm);
}

void TMainForm::Zielpreis1Click() {
    const auto nr = gewaehltesRezept();
    if (!nr)
        return;
    ZielpreisForm->fuelle(daten, uint32_t(*nr));
    melder().modal(*ZielpreisForm);
}

void TMainForm::Preisaenderung1Click() {
    PreisaenderungForm->fuelle(daten);
    melder().modal(*PreisaenderungForm);
}

void TMainForm::Menueanalyse1Click() {
    MenueanalyseForm->fuelle(daten);
    melder().modal(*MenueanalyseForm);
}

TDateiDialog TMainForm::OpenDialog3() const {
    TDateiDialog d;
    d.titel = QStringLiteral("Verkäufe importieren");
    d.filter = QStringLiteral("CSV-Dateien (*.csv)");
    d.endung = QStringLiteral("csv");
    d.name = letzteVerkaufsDatei;
    d.mussExistieren = true;
    return d;
}

void TMainForm::VerkaeufeImportieren1Click() {
    const auto pfad = melder().dateiOeffnen(OpenDialog3());
    if (!pfad)
        return;
    letzteVerkaufsDatei = *pfad;
    TVerkaufsPruefung p;
    try {
        TWarteCursor w;
        p = PruefeVerkaufsdatei(daten, *pfad);
    } catch (const TNichtGeoeffnet& f) {
        melder().fehler(f.meldung() + QLatin1Char('.'));
        return;
    }
    VerkaufsImportForm->fuelle(*pfad, p);
    if (melder().modal(*VerkaufsImportForm) != QDialog::Accepted)
        return;
    const std::optional<int> gewaehlt = ListView3->gewaehlteNr();
    {
        TWarteCursor w;
        ErfasseVerkaeufe(daten, p, !p.fehlerfrei());
    }
    ListRezepte();
    SaveZutaten();
    if (gewaehlt && ListView3->waehleNr(*gewaehlt))
        ListView3->scrollTo(ListView3->currentIndex());
    // The menu reaches the import from every tab; the evaluation shown must not lag.
    if (PageControl1->currentWidget() == TabSheet5)
        FillAuswertung();
}

} // namespace fenster
