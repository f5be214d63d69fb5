#pragma once

#include <cstddef>

// The text as the JSON parser reads it, with the offset the parser stands at, for the
// places of messages. The parser does not copy it (rapidjson's own string stream it
// would), so that a handler sees where it stands.
class TJsonStrom {
public:
    using Ch = char;
    TJsonStrom(const char* anfang, const char* pos, const char* ende)
        : anfang(anfang), pos(pos), ende(ende) {}
    Ch Peek() const { return pos < ende ? *pos : '\0'; }
    Ch Take() { return pos < ende ? *pos++ : '\0'; }
    size_t Tell() const { return size_t(pos - anfang); }
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    size_t PutEnd(Ch*) { return 0; }

    // Whitespace between tokens, most of an indented text, without a call per byte.
    void ueberspringeLeer() {
        while (pos < ende && (*pos == ' ' || *pos == '\n' || *pos == '\r' || *pos == '\t'))
            ++pos;
    }

private:
    const char* anfang;
    const char* pos;
    const char* ende;
};

// Found by argument-dependent lookup in place of the parser's byte-wise default.
inline void SkipWhitespace(TJsonStrom& strom) {
    strom.ueberspringeLeer();
}
