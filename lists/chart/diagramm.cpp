#include "lists/chart/diagramm.h"

#include "core/zahlen.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

// Pixels of a font of `punkte` points, rounded as the system's point-to-pixel rule does.
int pixel(int punkte, int dpi) {
    return int((qint64(punkte) * dpi + 36) / 72);
}

// Digits of trunc(x) written as a decimal integer, for x >= 0.
int stellen(double x) {
    x = std::trunc(x);
    int n = 1;
    for (double p = 10; x >= p && n < 400; p *= 10)
        ++n;
    return n;
}

// Texts are placed by their top left corner; Qt draws at the baseline.
void schreibe(QPainter& p, QPoint pos, const QString& text) {
    p.drawText(pos.x(), pos.y() + p.fontMetrics().ascent(), text);
}

} // namespace

QFont Titelschrift(int dpi) {
    // Without an "Arial Black" face fontconfig would substitute an unrelated one; the
    // black weight of Arial finds the metric twin.
    QFont f(QStringLiteral("Arial"));
    f.setWeight(QFont::Black);
    f.setPixelSize(std::max(1, pixel(18, dpi)));
    return f;
}

QFont Textschrift(int dpi) {
    QFont f(QStringLiteral("Arial"));
    f.setWeight(QFont::Normal);
    f.setPixelSize(std::max(1, pixel(12, dpi)));
    return f;
}

double Achsenmaximum(double max) {
    if (!(max > 0) || !std::isfinite(max))
        max = 1;
    double mult = 1;
    // The loops end for every finite max; the bounds only guard denormals.
    for (int i = 0; i < 400 && stellen(mult * max) == 1 && std::isfinite(mult * 10); ++i)
        mult *= 10;
    double div = 1;
    for (int i = 0; i < 400 && stellen(mult * max / div) > 1; ++i)
        div *= 10;
    return (std::trunc(mult * max / div) + 1) * div / mult;
}

TDiagrammAufbau DiagrammAufbau(int left, int top, int width, int height, int dpi,
                               const TListe& tabelle, int zeile, const QString& kennzahl) {
    TDiagrammAufbau a;
    if (zeile < 0 || zeile >= tabelle.anzahlZeilen())
        return a;
    a.leer = false;

    const int n = int(std::max<qsizetype>(0, tabelle.anzahlSpalten() - 1));
    QList<double> werte;
    double max = 0;
    for (int i = 0; i < n; ++i) {
        werte << ZahlOder(tabelle.zelle(zeile, i + 1));
        max = std::max(max, werte.back()); // negative values never raise the axis
    }
    const double t = Achsenmaximum(max);
    a.achsenmax = t;

    const QFontMetrics titel(Titelschrift(dpi));
    const QFontMetrics text(Textschrift(dpi));
    a.g = int(dpi * 0.07874031248);
    a.stift = int(dpi * 0.00984253906);
    const int g = a.g;

    int w = g;
    for (int i = 0; i <= 10; ++i) {
        a.marken << ZahlAllgemein((10 - i) * t / 10);
        w = std::max(w, text.horizontalAdvance(a.marken.back()) + 3 * g);
    }
    a.x0 = left + w;
    a.xEnd = left + width - g;
    const int plotW = a.xEnd - a.x0 + 1;

    a.titel = kennzahl + QStringLiteral(" Gruppe: ") + tabelle.zelle(zeile, 0);
    a.titelPos = QPoint(a.x0 + (plotW - titel.horizontalAdvance(a.titel)) / 2, top);
    const int titelH = titel.height();

    const int lh = text.height();
    for (int i = 0; i < n; ++i) {
        const int xi = int((i + 0.5) * plotW / n + a.x0);
        a.monatPos << QPoint(xi - text.horizontalAdvance(tabelle.spalten[i + 1].titel) / 2,
                             top + height - lh);
    }

    a.yBase = top + height - int(1.5 * lh);
    a.yTop = top + 2 * titelH;
    const int plotH = a.yBase - a.yTop;
    for (int i = 0; i <= 10; ++i)
        a.markenY << int((i * plotH) / 10.0 + a.yTop);

    for (int i = 0; i < n; ++i) {
        const int xa = int((i + 0.5 - 0.2) * plotW / n + a.x0);
        const int xb = int((i + 0.5 + 0.2) * plotW / n + a.x0);
        // A bar of a large negative value may run past the rectangle, but no further than
        // its height again, so that its end stays a pixel coordinate.
        const double ende = a.yBase - plotH * werte[i] / t;
        const int yv =
            std::isnan(ende)
                ? a.yBase
                : int(std::clamp(ende, double(top) - height, double(top) + 2.0 * height));
        const int oben = std::min(a.yBase, yv), unten = std::max(a.yBase, yv);
        a.balken << QRect(xa, oben, xb - xa, unten - oben);
    }
    return a;
}

void drawdiagramm(QPainter& canvas, int left, int top, int width, int height, int dpi,
                  const TListe& tabelle, int zeile, const QString& kennzahl) {
    canvas.save();
    canvas.fillRect(QRect(left, top, width, height), Qt::white);
    const TDiagrammAufbau a =
        DiagrammAufbau(left, top, width, height, dpi, tabelle, zeile, kennzahl);
    if (a.leer) {
        canvas.restore();
        return;
    }

    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setPen(Qt::black);
    canvas.setFont(Titelschrift(dpi));
    schreibe(canvas, a.titelPos, a.titel);
    canvas.setFont(Textschrift(dpi));
    for (int i = 0; i < a.monatPos.size(); ++i)
        schreibe(canvas, a.monatPos[i], tabelle.spalten[i + 1].titel);

    // Width 0 is the thinnest line the surface draws.
    canvas.setPen(QPen(Qt::black, a.stift, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    canvas.drawLine(a.x0, a.yTop, a.x0, a.yBase);
    canvas.drawLine(a.x0, a.yBase, a.xEnd, a.yBase);

    const QFontMetrics text = canvas.fontMetrics();
    for (int i = 0; i <= 10; ++i) {
        const int yi = a.markenY[i];
        canvas.drawLine(a.x0 - a.g, yi, a.x0 + a.g, yi);
        schreibe(
            canvas,
            QPoint(a.x0 - 2 * a.g - text.horizontalAdvance(a.marken[i]), yi - text.height() / 2),
            a.marken[i]);
    }

    canvas.setBrush(Qt::NoBrush);
    for (const QRect& b : a.balken) {
        // Filled [left, left + width) × [top, top + height), outlined on its border
        // pixels; a bar of height 0 is a line on the month axis.
        canvas.fillRect(b, QColor(255, 0, 0));
        const int rechts = std::max(b.left(), b.left() + b.width() - 1);
        const int fuss = std::max(b.top(), b.top() + b.height() - 1);
        canvas.drawPolygon(QPolygon({QPoint(b.left(), b.top()), QPoint(rechts, b.top()),
                                     QPoint(rechts, fuss), QPoint(b.left(), fuss)}));
    }
    canvas.restore();
}
