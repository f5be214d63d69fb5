#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <rapidjson/fwd.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// The place of a value in the JSON text as its path: `rezepte[3].zeilen[0].zutat`.
// A chain on the stack of the walk; made into text only for a message.
struct TJsonPfad {
    const TJsonPfad* eltern = nullptr;
    std::string_view schluessel; // for a member of an object
    int64_t index = -1;          // for an element of a list
    uint32_t vorkommen = 1;      // the n-th member of that name (a doubled key)

    QString text() const;
};

// A value of the parsed document with its place.
struct TJsonWert {
    const rapidjson::Value& wert;
    TJsonPfad pfad;
};

// A callable passed down without copying or allocating.
template <class Sig> class TJsonAufruf;
template <class R, class... A> class TJsonAufruf<R(A...)> {
public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TJsonAufruf>>>
    TJsonAufruf(F&& f) // NOLINT: implicit on purpose
        : objekt(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          aufruf([](void* o, A... a) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(o))(std::forward<A>(a)...);
          }) {}
    R operator()(A... a) const { return aufruf(objekt, std::forward<A>(a)...); }

private:
    void* objekt;
    R (*aufruf)(void*, A...);
};

// Reads values of the document into fields of the data file, strictly: every value of
// the wrong type, out of its field's range or an unknown key is an error at its place.
// Errors and warnings are collected; reading goes on so that all of them are listed.
class TJsonLeser {
public:
    struct TMeldung {
        QString pfad;
        uint32_t vorkommen = 1;
        QString grund;
    };

    // How many messages of each kind are kept with their text; the rest are counted.
    static constexpr qsizetype hoechstens = 50;

    void fehler(const TJsonPfad& ort, const QString& grund);
    // A value the data file can hold but that breaks a rule of the program.
    void warnung(const TJsonPfad& ort, const QString& grund);

    std::optional<double> zahl(const TJsonWert& w);
    std::optional<int64_t> ganzzahl(const TJsonWert& w, int64_t min, int64_t max);
    // A text, cut at its first \u0000 as the data file cuts record texts.
    std::optional<QString> text(const TJsonWert& w);
    // A text with every \u0000 it holds.
    std::optional<QString> ganzerText(const TJsonWert& w);
    // A Base64 string.
    std::optional<QByteArray> bytes(const TJsonWert& w);

    // Calls f for each element; an error when the value is no list.
    bool liste(const TJsonWert& w, TJsonAufruf<void(const TJsonWert&)> f);
    // Calls f with the position of each member's name in `namen`; a name not among them
    // and a name that came before are errors, their values are skipped.
    bool objekt(const TJsonWert& w, std::initializer_list<std::string_view> namen,
                TJsonAufruf<void(int, const TJsonWert&)> f) {
        return objekt(w, std::span(namen.begin(), namen.size()), nullptr, f);
    }
    // The same with further names looked up in `weitere` after `namen`, their positions
    // counting on from namen.size().
    bool objekt(const TJsonWert& w, std::span<const std::string_view> namen,
                const std::vector<std::string_view>* weitere,
                TJsonAufruf<void(int, const TJsonWert&)> f);

    qsizetype fehlerAnzahl() const { return anzahlFehler; }
    qsizetype warnungAnzahl() const { return anzahlWarnungen; }
    const std::vector<TMeldung>& fehlerListe() const { return fehlerMeldungen; }
    const std::vector<TMeldung>& warnungListe() const { return warnungMeldungen; }

private:
    void falscherTyp(const TJsonWert& w, const char* erwartet);

    std::vector<TMeldung> fehlerMeldungen;
    std::vector<TMeldung> warnungMeldungen;
    qsizetype anzahlFehler = 0;
    qsizetype anzahlWarnungen = 0;
};
