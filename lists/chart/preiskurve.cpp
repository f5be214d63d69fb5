#include "lists/chart/preiskurve.h"

#include "core/datumstext.h"
#include "core/zahlen.h"
#include "lists/chart/diagramm.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>

void ZeichnePreiskurve(QPainter& p, const QRect& flaeche, int dpi,
                       const std::vector<TKurvenpunkt>& punkte, const QString& einheit) {
    p.save();
    p.fillRect(flaeche, Qt::white);
    p.setFont(Textschrift(dpi));
    p.setPen(Qt::black);
    const QFontMetrics fm = p.fontMetrics();
    if (punkte.empty()) {
        p.drawText(flaeche, Qt::AlignCenter, QStringLiteral("Kein Preisverlauf"));
        p.restore();
        return;
    }
    double max = 0;
    for (const TKurvenpunkt& k : punkte)
        max = std::max(max, k.wert);
    const double oben = Achsenmaximum(max);
    const int rand = std::max(1, dpi / 12);
    QStringList marken;
    int markenbreite = fm.horizontalAdvance(einheit);
    for (int i = 0; i <= 5; ++i) {
        marken << ZahlFest(oben * i / 5, 2);
        markenbreite = std::max(markenbreite, fm.horizontalAdvance(marken.back()));
    }
    const int x0 = flaeche.left() + rand + markenbreite + rand;
    const int x1 =
        flaeche.right() - rand - fm.horizontalAdvance(KurzesDatum(punkte.back().datum)) / 2;
    const int y0 = flaeche.top() + rand + fm.height();
    const int y1 = flaeche.bottom() - rand - fm.height() - rand;
    if (x1 <= x0 || y1 <= y0) {
        p.restore();
        return;
    }
    p.setPen(QPen(Qt::black, std::max(1, dpi / 100)));
    p.drawLine(x0, y0, x0, y1);
    p.drawLine(x0, y1, x1, y1);
    p.drawText(QRect(flaeche.left() + rand, flaeche.top() + rand, markenbreite, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, einheit);
    const auto yVon = [&](double w) { return y1 - int(std::lround((y1 - y0) * (w / oben))); };
    for (int i = 0; i <= 5; ++i) {
        const int y = yVon(oben * i / 5);
        p.drawLine(x0 - rand / 2, y, x0, y);
        p.drawText(QRect(flaeche.left() + rand, y - fm.height() / 2, markenbreite, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, marken[i]);
    }
    const QDate erster = punkte.front().datum;
    const qint64 tage = std::max<qint64>(1, erster.daysTo(punkte.back().datum));
    const auto xVon = [&](QDate d) {
        return x0 + int(std::lround(double(x1 - x0) * double(erster.daysTo(d)) / double(tage)));
    };
    p.drawText(QPoint(x0, y1 + rand + fm.ascent()), KurzesDatum(erster));
    const QString letzter = KurzesDatum(punkte.back().datum);
    p.drawText(QPoint(x1 - fm.horizontalAdvance(letzter) / 2, y1 + rand + fm.ascent()), letzter);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 160), std::max(1, dpi / 48)));
    const int punkt = std::max(2, dpi / 24);
    for (size_t i = 0; i < punkte.size(); ++i) {
        const int x = xVon(punkte[i].datum), y = yVon(punkte[i].wert);
        if (i + 1 < punkte.size()) {
            const int xn = xVon(punkte[i + 1].datum), yn = yVon(punkte[i + 1].wert);
            p.drawLine(x, y, xn, y);
            p.drawLine(xn, y, xn, yn);
        } else if (punkte.size() == 1) {
            p.drawLine(x, y, x1, y);
        }
        p.setBrush(QColor(0, 0, 160));
        p.drawEllipse(QPoint(x, y), punkt, punkt);
    }
    p.restore();
}
