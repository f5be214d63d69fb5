#pragma once

#include "core/liste.h"

#include <QFont>
#include <QPainter>
#include <QString>

// The two fonts of charts and printouts, sized for a surface of `dpi` pixels per inch
// (s points are s × dpi ÷ 72 pixels), independent of what the device reports.
QFont Titelschrift(int dpi); // Arial Black 18 pt
QFont Textschrift(int dpi);  // Arial 12 pt

// Draws row `zeile` of the evaluation table as a bar chart into the rectangle
// (left, top, width, height) of the surface, in device pixels at `dpi`. `kennzahl` is
// the key figure's name for the title. A row position outside the table leaves the
// rectangle white.
void drawdiagramm(QPainter& canvas, int left, int top, int width, int height, int dpi,
                  const TListe& tabelle, int zeile, const QString& kennzahl);

// The top of the value axis for the largest value of a row: its leading digit plus one
// at its power of ten (537 → 600, 0.0123 → 0.02); 2 when max is 0.
double Achsenmaximum(double max);
