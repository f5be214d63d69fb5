#include "exchange/verkaufsimport.h"

#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "exchange/csvimport.h"
#include "exchange/csvkodierung.h"
#include "exchange/csvsaetze.h"
#include "exchange/rezeptnamen.h"
#include "exchange/verkaufsfelder.h"
#include "lists/verkauf.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

constexpr int64_t hoechsteTagesmenge = std::numeric_limits<int32_t>::max();

enum TRolle { rolleDatum, rolleArtikel, rolleMenge };

struct TSpalten {
    std::array<qsizetype, 3> spalte = {-1, -1, -1};
    std::array<TRolle, 3> reihenfolge = {rolleDatum, rolleArtikel, rolleMenge}; // by column
};

bool nennt(QStringView kopf, std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        if (kopf.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

TSpalten leseKopf(const TCsvLeser& leser) {
    TSpalten s;
    for (qsizetype i = 0; i < leser.anzahlFelder(); ++i) {
        const QStringView kopf = leser.feld(i).trimmed();
        TRolle rolle;
        if (nennt(kopf, {"Datum"}))
            rolle = rolleDatum;
        else if (nennt(kopf, {"Artikel", "Name", "Rezept"}))
            rolle = rolleArtikel;
        else if (nennt(kopf, {"Menge", "Anzahl", "Portionen"}))
            rolle = rolleMenge;
        else
            continue;
        if (s.spalte[rolle] < 0)
            s.spalte[rolle] = i;
    }

    static const char* const beschreibung[3] = {
        "das Datum (\"Datum\")", "den Artikel (\"Artikel\", \"Name\" oder \"Rezept\")",
        "die Menge (\"Menge\", \"Anzahl\" oder \"Portionen\")"};
    QStringList fehlend;
    for (int rolle = 0; rolle < 3; ++rolle)
        if (s.spalte[rolle] < 0)
            fehlend.append(QString::fromUtf8(beschreibung[rolle]));
    if (!fehlend.isEmpty()) {
        const QString liste = fehlend.size() == 1
                                  ? fehlend.front()
                                  : QStringList(fehlend.mid(0, fehlend.size() - 1)).join(u", ") +
                                        QStringLiteral(" und ") + fehlend.back();
        throw TFehler(QStringLiteral("Der Kopfzeile (Zeile %1) fehlt die Spalte für %2")
                          .arg(leser.zeile())
                          .arg(liste));
    }
    std::sort(s.reihenfolge.begin(), s.reihenfolge.end(),
              [&](TRolle a, TRolle b) { return s.spalte[a] < s.spalte[b]; });
    return s;
}

quint64 paar(uint32_t rezept, const TVerkaufstag& tag) {
    return quint64(rezept) << 32 | tag.schluessel();
}

// The day of a stored record, unless its fields are no day an import can name.
std::optional<TVerkaufstag> tagVon(const TVerkauf& v) {
    if (v.monat < 1 || v.monat > 12 || v.tag < 1 || v.tag > 31)
        return std::nullopt;
    return TVerkaufstag{v.jahr, v.monat, v.tag};
}

// Calls gefunden(wert, position, satz) for every stored record of the given recipes whose
// (recipe, day) is in `index`; the first call per value is the recipe's first record of
// that day, as ErfasseVerkauf finds it.
template <class F>
void fuerTagessaetze(const TDaten& daten, const std::vector<uint32_t>& rezepte,
                     const QHash<quint64, uint32_t>& index, F&& gefunden) {
    for (const uint32_t nr : rezepte) {
        const TRezept& r = daten.rezept(nr);
        if (!r.verkaeufe)
            continue;
        for (uint32_t i = 0; i < r.verkaeufe->count; ++i) {
            const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
            const std::optional<TVerkaufstag> tag = tagVon(v);
            if (!tag)
                continue;
            const auto it = index.constFind(paar(nr, *tag));
            if (it != index.constEnd())
                gefunden(it.value(), i, v);
        }
    }
}

QDate alsDatum(const TVerkaufstag& t) {
    return QDate(t.jahr, t.monat, t.tag);
}

QString kurz(const TVerkaufstag& t) {
    return KurzesDatum(alsDatum(t));
}

// The sales of one recipe on one day, as the file adds them up.
struct TGruppe {
    uint32_t rezept = 0;
    TVerkaufstag tag;
    int64_t bestand = 0; // the count already stored for that day
    int64_t summe = 0;   // of the sound lines so far
};

// A sound line with a count above 0.
struct TZeile {
    qint64 zeile = 0;
    uint32_t gruppe = 0;
    int32_t menge = 0; // at most MaxPortionen + 1
};

class TPruefer {
public:
    TPruefer(const TDaten& daten, const QString& quelle, const TSpalten& spalten)
        : daten(daten), quelle(quelle), spalten(spalten), namen(daten) {}

    void lies(TCsvLeser& leser);
    TVerkaufsPruefung ergebnis();

private:
    std::optional<QString> pruefeFeld(TRolle rolle, QStringView feld);
    int64_t rezeptNr(QStringView name);
    void findeBestaende();
    QString name(uint32_t rezept) const { return TextView(daten.rezept(rezept).name).toString(); }

    const TDaten& daten;
    const QString& quelle; // the decoded file; cached names point into it
    const TSpalten spalten;
    TRezeptNamen namen;
    QHash<QStringView, int64_t> namenCache;
    QHash<quint64, uint32_t> gruppenIndex;
    std::vector<TGruppe> gruppen;
    std::vector<TZeile> zeilen;
    QList<TVerkaufsFehler> fehler;
    qint64 gelesen = 0;

    // Of the line being read.
    TVerkaufstag tag;
    int64_t rezept = 0;
    int64_t anzahl = 0;
};

int64_t TPruefer::rezeptNr(QStringView name) {
    // Most till lines repeat a few names; a name read straight from the text stays
    // valid as a key, a copied one does not.
    const bool imText =
        name.data() >= quelle.data() && name.data() + name.size() <= quelle.data() + quelle.size();
    if (!imText)
        return namen.finde(name);
    const auto it = namenCache.constFind(name);
    if (it != namenCache.constEnd())
        return it.value();
    const int64_t nr = namen.finde(name);
    namenCache.insert(name, nr);
    return nr;
}

std::optional<QString> TPruefer::pruefeFeld(TRolle rolle, QStringView feld) {
    const QStringView t = feld.trimmed();
    switch (rolle) {
    case rolleDatum: {
        if (t.isEmpty())
            return QStringLiteral("Datum fehlt");
        const std::optional<TVerkaufstag> gelesenerTag = LiesVerkaufstag(t);
        if (!gelesenerTag)
            return QStringLiteral("ungültiges Datum \"%1\"").arg(t);
        tag = *gelesenerTag;
        return std::nullopt;
    }
    case rolleArtikel:
        if (t.isEmpty())
            return QStringLiteral("Artikel fehlt");
        rezept = rezeptNr(t);
        if (rezept == TRezeptNamen::unbekannt)
            return QStringLiteral("unbekannter Artikel \"%1\"").arg(t);
        if (rezept == TRezeptNamen::mehrdeutig)
            return QStringLiteral("mehrdeutiger Artikel \"%1\"").arg(t);
        return std::nullopt;
    case rolleMenge: {
        const TAnzahl a = LiesAnzahl(t, MaxPortionen);
        switch (a.art) {
        case TAnzahlArt::ok:
            anzahl = a.wert;
            return std::nullopt;
        case TAnzahlArt::fehlt:
            return QStringLiteral("Menge fehlt");
        case TAnzahlArt::negativ:
            return QStringLiteral("negative Menge \"%1\" (Stornos werden nicht importiert)").arg(t);
        case TAnzahlArt::ungueltig:
            break;
        }
        return QStringLiteral("ungültige Menge \"%1\"").arg(t);
    }
    }
    return std::nullopt;
}

void TPruefer::lies(TCsvLeser& leser) {
    while (leser.naechster()) {
        if (leser.offen()) {
            ++gelesen;
            fehler.append({leser.zeile(), QStringLiteral("Anführungszeichen nicht geschlossen")});
            continue;
        }
        if (leser.leer())
            continue;
        ++gelesen;
        std::optional<QString> grund;
        for (const TRolle rolle : spalten.reihenfolge) {
            grund = pruefeFeld(rolle, leser.feld(spalten.spalte[rolle]));
            if (grund)
                break;
        }
        if (grund) {
            fehler.append({leser.zeile(), *grund});
            continue;
        }
        if (anzahl == 0)
            continue;
        const quint64 schluessel = paar(uint32_t(rezept), tag);
        auto it = gruppenIndex.find(schluessel);
        if (it == gruppenIndex.end()) {
            it = gruppenIndex.insert(schluessel, uint32_t(gruppen.size()));
            gruppen.push_back({uint32_t(rezept), tag, 0, 0});
        }
        zeilen.push_back({leser.zeile(), it.value(), int32_t(anzahl)});
    }
}

void TPruefer::findeBestaende() {
    std::vector<uint32_t> rezepte;
    std::vector<bool> gesehen(daten.anzahlRezepte(), false);
    for (const TGruppe& g : gruppen)
        if (!gesehen[g.rezept]) {
            gesehen[g.rezept] = true;
            rezepte.push_back(g.rezept);
        }
    std::vector<bool> gefunden(gruppen.size(), false);
    fuerTagessaetze(daten, rezepte, gruppenIndex, [&](uint32_t g, uint32_t, const TVerkauf& v) {
        if (gefunden[g])
            return;
        gefunden[g] = true;
        gruppen[g].bestand = v.menge;
    });
}

TVerkaufsPruefung TPruefer::ergebnis() {
    findeBestaende();

    // Each line is checked against the sum of the sound lines before it, so that what
    // is left after leaving out the lines in error still fits.
    QList<TVerkaufsFehler> grenzfehler;
    std::vector<uint32_t> reihenfolge;
    for (const TZeile& z : zeilen) {
        TGruppe& g = gruppen[z.gruppe];
        if (g.summe + z.menge > MaxPortionen) {
            grenzfehler.append({z.zeile, QStringLiteral("mehr als %1 Portionen von \"%2\" am %3")
                                             .arg(MaxPortionen)
                                             .arg(name(g.rezept), kurz(g.tag))});
            continue;
        }
        if (g.bestand + g.summe + z.menge > hoechsteTagesmenge) {
            grenzfehler.append(
                {z.zeile, QStringLiteral("der %1 hätte mehr als %2 verkaufte Portionen von \"%3\"")
                              .arg(kurz(g.tag))
                              .arg(hoechsteTagesmenge)
                              .arg(name(g.rezept))});
            continue;
        }
        if (g.summe == 0)
            reihenfolge.push_back(z.gruppe);
        g.summe += z.menge;
    }

    TVerkaufsPruefung p;
    p.gelesen = gelesen;
    p.fehler = std::move(fehler);
    if (!grenzfehler.isEmpty()) {
        p.fehler.append(grenzfehler);
        std::stable_sort(
            p.fehler.begin(), p.fehler.end(),
            [](const TVerkaufsFehler& a, const TVerkaufsFehler& b) { return a.zeile < b.zeile; });
    }

    p.summen.reserve(reihenfolge.size());
    std::vector<uint32_t> tage;
    std::vector<uint32_t> rezepte;
    tage.reserve(reihenfolge.size());
    rezepte.reserve(reihenfolge.size());
    for (const uint32_t nr : reihenfolge) {
        const TGruppe& g = gruppen[nr];
        p.summen.push_back({g.rezept, alsDatum(g.tag), int32_t(g.summe)});
        tage.push_back(g.tag.schluessel());
        rezepte.push_back(g.rezept);
    }
    for (std::vector<uint32_t>* v : {&tage, &rezepte}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    p.tage = qsizetype(tage.size());
    p.rezepte = qsizetype(rezepte.size());
    return p;
}

QString nichtsImportiert(qsizetype fehlerhaft) {
    return fehlerhaft == 1
               ? QStringLiteral("Es wurde nichts importiert, weil 1 Zeile fehlerhaft ist")
               : QStringLiteral("Es wurde nichts importiert, weil %1 Zeilen fehlerhaft sind")
                     .arg(fehlerhaft);
}

} // namespace

TVerkaufsPruefung PruefeVerkaeufe(const TDaten& daten, QByteArrayView bytes) {
    const QString text = CsvText(bytes);
    TCsvLeser leser(text);
    bool kopf = false;
    for (;;) {
        // Each line before the header decides its own separator.
        leser.setzeTrenner(leser.haeufigsterTrenner());
        if (!leser.naechster())
            break;
        if (leser.offen())
            throw TFehler(
                QStringLiteral("In der Kopfzeile (Zeile %1) ist ein Anführungszeichen nicht "
                               "geschlossen")
                    .arg(leser.zeile()));
        if (!leser.leer()) {
            kopf = true;
            break;
        }
    }
    if (!kopf)
        throw TFehler(QStringLiteral("Die Datei ist leer"));

    TPruefer pruefer(daten, text, leseKopf(leser));
    pruefer.lies(leser);
    return pruefer.ergebnis();
}

TVerkaufsPruefung PruefeVerkaufsdatei(const TDaten& daten, const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TNichtGeoeffnet();
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw TFehler(datei.errorString());
    datei.close();
    return PruefeVerkaeufe(daten, bytes);
}

qsizetype ErfasseVerkaeufe(TDaten& daten, const TVerkaufsPruefung& p, bool ohneFehlerhafte) {
    if (!p.erfassbar(ohneFehlerhafte))
        throw TFehler(nichtsImportiert(p.fehler.size()));
    const auto& summen = p.summen;
    const TFehler passtNicht(QStringLiteral("Die Verkäufe wurden nicht erfasst, weil sich die "
                                            "Rezepte seit der Prüfung geändert haben"));
    for (const TVerkaufsSumme& s : summen)
        if (s.rezept >= daten.anzahlRezepte() || s.portionen < MinPortionen ||
            s.portionen > MaxPortionen || !s.tag.isValid() || s.tag.year() < 1 ||
            s.tag.year() > std::numeric_limits<uint16_t>::max())
            throw passtNicht;

    // Where each distinct (recipe, day) goes: the recipe's first record of that day, or
    // a record appended in the order of the sums, exactly as ErfasseVerkauf would do one
    // sum after the other. Everything is checked before the first record changes.
    struct TZiel {
        uint32_t rezept;
        int64_t position = -1;
        int64_t menge = 0;
        bool neu = false;
        bool angelegt = false;
    };
    QHash<quint64, uint32_t> index;
    index.reserve(qsizetype(summen.size()));
    std::vector<TZiel> ziele;
    std::vector<uint32_t> zielVon(summen.size());
    std::vector<uint32_t> rezepte;
    for (size_t k = 0; k < summen.size(); ++k) {
        const TVerkaufsSumme& s = summen[k];
        const TVerkaufstag tag{uint16_t(s.tag.year()), uint16_t(s.tag.month()),
                               uint16_t(s.tag.day())};
        const quint64 schluessel = paar(s.rezept, tag);
        auto it = index.constFind(schluessel);
        if (it == index.constEnd()) {
            it = index.insert(schluessel, uint32_t(ziele.size()));
            ziele.push_back({s.rezept});
            rezepte.push_back(s.rezept);
        }
        zielVon[k] = it.value();
    }
    std::sort(rezepte.begin(), rezepte.end());
    rezepte.erase(std::unique(rezepte.begin(), rezepte.end()), rezepte.end());
    fuerTagessaetze(daten, rezepte, index, [&](uint32_t z, uint32_t position, const TVerkauf& v) {
        if (ziele[z].position < 0) {
            ziele[z].position = position;
            ziele[z].menge = v.menge;
        }
    });

    std::vector<int64_t> angehaengt(daten.anzahlRezepte(), 0);
    for (size_t k = 0; k < summen.size(); ++k) {
        TZiel& z = ziele[zielVon[k]];
        if (z.position < 0) {
            const TRezept& r = daten.rezept(z.rezept);
            z.position = int64_t(r.verkaeufe ? r.verkaeufe->count : 0) + angehaengt[z.rezept]++;
            z.neu = true;
            if (z.position > std::numeric_limits<int32_t>::max())
                throw TFehler(QStringLiteral("Zu viele Verkäufe"));
        }
        z.menge += summen[k].portionen;
        if (z.menge > hoechsteTagesmenge)
            throw TFehler(QStringLiteral("Die Verkäufe wurden nicht erfasst: Der %1 hätte mehr "
                                         "als %2 verkaufte Portionen von \"%3\"")
                              .arg(KurzesDatum(summen[k].tag))
                              .arg(hoechsteTagesmenge)
                              .arg(TextView(daten.rezept(z.rezept).name)));
    }

    // Valuing a portion walks the recipe's lines; it is the same for all its sums.
    std::vector<std::optional<TPortionsWert>> werte(daten.anzahlRezepte());
    for (size_t k = 0; k < summen.size(); ++k) {
        const TVerkaufsSumme& s = summen[k];
        TZiel& z = ziele[zielVon[k]];
        TRezept& r = daten.rezept(s.rezept);
        if (!werte[s.rezept])
            werte[s.rezept] = PortionsWert(daten, r);
        const bool anhaengen = z.neu && !z.angelegt;
        z.angelegt = true;
        BucheVerkauf(daten, r, anhaengen ? -1 : int32_t(z.position), s.tag, s.portionen,
                     *werte[s.rezept]);
    }
    return qsizetype(summen.size());
}

QString Zusammenfassung(const TVerkaufsPruefung& p, bool ohneFehlerhafte) {
    const bool erfasst = p.erfassbar(ohneFehlerhafte);
    return QStringLiteral("Gelesen: %1 Zeilen, erfasst: %2 Verkäufe an %3 Tagen für %4 Rezepte, "
                          "ausgelassen: %5 Zeilen.")
        .arg(p.gelesen)
        .arg(erfasst ? qsizetype(p.summen.size()) : 0)
        .arg(erfasst ? p.tage : 0)
        .arg(erfasst ? p.rezepte : 0)
        .arg(erfasst && !p.fehlerfrei() ? p.fehler.size() : 0);
}

QStringList Fehlerzeilen(const TVerkaufsPruefung& p, qsizetype hoechstens) {
    QStringList zeilen;
    const qsizetype anzahl = std::min(p.fehler.size(), std::max<qsizetype>(hoechstens, 0));
    zeilen.reserve(anzahl + 1);
    for (qsizetype i = 0; i < anzahl; ++i)
        zeilen.append(QStringLiteral("Zeile %1: %2").arg(p.fehler[i].zeile).arg(p.fehler[i].grund));
    if (p.fehler.size() > anzahl)
        zeilen.append(QStringLiteral("… und %1 weitere").arg(p.fehler.size() - anzahl));
    return zeilen;
}
