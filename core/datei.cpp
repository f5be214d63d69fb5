#include "core/datei.h"

#include "core/bytes.h"
#include "core/fehler.h"
#include "core/texte.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
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

using TSchreiber = TByteSchreiber;
using TLeser = TByteLeser;

[[noreturn]] void leseFehler() {
    throw TFehler(QString::fromLatin1(LeseFehlerText));
}

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
    daten.erweiterung.schreibe(s);
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
        TErweiterung erweiterung =
            TErweiterung::lese(l.restBytes(), neu.zutats.count, neu.rezepte.count);
        daten.FreeZutats();
        daten.FreeRezepte();
        daten.zutats.TakeOver(neu.zutats);
        daten.rezepte.TakeOver(neu.rezepte);
        daten.gruppen = std::move(gruppen);
        daten.erweiterung = std::move(erweiterung);
        daten.erweiterung.gelesen(daten);
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
    } catch (const TNeuereErweiterung& f) {
        return TDateiErgebnis::Fehler(
            Art::fehler, f.meldung(QStringLiteral("„%1“").arg(QFileInfo(fname).fileName())));
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
