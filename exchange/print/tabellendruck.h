#pragma once

#include "core/liste.h"

#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>

// The pages a printout is drawn on: resolution and printable size of the device in
// pixels, and how the next page begins. `neueSeite` throws TFehler when the device
// refuses a further page.
struct TSeiten {
    int dpi = 0; // horizontal; the only resolution the layout uses
    int breite = 0;
    int hoehe = 0;
    std::function<void()> neueSeite;
};

// The physical measures of the table printer at a resolution, in pixels.
struct TTabellenMasse {
    int rand = 0;           // margin on all four sides, 1.5 cm
    int abstand = 0;        // space after every column, 0.5 cm
    double halbAbstand = 0; // the box's offset left of a column's text, 0.25 cm
    int stift = 1;          // width of the box lines, 0.25 mm, at least 1
    explicit TTabellenMasse(int dpi);
};

// The width of every column: the widest of its bold caption and its cells, or, when
// the columns together are wider than `druckbreite`, an equal share for all but the
// 24th column. As many widths as the list has columns.
QList<int> Spaltenbreiten(const TListe& liste, int druckbreite, int abstand,
                          const QFontMetrics& fett, const QFontMetrics& normal);

// The lines of `text` broken between any two characters so that each fits `breite`;
// a character that does not fit an empty line leaves that line empty.
QStringList Umbrechen(const QString& text, int breite, const QFontMetrics& schrift);

// Prints the list as a boxed table: the heading `title` with today's date, the extra
// lines `str`, the bold caption row, then one boxed row per list row, every column
// included; a further page starts with the caption row again. The painter must be
// active on the device that `seiten` describes.
void DruckeTabelle(QPainter& p, const TSeiten& seiten, const QString& title,
                   const TListe& listview1, const QStringList& str);
