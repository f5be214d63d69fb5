#include "exchange/verkaufsimport.h"

#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "exchange/csvimport.h"
#include "exchange/csvkodierung.h"
#include "exchange/csvsaetze.h"
#include "exchange/rezeptnamen.h"
#include "exchange/tagessuche.h"
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
        throw TFehler((fehlend.size() == 1
                           ? QStringLiteral("Der Kopfzeile (Zeile %1) fehlt die Spalte für %2")
                           : QStringLiteral("Der Kopfzeile (Zeile %1) fehlen die Spalten für %2"))
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

// A field as an error quotes it: a runaway field (a quote left open in a column nobody
// reads) would otherwise put a whole file into every message.
QString zitat(QStringView t) {
    constexpr qsizetype hoechstens = 60;
    if (t.size() <= hoechstens)
        return t.toString();
    return t.first(hoechstens - 1).toString() + QChar(u'…');
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
    uint32_t vorige;     // the recipe's group made before this one
};

constexpr uint32_t keineGruppe = std::numeric_limits<uint32_t>::max();

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
    uint32_t gruppe(uint32_t rezept, const TVerkaufstag& tag);
    void findeBestaende();
    QString name(uint32_t rezept) const { return TextView(daten.rezept(rezept).name).toString(); }

    const TDaten& daten;
    const QString& quelle; // the decoded file; cached names point into it
    const TSpalten spalten;
    TRezeptNamen namen;
    QHash<QStringView, int64_t> namenCache;
    // Groups of the recipes that went back to an earlier day.
    QHash<quint64, uint32_t> gruppenIndex;
    struct TRezeptStand {
        uint32_t letzte = keineGruppe;   // of the recipe's previous line
        uint32_t juengste = keineGruppe; // made last; earlier ones through TGruppe::vorige
        uint32_t hoechster = 0;          // latest day key
        bool indiziert = false;          // its groups are in gruppenIndex
    };
    std::vector<TRezeptStand> jeRezept;
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
            return QStringLiteral("ungültiges Datum \"%1\"").arg(zitat(t));
        tag = *gelesenerTag;
        return std::nullopt;
    }
    case rolleArtikel:
        if (t.isEmpty())
            return QStringLiteral("Artikel fehlt");
        rezept = rezeptNr(t);
        if (rezept == TRezeptNamen::unbekannt)
            return QStringLiteral("unbekannter Artikel \"%1\"").arg(zitat(t));
        if (rezept == TRezeptNamen::mehrdeutig)
            return QStringLiteral("mehrdeutiger Artikel \"%1\"").arg(zitat(t));
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
            return QStringLiteral("negative Menge \"%1\" (Stornos werden nicht importiert)")
                .arg(zitat(t));
        case TAnzahlArt::ungueltig:
            break;
        }
        return QStringLiteral("ungültige Menge \"%1\"").arg(zitat(t));
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
        zeilen.push_back({leser.zeile(), gruppe(uint32_t(rezept), tag), int32_t(anzahl)});
    }
}

uint32_t TPruefer::gruppe(uint32_t nr, const TVerkaufstag& tag) {
    if (jeRezept.empty())
        jeRezept.resize(daten.anzahlRezepte());
    TRezeptStand& z = jeRezept[nr];
    if (z.letzte != keineGruppe && gruppen[z.letzte].tag == tag)
        return z.letzte;
    const uint32_t schluessel = tag.schluessel();
    auto neueGruppe = [&] {
        const auto g = uint32_t(gruppen.size());
        gruppen.push_back({nr, tag, 0, 0, z.juengste});
        z.juengste = g;
        z.hoechster = std::max(z.hoechster, schluessel);
        if (z.indiziert)
            gruppenIndex.insert(paar(nr, tag), g);
        return g;
    };
    // Tills export day by day: a day after every earlier day of the recipe is new, and
    // only a recipe that goes back in time needs the index.
    if (z.juengste == keineGruppe || schluessel > z.hoechster)
        return z.letzte = neueGruppe();
    if (!z.indiziert) {
        for (uint32_t g = z.juengste; g != keineGruppe; g = gruppen[g].vorige)
            gruppenIndex.insert(paar(nr, gruppen[g].tag), g);
        z.indiziert = true;
    }
    const auto it = gruppenIndex.constFind(paar(nr, tag));
    return z.letzte = it != gruppenIndex.constEnd() ? it.value() : neueGruppe();
}

void TPruefer::findeBestaende() {
    std::vector<uint32_t> rezeptVon(gruppen.size());
    for (size_t g = 0; g < gruppen.size(); ++g)
        rezeptVon[g] = gruppen[g].rezept;
    const TJeRezept je = NachRezept(rezeptVon, daten.anzahlRezepte());
    TTagessuche suche;
    std::vector<uint32_t> tage;
    for (uint32_t nr = 0; nr < daten.anzahlRezepte(); ++nr) {
        const uint32_t anfang = je.anfang[nr], ende = je.anfang[nr + 1];
        if (anfang == ende)
            continue;
        tage.clear();
        for (uint32_t k = anfang; k < ende; ++k)
            tage.push_back(gruppen[je.reihe[k]].tag.schluessel());
        const TRezept& r = daten.rezept(nr);
        suche.suche(r, tage);
        for (uint32_t k = anfang; k < ende; ++k)
            if (const int64_t position = suche.position[k - anfang]; position >= 0)
                gruppen[je.reihe[k]].bestand = r.verkaeufe->at<TVerkauf>(uint32_t(position))->menge;
    }
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
    std::vector<uint32_t> tage; // sales come by day: a run of one day is one entry here
    std::vector<bool> rezeptGezaehlt(daten.anzahlRezepte(), false);
    for (const uint32_t nr : reihenfolge) {
        const TGruppe& g = gruppen[nr];
        p.summen.push_back({g.rezept, alsDatum(g.tag), int32_t(g.summe)});
        if (tage.empty() || tage.back() != g.tag.schluessel())
            tage.push_back(g.tag.schluessel());
        if (!rezeptGezaehlt[g.rezept]) {
            rezeptGezaehlt[g.rezept] = true;
            ++p.rezepte;
        }
    }
    std::sort(tage.begin(), tage.end());
    p.tage = qsizetype(std::unique(tage.begin(), tage.end()) - tage.begin());
    return p;
}

QString nichtsImportiert(qsizetype fehlerhaft) {
    return fehlerhaft == 1
               ? QStringLiteral("Es wurde nichts importiert, weil 1 Zeile fehlerhaft ist")
               : QStringLiteral("Es wurde nichts importiert, weil %1 Zeilen fehlerhaft sind")
                     .arg(fehlerhaft);
}

} // namespace

namespace {

TVerkaufsPruefung pruefeText(const TDaten& daten, const QString& text) {
    TCsvLeser leser(text);
    LeseBisKopfzeile(leser);
    TPruefer pruefer(daten, text, leseKopf(leser));
    pruefer.lies(leser);
    return pruefer.ergebnis();
}

} // namespace

TVerkaufsPruefung PruefeVerkaeufe(const TDaten& daten, QByteArrayView bytes) {
    return pruefeText(daten, CsvText(bytes));
}

TVerkaufsPruefung PruefeVerkaufsdatei(const TDaten& daten, const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TNichtGeoeffnet();
    QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw TFehler(datei.errorString());
    datei.close();
    // The bytes are not needed once decoded; a year of till data is tens of megabytes.
    const QString text = CsvText(bytes);
    bytes = QByteArray();
    return pruefeText(daten, text);
}

qsizetype ErfasseVerkaeufe(TDaten& daten, const TVerkaufsPruefung& p, bool ohneFehlerhafte) {
    if (!p.erfassbar(ohneFehlerhafte))
        throw TFehler(nichtsImportiert(p.fehler.size()));
    const auto& summen = p.summen;
    const size_t n = summen.size();
    std::vector<uint32_t> rezeptVon(n);
    std::vector<uint32_t> tagVon(n);
    for (size_t k = 0; k < n; ++k) {
        const TVerkaufsSumme& s = summen[k];
        int jahr = 0, monat = 0, tag = 0;
        s.tag.getDate(&jahr, &monat, &tag);
        if (s.rezept >= daten.anzahlRezepte() || s.portionen < MinPortionen ||
            s.portionen > MaxPortionen || !s.tag.isValid() || jahr < 1 ||
            jahr > std::numeric_limits<uint16_t>::max())
            throw TFehler(QStringLiteral("Die Verkäufe wurden nicht erfasst, weil sich die "
                                         "Rezepte seit der Prüfung geändert haben"));
        rezeptVon[k] = s.rezept;
        tagVon[k] = TVerkaufstag{uint16_t(jahr), uint16_t(monat), uint16_t(tag)}.schluessel();
    }

    // Where each sum goes: the recipe's first record of its day, or a record appended in
    // the order of the sums, exactly as ErfasseVerkauf would do one sum after the other.
    // Everything is checked before the first record changes.
    const TJeRezept je = NachRezept(rezeptVon, daten.anzahlRezepte());
    std::vector<int32_t> ziel(n, -1); // -1: appends the day's record
    TTagessuche suche;
    std::vector<uint32_t> tage;
    std::vector<int64_t> menge;
    for (uint32_t nr = 0; nr < daten.anzahlRezepte(); ++nr) {
        const uint32_t anfang = je.anfang[nr], ende = je.anfang[nr + 1];
        if (anfang == ende)
            continue;
        tage.clear();
        for (uint32_t k = anfang; k < ende; ++k)
            tage.push_back(tagVon[je.reihe[k]]);
        const TRezept& r = daten.rezept(nr);
        suche.suche(r, tage);
        menge.assign(ende - anfang, 0);
        int64_t anzahl = r.verkaeufe ? r.verkaeufe->count : 0;
        for (uint32_t i = 0; i < ende - anfang; ++i)
            if (suche.vertreter[i] == i && suche.position[i] >= 0)
                menge[i] = r.verkaeufe->at<TVerkauf>(uint32_t(suche.position[i]))->menge;
        for (uint32_t i = 0; i < ende - anfang; ++i) {
            const uint32_t k = je.reihe[anfang + i];
            const uint32_t v = suche.vertreter[i];
            const bool neu = suche.position[v] < 0;
            if (neu) {
                if (anzahl >= std::numeric_limits<int32_t>::max())
                    throw TFehler(QStringLiteral("Zu viele Verkäufe"));
                suche.position[v] = anzahl++;
            } else {
                ziel[k] = int32_t(suche.position[v]);
            }
            menge[v] += summen[k].portionen;
            if (menge[v] > hoechsteTagesmenge)
                throw TFehler(QStringLiteral("Die Verkäufe wurden nicht erfasst: Der %1 hätte "
                                             "mehr als %2 verkaufte Portionen von \"%3\"")
                                  .arg(KurzesDatum(summen[k].tag))
                                  .arg(hoechsteTagesmenge)
                                  .arg(TextView(r.name)));
        }
    }

    // Valuing a portion walks the recipe's lines; it is the same for all its sums.
    for (uint32_t nr = 0; nr < daten.anzahlRezepte(); ++nr) {
        const uint32_t anfang = je.anfang[nr], ende = je.anfang[nr + 1];
        if (anfang == ende)
            continue;
        TRezept& r = daten.rezept(nr);
        const TPortionsWert w = PortionsWert(daten, r);
        for (uint32_t i = anfang; i < ende; ++i) {
            const uint32_t k = je.reihe[i];
            BucheVerkauf(daten, r, ziel[k], summen[k].tag, summen[k].portionen, w);
        }
    }
    return qsizetype(n);
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
