#include "exchange/preisliste.h"

#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/preisverlauf.h"
#include "costing/umrechnung.h"
#include "costing/zutatkatalog.h"
#include "costing/zwischenrezepte.h"
#include "exchange/csvimport.h"
#include "exchange/csvkodierung.h"
#include "exchange/csvsaetze.h"
#include "exchange/rezeptnamen.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <array>

namespace {

enum TRolle { rolleName, rollePreis, rolleMenge, rolleEinheit, rolleLieferant, rollen };

bool nennt(QStringView kopf, std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        if (kopf.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::array<qsizetype, rollen> leseKopf(const TCsvLeser& leser) {
    std::array<qsizetype, rollen> spalte;
    spalte.fill(-1);
    for (qsizetype i = 0; i < leser.anzahlFelder(); ++i) {
        const QStringView kopf = leser.feld(i).trimmed();
        int rolle = -1;
        if (nennt(kopf, {"Name", "Artikel", "Bezeichnung"}))
            rolle = rolleName;
        else if (nennt(kopf, {"Preis", "EK"}))
            rolle = rollePreis;
        else if (nennt(kopf, {"Menge"}))
            rolle = rolleMenge;
        else if (nennt(kopf, {"Einheit"}))
            rolle = rolleEinheit;
        else if (nennt(kopf, {"Lieferant"}))
            rolle = rolleLieferant;
        if (rolle >= 0 && spalte[size_t(rolle)] < 0)
            spalte[size_t(rolle)] = i;
    }
    QStringList fehlend;
    if (spalte[rolleName] < 0)
        fehlend.append(QStringLiteral("den Namen (\"Name\", \"Artikel\" oder \"Bezeichnung\")"));
    if (spalte[rollePreis] < 0)
        fehlend.append(QStringLiteral("den Preis (\"Preis\" oder \"EK\")"));
    if (fehlend.size() == 2)
        throw TFehler(QStringLiteral("Der Kopfzeile (Zeile %1) fehlen die Spalten für %2 und %3")
                          .arg(leser.zeile())
                          .arg(fehlend[0], fehlend[1]));
    if (fehlend.size() == 1)
        throw TFehler(QStringLiteral("Der Kopfzeile (Zeile %1) fehlt die Spalte für %2")
                          .arg(leser.zeile())
                          .arg(fehlend[0]));
    return spalte;
}

QString zitat(QStringView t) {
    constexpr qsizetype hoechstens = 60;
    return t.size() <= hoechstens ? t.toString() : t.first(hoechstens - 1).toString() + QChar(u'…');
}

// A number ≥ 0 as --locale writes it; nothing otherwise.
std::optional<double> nichtNegativ(QStringView t) {
    const auto w = LiesZahl(t);
    return w && *w >= 0 ? w : std::nullopt;
}

class TPruefer {
public:
    TPruefer(const TDaten& d, const QString& vorgabe) : daten(d), lieferant(vorgabe.trimmed()) {
        // A sub-recipe's ingredient is priced from its recipe: a supplier's list cannot
        // mean it, and a price put there would be overwritten at once.
        for (uint32_t i = 0; i < daten.anzahlZutaten(); ++i) {
            const QString s = TRezeptNamen::schluessel(TextView(daten.zutat(i).name));
            if (s.isEmpty())
                continue;
            if (RezeptVonZutat(daten, i))
                eigene.insert(s);
            else
                jeName[s].push_back(i);
        }
        schonIn.assign(daten.anzahlZutaten(), 0);
    }

    std::optional<QString> pruefe(const TCsvLeser& leser,
                                  const std::array<qsizetype, rollen>& spalte, TPreisUebernahme& u);

private:
    const TDaten& daten;
    const QString lieferant;
    QHash<QString, std::vector<uint32_t>> jeName;
    QSet<QString> eigene;        // names of sub-recipes
    std::vector<qint64> schonIn; // the line that named the ingredient, or 0
};

std::optional<QString> TPruefer::pruefe(const TCsvLeser& leser,
                                        const std::array<qsizetype, rollen>& spalte,
                                        TPreisUebernahme& u) {
    const auto feld = [&](TRolle r) { return leser.feld(spalte[r]).trimmed(); };
    const QStringView name = feld(rolleName);
    if (name.isEmpty())
        return QStringLiteral("Name fehlt");
    const QStringView preis = feld(rollePreis);
    if (preis.isEmpty())
        return QStringLiteral("Preis fehlt");
    const auto p = nichtNegativ(preis);
    if (!p)
        return QStringLiteral("ungültiger Preis \"%1\"").arg(zitat(preis));
    u.preis = *p;
    if (const QStringView menge = feld(rolleMenge); !menge.isEmpty()) {
        u.menge = nichtNegativ(menge);
        if (!u.menge)
            return QStringLiteral("ungültige Menge \"%1\"").arg(zitat(menge));
    }
    if (const QStringView einheit = feld(rolleEinheit); !einheit.isEmpty())
        u.einheit = einheit.toString();

    QStringView gesucht = feld(rolleLieferant);
    if (gesucht.isEmpty())
        gesucht = lieferant;
    const QString lieferantSchluessel = TRezeptNamen::schluessel(gesucht);
    std::vector<uint32_t> treffer;
    for (uint32_t nr : jeName.value(TRezeptNamen::schluessel(name)))
        if (gesucht.isEmpty() ||
            TRezeptNamen::schluessel(TextView(daten.zutat(nr).lieferant)) == lieferantSchluessel)
            treffer.push_back(nr);
    if (treffer.empty() && eigene.contains(TRezeptNamen::schluessel(name)))
        return QStringLiteral("\"%1\" ist ein Zwischenrezept; sein Preis kommt aus dem Rezept")
            .arg(zitat(name));
    if (treffer.empty())
        return gesucht.isEmpty() ? QStringLiteral("unbekannte Zutat \"%1\"").arg(zitat(name))
                                 : QStringLiteral("unbekannte Zutat \"%1\" von \"%2\"")
                                       .arg(zitat(name), zitat(gesucht));
    if (treffer.size() > 1)
        return gesucht.isEmpty()
                   ? QStringLiteral("mehrdeutige Zutat \"%1\" (mehrere Lieferanten; die Spalte "
                                    "\"Lieferant\" oder --lieferant wählt einen)")
                         .arg(zitat(name))
                   : QStringLiteral("mehrdeutige Zutat \"%1\" von \"%2\"")
                         .arg(zitat(name), zitat(gesucht));
    u.zutat = treffer.front();
    if (const qint64 vorher = schonIn[u.zutat])
        return QStringLiteral("doppelt, schon in Zeile %1").arg(vorher);
    schonIn[u.zutat] = leser.zeile();

    const TZutat& z = daten.zutat(u.zutat);
    u.aendert = u.preis != z.preis || (u.menge && *u.menge != z.menge) ||
                (u.einheit && *u.einheit != TextView(z.einheit));
    return std::nullopt;
}

TPreislistenPruefung pruefeText(const TDaten& daten, const QString& text,
                                const QString& lieferant) {
    TCsvLeser leser(text);
    LeseBisKopfzeile(leser);
    const auto spalte = leseKopf(leser);
    TPruefer pruefer(daten, lieferant);
    TPreislistenPruefung p;
    while (leser.naechster()) {
        if (leser.offen()) {
            ++p.gelesen;
            p.fehler.append({leser.zeile(), QStringLiteral("Anführungszeichen nicht geschlossen")});
            continue;
        }
        if (leser.leer())
            continue;
        ++p.gelesen;
        TPreisUebernahme u;
        u.zeile = leser.zeile();
        if (const auto grund = pruefer.pruefe(leser, spalte, u)) {
            p.fehler.append({leser.zeile(), *grund});
            continue;
        }
        (u.aendert ? p.geaendert : p.unveraendert) += 1;
        p.zeilen.push_back(std::move(u));
    }
    return p;
}

} // namespace

TPreislistenPruefung PruefePreisliste(const TDaten& daten, QByteArrayView bytes,
                                      const QString& lieferant) {
    return pruefeText(daten, CsvText(bytes), lieferant);
}

TPreislistenPruefung PruefePreislistendatei(const TDaten& daten, const QString& pfad,
                                            const QString& lieferant) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TNichtGeoeffnet();
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw TFehler(datei.errorString());
    return PruefePreisliste(daten, bytes, lieferant);
}

qsizetype WendePreislisteAn(TDaten& daten, const TPreislistenPruefung& p, bool ohneFehlerhafte) {
    if (!p.anwendbar(ohneFehlerhafte))
        throw TFehler(
            p.fehler.size() == 1
                ? QStringLiteral("Es wurde nichts importiert, weil 1 Zeile fehlerhaft ist")
                : QStringLiteral("Es wurde nichts importiert, weil %1 Zeilen fehlerhaft sind")
                      .arg(p.fehler.size()));
    for (const TPreisUebernahme& u : p.zeilen)
        if (u.zutat >= daten.anzahlZutaten())
            throw TFehler(QStringLiteral("Die Preisliste wurde nicht übernommen, weil sich die "
                                         "Zutaten seit der Prüfung geändert haben"));
    // A new unit converts every line of its ingredient again; one that cannot stops the
    // whole list before anything changed.
    for (const TPreisUebernahme& u : p.zeilen)
        if (u.einheit)
            if (const auto grund = EinheitUmstellen(
                    daten, u.zutat, *u.einheit, FaktenVon(daten, u.zutat), TUmstellung::nurPruefen))
                throw TFehler(QStringLiteral("Die Preisliste wurde nicht übernommen (Zeile %1): %2")
                                  .arg(u.zeile)
                                  .arg(OhnePunkt(*grund)));
    qsizetype geaendert = 0;
    for (const TPreisUebernahme& u : p.zeilen) {
        const TZutatWerte vorher = ZutatWerte(daten.zutat(u.zutat));
        TZutatWerte neu = vorher;
        neu.preis = u.preis;
        if (u.menge)
            neu.menge = *u.menge;
        if (u.einheit)
            neu.einheit = *u.einheit;
        if (!PreiswerteGeaendert(vorher, neu))
            continue;
        EinheitUmstellen(daten, u.zutat, neu.einheit, FaktenVon(daten, u.zutat));
        ZutatErsetzen(daten, int(u.zutat), neu);
        MerkeAenderung(daten, u.zutat, vorher, TPreisquelle::preisliste);
        ++geaendert;
    }
    return geaendert;
}

QString Zusammenfassung(const TPreislistenPruefung& p, bool ohneFehlerhafte) {
    const bool an = p.anwendbar(ohneFehlerhafte);
    return QStringLiteral("Gelesen: %1 Zeilen, geändert: %2 Zutaten, unverändert: %3, "
                          "ausgelassen: %4 Zeilen.")
        .arg(p.gelesen)
        .arg(an ? p.geaendert : 0)
        .arg(an ? p.unveraendert : 0)
        .arg(an && !p.fehlerfrei() ? p.fehler.size() : 0);
}

QStringList Fehlerzeilen(const TPreislistenPruefung& p, qsizetype hoechstens) {
    TVerkaufsPruefung v;
    v.fehler = p.fehler;
    return Fehlerzeilen(v, hoechstens);
}
