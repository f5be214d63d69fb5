#pragma once

#include "lists/menueanalyse.h"

#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// The menu-engineering matrix: every recipe a labelled point, its share of the portions
// across, its DB per portion up; the two thresholds split the plot into the quadrants
// "Star", "Arbeitspferd", "Rätsel" and "Ladenhüter".

// An axis from `min` to `max` in steps of `schritt` (1, 2 or 5 at a power of ten), taking
// in every value between `von` and `bis`.
struct TAchse {
    double min = 0;
    double max = 1;
    double schritt = 1;
    double wert(int i) const { return min + i * schritt; }
    int anzahlMarken() const; // ticks from min to max, both included
};
TAchse Achse(double von, double bis);

// Where the parts of the matrix go, in device pixels.
struct TMatrixAufbau {
    int g = 0;     // tick length, 2 mm
    int stift = 0; // line width, 0.25 mm; 0 is the thinnest line
    int radius = 0;
    TAchse x, y;
    int x0 = 0, xEnd = 0, yTop = 0, yBase = 0; // the plot
    QString titel;
    QPoint titelPos;
    QStringList xMarken, yMarken;
    QList<int> xMarkenX, yMarkenY;
    QPoint xTitelPos, yTitelPos;          // "Anteil (%)" and "DB pro Portion"
    int schwelleX = 0, schwelleY = 0;     // the two threshold lines
    QString schwelleXText, schwelleYText; // "11,67 %" above the plot, "Ø 2,06" at the right
    QPoint schwelleXPos, schwelleYPos;
    QStringList quadranten; // the four names, "Star" first
    QList<QPoint> quadrantenPos;
    QList<QPoint> punkte; // one per recipe, in the order of the analysis
    QList<QPoint> namenPos;

    // The device position of a share and a DB per portion.
    int px(double anteil) const;
    int py(double db) const;
};

TMatrixAufbau MenueMatrixAufbau(int left, int top, int width, int height, int dpi,
                                const TMenueAnalyse& a);

// Draws the matrix into the rectangle (left, top, width, height) of the surface, in
// device pixels at `dpi`, like the evaluation chart.
void ZeichneMenueMatrix(QPainter& canvas, int left, int top, int width, int height, int dpi,
                        const TMenueAnalyse& a);

// The colour of a class's points.
QColor MenueKlassenFarbe(TMenueKlasse k);
