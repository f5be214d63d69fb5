#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// Places in a JSON text: byte offsets, lines and columns.

struct TTextStelle {
    qsizetype zeile = 1;  // from 1
    qsizetype spalte = 1; // from 1, in characters
};
TTextStelle StelleVon(QByteArrayView text, qsizetype offset);

// A value named by its path (as TJsonPfad::text() gives it) and which of several members
// of that name it is.
struct TGesuchterOrt {
    QString pfad;
    uint32_t vorkommen = 1;
};

// The offsets in a text that parses (from byte `anfang` on) at which the places begin; a
// member is found at its key. A place that is not in the text gives the offset of its
// nearest enclosing value that is. The paths of a text that is a part of a larger one
// begin with `wurzel`, the path of that part.
std::vector<qsizetype> SucheOrte(QByteArrayView text, qsizetype anfang,
                                 const std::vector<TGesuchterOrt>& orte,
                                 const QString& wurzel = {});
