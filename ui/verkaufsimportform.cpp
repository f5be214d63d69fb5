#include "ui/verkaufsimportform.h"

#include "exchange/verkaufsimport.h"
#include "ui/listenansicht.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fenster {

TVerkaufsImportForm::TVerkaufsImportForm(QWidget* parent, const QString& titel)
    : TDialogBasis(titel, parent), DateiLabel(new QLabel), ZusammenfassungLabel(new QLabel),
      FehlerLabel(new QLabel),
      FehlerListe(new TListenAnsicht(QStringLiteral("Fehlerhafte Zeilen"))),
      ImportBtn(new QPushButton(QStringLiteral("Importieren"))),
      AbbrechenBtn(new QPushButton(QStringLiteral("Abbrechen"))) {
    setObjectName(QStringLiteral("VerkaufsImportForm"));
    setSizeGripEnabled(true);
    DateiLabel->setObjectName(QStringLiteral("DateiLabel"));
    ZusammenfassungLabel->setObjectName(QStringLiteral("ZusammenfassungLabel"));
    FehlerLabel->setObjectName(QStringLiteral("FehlerLabel"));
    FehlerListe->setObjectName(QStringLiteral("FehlerListe"));
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    AbbrechenBtn->setObjectName(QStringLiteral("AbbrechenBtn"));
    for (QLabel* l : {DateiLabel, ZusammenfassungLabel}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    FehlerLabel->setBuddy(FehlerListe);
    FehlerListe->setzeSortierbar(false);
    FehlerListe->setMinimumSize(Pixel(this, 540), Pixel(this, 200));
    ImportBtn->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ImportBtn);
    knoepfe->addWidget(AbbrechenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DateiLabel);
    layout->addWidget(ZusammenfassungLabel);
    layout->addWidget(FehlerLabel);
    layout->addWidget(FehlerListe, 1);
    layout->addLayout(knoepfe);
    connect(ImportBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TVerkaufsImportForm::fuelle(const QString& pfad, const TVerkaufsPruefung& p) {
    // What pressing the import button records.
    fuelle(pfad, Zusammenfassung(p, !p.fehlerfrei()), Fehlerzeilen(p, p.fehler.size()),
           p.summen.empty()
               ? QStringLiteral("Die Datei enthält keine Verkäufe, die erfasst werden könnten.")
               : QString());
}

void TVerkaufsImportForm::fuelle(const QString& pfad, const QString& zusammenfassung,
                                 const QStringList& fehlerzeilen, const QString& leer) {
    const bool fehlerfrei = fehlerzeilen.isEmpty();
    DateiLabel->setText(QStringLiteral("Datei: %1").arg(QDir::toNativeSeparators(pfad)));
    ZusammenfassungLabel->setText(leer.isEmpty() ? zusammenfassung
                                                 : zusammenfassung + QLatin1Char('\n') + leer);

    TListe fehler;
    fehler.setzeSpalten({{QStringLiteral("Fehler"), 460}});
    for (const QString& z : fehlerzeilen)
        fehler.zeilen.append({z});
    FehlerListe->zeige(std::move(fehler));
    FehlerListe->scrollToTop();
    FehlerLabel->setText(
        fehlerzeilen.size() == 1
            ? QStringLiteral("1 Zeile ist &fehlerhaft:")
            : QStringLiteral("%1 Zeilen sind &fehlerhaft:").arg(fehlerzeilen.size()));
    FehlerLabel->setVisible(!fehlerfrei);
    FehlerListe->setVisible(!fehlerfrei);

    ImportBtn->setText(fehlerfrei ? QStringLiteral("Importieren")
                                  : QStringLiteral("Ohne fehlerhafte Zeilen importieren"));
    // Nothing to do: only cancelling is left.
    ImportBtn->setEnabled(leer.isEmpty());
    (ImportBtn->isEnabled() ? ImportBtn : AbbrechenBtn)->setFocus();
    adjustSize();
}

} // namespace fenster
