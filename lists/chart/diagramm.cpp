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
void schreibe(QPainter& p, int x, int y, const QString& text) {
    p.drawText(x, y + p.fontMetrics().ascent(), text);
}

int hoehe(const QPainter& p) {
    return p.fontMetrics().height();
}
int breite(const QPainter& p, const QString& text) {
    return p.fontMetrics().horizontalAdvance(text);
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

void drawdiagramm(QPainter& canvas, int left, int top, int width, int height, int dpi,
                  const TListe& tabelle, int zeile, const QString& kennzahl) {
    canvas.save();
    canvas.fillRect(QRect(left, top, width, height), Qt::white);
    if (zeile < 0 || zeile >= tabelle.anzahlZeilen()) {
        canvas.restore();
        return;
    }

    const QStringList& r = tabelle.zeilen[zeile];
    const int n = int(std::max<qsizetype>(0, tabelle.anzahlSpalten() - 1));
    auto zellwert = [&](int i) { return ZahlOder(tabelle.zelle(zeile, i + 1)); };

    double max = 0;
    for (int i = 0; i < n; ++i)
        max = std::max(max, zellwert(i));
    const double t = Achsenmaximum(max);

    const QFont titelschrift = Titelschrift(dpi);
    const QFont textschrift = Textschrift(dpi);
    canvas.setFont(textschrift);
    const int g = int(dpi * 0.07874031248);
    const int stift = int(dpi * 0.00984253906);

    QStringList marken;
    int w = g;
    for (int i = 0; i <= 10; ++i) {
        marken << ZahlAllgemein((10 - i) * t / 10);
        w = std::max(w, breite(canvas, marken.back()) + 3 * g);
    }

    const int x0 = left + w;
    const int xEnd = left + width - g;
    const int plotW = xEnd - x0 + 1;

    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setPen(Qt::black);

    canvas.setFont(titelschrift);
    const QString titel = kennzahl + QStringLiteral(" Gruppe: ") + r.value(0);
    schreibe(canvas, x0 + (plotW - breite(canvas, titel)) / 2, top, titel);
    const int titelH = hoehe(canvas);

    canvas.setFont(textschrift);
    const int lh = hoehe(canvas);
    for (int i = 0; i < n; ++i) {
        const int xi = int((i + 0.5) * plotW / n + x0);
        const QString monat = tabelle.spalten[i + 1].titel;
        schreibe(canvas, xi - breite(canvas, monat) / 2, top + height - lh, monat);
    }

    const int yBase = top + height - int(1.5 * lh);
    const int yTop = top + 2 * titelH;
    const int plotH = yBase - yTop;

    // Width 0 is the thinnest line the surface draws.
    const QPen linie(Qt::black, stift, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    canvas.setPen(linie);
    canvas.drawLine(x0, yTop, x0, yBase);
    canvas.drawLine(x0, yBase, xEnd, yBase);

    for (int i = 0; i <= 10; ++i) {
        const int yi = int((i * plotH) / 10.0 + yTop);
        canvas.drawLine(x0 - g, yi, x0 + g, yi);
        schreibe(canvas, x0 - 2 * g - breite(canvas, marken[i]), yi - hoehe(canvas) / 2, marken[i]);
    }

    for (int i = 0; i < n; ++i) {
        const double v = zellwert(i);
        const int xa = int((i + 0.5 - 0.2) * plotW / n + x0);
        const int xb = int((i + 0.5 + 0.2) * plotW / n + x0);
        const int yv = int(yBase - plotH * v / t);
        // The filled area spans [xa, xb) × [oben, unten); a negative value hangs below.
        const int oben = std::min(yBase, yv), unten = std::max(yBase, yv);
        canvas.fillRect(QRect(xa, oben, xb - xa, unten - oben), QColor(255, 0, 0));
        const int rechts = std::max(xa, xb - 1), fuss = std::max(oben, unten - 1);
        canvas.setBrush(Qt::NoBrush);
        canvas.drawPolygon(QPolygon(
            {QPoint(xa, oben), QPoint(rechts, oben), QPoint(rechts, fuss), QPoint(xa, fuss)}));
    }
    canvas.restore();
}
