#pragma once

#include "exchange/jsonort.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <string_view>

// Writes the indented JSON text (UTF-8 without byte-order mark) to a device, in large
// pieces. Throws TFehler when the device refuses a write, and when a text holds a lone
// surrogate, which JSON cannot hold as a character: the message names `ort` and the key.
class TJsonAusgabe {
public:
    explicit TJsonAusgabe(QIODevice& geraet);
    ~TJsonAusgabe();
    TJsonAusgabe(const TJsonAusgabe&) = delete;
    TJsonAusgabe& operator=(const TJsonAusgabe&) = delete;

    void objektAnfang();
    void objektEnde();
    void listeAnfang();
    void listeEnde();
    void schluessel(std::string_view name);

    void text(QStringView s);
    // A double in its shortest exact form; "NaN", "Infinity", "-Infinity" as strings.
    void zahl(double w);
    void ganzzahl(int64_t w);
    void wahrheit(bool w);
    // Bytes as a Base64 string.
    void bytes(QByteArrayView b);

    // Hands what is collected to the device once it is large; called between records.
    void leeren();
    // Ends the text with a line break and hands the rest to the device.
    void abschliessen();

    TJsonOrt ort;    // the record being written
    QString ortText; // names the place instead of `ort` when not empty

private:
    void gib();

    struct TInnen;
    std::unique_ptr<TInnen> d;
};
