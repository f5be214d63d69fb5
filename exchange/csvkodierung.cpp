#include "exchange/csvkodierung.h"

#include <cstdint>
#include <cstring>

namespace {

// 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr char16_t tabelle1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

bool IstUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const ende = p + bytes.size();
    while (p < ende) {
        if (ende - p >= 8) {
            uint64_t acht;
            std::memcpy(&acht, p, 8);
            if (!(acht & 0x8080808080808080ull)) {
                p += 8;
                continue;
            }
        }
        const unsigned c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int folge = 0;
        unsigned von = 0x80, bis = 0xBF; // the allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            folge = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            if (c == 0xE0)
                von = 0xA0; // overlong
            else if (c == 0xED)
                bis = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            if (c == 0xF0)
                von = 0x90; // overlong
            else if (c == 0xF4)
                bis = 0x8F; // beyond U+10FFFF
        } else {
            return false;
        }
        if (ende - p <= folge || p[1] < von || p[1] > bis)
            return false;
        for (int i = 2; i <= folge; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += folge + 1;
    }
    return true;
}

QString Aus1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    auto* z = reinterpret_cast<char16_t*>(text.data());
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        *z++ = (c >= 0x80 && c < 0xA0) ? tabelle1252[c - 0x80] : char16_t(c);
    }
    return text;
}

QString CsvText(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (IstUtf8(bytes))
        return QString::fromUtf8(bytes);
    return Aus1252(bytes);
}
