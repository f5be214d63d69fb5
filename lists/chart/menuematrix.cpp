#include "lists/chart/menuematrix.h"

#include "core/zahlen.h"
#include "lists/chart/diagramm.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Texts are placed by their top left corner; Qt draws at the baseline.
void schreibe(QPainter& p, QPoint pos, const QString& text) {
    p.drawText(pos.x(), pos.y() + p.fontMetrics().ascent(), text);
}

double endlich(double x) {
    return std::isfinite(x) ? x : 0;
}

// 1, 2 or 5 at the power of ten that makes about five steps of `spanne`.
double schrittFuer(double spanne) {
    const double roh = spanne / 5;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    const double n = roh / zehner;
    return (n <= 1 ? 1 : n <= 2 ? 2 : n <= 5 ? 5 : 10) * zehner;
}

QFont fett(QFont f) {
    f.setWeight(QFont::Bold);
    return f;
}

// The rectangles taken so far, kept in a grid of cells, so that counting those a new
// name would cover looks only at its neighbourhood: thousands of dishes stay quick.
class TBelegung {
public:
    TBelegung(QRect bereich, int zellbreite, int zellhoehe)
        : bereich(bereich), zb(std::max(1, zellbreite)), zh(std::max(1, zellhoehe)),
          spalten(std::max(1, bereich.width() / zb + 1)),
          zeilen(std::max(1, bereich.height() / zh + 1)), zellen(size_t(spalten) * size_t(zeilen)) {
    }

    void nimm(const QRect& r) {
        const auto nr = uint32_t(rechtecke.size());
        rechtecke.push_back(r);
        marken.push_back(0);
        jedeZelle(r, [&](std::vector<uint32_t>& zelle) { zelle.push_back(nr); });
    }

    // How many taken rectangles r intersects, counted no further than `grenze`.
    qsizetype zaehle(const QRect& r, qsizetype grenze) {
        ++runde;
        qsizetype n = 0;
        jedeZelle(r, [&](const std::vector<uint32_t>& zelle) {
            for (uint32_t nr : zelle) {
                if (n >= grenze)
                    return;
                if (marken[nr] == runde)
                    continue; // already met in another cell
                marken[nr] = runde;
                n += rechtecke[nr].intersects(r);
            }
        });
        return n;
    }

private:
    // Rectangles beyond the area fall into its edge cells.
    template <class F> void jedeZelle(const QRect& r, F f) {
        const auto spalte = [&](int x) {
            return std::clamp((x - bereich.left()) / zb, 0, spalten - 1);
        };
        const auto zeile = [&](int y) {
            return std::clamp((y - bereich.top()) / zh, 0, zeilen - 1);
        };
        for (int z = zeile(r.top()); z <= zeile(r.bottom()); ++z)
            for (int s = spalte(r.left()); s <= spalte(r.right()); ++s)
                f(zellen[size_t(z) * size_t(spalten) + size_t(s)]);
    }

    QRect bereich;
    int zb, zh, spalten, zeilen;
    std::vector<std::vector<uint32_t>> zellen;
    std::vector<QRect> rechtecke;
    std::vector<uint32_t> marken;
    uint32_t runde = 0;
};

// Beyond this many covered names every place is as bad as another.
constexpr qsizetype hoechstensGezaehlt = 64;

} // namespace

int TAchse::anzahlMarken() const {
    return int(std::lround((max - min) / schritt)) + 1;
}

TAchse Achse(double von, double bis) {
    von = endlich(von);
    bis = endlich(bis);
    if (von > bis)
        std::swap(von, bis);
    TAchse a;
    // A single value gets an axis of its own size above it, at least 0 to 1.
    if (!(bis > von))
        bis = von + std::max(1.0, std::abs(von));
    a.schritt = schrittFuer(bis - von);
    if (!(a.schritt > 0) || !std::isfinite(a.schritt))
        a.schritt = 1;
    a.min = std::floor(von / a.schritt) * a.schritt;
    a.max = std::ceil(bis / a.schritt) * a.schritt;
    if (!(a.max > a.min))
        a.max = a.min + a.schritt;
    // Values near the largest double leave no room for a step; show a plain axis then.
    if (!std::isfinite(a.min) || !std::isfinite(a.max) || a.anzahlMarken() > 100) {
        a = TAchse();
    }
    return a;
}

int TMatrixAufbau::px(double anteil) const {
    const double t = (endlich(anteil) - x.min) / (x.max - x.min);
    return x0 + int(std::lround(std::clamp(t, -1.0, 2.0) * (xEnd - x0)));
}

int TMatrixAufbau::py(double db) const {
    const double t = (endlich(db) - y.min) / (y.max - y.min);
    return yBase - int(std::lround(std::clamp(t, -1.0, 2.0) * (yBase - yTop)));
}

QColor MenueKlassenFarbe(TMenueKlasse k) {
    switch (k) {
    case TMenueKlasse::star:
        return QColor(0, 140, 0);
    case TMenueKlasse::arbeitspferd:
        return QColor(0, 0, 220);
    case TMenueKlasse::raetsel:
        return QColor(230, 120, 0);
    case TMenueKlasse::ladenhueter:
        break;
    }
    return QColor(200, 0, 0);
}

TMatrixAufbau MenueMatrixAufbau(int left, int top, int width, int height, int dpi,
                                const TMenueAnalyse& a) {
    TMatrixAufbau m;
    const QFontMetrics titel(Titelschrift(dpi));
    const QFontMetrics text(Textschrift(dpi));
    const QFontMetrics fettText(fett(Textschrift(dpi)));
    m.g = int(dpi * 0.07874031248);
    m.stift = int(dpi * 0.00984253906);
    m.radius = std::max(2, int(dpi * 0.05));
    const int g = m.g;
    const int lh = text.height();

    double xMin = 0, xMax = a.schwelleAnteil, yMin = std::min(0.0, a.schwelleDb),
           yMax = a.schwelleDb;
    for (const TMenuePosten& p : a.posten) {
        xMin = std::min(xMin, p.anteil);
        xMax = std::max(xMax, p.anteil);
        yMin = std::min(yMin, p.dbProPortion);
        yMax = std::max(yMax, p.dbProPortion);
    }
    // Some room above the highest point for its name; none below 0, where shares start.
    const double luft = (yMax - yMin) * 0.08;
    m.x = Achse(xMin, xMax + (xMax - xMin) * 0.03);
    m.y = Achse(yMin < 0 ? yMin - luft : yMin, yMax + luft);

    int w = g;
    for (int i = 0; i < m.y.anzahlMarken(); ++i) {
        m.yMarken << ZahlAllgemein(m.y.wert(i));
        w = std::max(w, text.horizontalAdvance(m.yMarken.back()) + 3 * g);
    }
    for (int i = 0; i < m.x.anzahlMarken(); ++i)
        m.xMarken << ZahlAllgemein(m.x.wert(i));

    m.titel = QStringLiteral("Menü-Analyse");
    const int titelH = titel.height();
    m.x0 = left + w;
    // Room on the right for half of the last tick label.
    m.xEnd = left + width - std::max(2 * g, text.horizontalAdvance(m.xMarken.back()) / 2 + g);
    m.titelPos = QPoint(m.x0 + (m.xEnd - m.x0 - titel.horizontalAdvance(m.titel)) / 2, top);
    m.yTitelPos = QPoint(left + g, top + titelH + g / 2);
    m.yTop = m.yTitelPos.y() + lh + g;
    m.yBase = top + height - 2 * lh - g;
    m.xTitelPos =
        QPoint(m.x0 + (m.xEnd - m.x0 - text.horizontalAdvance(QStringLiteral("Anteil (%)"))) / 2,
               top + height - lh);
    if (m.yBase <= m.yTop)
        m.yBase = m.yTop + 1;
    if (m.xEnd <= m.x0)
        m.xEnd = m.x0 + 1;

    for (int i = 0; i < m.x.anzahlMarken(); ++i)
        m.xMarkenX << m.px(m.x.wert(i));
    for (int i = 0; i < m.y.anzahlMarken(); ++i)
        m.yMarkenY << m.py(m.y.wert(i));
    m.schwelleX = m.px(a.schwelleAnteil);
    m.schwelleY = m.py(a.schwelleDb);
    m.schwelleXText = ZahlFest(a.schwelleAnteil, 2) + QStringLiteral(" %");
    m.schwelleYText = QStringLiteral("Ø ") + ZahlFest(a.schwelleDb, 2);
    // Beside the axis caption, never over it.
    const int captionEnde =
        m.yTitelPos.x() + text.horizontalAdvance(QStringLiteral("DB pro Portion"));
    m.schwelleXPos =
        QPoint(std::max(captionEnde + g, m.schwelleX - text.horizontalAdvance(m.schwelleXText) / 2),
               m.yTitelPos.y());
    m.schwelleYPos =
        QPoint(m.xEnd - g / 2 - text.horizontalAdvance(m.schwelleYText), m.schwelleY - lh);

    m.quadranten = QStringList{QStringLiteral("Star"), QStringLiteral("Arbeitspferd"),
                               QStringLiteral("Rätsel"), QStringLiteral("Ladenhüter")};
    const int oben = m.yTop + g;
    const int unten = m.yBase - g - lh;
    auto rechts = [&](const QString& s) { return m.xEnd - g - fettText.horizontalAdvance(s); };
    m.quadrantenPos = {QPoint(rechts(m.quadranten[0]), oben),
                       QPoint(rechts(m.quadranten[1]), unten), QPoint(m.x0 + g, oben),
                       QPoint(m.x0 + g, unten)};

    // A name may reach half a line beyond the plot, so that points on its edge keep theirs.
    const QRect plot =
        QRect(QPoint(m.x0, m.yTop), QPoint(m.xEnd, m.yBase)).adjusted(0, -lh / 2, 0, lh / 2);
    // The quadrant names and the average are there first; names go around them.
    TBelegung belegt(QRect(left, top, width, height), 4 * lh, lh);
    for (int i = 0; i < m.quadranten.size(); ++i)
        belegt.nimm(QRect(m.quadrantenPos[i],
                          QSize(fettText.horizontalAdvance(m.quadranten[i]), fettText.height())));
    belegt.nimm(QRect(m.schwelleYPos, QSize(text.horizontalAdvance(m.schwelleYText), lh)));
    for (int i = 0; i < m.xMarken.size(); ++i) {
        const int w = text.horizontalAdvance(m.xMarken[i]);
        belegt.nimm(QRect(m.xMarkenX[i] - w / 2, m.yBase + g, w, lh));
    }
    for (const TMenuePosten& p : a.posten) {
        const QPoint punkt(m.px(p.anteil), m.py(p.dbProPortion));
        m.punkte << punkt;
        // The name beside its point where it covers no other name and stays in the plot:
        // right, left, then above or below on either side; else where it covers fewest,
        // a place inside the plot before any outside.
        const int breite = text.horizontalAdvance(p.name);
        const int rechts = punkt.x() + m.radius + g / 2;
        const int links = punkt.x() - m.radius - g / 2 - breite;
        const int mitte = punkt.y() - lh / 2;
        const int hoch = mitte - lh, tief = mitte + lh;
        const QPoint stellen[] = {{rechts, mitte}, {links, mitte}, {rechts, hoch},
                                  {rechts, tief},  {links, hoch},  {links, tief}};
        QRect wahl;
        bool wahlDraussen = true;
        qsizetype besteWertung = -1;
        for (const QPoint& stelle : stellen) {
            const QRect r(stelle, QSize(breite, lh));
            const bool draussen = !plot.contains(r);
            if (besteWertung >= 0 && draussen && !wahlDraussen)
                continue;
            const bool gleich = besteWertung >= 0 && draussen == wahlDraussen;
            const qsizetype wertung = belegt.zaehle(r, gleich ? besteWertung : hoechstensGezaehlt);
            if (!gleich || wertung < besteWertung) {
                wahl = r;
                wahlDraussen = draussen;
                besteWertung = wertung;
            }
            if (besteWertung == 0 && !wahlDraussen)
                break;
        }
        belegt.nimm(wahl);
        m.namenPos << wahl.topLeft();
    }
    return m;
}

void ZeichneMenueMatrix(QPainter& canvas, int left, int top, int width, int height, int dpi,
                        const TMenueAnalyse& a) {
    canvas.save();
    const QRect rahmen(left, top, width, height);
    canvas.fillRect(rahmen, Qt::white);
    canvas.setClipRect(rahmen);
    const TMatrixAufbau m = MenueMatrixAufbau(left, top, width, height, dpi, a);
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setRenderHint(QPainter::Antialiasing, false);

    canvas.setPen(Qt::black);
    canvas.setFont(Titelschrift(dpi));
    schreibe(canvas, m.titelPos, m.titel);

    const QFont text = Textschrift(dpi);
    canvas.setFont(text);
    const QFontMetrics fm(text);
    schreibe(canvas, m.yTitelPos, QStringLiteral("DB pro Portion"));
    schreibe(canvas, m.xTitelPos, QStringLiteral("Anteil (%)"));

    // Width 0 is the thinnest line the surface draws.
    const QPen linie(Qt::black, m.stift, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    canvas.setPen(linie);
    canvas.drawLine(m.x0, m.yTop, m.x0, m.yBase);
    canvas.drawLine(m.x0, m.yBase, m.xEnd, m.yBase);
    for (int i = 0; i < m.yMarkenY.size(); ++i) {
        const int y = m.yMarkenY[i];
        canvas.drawLine(m.x0 - m.g, y, m.x0, y);
        schreibe(canvas,
                 QPoint(m.x0 - 2 * m.g - fm.horizontalAdvance(m.yMarken[i]), y - fm.height() / 2),
                 m.yMarken[i]);
    }
    for (int i = 0; i < m.xMarkenX.size(); ++i) {
        const int x = m.xMarkenX[i];
        canvas.drawLine(x, m.yBase, x, m.yBase + m.g);
        schreibe(canvas, QPoint(x - fm.horizontalAdvance(m.xMarken[i]) / 2, m.yBase + m.g),
                 m.xMarken[i]);
    }

    QPen schwelle(QColor(96, 96, 96), std::max(1, m.stift), Qt::DashLine);
    canvas.setPen(schwelle);
    canvas.drawLine(m.schwelleX, m.yTop, m.schwelleX, m.yBase);
    canvas.drawLine(m.x0, m.schwelleY, m.xEnd, m.schwelleY);

    canvas.setPen(QColor(96, 96, 96));
    schreibe(canvas, m.schwelleXPos, m.schwelleXText);
    schreibe(canvas, m.schwelleYPos, m.schwelleYText);

    canvas.setFont(fett(text));
    canvas.setPen(QColor(128, 128, 128));
    for (int i = 0; i < m.quadranten.size(); ++i)
        schreibe(canvas, m.quadrantenPos[i], m.quadranten[i]);

    canvas.setFont(text);
    canvas.setClipRect(QRect(QPoint(m.x0, m.yTop), QPoint(m.xEnd, m.yBase))
                           .adjusted(-m.radius, -m.radius, m.radius, m.radius));
    canvas.setRenderHint(QPainter::Antialiasing, true);
    for (qsizetype i = 0; i < m.punkte.size(); ++i) {
        const QColor farbe = MenueKlassenFarbe(a.posten[size_t(i)].klasse);
        canvas.setPen(Qt::NoPen);
        canvas.setBrush(farbe);
        canvas.drawEllipse(m.punkte[i], m.radius, m.radius);
    }
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setClipRect(rahmen);
    canvas.setPen(Qt::black);
    for (qsizetype i = 0; i < m.punkte.size(); ++i)
        schreibe(canvas, m.namenPos[i], a.posten[size_t(i)].name);
    canvas.restore();
}
