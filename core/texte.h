#pragma once

#include "core/records.h"

#include <QString>
#include <QStringView>

// Stores a new zero-filled buffer of s.size() + 1 code units holding s in the field.
// The previous buffer is not released.
void CopyText(TText& feld, QStringView s);
// Releases the buffer of a field; the field is not nulled.
void FreeText(TText feld);
// The text up to its first zero code unit; null reads as the empty text.
QString Text(const char16_t* feld);
// Length up to the first zero code unit.
qsizetype TextLaenge(const char16_t* feld);
inline QStringView TextView(const char16_t* feld) {
    return feld ? QStringView(feld, TextLaenge(feld)) : QStringView();
}
