// The purchase price history of an ingredient in the JSON form:
// "preisverlauf": [{"datum": "JJJJ-MM-TT", "preis", "menge", "einheit", "lieferant",
// "quelle"}], oldest first, kept as given on import.
#include "costing/preisverlauf.h"
#include "exchange/jsonschluessel.h"

#include <QRegularExpression>

namespace {

constexpr std::string_view eintragSchluessel[] = {"datum",   "preis",     "menge",
                                                  "einheit", "lieferant", "quelle"};

QString datumText(QDate d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'));
}

// A date the history can hold: JJJJ-MM-TT, the year with four digits or more.
QDate datumAusText(const QString& t) {
    static const QRegularExpression muster(QStringLiteral("^(\\d{4,6})-(\\d\\d)-(\\d\\d)$"));
    const QRegularExpressionMatch m = muster.match(t);
    if (!m.hasMatch())
        return {};
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return DatumAusZahl(DatumZahl(d)) == d ? d : QDate();
}

const TPreisverlauf* verlauf(const TDaten& d) {
    return static_cast<const TPreisverlauf*>(d.erweiterung.finde(TPreisverlauf::art().tag));
}

bool vorhanden(const TDaten& d, const TJsonOrt& ort) {
    const TPreisverlauf* v = verlauf(d);
    return v && v->hatVerlauf(ort.nr);
}

void schreibe(const TDaten& d, const TJsonOrt& ort, TJsonAusgabe& aus) {
    aus.listeAnfang();
    if (const TPreisverlauf* v = verlauf(d))
        for (const TPreisstand& s : v->staende(ort.nr)) {
            aus.objektAnfang();
            aus.schluessel(eintragSchluessel[0]);
            aus.text(datumText(s.datum));
            aus.schluessel(eintragSchluessel[1]);
            aus.zahl(s.preis);
            aus.schluessel(eintragSchluessel[2]);
            aus.zahl(s.menge);
            aus.schluessel(eintragSchluessel[3]);
            aus.text(s.einheit);
            aus.schluessel(eintragSchluessel[4]);
            aus.text(s.lieferant);
            aus.schluessel(eintragSchluessel[5]);
            aus.text(QuellenText(s.quelle));
            aus.objektEnde();
        }
    aus.listeEnde();
}

void lese(TDaten& d, const TJsonOrt& ort, const TJsonWert& wert, TJsonLeser& leser) {
    std::vector<TPreisstand> staende;
    const qsizetype fehlerVorher = leser.fehlerAnzahl();
    leser.liste(wert, [&](const TJsonWert& e) {
        TPreisstand s;
        bool mitDatum = false;
        const bool objekt =
            leser.objekt(e, std::span(eintragSchluessel), nullptr, [&](int k, const TJsonWert& v) {
                if (k == 1 || k == 2) {
                    if (const auto z = leser.zahl(v))
                        (k == 1 ? s.preis : s.menge) = *z;
                    return;
                }
                const auto t = leser.ganzerText(v);
                if (!t)
                    return;
                switch (k) {
                case 0:
                    mitDatum = true;
                    s.datum = datumAusText(*t);
                    if (!s.datum.isValid())
                        leser.fehler(v.pfad,
                                     QStringLiteral("\"%1\" ist kein Datum JJJJ-MM-TT").arg(*t));
                    break;
                case 3:
                    s.einheit = *t;
                    break;
                case 4:
                    s.lieferant = *t;
                    break;
                case 5:
                    if (const auto q = QuelleAusText(*t))
                        s.quelle = *q;
                    else
                        leser.fehler(v.pfad, QStringLiteral("\"%1\" ist keine Quelle (Eingabe, "
                                                            "CSV-Import, Preisliste, Bestand)")
                                                 .arg(*t));
                    break;
                }
            });
        if (objekt && !mitDatum)
            leser.fehler(TJsonPfad{&e.pfad, eintragSchluessel[0]}, QStringLiteral("fehlt"));
        staende.push_back(std::move(s));
    });
    if (leser.fehlerAnzahl() == fehlerVorher && !staende.empty())
        d.erweiterung.abschnitt<TPreisverlauf>().setze(ort.nr, staende);
}

} // namespace

extern const bool jsonPreisverlaufGemeldet;
const bool jsonPreisverlaufGemeldet =
    MeldeJsonSchluessel({TJsonEbene::zutat, "preisverlauf", &vorhanden, &schreibe, &lese, nullptr});
