// Units in the JSON form: the round trip, the line's quantity computed from its entry on
// import, and every fault at its place.
#include "core/datei.h"
#include "costing/einheitendaten.h"
#include "costing/preise.h"
#include "costing/umrechnung.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

namespace {

// Butter in g with its density, eggs by the tray, one recipe; `zeile` is its one line.
QByteArray Json(const char* butter, const char* eier, const char* zeile) {
    return QByteArray(R"({"format": "ormisto", "version": 1, "zutaten": [
        {"name": "Butter", "preis": 21.9, "menge": 2500, "einheit": "g")") +
           butter + R"(},
        {"name": "Eier", "preis": 8.7, "menge": 1, "einheit": "Lage")" +
           eier + R"(}],
        "rezepte": [{"name": "Kuchen", "zeilen": [)" +
           zeile + "]}]}";
}

} // namespace

class TestJsonEinheiten : public QObject {
    Q_OBJECT
    TLocaleWahl locale{QStringLiteral("de_DE")};

private Q_SLOTS:
    void hinUndZurueck() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Butter"), 21.9, 2500, QStringLiteral("g"));
        NeueZutat(d, QStringLiteral("Eier"), 8.7, 1, QStringLiteral("Lage"));
        auto& e = d.erweiterung.abschnitt<TEinheitenDaten>();
        e.setzeFakten(0, {std::nullopt, 0.911, std::nullopt});
        e.setzeFakten(1, {61.5, std::nullopt, TInhalt{30, QStringLiteral("Stück")}});
        TRezept& r = NeuesRezept(d, QStringLiteral("Kuchen"));
        NeueZeile(r, 0, *InZutateinheit(d, 0, 2, u"EL").menge);
        NeueZeile(r, 1, *InZutateinheit(d, 1, 2, u"Stück").menge);
        NeueZeile(r, 0, 125);
        e.setzeEingaben(0, {TEingabe{2, QStringLiteral("EL")}, TEingabe{2, QStringLiteral("Stück")},
                            std::nullopt});

        const QByteArray json = DatenAlsJson(d);
        QVERIFY(json.contains("\"dichte\": 0.911"));
        QVERIFY(json.contains("\"stueckgewicht\": 61.5"));
        QCOMPARE(json.count("\"inhalt\""), 1);
        QCOMPARE(json.count("\"eingabe\""), 2);
        const TJsonImport i = LeseJson(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(DatenAlsBytes(*i.daten), DatenAlsBytes(d));
    }

    // The entry decides the quantity, whatever "menge" says or whether it is there; the
    // ingredients' facts count wherever they stand in the text.
    void mengeAusEingabe() {
        const TJsonImport i =
            LeseJson(Json(R"(, "dichte": 0.911)",
                          R"(, "stueckgewicht": 61.5, "inhalt": {"menge": 30, "einheit": "Stück"})",
                          R"({"zutat": 0, "menge": 99, "eingabe": {"menge": 2, "einheit": "EL"}},
                                               {"zutat": 1, "eingabe": {"menge": 120, "einheit": "g"}},
                                               {"zutat": 1, "menge": 0.5})"));
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        const TRezept& r = i.daten->rezept(0);
        QVERIFY(qAbs(r.zutaten->at<TRezeptZutat>(0)->menge - 30 * 0.911) <= 1e-12 * 30);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->menge, 120.0 / 1845);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(2)->menge, 0.5);
        QCOMPARE(EingabeVon(*i.daten, 0, 1), std::optional(TEingabe{120, QStringLiteral("g")}));
        QCOMPARE(EingabeVon(*i.daten, 0, 2), std::nullopt);
    }

    void fehlerAnIhremOrt() {
        const auto fehler = [](const QByteArray& json) {
            const TJsonImport i = LeseJson(json);
            return i.ok() ? QString() : i.fehler.join(u'\n');
        };
        QVERIFY(fehler(Json("", "", R"({"zutat": 0, "eingabe": {"menge": 2, "einheit": "EL"}})"))
                    .contains(QStringLiteral(
                        "rezepte[0].zeilen[0].eingabe: Für Butter fehlt die Dichte (g/ml)")));
        QVERIFY(fehler(Json("", "", R"({"zutat": 1, "eingabe": {"menge": 2, "einheit": "kg"}})"))
                    .contains(QStringLiteral("rezepte[0].zeilen[0].eingabe: Für Eier fehlt, was 1 "
                                             "Lage enthält")));
        QVERIFY(fehler(Json("", "", R"({"zutat": 0, "eingabe": {"menge": 2}})"))
                    .contains(QStringLiteral("rezepte[0].zeilen[0].eingabe.einheit: fehlt")));
        QVERIFY(fehler(Json(R"(, "inhalt": {"menge": 1, "einheit": "kg"})", "", ""))
                    .contains(QStringLiteral("zutaten[0].inhalt: g ist eine bekannte Einheit")));
        QVERIFY(
            fehler(Json(R"(, "dichte": 0)", "", ""))
                .contains(QStringLiteral("zutaten[0].dichte: Die Dichte muss größer als 0 sein")));
        QVERIFY(
            fehler(Json("", R"(, "inhalt": {"menge": 30, "einheit": "Eier"})", ""))
                .contains(QStringLiteral("zutaten[1].inhalt: „Eier“ ist keine bekannte Einheit")));
    }
};

QTEST_GUILESS_MAIN(TestJsonEinheiten)
#include "test_json_einheiten.moc"
