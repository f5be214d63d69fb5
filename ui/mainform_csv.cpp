// The four "Exportieren als CSV..." buttons and the ingredient import.
#include "ui/mainform.h"

#include "core/melder.h"
#include "core/sicherungen.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/verlaufschritt.h"

#include <QCheckBox>
#include <QPushButton>

namespace fenster {

namespace {

const QString CsvFilter = QStringLiteral("CSV-Dateien (*.csv)");

} // namespace

void TMainForm::verbindeCsv() {
    for (auto [knopf, handler] : {std::pair{BitBtn5, &TMainForm::BitBtn5Click},
                                  std::pair{BitBtn4, &TMainForm::BitBtn4Click},
                                  std::pair{BitBtn2, &TMainForm::BitBtn2Click},
                                  std::pair{BitBtn3, &TMainForm::BitBtn3Click}})
        connect(knopf, &QPushButton::clicked, this, Sicher(this, handler));
    connect(ImportBtn, &QPushButton::clicked, this, Sicher(this, &TMainForm::ImportBtnClick));
}

TDateiDialog TMainForm::SaveDialog2() const {
    TDateiDialog d;
    d.filter = CsvFilter;
    d.endung = QStringLiteral("csv");
    d.name = letzteCsvDatei; // one dialog for all four lists: it proposes the last name
    d.ueberschreibenFragen = true;
    return d;
}

TDateiDialog TMainForm::OpenDialog2() const {
    TDateiDialog d;
    d.filter = CsvFilter;
    d.endung = QStringLiteral("csv");
    d.name = letzteImportDatei;
    return d;
}

void TMainForm::ExportToFile(const TListenAnsicht& listview1, const QString& fname) {
    ::ExportToFile(listview1.liste(), fname);
}

void TMainForm::exportiere(const TListenAnsicht& liste) {
    const auto pfad = melder().dateiSpeichern(SaveDialog2());
    if (!pfad)
        return;
    letzteCsvDatei = *pfad;
    ExportToFile(liste, *pfad);
}

void TMainForm::BitBtn5Click() {
    exportiere(*ListView1);
}

void TMainForm::BitBtn4Click() {
    exportiere(*ListView2);
}

void TMainForm::BitBtn2Click() {
    exportiere(*ListView3);
}

void TMainForm::BitBtn3Click() {
    exportiere(*ListView4); // the table, also while the chart page is shown
}

void TMainForm::ImportBtnClick() {
    const auto pfad = melder().dateiOeffnen(OpenDialog2());
    if (!pfad)
        return;
    letzteImportDatei = *pfad;
    const TOffenerSchritt schritt(*this, QStringLiteral("Zutaten importieren"),
                                  Sicherungsgrund::import);
    qsizetype anzahl = 0;
    QList<qsizetype> ohneZahlen;
    try {
        anzahl =
            ImportiereZutatenDatei(daten, *pfad, DoNotImportColumnsCheck->isChecked(), &ohneZahlen);
    } catch (const TNichtGeoeffnet& f) {
        melder().fehler(f.meldung() + QLatin1Char('.'));
        return;
    }
    ListRezepte();
    SaveZutaten();
    melder().information(ImportBericht(anzahl, ohneZahlen));
}

} // namespace fenster
