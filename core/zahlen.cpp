#include "core/zahlen.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// True when the exact binary value of w lies exactly halfway between two multiples of
// 10^-stellen (stellen may be negative: halfway between multiples of 10^-stellen).
bool istHalbe(double w, int stellen) {
    if (!std::isfinite(w) || w == 0.0)
        return false;
    int exp2 = 0;
    const double f = std::frexp(std::fabs(w), &exp2);
    const auto mantisse = uint64_t(std::ldexp(f, 53));
    const int niedrigstesBit = exp2 - 53 + std::countr_zero(mantisse);
    if (stellen >= 0)
        // w * 10^stellen * 2 is an odd integer exactly when the lowest set bit of w
        // weighs 2^-(stellen+1): the factor 5^stellen is odd.
        return niedrigstesBit == -(stellen + 1);
    // Halfway between multiples of 10^k (k = -stellen) needs an integer w with
    // w mod 10^k == 5 * 10^(k-1).
    if (niedrigstesBit < 0 || std::fabs(w) >= 1.8e19)
        return false;
    const auto ganz = uint64_t(std::fabs(w));
    uint64_t zehnK = 1;
    for (int i = 0; i < -stellen; ++i) {
        if (zehnK > std::numeric_limits<uint64_t>::max() / 10)
            return false;
        zehnK *= 10;
    }
    return ganz % zehnK == zehnK / 2;
}

double wegVonNull(double w) {
    return std::nextafter(w, w > 0 ? std::numeric_limits<double>::infinity()
                                   : -std::numeric_limits<double>::infinity());
}

// The default locale's separator, looked up again only when the default changes: the
// lists write hundreds of thousands of numbers.
QString dezimaltrenner() {
    thread_local QLocale basis = QLocale::c();
    thread_local QString trenner = QLocale::c().decimalPoint();
    const QLocale aktuell;
    if (aktuell != basis) {
        basis = aktuell;
        trenner = aktuell.decimalPoint();
    }
    return trenner;
}

QString nichtEndlich(double w) {
    if (std::isnan(w))
        return QStringLiteral("NAN");
    return w > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

// Latin-1 digits with '.' as separator into a QString with the locale's separator.
QString mitTrenner(const char* anfang, const char* ende) {
    const QString trenner = dezimaltrenner();
    const auto* punkt = static_cast<const char*>(std::memchr(anfang, '.', size_t(ende - anfang)));
    if (punkt && trenner.size() == 1) {
        // One allocation, the separator written in place.
        QString s(ende - anfang, Qt::Uninitialized);
        QChar* z = s.data();
        for (const char* p = anfang; p != ende; ++p)
            *z++ = p == punkt ? trenner[0] : QChar(QLatin1Char(*p));
        return s;
    }
    QString s = QString::fromLatin1(anfang, ende - anfang);
    if (punkt)
        s.replace(punkt - anfang, 1, trenner);
    return s;
}

bool nurNullen(const char* anfang, const char* ende) {
    for (const char* p = anfang; p != ende; ++p)
        if (*p >= '1' && *p <= '9')
            return false;
    return true;
}

} // namespace

QString ZahlAllgemein(double wert) {
    if (!std::isfinite(wert))
        return nichtEndlich(wert);
    if (wert == 0.0)
        return QStringLiteral("0");

    char puffer[64];
    // Zero-terminated, because the exponent is read with atoi.
    auto wissenschaftlich = [&](double w) {
        char* ende =
            std::to_chars(puffer, puffer + sizeof puffer - 1, w, std::chars_format::scientific, 14)
                .ptr;
        *ende = '\0';
        return ende;
    };
    const char* ende = wissenschaftlich(wert);
    int exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    if (istHalbe(wert, 14 - exponent)) {
        ende = wissenschaftlich(wegVonNull(wert));
        exponent = std::atoi(std::strchr(puffer, 'e') + 1);
    }
    (void)ende;

    const bool negativ = puffer[0] == '-';
    // The 15 significant digits without sign and point, trailing zeros dropped.
    char ziffern[16];
    int anzahl = 0;
    for (const char* p = puffer + (negativ ? 1 : 0); *p != 'e'; ++p)
        if (*p != '.')
            ziffern[anzahl++] = *p;
    while (anzahl > 1 && ziffern[anzahl - 1] == '0')
        --anzahl;

    QString text;
    if (negativ)
        text += QLatin1Char('-');
    const QString trenner = dezimaltrenner();
    if (exponent >= 15 || exponent < -5) {
        text += QLatin1Char(ziffern[0]);
        if (anzahl > 1) {
            text += trenner;
            text += QLatin1String(ziffern + 1, anzahl - 1);
        }
        text += QLatin1Char('E');
        text += QString::number(exponent);
        return text;
    }
    if (exponent < 0) {
        text += QLatin1Char('0');
        text += trenner;
        text += QString(-exponent - 1, QLatin1Char('0'));
        text += QLatin1String(ziffern, anzahl);
        return text;
    }
    const int ganzStellen = exponent + 1;
    for (int i = 0; i < ganzStellen; ++i)
        text += QLatin1Char(i < anzahl ? ziffern[i] : '0');
    if (anzahl > ganzStellen) {
        text += trenner;
        text += QLatin1String(ziffern + ganzStellen, anzahl - ganzStellen);
    }
    return text;
}

QString ZahlFest(double wert, int stellen) {
    if (!std::isfinite(wert))
        return nichtEndlich(wert);
    stellen = std::clamp(stellen, 0, 100);
    double w = wert;
    if (istHalbe(w, stellen))
        w = wegVonNull(w);
    if (std::fabs(w) >= 1e15) {
        // Rounding may still carry 999999999999999.995 over the limit; the check
        // below catches that from the text.
        return ZahlAllgemein(wert);
    }
    char puffer[160];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::fixed, stellen);
    (void)fehler;
    const char* anfang = puffer;
    if (*anfang == '-' && nurNullen(anfang, ende))
        ++anfang; // no "-0,00"
    const char* punkt = static_cast<const char*>(std::memchr(anfang, '.', ende - anfang));
    const char* ganzEnde = punkt ? punkt : ende;
    if (ganzEnde - anfang - (*anfang == '-' ? 1 : 0) > 15)
        return ZahlAllgemein(wert);
    return mitTrenner(anfang, ende);
}

namespace {

// The reading locale and what the fast path needs of it, kept while the default locale
// stays the same: list ordering reads hundreds of thousands of cells.
struct TLeseLocale {
    QLocale basis = QLocale::c();
    QLocale lesen = QLocale::c();
    char16_t trenner = u'.';
    bool einfach = true; // ASCII digits and "-": plain texts can skip QLocale
};

const TLeseLocale& LeseLocale() {
    thread_local TLeseLocale l = [] {
        TLeseLocale neu;
        neu.lesen.setNumberOptions(neu.lesen.numberOptions() | QLocale::RejectGroupSeparator);
        return neu;
    }();
    const QLocale aktuell;
    if (aktuell != l.basis) {
        l.basis = aktuell;
        l.lesen = aktuell;
        l.lesen.setNumberOptions(aktuell.numberOptions() | QLocale::RejectGroupSeparator);
        const QString trenner = aktuell.decimalPoint();
        l.einfach = trenner.size() == 1 && aktuell.zeroDigit() == QLatin1String("0") &&
                    aktuell.negativeSign() == QLatin1String("-");
        l.trenner = l.einfach ? trenner[0].unicode() : u'.';
    }
    return l;
}

// "-"? digits (no leading zero) and optionally the separator and digits, as the number
// texts of the lists are written. Such a text means what std::from_chars reads from it
// with '.', and both conversions round correctly, so the value is the same.
std::optional<double> LiesEinfach(QStringView s, char16_t trenner) {
    if (s.size() > 40)
        return std::nullopt;
    char puffer[48];
    qsizetype i = 0;
    int n = 0;
    if (s[0] == u'-') {
        puffer[n++] = '-';
        ++i;
    }
    const qsizetype ganzAnfang = i;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9')
        puffer[n++] = char(s[i++].unicode());
    const qsizetype ganzStellen = i - ganzAnfang;
    if (ganzStellen == 0 || (ganzStellen > 1 && s[ganzAnfang] == u'0'))
        return std::nullopt;
    if (i < s.size()) {
        if (s[i] != trenner)
            return std::nullopt;
        puffer[n++] = '.';
        const qsizetype bruchAnfang = ++i;
        while (i < s.size() && s[i] >= u'0' && s[i] <= u'9')
            puffer[n++] = char(s[i++].unicode());
        if (i == bruchAnfang || i != s.size())
            return std::nullopt;
    }
    double w = 0;
    const auto [ende, fehler] = std::from_chars(puffer, puffer + n, w);
    if (fehler != std::errc() || ende != puffer + n || !std::isfinite(w))
        return std::nullopt;
    return w;
}

} // namespace

std::optional<double> LiesZahl(QStringView text) {
    const QStringView s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    const TLeseLocale& locale = LeseLocale();
    if (locale.einfach)
        if (const auto w = LiesEinfach(s, locale.trenner))
            return w;
    bool ok = false;
    const double w = locale.lesen.toDouble(s, &ok);
    if (!ok || !std::isfinite(w))
        return std::nullopt;
    return w;
}

std::optional<int> LiesGanzzahl(QStringView text) {
    bool ok = false;
    const int w = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return w;
}

double Gerundet(double wert, int stellen) {
    // From 2^53 on every double is whole.
    if (!std::isfinite(wert) || std::fabs(wert) >= 9007199254740992.0)
        return wert;
    stellen = std::clamp(stellen, 0, 100);
    char puffer[400];
    double w = wert;
    if (istHalbe(w, stellen))
        w = wegVonNull(w);
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, w, std::chars_format::fixed, stellen).ptr;
    double ergebnis = 0;
    std::from_chars(puffer, ende, ergebnis);
    return ergebnis;
}
