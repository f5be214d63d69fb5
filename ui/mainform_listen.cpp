// The lists of the main window: rebuilding, filters, sales day, ordering and search.
#include "ui/mainform.h"

#include "costing/zwischenrezepte.h"

#include "lists/auswertung.h"
#include "lists/geordnetelisten.h"
#include "lists/listen.h"
#include "lists/suche.h"
#include "ui/diagrammflaeche.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace fenster {

namespace {

// The header's arrow: names and texts start from A, numbers from the largest.
Qt::SortOrder Pfeil(TListenArt art, int32_t spalte, bool sortdir) {
    const bool zahl = SpaltenArt(art, spalte) == TSpaltenArt::zahl;
    return zahl != sortdir ? Qt::DescendingOrder : Qt::AscendingOrder;
}

} // namespace

void TMainForm::gibSpaeterFrei(TListe alt) {
    if (alt.zeilen.isEmpty())
        return;
    freizugeben.push_back(std::move(alt));
    freigabe.start();
}

void TMainForm::ListRezepte() {
    // Every change ends here: sub-recipe prices follow before the lists and the file.
    Nachrechnen(daten);
    // The filter positions are read before their items are rebuilt.
    const int rezeptFilter = FilterCombo->currentIndex();
    const int verkaufsFilter = FilterCombo2->currentIndex();
    TGeordneteListen listen =
        GeordneteListen(daten, rezeptFilter, verkaufsFilter, DateTimePicker3->date(),
                        {daten.sortspalte3, daten.sortdir3}, {daten.sortspalte, daten.sortdir},
                        {daten.sortspalte2, daten.sortdir2});

    const struct {
        TListenAnsicht* ansicht;
        TGeordneteListe& neu;
        TSortSchluessel& schluessel;
        TListenArt art;
        int32_t spalte;
        bool richtung;
    } teile[] = {
        {ListView1, listen.zutaten, schluessel1, TListenArt::zutaten, daten.sortspalte3,
         daten.sortdir3},
        {ListView2, listen.rezepte, schluessel2, TListenArt::rezepte, daten.sortspalte,
         daten.sortdir},
        {ListView3, listen.verkaeufe, schluessel3, TListenArt::verkaeufe, daten.sortspalte2,
         daten.sortdir2},
    };
    for (const auto& t : teile) {
        t.schluessel = std::move(t.neu.schluessel);
        gibSpaeterFrei(t.ansicht->zeige(std::move(t.neu.liste)));
        t.ansicht->zeigeSortierung(t.spalte, Pfeil(t.art, t.spalte, t.richtung));
    }

    for (QComboBox* filter : {FilterCombo, FilterCombo2}) {
        const QSignalBlocker still(filter);
        const int position = filter->currentIndex();
        filter->clear();
        filter->addItems(listen.filter);
        filter->setCurrentIndex(position);
    }
    zeigeKostenhinweise();
}

void TMainForm::StammdatenBearbeitet() {
    if (zerstoert)
        return; // closing hides the page after the data was written and released
    ListRezepte();
    FillAuswertung(); // the simulation uses the rates, every row the names
}

void TMainForm::FilterComboChange() {
    ListRezepte();
}

void TMainForm::FilterCombo2Change() {
    ListRezepte();
}

void TMainForm::DateTimePicker3Change() {
    ListRezepte();
}

void TMainForm::ordneListe(TListenAnsicht& ansicht, TSortSchluessel& schluessel, int32_t spalte,
                           bool richtung, TListenArt art) {
    const std::optional<int> gewaehlt = ansicht.gewaehlteNr();
    ansicht.modell().aendere([&](TListe& l) { schluessel.sortiere(l, spalte, richtung); });
    ansicht.zeigeSortierung(spalte, Pfeil(art, spalte, richtung));
    if (gewaehlt && ansicht.waehleNr(*gewaehlt)) {
        if (const auto zeile = ansicht.gewaehlteZeile())
            ansicht.scrollTo(ansicht.model()->index(int(*zeile), 0));
    }
}

void TMainForm::ListView1ColumnClick(int spalte) {
    SpaltenKlick(daten.sortspalte3, daten.sortdir3, spalte);
    ordneListe(*ListView1, schluessel1, daten.sortspalte3, daten.sortdir3, TListenArt::zutaten);
}

void TMainForm::ListView2ColumnClick(int spalte) {
    SpaltenKlick(daten.sortspalte, daten.sortdir, spalte);
    ordneListe(*ListView2, schluessel2, daten.sortspalte, daten.sortdir, TListenArt::rezepte);
}

void TMainForm::ListView3ColumnClick(int spalte) {
    SpaltenKlick(daten.sortspalte2, daten.sortdir2, spalte);
    ordneListe(*ListView3, schluessel3, daten.sortspalte2, daten.sortdir2, TListenArt::verkaeufe);
}

void TMainForm::ListView1DblClick() {
    ZutatEditBtn->click();
}

void TMainForm::ListView2DblClick() {
    EditRezeptBtn->click();
}

void TMainForm::DurchsucheListView(const QString& suchtext, TListenAnsicht& listview1,
                                   bool fromstart) {
    const std::optional<qsizetype> zeile =
        ::DurchsucheListView(suchtext, listview1.liste(), fromstart, listview1.gewaehlteZeile());
    if (!zeile)
        return;
    listview1.waehleZeile(*zeile);
    listview1.rolleZu(*zeile, 50);
    listview1.setFocus();
}

void TMainForm::SuchenBtnClick() {
    DurchsucheListView(SuchEd->text(), *ListView1, true);
}

void TMainForm::WeitersuchenBtnClick() {
    DurchsucheListView(SuchEd->text(), *ListView1, false);
}

void TMainForm::SuchBtn2Click() {
    DurchsucheListView(SuchEd2->text(), *ListView2, true);
}

void TMainForm::WeiterSuchenBtn2Click() {
    DurchsucheListView(SuchEd2->text(), *ListView2, false);
}

void TMainForm::SuchBtn3Click() {
    DurchsucheListView(SuchEd3->text(), *ListView3, true);
}

void TMainForm::WeiterSuchenBtn3Click() {
    DurchsucheListView(SuchEd3->text(), *ListView3, false);
}

void TMainForm::FillAuswertung() {
    TAuswertungsWahl wahl;
    wahl.kennzahl = KennzahlCombo->currentIndex();
    wahl.modus =
        SimulationCheck->isChecked() ? TAuswertungsModus::simulation : TAuswertungsModus::original;
    wahl.start = DateTimePicker1->date();
    wahl.ende = DateTimePicker2->date();
    std::optional<TListe> tabelle = ::FillAuswertung(daten, wahl);
    if (!tabelle)
        return; // a start after the end keeps the table shown
    gibSpaeterFrei(ListView4->zeige(std::move(*tabelle)));
    PaintBox1->update();
}

} // namespace fenster
