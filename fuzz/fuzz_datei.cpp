// Arbitrary bytes as a data file: the reader must refuse or accept them without reading
// outside the input, allocating from unchecked counts, or changing data on refusal.
#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "costing/allergene.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Sections of capabilities are read by their own readers, so they are linked in.
    static const TAbschnittArt& kennzeichnung = TKennzeichnungAbschnitt::art();
    Q_UNUSED(kennzeichnung);
    static TDaten* daten = new TDaten;
    const QByteArray vorher = DatenAlsBytes(*daten);
    try {
        LeseDaten(*daten, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TFehler&) {
        if (DatenAlsBytes(*daten) != vorher)
            std::abort(); // a refused file changed the data
        return 0;
    }
    // Whatever was accepted writes out and reads back to the same bytes.
    const QByteArray geschrieben = DatenAlsBytes(*daten);
    TDaten zweite;
    LeseDaten(zweite, geschrieben);
    if (DatenAlsBytes(zweite) != geschrieben)
        std::abort();
    return 0;
}
