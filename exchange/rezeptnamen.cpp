#include "exchange/rezeptnamen.h"

#include "core/texte.h"

TRezeptNamen::TRezeptNamen(const TDaten& daten) {
    index.reserve(qsizetype(daten.anzahlRezepte()));
    for (uint32_t i = 0; i < daten.anzahlRezepte(); ++i) {
        const QString s = schluessel(TextView(daten.rezept(i).name));
        if (s.isEmpty())
            continue; // an empty name is never looked up
        auto it = index.find(s);
        if (it == index.end())
            index.insert(s, int64_t(i));
        else
            it.value() = mehrdeutig;
    }
}

int64_t TRezeptNamen::finde(QStringView name) const {
    const QString s = schluessel(name);
    if (s.isEmpty())
        return unbekannt;
    return index.value(s, unbekannt);
}

QString TRezeptNamen::schluessel(QStringView name) {
    // Simple case folding maps each code point to one, as the comparison does.
    return name.trimmed().toString().toCaseFolded();
}
