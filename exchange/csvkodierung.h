#pragma once

#include <QByteArrayView>
#include <QString>

// The text of a CSV file: UTF-8 when it begins with a byte-order mark (which is
// dropped) or is valid UTF-8 throughout, Windows-1252 otherwise, the code page of
// German spreadsheet exports.
QString CsvText(QByteArrayView bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IstUtf8(QByteArrayView bytes);

// Windows-1252; the five bytes it leaves undefined keep their own code points.
QString Aus1252(QByteArrayView bytes);
