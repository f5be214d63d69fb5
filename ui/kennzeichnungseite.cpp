#include "ui/kennzeichnungseite.h"

#include "core/fehler.h"
#include "core/melder.h"
#include "costing/allergene.h"
#include "ui/dialogbasis.h"
#include "ui/fehlerbox.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace fenster {

namespace {

enum Spalte { spalteSchluessel, spalteCode, spalteText };

QTableWidget* Tabelle(const char* name, const QString& titel, const QStringList& koepfe) {
    auto* t = new QTableWidget(0, int(koepfe.size()));
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(titel);
    t->setHorizontalHeaderLabels(koepfe);
    t->verticalHeader()->hide();
    // The corner button selects all rows; with one row at a time it has nothing to do.
    t->setCornerButtonEnabled(false);
    for (QAbstractButton* b : t->findChildren<QAbstractButton*>())
        b->setAccessibleName(QStringLiteral("Alle Zeilen"));
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    return t;
}

QTableWidgetItem* Fest(const QString& text) {
    auto* i = new QTableWidgetItem(text);
    i->setFlags(i->flags() & ~Qt::ItemIsEditable);
    return i;
}

} // namespace

TKennzeichnungSeite::TKennzeichnungSeite(TDaten& d, QWidget* parent) : QWidget(parent), daten(d) {
    GruppenTabelle =
        Tabelle("GruppenTabelle", QStringLiteral("Allergene"),
                {QStringLiteral("Gruppe"), QStringLiteral("Code"), QStringLiteral("Text")});
    ZusatzTabelle = Tabelle("ZusatzTabelle", QStringLiteral("Zusatzstoffe"),
                            {QStringLiteral("Nr"), QStringLiteral("Code"), QStringLiteral("Text")});
    NeuerZusatzstoffBtn = new QPushButton(QStringLiteral("Zusatzstoff &hinzufügen"));
    NeuerZusatzstoffBtn->setObjectName(QStringLiteral("NeuerZusatzstoffBtn"));

    auto* links = new QVBoxLayout;
    links->addWidget(Beschriftung(QStringLiteral("&Allergene (EU-Verordnung 1169/2011, Anhang II)"),
                                  GruppenTabelle));
    links->addWidget(GruppenTabelle, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Beschriftung(QStringLiteral("&Zusatzstoffe"), ZusatzTabelle));
    rechts->addWidget(ZusatzTabelle, 1);
    auto* knopf = new QHBoxLayout;
    knopf->addWidget(NeuerZusatzstoffBtn);
    knopf->addStretch();
    rechts->addLayout(knopf);
    auto* aussen = new QHBoxLayout(this);
    aussen->addLayout(links, 1);
    aussen->addLayout(rechts, 1);

    for (QTableWidget* t : {GruppenTabelle, ZusatzTabelle})
        connect(t, &QTableWidget::itemChanged, this,
                [this](QTableWidgetItem* i) { Behandle([&] { geaendert(i); }); });
    connect(NeuerZusatzstoffBtn, &QPushButton::clicked, this,
            Sicher(this, &TKennzeichnungSeite::NeuerZusatzstoffBtnClick));
}

void TKennzeichnungSeite::zeige() {
    zeigt = true;
    const TKennzeichnungsTabelle& t = Kennzeichnung(std::as_const(daten)).tabelle;
    GruppenTabelle->setRowCount(AllergenGruppen);
    for (int g = 0; g < AllergenGruppen; ++g) {
        GruppenTabelle->setItem(g, spalteSchluessel,
                                Fest(AllergenVorgaben()[size_t(g)].schluessel.toString()));
        GruppenTabelle->setItem(g, spalteCode, new QTableWidgetItem(t.codes[size_t(g)]));
        GruppenTabelle->setItem(g, spalteText, new QTableWidgetItem(t.texte[size_t(g)]));
    }
    ZusatzTabelle->setRowCount(int(t.zusatzstoffe.size()));
    for (int i = 0; i < int(t.zusatzstoffe.size()); ++i) {
        ZusatzTabelle->setItem(i, spalteSchluessel, Fest(QString::number(i + 1)));
        ZusatzTabelle->setItem(i, spalteCode, new QTableWidgetItem(t.zusatzstoffe[size_t(i)].code));
        ZusatzTabelle->setItem(i, spalteText, new QTableWidgetItem(t.zusatzstoffe[size_t(i)].text));
    }
    for (QTableWidget* tab : {GruppenTabelle, ZusatzTabelle})
        tab->resizeColumnToContents(spalteCode);
    zeigt = false;
}

void TKennzeichnungSeite::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    zeige();
}

void TKennzeichnungSeite::geaendert(QTableWidgetItem* item) {
    if (zeigt || item->column() == spalteSchluessel)
        return;
    const TKennzeichnungsTabelle& alt = Kennzeichnung(std::as_const(daten)).tabelle;
    TKennzeichnungsTabelle neu = alt;
    const int zeile = item->row();
    const bool gruppe = item->tableWidget() == GruppenTabelle;
    const QString wert = item->column() == spalteCode ? item->text().trimmed() : item->text();
    if (gruppe)
        (item->column() == spalteCode ? neu.codes : neu.texte)[size_t(zeile)] = wert;
    else if (item->column() == spalteCode)
        neu.zusatzstoffe[size_t(zeile)].code = wert;
    else
        neu.zusatzstoffe[size_t(zeile)].text = wert;
    if (neu == alt)
        return;
    try {
        neu.pruefe();
    } catch (const TFehler& f) {
        zeige();
        melder().fehler(f.meldung() + QLatin1Char('.'), QStringLiteral("Kennzeichnung"));
        return;
    }
    Kennzeichnung(daten).tabelle = std::move(neu);
}

void TKennzeichnungSeite::NeuerZusatzstoffBtnClick() {
    auto& k = Kennzeichnung(daten);
    const int nr = int(k.tabelle.zusatzstoffe.size()) + 1;
    k.neueKlasse({QString::number(nr), QStringLiteral("Zusatzstoff %1").arg(nr)});
    zeige();
    ZusatzTabelle->setCurrentCell(nr - 1, spalteText);
    ZusatzTabelle->editItem(ZusatzTabelle->item(nr - 1, spalteText));
}

} // namespace fenster
