#include "exchange/jsonausgabe.h"

#include "core/fehler.h"
#include "exchange/jsonbibliothek.h"
#include "exchange/jsonzahlen.h"

#include <string>

struct TJsonAusgabe::TInnen {
    explicit TInnen(QIODevice& g) : geraet(g), schreiber(puffer) { schreiber.SetIndent('\t', 1); }

    QIODevice& geraet;
    rapidjson::StringBuffer puffer;
    rapidjson::PrettyWriter<rapidjson::StringBuffer> schreiber;
    std::string utf8;
    std::string_view letzterSchluessel;
};

namespace {

constexpr size_t portion = size_t(1) << 20;

// UTF-16 to UTF-8; false at a lone surrogate.
bool alsUtf8(QStringView s, std::string& ziel) {
    ziel.resize(size_t(s.size()) * 3);
    char* z = ziel.data();
    const char16_t* p = s.utf16();
    const char16_t* ende = p + s.size();
    while (p < ende) {
        const char32_t c = *p++;
        if (c < 0x80) {
            *z++ = char(c);
        } else if (c < 0x800) {
            *z++ = char(0xC0 | (c >> 6));
            *z++ = char(0x80 | (c & 0x3F));
        } else if (c < 0xD800 || c > 0xDFFF) {
            *z++ = char(0xE0 | (c >> 12));
            *z++ = char(0x80 | ((c >> 6) & 0x3F));
            *z++ = char(0x80 | (c & 0x3F));
        } else {
            if (c > 0xDBFF || p == ende || *p < 0xDC00 || *p > 0xDFFF)
                return false;
            const char32_t voll = 0x10000 + ((c - 0xD800) << 10) + (char32_t(*p++) - 0xDC00);
            *z++ = char(0xF0 | (voll >> 18));
            *z++ = char(0x80 | ((voll >> 12) & 0x3F));
            *z++ = char(0x80 | ((voll >> 6) & 0x3F));
            *z++ = char(0x80 | (voll & 0x3F));
        }
    }
    ziel.resize(size_t(z - ziel.data()));
    return true;
}

} // namespace

TJsonAusgabe::TJsonAusgabe(QIODevice& geraet) : d(std::make_unique<TInnen>(geraet)) {}

TJsonAusgabe::~TJsonAusgabe() = default;

void TJsonAusgabe::objektAnfang() {
    d->schreiber.StartObject();
}

void TJsonAusgabe::objektEnde() {
    d->schreiber.EndObject();
}

void TJsonAusgabe::listeAnfang() {
    d->schreiber.StartArray();
}

void TJsonAusgabe::listeEnde() {
    d->schreiber.EndArray();
}

void TJsonAusgabe::schluessel(std::string_view name) {
    d->letzterSchluessel = name;
    d->schreiber.Key(name.data(), rapidjson::SizeType(name.size()));
}

void TJsonAusgabe::text(QStringView s) {
    if (!alsUtf8(s, d->utf8)) {
        QString wo = ortText.isEmpty() ? ort.text() : ortText;
        if (!d->letzterSchluessel.empty()) {
            if (!wo.isEmpty())
                wo += QLatin1Char('.');
            wo += QString::fromUtf8(d->letzterSchluessel.data(),
                                    qsizetype(d->letzterSchluessel.size()));
        }
        throw TFehler(QStringLiteral("%1 enthält ein einzelnes Ersatzzeichen (Surrogat) und kann "
                                     "nicht als JSON geschrieben werden")
                          .arg(wo));
    }
    d->schreiber.String(d->utf8.data(), rapidjson::SizeType(d->utf8.size()));
}

void TJsonAusgabe::zahl(double w) {
    if (const char* sonder = JsonNichtEndlich(w)) {
        d->schreiber.String(sonder);
        return;
    }
    char text[jsonZahlPlatz];
    const int laenge = JsonZahlText(w, text);
    d->schreiber.RawValue(text, size_t(laenge), rapidjson::kNumberType);
}

void TJsonAusgabe::ganzzahl(int64_t w) {
    d->schreiber.Int64(w);
}

void TJsonAusgabe::wahrheit(bool w) {
    d->schreiber.Bool(w);
}

void TJsonAusgabe::bytes(QByteArrayView b) {
    const QByteArray text = b.toByteArray().toBase64();
    d->schreiber.String(text.constData(), rapidjson::SizeType(text.size()));
}

void TJsonAusgabe::leeren() {
    if (d->puffer.GetSize() >= portion)
        gib();
}

void TJsonAusgabe::abschliessen() {
    d->puffer.Put('\n');
    gib();
}

void TJsonAusgabe::gib() {
    const char* p = d->puffer.GetString();
    const qint64 n = qint64(d->puffer.GetSize());
    qint64 pos = 0;
    while (pos < n) {
        const qint64 geschrieben = d->geraet.write(p + pos, n - pos);
        if (geschrieben <= 0) {
            const QString grund = d->geraet.errorString();
            throw TFehler(geschrieben < 0 && !grund.isEmpty() &&
                                  grund != QLatin1String("Unknown error")
                              ? grund
                              : QStringLiteral("Disk full"));
        }
        pos += geschrieben;
    }
    d->puffer.Clear();
}
