#include "exchange/jsonstellen.h"

#include "exchange/jsonbibliothek.h"

#include <algorithm>
#include <string>
#include <unordered_map>

TTextStelle StelleVon(QByteArrayView text, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    const char* anfang = text.data();
    const char* ende = anfang + offset;
    TTextStelle s;
    const char* zeilenAnfang = anfang;
    for (const char* p = anfang;
         (p = static_cast<const char*>(std::memchr(p, '\n', size_t(ende - p)))); ++p) {
        ++s.zeile;
        zeilenAnfang = p + 1;
    }
    // Characters, not bytes: continuation bytes of UTF-8 do not count.
    s.spalte = 1 + std::count_if(zeilenAnfang, ende, [](char c) {
                   return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
               });
    return s;
}

namespace {

// A stream that the parser does not copy, so that the handler sees where it stands.
class TZaehlStrom {
public:
    using Ch = char;
    TZaehlStrom(const char* a, const char* p, const char* e) : anfang(a), pos(p), ende(e) {}
    Ch Peek() const { return pos < ende ? *pos : '\0'; }
    Ch Take() { return pos < ende ? *pos++ : '\0'; }
    size_t Tell() const { return size_t(pos - anfang); }
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    size_t PutEnd(Ch*) { return 0; }

private:
    const char* anfang;
    const char* pos;
    const char* ende;
};

struct TGesucht {
    uint32_t gesehen = 0;
    std::vector<size_t> orte; // indices into the request
};

class TSucher : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TSucher> {
public:
    TSucher(const TZaehlStrom& s, const std::vector<TGesuchterOrt>& o, std::vector<qsizetype>& g,
            std::string w)
        : strom(s), orte(o), gefunden(g), wurzel(std::move(w)) {
        for (size_t i = 0; i < orte.size(); ++i)
            gesucht[orte[i].pfad.toStdString()].orte.push_back(i);
    }

    bool Default() {
        beginneWert();
        if (!stapel.empty())
            pfad.resize(stapel.back().laenge);
        return true;
    }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return Default(); }
    bool String(const char*, rapidjson::SizeType, bool) { return Default(); }
    bool StartObject() { return beginne(true); }
    bool StartArray() { return beginne(false); }
    bool EndObject(rapidjson::SizeType) { return ende(); }
    bool EndArray(rapidjson::SizeType) { return ende(); }
    bool Key(const char* s, rapidjson::SizeType n, bool) {
        pfad.resize(stapel.back().laenge);
        if (!pfad.empty())
            pfad += '.';
        pfad.append(s, n);
        merke();
        return true;
    }

private:
    struct TEbene {
        bool objekt;
        size_t laenge; // of the container's own path
        int64_t index;
    };

    void beginneWert() {
        if (stapel.empty()) {
            pfad = wurzel;
            merke();
        } else if (!stapel.back().objekt) {
            pfad.resize(stapel.back().laenge);
            pfad += '[';
            pfad += std::to_string(stapel.back().index++);
            pfad += ']';
            merke();
        }
    }
    bool beginne(bool objekt) {
        beginneWert();
        stapel.push_back({objekt, pfad.size(), 0});
        return true;
    }
    bool ende() {
        stapel.pop_back();
        pfad.resize(stapel.empty() ? wurzel.size() : stapel.back().laenge);
        return true;
    }
    void merke() {
        const auto it = gesucht.find(pfad);
        if (it == gesucht.end())
            return;
        const uint32_t n = ++it->second.gesehen;
        for (size_t i : it->second.orte)
            if (orte[i].vorkommen == n && gefunden[i] < 0)
                gefunden[i] = qsizetype(strom.Tell());
    }

    const TZaehlStrom& strom;
    const std::vector<TGesuchterOrt>& orte;
    std::vector<qsizetype>& gefunden;
    std::unordered_map<std::string, TGesucht> gesucht;
    std::string wurzel;
    std::string pfad;
    std::vector<TEbene> stapel;
};

// The path of the value that holds the one named.
QString eltern(const QString& pfad) {
    if (pfad.endsWith(QLatin1Char(']')))
        return pfad.left(pfad.lastIndexOf(QLatin1Char('[')));
    const qsizetype punkt = pfad.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : pfad.left(punkt);
}

} // namespace

std::vector<qsizetype> SucheOrte(QByteArrayView text, qsizetype anfang,
                                 const std::vector<TGesuchterOrt>& orte, const QString& wurzel) {
    // Each place and, for those the text lacks, the places that enclose it.
    std::vector<TGesuchterOrt> alle = orte;
    for (const TGesuchterOrt& o : orte)
        for (QString p = o.pfad; p.size() > wurzel.size();) {
            p = eltern(p);
            alle.push_back({p, 1});
        }
    std::vector<qsizetype> gefunden(alle.size(), -1);
    TZaehlStrom strom(text.data(), text.data() + anfang, text.data() + text.size());
    TSucher sucher(strom, alle, gefunden, wurzel.toStdString());
    rapidjson::Reader reader;
    reader.Parse<rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseIterativeFlag>(strom,
                                                                                         sucher);

    std::vector<qsizetype> ergebnis(orte.size(), anfang);
    size_t naechster = orte.size(); // the enclosing places follow in `alle` in order
    for (size_t i = 0; i < orte.size(); ++i) {
        ergebnis[i] = gefunden[i];
        for (QString p = orte[i].pfad; p.size() > wurzel.size(); ++naechster) {
            p = eltern(p);
            if (ergebnis[i] < 0)
                ergebnis[i] = gefunden[naechster];
        }
        if (ergebnis[i] < 0)
            ergebnis[i] = anfang;
    }
    return ergebnis;
}
