#include "ui/preisverlaufform.h"

#include "core/daten.h"
#include "core/texte.h"
#include "costing/preise.h"
#include "costing/preisverlauf.h"
#include "lists/preisentwicklung.h"
#include "ui/listenansicht.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace fenster {

TPreiskurveFlaeche::TPreiskurveFlaeche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Kurve"));
    setAccessibleName(QStringLiteral("Preis je Einheit im Zeitverlauf"));
    setMinimumHeight(Pixel(this, 220));
}

void TPreiskurveFlaeche::setze(std::vector<TKurvenpunkt> p, const QString& e) {
    punkte = std::move(p);
    einheit = e;
    update();
}

void TPreiskurveFlaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ZeichnePreiskurve(p, rect(), logicalDpiY(), punkte, einheit);
}

TPreisverlaufForm::TPreisverlaufForm(QWidget* parent)
    : TDialogBasis(QStringLiteral("Preisverlauf"), parent),
      ListView1(new TListenAnsicht(QStringLiteral("Preisverlauf"))), Kurve(new TPreiskurveFlaeche),
      SchliessenBtn(new QPushButton(QStringLiteral("Schließen"))) {
    setObjectName(QStringLiteral("PreisverlaufForm"));
    setSizeGripEnabled(true);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setzeSortierbar(false);
    ListView1->setMinimumHeight(Pixel(this, 160));
    SchliessenBtn->setObjectName(QStringLiteral("SchliessenBtn"));
    SchliessenBtn->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(SchliessenBtn);
    auto* layout = new QVBoxLayout(this);
    auto* eintraege = Beschriftung(QStringLiteral("&Einträge:"), ListView1);
    layout->addWidget(eintraege);
    layout->addWidget(ListView1, 1);
    layout->addWidget(Kurve, 1);
    layout->addLayout(knoepfe);
    resize(Pixel(this, 720), Pixel(this, 520));
    connect(SchliessenBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TPreisverlaufForm::fuelle(const TDaten& d, uint32_t zutat) {
    const TZutat& z = d.zutat(zutat);
    setWindowTitle(QStringLiteral("Preisverlauf: %1").arg(TextView(z.name)));
    ListView1->zeige(Preisverlaufsliste(d, zutat));
    ListView1->scrollToBottom();
    // Only entries in the ingredient's current unit share one axis.
    std::vector<TKurvenpunkt> punkte;
    const QString einheit = TextView(z.einheit).trimmed().toString();
    if (const auto* v =
            static_cast<const TPreisverlauf*>(d.erweiterung.finde(TPreisverlauf::art().tag)))
        for (const TPreisstand& s : v->staende(zutat))
            if (s.einheit.trimmed().compare(einheit, Qt::CaseInsensitive) == 0)
                if (const auto w = Quotient(s.preis, s.menge))
                    punkte.push_back({s.datum, *w});
    std::stable_sort(
        punkte.begin(), punkte.end(),
        [](const TKurvenpunkt& a, const TKurvenpunkt& b) { return a.datum < b.datum; });
    Kurve->setze(std::move(punkte), QStringLiteral("€/%1").arg(einheit));
}

} // namespace fenster
