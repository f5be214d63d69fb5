#include "ui/diagrammflaeche.h"

#include "lists/chart/diagramm.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QPainter>

TDiagrammFlaeche::TDiagrammFlaeche(const TListenAnsicht& t, const QComboBox& g, const QComboBox& k,
                                   QWidget* parent)
    : QWidget(parent), tabelle(t), gruppe(g), kennzahl(k) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("Graphische Auswertung"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void TDiagrammFlaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawdiagramm(p, 0, 0, width(), height(), logicalDpiX(), tabelle.liste(), gruppe.currentIndex(),
                 kennzahl.currentText());
}
