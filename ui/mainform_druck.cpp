// "Drucken", "Drucker einrichten..." and the two sheets of the recipe and amount dialogs.
#include "ui/mainform.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/rezeptdruck.h"
#include "exchange/print/rezeptkarte.h"
#include "ui/diagrammflaeche.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/rezeptform.h"
#include "ui/wartecursor.h"
#include "ui/zahlfeld.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace fenster {

namespace {

const QString NichtDruckbar = QStringLiteral("Dieser Reiter kann nicht ausgedruckt werden.");

// Runs one job on the printer, the job's name given to the printer. A printer that
// prints to PDF without a file has nowhere to put the pages (Qt falls back to that when
// no printer is installed): that is said before the job, with the way out.
void AufDrucker(QPrinter& drucker,
                const std::function<void(QPrinter&, const TAuftragsname&)>& drucke) {
    if (drucker.outputFormat() == QPrinter::PdfFormat && drucker.outputFileName().isEmpty())
        throw TFehler(QStringLiteral("Es ist kein Drucker eingerichtet. Wählen Sie mit "
                                     "\"Drucker einrichten...\" einen Drucker oder eine "
                                     "PDF-Datei"));
    // A file chosen once for every printout: the previous printout is not replaced unasked.
    const QString datei = drucker.outputFileName();
    if (!datei.isEmpty() && QFileInfo::exists(datei) &&
        melder().frageJaNein(QStringLiteral("Die Datei %1 existiert bereits. Ersetzen?")
                                 .arg(QDir::toNativeSeparators(datei)),
                             QStringLiteral("Drucken"), TSymbol::frage) != TAntwort::ja)
        return;
    // Into a file the sheet has no unprintable edge: the printout's own margins count
    // from the paper's edge, as in the PDF files of the command line.
    drucker.setFullPage(drucker.outputFormat() == QPrinter::PdfFormat);
    TWarteCursor warten;
    drucke(drucker, [&drucker](const QString& name) { drucker.setDocName(name); });
}

} // namespace

void TMainForm::verbindeDruck() {
    connect(Drucken1, &QAction::triggered, this, Sicher(this, &TMainForm::Drucken1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, Sicher(this, &TMainForm::Drucken1Click));
    connect(Druckereinrichten1, &QAction::triggered, this,
            Sicher(this, &TMainForm::Druckereinrichten1Click));

    connect(RezeptForm->KalkulationDruckenBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::RezeptPrintKalkBtnClick));
    connect(RezeptForm->RezeptDruckenBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::RezeptBitBtn6Click));
    connect(RezeptForm->RezeptkarteDruckenBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::RezeptkarteBtnClick));
    connect(CalcAmountsForm->KalkulationDruckenBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::MengenPrintKalkBtnClick));
    connect(CalcAmountsForm->RezeptDruckenBtn, &QPushButton::clicked, this,
            Sicher(this, &TMainForm::MengenBitBtn6Click));
}

void TMainForm::druckeAufDrucker(
    const std::function<void(QPrinter&, const std::function<void(const QString&)>&)>& drucke) {
    AufDrucker(Drucker(), drucke);
}

QPrinter& TMainForm::Drucker() {
    if (!drucker)
        drucker = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *drucker;
}

void TMainForm::Druckereinrichten1Click() {
    QPrintDialog dialog(&Drucker(), this);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    // Every printout prints whole: a page range chosen once would cut later ones.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Confirming only sets up: nothing is printed yet.
    if (auto* knoepfe = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    // Accepting writes the choice into the printer; cancelling leaves it as it was.
    melder().modal(dialog);
}

void TMainForm::Drucken1Click() {
    QWidget* reiter = PageControl1->currentWidget();
    const auto liste = [this](const QString& titel, const TListenAnsicht& ansicht) {
        AufDrucker(Drucker(), [&](QPrinter& p, const TAuftragsname& benenne) {
            DruckeListView(p, titel, ansicht.liste(), {}, benenne);
        });
    };
    if (reiter == TabSheet2)
        liste(QStringLiteral("Zutaten"), *ListView1);
    else if (reiter == TabSheet3)
        liste(QStringLiteral("Rezepte"), *ListView2);
    else if (reiter == TabSheet4)
        liste(QStringLiteral("Abverkäufe"), *ListView3);
    else if (reiter == TabSheet5 && PageControl3->currentWidget() == PaintBox1)
        AufDrucker(Drucker(), [this](QPrinter& p, const TAuftragsname& benenne) {
            PrintDiagram(p, ListView4->liste(), GruppeBox->currentIndex(),
                         KennzahlCombo->currentText(), benenne);
        });
    else if (reiter == TabSheet5)
        liste(QStringLiteral("Auswertung"), *ListView4);
    else
        melder().fehler(NichtDruckbar);
}

void TMainForm::druckeListe(const QString& titel, const TListe& liste, const QStringList& zeilen) {
    AufDrucker(Drucker(), [&](QPrinter& p, const TAuftragsname& benenne) {
        DruckeListView(p, titel, liste, zeilen, benenne);
    });
}

void TMainForm::RezeptPrintKalkBtnClick() {
    // What leaving the fields would show, as OK stores it.
    RezeptForm->RxSpinEdit1->normalisiere();
    RezeptForm->RxSpinEdit2->normalisiere();
    AufDrucker(Drucker(), [this](QPrinter& p, const TAuftragsname& benenne) {
        DruckeKalkulation(p, RezeptForm->form(), benenne);
    });
}

void TMainForm::RezeptBitBtn6Click() {
    RezeptForm->RxSpinEdit1->normalisiere();
    RezeptForm->RxSpinEdit2->normalisiere();
    AufDrucker(Drucker(), [this](QPrinter& p, const TAuftragsname& benenne) {
        DruckeRezept(p, RezeptForm->form(), benenne);
    });
}

void TMainForm::RezeptkarteBtnClick() {
    RezeptForm->RxSpinEdit1->normalisiere();
    const QList<TRezeptkarte> karte = {Rezeptkarte(RezeptForm->form(), &daten)};
    AufDrucker(Drucker(), [&](QPrinter& p, const TAuftragsname& benenne) {
        DruckeRezeptkarten(p, RezeptForm->form().name, karte, benenne);
    });
}

void TMainForm::MengenPrintKalkBtnClick() {
    AufDrucker(Drucker(), [this](QPrinter& p, const TAuftragsname& benenne) {
        DruckeKalkulation(p, CalcAmountsForm->form(), benenne);
    });
}

void TMainForm::MengenBitBtn6Click() {
    AufDrucker(Drucker(), [this](QPrinter& p, const TAuftragsname& benenne) {
        DruckeRezept(p, CalcAmountsForm->form(), benenne);
    });
}

} // namespace fenster
