// Known units, their aliases and the conversion through an ingredient's facts, checked
// against exact rational arithmetic.
#include "core/zahlen.h"
#include "costing/einheiten.h"
#include "costing/preise.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cmath>
#include <numeric>

namespace {

// An exact fraction of decimal inputs; the numbers here stay far below 2^100.
struct TBruch {
    __int128 z = 0;
    __int128 n = 1;

    static __int128 ggt(__int128 a, __int128 b) {
        a = a < 0 ? -a : a;
        while (b != 0) {
            const __int128 r = a % b;
            a = b;
            b = r < 0 ? -r : r;
        }
        return a;
    }
    static TBruch gekuerzt(__int128 z, __int128 n) {
        const __int128 g = ggt(z, n);
        return g > 1 ? TBruch{z / g, n / g} : TBruch{z, n};
    }
    // "0,911" as 911/1000.
    static TBruch aus(const char* text) {
        TBruch b{0, 1};
        bool nachKomma = false;
        for (const char* p = text; *p; ++p) {
            if (*p == '.' || *p == ',') {
                nachKomma = true;
                continue;
            }
            b.z = b.z * 10 + (*p - '0');
            if (nachKomma)
                b.n *= 10;
        }
        return gekuerzt(b.z, b.n);
    }
    TBruch operator*(const TBruch& o) const { return gekuerzt(z * o.z, n * o.n); }
    TBruch operator/(const TBruch& o) const { return gekuerzt(z * o.n, n * o.z); }
    long double wert() const { return static_cast<long double>(z) / static_cast<long double>(n); }
};

double zahl(const char* text) {
    return double(TBruch::aus(text).wert());
}

bool nahe(double ist, const TBruch& genau) {
    const long double g = genau.wert();
    return std::fabs(static_cast<long double>(ist) - g) <= 1e-12L * std::fabs(g);
}

double umgerechnet(double menge, QStringView von, QStringView nach, const TEinheitFakten& f) {
    const TUmrechnungsweg w = Umrechnung(von, nach, f);
    if (!w.umrechnung)
        return std::nan("");
    return w.umrechnung->menge(menge);
}

TEinheitFakten fakten(std::optional<double> stueck, std::optional<double> dichte,
                      std::optional<TInhalt> inhalt = std::nullopt) {
    return {stueck, dichte, std::move(inhalt)};
}

} // namespace

class TestEinheiten : public QObject {
    Q_OBJECT
    TLocaleWahl locale{QStringLiteral("de_DE")};

private Q_SLOTS:
    void aliase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("einheit");
        const char* const faelle[][2] = {
            {"mg", "mg"},        {"g", "g"},         {"gr", "g"},         {"Gramm", "g"},
            {"kg", "kg"},        {"Kilo", "kg"},     {"Kilogramm", "kg"}, {"ml", "ml"},
            {"cl", "cl"},        {"dl", "dl"},       {"l", "l"},          {"Liter", "l"},
            {"ltr", "l"},        {"EL", "EL"},       {"Esslöffel", "EL"}, {"TL", "TL"},
            {"Teelöffel", "TL"}, {"Stück", "Stück"}, {"Stk", "Stück"},    {"St", "Stück"},
            {"Stck", "Stück"},   {" KG. ", "kg"},    {"gR.", "g"},        {"STÜCK", "Stück"},
            {"esslöffel", "EL"}, {"  Ltr.", "l"},    {"Karton", ""},      {"", ""},
            {"g g", ""},         {"Stücke", ""},     {".", ""},           {"kg..", ""},
        };
        for (const auto& f : faelle)
            QTest::newRow(f[0]) << QString::fromUtf8(f[0]) << QString::fromUtf8(f[1]);
    }
    void aliase() {
        QFETCH(QString, text);
        QFETCH(QString, einheit);
        const TBekannteEinheit* e = BekannteEinheit(text);
        QCOMPARE(e ? e->name.toString() : QString(), einheit);
    }

    void gleicheEinheitOhneFallUndPunkt() {
        QVERIFY(GleicheEinheit(u"Karton", u" karton. "));
        QVERIFY(GleicheEinheit(u"Stk", u"Stück"));
        QVERIFY(!GleicheEinheit(u"kg", u"l"));
        QVERIFY(!GleicheEinheit(u"Karton", u"Kiste"));
        QVERIFY(GleicheEinheit(u"", u""));
    }

    // Every family against its exact factors, with amounts that are no binary fractions.
    void innerhalbDerFamilie_data() {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("nach");
        QTest::addColumn<QString>("mal"); // the exact factor: mal ÷ durch
        QTest::addColumn<QString>("durch");
        QTest::newRow("g→kg") << "250"
                              << "g"
                              << "kg"
                              << "1"
                              << "1000";
        QTest::newRow("mg→kg") << "7.3"
                               << "mg"
                               << "kg"
                               << "1"
                               << "1000000";
        QTest::newRow("kg→mg") << "0.123"
                               << "Kilo"
                               << "mg"
                               << "1000000"
                               << "1";
        QTest::newRow("EL→ml") << "2"
                               << "EL"
                               << "ml"
                               << "15"
                               << "1";
        QTest::newRow("TL→l") << "3"
                              << "TL"
                              << "l"
                              << "5"
                              << "1000";
        QTest::newRow("dl→cl") << "1.7"
                               << "dl"
                               << "cl"
                               << "10"
                               << "1";
        QTest::newRow("ml→EL") << "0.1"
                               << "ml"
                               << "Esslöffel"
                               << "1"
                               << "15";
        QTest::newRow("Stk→Stück") << "24"
                                   << "Stk"
                                   << "Stück"
                                   << "1"
                                   << "1";
    }
    void innerhalbDerFamilie() {
        QFETCH(QString, menge);
        QFETCH(QString, von);
        QFETCH(QString, nach);
        QFETCH(QString, mal);
        QFETCH(QString, durch);
        const TBruch genau = TBruch::aus(menge.toLatin1().constData()) *
                             TBruch::aus(mal.toLatin1().constData()) /
                             TBruch::aus(durch.toLatin1().constData());
        const double ist = umgerechnet(zahl(menge.toLatin1().constData()), von, nach, {});
        QVERIFY2(nahe(ist, genau), qPrintable(QString::number(ist, 'g', 17)));
    }

    // Nothing is assumed: each step across families needs its fact, and the message names
    // it. 1 kg is never 1 l.
    void fehlendeAngaben() {
        const TEinheitFakten keine;
        QCOMPARE(Umrechnung(u"l", u"kg", keine).fehlt, TFehlendeAngabe::dichte);
        QCOMPARE(Umrechnung(u"EL", u"g", keine).fehlt, TFehlendeAngabe::dichte);
        QCOMPARE(Umrechnung(u"Stück", u"kg", keine).fehlt, TFehlendeAngabe::stueckgewicht);
        QCOMPARE(Umrechnung(u"g", u"Stk", keine).fehlt, TFehlendeAngabe::stueckgewicht);
        QCOMPARE(Umrechnung(u"l", u"Karton", keine).fehlt, TFehlendeAngabe::inhalt);
        QCOMPARE(Umrechnung(u"Karton", u"kg", keine).fehlt, TFehlendeAngabe::fremdeEinheit);
        QCOMPARE(Umrechnung(u"Bund", u"Karton", keine).fehlt, TFehlendeAngabe::fremdeEinheit);
        // Piece weight alone does not reach volume, density alone not pieces.
        QCOMPARE(Umrechnung(u"Stück", u"ml", fakten(60, {})).fehlt, TFehlendeAngabe::dichte);
        QCOMPARE(Umrechnung(u"ml", u"Stück", fakten({}, 1.03)).fehlt,
                 TFehlendeAngabe::stueckgewicht);
        // Two facts missing: either may be named.
        const TFehlendeAngabe beide = Umrechnung(u"Stück", u"l", keine).fehlt;
        QVERIFY(beide == TFehlendeAngabe::dichte || beide == TFehlendeAngabe::stueckgewicht);
        // A content in pieces does not reach mass without the piece weight.
        const TEinheitFakten lage = fakten({}, {}, TInhalt{30, QStringLiteral("Stück")});
        QCOMPARE(Umrechnung(u"g", u"Lage", lage).fehlt, TFehlendeAngabe::stueckgewicht);

        QCOMPARE(FehltText(QStringLiteral("Butter"), TFehlendeAngabe::dichte, u"EL", u"g"),
                 QStringLiteral("Für Butter fehlt die Dichte (g/ml)."));
        QCOMPARE(FehltText(QStringLiteral("Eier"), TFehlendeAngabe::stueckgewicht, u"g", u"Stk"),
                 QStringLiteral("Für Eier fehlt das Gewicht je Stück (g)."));
        QCOMPARE(FehltText(QStringLiteral("Milch"), TFehlendeAngabe::inhalt, u"l", u"Karton"),
                 QStringLiteral("Für Milch fehlt, was 1 Karton enthält."));
        QCOMPARE(FehltText(QStringLiteral("Mehl"), TFehlendeAngabe::fremdeEinheit, u"Sack", u"kg"),
                 QStringLiteral("Für Mehl lässt sich „Sack“ nicht in „kg“ umrechnen."));
    }

    // Chains of two and three steps, both directions, against exact arithmetic.
    void ketten() {
        // Butter in g, density 0,911: 2 EL → 30 ml → 27,33 g.
        const TEinheitFakten butter = fakten({}, zahl("0.911"));
        QVERIFY(nahe(umgerechnet(2, u"EL", u"g", butter), TBruch{30, 1} * TBruch::aus("0.911")));
        QVERIFY(nahe(umgerechnet(zahl("0.3"), u"kg", u"TL", butter),
                     TBruch::aus("300") / TBruch::aus("0.911") / TBruch{5, 1}));
        // Eggs by the tray of 30, 61,5 g each: 120 g → 120 ÷ 61,5 ÷ 30 trays.
        const TEinheitFakten eier = fakten(zahl("61.5"), {}, TInhalt{30, QStringLiteral("Stück")});
        QVERIFY(nahe(umgerechnet(120, u"g", u"Lage", eier),
                     TBruch{120, 1} / TBruch::aus("61.5") / TBruch{30, 1}));
        QVERIFY(nahe(umgerechnet(2, u"Stk", u"Lage", eier), TBruch{2, 30}));
        // Milk by the carton of 6 bottles of 1,03 kg at density 1,03, used by volume:
        // ml → g → Stück → Karton.
        const TEinheitFakten karton =
            fakten(zahl("1030"), zahl("1.03"), TInhalt{6, QStringLiteral("Stück")});
        QVERIFY(nahe(umgerechnet(15000, u"ml", u"Karton", karton),
                     TBruch{15000, 1} * TBruch::aus("1.03") / TBruch{1030, 1} / TBruch{6, 1}));
        // The content belongs to the ingredient's own unit: for one bought by the ml a
        // carton is nothing.
        QCOMPARE(Umrechnung(u"Karton", u"ml", karton).fehlt, TFehlendeAngabe::fremdeEinheit);
        QVERIFY(nahe(umgerechnet(zahl("0.7"), u"l", u"Karton", karton),
                     TBruch::aus("700") * TBruch::aus("1.03") / TBruch{1030, 1} / TBruch{6, 1}));
        // A content in a volume unit of its own: 1 Kanister = 2,5 l; in EL.
        const TEinheitFakten kanister = fakten({}, {}, TInhalt{zahl("2.5"), QStringLiteral("l")});
        QVERIFY(
            nahe(umgerechnet(3, u"EL", u"Kanister", kanister), TBruch{45, 1} / TBruch{2500, 1}));
        // The own unit in any spelling is itself; no facts needed.
        QCOMPARE(umgerechnet(zahl("1.5"), u"bund.", u"Bund", {}), 1.5);
    }

    // A wide spread of amounts through the longest chain stays within 1e-12 of exact.
    void vieleMengenExakt() {
        const TEinheitFakten karton =
            fakten(zahl("61.7"), zahl("0.913"), TInhalt{zahl("12.5"), QStringLiteral("Stück")});
        const TBruch weg =
            TBruch{1000, 1} * TBruch::aus("0.913") / TBruch::aus("61.7") / TBruch::aus("12.5");
        for (const char* m : {"0.0001", "0.3", "1", "2.75", "13.99", "250", "1234.5678", "99999"})
            QVERIFY2(nahe(umgerechnet(zahl(m), u"l", u"Karton", karton), TBruch::aus(m) * weg), m);
    }

    void einheitenwahl() {
        QCOMPARE(Einheitenwahl(u"kg", {}), QStringList({"kg", "mg", "g"}));
        QCOMPARE(Einheitenwahl(u"Lage", fakten(60, {}, TInhalt{30, QStringLiteral("Stück")})),
                 QStringList({"Lage", "mg", "g", "kg", "Stück"}));
        QCOMPARE(Einheitenwahl(u"g", fakten({}, 0.9)),
                 QStringList({"g", "mg", "kg", "ml", "cl", "dl", "l", "EL", "TL"}));
        QCOMPARE(Einheitenwahl(u"Bund", {}), QStringList({"Bund"}));
    }

    void faktenGeprueft() {
        QVERIFY(!PruefeFakten(u"Karton", fakten(50, 1, TInhalt{6, QStringLiteral("l")})));
        // A known unit's content is fixed.
        QVERIFY(PruefeFakten(u"kg", fakten({}, {}, TInhalt{1, QStringLiteral("l")})));
        QVERIFY(PruefeFakten(u"Karton", fakten({}, {}, TInhalt{6, QStringLiteral("Flasche")})));
        QVERIFY(PruefeFakten(u"Karton", fakten({}, {}, TInhalt{0, QStringLiteral("l")})));
        QVERIFY(PruefeFakten(u"g", fakten(0, {})));
        QVERIFY(PruefeFakten(u"g", fakten({}, -1)));
        QVERIFY(PruefeFakten(u"g", fakten(std::nan(""), {})));
    }

    // The cost comes from the pack price with the exact factor: two 12-packs at 13,99
    // cost 27,98, never 24 × a per-piece price rounded first (1,17 → 28,08).
    void preisAusPackung() {
        const double menge = umgerechnet(24, u"Stück", u"Stk", {});
        const double kosten = Zeilenpreis(13.99, 12, menge, 0).value_or(0);
        QVERIFY(nahe(kosten, TBruch{24, 1} * TBruch::aus("13.99") / TBruch{12, 1}));
        QCOMPARE(ZahlFest(kosten, 2), QStringLiteral("27,98"));
        // 500 g of a 2,5 kg pack at 21,90.
        const double g = umgerechnet(500, u"g", u"kg", {});
        QVERIFY(nahe(Zeilenpreis(21.9, 2.5, g, 0).value_or(0),
                     TBruch{500, 1} * TBruch::aus("21.9") / TBruch{2500, 1}));
    }
};

QTEST_GUILESS_MAIN(TestEinheiten)
#include "test_einheiten.moc"
