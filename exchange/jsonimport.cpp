#include "exchange/jsonimport.h"

#include "core/fehler.h"
#include "core/texte.h"
#include "costing/zutatkatalog.h"
#include "exchange/jsonbibliothek.h"
#include "exchange/jsonleser.h"
#include "exchange/jsonnamen.h"
#include "exchange/jsonschluessel.h"
#include "exchange/jsonstellen.h"
#include "exchange/jsonstrom.h"
#include "exchange/jsonzahlen.h"

#include <QDate>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <span>

namespace {

namespace n = jsonnamen;

constexpr int64_t int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t uint16Max = std::numeric_limits<uint16_t>::max();
constexpr int64_t uint32Max = std::numeric_limits<uint32_t>::max();

// The containers of the form, each with its keys.
enum class TArt {
    oben,
    zutaten,
    zutat,
    rezepte,
    rezept,
    zeilen,
    zeile,
    verkaeufe,
    verkauf,
    gruppen,
    gruppe,
    erweiterung,
    abschnitt
};

std::span<const std::string_view> eigeneSchluessel(TArt art) {
    switch (art) {
    case TArt::oben:
        return n::oben;
    case TArt::zutat:
        return n::zutat;
    case TArt::rezept:
        return n::rezept;
    case TArt::zeile:
        return n::zeile;
    case TArt::verkauf:
        return n::verkauf;
    case TArt::gruppe:
        return n::gruppe;
    case TArt::abschnitt:
        return n::abschnitt;
    default:
        return {};
    }
}

// The records in a list of the form, and the record kind of its elements.
TArt elementArt(TArt liste) {
    switch (liste) {
    case TArt::zutaten:
        return TArt::zutat;
    case TArt::rezepte:
        return TArt::rezept;
    case TArt::zeilen:
        return TArt::zeile;
    case TArt::verkaeufe:
        return TArt::verkauf;
    case TArt::gruppen:
        return TArt::gruppe;
    default:
        return TArt::abschnitt;
    }
}

bool istListe(TArt art) {
    return art == TArt::zutaten || art == TArt::rezepte || art == TArt::zeilen ||
           art == TArt::verkaeufe || art == TArt::gruppen || art == TArt::erweiterung;
}

// Registered keys exist at these levels only.
const std::vector<std::string_view>* weitereSchluessel(TArt art) {
    switch (art) {
    case TArt::oben:
        return &JsonSchluesselNamen(TJsonEbene::oben);
    case TArt::zutat:
        return &JsonSchluesselNamen(TJsonEbene::zutat);
    case TArt::rezept:
        return &JsonSchluesselNamen(TJsonEbene::rezept);
    case TArt::zeile:
        return &JsonSchluesselNamen(TJsonEbene::zeile);
    default:
        return nullptr;
    }
}

enum class TTyp { text, zahl, wahrheit, null, objekt, liste };

QString typName(TTyp typ, std::string_view text) {
    auto zitat = [&] {
        QString t = QString::fromUtf8(text.data(), qsizetype(text.size()));
        return t.size() > 40 ? t.left(40) + QStringLiteral("…") : t;
    };
    switch (typ) {
    case TTyp::text:
        return QStringLiteral("den Text \"%1\"").arg(zitat());
    case TTyp::zahl:
        return QStringLiteral("die Zahl %1").arg(zitat());
    case TTyp::wahrheit:
        return text == "true" ? QStringLiteral("true") : QStringLiteral("false");
    case TTyp::null:
        return QStringLiteral("null");
    case TTyp::objekt:
        return QStringLiteral("ein Objekt");
    case TTyp::liste:
        return QStringLiteral("eine Liste");
    }
    return {};
}

// A message with the byte offset of its place.
struct TStelle {
    qsizetype offset;
    QString text;
};

struct TMeldungen {
    std::vector<TStelle> liste;
    qsizetype anzahl = 0;
    void melde(qsizetype offset, QString text) {
        if (anzahl++ < TJsonLeser::hoechstens)
            liste.push_back({offset, std::move(text)});
    }
};

// A section of the extension block that this program does not know, as read.
struct TAbschnittJson {
    std::optional<TAbschnittTag> tag; // when it is one
    qsizetype tagStelle = 0;
    QString tagPfad;
    uint32_t bezug = 0;
    QByteArray daten;
};

// The value of a registered key, read after all records are in place.
struct TWeitererWert {
    TJsonEbene ebene;
    TJsonOrt ort;
    size_t schluessel;
    qsizetype anfang;
    qsizetype ende;
    QString pfad;
};

struct TRahmen {
    TArt art;
    std::string_view schluessel; // the member this container is, or
    int64_t index = -1;          // the element it is
    qsizetype anfang = 0;        // offset just after its bracket
    int64_t kinder = 0;          // elements so far, for a list
    uint64_t gesehen = 0;        // keys so far, for an object (bit per key)
    int aktuell = -1;            // the key whose value comes next
    bool mitSchluessel0 = false; // preisproeinheit or a line's zutat was given
};

class TEinleser : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TEinleser> {
public:
    TEinleser(QByteArrayView t, TJsonStrom& s, TDaten& d) : quelle(t), strom(s), daten(d) {}

    ~TEinleser() {
        for (TZutat& z : zutaten)
            FreeZutatInhalt(z);
        for (TRezept& r : rezepte)
            FreeRezeptInhalt(r);
        FreeRezeptInhalt(rezept);
        FreeZutatInhalt(zutat);
    }

    TMeldungen fehler;
    TMeldungen warnungen;

    // --- the parser's events
    bool StartObject() { return beginne(TTyp::objekt); }
    bool StartArray() { return beginne(TTyp::liste); }
    bool EndObject(rapidjson::SizeType) { return beende(); }
    bool EndArray(rapidjson::SizeType) { return beende(); }
    bool String(const char* s, rapidjson::SizeType l, bool) { return skalar(TTyp::text, {s, l}); }
    bool RawNumber(const char* s, rapidjson::SizeType l, bool) {
        return skalar(TTyp::zahl, {s, l});
    }
    bool Bool(bool b) { return skalar(TTyp::wahrheit, b ? "true" : "false"); }
    bool Null() { return skalar(TTyp::null, "null"); }
    bool Key(const char* s, rapidjson::SizeType l, bool) {
        if (tiefe > 0)
            return true;
        schluessel({s, l});
        return true;
    }

    // After the parse: the checks that need the whole text, then the records are handed
    // over (without errors) and the registered keys read.
    void abschluss();

private:
    qsizetype hier() const { return qsizetype(strom.Tell()); }
    TRahmen& oben() { return rahmen.back(); }

    // --- places
    void haengeAn(QString& p, const TRahmen& r) const {
        if (r.index >= 0) {
            p += QLatin1Char('[') + QString::number(r.index) + QLatin1Char(']');
        } else if (!r.schluessel.empty()) {
            if (!p.isEmpty())
                p += QLatin1Char('.');
            p += QString::fromUtf8(r.schluessel.data(), qsizetype(r.schluessel.size()));
        }
    }
    QString pfadBis(size_t ebenen) const {
        QString p;
        for (size_t i = 0; i < ebenen; ++i)
            haengeAn(p, rahmen[i]);
        return p;
    }
    QString pfad() const { return pfadBis(rahmen.size()); }
    QString mitTeil(QString p, std::string_view schl) const {
        if (!p.isEmpty())
            p += QLatin1Char('.');
        return p + QString::fromUtf8(schl.data(), qsizetype(schl.size()));
    }
    // The place of the value that comes now: a member or the next element.
    QString wertPfad() const {
        if (rahmen.empty())
            return {};
        const TRahmen& r = rahmen.back();
        if (istListe(r.art))
            return pfad() + QStringLiteral("[%1]").arg(r.kinder);
        return mitTeil(pfad(), schluesselName(r, r.aktuell));
    }
    std::string_view schluesselName(const TRahmen& r, int k) const {
        const auto eigene = eigeneSchluessel(r.art);
        if (size_t(k) < eigene.size())
            return eigene[size_t(k)];
        return (*weitereSchluessel(r.art))[size_t(k) - eigene.size()];
    }
    void meldeFehler(qsizetype offset, const QString& wo, const QString& grund) {
        fehler.melde(offset, wo.isEmpty() ? grund : wo + QStringLiteral(": ") + grund);
    }
    void meldeWarnung(qsizetype offset, const QString& wo, const QString& grund) {
        warnungen.melde(offset, wo.isEmpty() ? grund : wo + QStringLiteral(": ") + grund);
    }
    void falscherTyp(const char* erwartet, TTyp typ, std::string_view t) {
        meldeFehler(hier(), wertPfad(),
                    QStringLiteral("%1 erwartet, aber %2 gefunden")
                        .arg(QString::fromUtf8(erwartet), typName(typ, t)));
    }

    // --- keys
    void schluessel(std::string_view name) {
        TRahmen& r = oben();
        const auto eigene = eigeneSchluessel(r.art);
        int k = -1;
        for (size_t i = 0; i < eigene.size(); ++i)
            if (eigene[i] == name) {
                k = int(i);
                break;
            }
        const std::vector<std::string_view>* weitere = weitereSchluessel(r.art);
        if (k < 0 && weitere)
            for (size_t i = 0; i < weitere->size(); ++i)
                if ((*weitere)[i] == name) {
                    k = int(eigene.size() + i);
                    break;
                }
        r.aktuell = -1;
        if (k < 0) {
            meldeFehler(hier(), mitTeil(pfad(), name), QStringLiteral("unbekannter Schlüssel"));
            ueberspringeNaechsten = true;
            return;
        }
        if (k < 64 && (r.gesehen & (uint64_t(1) << k))) {
            meldeFehler(hier(), mitTeil(pfad(), name), QStringLiteral("Schlüssel doppelt"));
            ueberspringeNaechsten = true;
            return;
        }
        if (k < 64)
            r.gesehen |= uint64_t(1) << k;
        r.aktuell = k;
        if (size_t(k) >= eigene.size())
            merkeWeiteren(size_t(k) - eigene.size(), name);
    }

    // --- values
    bool beginne(TTyp typ) {
        if (tiefe > 0) {
            ++tiefe;
            return true;
        }
        if (ueberspringeNaechsten || weitererNaechster) {
            tiefe = 1;
            return true;
        }
        if (rahmen.empty()) {
            if (typ != TTyp::objekt) {
                meldeFehler(
                    hier(), {},
                    QStringLiteral("Objekt erwartet, aber %1 gefunden").arg(typName(typ, {})));
                tiefe = 1;
                return true;
            }
            rahmen.push_back({TArt::oben, {}, -1, hier()});
            return true;
        }
        TRahmen& r = oben();
        if (istListe(r.art)) {
            if (typ != TTyp::objekt) {
                falscherTyp("Objekt", typ, {});
                ++r.kinder;
                tiefe = 1;
                return true;
            }
            const int64_t index = r.kinder++;
            const TArt art = elementArt(r.art);
            rahmen.push_back({art, {}, index, hier()});
            beginneSatz(art, index);
            return true;
        }
        // A member that is a container: the lists of the form.
        const TArt liste = listeVon(r.art, r.aktuell);
        if (liste == TArt::oben || typ != TTyp::liste) {
            falscherTyp(liste == TArt::oben ? erwartet(r.art, r.aktuell) : "Liste", typ, {});
            tiefe = 1;
            return true;
        }
        rahmen.push_back({liste, schluesselName(r, r.aktuell), -1, hier()});
        beginneListe(liste);
        return true;
    }

    bool beende() {
        if (tiefe > 0) {
            if (--tiefe == 0)
                wertUebersprungen(hier() + 1);
            return true;
        }
        const TRahmen r = rahmen.back();
        rahmen.pop_back();
        if (istListe(r.art))
            beendeListe(r);
        else
            beendeSatz(r);
        return true;
    }

    // The value that ends now was skipped: a registered key's value is kept for later.
    // The parser reports the end of a container before it takes the bracket, and the end
    // of any other value after it: `ende` is the offset after the value.
    void wertUebersprungen(qsizetype ende) {
        if (weitererNaechster) {
            weitere.back().ende = ende;
            weitererNaechster = false;
        }
        ueberspringeNaechsten = false;
    }

    bool skalar(TTyp typ, std::string_view t) {
        if (tiefe > 0)
            return true;
        if (ueberspringeNaechsten || weitererNaechster) {
            wertUebersprungen(hier());
            return true;
        }
        if (rahmen.empty()) {
            meldeFehler(hier(), {},
                        QStringLiteral("Objekt erwartet, aber %1 gefunden").arg(typName(typ, t)));
            return true;
        }
        TRahmen& r = oben();
        if (istListe(r.art)) {
            falscherTyp("Objekt", typ, t);
            ++r.kinder;
            return true;
        }
        feld(r, typ, t);
        return true;
    }

    // The kind of value a scalar member expects, for the message about another one.
    static const char* erwartet(TArt art, int k) {
        switch (art) {
        case TArt::oben:
            return k == n::format ? "Text" : "Ganze Zahl";
        case TArt::zutat:
            return k == 4 || k == 5 ? "Zahl" : "Text";
        case TArt::rezept:
            return k <= 2 ? "Text" : k == 5 ? "Ganze Zahl" : "Zahl";
        case TArt::zeile:
            return k == 0 ? "Ganze Zahl" : "Zahl";
        case TArt::verkauf:
            return k <= 3 ? "Ganze Zahl" : "Zahl";
        case TArt::gruppe:
            return k == 0 ? "Text" : "Zahl";
        case TArt::abschnitt:
            return k == 1 ? "Ganze Zahl" : "Text";
        default:
            return "Wert";
        }
    }

    static TArt listeVon(TArt art, int k) {
        if (art == TArt::oben) {
            switch (k) {
            case n::zutaten:
                return TArt::zutaten;
            case n::rezepte:
                return TArt::rezepte;
            case n::gruppen:
                return TArt::gruppen;
            case n::erweiterung:
                return TArt::erweiterung;
            }
        } else if (art == TArt::rezept) {
            if (k == 6)
                return TArt::zeilen;
            if (k == 7)
                return TArt::verkaeufe;
        }
        return TArt::oben; // no list
    }

    // --- typed fields
    std::optional<QString> ganzerText(TTyp typ, std::string_view t) {
        if (typ != TTyp::text) {
            falscherTyp("Text", typ, t);
            return std::nullopt;
        }
        // A lone low surrogate escape comes out of the decoder as the three bytes of its
        // code point, which UTF-8 forbids; a lone high one the parser refuses.
        for (const char* p = t.data(); (p = static_cast<const char*>(std::memchr(
                                            p, '\xED', size_t(t.data() + t.size() - p))));
             ++p)
            if (p + 1 < t.data() + t.size() && static_cast<unsigned char>(p[1]) >= 0xA0) {
                meldeFehler(hier(), wertPfad(),
                            QStringLiteral("enthält ein einzelnes Ersatzzeichen (Surrogat)"));
                return std::nullopt;
            }
        return QString::fromUtf8(t.data(), qsizetype(t.size()));
    }
    // A record text is cut at its first \u0000, as the data file's reader cuts it.
    void text(TText& feld, TTyp typ, std::string_view t) {
        if (const void* null = std::memchr(t.data(), 0, t.size()))
            t = t.substr(0, size_t(static_cast<const char*>(null) - t.data()));
        if (const auto s = ganzerText(typ, t))
            CopyText(feld, *s);
    }
    std::optional<double> zahl(TTyp typ, std::string_view t) {
        if (typ == TTyp::zahl) {
            const TJsonZahl z = JsonGleitkomma(t);
            if (z.art == TJsonZahl::Art::ok)
                return z.gleitkomma;
            meldeFehler(hier(), wertPfad(),
                        QStringLiteral("%1 ist als Gleitkommazahl nicht darstellbar")
                            .arg(QString::fromUtf8(t.data(), qsizetype(t.size()))));
            return std::nullopt;
        }
        if (typ == TTyp::text)
            if (const auto sonder = JsonNichtEndlichWert(t))
                return sonder;
        falscherTyp("Zahl (oder \"NaN\", \"Infinity\", \"-Infinity\")", typ, t);
        return std::nullopt;
    }
    void zahl(double& feld, TTyp typ, std::string_view t) {
        if (const auto z = zahl(typ, t))
            feld = *z;
    }
    std::optional<int64_t> ganzzahl(TTyp typ, std::string_view t, int64_t min, int64_t max) {
        if (typ != TTyp::zahl) {
            falscherTyp("Ganze Zahl", typ, t);
            return std::nullopt;
        }
        const TJsonZahl z = JsonGanzzahl(t, min, max);
        const QString zitat = QString::fromUtf8(t.data(), qsizetype(t.size()));
        switch (z.art) {
        case TJsonZahl::Art::ok:
            return z.ganz;
        case TJsonZahl::Art::keineGanzzahl:
            meldeFehler(hier(), wertPfad(),
                        QStringLiteral("Ganze Zahl erwartet, aber %1 gefunden").arg(zitat));
            break;
        case TJsonZahl::Art::ausserhalb:
            meldeFehler(
                hier(), wertPfad(),
                QStringLiteral("%1 liegt außerhalb von %2 bis %3").arg(zitat).arg(min).arg(max));
            break;
        }
        return std::nullopt;
    }
    template <class T>
    void ganzzahl(T& feld, TTyp typ, std::string_view t, int64_t min, int64_t max) {
        if (const auto z = ganzzahl(typ, t, min, max))
            feld = T(*z);
    }

    void feld(TRahmen& r, TTyp typ, std::string_view t) {
        const int k = r.aktuell;
        switch (r.art) {
        case TArt::oben:
            if (k == n::format) {
                formatStelle = hier();
                format = ganzerText(typ, t);
            } else if (k == n::version) {
                versionStelle = hier();
                version = ganzzahl(typ, t, int32Min, int32Max);
            } else {
                falscherTyp("Liste", typ, t);
            }
            break;
        case TArt::zutat:
            switch (k) {
            case 0:
                text(zutat.name, typ, t);
                break;
            case 1:
                text(zutat.lieferant, typ, t);
                break;
            case 2:
                text(zutat.zgruppe, typ, t);
                break;
            case 3:
                r.mitSchluessel0 = true;
                text(zutat.preisproeinheit, typ, t);
                break;
            case 4:
                zahl(zutat.preis, typ, t);
                break;
            case 5:
                zahl(zutat.menge, typ, t);
                break;
            case 6:
                text(zutat.einheit, typ, t);
                break;
            }
            break;
        case TArt::rezept:
            switch (k) {
            case 0:
                text(rezept.name, typ, t);
                break;
            case 1:
                text(rezept.beschreibung, typ, t);
                break;
            case 2:
                text(rezept.bilddatei, typ, t);
                break;
            case 3:
                zahl(rezept.menge, typ, t);
                break;
            case 4:
                zahl(rezept.vkbrutto, typ, t);
                break;
            case 5:
                if (const auto g = ganzzahl(typ, t, int32Min, int32Max)) {
                    rezept.gruppe = int32_t(*g);
                    if (!TGruppenTabelle::gueltig(rezept.gruppe))
                        meldeWarnung(hier(), wertPfad(),
                                     QStringLiteral("Gruppe %1 gibt es nicht (0 bis %2)")
                                         .arg(rezept.gruppe)
                                         .arg(TGruppenTabelle::anzahl - 1));
                }
                break;
            default:
                falscherTyp("Liste", typ, t);
            }
            break;
        case TArt::zeile:
            switch (k) {
            case 0:
                r.mitSchluessel0 = true;
                ganzzahl(zeile.zutatnr, typ, t, int32Min, int32Max);
                pruefeZutat(zeile.zutatnr, hier(), wertPfad());
                break;
            case 1:
                zahl(zeile.menge, typ, t);
                break;
            case 2:
                zahl(zeile.gewichtsverlust, typ, t);
                break;
            }
            break;
        case TArt::verkauf:
            switch (k) {
            case 0:
                ganzzahl(verkauf.jahr, typ, t, 0, uint16Max);
                break;
            case 1:
                ganzzahl(verkauf.monat, typ, t, 0, uint16Max);
                break;
            case 2:
                ganzzahl(verkauf.tag, typ, t, 0, uint16Max);
                break;
            case 3:
                ganzzahl(verkauf.menge, typ, t, int32Min, int32Max);
                break;
            case 4:
                zahl(verkauf.umsatznetto, typ, t);
                break;
            case 5:
                zahl(verkauf.umsatzbrutto, typ, t);
                break;
            case 6:
                zahl(verkauf.wareneinsatz, typ, t);
                break;
            case 7:
                zahl(verkauf.wequote, typ, t);
                break;
            case 8:
                zahl(verkauf.deckungsbeitrag, typ, t);
                break;
            }
            break;
        case TArt::gruppe: {
            const int nr = int(r.index); // beyond 40 only checked
            if (k == 0) {
                // The data file keeps a group name whole, zero code units and all.
                if (const auto s = ganzerText(typ, t))
                    daten.SetGruppe(nr, *s);
            } else if (const auto z = zahl(typ, t)) {
                if (k == 1)
                    daten.SetGruppeMwst(nr, *z);
                else
                    daten.SetGruppeWE(nr, *z);
            }
            break;
        }
        case TArt::abschnitt:
            if (k == 0) {
                if (const auto s = ganzerText(typ, t))
                    pruefeTag(*s);
            } else if (k == 1) {
                ganzzahl(abschnitt.bezug, typ, t, 0, uint32Max);
            } else if (typ != TTyp::text) {
                falscherTyp("Base64-Text", typ, t);
            } else if (auto b = QByteArray::fromBase64Encoding(
                           QByteArray::fromRawData(t.data(), qsizetype(t.size())),
                           QByteArray::AbortOnBase64DecodingErrors)) {
                abschnitt.daten = std::move(*b);
            } else {
                meldeFehler(hier(), wertPfad(), QStringLiteral("ist kein gültiger Base64-Text"));
            }
            break;
        default:
            break;
        }
    }

    void pruefeZutat(int32_t nr, qsizetype offset, const QString& wo) {
        if (!zutatenGelesen) {
            offeneZeilen.push_back({nr, offset, wo});
            return;
        }
        if (nr < 0 || uint32_t(nr) >= zutaten.size())
            meldeWarnung(
                offset, wo,
                QStringLiteral("Zutat %1 gibt es nicht (%2 Zutaten)").arg(nr).arg(zutaten.size()));
    }

    void pruefeTag(const QString& tag);

    // --- records
    void beginneListe(TArt art) {
        if (art == TArt::zeilen)
            zeilen.clear();
        else if (art == TArt::verkaeufe)
            verkaeufe.clear();
    }

    void beendeListe(const TRahmen& r) {
        switch (r.art) {
        case TArt::zutaten:
            zutatenGelesen = true;
            break;
        case TArt::zeilen:
            rezept.zutaten = daten.NeueZeilen();
            kopiere(*rezept.zutaten, zeilen);
            break;
        case TArt::verkaeufe:
            rezept.verkaeufe = daten.NeueVerkaeufe();
            kopiere(*rezept.verkaeufe, verkaeufe);
            break;
        case TArt::gruppen:
            if (r.kinder != TGruppenTabelle::anzahl)
                meldeFehler(r.anfang, QStringLiteral("gruppen"),
                            QStringLiteral("%1 Gruppen erwartet, aber %2 gefunden")
                                .arg(TGruppenTabelle::anzahl)
                                .arg(r.kinder));
            break;
        default:
            break;
        }
    }

    template <class T> static void kopiere(TDynaArray& ziel, const std::vector<T>& quelle) {
        if (!quelle.empty())
            std::memcpy(ziel.AddMany(uint32_t(quelle.size())), quelle.data(),
                        quelle.size() * sizeof(T));
    }

    // A record begins with the values of a new one.
    void beginneSatz(TArt art, int64_t) {
        switch (art) {
        case TArt::zutat:
            zutat = TZutat{};
            zutat.menge = 1;
            if (!weitereSchluessel(TArt::zutat)->empty())
                zutatWeitereGesehen.push_back(0);
            break;
        case TArt::rezept:
            rezept = TRezept{};
            rezept.menge = 1;
            if (!weitereSchluessel(TArt::rezept)->empty())
                rezeptWeitereGesehen.push_back(0);
            break;
        case TArt::zeile:
            zeile = TRezeptZutat{};
            if (!weitereSchluessel(TArt::zeile)->empty())
                zeileWeitereGesehen.push_back(
                    {uint32_t(rezepte.size()), uint32_t(zeilen.size()), 0});
            break;
        case TArt::verkauf:
            verkauf = TVerkauf{};
            break;
        case TArt::abschnitt:
            abschnitt = TAbschnittJson{};
            break;
        default:
            break;
        }
    }

    static void leerWennOhne(TText& feld) {
        if (!feld)
            CopyText(feld, {});
    }

    void beendeSatz(const TRahmen& r) {
        switch (r.art) {
        case TArt::oben:
            pruefeKopf(r);
            break;
        case TArt::zutat:
            if (!r.mitSchluessel0)
                CopyText(zutat.preisproeinheit, PreisProEinheit(zutat.preis, zutat.menge));
            for (TText* f : {&zutat.name, &zutat.lieferant, &zutat.zgruppe, &zutat.preisproeinheit,
                             &zutat.einheit})
                leerWennOhne(*f);
            if (!zutatWeitereGesehen.empty())
                zutatWeitereGesehen.back() = r.gesehen >> std::size(n::zutat);
            zutaten.push_back(zutat);
            zutat = TZutat{};
            break;
        case TArt::rezept:
            for (TText* f : {&rezept.name, &rezept.beschreibung, &rezept.bilddatei})
                leerWennOhne(*f);
            if (!rezept.zutaten)
                rezept.zutaten = daten.NeueZeilen();
            if (!rezept.verkaeufe)
                rezept.verkaeufe = daten.NeueVerkaeufe();
            if (!rezeptWeitereGesehen.empty())
                rezeptWeitereGesehen.back() = r.gesehen >> std::size(n::rezept);
            rezepte.push_back(rezept);
            rezept = TRezept{};
            break;
        case TArt::zeile:
            if (!r.mitSchluessel0)
                pruefeZutat(0, r.anfang,
                            pfadBis(rahmen.size()) + QStringLiteral("[%1].zutat").arg(r.index));
            if (!zeileWeitereGesehen.empty())
                zeileWeitereGesehen.back().gesehen = r.gesehen >> std::size(n::zeile);
            zeilen.push_back(zeile);
            break;
        case TArt::verkauf:
            if (!QDate::isValid(verkauf.jahr, verkauf.monat, verkauf.tag))
                meldeWarnung(r.anfang, pfadBis(rahmen.size()) + QStringLiteral("[%1]").arg(r.index),
                             QStringLiteral("%1-%2-%3 ist kein gültiges Datum")
                                 .arg(verkauf.jahr, 4, 10, QLatin1Char('0'))
                                 .arg(verkauf.monat, 2, 10, QLatin1Char('0'))
                                 .arg(verkauf.tag, 2, 10, QLatin1Char('0')));
            verkaeufe.push_back(verkauf);
            break;
        case TArt::abschnitt:
            beendeAbschnitt(r);
            break;
        default:
            break;
        }
    }

    void beendeAbschnitt(const TRahmen& r);

    // A text of another format or version is not read further: its other faults would
    // only be noise. So only the faults of format and version are kept.
    void pruefeKopf(const TRahmen& r) {
        obenWeitereGesehen = r.gesehen >> std::size(n::oben);
        const QString name =
            QString::fromLatin1(n::formatName.data(), qsizetype(n::formatName.size()));
        TMeldungen kopf;
        auto melde = [&](qsizetype offset, const QString& wo, const QString& grund) {
            kopf.melde(offset, wo + QStringLiteral(": ") + grund);
        };
        const bool mitFormat = r.gesehen & (1u << n::format);
        const bool mitVersion = r.gesehen & (1u << n::version);
        if (!mitFormat)
            melde(r.anfang, QStringLiteral("format"),
                  QStringLiteral("fehlt (erwartet wird \"%1\")").arg(name));
        else if (format && *format != name)
            melde(formatStelle, QStringLiteral("format"),
                  QStringLiteral("\"%1\" statt \"%2\"").arg(*format, name));
        if (!mitVersion)
            melde(r.anfang, QStringLiteral("version"),
                  QStringLiteral("fehlt (erwartet wird %1)").arg(n::version1));
        else if (version && *version != n::version1)
            melde(versionStelle, QStringLiteral("version"),
                  QStringLiteral("Version %1 wird nicht unterstützt (gelesen wird Version %2)")
                      .arg(*version)
                      .arg(n::version1));
        if (kopf.anzahl > 0)
            fehler = std::move(kopf);
    }

    void merkeWeiteren(size_t nr, std::string_view name) {
        TRahmen& r = oben();
        TWeitererWert w;
        w.schluessel = nr;
        w.pfad = mitTeil(pfad(), name);
        switch (r.art) {
        case TArt::zutat:
            w.ebene = TJsonEbene::zutat;
            w.ort = {w.ebene, uint32_t(zutaten.size()), 0};
            break;
        case TArt::rezept:
            w.ebene = TJsonEbene::rezept;
            w.ort = {w.ebene, uint32_t(rezepte.size()), 0};
            break;
        case TArt::zeile:
            w.ebene = TJsonEbene::zeile;
            w.ort = {w.ebene, uint32_t(rezepte.size()), uint32_t(zeilen.size())};
            break;
        default:
            w.ebene = TJsonEbene::oben;
            w.ort = {};
        }
        // The value begins after the colon that follows the key.
        const char* p = quelle.data() + hier();
        const char* ende = quelle.data() + quelle.size();
        while (p < ende && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t' || *p == ':'))
            ++p;
        w.anfang = p - quelle.data();
        w.ende = w.anfang;
        weitere.push_back(std::move(w));
        weitererNaechster = true;
    }

    void leseWeitere();
    void leseWeiteren(const TWeitererWert& w);

    struct TZeilenPruefung {
        int32_t nr;
        qsizetype offset;
        QString pfad;
    };
    struct TZeileGesehen {
        uint32_t rezept;
        uint32_t zeile;
        uint64_t gesehen;
    };

    QByteArrayView quelle;
    TJsonStrom& strom;
    TDaten& daten;
    std::vector<TRahmen> rahmen;
    int tiefe = 0; // > 0 while a value is skipped
    bool ueberspringeNaechsten = false;
    bool weitererNaechster = false;

    std::optional<QString> format;
    qsizetype formatStelle = 0;
    std::optional<int64_t> version;
    qsizetype versionStelle = 0;

    TZutat zutat{};
    TRezept rezept{};
    TRezeptZutat zeile{};
    TVerkauf verkauf{};
    TAbschnittJson abschnitt;
    std::vector<TZutat> zutaten;
    std::vector<TRezept> rezepte;
    std::vector<TRezeptZutat> zeilen;
    std::vector<TVerkauf> verkaeufe;
    bool zutatenGelesen = false;
    std::vector<TZeilenPruefung> offeneZeilen;

    std::vector<TWeitererWert> weitere;
    std::vector<char> weitererText;
    std::array<char, 16384> weitererSpeicher;
    std::vector<uint64_t> zutatWeitereGesehen;
    std::vector<uint64_t> rezeptWeitereGesehen;
    std::vector<TZeileGesehen> zeileWeitereGesehen;
    uint64_t obenWeitereGesehen = 0;
};

// A section this program does not know has a tag of four printable ASCII characters
// that is not the end mark; the tag of a known section would make its content read as
// that section's.
void TEinleser::pruefeTag(const QString& text) {
    abschnitt.tagStelle = hier();
    abschnitt.tagPfad = wertPfad();
    const bool druckbar = text.size() == 4 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return c.unicode() >= 0x21 && c.unicode() <= 0x7e;
                          });
    if (!druckbar) {
        meldeFehler(hier(), wertPfad(),
                    QStringLiteral("\"%1\" ist kein Kennzeichen aus vier druckbaren ASCII-Zeichen")
                        .arg(text));
        return;
    }
    const QByteArray latin = text.toLatin1();
    TAbschnittTag tag;
    std::copy(latin.begin(), latin.end(), tag.begin());
    if (tag == AbschnittTag("ENDE")) {
        meldeFehler(hier(), wertPfad(),
                    QStringLiteral("ENDE ist das Kennzeichen des Abschlusses, kein Abschnitt"));
    } else if (const TAbschnittArt* art = AbschnittArt(tag)) {
        meldeFehler(hier(), wertPfad(),
                    QStringLiteral("%1 ist der Abschnitt „%2“, den dieses Programm kennt; seine "
                                   "Daten stehen unter eigenen Schlüsseln")
                        .arg(text, art->name));
    } else {
        abschnitt.tag = tag;
    }
}

void TEinleser::beendeAbschnitt(const TRahmen& r) {
    if (!(r.gesehen & 1u)) {
        meldeFehler(r.anfang, pfadBis(rahmen.size()) + QStringLiteral("[%1].tag").arg(r.index),
                    QStringLiteral("fehlt"));
        return;
    }
    if (!abschnitt.tag)
        return;
    auto& fremde = daten.erweiterung.fremde;
    if (std::any_of(fremde.begin(), fremde.end(),
                    [&](const TFremderAbschnitt& f) { return f.tag == *abschnitt.tag; })) {
        meldeFehler(abschnitt.tagStelle, abschnitt.tagPfad,
                    QStringLiteral("Abschnitt %1 doppelt").arg(TagText(*abschnitt.tag)));
        return;
    }
    fremde.push_back({*abschnitt.tag, abschnitt.bezug, std::move(abschnitt.daten)});
}

void TEinleser::abschluss() {
    for (const TZeilenPruefung& z : offeneZeilen) {
        zutatenGelesen = true;
        pruefeZutat(z.nr, z.offset, z.pfad);
    }
    if (fehler.anzahl > 0)
        return;
    kopiere(daten.zutats, zutaten);
    zutaten.clear();
    kopiere(daten.rezepte, rezepte);
    rezepte.clear();
    leseWeitere();
    if (fehler.anzahl > 0)
        return;
    // Checks that need every record and key, their faults at the values they concern.
    struct TMelder : TJsonAbschlussMelder {
        TEinleser& e;
        explicit TMelder(TEinleser& x) : e(x) {}
        void fehler(const TJsonOrt& ort, std::string_view name, const QString& grund) override {
            for (const TWeitererWert& w : e.weitere)
                if (w.ebene == ort.ebene && w.ort.nr == ort.nr && w.ort.zeile == ort.zeile &&
                    JsonSchluessel(w.ebene)[w.schluessel].name == name) {
                    e.meldeFehler(w.anfang, w.pfad, grund);
                    return;
                }
            e.meldeFehler(0, ort.text(), grund);
        }
    } melder(*this);
    for (const TJsonAbschluss a : JsonAbschluesse())
        a(daten, melder);
}

void TEinleser::leseWeitere() {
    // Registered keys: their values, then "left out" for the records without them.
    // Ingredients, then recipes, then the rest: a line's value may rest on what its
    // ingredient says (its units), and a sub-recipe's ingredient takes its unit from its
    // recipe.
    for (const TWeitererWert& w : weitere)
        if (w.ebene == TJsonEbene::zutat)
            leseWeiteren(w);
    for (const TWeitererWert& w : weitere)
        if (w.ebene == TJsonEbene::rezept)
            leseWeiteren(w);
    for (const TWeitererWert& w : weitere)
        if (w.ebene != TJsonEbene::zutat && w.ebene != TJsonEbene::rezept)
            leseWeiteren(w);
    auto fehlende = [&](TJsonEbene ebene, const TJsonOrt& ort, uint64_t gesehen) {
        const auto& alle = JsonSchluessel(ebene);
        for (size_t k = 0; k < alle.size(); ++k)
            if (!(k < 64 && (gesehen & (uint64_t(1) << k))) && alle[k].fehlt)
                alle[k].fehlt(daten, ort);
    };
    for (size_t i = 0; i < zutatWeitereGesehen.size(); ++i)
        fehlende(TJsonEbene::zutat, {TJsonEbene::zutat, uint32_t(i), 0}, zutatWeitereGesehen[i]);
    for (size_t i = 0; i < rezeptWeitereGesehen.size(); ++i)
        fehlende(TJsonEbene::rezept, {TJsonEbene::rezept, uint32_t(i), 0}, rezeptWeitereGesehen[i]);
    for (const TZeileGesehen& z : zeileWeitereGesehen)
        fehlende(TJsonEbene::zeile, {TJsonEbene::zeile, z.rezept, z.zeile}, z.gesehen);
    fehlende(TJsonEbene::oben, {}, obenWeitereGesehen);
}

void TEinleser::leseWeiteren(const TWeitererWert& w) {
    // Most values are small: their copy and document live in buffers kept for all.
    const QByteArrayView teil = quelle.sliced(w.anfang, w.ende - w.anfang);
    // A blank before the value: a number's text must have a byte before it that is no
    // quote, as it has in the whole text (see istZahl).
    weitererText.assign(1, ' ');
    weitererText.insert(weitererText.end(), teil.begin(), teil.end());
    weitererText.push_back('\0');
    // The library skips blanks 16 aligned bytes at a time and so reads up to 15 bytes past
    // the end of the text.
    weitererText.resize(weitererText.size() + 15, '\0');
    rapidjson::MemoryPoolAllocator<> speicher(weitererSpeicher.data(), weitererSpeicher.size());
    rapidjson::Document dokument(&speicher);
    dokument.ParseInsitu<JsonLeseFlags>(weitererText.data() + 1);
    if (dokument.HasParseError())
        return; // the whole text parsed, and so does each of its values
    TJsonLeser leser;
    const QByteArray pfad = w.pfad.toUtf8();
    const TJsonPfad wurzel{nullptr, std::string_view(pfad.constData(), size_t(pfad.size())), -1};
    JsonSchluessel(w.ebene)[w.schluessel].lese(daten, w.ort, TJsonWert{dokument, wurzel}, leser);
    for (auto [liste, ziel] :
         {std::pair{&leser.fehlerListe(), &fehler}, std::pair{&leser.warnungListe(), &warnungen}}) {
        if (liste->empty())
            continue;
        std::vector<TGesuchterOrt> orte;
        for (const auto& m : *liste)
            orte.push_back({m.pfad, m.vorkommen});
        const std::vector<qsizetype> offsets = SucheOrte(teil, 0, orte, w.pfad);
        for (size_t i = 0; i < liste->size(); ++i)
            ziel->melde(w.anfang + offsets[i],
                        (*liste)[i].pfad + QStringLiteral(": ") + (*liste)[i].grund);
    }
    fehler.anzahl += leser.fehlerAnzahl() - qsizetype(leser.fehlerListe().size());
    warnungen.anzahl += leser.warnungAnzahl() - qsizetype(leser.warnungListe().size());
}

QStringList meldungen(const TMeldungen& m, QByteArrayView text) {
    // Lines counted in one pass over the text, in the order of the offsets.
    std::vector<size_t> folge(m.liste.size());
    for (size_t i = 0; i < folge.size(); ++i)
        folge[i] = i;
    std::stable_sort(folge.begin(), folge.end(),
                     [&](size_t a, size_t b) { return m.liste[a].offset < m.liste[b].offset; });
    std::vector<qsizetype> zeilen(m.liste.size());
    qsizetype zeile = 1;
    qsizetype bis = 0;
    for (size_t i : folge) {
        const qsizetype offset = std::clamp<qsizetype>(m.liste[i].offset, 0, text.size());
        zeile += std::count(text.data() + bis, text.data() + offset, '\n');
        bis = offset;
        zeilen[i] = zeile;
    }
    // In the order of the text: checks that wait for the end come in their place.
    QStringList ergebnis;
    for (size_t i : folge)
        ergebnis.append(QStringLiteral("Zeile %1: %2").arg(zeilen[i]).arg(m.liste[i].text));
    if (m.anzahl > qsizetype(m.liste.size()))
        ergebnis.append(
            QStringLiteral("… und %1 weitere").arg(m.anzahl - qsizetype(m.liste.size())));
    return ergebnis;
}

} // namespace

TJsonImport LeseJson(QByteArrayView text) {
    TJsonImport ergebnis;
    // A byte-order mark that some editors write is skipped.
    const qsizetype anfang = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    auto daten = std::make_unique<TDaten>();
    TJsonStrom strom(text.data(), text.data() + anfang, text.data() + text.size());
    TEinleser einleser(text, strom, *daten);
    rapidjson::Reader reader;
    constexpr unsigned flags = rapidjson::kParseNumbersAsStringsFlag |
                               rapidjson::kParseValidateEncodingFlag |
                               rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult r = reader.Parse<flags>(strom, einleser);
    // The parser takes a zero byte for the end of the text; JSON allows it nowhere.
    const void* null = text.isEmpty() ? nullptr : std::memchr(text.data(), 0, size_t(text.size()));
    const qsizetype nullStelle =
        null ? static_cast<const char*>(null) - text.data() : text.size() + 1;
    if (r.IsError() || null) {
        const bool durchNull = !r.IsError() || qsizetype(r.Offset()) >= nullStelle;
        const qsizetype offset = durchNull ? nullStelle : qsizetype(r.Offset());
        const TTextStelle s = StelleVon(text, offset);
        const QString grund =
            durchNull ? QStringLiteral("Nullbyte im Text") : JsonSyntaxFehler(r.Code());
        ergebnis.fehler.append(
            QStringLiteral("Zeile %1, Spalte %2: %3").arg(s.zeile).arg(s.spalte).arg(grund));
        ergebnis.fehlerAnzahl = 1;
        return ergebnis;
    }
    einleser.abschluss();
    ergebnis.fehlerAnzahl = einleser.fehler.anzahl;
    ergebnis.warnungAnzahl = einleser.warnungen.anzahl;
    ergebnis.fehler = meldungen(einleser.fehler, text);
    ergebnis.warnungen = meldungen(einleser.warnungen, text);
    if (ergebnis.fehlerAnzahl == 0)
        ergebnis.daten = std::move(daten);
    return ergebnis;
}

TJsonImport LeseJsonDatei(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TFehler(QStringLiteral("Cannot open file \"%1\". %2").arg(pfad, datei.errorString()));
    // Mapping spares a copy of large files; devices that cannot be mapped are read.
    const qint64 groesse = datei.size();
    if (const uchar* karte = groesse > 0 ? datei.map(0, groesse) : nullptr)
        return LeseJson(QByteArrayView(reinterpret_cast<const char*>(karte), groesse));
    const QByteArray gelesen = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw TFehler(datei.errorString());
    return LeseJson(gelesen);
}
