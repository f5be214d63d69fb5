// Arbitrary bytes as a CSV file of ingredients: the import must read them without
// reading outside the input, and skipping the first line may drop only that line.
#include "core/daten.h"
#include "core/texte.h"
#include "exchange/csvimport.h"

#include <QLocale>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool locale = [] {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return true;
    }();
    (void)locale;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TDaten daten;
    const qsizetype alle = ImportiereZutaten(daten, bytes, false);
    const qsizetype ohneKopf = ImportiereZutaten(daten, bytes, true);
    if (ohneKopf > alle || alle - ohneKopf > 1 ||
        daten.anzahlZutaten() != uint32_t(alle + ohneKopf))
        std::abort();
    for (uint32_t i = 0; i < daten.anzahlZutaten(); ++i) {
        const TZutat& z = daten.zutat(i);
        if (!z.name || !z.lieferant || !z.zgruppe || !z.preisproeinheit || !z.einheit)
            std::abort();
        // A field never grows in decoding, and no line is longer than the input.
        if (TextLaenge(z.name) > qsizetype(size) || TextLaenge(z.einheit) > qsizetype(size))
            std::abort();
    }
    // Both imports appended in file order: the second copy is a tail of the first.
    for (qsizetype i = 0; i < ohneKopf; ++i)
        if (Text(daten.zutat(uint32_t(alle - ohneKopf + i)).name) !=
            Text(daten.zutat(uint32_t(alle + i)).name))
            std::abort();
    return 0;
}
