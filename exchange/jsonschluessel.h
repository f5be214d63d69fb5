#pragma once

#include "core/daten.h"
#include "exchange/jsonausgabe.h"
#include "exchange/jsonleser.h"
#include "exchange/jsonort.h"

#include <string_view>
#include <vector>

// Keys that a capability adds to the JSON form, at the top level or in each ingredient,
// recipe or recipe line. A capability registers its keys once, through a static
// initialiser beside its section of the data file, so that the JSON reader and writer
// carry its data without knowing it.
struct TJsonSchluessel {
    TJsonEbene ebene = TJsonEbene::oben;
    std::string_view name;
    // Export: whether the record has a value for the key; null writes it always.
    bool (*vorhanden)(const TDaten& daten, const TJsonOrt& ort) = nullptr;
    // Export: writes exactly one value.
    void (*schreibe)(const TDaten& daten, const TJsonOrt& ort, TJsonAusgabe& aus) = nullptr;
    // Import: reads the value into `daten`, which holds the record at `ort` with its own
    // fields already read (at the top level: all records and groups). Faults go to `leser`
    // at the value's place.
    void (*lese)(TDaten& daten, const TJsonOrt& ort, const TJsonWert& wert,
                 TJsonLeser& leser) = nullptr;
    // Import, the key left out: gives the record the value of a new one. Null: nothing.
    void (*fehlt)(TDaten& daten, const TJsonOrt& ort) = nullptr;
};

// Reports the faults a check after reading finds, at the value of a registered key of a
// record (or the record itself when it has none).
class TJsonAbschlussMelder {
public:
    virtual ~TJsonAbschlussMelder() = default;
    virtual void fehler(const TJsonOrt& ort, std::string_view schluessel, const QString& grund) = 0;
};
// A check of what needs all records and all registered keys read; it runs only when
// nothing failed before, and may complete the data (derived fields).
using TJsonAbschluss = void (*)(TDaten& daten, TJsonAbschlussMelder& melder);
bool MeldeJsonAbschluss(TJsonAbschluss abschluss);
const std::vector<TJsonAbschluss>& JsonAbschluesse();

// Registers a key; returns true. A name the form already has at that level, or a second
// key of the same name, is a programming error (std::logic_error).
bool MeldeJsonSchluessel(TJsonSchluessel schluessel);
// The registered keys of a level, in the order they were registered.
const std::vector<TJsonSchluessel>& JsonSchluessel(TJsonEbene ebene);
// Their names, in the same order.
const std::vector<std::string_view>& JsonSchluesselNamen(TJsonEbene ebene);
