#pragma once

#include "core/daten.h"

#include <QByteArray>
#include <QIODevice>

// The whole data as JSON (the form of version 1, see jsonnamen.h), with the values as
// the program holds them, so that reading it back gives the same data file: groups by
// the names and rates they are written with, every text and number exact. Throws
// TFehler when the device fails or a text holds a lone surrogate (naming its record).
void SchreibeJson(const TDaten& daten, QIODevice& geraet);
QByteArray DatenAlsJson(const TDaten& daten);
