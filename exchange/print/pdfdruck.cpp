#include "exchange/print/pdfdruck.h"

#include "core/datei.h"
#include "core/fehler.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

void DruckeInPdf(QIODevice& ziel, bool quer,
                 const std::function<void(QPagedPaintDevice&)>& drucke) {
    QPdfWriter pdf(&ziel);
    pdf.setCreator(QStringLiteral("Ormisto"));
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                  quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0)));
    drucke(pdf);
}

void SpeicherePdf(const QString& pfad, bool quer,
                  const std::function<void(QPagedPaintDevice&)>& drucke) {
    const TDateiErgebnis e =
        SpeichereAtomar(pfad, [&](QIODevice& datei) { DruckeInPdf(datei, quer, drucke); });
    if (!e.ok())
        throw TFehler(e.meldung);
}
