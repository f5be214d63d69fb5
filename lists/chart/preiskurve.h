#pragma once

#include <QDate>
#include <QPainter>
#include <QRect>
#include <QString>

#include <vector>

// The price per unit of one ingredient over time, as a step line: a price holds from its
// day until the next entry.

struct TKurvenpunkt {
    QDate datum;
    double wert = 0;
};

// Draws into `flaeche` (device pixels at `dpi`): the value axis from 0 with five ticks,
// the first and last day under the time axis, the steps and a dot per entry. Without
// points the rectangle stays white with a note. `einheit` names the axis ("€/kg").
void ZeichnePreiskurve(QPainter& p, const QRect& flaeche, int dpi,
                       const std::vector<TKurvenpunkt>& punkte, const QString& einheit);
