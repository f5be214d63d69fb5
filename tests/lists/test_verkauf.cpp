#include "core/fehler.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cstring>
#include <limits>

namespace {

const QDate tag1(2024, 6, 15);

// vkbrutto 10, group 0 (VAT 19), one line costing 1.20 per portion before weight loss.
TRezept& Beispielrezept(TDaten& d, double gewichtsverlust = 0) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    TRezept& r = NeuesRezept(d, QStringLiteral("Käsebrot"), 1, 10, 0);
    NeueZeile(r, 0, 1.0, gewichtsverlust);
    return r;
}

TVerkauf& satz(const TRezept& r, uint32_t i) {
    return *r.verkaeufe->at<TVerkauf>(i);
}

bool gleicheBytes(const TVerkauf& a, const TVerkauf& b) {
    return std::memcmp(&a, &b, sizeof(TVerkauf)) == 0;
}

} // namespace

class TestVerkauf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What "Hinzufügen" books: a whole count in the range, as typed, or nothing.
    void portionenAusText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("portionen"); // 0: refused
        QTest::newRow("eins") << "de_DE"
                              << "1" << 1;
        QTest::newRow("Leerzeichen") << "de_DE"
                                     << " 12 " << 12;
        QTest::newRow("ganz mit Komma") << "de_DE"
                                        << "3,0" << 3;
        QTest::newRow("Obergrenze") << "de_DE"
                                    << "100000000" << 100000000;
        QTest::newRow("darüber") << "de_DE"
                                 << "100000001" << 0;
        QTest::newRow("null") << "de_DE"
                              << "0" << 0;
        QTest::newRow("negativ") << "de_DE"
                                 << "-3" << 0;
        QTest::newRow("Bruch") << "de_DE"
                               << "2,5" << 0;
        QTest::newRow("Bruch mit Punkt") << "en_US"
                                         << "2.5" << 0;
        QTest::newRow("Punkt in de") << "de_DE"
                                     << "2.5" << 0;
        QTest::newRow("leer") << "de_DE"
                              << "" << 0;
        QTest::newRow("Buchstaben") << "de_DE"
                                    << "drei" << 0;
    }
    void portionenAusText() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(int, portionen);
        const TLocaleWahl l(locale);
        const std::optional<int32_t> p = LiesPortionen(text);
        QCOMPARE(p.value_or(0), portionen);
        QCOMPARE(PortionenUngueltig(), QStringLiteral("Die verkauften Portionen müssen eine ganze "
                                                      "Zahl von 1 bis 100000000 sein"));
    }

    void ersterVerkaufEinesTages() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TRezept& r = Beispielrezept(d);
        ErfasseVerkauf(d, r, tag1, 3);

        QCOMPARE(r.verkaeufe->count, 1u);
        const TVerkauf& v = satz(r, 0);
        QCOMPARE(v.jahr, 2024);
        QCOMPARE(v.monat, 6);
        QCOMPARE(v.tag, 15);
        QCOMPARE(v.menge, 3);
        QCOMPARE(v.umsatznetto, 3 * (1000.0 / 119));
        QCOMPARE(ZahlFest(v.umsatznetto, 7), QStringLiteral("25,2100840"));
        QCOMPARE(v.umsatzbrutto, 30.0);
        QCOMPARE(v.wareneinsatz, 3 * 1.2);
        QCOMPARE(ZahlFest(v.wequote, 2), QStringLiteral("14,28"));
        // p × n − p × c, not the stored net revenue minus the stored cost.
        const double n = 1000.0 / 119, c = 1.2;
        QCOMPARE(v.deckungsbeitrag, 3 * n - 3 * c);
        QCOMPARE(ZahlFest(v.deckungsbeitrag, 7), QStringLiteral("21,6100840"));
    }

    void zweiterVerkaufAmSelbenTagWirdZusammengefasst() {
        TLocaleWahl en(QStringLiteral("en_US"));
        TDaten d;
        TRezept& r = Beispielrezept(d);
        ErfasseVerkauf(d, r, tag1, 3);
        ErfasseVerkauf(d, r, tag1, 2);

        QCOMPARE(r.verkaeufe->count, 1u);
        const TVerkauf& v = satz(r, 0);
        const double n = 1000.0 / 119;
        QCOMPARE(v.menge, 5);
        // Each sale adds its own p × n: the sums are not recomputed from the total.
        QCOMPARE(v.umsatznetto, 3 * n + 2 * n);
        QCOMPARE(v.umsatzbrutto, 50.0);
        QCOMPARE(v.wareneinsatz, 3 * 1.2 + 2 * 1.2);
        QCOMPARE(ZahlFest(v.wareneinsatz, 2), QStringLiteral("6.00"));
        QCOMPARE(ZahlFest(v.wequote, 2), QStringLiteral("14.28"));
        QCOMPARE(v.wequote, 100 * v.wareneinsatz / v.umsatznetto);
        QCOMPARE(v.deckungsbeitrag, (3 * n - 3 * 1.2) + (2 * n - 2 * 1.2));

        ErfasseVerkauf(d, r, tag1.addDays(1), 1);
        ErfasseVerkauf(d, r, tag1.addYears(-1), 4); // same day and month, other year
        QCOMPARE(r.verkaeufe->count, 3u);
        QCOMPARE(satz(r, 1).tag, 16);
        QCOMPARE(satz(r, 2).jahr, 2023);
        QCOMPARE(satz(r, 2).menge, 4);
    }

    void sonderfaelle_data() {
        QTest::addColumn<double>("vkbrutto");
        QTest::addColumn<bool>("mitZeile");
        QTest::addColumn<double>("gewichtsverlust");
        QTest::addColumn<double>("netto");
        QTest::addColumn<double>("wareneinsatz");
        QTest::addColumn<double>("db");
        const double n = 2 * (1000.0 / 119);
        QTest::newRow("Preis 0") << 0.0 << true << 0.0 << 0.0 << 2 * 1.2 << -(2 * 1.2);
        QTest::newRow("ohne Zeilen") << 10.0 << false << 0.0 << n << 0.0 << n;
        QTest::newRow("Gewichtsverlust zählt nicht")
            << 10.0 << true << 50.0 << n << 2 * 1.2 << n - 2 * 1.2;
    }
    void sonderfaelle() {
        QFETCH(double, vkbrutto);
        QFETCH(bool, mitZeile);
        QFETCH(double, gewichtsverlust);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
        TRezept& r = NeuesRezept(d, QStringLiteral("Brot"), 1, vkbrutto, 0);
        if (mitZeile)
            NeueZeile(r, 0, 1.0, gewichtsverlust);
        ErfasseVerkauf(d, r, tag1, 2);

        const TVerkauf& v = satz(r, 0);
        QTEST(v.umsatznetto, "netto");
        QTEST(v.wareneinsatz, "wareneinsatz");
        QTEST(v.deckungsbeitrag, "db");
        if (vkbrutto == 0)
            QCOMPARE(v.wequote, 0.0);
        if (!mitZeile)
            QCOMPARE(v.wequote, 0.0);
    }

    void ueberlaufDerTagesmengeWirdAbgelehnt() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TRezept& r = Beispielrezept(d);
        ErfasseVerkauf(d, r, tag1, MaxPortionen);
        satz(r, 0).menge = std::numeric_limits<int32_t>::max() - 5;
        const TVerkauf vorher = satz(r, 0);

        try {
            ErfasseVerkauf(d, r, tag1, 6);
            QFAIL("der Überlauf wurde nicht abgelehnt");
        } catch (const TFehler& f) {
            QVERIFY(f.meldung().contains(QStringLiteral("nicht erfasst")));
            QVERIFY(f.meldung().contains(QStringLiteral("2147483647")));
        }
        QCOMPARE(r.verkaeufe->count, 1u);
        QVERIFY(gleicheBytes(satz(r, 0), vorher));

        ErfasseVerkauf(d, r, tag1, 5); // exactly up to the limit is still fine
        QCOMPARE(satz(r, 0).menge, std::numeric_limits<int32_t>::max());

        QVERIFY_THROWS_EXCEPTION(TFehler, ErfasseVerkauf(d, r, tag1.addDays(1), 0));
        QVERIFY_THROWS_EXCEPTION(TFehler, ErfasseVerkauf(d, r, tag1.addDays(1), MaxPortionen + 1));
        QCOMPARE(r.verkaeufe->count, 1u);
    }

    void liste_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("zeile0");
        QTest::newRow("de") << QStringLiteral("de_DE")
                            << QStringList{QStringLiteral("Käsebrot"), QStringLiteral("15.06.2024"),
                                           QStringLiteral("30,00"), QStringLiteral("3")};
        QTest::newRow("en") << QStringLiteral("en_US")
                            << QStringList{QStringLiteral("Käsebrot"), QStringLiteral("6/15/2024"),
                                           QStringLiteral("30.00"), QStringLiteral("3")};
    }
    void liste() {
        QFETCH(QString, locale);
        TLocaleWahl wahl(locale);
        TDaten d;
        TRezept& r = Beispielrezept(d);
        ErfasseVerkauf(d, r, tag1, 3);
        ErfasseVerkauf(d, r, QDate(2023, 12, 31), 1);

        const TListe l = Verkaufsliste(r);
        QCOMPARE(l.spalten, (QList<TSpalte>{{QStringLiteral("Name"), 150},
                                            {QStringLiteral("Datum"), 85},
                                            {QStringLiteral("Preis"), 90},
                                            {QStringLiteral("Menge"), 75}}));
        QCOMPARE(l.anzahlZeilen(), 2);
        QTEST(l.zeilen[0], "zeile0");
        QCOMPARE(l.zelle(1, 3), QStringLiteral("1"));
    }

    void loeschenEinesVonDreiTagen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TRezept& r = Beispielrezept(d);
        for (int i = 0; i < 3; ++i)
            ErfasseVerkauf(d, r, tag1.addDays(i), i + 1);

        LoescheVerkauf(r, 1);
        QCOMPARE(r.verkaeufe->count, 2u);
        QCOMPARE(satz(r, 0).tag, 15);
        QCOMPARE(satz(r, 0).menge, 1);
        QCOMPARE(satz(r, 1).tag, 17);
        QCOMPARE(satz(r, 1).menge, 3);
        QCOMPARE(Verkaufsliste(r).zelle(1, 1), QStringLiteral("17.06.2024"));

        QVERIFY_THROWS_EXCEPTION(TFehler, LoescheVerkauf(r, 2));
        QVERIFY_THROWS_EXCEPTION(TFehler, LoescheVerkauf(r, -1));
        QCOMPARE(r.verkaeufe->count, 2u);
    }
};

QTEST_GUILESS_MAIN(TestVerkauf)
#include "test_verkauf.moc"
