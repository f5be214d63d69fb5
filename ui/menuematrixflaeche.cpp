#include "ui/menuematrixflaeche.h"

#include "lists/chart/menuematrix.h"

#include <QPainter>

#include <cmath>

TMenueMatrixFlaeche::TMenueMatrixFlaeche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MatrixBox"));
    setAccessibleName(QStringLiteral("Menü-Matrix"));
    setAccessibleDescription(QStringLiteral(
        "Anteil an den Portionen waagerecht, DB pro Portion senkrecht, je Rezept ein Punkt"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 180);
    ruhe.setSingleShot(true);
    ruhe.setInterval(150);
    connect(&ruhe, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void TMenueMatrixFlaeche::zeige(TMenueAnalyse a) {
    inhalt = std::move(a);
    bild = QImage();
    update();
}

void TMenueMatrixFlaeche::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!bild.isNull())
        ruhe.start();
}

void TMenueMatrixFlaeche::male() {
    const qreal dpr = devicePixelRatioF();
    bild = QImage(QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr))),
                  QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    const int punkteProMeter = int(std::lround(logicalDpiX() / 0.0254));
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    QPainter p(&bild);
    ZeichneMenueMatrix(p, 0, 0, width(), height(), logicalDpiX(), inhalt);
}

void TMenueMatrixFlaeche::paintEvent(QPaintEvent*) {
    const bool andereGroesse = bild.deviceIndependentSize() != QSizeF(size());
    if (bild.isNull() || (andereGroesse && !ruhe.isActive()))
        male();
    QPainter p(this);
    p.drawImage(rect(), bild);
}
