// Allergens and additives in the JSON form: the round trip, the defaults of what is left
// out, the date as given, and every fault at its place.
#include "core/datei.h"
#include "core/texte.h"
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "tests/support/aufbau.h"

#include <QTest>

namespace {

constexpr int gluten = 0, milch = 6, nuesse = 7;

QByteArray Json(const char* zutaten, const char* oben = "") {
    return QByteArray(R"({"format": "ormisto", "version": 1, "zutaten": [)") + zutaten + "]" +
           oben + "}";
}

} // namespace

class TestJsonKennzeichnung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hinUndZurueck() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
        NeueZutat(d, QStringLiteral("Salz"), 1, 1);
        NeueZutat(d, QStringLiteral("Nüsse"), 1, 1);
        auto& k = Kennzeichnung(d);
        k.neueKlasse({QStringLiteral("K"), QStringLiteral("mit Koffein aus Guarana")});
        k.tabelle.codes[milch] = QStringLiteral("Mi");
        TZutatDeklaration m;
        m.setze(gluten, TAllergenZustand::enthaelt);
        m.arten = 0b100001; // Weizen, Kamut
        m.setze(milch, TAllergenZustand::spuren);
        m.setze(3, TAllergenZustand::frei);
        m.setzeZusatzstoff(16, true);
        m.setzeZusatzstoff(2, true);
        m.zusatzstoffeGeprueft = true;
        m.datum = int32_t(QDate(2023, 11, 30).toJulianDay());
        k.setze(0, m);
        TZutatDeklaration n;
        n.setze(nuesse, TAllergenZustand::enthaelt);
        n.arten = uint16_t(1u << 13); // Macadamianüsse
        k.setze(2, n);

        const QByteArray json = DatenAlsJson(d);
        QVERIFY(json.contains("\"allergene\": {\n\t\t\t\t\"gluten\": \"enthaelt\""));
        QVERIFY(json.contains("\"deklariert_am\": \"2023-11-30\""));
        QVERIFY(json.contains("\"Macadamianüsse\""));
        QCOMPARE(json.count("\"kennzeichnung\""), 1);
        const TJsonImport i = LeseJson(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(Kennzeichnung(*i.daten).deklaration(0), m);
        QVERIFY(Kennzeichnung(*i.daten).deklaration(1).leer());
        QCOMPARE(Kennzeichnung(*i.daten).tabelle, k.tabelle);
        QCOMPARE(DatenAlsBytes(*i.daten), DatenAlsBytes(d));

        // Nothing declared: no key at all.
        TDaten leer;
        NeueZutat(leer, QStringLiteral("Mehl"), 1, 1);
        const QByteArray ohne = DatenAlsJson(leer);
        for (const char* s :
             {"allergene", "arten", "zusatzstoffe", "deklariert_am", "kennzeichnung"})
            QVERIFY2(!ohne.contains(s), s);
    }

    void ausgelassenGiltDieVorgabe() {
        const TJsonImport i =
            LeseJson(Json(R"({"name": "Mehl", "allergene": {"gluten": "enthaelt", "soja": "frei"},
                     "arten": {"gluten": ["Dinkel"]}, "zusatzstoffe": [3],
                     "deklariert_am": "2024-02-29"}, {"name": "Salz"})",
                          R"(, "kennzeichnung": {"allergene": {"eier": {"code": "Ei"}},
                     "zusatzstoffe": [{"nr": 17, "code": "Gu", "text": "mit Guarana"}]})"));
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        const TKennzeichnungAbschnitt& k = Kennzeichnung(*i.daten);
        const TZutatDeklaration& z = k.deklaration(0);
        QCOMPARE(int(z.zustand(gluten)), int(TAllergenZustand::enthaelt));
        QCOMPARE(int(z.zustand(5)), int(TAllergenZustand::frei));
        QCOMPARE(int(z.zustand(milch)), int(TAllergenZustand::ungeklaert));
        QCOMPARE(z.arten, uint16_t(1u << 4));
        QVERIFY(!z.zusatzstoffeGeprueft);
        QCOMPARE(z.deklariertAm(), QDate(2024, 2, 29)); // as given, not today
        QVERIFY(k.deklaration(1).leer());
        // The eggs' text and every other group stay the defaults; class 16 fills the gap.
        QCOMPARE(k.tabelle.codes[2], QStringLiteral("Ei"));
        QCOMPARE(k.tabelle.texte[2], QStringLiteral("Eier"));
        QCOMPARE(k.tabelle.codes[3], QStringLiteral("D"));
        QCOMPARE(k.tabelle.zusatzstoffe.size(), size_t(17));
        QCOMPARE(k.tabelle.zusatzstoffe[16].code, QStringLiteral("Gu"));
        QCOMPARE(k.tabelle.zusatzstoffe[2].text, QStringLiteral("mit Antioxidationsmittel"));
    }

    // An ingredient may name a class the table given after it defines; one nobody
    // defines gets a plain entry so that the data stay whole.
    void klasseVorDerTabelle() {
        const TJsonImport i = LeseJson(Json(R"({"name": "Cola", "zusatzstoffe": [10, 20]})"));
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        const TKennzeichnungAbschnitt& k = Kennzeichnung(*i.daten);
        QCOMPARE(k.tabelle.zusatzstoffe.size(), size_t(20));
        QCOMPARE(k.tabelle.zusatzstoffe[19].text, QStringLiteral("Zusatzstoff 20"));
        TDaten wieder;
        LeseDaten(wieder, DatenAlsBytes(*i.daten));
        QVERIFY(Kennzeichnung(wieder).deklaration(0).hatZusatzstoff(20));
    }

    void fehlerAnIhremOrt() {
        const TJsonImport i = LeseJson(Json(
            R"({"name": "A", "allergene": {"gluten": "ja", "hafer": "frei"}},
               {"name": "B", "allergene": {"milch": "spuren"}, "arten": {"gluten": ["Weizen"]}},
               {"name": "C", "allergene": {"gluten": "enthaelt"}, "arten": {"gluten": ["Reis"]},
                "zusatzstoffe": [0, 65], "zusatzstoffe_geprueft": 1, "deklariert_am": "2024-02-30"})",
            R"(, "kennzeichnung": {"allergene": {"milch": {"code": "A"}}})"));
        QVERIFY(!i.ok());
        const QStringList erwartet = {
            "zutaten[0].allergene.gluten: \"ja\" ist kein Zustand (enthaelt, spuren, frei, "
            "ungeklaert)",
            "zutaten[0].allergene.hafer: unbekannter Schlüssel",
            "zutaten[1].arten.gluten: Arten nur für eine Gruppe, die \"allergene\" davor als "
            "\"enthaelt\" nennt",
            "zutaten[2].arten.gluten[0]: \"Reis\" ist keine Art von gluten",
            "zutaten[2].zusatzstoffe[0]: 0 liegt außerhalb von 1 bis 64",
            "zutaten[2].zusatzstoffe[1]: 65 liegt außerhalb von 1 bis 64",
            "zutaten[2].zusatzstoffe_geprueft: true oder false erwartet",
            "zutaten[2].deklariert_am: \"2024-02-30\" ist kein Datum JJJJ-MM-TT",
            "kennzeichnung: Der Code „A“ (Milch (einschl. Laktose)) ist schon vergeben",
        };
        QStringList ohneZeile;
        for (const QString& f : i.fehler)
            ohneZeile << f.section(QStringLiteral(": "), 1);
        QCOMPARE(ohneZeile, erwartet);
    }

    void unterrezeptOhneEigeneKennzeichnung() {
        SetzeUnterrezeptAufloesung([](const TDaten& d, uint32_t z) -> std::optional<uint32_t> {
            if (Text(d.zutat(z).name) == QLatin1String("Teig"))
                return 0;
            return std::nullopt;
        });
        const TJsonImport i =
            LeseJson(Json(R"({"name": "Teig", "allergene": {"eier": "frei"}}, {"name": "Ei",
                             "allergene": {"eier": "enthaelt"}})"));
        SetzeUnterrezeptAufloesung({});
        QVERIFY(!i.ok());
        QCOMPARE(i.fehler.size(), 1);
        QVERIFY(i.fehler[0].contains(QLatin1String("zutaten[0].allergene: ein Unterrezept")));
    }
};

QTEST_GUILESS_MAIN(TestJsonKennzeichnung)
#include "test_json_kennzeichnung.moc"
