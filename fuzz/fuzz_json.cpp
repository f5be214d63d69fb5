// Arbitrary bytes as the JSON form: the reader must refuse or accept them without reading
// outside the input or allocating from unchecked counts. What it accepts exports again
// to a text that reads back to the same data and the same text.
#include "core/datei.h"
#include "core/fehler.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"

#include <QLocale>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool locale = [] {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        return true;
    }();
    (void)locale;
    const TJsonImport import =
        LeseJson(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!import.ok()) {
        if (import.fehler.isEmpty() || import.fehlerAnzahl <= 0)
            std::abort(); // refused without a reason
        return 0;
    }
    const QByteArray json = DatenAlsJson(*import.daten);
    const TJsonImport zweiter = LeseJson(json);
    if (!zweiter.ok())
        std::abort(); // its own export refused
    if (DatenAlsJson(*zweiter.daten) != json)
        std::abort();
    if (DatenAlsBytes(*zweiter.daten) != DatenAlsBytes(*import.daten))
        std::abort();
    return 0;
}
