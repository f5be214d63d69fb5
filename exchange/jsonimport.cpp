#include "exchange/jsonimport.h"

#include "core/fehler.h"
#include "core/texte.h"
#include "costing/zutatkatalog.h"
#include "exchange/jsonbibliothek.h"
#include "exchange/jsonleser.h"
#include "exchange/jsonnamen.h"
#include "exchange/jsonschluessel.h"
#include "exchange/jsonstellen.h"

#include <QDate>
#include <QFile>

#include <cstring>
#include <limits>
#include <memory>

namespace {

namespace n = jsonnamen;

QString syntaxGrund(rapidjson::ParseErrorCode code) {
    using namespace rapidjson;
    switch (code) {
    case kParseErrorDocumentEmpty:
        return QStringLiteral("Der Text ist leer");
    case kParseErrorDocumentRootNotSingular:
        return QStringLiteral("Nach dem Ende des Dokuments folgt noch etwas");
    case kParseErrorValueInvalid:
        return QStringLiteral("Ungültiger Wert");
    case kParseErrorObjectMissName:
        return QStringLiteral("Schlüssel in Anführungszeichen erwartet");
    case kParseErrorObjectMissColon:
        return QStringLiteral("Doppelpunkt erwartet");
    case kParseErrorObjectMissCommaOrCurlyBracket:
        return QStringLiteral("Komma oder } erwartet");
    case kParseErrorArrayMissCommaOrSquareBracket:
        return QStringLiteral("Komma oder ] erwartet");
    case kParseErrorStringUnicodeEscapeInvalidHex:
        return QStringLiteral("Ungültige \\u-Folge");
    case kParseErrorStringUnicodeSurrogateInvalid:
        return QStringLiteral("Einzelnes Ersatzzeichen (Surrogat) in einer \\u-Folge");
    case kParseErrorStringEscapeInvalid:
        return QStringLiteral("Ungültige Escape-Folge oder Steuerzeichen in einem Text");
    case kParseErrorStringMissQuotationMark:
        return QStringLiteral("Schließendes Anführungszeichen fehlt");
    case kParseErrorStringInvalidEncoding:
        return QStringLiteral("Kein gültiges UTF-8");
    case kParseErrorNumberTooBig:
        return QStringLiteral("Zahl zu groß");
    case kParseErrorNumberMissFraction:
        return QStringLiteral("Nachkommastellen fehlen");
    case kParseErrorNumberMissExponent:
        return QStringLiteral("Exponent fehlt");
    default:
        return QStringLiteral("Syntaxfehler");
    }
}

// A key a capability registered, found in a record; read after the record's own fields.
struct TGefunden {
    size_t nr;
    const rapidjson::Value* wert;
};

constexpr int64_t int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t uint16Max = std::numeric_limits<uint16_t>::max();

class TEinleser {
public:
    TEinleser(TDaten& d, TJsonLeser& l) : daten(d), leser(l) {}

    void lies(const TJsonWert& wurzel) {
        const rapidjson::Value* werte[std::size(n::oben)] = {};
        std::vector<TGefunden> weitere;
        const bool objekt = leser.objekt(
            wurzel, n::oben, namenOderNichts(TJsonEbene::oben), [&](int k, const TJsonWert& w) {
                if (size_t(k) < std::size(n::oben))
                    werte[k] = &w.wert;
                else
                    weitere.push_back({size_t(k) - std::size(n::oben), &w.wert});
            });
        if (!objekt || !pruefeKopf(wurzel, werte[n::format], werte[n::version]))
            return;
        if (werte[n::zutaten])
            zutaten(unter(wurzel, n::zutaten, *werte[n::zutaten]));
        if (werte[n::rezepte])
            rezepte(unter(wurzel, n::rezepte, *werte[n::rezepte]));
        if (werte[n::gruppen])
            gruppen(unter(wurzel, n::gruppen, *werte[n::gruppen]));
        weitereLesen(TJsonOrt{}, wurzel.pfad, weitere);
    }

private:
    static TJsonWert unter(const TJsonWert& w, int k, const rapidjson::Value& v) {
        return {v, TJsonPfad{&w.pfad, n::oben[size_t(k)], -1}};
    }
    static const std::vector<std::string_view>* namenOderNichts(TJsonEbene ebene) {
        const auto& namen = JsonSchluesselNamen(ebene);
        return namen.empty() ? nullptr : &namen;
    }

    bool pruefeKopf(const TJsonWert& wurzel, const rapidjson::Value* format,
                    const rapidjson::Value* version) {
        bool ok = true;
        const TJsonPfad formatPfad{&wurzel.pfad, n::oben[n::format], -1};
        const TJsonPfad versionPfad{&wurzel.pfad, n::oben[n::version], -1};
        const QString formatName =
            QString::fromLatin1(n::formatName.data(), qsizetype(n::formatName.size()));
        if (!format) {
            leser.fehler(formatPfad,
                         QStringLiteral("fehlt (erwartet wird \"%1\")").arg(formatName));
            ok = false;
        } else if (const auto t = leser.ganzerText({*format, formatPfad})) {
            if (*t != formatName) {
                leser.fehler(formatPfad, QStringLiteral("\"%1\" statt \"%2\"").arg(*t, formatName));
                ok = false;
            }
        } else {
            ok = false;
        }
        if (!version) {
            leser.fehler(versionPfad, QStringLiteral("fehlt (erwartet wird %1)").arg(n::version1));
            ok = false;
        } else if (const auto v = leser.ganzzahl({*version, versionPfad}, int32Min, int32Max)) {
            if (*v != n::version1) {
                leser.fehler(versionPfad,
                             QStringLiteral("Version %1 wird nicht unterstützt (gelesen wird "
                                            "Version %2)")
                                 .arg(*v)
                                 .arg(n::version1));
                ok = false;
            }
        } else {
            ok = false;
        }
        return ok;
    }

    void text(TText& feld, const TJsonWert& w) {
        if (const auto t = leser.text(w))
            CopyText(feld, *t);
    }
    void zahl(double& feld, const TJsonWert& w) {
        if (const auto z = leser.zahl(w))
            feld = *z;
    }
    void int32(int32_t& feld, const TJsonWert& w) {
        if (const auto z = leser.ganzzahl(w, int32Min, int32Max))
            feld = int32_t(*z);
    }
    void uint16(uint16_t& feld, const TJsonWert& w) {
        if (const auto z = leser.ganzzahl(w, 0, uint16Max))
            feld = uint16_t(*z);
    }
    static void leerWennOhne(TText& feld) {
        if (!feld)
            CopyText(feld, {});
    }

    void weitereLesen(const TJsonOrt& ort, const TJsonPfad& pfad,
                      const std::vector<TGefunden>& gefunden) {
        const auto& alle = JsonSchluessel(ort.ebene);
        for (size_t k = 0; k < alle.size(); ++k) {
            const TGefunden* g = nullptr;
            for (const TGefunden& kandidat : gefunden)
                if (kandidat.nr == k)
                    g = &kandidat;
            if (g)
                alle[k].lese(daten, ort, TJsonWert{*g->wert, TJsonPfad{&pfad, alle[k].name, -1}},
                             leser);
            else if (alle[k].fehlt)
                alle[k].fehlt(daten, ort);
        }
    }

    void zutaten(const TJsonWert& w) {
        if (!w.wert.IsArray()) {
            leser.liste(w, [](const TJsonWert&) {});
            return;
        }
        auto* z = static_cast<TZutat*>(daten.zutats.AddMany(w.wert.Size()));
        leser.liste(w, [&](const TJsonWert& e) { zutat(*z++, uint32_t(e.pfad.index), e); });
    }

    void zutat(TZutat& z, uint32_t nr, const TJsonWert& w) {
        z.menge = 1;
        bool mitPreisProEinheit = false;
        zutatWeitere.clear();
        leser.objekt(w, n::zutat, namenOderNichts(TJsonEbene::zutat),
                     [&](int k, const TJsonWert& v) {
                         switch (k) {
                         case 0:
                             text(z.name, v);
                             break;
                         case 1:
                             text(z.lieferant, v);
                             break;
                         case 2:
                             text(z.zgruppe, v);
                             break;
                         case 3:
                             mitPreisProEinheit = true;
                             text(z.preisproeinheit, v);
                             break;
                         case 4:
                             zahl(z.preis, v);
                             break;
                         case 5:
                             zahl(z.menge, v);
                             break;
                         case 6:
                             text(z.einheit, v);
                             break;
                         default:
                             zutatWeitere.push_back({size_t(k) - std::size(n::zutat), &v.wert});
                         }
                     });
        if (!mitPreisProEinheit)
            CopyText(z.preisproeinheit, PreisProEinheit(z.preis, z.menge));
        for (TText* feld : {&z.name, &z.lieferant, &z.zgruppe, &z.preisproeinheit, &z.einheit})
            leerWennOhne(*feld);
        weitereLesen({TJsonEbene::zutat, nr, 0}, w.pfad, zutatWeitere);
    }

    void rezepte(const TJsonWert& w) {
        if (!w.wert.IsArray()) {
            leser.liste(w, [](const TJsonWert&) {});
            return;
        }
        auto* r = static_cast<TRezept*>(daten.rezepte.AddMany(w.wert.Size()));
        leser.liste(w, [&](const TJsonWert& e) {
            r->zutaten = daten.NeueZeilen();
            r->verkaeufe = daten.NeueVerkaeufe();
            rezept(*r++, uint32_t(e.pfad.index), e);
        });
    }

    void rezept(TRezept& r, uint32_t nr, const TJsonWert& w) {
        r.menge = 1;
        std::vector<TGefunden> weitere;
        leser.objekt(
            w, n::rezept, namenOderNichts(TJsonEbene::rezept), [&](int k, const TJsonWert& v) {
                switch (k) {
                case 0:
                    text(r.name, v);
                    break;
                case 1:
                    text(r.beschreibung, v);
                    break;
                case 2:
                    text(r.bilddatei, v);
                    break;
                case 3:
                    zahl(r.menge, v);
                    break;
                case 4:
                    zahl(r.vkbrutto, v);
                    break;
                case 5:
                    int32(r.gruppe, v);
                    if (!TGruppenTabelle::gueltig(r.gruppe))
                        leser.warnung(v.pfad, QStringLiteral("Gruppe %1 gibt es nicht (0 bis %2)")
                                                  .arg(r.gruppe)
                                                  .arg(TGruppenTabelle::anzahl - 1));
                    break;
                case 6:
                    zeilen(r, nr, v);
                    break;
                case 7:
                    verkaeufe(r, v);
                    break;
                default:
                    weitere.push_back({size_t(k) - std::size(n::rezept), &v.wert});
                }
            });
        for (TText* feld : {&r.name, &r.beschreibung, &r.bilddatei})
            leerWennOhne(*feld);
        weitereLesen({TJsonEbene::rezept, nr, 0}, w.pfad, weitere);
    }

    void zeilen(TRezept& r, uint32_t nr, const TJsonWert& w) {
        if (!w.wert.IsArray()) {
            leser.liste(w, [](const TJsonWert&) {});
            return;
        }
        auto* l = static_cast<TRezeptZutat*>(r.zutaten->AddMany(w.wert.Size()));
        leser.liste(w, [&](const TJsonWert& e) {
            TRezeptZutat& zeile = *l++;
            zeilenWeitere.clear();
            bool mitZutat = false;
            leser.objekt(
                e, n::zeile, namenOderNichts(TJsonEbene::zeile), [&](int k, const TJsonWert& v) {
                    switch (k) {
                    case 0:
                        mitZutat = true;
                        int32(zeile.zutatnr, v);
                        pruefeZutat(zeile.zutatnr, v.pfad);
                        break;
                    case 1:
                        zahl(zeile.menge, v);
                        break;
                    case 2:
                        zahl(zeile.gewichtsverlust, v);
                        break;
                    default:
                        zeilenWeitere.push_back({size_t(k) - std::size(n::zeile), &v.wert});
                    }
                });
            if (!mitZutat && e.wert.IsObject())
                pruefeZutat(0, TJsonPfad{&e.pfad, n::zeile[0], -1});
            weitereLesen({TJsonEbene::zeile, nr, uint32_t(e.pfad.index)}, e.pfad, zeilenWeitere);
        });
    }

    void pruefeZutat(int32_t zutatnr, const TJsonPfad& pfad) {
        if (zutatnr < 0 || uint32_t(zutatnr) >= daten.anzahlZutaten())
            leser.warnung(pfad, QStringLiteral("Zutat %1 gibt es nicht (%2 Zutaten)")
                                    .arg(zutatnr)
                                    .arg(daten.anzahlZutaten()));
    }

    void verkaeufe(TRezept& r, const TJsonWert& w) {
        if (!w.wert.IsArray()) {
            leser.liste(w, [](const TJsonWert&) {});
            return;
        }
        auto* v = static_cast<TVerkauf*>(r.verkaeufe->AddMany(w.wert.Size()));
        leser.liste(w, [&](const TJsonWert& e) {
            TVerkauf& tag = *v++;
            const bool objekt =
                leser.objekt(e, n::verkauf, nullptr, [&](int k, const TJsonWert& f) {
                    switch (k) {
                    case 0:
                        uint16(tag.jahr, f);
                        break;
                    case 1:
                        uint16(tag.monat, f);
                        break;
                    case 2:
                        uint16(tag.tag, f);
                        break;
                    case 3:
                        int32(tag.menge, f);
                        break;
                    case 4:
                        zahl(tag.umsatznetto, f);
                        break;
                    case 5:
                        zahl(tag.umsatzbrutto, f);
                        break;
                    case 6:
                        zahl(tag.wareneinsatz, f);
                        break;
                    case 7:
                        zahl(tag.wequote, f);
                        break;
                    case 8:
                        zahl(tag.deckungsbeitrag, f);
                        break;
                    }
                });
            if (objekt && !QDate::isValid(tag.jahr, tag.monat, tag.tag))
                leser.warnung(e.pfad, QStringLiteral("%1-%2-%3 ist kein gültiges Datum")
                                          .arg(tag.jahr, 4, 10, QLatin1Char('0'))
                                          .arg(tag.monat, 2, 10, QLatin1Char('0'))
                                          .arg(tag.tag, 2, 10, QLatin1Char('0')));
        });
    }

    // Groups left out keep the default group's values for their position.
    void gruppen(const TJsonWert& w) {
        if (!w.wert.IsArray()) {
            leser.liste(w, [](const TJsonWert&) {});
            return;
        }
        if (w.wert.Size() != TGruppenTabelle::anzahl)
            leser.fehler(w.pfad, QStringLiteral("%1 Gruppen erwartet, aber %2 gefunden")
                                     .arg(TGruppenTabelle::anzahl)
                                     .arg(w.wert.Size()));
        leser.liste(w, [&](const TJsonWert& e) {
            const int nr = int(e.pfad.index); // beyond 40 only checked
            leser.objekt(e, n::gruppe, nullptr, [&](int k, const TJsonWert& v) {
                if (k == 0) {
                    // The data file keeps a group name whole, zero code units and all.
                    if (const auto t = leser.ganzerText(v))
                        daten.SetGruppe(nr, *t);
                } else if (const auto z = leser.zahl(v)) {
                    if (k == 1)
                        daten.SetGruppeMwst(nr, *z);
                    else
                        daten.SetGruppeWE(nr, *z);
                }
            });
        });
    }

    TDaten& daten;
    TJsonLeser& leser;
    std::vector<TGefunden> zutatWeitere;
    std::vector<TGefunden> zeilenWeitere;
};

QStringList meldungen(const std::vector<TJsonLeser::TMeldung>& liste, qsizetype anzahl,
                      QByteArrayView text, qsizetype anfang) {
    std::vector<TGesuchterOrt> orte;
    orte.reserve(liste.size());
    for (const auto& m : liste)
        orte.push_back({m.pfad, m.vorkommen});
    const std::vector<qsizetype> offsets = SucheOrte(text, anfang, orte);
    QStringList zeilen;
    for (size_t i = 0; i < liste.size(); ++i) {
        const qsizetype zeile = StelleVon(text, offsets[i]).zeile;
        zeilen.append(
            liste[i].pfad.isEmpty()
                ? QStringLiteral("Zeile %1: %2").arg(zeile).arg(liste[i].grund)
                : QStringLiteral("Zeile %1: %2: %3").arg(zeile).arg(liste[i].pfad, liste[i].grund));
    }
    if (anzahl > qsizetype(liste.size()))
        zeilen.append(QStringLiteral("… und %1 weitere").arg(anzahl - qsizetype(liste.size())));
    return zeilen;
}

} // namespace

TJsonImport LeseJson(QByteArrayView text) {
    TJsonImport ergebnis;
    auto syntaxFehler = [&](qsizetype offset, const QString& grund) {
        const TTextStelle s = StelleVon(text, offset);
        ergebnis.fehler.append(
            QStringLiteral("Zeile %1, Spalte %2: %3").arg(s.zeile).arg(s.spalte).arg(grund));
        ergebnis.fehlerAnzahl = 1;
        return std::move(ergebnis);
    };

    // The parser ends the text at a zero byte, which JSON allows nowhere.
    if (const void* null =
            text.isEmpty() ? nullptr : std::memchr(text.data(), 0, size_t(text.size())))
        return syntaxFehler(static_cast<const char*>(null) - text.data(),
                            QStringLiteral("Nullbyte im Text"));
    // A byte-order mark that some editors write is skipped.
    const qsizetype anfang = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // The parser decodes strings in place: a copy with a closing zero.
    std::unique_ptr<char[]> puffer(new char[size_t(text.size()) + 1]);
    if (!text.isEmpty())
        std::memcpy(puffer.get(), text.data(), size_t(text.size()));
    puffer[size_t(text.size())] = '\0';
    std::memset(puffer.get(), ' ', size_t(anfang));

    rapidjson::Document dokument;
    dokument.ParseInsitu<JsonLeseFlags>(puffer.get());
    if (dokument.HasParseError())
        return syntaxFehler(qsizetype(dokument.GetErrorOffset()),
                            syntaxGrund(dokument.GetParseError()));

    auto daten = std::make_unique<TDaten>();
    TJsonLeser leser;
    {
        TEinleser einleser(*daten, leser);
        einleser.lies(TJsonWert{dokument, TJsonPfad{}});
    }
    ergebnis.fehlerAnzahl = leser.fehlerAnzahl();
    ergebnis.warnungAnzahl = leser.warnungAnzahl();
    if (leser.fehlerAnzahl() > 0)
        ergebnis.fehler = meldungen(leser.fehlerListe(), leser.fehlerAnzahl(), text, anfang);
    if (leser.warnungAnzahl() > 0)
        ergebnis.warnungen = meldungen(leser.warnungListe(), leser.warnungAnzahl(), text, anfang);
    if (leser.fehlerAnzahl() == 0)
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
