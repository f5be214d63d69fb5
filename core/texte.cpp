#include "core/texte.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

void CopyText(TText& feld, QStringView s) {
    const size_t n = size_t(s.size());
    auto* puffer = static_cast<char16_t*>(std::calloc(n + 1, sizeof(char16_t)));
    if (!puffer)
        throw std::bad_alloc();
    if (n)
        std::memcpy(puffer, s.utf16(), n * sizeof(char16_t));
    feld = puffer;
}

void FreeText(TText feld) {
    std::free(feld);
}

qsizetype TextLaenge(const char16_t* feld) {
    return feld ? qsizetype(std::char_traits<char16_t>::length(feld)) : 0;
}

QString Text(const char16_t* feld) {
    return feld ? QString(reinterpret_cast<const QChar*>(feld), TextLaenge(feld)) : QString();
}
