#pragma once

#include "core/daten.h"
#include "core/fehler.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Import of ingredients from CSV files as suppliers and spreadsheets write them: lines
// end with CR LF or LF, fields are separated by ";" (nothing protects a ";"), each
// field is decoded by decodeenters. Fields 1 to 7 are, in order, name, supplier, group,
// price per unit (kept as text), total price and quantity (numbers in the current
// locale, 0 when they do not read as one) and unit; later fields are ignored.

// The file could not be opened; the caller shows the text in a plain error box.
class TNichtGeoeffnet : public TFehler {
public:
    TNichtGeoeffnet() : TFehler(QStringLiteral("Konnte die Datei nicht öffnen")) {}
};

// One raw field to its text: one double quote at the start and one at the end are
// removed, every run of double quotes becomes one, "\r" and "\n" become CR and LF.
QString decodeenters(QStringView s);

// The decoded fields of one line, split at every ";". The empty text after a final ";"
// is no field of its own; an empty line has no fields.
QStringList TeileZeile(QStringView zeile);

// Appends one ingredient per non-empty line to daten.zutats, in file order, after
// reading the whole input; the first line is skipped when asked (and the input is not
// empty). Returns the number of ingredients added. Nothing is added when it fails.
// `ohneZahlen`, when given, gets the numbers (from 1, the skipped line counted) of the
// lines whose total price or quantity is missing or does not read as a number.
qsizetype ImportiereZutaten(TDaten& daten, QByteArrayView bytes, bool ersteZeileUeberspringen,
                            QList<qsizetype>* ohneZahlen = nullptr);

// The same for a file; throws TNichtGeoeffnet when it cannot be opened and TFehler when
// it cannot be read. The catalogue is then unchanged.
qsizetype ImportiereZutatenDatei(TDaten& daten, const QString& pfad, bool ersteZeileUeberspringen,
                                 QList<qsizetype>* ohneZahlen = nullptr);

// The message at the end of an import: how many ingredients were added, and the lines
// whose figures read as 0 (at most twenty numbers, then "und N weitere").
QString ImportBericht(qsizetype anzahl, const QList<qsizetype>& ohneZahlen);
