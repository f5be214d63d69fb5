#pragma once

#include "core/fehler.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class TByteLeser;
class TByteSchreiber;
class TDaten;

// The extension block after the group section of the data file: a signature, a version
// and tagged sections. Readers that know only the first three sections stop before it;
// this program keeps every capability beyond them in a section of its own.

using TAbschnittTag = std::array<char, 4>;

// Which record positions a section's content refers to. A section this program does not
// know is dropped when such records are removed, since nobody could follow its references.
enum TAbschnittBezug : uint32_t {
    keinBezug = 0,
    bezugZutaten = 1,
    bezugRezepte = 2,
};

// The data of one known section, owned by the block of a TDaten.
class TAbschnitt {
public:
    virtual ~TAbschnitt() = default;

    // Nothing to write: the section is left out of the file.
    virtual bool leer() const = 0;
    virtual void schreibe(TByteSchreiber& s) const = 0;
    // The exact number of bytes schreibe() writes, when the section knows it cheaply: its
    // content then goes straight to the file instead of through a buffer. -1: unknown.
    virtual qint64 laenge() const { return -1; }
    // Reads the whole content; throws TFehler when it does not read.
    virtual void lese(TByteLeser& l) = 0;
    // After reading: throws TFehler when the content refers to records the file lacks.
    virtual void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const = 0;

    // Positions follow the records: ingredient or recipe `nr` was removed (the later ones
    // moved up by one), recipe `nach` was appended as a copy of `von`, and all ingredients
    // and recipes were removed for a new document (master data stay, as the group table).
    virtual void zutatEntfernt(uint32_t nr) = 0;
    virtual void rezeptEntfernt(uint32_t nr) = 0;
    virtual void rezeptKopiert(uint32_t von, uint32_t nach) = 0;
    virtual void datensaetzeGeleert() = 0;
    // After a whole file was read into `daten`: what the records carry in memory only
    // (a mark the first sections cannot hold) is set from the section.
    virtual void gelesen(TDaten& daten) const { (void)daten; }
};

// A kind of section: registered once by the capability that owns it.
struct TAbschnittArt {
    TAbschnittTag tag;
    QString name; // names the section in messages
    uint32_t bezug = keinBezug;
    std::unique_ptr<TAbschnitt> (*neu)() = nullptr;
};

// Registers a kind; a capability does it through a static initialiser in the file that
// also holds its accessor, so that the kind is known wherever the capability is linked.
// Returns true; a second kind with the same tag is a programming error (std::logic_error).
bool MeldeAbschnitt(TAbschnittArt art);
const TAbschnittArt* AbschnittArt(const TAbschnittTag& tag);

// A section this program does not know, kept byte for byte.
struct TFremderAbschnitt {
    TAbschnittTag tag;
    uint32_t bezug = keinBezug;
    QByteArray inhalt;
};

class TErweiterung {
public:
    static constexpr uint16_t hauptversion = 1;
    static constexpr uint16_t unterversion = 0;
    static const QByteArrayView signatur; // 8 bytes

    TErweiterung();
    ~TErweiterung();
    TErweiterung(TErweiterung&&) noexcept;
    TErweiterung& operator=(TErweiterung&&) noexcept;

    // The section of a kind, made empty on first use.
    TAbschnitt& abschnitt(const TAbschnittArt& art);
    template <class T> T& abschnitt() { return static_cast<T&>(abschnitt(T::art())); }
    // The section of a tag, or null when it holds nothing yet.
    const TAbschnitt* finde(const TAbschnittTag& tag) const;

    std::vector<TFremderAbschnitt> fremde; // in the order they were read

    // No section has data: the file ends after the group section.
    bool leer() const;

    void zutatEntfernt(uint32_t nr);
    void rezeptEntfernt(uint32_t nr);
    void rezeptKopiert(uint32_t von, uint32_t nach);
    void datensaetzeGeleert();
    void gelesen(TDaten& daten) const;

    // The whole block, signature first; nothing when leer().
    void schreibe(TByteSchreiber& s) const;
    // Reads a block from the bytes after the group section. Bytes that do not begin with
    // the signature are no block: the result is empty. Throws TFehler for a damaged block
    // (naming the section) and TNeuereErweiterung for a newer major version.
    static TErweiterung lese(QByteArrayView rest, uint32_t anzahlZutaten, uint32_t anzahlRezepte);

private:
    struct TEintrag {
        const TAbschnittArt* art;
        std::unique_ptr<TAbschnitt> daten;
    };
    std::vector<TEintrag> bekannte; // ordered by tag
};

// The block was written by a newer program whose sections this one cannot read safely.
// Its text names "Die Datei"; whoever knows the file's name can say it with meldung().
class TNeuereErweiterung : public TFehler {
public:
    explicit TNeuereErweiterung(uint16_t v);
    // "WER wurde mit einer neueren Version von Ormisto geschrieben (Erweiterung Version N)"
    QString meldung(const QString& wer) const;
    uint16_t version;
};

// A tag from four ASCII characters.
constexpr TAbschnittTag AbschnittTag(const char (&s)[5]) {
    return {s[0], s[1], s[2], s[3]};
}
QString TagText(const TAbschnittTag& tag);
