#include "exchange/jsonschluessel.h"

#include "exchange/jsonnamen.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>

namespace {

struct TEbenenRegister {
    std::vector<TJsonSchluessel> schluessel;
    std::vector<std::string_view> namen;
};

TEbenenRegister& register_(TJsonEbene ebene) {
    static std::array<TEbenenRegister, 4> ebenen;
    return ebenen[size_t(ebene)];
}

} // namespace

// The keys of the capabilities in this library register themselves; naming each here
// keeps its file in every program that links the library.
extern const bool jsonPreisverlaufGemeldet;
extern const bool jsonKennzeichnungGemeldet;
extern const bool jsonZwischenrezepteGemeldet;
extern const bool jsonEinheitenGemeldet;

namespace {

void alleGemeldet() {
    if (!jsonPreisverlaufGemeldet || !jsonKennzeichnungGemeldet || !jsonZwischenrezepteGemeldet ||
        !jsonEinheitenGemeldet)
        throw std::logic_error("JSON-Schlüssel nicht gemeldet");
}

std::span<const std::string_view> eigeneNamen(TJsonEbene ebene) {
    switch (ebene) {
    case TJsonEbene::oben:
        return jsonnamen::oben;
    case TJsonEbene::zutat:
        return jsonnamen::zutat;
    case TJsonEbene::rezept:
        return jsonnamen::rezept;
    case TJsonEbene::zeile:
        return jsonnamen::zeile;
    }
    return {};
}

} // namespace

bool MeldeJsonSchluessel(TJsonSchluessel s) {
    if (s.name.empty() || !s.schreibe || !s.lese)
        throw std::logic_error("JSON-Schlüssel ohne Namen, Schreiber oder Leser");
    TEbenenRegister& r = register_(s.ebene);
    const auto eigene = eigeneNamen(s.ebene);
    if (std::find(eigene.begin(), eigene.end(), s.name) != eigene.end() ||
        std::find(r.namen.begin(), r.namen.end(), s.name) != r.namen.end())
        throw std::logic_error("JSON-Schlüssel doppelt gemeldet");
    r.namen.push_back(s.name);
    r.schluessel.push_back(s);
    return true;
}

namespace {
std::vector<TJsonAbschluss>& abschluesse() {
    static std::vector<TJsonAbschluss> a;
    return a;
}
} // namespace

bool MeldeJsonAbschluss(TJsonAbschluss abschluss) {
    abschluesse().push_back(abschluss);
    return true;
}

const std::vector<TJsonAbschluss>& JsonAbschluesse() {
    alleGemeldet();
    return abschluesse();
}

const std::vector<TJsonSchluessel>& JsonSchluessel(TJsonEbene ebene) {
    alleGemeldet();
    return register_(ebene).schluessel;
}

const std::vector<std::string_view>& JsonSchluesselNamen(TJsonEbene ebene) {
    alleGemeldet();
    return register_(ebene).namen;
}
