#include "ui/menuematrixflaeche.h"

#include "lists/chart/menuematrix.h"

#include <QPainter>

TMenueMatrixFlaeche::TMenueMatrixFlaeche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MatrixBox"));
    setAccessibleName(QStringLiteral("Menü-Matrix"));
    setAccessibleDescription(QStringLiteral(
        "Anteil an den Portionen waagerecht, DB pro Portion senkrecht, je Rezept ein Punkt"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 180);
}

void TMenueMatrixFlaeche::zeige(TMenueAnalyse a) {
    inhalt = std::move(a);
    update();
}

void TMenueMatrixFlaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ZeichneMenueMatrix(p, 0, 0, width(), height(), logicalDpiX(), inhalt);
}
