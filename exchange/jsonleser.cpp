#include "exchange/jsonleser.h"

#include "exchange/jsonbibliothek.h"
#include "exchange/jsonort.h"
#include "exchange/jsonzahlen.h"

#include <cstring>

namespace {

// Numbers arrive as their text (see JsonLeseFlags), and so as string values. Both point
// into the text, decoded in place: a string's characters begin right after its opening
// quote, a number's never do.
bool istZahl(const rapidjson::Value& v) {
    return v.IsString() && v.GetString()[-1] != '"';
}
bool istText(const rapidjson::Value& v) {
    return v.IsString() && v.GetString()[-1] == '"';
}

std::string_view textVon(const rapidjson::Value& v) {
    return {v.GetString(), v.GetStringLength()};
}

QString zitat(std::string_view s) {
    constexpr qsizetype laenge = 40;
    QString t = QString::fromUtf8(s.data(), qsizetype(s.size()));
    if (t.size() > laenge)
        t = t.left(laenge) + QStringLiteral("…");
    return t;
}

// A lone low surrogate escape (\uDC00) comes out of the decoder as the three bytes of its
// code point, which UTF-8 forbids; a lone high one is refused by the parser.
bool hatEinzelnesErsatzzeichen(std::string_view s) {
    const char* p = s.data();
    const char* ende = p + s.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\xED', size_t(ende - p))))) {
        if (p + 1 < ende && static_cast<unsigned char>(p[1]) >= 0xA0)
            return true;
        ++p;
    }
    return false;
}

void haengeAn(QString& ziel, const TJsonPfad& p) {
    if (p.eltern)
        haengeAn(ziel, *p.eltern);
    if (p.index >= 0) {
        ziel += QLatin1Char('[') + QString::number(p.index) + QLatin1Char(']');
    } else if (!p.schluessel.empty()) {
        if (!ziel.isEmpty())
            ziel += QLatin1Char('.');
        ziel += QString::fromUtf8(p.schluessel.data(), qsizetype(p.schluessel.size()));
    }
}

} // namespace

QString TJsonOrt::text() const {
    switch (ebene) {
    case TJsonEbene::oben:
        return {};
    case TJsonEbene::zutat:
        return QStringLiteral("zutaten[%1]").arg(nr);
    case TJsonEbene::rezept:
        return QStringLiteral("rezepte[%1]").arg(nr);
    case TJsonEbene::zeile:
        return QStringLiteral("rezepte[%1].zeilen[%2]").arg(nr).arg(zeile);
    }
    return {};
}

QString TJsonPfad::text() const {
    QString t;
    haengeAn(t, *this);
    return t;
}

void TJsonLeser::fehler(const TJsonPfad& ort, const QString& grund) {
    if (anzahlFehler++ < hoechstens)
        fehlerMeldungen.push_back({ort.text(), ort.vorkommen, grund});
}

void TJsonLeser::warnung(const TJsonPfad& ort, const QString& grund) {
    if (anzahlWarnungen++ < hoechstens)
        warnungMeldungen.push_back({ort.text(), ort.vorkommen, grund});
}

void TJsonLeser::falscherTyp(const TJsonWert& w, const char* erwartet) {
    const rapidjson::Value& v = w.wert;
    QString gefunden;
    if (v.IsObject())
        gefunden = QStringLiteral("ein Objekt");
    else if (v.IsArray())
        gefunden = QStringLiteral("eine Liste");
    else if (istZahl(v))
        gefunden = QStringLiteral("die Zahl %1").arg(zitat(textVon(v)));
    else if (v.IsString())
        gefunden = QStringLiteral("den Text \"%1\"").arg(zitat(textVon(v)));
    else if (v.IsBool())
        gefunden = v.GetBool() ? QStringLiteral("true") : QStringLiteral("false");
    else
        gefunden = QStringLiteral("null");
    fehler(
        w.pfad,
        QStringLiteral("%1 erwartet, aber %2 gefunden").arg(QString::fromUtf8(erwartet), gefunden));
}

std::optional<double> TJsonLeser::zahl(const TJsonWert& w) {
    if (istZahl(w.wert)) {
        const TJsonZahl z = JsonGleitkomma(textVon(w.wert));
        if (z.art == TJsonZahl::Art::ok)
            return z.gleitkomma;
        fehler(w.pfad, QStringLiteral("%1 ist als Gleitkommazahl nicht darstellbar")
                           .arg(zitat(textVon(w.wert))));
        return std::nullopt;
    }
    if (istText(w.wert))
        if (const auto sonder = JsonNichtEndlichWert(textVon(w.wert)))
            return sonder;
    falscherTyp(w, "Zahl (oder \"NaN\", \"Infinity\", \"-Infinity\")");
    return std::nullopt;
}

std::optional<int64_t> TJsonLeser::ganzzahl(const TJsonWert& w, int64_t min, int64_t max) {
    if (!istZahl(w.wert)) {
        falscherTyp(w, "Ganze Zahl");
        return std::nullopt;
    }
    const TJsonZahl z = JsonGanzzahl(textVon(w.wert), min, max);
    switch (z.art) {
    case TJsonZahl::Art::ok:
        return z.ganz;
    case TJsonZahl::Art::keineGanzzahl:
        fehler(w.pfad,
               QStringLiteral("Ganze Zahl erwartet, aber %1 gefunden").arg(zitat(textVon(w.wert))));
        break;
    case TJsonZahl::Art::ausserhalb:
        fehler(w.pfad, QStringLiteral("%1 liegt außerhalb von %2 bis %3")
                           .arg(zitat(textVon(w.wert)))
                           .arg(min)
                           .arg(max));
        break;
    }
    return std::nullopt;
}

std::optional<QString> TJsonLeser::ganzerText(const TJsonWert& w) {
    if (!istText(w.wert)) {
        falscherTyp(w, "Text");
        return std::nullopt;
    }
    const std::string_view s = textVon(w.wert);
    if (hatEinzelnesErsatzzeichen(s)) {
        fehler(w.pfad, QStringLiteral("enthält ein einzelnes Ersatzzeichen (Surrogat)"));
        return std::nullopt;
    }
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::optional<QString> TJsonLeser::text(const TJsonWert& w) {
    auto t = ganzerText(w);
    if (t) {
        const qsizetype null = t->indexOf(QChar(0));
        if (null >= 0)
            t->truncate(null);
    }
    return t;
}

std::optional<QByteArray> TJsonLeser::bytes(const TJsonWert& w) {
    if (!istText(w.wert)) {
        falscherTyp(w, "Base64-Text");
        return std::nullopt;
    }
    const std::string_view s = textVon(w.wert);
    auto ergebnis =
        QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!ergebnis) {
        fehler(w.pfad, QStringLiteral("ist kein gültiger Base64-Text"));
        return std::nullopt;
    }
    return std::move(*ergebnis);
}

bool TJsonLeser::liste(const TJsonWert& w, TJsonAufruf<void(const TJsonWert&)> f) {
    if (!w.wert.IsArray()) {
        falscherTyp(w, "Liste");
        return false;
    }
    int64_t i = 0;
    for (const rapidjson::Value& element : w.wert.GetArray())
        f(TJsonWert{element, TJsonPfad{&w.pfad, {}, i++}});
    return true;
}

bool TJsonLeser::objekt(const TJsonWert& w, std::span<const std::string_view> namen,
                        const std::vector<std::string_view>* weitere,
                        TJsonAufruf<void(int, const TJsonWert&)> f) {
    if (!w.wert.IsObject()) {
        falscherTyp(w, "Objekt");
        return false;
    }
    std::vector<bool> gesehen;
    uint64_t gesehenBits = 0; // for the first 64 names, the usual case
    const size_t anzahl = namen.size() + (weitere ? weitere->size() : 0);
    if (anzahl > 64)
        gesehen.resize(anzahl);
    for (const auto& m : w.wert.GetObject()) {
        const std::string_view name(m.name.GetString(), m.name.GetStringLength());
        int nr = -1;
        for (size_t k = 0; k < namen.size(); ++k)
            if (namen[k] == name) {
                nr = int(k);
                break;
            }
        if (nr < 0 && weitere)
            for (size_t k = 0; k < weitere->size(); ++k)
                if ((*weitere)[k] == name) {
                    nr = int(namen.size() + k);
                    break;
                }
        TJsonPfad pfad{&w.pfad, name, -1};
        if (nr < 0) {
            fehler(pfad, QStringLiteral("unbekannter Schlüssel"));
            continue;
        }
        bool doppelt;
        if (anzahl > 64) {
            doppelt = gesehen[size_t(nr)];
            gesehen[size_t(nr)] = true;
        } else {
            doppelt = gesehenBits & (uint64_t(1) << nr);
            gesehenBits |= uint64_t(1) << nr;
        }
        if (doppelt) {
            pfad.vorkommen = 2;
            fehler(pfad, QStringLiteral("Schlüssel doppelt"));
            continue;
        }
        f(nr, TJsonWert{m.value, pfad});
    }
    return true;
}
