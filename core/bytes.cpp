#include "core/bytes.h"

#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"

#include <cstdlib>
#include <new>

TByteSchreiber::TByteSchreiber(QIODevice& g) : geraet(g), puffer(new char[groesse]) {}

void TByteSchreiber::text(QStringView s) {
    int32(int32_t(s.size()));
    if constexpr (std::endian::native == std::endian::little) {
        bytes(s.utf16(), size_t(s.size()) * 2);
    } else {
        for (QChar c : s)
            uint16(c.unicode());
    }
}

void TByteSchreiber::text(const char16_t* feld) {
    text(TextView(feld));
}

void TByteSchreiber::bytes(const void* p, size_t n) {
    if (n == 0)
        return; // an empty text has no buffer
    if (belegt + n > groesse) {
        leeren();
        if (n > groesse) {
            gib(static_cast<const char*>(p), n);
            return;
        }
    }
    std::memcpy(puffer.get() + belegt, p, n);
    belegt += n;
}

void TByteSchreiber::leeren() {
    gib(puffer.get(), belegt);
    belegt = 0;
}

void TByteSchreiber::gib(const char* p, size_t n) {
    size_t pos = 0;
    while (pos < n) {
        const qint64 geschrieben = geraet.write(p + pos, qint64(n - pos));
        if (geschrieben <= 0) {
            const QString grund = geraet.errorString();
            throw TFehler(geschrieben < 0 && !grund.isEmpty() &&
                                  grund != QLatin1String("Unknown error")
                              ? grund
                              : QStringLiteral("Disk full"));
        }
        pos += size_t(geschrieben);
    }
}

void TByteLeser::fehler() {
    throw TFehler(QString::fromLatin1(LeseFehlerText));
}

QByteArrayView TByteLeser::bytes(qsizetype n) {
    if (n < 0 || n > rest())
        fehler();
    const QByteArrayView b(p, n);
    p += n;
    return b;
}

uint32_t TByteLeser::anzahl(qsizetype mindest) {
    const int32_t n = int32();
    if (n < 0 || n > rest() / mindest)
        fehler();
    return uint32_t(n);
}

int32_t TByteLeser::textLaenge() {
    const int32_t n = int32();
    if (n < 0 || n > rest() / 2)
        fehler();
    return n;
}

void TByteLeser::text(TText& feld) {
    const int32_t n = textLaenge();
    auto* puffer = static_cast<char16_t*>(std::calloc(size_t(n) + 1, sizeof(char16_t)));
    if (!puffer)
        throw std::bad_alloc();
    kopiere(puffer, n);
    feld = puffer;
}

QString TByteLeser::text() {
    const int32_t n = textLaenge();
    QString s(n, Qt::Uninitialized);
    kopiere(reinterpret_cast<char16_t*>(s.data()), n);
    return s;
}

void TByteLeser::kopiere(char16_t* ziel, int32_t n) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(ziel, p, size_t(n) * 2);
        p += qsizetype(n) * 2;
    } else {
        for (int32_t i = 0; i < n; ++i)
            ziel[i] = roh<uint16_t>();
    }
}
