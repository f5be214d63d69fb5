#include "ui/verkaufslisteform.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/melder.h"
#include "lists/verkauf.h"
#include "ui/fehlerbox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace fenster {

TVerkaufsListeForm::TVerkaufsListeForm(QWidget* parent)
    : QDialog(parent), ListView1(new TListenAnsicht(QStringLiteral("Verkaufsliste"), this)),
      BitBtn2(new QPushButton(QStringLiteral("Löschen"), this)),
      BitBtn1(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("Verkaufsliste"));
    setObjectName(QStringLiteral("TVerkaufsListeForm"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));

    // Enter always means OK, even while "Löschen" has the focus.
    BitBtn2->setAutoDefault(false);
    BitBtn1->setDefault(true);

    // Empty columns until the first filling, so that the dialog has its width at once.
    ListView1->zeige(Verkaufsliste(TRezept{}));
    ListView1->setzeSortierbar(false);
    const double faktor = logicalDpiX() / 96.0;
    int breite = 0;
    for (const TSpalte& s : ListView1->liste().spalten)
        breite += s.breite;
    ListView1->setFixedSize(int((breite + 24) * faktor + 0.5), int(260 * faktor + 0.5));

    auto* oben = new QHBoxLayout;
    oben->addWidget(BitBtn2);
    oben->addStretch();
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BitBtn1);
    unten->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(ListView1);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(ListView1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    connect(BitBtn2, &QPushButton::clicked, this, Sicher(this, &TVerkaufsListeForm::BitBtn2Click));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    // Esc deletes here instead of closing the dialog.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, BitBtn2, &QPushButton::click);
}

void TVerkaufsListeForm::fuelle(TDaten& d, uint32_t nr) {
    if (nr >= d.anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(nr));
    daten = &d;
    rezeptNr = nr;
    ListView1->zeige(Verkaufsliste(d.rezept(nr)));
    ListView1->scrollToTop();
}

void TVerkaufsListeForm::BitBtn2Click() {
    const auto zeile = ListView1->gewaehlteZeile();
    if (!zeile || !daten) {
        melder().information(QStringLiteral("Sie müssen zuerst einen Eintrag anklicken."));
        return;
    }
    if (melder().frage(QStringLiteral("Wollen Sie diesen Abverkauf wirklich löschen? Dies kann "
                                      "nicht rückgängig gemacht werden."),
                       QStringLiteral("Abverkauf löschen"), TSymbol::frage) != TAntwort::ja)
        return;
    if (rezeptNr >= daten->anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(rezeptNr));
    LoescheVerkauf(daten->rezept(rezeptNr), *zeile);
    ListView1->modell().aendere([&](TListe& l) { l.zeilen.removeAt(*zeile); });
    // The neighbour takes the place, so that the keyboard can go on deleting.
    ListView1->waehleZeile(std::min(*zeile, ListView1->liste().anzahlZeilen() - 1));
}

void TVerkaufsListeForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace fenster
