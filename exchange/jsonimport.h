#pragma once

#include "core/daten.h"

#include <QByteArrayView>
#include <QStringList>

#include <memory>

// The outcome of reading the JSON form.
struct TJsonImport {
    std::unique_ptr<TDaten> daten; // null when the text has errors
    // "Zeile N: ort: grund" (a syntax error "Zeile N, Spalte M: grund"), at most 50 of
    // each kind, then "… und K weitere".
    QStringList fehler;
    QStringList warnungen;
    qsizetype fehlerAnzahl = 0;
    qsizetype warnungAnzahl = 0;

    bool ok() const { return daten != nullptr; }
};

// Reads the JSON form (version 1) into new data, strictly: a wrong or missing format or
// version, an unknown key, a wrong type, a number its field cannot hold and a group count
// other than 40 are errors. Values a data file can hold but that break a rule of the
// program (a line naming no ingredient, a group index outside 0–39, a sales day that is
// no date) are taken as a data file gives them, and warned about. Keys left out take the
// values of a new record; `preisproeinheit` left out is derived as the ingredient dialog
// does, in the current default locale.
TJsonImport LeseJson(QByteArrayView text);
// The same for a file; throws TFehler when it cannot be opened or read.
TJsonImport LeseJsonDatei(const QString& pfad);
