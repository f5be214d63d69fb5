#pragma once

#include <QIODevice>
#include <QPagedPaintDevice>
#include <QString>

#include <functional>

// Printing into a PDF document instead of a printer: A4 pages, portrait or landscape
// (`quer`), at 600 dpi, with the whole sheet printable so that the printout's own
// margins are measured from the paper's edge. `drucke` runs the print routine on the
// document; its TFehler passes through.
void DruckeInPdf(QIODevice& ziel, bool quer, const std::function<void(QPagedPaintDevice&)>& drucke);

// The same into a file, which is replaced only when the whole document was written;
// a failure throws TFehler and leaves an existing file as it was.
void SpeicherePdf(const QString& pfad, bool quer,
                  const std::function<void(QPagedPaintDevice&)>& drucke);
