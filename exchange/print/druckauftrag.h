#pragma once

#include "core/liste.h"
#include "exchange/print/tabellendruck.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <functional>

// Gives the device the job's name before the job begins. The window passes one that
// sets its printer's document name; without one a QPdfWriter takes the name as its
// title and other devices go unnamed.
using TAuftragsname = std::function<void(const QString&)>;

// One print job on a paged device (the window's printer, or a QPdfWriter): names it,
// begins it, lets `zeichne` draw on its pages and ends it, so the device outputs the
// pages. A device that cannot be painted on (no printer, no output file, a refused job)
// throws TFehler with the reason before anything is output; a refused further page
// throws TFehler too.
void Drucke(QPagedPaintDevice& drucker, const QString& name,
            const std::function<void(QPainter&, const TSeiten&)>& zeichne,
            const TAuftragsname& benenne = {});

// Prints a list as a table headed by `title` and today's date, with the extra lines
// `str` under the heading; the job is named `title`.
void DruckeListView(QPagedPaintDevice& drucker, const QString& title, const TListe& listview1,
                    const QStringList& str = {}, const TAuftragsname& benenne = {});

// Prints row `zeile` of the evaluation table as the chart, on one page within a 1.5 cm
// margin; the job is named "Diagramm".
void PrintDiagram(QPagedPaintDevice& drucker, const TListe& tabelle, int zeile,
                  const QString& kennzahl, const TAuftragsname& benenne = {});
