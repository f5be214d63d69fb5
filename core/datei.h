#pragma once

#include "core/daten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <functional>

// Outcome of reading or writing a data file.
struct TDateiErgebnis {
    enum class Art { ok, nichtGeoeffnet, fehler };
    Art art = Art::ok;
    QString meldung; // the error's text, without the closing full stop

    bool ok() const { return art == Art::ok; }
    static TDateiErgebnis Fehler(Art art, QString text) { return {art, std::move(text)}; }
};

// The bytes of all data in the file format, written to any device. Throws TFehler
// ("Disk full" or the device's error) on the first write that fails.
void SchreibeDaten(const TDaten& daten, QIODevice& geraet);
QByteArray DatenAlsBytes(const TDaten& daten);

// Parses a complete file and only then replaces ingredients, recipes and groups. A short
// or damaged file throws TFehler("Read beyond end of file") and changes nothing.
void LeseDaten(TDaten& daten, QByteArrayView bytes);

// Writes a file through `schreiber` into a temporary file beside it, which replaces the
// file only when everything was written and flushed. When `schreiber` throws TFehler or
// the commit fails, an existing file stays exactly as it was.
TDateiErgebnis SpeichereAtomar(const QString& fname,
                               const std::function<void(QIODevice&)>& schreiber);

// Writes the file atomically: a failure leaves an existing file as it was.
TDateiErgebnis SaveOptionsFile(const TDaten& daten, const QString& fname);
// Reads the file, all or nothing. The file is opened for reading only.
TDateiErgebnis LoadOptionsFile(TDaten& daten, const QString& fname);

// One text of the format: int32 length, then the UTF-16LE code units.
void WriteWText(QIODevice& datei, QStringView s);
QString ReadWText(QIODevice& datei);

extern const char* const LeseFehlerText; // "Read beyond end of file"
