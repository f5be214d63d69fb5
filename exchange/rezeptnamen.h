#pragma once

#include "core/daten.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>

// Finds recipes by name: blanks around the name are ignored and case is not, one
// character for one as Qt's case-insensitive comparison has it ("ß" matches only "ß").
class TRezeptNamen {
public:
    explicit TRezeptNamen(const TDaten& daten);

    static constexpr int64_t unbekannt = -1;
    static constexpr int64_t mehrdeutig = -2;
    // The recipe's position in daten.rezepte, unbekannt or mehrdeutig.
    int64_t finde(QStringView name) const;

    // The key two names share exactly when they compare equal.
    static QString schluessel(QStringView name);

private:
    QHash<QString, int64_t> index;
};
