#include "exchange/csvsaetze.h"

#include "core/fehler.h"

namespace {

bool istZeilenende(char16_t c) {
    return c == u'\n' || c == u'\r';
}

} // namespace

char16_t TCsvLeser::haeufigsterTrenner() const {
    static constexpr char16_t kandidaten[3] = {u';', u'\t', u','};
    qsizetype anzahl[3] = {0, 0, 0};
    const char16_t* t = text.utf16();
    const qsizetype n = text.size();
    bool feldanfang = true;
    bool inAnfuehrung = false;
    for (qsizetype k = pos; k < n; ++k) {
        const char16_t c = t[k];
        if (inAnfuehrung) {
            if (c == u'"') {
                if (k + 1 < n && t[k + 1] == u'"')
                    ++k;
                else
                    inAnfuehrung = false;
            }
            continue;
        }
        if (istZeilenende(c))
            break;
        bool trenner = false;
        for (int i = 0; i < 3; ++i)
            if (c == kandidaten[i]) {
                ++anzahl[i];
                trenner = true;
            }
        if (trenner) {
            feldanfang = true;
        } else if (c == u'"' && feldanfang) {
            inAnfuehrung = true;
            feldanfang = false;
        } else if (c != u' ') {
            feldanfang = false;
        }
    }
    int beste = 0;
    for (int i = 1; i < 3; ++i)
        if (anzahl[i] > anzahl[beste])
            beste = i;
    return kandidaten[beste];
}

qsizetype TCsvLeser::leseZeilenende(qsizetype i) {
    const char16_t* t = text.utf16();
    ++naechsteZeile;
    if (t[i] == u'\r' && i + 1 < text.size() && t[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}

// i stands on the opening quote; afterwards on the separator or line end after the field.
void TCsvLeser::leseAnfuehrung(qsizetype& i) {
    const char16_t* t = text.utf16();
    const qsizetype n = text.size();
    const size_t nummer = felder.size();
    QString* kopie = nullptr;
    auto beginneKopie = [&] {
        if (puffer.size() <= nummer)
            puffer.resize(nummer + 1);
        kopie = &puffer[nummer];
        kopie->resize(0);
    };

    qsizetype abschnitt = i + 1; // start of the text not yet in the copy
    qsizetype k = abschnitt;
    for (; k < n; ++k) {
        const char16_t c = t[k];
        if (c == u'"') {
            if (k + 1 < n && t[k + 1] == u'"') {
                if (!kopie)
                    beginneKopie();
                kopie->append(text.sliced(abschnitt, k + 1 - abschnitt));
                abschnitt = k + 2;
                ++k;
                continue;
            }
            break;
        }
        if (c == u'\n') {
            ++naechsteZeile;
        } else if (c == u'\r') {
            ++naechsteZeile;
            if (k + 1 < n && t[k + 1] == u'\n')
                ++k;
        }
    }
    if (k >= n) {
        offenGeblieben = true;
        i = n;
        if (!kopie) {
            felder.push_back(text.sliced(abschnitt));
        } else {
            kopie->append(text.sliced(abschnitt));
            felder.push_back(*kopie);
        }
        return;
    }

    const qsizetype inhaltEnde = k;
    qsizetype rest = k + 1;
    qsizetype restEnde = rest;
    while (restEnde < n && t[restEnde] != trenner && !istZeilenende(t[restEnde]))
        ++restEnde;
    i = restEnde;
    if (!kopie && restEnde == rest) {
        felder.push_back(text.sliced(abschnitt, inhaltEnde - abschnitt));
        return;
    }
    if (!kopie)
        beginneKopie();
    kopie->append(text.sliced(abschnitt, inhaltEnde - abschnitt));
    kopie->append(text.sliced(rest, restEnde - rest));
    felder.push_back(*kopie);
}

bool TCsvLeser::naechster() {
    const qsizetype n = text.size();
    if (pos >= n)
        return false;
    const char16_t* t = text.utf16();
    anfangszeile = naechsteZeile;
    offenGeblieben = false;
    felder.clear();
    qsizetype i = pos;
    for (;;) {
        qsizetype j = i;
        while (j < n && t[j] == u' ')
            ++j;
        if (j < n && t[j] == u'"') {
            i = j;
            leseAnfuehrung(i);
            if (offenGeblieben) {
                pos = n;
                return true;
            }
        } else {
            qsizetype k = i;
            while (k < n && t[k] != trenner && !istZeilenende(t[k]))
                ++k;
            felder.push_back(text.sliced(i, k - i));
            i = k;
        }
        if (i >= n) {
            pos = n;
            return true;
        }
        if (t[i] == trenner) {
            ++i;
            continue;
        }
        pos = leseZeilenende(i);
        return true;
    }
}

bool TCsvLeser::leer() const {
    for (const QStringView f : felder)
        if (!f.trimmed().isEmpty())
            return false;
    return true;
}

void LeseBisKopfzeile(TCsvLeser& leser) {
    for (;;) {
        leser.setzeTrenner(leser.haeufigsterTrenner());
        if (!leser.naechster())
            throw TFehler(QStringLiteral("Die Datei ist leer"));
        if (leser.offen())
            throw TFehler(
                QStringLiteral("In der Kopfzeile (Zeile %1) ist ein Anführungszeichen nicht "
                               "geschlossen")
                    .arg(leser.zeile()));
        if (!leser.leer())
            return;
    }
}
