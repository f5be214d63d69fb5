#include "exchange/print/tabellendruck.h"

#include "core/uhr.h"
#include "lists/chart/diagramm.h"

#include <QLocale>
#include <QPen>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The column whose width never takes the share of a list too wide for the page.
constexpr qsizetype festeSpalte = 23;

double cm(double v, int dpi) {
    return v * dpi / 2.54;
}

QFont Fettschrift(int dpi) {
    QFont f = Textschrift(dpi);
    f.setWeight(QFont::Bold);
    return f;
}

// Each column as wide as its widest text: the caption in bold, the cells regular. The
// width of every cell goes to `zellbreiten`, row by row, when it is given.
QList<int> GemesseneBreiten(const TListe& liste, const QFontMetrics& fett,
                            const QFontMetrics& normal, QList<int>* zellbreiten = nullptr) {
    const qsizetype n = liste.anzahlSpalten();
    QList<int> breiten(n, 0);
    for (qsizetype i = 0; i < n; ++i)
        breiten[i] = fett.horizontalAdvance(liste.spalten[i].titel);
    if (zellbreiten)
        zellbreiten->fill(0, liste.anzahlZeilen() * n);
    for (qsizetype r = 0; r < liste.anzahlZeilen(); ++r) {
        const QStringList& zeile = liste.zeilen[r];
        const qsizetype m = std::min(n, zeile.size());
        for (qsizetype i = 0; i < m; ++i) {
            if (zeile[i].isEmpty())
                continue;
            const int b = normal.horizontalAdvance(zeile[i]);
            breiten[i] = std::max(breiten[i], b);
            if (zellbreiten)
                (*zellbreiten)[r * n + i] = b;
        }
    }
    return breiten;
}

// Umbrechen for a text whose whole width is known.
QStringList Umbrechen(const QString& text, int textbreite, int breite,
                      const QFontMetrics& schrift) {
    if (text.isEmpty())
        return {};
    if (textbreite <= breite)
        return {text};
    QList<qsizetype> grenzen; // the end of every character as the reader sees it
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype g = finder.toNextBoundary(); g > 0; g = finder.toNextBoundary())
        grenzen << g;
    const auto weite = [&](qsizetype von, qsizetype bis) {
        return schrift.horizontalAdvance(QStringView(text).mid(von, bis - von).toString());
    };

    QStringList zeilen;
    qsizetype von = 0, k = 0; // line start, index of its first character's end
    // A first character too wide for the column leaves the first line empty.
    if (weite(0, grenzen[0]) > breite)
        zeilen << QString();
    while (k < grenzen.size()) {
        // A line holds at least one character, and as many more as fit: the longest
        // prefix that fits, found by halving, since a longer text is never narrower.
        qsizetype gut = k, schlecht = grenzen.size();
        while (schlecht - gut > 1) {
            const qsizetype mitte = gut + (schlecht - gut) / 2;
            if (weite(von, grenzen[mitte]) <= breite)
                gut = mitte;
            else
                schlecht = mitte;
        }
        zeilen << text.mid(von, grenzen[gut] - von);
        von = grenzen[gut];
        k = gut + 1;
    }
    return zeilen;
}

// The measured widths, or an equal share for all but the 24th column when they do not
// fit the printable width together.
QList<int> VerteileBreiten(QList<int> breiten, int druckbreite, int abstand) {
    const qsizetype n = breiten.size();
    qint64 flexSumme = 0, festSumme = 0;
    int flexAnzahl = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (i == festeSpalte) {
            festSumme += abstand + breiten[i];
        } else {
            flexSumme += abstand + breiten[i];
            ++flexAnzahl;
        }
    }
    const qint64 verfuegbar = druckbreite - festSumme;
    if (flexSumme > verfuegbar && flexAnzahl > 0) {
        const int anteil = int(verfuegbar / flexAnzahl - abstand);
        for (qsizetype i = 0; i < n; ++i)
            if (i != festeSpalte)
                breiten[i] = anteil;
    }
    return breiten;
}

// One table printout: the state its routines share while the pages are drawn.
class TTabellendruck {
public:
    TTabellendruck(QPainter& p, const TSeiten& seiten, const TListe& liste)
        : p(p), seiten(seiten), liste(liste), masse(seiten.dpi), titel(Titelschrift(seiten.dpi)),
          text(Textschrift(seiten.dpi)), fett(Fettschrift(seiten.dpi)),
          titelMetrik(titel, p.device()), textMetrik(text, p.device()),
          fettMetrik(fett, p.device()), druckbreite(seiten.breite - 2 * masse.rand),
          unten(seiten.hoehe - masse.rand) {}

    void DruckeTabelle(const QString& title, const QStringList& str);

private:
    void DruckeSpaltenkopf();
    void SchreibeUmbrochen(int x, int y, int breite, const QString& zelle, int& zeilenhoehe);
    void Schreibe(const QStringList& zeilen, int x, int y);
    int Hoehe(const QStringList& zeilen) const;
    void NeueSeite();

    QPainter& p;
    const TSeiten& seiten;
    const TListe& liste;
    const TTabellenMasse masse;
    const QFont titel, text, fett;
    const QFontMetrics titelMetrik, textMetrik, fettMetrik;
    const int druckbreite;
    const int unten; // the bottom limit
    const QFontMetrics* metrik = &textMetrik;
    // Measured once: every page repeats the same caption row.
    QList<int> breiten;
    QList<int> zellbreiten; // every cell's width, row by row
    int y = 0;
    int ersteZeile = 0; // where the first row of the page begins
};

void TTabellendruck::Schreibe(const QStringList& zeilen, int x, int yOben) {
    const int lh = metrik->height();
    for (const QString& z : zeilen) {
        if (!z.isEmpty())
            p.drawText(x, yOben + metrik->ascent(), z);
        yOben += lh;
    }
}

int TTabellendruck::Hoehe(const QStringList& zeilen) const {
    return zeilen.isEmpty() ? metrik->height() : int(zeilen.size()) * metrik->height();
}

void TTabellendruck::SchreibeUmbrochen(int x, int yOben, int breite, const QString& zelle,
                                       int& zeilenhoehe) {
    const QStringList zeilen = Umbrechen(zelle, breite, *metrik);
    Schreibe(zeilen, x, yOben);
    zeilenhoehe = std::max(zeilenhoehe, Hoehe(zeilen));
}

void TTabellendruck::NeueSeite() {
    seiten.neueSeite();
    y = masse.rand;
    DruckeSpaltenkopf();
}

void TTabellendruck::DruckeSpaltenkopf() {
    if (breiten.isEmpty() && liste.anzahlSpalten() > 0)
        breiten = VerteileBreiten(GemesseneBreiten(liste, fettMetrik, textMetrik, &zellbreiten),
                                  druckbreite, masse.abstand);
    p.setFont(fett);
    metrik = &fettMetrik;
    const int lh = fettMetrik.height();
    int hh = lh;
    int x = masse.rand;
    for (qsizetype i = 0; i < liste.anzahlSpalten(); ++i) {
        SchreibeUmbrochen(x, y, breiten[i], liste.spalten[i].titel, hh);
        x += masse.abstand + breiten[i];
    }
    y += lh + hh; // an empty line between captions and the first row
    ersteZeile = y;
    p.setFont(text);
    metrik = &textMetrik;
}

void TTabellendruck::DruckeTabelle(const QString& title, const QStringList& str) {
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    p.setBrush(Qt::NoBrush);
    const QPen schrift(Qt::black);
    const QPen linie(Qt::black, masse.stift, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(schrift);

    const int m = masse.rand;
    y = m;
    p.setFont(titel);
    // One line however long: the heading is never broken.
    p.drawText(m, y + titelMetrik.ascent(),
               title + QLatin1Char(' ') + QLocale().toString(TUhr::heute(), QLocale::ShortFormat));

    p.setFont(text);
    metrik = &textMetrik;
    const int lh = textMetrik.height();
    y += 2 * lh;
    for (const QString& zeile : str) {
        // A wrapped line pushes the next one down rather than being overprinted.
        int h = lh;
        SchreibeUmbrochen(m, y, druckbreite, zeile, h);
        y += h;
    }

    DruckeSpaltenkopf();
    const qsizetype spalten = liste.anzahlSpalten();
    QList<QStringList> zellen(spalten);
    for (qsizetype r = 0; r < liste.anzahlZeilen(); ++r) {
        int h = lh;
        for (qsizetype i = 0; i < spalten; ++i) {
            zellen[i] =
                Umbrechen(liste.zelle(r, i), zellbreiten[r * spalten + i], breiten[i], textMetrik);
            h = std::max(h, Hoehe(zellen[i]));
        }
        // The break test guesses the next row's height from the last one; a taller row
        // that would run off the paper goes to the next page instead of being cut.
        if (y > ersteZeile && y + h > seiten.hoehe)
            NeueSeite();
        int x = m;
        for (qsizetype i = 0; i < spalten; ++i) {
            Schreibe(zellen[i], x, y);
            x += masse.abstand + breiten[i];
        }

        p.setPen(linie);
        double xs = m;
        for (qsizetype i = 0; i < spalten; ++i) {
            const int links = int(std::lround(xs - masse.halbAbstand));
            const int rechts =
                int(std::lround(xs - masse.halbAbstand + breiten[i] + masse.abstand));
            const std::array<QLine, 4> seitenlinien = {
                QLine(links, y, rechts, y), QLine(rechts, y, rechts, y + h),
                QLine(rechts, y + h, links, y + h), QLine(links, y + h, links, y)};
            p.drawLines(seitenlinien.data(), int(seitenlinien.size()));
            xs += masse.abstand + breiten[i];
        }
        p.setPen(schrift);

        y += h;
        if (y + h >= unten)
            NeueSeite();
    }
    p.restore();
}

} // namespace

TTabellenMasse::TTabellenMasse(int dpi)
    : rand(int(std::lround(cm(1.5, dpi)))), abstand(int(std::lround(cm(0.5, dpi)))),
      halbAbstand(cm(0.25, dpi)), stift(std::max(1, int(cm(0.025, dpi)))) {}

QList<int> Spaltenbreiten(const TListe& liste, int druckbreite, int abstand,
                          const QFontMetrics& fett, const QFontMetrics& normal) {
    return VerteileBreiten(GemesseneBreiten(liste, fett, normal), druckbreite, abstand);
}

QStringList Umbrechen(const QString& text, int breite, const QFontMetrics& schrift) {
    return Umbrechen(text, text.isEmpty() ? 0 : schrift.horizontalAdvance(text), breite, schrift);
}

void DruckeTabelle(QPainter& p, const TSeiten& seiten, const QString& title,
                   const TListe& listview1, const QStringList& str) {
    TTabellendruck(p, seiten, listview1).DruckeTabelle(title, str);
}
