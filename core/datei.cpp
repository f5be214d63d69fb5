#include "core/datei.h"

#include "core/fehler.h"
#include "core/texte.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

const char* const LeseFehlerText = "Read beyond end of file";

namespace {

// Smallest sizes of the entries, to bound every count by the bytes that remain.
constexpr qsizetype minZutat = 5 * 4 + 2 * 8;
constexpr qsizetype minRezept = 3 * 4 + 2 * 8 + 3 * 4;
constexpr qsizetype zeileGroesse = 20;
constexpr qsizetype verkaufGroesse = 50;

[[noreturn]] void leseFehler() {
    throw TFehler(QString::fromLatin1(LeseFehlerText));
}

// Collects the output in a buffer and hands it to the device in large pieces.
class TSchreiber {
public:
    explicit TSchreiber(QIODevice& g) : geraet(g), puffer(new char[groesse]) {}

    void int32(int32_t w) { roh(qToLittleEndian(w)); }
    void uint16(uint16_t w) { roh(qToLittleEndian(w)); }
    void dbl(double w) { roh(qToLittleEndian(std::bit_cast<uint64_t>(w))); }
    void text(QStringView s) {
        int32(int32_t(s.size()));
        if constexpr (std::endian::native == std::endian::little) {
            bytes(s.utf16(), size_t(s.size()) * 2);
        } else {
            for (QChar c : s)
                uint16(c.unicode());
        }
    }
    void text(const char16_t* feld) { text(TextView(feld)); }

    void leeren() {
        gib(puffer.get(), belegt);
        belegt = 0;
    }

private:
    template <class T> void roh(T w) { bytes(&w, sizeof w); }
    void bytes(const void* p, size_t n) {
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
    void gib(const char* p, size_t n) {
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

    static constexpr size_t groesse = size_t(1) << 20;
    QIODevice& geraet;
    std::unique_ptr<char[]> puffer;
    size_t belegt = 0;
};

// Reads from a byte range and checks every length against what is left.
class TLeser {
public:
    explicit TLeser(QByteArrayView b) : p(b.data()), ende(b.data() + b.size()) {}

    qsizetype rest() const { return ende - p; }
    int32_t int32() { return roh<int32_t>(); }
    uint16_t uint16() { return roh<uint16_t>(); }
    double dbl() { return std::bit_cast<double>(roh<uint64_t>()); }

    // A count of entries of at least `mindest` bytes each.
    uint32_t anzahl(qsizetype mindest) {
        const int32_t n = int32();
        if (n < 0 || n > rest() / mindest)
            leseFehler();
        return uint32_t(n);
    }
    void text(TText& feld) {
        const int32_t n = int32();
        if (n < 0 || n > rest() / 2)
            leseFehler();
        auto* puffer = static_cast<char16_t*>(std::calloc(size_t(n) + 1, sizeof(char16_t)));
        if (!puffer)
            throw std::bad_alloc();
        kopiere(puffer, n);
        feld = puffer;
    }
    QString text() {
        const int32_t n = int32();
        if (n < 0 || n > rest() / 2)
            leseFehler();
        QString s(n, Qt::Uninitialized);
        kopiere(reinterpret_cast<char16_t*>(s.data()), n);
        return s;
    }

private:
    template <class T> T roh() {
        if (rest() < qsizetype(sizeof(T)))
            leseFehler();
        T w;
        std::memcpy(&w, p, sizeof w);
        p += sizeof w;
        return qFromLittleEndian(w);
    }
    void kopiere(char16_t* ziel, int32_t n) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(ziel, p, size_t(n) * 2);
            p += qsizetype(n) * 2;
        } else {
            for (int32_t i = 0; i < n; ++i)
                ziel[i] = roh<uint16_t>();
        }
    }

    const char* p;
    const char* ende;
};

void schreibeAlles(const TDaten& daten, TSchreiber& s) {
    s.int32(int32_t(daten.anzahlZutaten()));
    for (const TZutat* z = daten.zutats.begin<TZutat>(); z != daten.zutats.end<TZutat>(); ++z) {
        s.text(z->name);
        s.text(z->lieferant);
        s.text(z->zgruppe);
        s.text(z->preisproeinheit);
        s.dbl(z->preis);
        s.dbl(z->menge);
        s.text(z->einheit);
    }
    s.int32(int32_t(daten.anzahlRezepte()));
    for (const TRezept* r = daten.rezepte.begin<TRezept>(); r != daten.rezepte.end<TRezept>();
         ++r) {
        s.text(r->name);
        s.text(r->beschreibung);
        s.text(r->bilddatei);
        s.dbl(r->menge);
        s.dbl(r->vkbrutto);
        s.int32(r->gruppe);
        const TDynaArray* zeilen = r->zutaten;
        s.int32(zeilen ? int32_t(zeilen->count) : 0);
        if (zeilen)
            for (const auto* l = zeilen->begin<TRezeptZutat>(); l != zeilen->end<TRezeptZutat>();
                 ++l) {
                s.int32(l->zutatnr);
                s.dbl(l->menge);
                s.dbl(l->gewichtsverlust);
            }
        const TDynaArray* verkaeufe = r->verkaeufe;
        s.int32(verkaeufe ? int32_t(verkaeufe->count) : 0);
        if (verkaeufe)
            for (const auto* v = verkaeufe->begin<TVerkauf>(); v != verkaeufe->end<TVerkauf>();
                 ++v) {
                s.uint16(v->jahr);
                s.uint16(v->monat);
                s.uint16(v->tag);
                s.int32(v->menge);
                s.dbl(v->umsatznetto);
                s.dbl(v->umsatzbrutto);
                s.dbl(v->wareneinsatz);
                s.dbl(v->wequote);
                s.dbl(v->deckungsbeitrag);
            }
    }
    for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr) {
        s.text(daten.GetGruppe(nr));
        s.dbl(daten.GetGruppeMwst(nr));
        s.dbl(daten.GetGruppeWE(nr));
    }
    s.leeren();
}

// Recipes and ingredients read so far; released unless they are handed over.
struct TNeueDaten {
    TDaten& ziel;
    TDynaArray zutats;
    TDynaArray rezepte;

    explicit TNeueDaten(TDaten& d)
        : ziel(d), zutats(sizeof(TZutat), nullptr), rezepte(sizeof(TRezept), nullptr) {}
    ~TNeueDaten() {
        for (TZutat* z = zutats.begin<TZutat>(); z != zutats.end<TZutat>(); ++z)
            FreeZutatInhalt(*z);
        for (TRezept* r = rezepte.begin<TRezept>(); r != rezepte.end<TRezept>(); ++r)
            FreeRezeptInhalt(*r);
    }
};

void leseZutaten(TLeser& l, TDynaArray& zutats) {
    const uint32_t anzahl = l.anzahl(minZutat);
    auto* z = static_cast<TZutat*>(zutats.AddMany(anzahl));
    for (uint32_t i = 0; i < anzahl; ++i, ++z) {
        l.text(z->name);
        l.text(z->lieferant);
        l.text(z->zgruppe);
        l.text(z->preisproeinheit);
        z->preis = l.dbl();
        z->menge = l.dbl();
        l.text(z->einheit);
    }
}

void leseRezepte(TLeser& l, TNeueDaten& neu) {
    const uint32_t anzahl = l.anzahl(minRezept);
    auto* r = static_cast<TRezept*>(neu.rezepte.AddMany(anzahl));
    for (uint32_t i = 0; i < anzahl; ++i, ++r) {
        r->zutaten = neu.ziel.NeueZeilen();
        r->verkaeufe = neu.ziel.NeueVerkaeufe();
        l.text(r->name);
        l.text(r->beschreibung);
        l.text(r->bilddatei);
        r->menge = l.dbl();
        r->vkbrutto = l.dbl();
        r->gruppe = l.int32();
        const uint32_t zeilen = l.anzahl(zeileGroesse);
        auto* z = static_cast<TRezeptZutat*>(r->zutaten->AddMany(zeilen));
        for (uint32_t k = 0; k < zeilen; ++k, ++z) {
            z->zutatnr = l.int32();
            z->menge = l.dbl();
            z->gewichtsverlust = l.dbl();
        }
        const uint32_t tage = l.anzahl(verkaufGroesse);
        auto* v = static_cast<TVerkauf*>(r->verkaeufe->AddMany(tage));
        for (uint32_t k = 0; k < tage; ++k, ++v) {
            v->jahr = l.uint16();
            v->monat = l.uint16();
            v->tag = l.uint16();
            v->menge = l.int32();
            v->umsatznetto = l.dbl();
            v->umsatzbrutto = l.dbl();
            v->wareneinsatz = l.dbl();
            v->wequote = l.dbl();
            v->deckungsbeitrag = l.dbl();
        }
    }
}

} // namespace

void SchreibeDaten(const TDaten& daten, QIODevice& geraet) {
    TSchreiber s(geraet);
    schreibeAlles(daten, s);
}

void LeseDaten(TDaten& daten, QByteArrayView bytes) {
    // The nested arrays write the owner's cursor variables while they fill; a failed
    // read must not leave those pointing into released memory.
    TRezeptZutat* const altZeile = daten.azutat;
    TVerkauf* const altVerkauf = daten.averkauf;
    try {
        TLeser l(bytes);
        TNeueDaten neu(daten);
        leseZutaten(l, neu.zutats);
        leseRezepte(l, neu);
        TGruppenTabelle gruppen = daten.gruppen;
        for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr) {
            gruppen.SetGruppe(nr, l.text());
            gruppen.SetGruppeMwst(nr, l.dbl());
            gruppen.SetGruppeWE(nr, l.dbl());
        }
        daten.FreeZutats();
        daten.FreeRezepte();
        daten.zutats.TakeOver(neu.zutats);
        daten.rezepte.TakeOver(neu.rezepte);
        daten.gruppen = std::move(gruppen);
    } catch (...) {
        daten.azutat = altZeile;
        daten.averkauf = altVerkauf;
        throw;
    }
}

QByteArray DatenAlsBytes(const TDaten& daten) {
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        SchreibeDaten(daten, puffer);
    }
    return bytes;
}

TDateiErgebnis SpeichereAtomar(const QString& fname,
                               const std::function<void(QIODevice&)>& schreiber) {
    using Art = TDateiErgebnis::Art;
    QSaveFile datei(fname);
    if (!datei.open(QIODevice::WriteOnly))
        return TDateiErgebnis::Fehler(
            Art::nichtGeoeffnet,
            QStringLiteral("Cannot create file \"%1\". %2").arg(fname, datei.errorString()));
    try {
        schreiber(datei);
    } catch (const TFehler& f) {
        datei.cancelWriting();
        return TDateiErgebnis::Fehler(Art::fehler, f.meldung());
    }
    if (!datei.commit())
        return TDateiErgebnis::Fehler(Art::fehler, datei.errorString());
    return {};
}

TDateiErgebnis SaveOptionsFile(const TDaten& daten, const QString& fname) {
    return SpeichereAtomar(fname, [&](QIODevice& geraet) { SchreibeDaten(daten, geraet); });
}

TDateiErgebnis LoadOptionsFile(TDaten& daten, const QString& fname) {
    using Art = TDateiErgebnis::Art;
    QFile datei(fname);
    if (!datei.open(QIODevice::ReadOnly))
        return TDateiErgebnis::Fehler(
            Art::nichtGeoeffnet,
            QStringLiteral("Cannot open file \"%1\". %2").arg(fname, datei.errorString()));
    // Mapping spares a copy of large files; devices that cannot be mapped are read.
    const qint64 groesse = datei.size();
    QByteArray gelesen;
    QByteArrayView bytes;
    if (uchar* karte = groesse > 0 ? datei.map(0, groesse) : nullptr) {
        bytes = QByteArrayView(reinterpret_cast<const char*>(karte), groesse);
    } else {
        gelesen = datei.readAll();
        if (datei.error() != QFileDevice::NoError)
            return TDateiErgebnis::Fehler(Art::fehler, datei.errorString());
        bytes = gelesen;
    }
    try {
        LeseDaten(daten, bytes);
    } catch (const TFehler& f) {
        return TDateiErgebnis::Fehler(Art::fehler, f.meldung());
    }
    return {};
}

void WriteWText(QIODevice& datei, QStringView s) {
    TSchreiber schreiber(datei);
    schreiber.text(s);
    schreiber.leeren();
}

QString ReadWText(QIODevice& datei) {
    char kopf[4];
    if (datei.read(kopf, 4) != 4)
        leseFehler();
    const int32_t n = qFromLittleEndian<int32_t>(kopf);
    if (n < 0 || (datei.isSequential() ? false : n > (datei.size() - datei.pos()) / 2))
        leseFehler();
    const QByteArray einheiten = datei.read(qint64(n) * 2);
    if (einheiten.size() != qsizetype(n) * 2)
        leseFehler();
    QString s(n, Qt::Uninitialized);
    for (int32_t i = 0; i < n; ++i)
        s[i] = QChar(qFromLittleEndian<uint16_t>(einheiten.constData() + 2 * i));
    return s;
}
