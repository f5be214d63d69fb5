#include "exchange/csvimport.h"

#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preisverlauf.h"
#include "exchange/csvkodierung.h"

#include <QFile>

#include <cstring>
#include <limits>
#include <vector>

namespace {

// decodeenters into `puffer`; a field without quotes and backslashes needs no copy.
QStringView dekodiere(QStringView s, QString& puffer) {
    if (!s.isEmpty() && s.front() == u'"')
        s = s.sliced(1);
    if (!s.isEmpty() && s.back() == u'"')
        s.chop(1);
    if (!s.contains(u'"') && !s.contains(u'\\'))
        return s;
    puffer.clear();
    puffer.reserve(s.size() + 1);
    bool anfuehrung = false; // the previous character was a double quote
    bool rueckstrich = false;
    for (const QChar c : s) {
        if (c == u'"') {
            if (anfuehrung)
                continue; // runs of quotes collapse before escapes are read
            anfuehrung = true;
        } else {
            anfuehrung = false;
        }
        if (c == u'\\') {
            rueckstrich = true;
            continue;
        }
        if (rueckstrich) {
            rueckstrich = false;
            if (c == u'r') {
                puffer += QChar(u'\r');
                continue;
            }
            if (c == u'n') {
                puffer += QChar(u'\n');
                continue;
            }
            puffer += QChar(u'\\');
        }
        puffer += c;
    }
    if (rueckstrich)
        puffer += QChar(u'\\');
    return puffer;
}

// Calls feld(nummer, rohtext) for each field of the line, counted from 0, until it
// returns false. The text after a final ";" is only a field when it is not empty.
template <class F> void fuerFelder(QStringView zeile, F&& feld) {
    qsizetype p = 0;
    int nummer = 0;
    while (p < zeile.size()) {
        qsizetype trenner = zeile.indexOf(u';', p);
        if (trenner < 0)
            trenner = zeile.size();
        if (!feld(nummer++, zeile.sliced(p, trenner - p)))
            return;
        p = trenner + 1;
    }
}

// Calls zeile(text) for each line, its end (LF, CR LF) removed and every other CR
// dropped. The end of the text ends the last line.
template <class F> void fuerZeilen(QStringView text, F&& zeile) {
    QString ohneCr;
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype lf = text.indexOf(u'\n', anfang);
        if (lf < 0)
            lf = text.size();
        QStringView z = text.sliced(anfang, lf - anfang);
        if (z.endsWith(u'\r'))
            z.chop(1);
        if (z.contains(u'\r')) {
            ohneCr = z.toString();
            ohneCr.remove(u'\r');
            z = ohneCr;
        }
        zeile(z);
        anfang = lf + 1;
    }
}

void fuelle(TZutat& z, QStringView zeile, QString& puffer) {
    fuerFelder(zeile, [&](int nummer, QStringView roh) {
        const QStringView text = dekodiere(roh, puffer);
        switch (nummer) {
        case 0:
            CopyText(z.name, text);
            break;
        case 1:
            CopyText(z.lieferant, text);
            break;
        case 2:
            CopyText(z.zgruppe, text);
            break;
        case 3:
            CopyText(z.preisproeinheit, text);
            break;
        case 4:
            z.preis = ZahlOder(text);
            break;
        case 5:
            z.menge = ZahlOder(text);
            break;
        default:
            CopyText(z.einheit, text);
            return false;
        }
        return true;
    });
    // Missing fields are empty texts.
    for (TText* feld : {&z.name, &z.lieferant, &z.zgruppe, &z.preisproeinheit, &z.einheit})
        if (!*feld)
            CopyText(*feld, {});
}

// Ingredients read but not yet in the catalogue; whatever is not handed over is released.
struct TNeueZutaten {
    std::vector<TZutat> zutaten;
    ~TNeueZutaten() {
        for (TZutat& z : zutaten)
            FreeZutatInhalt(z);
    }
};

} // namespace

QString decodeenters(QStringView s) {
    QString puffer;
    return dekodiere(s, puffer).toString();
}

QStringList TeileZeile(QStringView zeile) {
    QStringList felder;
    QString puffer;
    fuerFelder(zeile, [&](int, QStringView roh) {
        felder.append(dekodiere(roh, puffer).toString());
        return true;
    });
    return felder;
}

qsizetype ImportiereZutaten(TDaten& daten, QByteArrayView bytes, bool ersteZeileUeberspringen) {
    const QString text = CsvText(bytes);
    TNeueZutaten neu;
    QString puffer;
    bool ueberspringen = ersteZeileUeberspringen;
    fuerZeilen(text, [&](QStringView zeile) {
        if (ueberspringen) {
            ueberspringen = false; // whatever the first line holds
            return;
        }
        if (zeile.isEmpty())
            return;
        neu.zutaten.push_back(TZutat{});
        fuelle(neu.zutaten.back(), zeile, puffer);
    });

    const size_t anzahl = neu.zutaten.size();
    if (anzahl == 0)
        return 0;
    if (anzahl > std::numeric_limits<uint32_t>::max() - daten.zutats.count)
        throw TFehler(QStringLiteral("Zu viele Zutaten"));
    auto* ziel = static_cast<TZutat*>(daten.zutats.AddMany(uint32_t(anzahl)));
    std::memcpy(static_cast<void*>(ziel), neu.zutaten.data(), anzahl * sizeof(TZutat));
    neu.zutaten.clear(); // the catalogue owns the texts now
    for (uint32_t nr = daten.zutats.count - uint32_t(anzahl); nr < daten.zutats.count; ++nr)
        MerkeNeueZutat(daten, nr, TPreisquelle::csvImport);
    return qsizetype(anzahl);
}

qsizetype ImportiereZutatenDatei(TDaten& daten, const QString& pfad, bool ersteZeileUeberspringen) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TNichtGeoeffnet();
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw TFehler(datei.errorString());
    datei.close();
    return ImportiereZutaten(daten, bytes, ersteZeileUeberspringen);
}
