#include "core/erweiterung.h"

#include "core/bytes.h"

#include <QBuffer>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

// A section's header: tag, reference flags, content length.
constexpr qsizetype kopfGroesse = 4 + 4 + 4;
constexpr TAbschnittTag endeTag = AbschnittTag("ENDE");

std::map<TAbschnittTag, TAbschnittArt>& register_() {
    static std::map<TAbschnittTag, TAbschnittArt> arten;
    return arten;
}

[[noreturn]] void beschaedigt(const QString& wo) {
    throw TFehler(QStringLiteral("Die Erweiterung der Datei ist beschädigt (%1)").arg(wo));
}

QString abschnittName(const TAbschnittTag& tag) {
    const TAbschnittArt* art = AbschnittArt(tag);
    return art ? QStringLiteral("Abschnitt „%1“").arg(art->name)
               : QStringLiteral("Abschnitt %1").arg(TagText(tag));
}

bool tagGueltig(const TAbschnittTag& tag) {
    return std::all_of(tag.begin(), tag.end(), [](char c) { return c >= 0x21 && c <= 0x7e; });
}

} // namespace

const QByteArrayView TErweiterung::signatur("ORMISTO\x1a", 8);

QString TagText(const TAbschnittTag& tag) {
    return QString::fromLatin1(tag.data(), 4);
}

bool MeldeAbschnitt(TAbschnittArt art) {
    if (!tagGueltig(art.tag) || art.tag == endeTag || !art.neu)
        throw std::logic_error("Abschnittsart ohne gültiges Kennzeichen");
    if (!register_().emplace(art.tag, std::move(art)).second)
        throw std::logic_error("Abschnittsart doppelt gemeldet");
    return true;
}

const TAbschnittArt* AbschnittArt(const TAbschnittTag& tag) {
    const auto it = register_().find(tag);
    return it == register_().end() ? nullptr : &it->second;
}

TNeuereErweiterung::TNeuereErweiterung(uint16_t v)
    : TFehler(QStringLiteral("Die Datei wurde mit einer neueren Version von Ormisto geschrieben "
                             "(Erweiterung Version %1)")
                  .arg(v)),
      version(v) {}

QString TNeuereErweiterung::meldung(const QString& wer) const {
    return QStringLiteral("%1 wurde mit einer neueren Version von Ormisto geschrieben "
                          "(Erweiterung Version %2)")
        .arg(wer)
        .arg(version);
}

TErweiterung::TErweiterung() = default;
TErweiterung::~TErweiterung() = default;
TErweiterung::TErweiterung(TErweiterung&&) noexcept = default;
TErweiterung& TErweiterung::operator=(TErweiterung&&) noexcept = default;

TAbschnitt& TErweiterung::abschnitt(const TAbschnittArt& art) {
    auto it =
        std::lower_bound(bekannte.begin(), bekannte.end(), art.tag,
                         [](const TEintrag& e, const TAbschnittTag& t) { return e.art->tag < t; });
    if (it == bekannte.end() || it->art->tag != art.tag)
        it = bekannte.insert(it, TEintrag{&art, art.neu()});
    return *it->daten;
}

const TAbschnitt* TErweiterung::finde(const TAbschnittTag& tag) const {
    for (const TEintrag& e : bekannte)
        if (e.art->tag == tag)
            return e.daten.get();
    return nullptr;
}

bool TErweiterung::leer() const {
    return fremde.empty() && std::all_of(bekannte.begin(), bekannte.end(),
                                         [](const TEintrag& e) { return e.daten->leer(); });
}

void TErweiterung::zutatEntfernt(uint32_t nr) {
    for (TEintrag& e : bekannte)
        e.daten->zutatEntfernt(nr);
    std::erase_if(fremde, [](const TFremderAbschnitt& f) { return f.bezug & bezugZutaten; });
}

void TErweiterung::rezeptEntfernt(uint32_t nr) {
    for (TEintrag& e : bekannte)
        e.daten->rezeptEntfernt(nr);
    std::erase_if(fremde, [](const TFremderAbschnitt& f) { return f.bezug & bezugRezepte; });
}

void TErweiterung::rezeptKopiert(uint32_t von, uint32_t nach) {
    for (TEintrag& e : bekannte)
        e.daten->rezeptKopiert(von, nach);
}

void TErweiterung::datensaetzeGeleert() {
    for (TEintrag& e : bekannte)
        e.daten->datensaetzeGeleert();
    std::erase_if(fremde, [](const TFremderAbschnitt& f) { return f.bezug != keinBezug; });
}

void TErweiterung::gelesen(TDaten& daten) const {
    for (const TEintrag& e : bekannte)
        e.daten->gelesen(daten);
}

namespace {
void schreibeAbschnitt(TByteSchreiber& s, const TAbschnittTag& tag, uint32_t bezug,
                       QByteArrayView inhalt) {
    s.bytes(tag.data(), 4);
    s.uint32(bezug);
    s.uint32(uint32_t(inhalt.size()));
    s.bytes(inhalt.data(), size_t(inhalt.size()));
}
} // namespace

void TErweiterung::schreibe(TByteSchreiber& s) const {
    if (leer())
        return;
    s.bytes(signatur.data(), size_t(signatur.size()));
    s.uint16(hauptversion);
    s.uint16(unterversion);
    for (const TEintrag& e : bekannte) {
        if (e.daten->leer())
            continue;
        const qint64 laenge = e.daten->laenge();
        if (laenge >= 0) {
            if (laenge > qint64(UINT32_MAX))
                throw TFehler(QStringLiteral("Der Abschnitt „%1“ ist zu groß").arg(e.art->name));
            s.bytes(e.art->tag.data(), 4);
            s.uint32(e.art->bezug);
            s.uint32(uint32_t(laenge));
            const qint64 anfang = s.geschrieben();
            e.daten->schreibe(s);
            if (s.geschrieben() - anfang != laenge)
                throw std::logic_error("Abschnitt schrieb nicht die angekündigte Länge");
            continue;
        }
        QByteArray inhalt;
        {
            QBuffer puffer(&inhalt);
            puffer.open(QIODevice::WriteOnly);
            TByteSchreiber innen(puffer);
            e.daten->schreibe(innen);
            innen.leeren();
        }
        if (inhalt.size() > qsizetype(UINT32_MAX))
            throw TFehler(QStringLiteral("Der Abschnitt „%1“ ist zu groß").arg(e.art->name));
        schreibeAbschnitt(s, e.art->tag, e.art->bezug, inhalt);
    }
    for (const TFremderAbschnitt& f : fremde)
        schreibeAbschnitt(s, f.tag, f.bezug, f.inhalt);
    schreibeAbschnitt(s, endeTag, keinBezug, {});
}

TErweiterung TErweiterung::lese(QByteArrayView rest, uint32_t anzahlZutaten,
                                uint32_t anzahlRezepte) {
    TErweiterung block;
    if (!rest.startsWith(signatur))
        return block;
    TByteLeser l(rest.sliced(signatur.size()));
    if (l.rest() < 4)
        beschaedigt(QStringLiteral("Kopf"));
    const uint16_t haupt = l.uint16();
    l.uint16(); // a newer minor version only adds sections, which are kept
    if (haupt > hauptversion)
        throw TNeuereErweiterung(haupt);
    if (haupt == 0)
        beschaedigt(QStringLiteral("Kopf"));
    for (;;) {
        if (l.rest() < kopfGroesse)
            beschaedigt(QStringLiteral("unvollständig, ohne Abschluss"));
        TAbschnittTag tag;
        const QByteArrayView t = l.bytes(4);
        std::copy(t.begin(), t.end(), tag.begin());
        const uint32_t bezug = l.uint32();
        const uint32_t laenge = l.uint32();
        if (!tagGueltig(tag))
            beschaedigt(QStringLiteral("ungültiges Abschnittskennzeichen"));
        if (qint64(laenge) > l.rest())
            beschaedigt(abschnittName(tag) + QStringLiteral(", Länge über das Dateiende"));
        const QByteArrayView inhalt = l.bytes(qsizetype(laenge));
        if (tag == endeTag) {
            if (laenge != 0 || l.rest() != 0)
                beschaedigt(QStringLiteral("Daten nach dem Abschluss"));
            return block;
        }
        const bool doppelt = block.finde(tag) ||
                             std::any_of(block.fremde.begin(), block.fremde.end(),
                                         [&](const TFremderAbschnitt& f) { return f.tag == tag; });
        if (doppelt)
            beschaedigt(abschnittName(tag) + QStringLiteral(" doppelt"));
        const TAbschnittArt* art = AbschnittArt(tag);
        if (!art) {
            block.fremde.push_back({tag, bezug, inhalt.toByteArray()});
            continue;
        }
        TAbschnitt& a = block.abschnitt(*art);
        try {
            TByteLeser innen(inhalt);
            a.lese(innen);
            if (innen.rest() != 0)
                beschaedigt(abschnittName(tag));
            a.pruefe(anzahlZutaten, anzahlRezepte);
        } catch (const TFehler&) {
            beschaedigt(abschnittName(tag));
        }
    }
}
