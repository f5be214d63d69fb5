#include "core/dynaarray.h"

#include "core/fehler.h"
#include "core/melder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr uint64_t maxBlock = std::numeric_limits<uint32_t>::max();

// Obtains a zero-filled block or tells the user and abandons the operation.
void* holeBlock(uint64_t bytes, int fall) {
    void* block = bytes <= maxBlock ? std::calloc(1, bytes) : nullptr;
    if (block)
        return block;
    const int code = bytes <= maxBlock ? errno : ENOMEM;
    QString text =
        QStringLiteral("Error %1 while trying to allocate %2 bytes of RAM. Not enough memory.")
            .arg(fall)
            .arg(bytes);
    if (fall == 2)
        text += QString::number(code);
    melder().fehler(text);
    throw TAbbruch();
}

} // namespace

TDynaArray::TDynaArray(uint32_t thesize, void** typpoi)
    : outeraobj(typpoi), aobj(nullptr), poi(nullptr), count(0), aobjnr(-1), amemsize(0),
      buffersize(schrittweite), size(thesize) {}

TDynaArray::~TDynaArray() {
    std::free(poi);
    poi = nullptr;
    aobj = nullptr;
    aobjnr = -1;
}

void TDynaArray::setzeCursor(uint32_t index) {
    aobjnr = int32_t(index);
    aobj = satz(index);
    if (outeraobj)
        *outeraobj = aobj;
}

void TDynaArray::loescheCursor() {
    aobjnr = -1;
    aobj = nullptr;
    if (outeraobj)
        *outeraobj = nullptr;
}

uint64_t TDynaArray::blockFuer(uint64_t anzahl) const {
    if (anzahl == 0)
        return 0;
    const uint64_t raum = ((anzahl - 1) / buffersize + 1) * buffersize;
    return raum * size;
}

bool TDynaArray::wachse(uint64_t neu) {
    const uint64_t b = blockFuer(neu);
    if (b == amemsize && poi)
        return true;
    // A size beyond 32 bits is refused by holeBlock, never cut to a smaller block.
    void* block = holeBlock(b, (count == 0 || !poi) ? 1 : 2);
    if (poi) {
        std::memcpy(block, poi, amemsize);
        std::free(poi);
    }
    poi = block;
    amemsize = uint32_t(b);
    return false;
}

void* TDynaArray::GetObject(uint32_t index) {
    setzeCursor(index);
    return aobj;
}

void* TDynaArray::Add() {
    const bool gleich = wachse(uint64_t(count) + 1);
    ++count;
    if (gleich)
        std::memset(satz(count - 1), 0, size);
    setzeCursor(count - 1);
    return aobj;
}

void* TDynaArray::AddMany(uint32_t n) {
    if (n == 0)
        return nullptr;
    const uint32_t erster = count;
    const bool gleich = wachse(uint64_t(count) + n);
    count += n;
    if (gleich)
        std::memset(satz(erster), 0, uint64_t(n) * size);
    setzeCursor(count - 1);
    return satz(erster);
}

void* TDynaArray::Insert(int32_t nr) {
    if (nr < 0 || uint32_t(nr) > count)
        return nullptr;
    wachse(uint64_t(count) + 1);
    ++count;
    std::memmove(satz(nr + 1), satz(nr), uint64_t(count - 1 - nr) * size);
    std::memset(satz(nr), 0, size);
    setzeCursor(nr);
    return aobj;
}

void TDynaArray::Delete(int32_t nr) {
    if (nr < 0 || uint32_t(nr) >= count)
        return;
    const uint32_t neu = count - 1;
    const uint64_t b = blockFuer(neu);
    if (b == amemsize) {
        std::memmove(satz(nr), satz(nr + 1), uint64_t(neu - nr) * size);
    } else if (neu == 0) {
        std::free(poi);
        poi = nullptr;
        amemsize = 0;
    } else {
        // The smaller block is obtained before anything moves, so a failure
        // leaves the array as it was.
        auto* block = static_cast<unsigned char*>(holeBlock(b, 3));
        std::memcpy(block, poi, uint64_t(nr) * size);
        std::memcpy(block + uint64_t(nr) * size, satz(nr + 1), uint64_t(neu - nr) * size);
        std::free(poi);
        poi = block;
        amemsize = uint32_t(b);
    }
    count = neu;
    loescheCursor();
}

void TDynaArray::Change(int32_t nr1, int32_t nr2) {
    if (nr1 < 0 || nr2 < 0 || uint32_t(nr1) >= count || uint32_t(nr2) >= count)
        return;
    unsigned char* a = satz(nr1);
    unsigned char* b = satz(nr2);
    if (a != b) {
        for (uint32_t i = 0; i < size; ++i) {
            const unsigned char t = a[i];
            a[i] = b[i];
            b[i] = t;
        }
    }
    setzeCursor(nr2);
}

void TDynaArray::Clear() {
    count = 0;
    std::free(poi);
    poi = nullptr;
    amemsize = 0;
    loescheCursor();
}

void TDynaArray::First() {
    if (count > 0)
        setzeCursor(0);
}

bool TDynaArray::Next() {
    if (aobjnr < -1 || int64_t(aobjnr) >= int64_t(count) - 1)
        return false;
    setzeCursor(aobjnr + 1);
    return true;
}

bool TDynaArray::WhileNext() {
    if (aobjnr < 0 || uint32_t(aobjnr) >= count)
        return false;
    const int32_t nr = aobjnr;
    setzeCursor(nr);
    aobjnr = nr + 1;
    return true;
}

void TDynaArray::TakeOver(TDynaArray& andere) {
    std::free(poi);
    poi = andere.poi;
    count = andere.count;
    amemsize = andere.amemsize;
    andere.poi = nullptr;
    andere.count = 0;
    andere.amemsize = 0;
    andere.loescheCursor();
    loescheCursor();
}
