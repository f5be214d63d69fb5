#pragma once

#include "core/liste.h"

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// The two fonts of charts and printouts, sized for a surface of `dpi` pixels per inch
// (s points are s × dpi ÷ 72 pixels), independent of what the device reports.
QFont Titelschrift(int dpi); // Arial Black 18 pt
QFont Textschrift(int dpi);  // Arial 12 pt

// Where the parts of a chart go, in device pixels.
struct TDiagrammAufbau {
    bool leer = true;     // no such row: nothing but the white rectangle
    double achsenmax = 0; // the value at the top of the axis
    int g = 0;            // tick length, 2 mm
    int stift = 0;        // line width, 0.25 mm; 0 is the thinnest line
    QStringList marken;   // the eleven tick labels, the top one first
    QList<int> markenY;   // their heights
    int x0 = 0, xEnd = 0, yTop = 0, yBase = 0;
    QString titel;
    QPoint titelPos;        // top left of the title
    QList<QPoint> monatPos; // top left of each month title
    QList<QRect> balken;    // each month's bar; a negative value hangs below yBase
};

TDiagrammAufbau DiagrammAufbau(int left, int top, int width, int height, int dpi,
                               const TListe& tabelle, int zeile, const QString& kennzahl);

// Draws row `zeile` of the evaluation table as a bar chart into the rectangle
// (left, top, width, height) of the surface, in device pixels at `dpi`. `kennzahl` is
// the key figure's name for the title. A row position outside the table leaves the
// rectangle white.
void drawdiagramm(QPainter& canvas, int left, int top, int width, int height, int dpi,
                  const TListe& tabelle, int zeile, const QString& kennzahl);

// The top of the value axis for the largest value of a row: its leading digit plus one
// at its power of ten (537 → 600, 0.0123 → 0.02); 2 when max is 0.
double Achsenmaximum(double max);
