#include "app/cli/pngbild.h"

#include "core/fehler.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cmath>

QByteArray PngBild(int breite, int hoehe, int dpi, const std::function<void(QPainter&)>& zeichne) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    if (bild.isNull())
        throw TFehler(QStringLiteral("Für ein Bild von %1 × %2 Punkten reicht der Speicher nicht")
                          .arg(breite)
                          .arg(hoehe));
    const int punkteProMeter = int(std::lround(dpi / 0.0254));
    bild.setDotsPerMeterX(punkteProMeter);
    bild.setDotsPerMeterY(punkteProMeter);
    {
        QPainter maler(&bild);
        zeichne(maler);
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG"))
        throw TFehler(QStringLiteral("Das Bild konnte nicht als PNG geschrieben werden"));
    return bytes;
}
