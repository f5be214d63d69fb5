#pragma once

#include <QByteArray>

#include <functional>

class QPainter;

// A picture of breite × hoehe points at dpi, drawn by `zeichne`, as PNG bytes. The
// resolution is written into the file so that viewers show it at its size.
QByteArray PngBild(int breite, int hoehe, int dpi, const std::function<void(QPainter&)>& zeichne);
