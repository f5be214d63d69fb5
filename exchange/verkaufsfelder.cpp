#include "exchange/verkaufsfelder.h"

#include <QDate>

namespace {

// Reads 1 to `hoechstens` digits at i; the number of digits read, 0 for none.
int ziffern(QStringView t, qsizetype& i, int hoechstens, int& wert) {
    int anzahl = 0;
    wert = 0;
    while (i < t.size() && anzahl < hoechstens && t[i] >= u'0' && t[i] <= u'9') {
        wert = wert * 10 + (t[i].unicode() - u'0');
        ++i;
        ++anzahl;
    }
    // A longer run of digits is no field of this form.
    if (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
        return 0;
    return anzahl;
}

bool zeichen(QStringView t, qsizetype& i, char16_t c) {
    if (i < t.size() && t[i] == c) {
        ++i;
        return true;
    }
    return false;
}

// Exactly two digits, as in "+0130".
bool zweiZiffern(QStringView t, qsizetype& i, int hoechstwert) {
    if (i + 2 > t.size() || t[i] < u'0' || t[i] > u'9' || t[i + 1] < u'0' || t[i + 1] > u'9')
        return false;
    const int wert = (t[i].unicode() - u'0') * 10 + (t[i + 1].unicode() - u'0');
    i += 2;
    return wert <= hoechstwert;
}

// "12:30", "12:30:15", "12:30:15.250", then "Z" or "+02:00", "-0200", "+02".
bool istUhrzeit(QStringView t, qsizetype i) {
    int stunde = 0;
    if (ziffern(t, i, 2, stunde) == 0 || stunde > 23 || !zeichen(t, i, u':') ||
        !zweiZiffern(t, i, 59))
        return false;
    if (zeichen(t, i, u':')) {
        if (!zweiZiffern(t, i, 60))
            return false;
        if (zeichen(t, i, u'.') || zeichen(t, i, u',')) {
            const qsizetype anfang = i;
            while (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
                ++i;
            if (i == anfang)
                return false;
        }
    }
    if (zeichen(t, i, u'Z'))
        return i == t.size();
    if (zeichen(t, i, u'+') || zeichen(t, i, u'-')) {
        if (!zweiZiffern(t, i, 23))
            return false;
        const bool doppelpunkt = zeichen(t, i, u':');
        if (i < t.size() || doppelpunkt)
            if (!zweiZiffern(t, i, 59))
                return false;
    }
    return i == t.size();
}

} // namespace

std::optional<TVerkaufstag> LiesVerkaufstag(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    int erste = 0, jahr = 0, monat = 0, tag = 0;
    const int stellen = ziffern(t, i, 4, erste);
    if (stellen == 0)
        return std::nullopt;
    if (zeichen(t, i, u'.')) {
        if (stellen > 2 || ziffern(t, i, 2, monat) == 0 || !zeichen(t, i, u'.'))
            return std::nullopt;
        tag = erste;
        const int jahrstellen = ziffern(t, i, 4, jahr);
        if (jahrstellen == 2)
            jahr += 2000;
        else if (jahrstellen != 4)
            return std::nullopt;
    } else if (zeichen(t, i, u'-')) {
        if (stellen != 4 || ziffern(t, i, 2, monat) == 0 || !zeichen(t, i, u'-') ||
            ziffern(t, i, 2, tag) == 0)
            return std::nullopt;
        jahr = erste;
    } else {
        return std::nullopt;
    }

    if (i < t.size()) {
        if (t[i] == u'T') {
            ++i;
        } else if (t[i].isSpace()) {
            while (i < t.size() && t[i].isSpace())
                ++i;
        } else {
            return std::nullopt;
        }
        if (!istUhrzeit(t, i))
            return std::nullopt;
    }
    // The calendar has no year 0.
    if (!QDate::isValid(jahr, monat, tag))
        return std::nullopt;
    return TVerkaufstag{uint16_t(jahr), uint16_t(monat), uint16_t(tag)};
}

TAnzahl LiesAnzahl(QStringView text, int64_t grenze) {
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return {TAnzahlArt::fehlt, 0};
    const bool minus = t.front() == u'-';
    const QStringView ziffernteil = minus ? t.sliced(1) : t;
    if (ziffernteil.isEmpty())
        return {TAnzahlArt::ungueltig, 0};
    int64_t wert = 0;
    for (const QChar c : ziffernteil) {
        if (c < u'0' || c > u'9')
            return {TAnzahlArt::ungueltig, 0};
        if (wert <= grenze)
            wert = wert * 10 + (c.unicode() - u'0');
    }
    if (minus)
        return {TAnzahlArt::negativ, 0};
    return {TAnzahlArt::ok, wert > grenze ? grenze + 1 : wert};
}
