#pragma once

#include "core/liste.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The CSV dialect of the program: the captions as the first line, then one line per
// row in the order shown, cells joined by ";", lines ending in CR LF, a carriage return
// or line feed inside a cell written as "\r" or "\n". UTF-8, by default with a
// byte-order mark so that spreadsheet programs and the import read every character.
// Hidden columns are written too.

enum class TBom { mit, ohne };

// Throws TFehler on the first write that fails.
void SchreibeCsv(const TListe& liste, QIODevice& geraet, TBom bom = TBom::mit);
QByteArray CsvBytes(const TListe& liste, TBom bom = TBom::mit);

// Writes the list to a file, atomically; throws TFehler when that fails.
void ExportToFile(const TListe& liste, const QString& fname);
