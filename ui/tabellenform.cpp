#include "ui/tabellenform.h"

#include "lists/listen.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace fenster {

TTabellenForm::TTabellenForm(const QString& titel, const QString& listenname, bool summenzeile,
                             QWidget* parent)
    : TDialogBasis(titel, parent), ListView1(new TListenAnsicht(listenname)), Fusszeile(new QLabel),
      ExportBtn(new QPushButton(QStringLiteral("Exportieren als CSV..."))),
      DruckenBtn(new QPushButton(QStringLiteral("Drucken"))),
      SchliessenBtn(new QPushButton(QStringLiteral("Schließen"))), kopf(new QVBoxLayout),
      mitte(new QVBoxLayout), summe(summenzeile) {
    setSizeGripEnabled(true);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setzeSortierbar(true);
    // Figures and warnings are read whole: columns grow to their widest text.
    ListView1->setzeInhaltsbreite(true);
    ListView1->setMinimumSize(Pixel(this, 300), Pixel(this, 150));
    Fusszeile->setObjectName(QStringLiteral("Fusszeile"));
    Fusszeile->setWordWrap(true);
    Fusszeile->hide();
    Fusszeile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    DruckenBtn->setObjectName(QStringLiteral("DruckenBtn"));
    SchliessenBtn->setObjectName(QStringLiteral("SchliessenBtn"));
    // Return in a field of the options must not close the dialog.
    for (QPushButton* b : {ExportBtn, DruckenBtn, SchliessenBtn})
        b->setAutoDefault(false);
    ExportBtn->setEnabled(false);
    DruckenBtn->setEnabled(false);

    kopf->setContentsMargins(0, 0, 0, 0);
    mitte->setContentsMargins(0, 0, 0, 0);
    mitte->addWidget(ListView1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ExportBtn);
    knoepfe->addWidget(DruckenBtn);
    knoepfe->addStretch(1);
    knoepfe->addWidget(SchliessenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addLayout(mitte, 1);
    layout->addWidget(Fusszeile);
    layout->addLayout(knoepfe);

    connect(ListView1, &TListenAnsicht::spalteGeklickt, this,
            Sicher(this, &TTabellenForm::ListView1ColumnClick));
    connect(ExportBtn, &QPushButton::clicked, this, Sicher(this, &TTabellenForm::ExportBtnClick));
    connect(DruckenBtn, &QPushButton::clicked, this, Sicher(this, &TTabellenForm::DruckenBtnClick));
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TTabellenForm::setzeExport(TExport f) {
    exportiere = std::move(f);
    ExportBtn->setEnabled(bool(exportiere));
}

void TTabellenForm::setzeDruck(TDruck f) {
    drucke = std::move(f);
    DruckenBtn->setEnabled(bool(drucke));
}

void TTabellenForm::zeigeTabelle(TListe liste) {
    ursprung = std::move(liste);
    ordne();
    if (breiteNachTabelle && !ursprung.zeilen.isEmpty()) {
        // Once, with the first figures: wide enough for every column, as the screen allows.
        breiteNachTabelle = false;
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QMargins m = layout()->contentsMargins();
        int breite = std::max(width(), tabellenbreite() + m.left() + m.right() + Pixel(this, 4));
        if (s)
            breite =
                std::min(breite, s->availableGeometry().width() - Pixel(this, 16)); // the frame
        resize(breite, height());
    }
}

void TTabellenForm::ordne() {
    const auto gewaehlt = ListView1->gewaehlteZeile();
    const QStringList vorher = gewaehlt ? ListView1->liste().zeilen[*gewaehlt] : QStringList();
    ListView1->zeige(GeordneteTabelle(ursprung, reihenfolge, summe));
    zeigeTitelGanz();
    if (reihenfolge.spalte >= 0)
        ListView1->zeigeSortierung(reihenfolge.spalte, reihenfolge.absteigend ? Qt::DescendingOrder
                                                                              : Qt::AscendingOrder);
    else
        ListView1->zeigeSortierung(-1, Qt::AscendingOrder);
    // The row selected before, wherever the order put it.
    if (gewaehlt) {
        const qsizetype zeile = ListView1->liste().zeilen.indexOf(vorher);
        ListView1->waehleZeile(zeile);
        if (zeile >= 0)
            ListView1->scrollTo(ListView1->currentIndex());
    }
}

void TTabellenForm::zeigeTitelGanz() {
    // The captions are longer than many figures: no column is narrower than its caption,
    // the sort column's with room for the mark.
    QHeaderView* h = ListView1->header();
    const int rand =
        2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h) + Pixel(this, 4);
    const int marke = h->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, h);
    for (int i = 0; i < ursprung.anzahlSpalten(); ++i) {
        if (ListView1->isColumnHidden(i))
            continue;
        const int noetig = h->fontMetrics().horizontalAdvance(ursprung.spalten[i].titel) + rand +
                           (i == reihenfolge.spalte ? marke : 0);
        if (h->sectionSize(i) < noetig)
            h->resizeSection(i, noetig);
    }
}

int TTabellenForm::tabellenbreite() const {
    int breite = 2 * ListView1->frameWidth() +
                 ListView1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1);
    for (int i = 0; i < ListView1->header()->count(); ++i)
        if (!ListView1->isColumnHidden(i))
            breite += ListView1->header()->sectionSize(i);
    return breite;
}

void TTabellenForm::setzeTabfolge(const QList<QWidget*>& optionen) {
    QList<QWidget*> folge = optionen;
    folge << ListView1 << ExportBtn << DruckenBtn << SchliessenBtn;
    for (qsizetype i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void TTabellenForm::setzeFusszeile(const QString& text) {
    Fusszeile->setText(text);
    Fusszeile->setVisible(!text.isEmpty());
}

void TTabellenForm::ListView1ColumnClick(int spalte) {
    TabellenKlick(reihenfolge, ursprung, spalte, summe);
    ordne();
}

void TTabellenForm::ExportBtnClick() {
    if (exportiere)
        exportiere(*ListView1);
}

void TTabellenForm::DruckenBtnClick() {
    if (drucke)
        drucke(drucktitel(), ListView1->liste(), druckzeilen());
}

QComboBox* Filterauswahl() {
    auto* c = new QComboBox;
    c->setObjectName(QStringLiteral("FilterCombo"));
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    c->setMinimumContentsLength(18);
    c->addItem(QStringLiteral("Alle"));
    return c;
}

void FuelleFilter(QComboBox& filter, const TDaten& daten) {
    const QSignalBlocker still(&filter);
    const int position = std::max(filter.currentIndex(), 0);
    filter.clear();
    filter.addItems(FilterEintraege(daten));
    filter.setCurrentIndex(position);
}

} // namespace fenster
