#pragma once

#include "core/records.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringView>
#include <QtEndian>

#include <bit>

#include <cstdint>
#include <cstring>
#include <memory>

// Little-endian values and texts of the data file, written in large pieces to a device.
// Throws TFehler ("Disk full" or the device's error) on the first write that fails.
class TByteSchreiber {
public:
    explicit TByteSchreiber(QIODevice& g);

    void int32(int32_t w) { roh(qToLittleEndian(w)); }
    void uint32(uint32_t w) { roh(qToLittleEndian(w)); }
    void uint16(uint16_t w) { roh(qToLittleEndian(w)); }
    void uint8(uint8_t w) { bytes(&w, 1); }
    void dbl(double w) { roh(qToLittleEndian(std::bit_cast<uint64_t>(w))); }
    // int32 length, then the UTF-16LE code units.
    void text(QStringView s);
    void text(const char16_t* feld);
    void bytes(const void* p, size_t n);
    // Hands what is buffered to the device; call once at the end.
    void leeren();

private:
    template <class T> void roh(T w) { bytes(&w, sizeof w); }
    void gib(const char* p, size_t n);

    static constexpr size_t groesse = size_t(1) << 20;
    QIODevice& geraet;
    std::unique_ptr<char[]> puffer;
    size_t belegt = 0;
};

// Reads from a byte range and checks every length against what is left; anything past
// the end throws TFehler(LeseFehlerText).
class TByteLeser {
public:
    explicit TByteLeser(QByteArrayView b) : p(b.data()), ende(b.data() + b.size()) {}

    qsizetype rest() const { return ende - p; }
    QByteArrayView restBytes() const { return QByteArrayView(p, ende - p); }
    int32_t int32() { return roh<int32_t>(); }
    uint32_t uint32() { return roh<uint32_t>(); }
    uint16_t uint16() { return roh<uint16_t>(); }
    uint8_t uint8() { return roh<uint8_t>(); }
    double dbl() { return std::bit_cast<double>(roh<uint64_t>()); }
    // The next n bytes.
    QByteArrayView bytes(qsizetype n);

    // A count (int32) of entries of at least `mindest` bytes each.
    uint32_t anzahl(qsizetype mindest);
    // A text into a record field (a new buffer) or as a QString.
    void text(TText& feld);
    QString text();

private:
    template <class T> T roh() {
        if (rest() < qsizetype(sizeof(T)))
            fehler();
        T w;
        std::memcpy(&w, p, sizeof w);
        p += sizeof w;
        return qFromLittleEndian(w);
    }
    int32_t textLaenge();
    void kopiere(char16_t* ziel, int32_t n);
    [[noreturn]] static void fehler();

    const char* p;
    const char* ende;
};
