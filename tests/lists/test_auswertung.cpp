#include "core/fehler.h"
#include "core/zahlen.h"
#include "lists/auswertung.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/auswertung_naiv.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cstring>
#include <random>

namespace {

using Modus = TAuswertungsModus;

TAuswertungsWahl wahl(int k, Modus m, QDate start, QDate ende) {
    return {k, m, start, ende};
}

QStringList titel(const TListe& t) {
    QStringList l;
    for (const TSpalte& s : t.spalten)
        l << s.titel;
    return l;
}

// A product (group 0) and a service (group 25) with one stored sale each in June 2024,
// plus a sale outside the range. Today's prices: product n = 100, c = 3; service n = 200,
// c = 5 (VAT 19 for both).
void Zweierdaten(TDaten& d) {
    NeueZutat(d, QStringLiteral("A"), 3, 1);
    NeueZutat(d, QStringLiteral("B"), 10, 2);
    TRezept& a = NeuesRezept(d, QStringLiteral("Suppe"), 1, 119, 0);
    NeueZeile(a, 0, 1);
    NeuerVerkauf(a, 2024, 6, 3, 2, 10, 11.9, 4, 40, 6);
    NeuerVerkauf(a, 2024, 8, 1, 9, 99, 99, 99, 99, 99);
    TRezept& b = NeuesRezept(d, QStringLiteral("Buffet"), 1, 238, 25);
    NeueZeile(b, 1, 1);
    NeuerVerkauf(b, 2024, 6, 30, 1, 20, 23.8, 2, 10, 18);
}

bool bitgleich(const TAuswertungsWerte& a, const TAuswertungsWerte& b) {
    return a.monate == b.monate && a.werte.size() == b.werte.size() &&
           std::memcmp(a.werte.data(), b.werte.data(), a.werte.size() * sizeof(double)) == 0;
}

// Random recipes in every kind of group (also outside 0..39) with sales over four years,
// some on months that do not exist, with values whose sums depend on their order.
void Zufallsdaten(TDaten& d, unsigned seed) {
    std::mt19937 zufall(seed);
    std::uniform_real_distribution<double> preis(-5, 80);
    for (int i = 0; i < 60; ++i)
        NeueZutat(d, QStringLiteral("Z"), preis(zufall), i % 13 == 0 ? 0.0 : 0.5 + i % 4);
    d.SetGruppeMwst(7, 7);
    d.SetGruppeMwst(30, -100); // a net price that cannot be computed
    for (int i = 0; i < 150; ++i) {
        const int gruppe = int(zufall() % 46) - 3;
        TRezept& r = NeuesRezept(d, QStringLiteral("R"), i % 17 == 0 ? 0.0 : 1 + i % 5,
                                 preis(zufall), gruppe);
        for (int k = 0; k < int(zufall() % 5); ++k)
            NeueZeile(r, int(zufall() % 62), preis(zufall) / 10, double(zufall() % 40));
        for (int k = 0; k < int(zufall() % 40); ++k)
            NeuerVerkauf(r, 2022 + int(zufall() % 4), int(zufall() % 14), 1 + int(zufall() % 28),
                         int(zufall() % 50) - 2, preis(zufall), preis(zufall), preis(zufall),
                         preis(zufall), preis(zufall));
    }
}

} // namespace

class TestAuswertung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spaltenUndZeilen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        d.SetGruppe(4, QStringLiteral("Desserts"));
        const auto t = FillAuswertung(d, wahl(0, Modus::original, {2024, 3, 15}, {2024, 4, 2}));
        QVERIFY(t);
        QCOMPARE(titel(*t), (QStringList{QStringLiteral("Name"), QStringLiteral("März"),
                                         QStringLiteral("April")}));
        QCOMPARE(t->spalten[0].breite, 150);
        QCOMPARE(t->spalten[2].breite, 50);
        QCOMPARE(t->anzahlZeilen(), AuswertungsZeilen);
        QCOMPARE(t->zelle(0, 0), QStringLiteral("Alle"));
        QCOMPARE(t->zelle(1, 0), QStringLiteral("Alle Produkte"));
        QCOMPARE(t->zelle(2, 0), QStringLiteral("Alle Dienstleistungen"));
        QCOMPARE(t->zelle(7, 0), QStringLiteral("Desserts"));
        QCOMPARE(t->zelle(42, 0), QStringLiteral("Dienstleistungen 20"));
        // A month without sales is 0 in every row, the ratio included.
        for (int z = 0; z < AuswertungsZeilen; ++z)
            QCOMPARE(t->zeilen[z].mid(1),
                     (QStringList{QStringLiteral("0,00"), QStringLiteral("0,00")}));
        const auto q = FillAuswertung(d, wahl(3, Modus::simulation, {2024, 3, 15}, {2024, 4, 2}));
        QCOMPARE(q->zelle(0, 1), QStringLiteral("0,00"));
    }

    void monatsbereiche_data() {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("ende");
        QTest::addColumn<QStringList>("monate");
        QTest::addColumn<QStringList>("alle");
        QTest::newRow("innerhalb eines Monats")
            << QDate(2024, 3, 20) << QDate(2024, 3, 21) << QStringList{QStringLiteral("März")}
            << QStringList{QStringLiteral("3,00")};
        QTest::newRow("Tage zählen nicht")
            << QDate(2024, 3, 15) << QDate(2024, 4, 2)
            << QStringList{QStringLiteral("März"), QStringLiteral("April")}
            << QStringList{QStringLiteral("3,00"), QStringLiteral("40,00")};
        QTest::newRow("über den Jahreswechsel")
            << QDate(2023, 11, 1) << QDate(2024, 2, 28)
            << QStringList{QStringLiteral("Nov."), QStringLiteral("Dez."), QStringLiteral("Jan."),
                           QStringLiteral("Feb.")}
            << QStringList{QStringLiteral("500,00"), QStringLiteral("600,00"),
                           QStringLiteral("700,00"), QStringLiteral("0,00")};
        QStringList vierzehn, werte;
        for (int m : {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1})
            vierzehn << Monatskuerzel(m);
        werte << QStringLiteral("600,00") << QStringLiteral("700,00") << QStringLiteral("0,00")
              << QStringLiteral("3,00") << QStringLiteral("40,00");
        for (int i = 0; i < 6; ++i) // May to October
            werte << QStringLiteral("0,00");
        werte << QStringLiteral("8000,00") << QStringLiteral("0,00") << QStringLiteral("0,00");
        QTest::newRow("14 Monate wiederholen die Titel")
            << QDate(2023, 12, 31) << QDate(2025, 1, 1) << vierzehn << werte;
    }
    void monatsbereiche() {
        QFETCH(QDate, start);
        QFETCH(QDate, ende);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TRezept& r = NeuesRezept(d, QStringLiteral("R"), 1, 1, 0);
        NeuerVerkauf(r, 2024, 3, 1, 1, 1, 0, 0, 0, 0);
        NeuerVerkauf(r, 2024, 3, 31, 1, 2, 0, 0, 0, 0);
        NeuerVerkauf(r, 2024, 4, 30, 1, 40, 0, 0, 0, 0);
        NeuerVerkauf(r, 2023, 11, 1, 1, 500, 0, 0, 0, 0);
        NeuerVerkauf(r, 2023, 12, 31, 1, 600, 0, 0, 0, 0);
        NeuerVerkauf(r, 2024, 1, 1, 1, 700, 0, 0, 0, 0);
        NeuerVerkauf(r, 2024, 11, 9, 1, 8000, 0, 0, 0, 0);  // November of the other year
        NeuerVerkauf(r, 2024, 13, 1, 1, 90000, 0, 0, 0, 0); // no month: never counted

        const auto t = FillAuswertung(d, wahl(0, Modus::original, start, ende));
        QVERIFY(t);
        QTEST(titel(*t).mid(1), "monate");
        QTEST(t->zeilen[0].mid(1), "alle");
        QCOMPARE(t->zeilen[1].mid(1), t->zeilen[0].mid(1));
        QCOMPARE(t->zeilen[3].mid(1), t->zeilen[0].mid(1));
    }

    void kennzahlenBeiderModi_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("simulation");
        // Alle, Alle Produkte, Alle Dienstleistungen, Gruppe 0, Gruppe 25
        QTest::addColumn<QStringList>("werte");
        auto l = [](std::initializer_list<const char*> s) {
            QStringList r;
            for (const char* t : s)
                r << QString::fromUtf8(t);
            return r;
        };
        QTest::newRow("Umsatz netto gespeichert")
            << 0 << false << l({"30,00", "10,00", "20,00", "10,00", "20,00"});
        QTest::newRow("Umsatz brutto gespeichert")
            << 1 << false << l({"35,70", "11,90", "23,80", "11,90", "23,80"});
        QTest::newRow("Wareneinsatz gespeichert")
            << 2 << false << l({"6,00", "4,00", "2,00", "4,00", "2,00"});
        QTest::newRow("Wareneinsatzquote gespeichert")
            << 3 << false << l({"20,00", "40,00", "10,00", "40,00", "10,00"});
        QTest::newRow("Deckungsbeitrag gespeichert")
            << 4 << false << l({"24,00", "6,00", "18,00", "6,00", "18,00"});
        QTest::newRow("Umsatz netto neu")
            << 0 << true << l({"400,00", "200,00", "200,00", "200,00", "200,00"});
        QTest::newRow("Umsatz brutto neu")
            << 1 << true << l({"476,00", "238,00", "238,00", "238,00", "238,00"});
        QTest::newRow("Wareneinsatz neu")
            << 2 << true << l({"11,00", "6,00", "5,00", "6,00", "5,00"});
        QTest::newRow("Wareneinsatzquote neu")
            << 3 << true << l({"2,75", "3,00", "2,50", "3,00", "2,50"});
        QTest::newRow("Deckungsbeitrag neu")
            << 4 << true << l({"389,00", "194,00", "195,00", "194,00", "195,00"});
    }
    void kennzahlenBeiderModi() {
        QFETCH(int, k);
        QFETCH(bool, simulation);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        Zweierdaten(d);
        const auto t = FillAuswertung(d, wahl(k, simulation ? Modus::simulation : Modus::original,
                                              {2024, 6, 1}, {2024, 7, 31}));
        QVERIFY(t);
        QStringList juni;
        for (int z : {0, 1, 2, 3, 28})
            juni << t->zelle(z, 1);
        QTEST(juni, "werte");
        for (int z = 0; z < AuswertungsZeilen; ++z) {
            QCOMPARE(t->zelle(z, 2), QStringLiteral("0,00")); // July
            if (z != 0 && z != 1 && z != 2 && z != 3 && z != 28)
                QCOMPARE(t->zelle(z, 1), QStringLiteral("0,00"));
        }
    }

    void punktAlsDezimaltrenner() {
        TLocaleWahl en(QStringLiteral("en_US"));
        TDaten d;
        Zweierdaten(d);
        const auto t = FillAuswertung(d, wahl(1, Modus::original, {2024, 6, 1}, {2024, 6, 1}));
        QCOMPARE(t->zelle(0, 1), QStringLiteral("35.70"));
    }

    void quoteAusDenSummen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TRezept& a = NeuesRezept(d, QStringLiteral("A"), 1, 1, 2);
        NeuerVerkauf(a, 2024, 5, 1, 1, 100, 0, 10, 10, 0);
        TRezept& b = NeuesRezept(d, QStringLiteral("B"), 1, 1, 2);
        NeuerVerkauf(b, 2024, 5, 2, 1, 10, 0, 5, 50, 0);
        const auto t = FillAuswertung(d, wahl(3, Modus::original, {2024, 5, 1}, {2024, 5, 1}));
        // 15 of 110, not the mean of 10 % and 50 %.
        QCOMPARE(t->zelle(5, 1), QStringLiteral("13,64"));
    }

    void beispielVerkaufInBeidenModi() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
        TRezept& r = NeuesRezept(d, QStringLiteral("Käsebrot"), 1, 10, 0);
        NeueZeile(r, 0, 1.0, 50); // weight loss: not part of the cost of a sale
        ErfasseVerkauf(d, r, {2024, 6, 15}, 3);
        auto zelle = [&](int k, Modus m, int zeile) {
            return FillAuswertung(d, wahl(k, m, {2024, 1, 1}, {2024, 6, 15}))->zelle(zeile, 6);
        };
        QCOMPARE(zelle(3, Modus::original, 0), QStringLiteral("14,28"));
        QCOMPARE(zelle(3, Modus::simulation, 0), QStringLiteral("14,28"));
        QCOMPARE(zelle(2, Modus::original, 0), QStringLiteral("3,60"));
        QCOMPARE(zelle(2, Modus::simulation, 0), QStringLiteral("3,60"));

        // A new price changes only the recomputed figures.
        r.vkbrutto = 20;
        QCOMPARE(zelle(1, Modus::original, 0), QStringLiteral("30,00"));
        QCOMPARE(zelle(1, Modus::simulation, 0), QStringLiteral("60,00"));
        // A recipe moved to a service group takes its past sales along.
        r.gruppe = 39;
        QCOMPARE(zelle(1, Modus::original, 1), QStringLiteral("0,00"));
        QCOMPARE(zelle(1, Modus::original, 2), QStringLiteral("30,00"));
        QCOMPARE(zelle(1, Modus::original, 42), QStringLiteral("30,00"));
        QCOMPARE(zelle(1, Modus::original, 3), QStringLiteral("0,00"));
    }

    void gruppenAusserhalbDerTabelle() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeuerVerkauf(NeuesRezept(d, QStringLiteral("A"), 1, 1, -1), 2024, 5, 1, 1, 1, 0, 0, 0, 0);
        NeuerVerkauf(NeuesRezept(d, QStringLiteral("B"), 1, 1, 40), 2024, 5, 1, 1, 2, 0, 0, 0, 0);
        const auto t = FillAuswertung(d, wahl(0, Modus::original, {2024, 5, 1}, {2024, 5, 1}));
        QCOMPARE(t->zelle(0, 1), QStringLiteral("3,00"));
        QCOMPARE(t->zelle(1, 1), QStringLiteral("1,00"));
        QCOMPARE(t->zelle(2, 1), QStringLiteral("2,00"));
        for (int z = 3; z < AuswertungsZeilen; ++z)
            QCOMPARE(t->zelle(z, 1), QStringLiteral("0,00"));
    }

    // The one-pass evaluation must add every cell in the order of the direct walk.
    void bitgleichMitDemDirektenWeg_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("ende");
        QTest::newRow("alle Jahre") << 1u << QDate(2021, 12, 5) << QDate(2026, 1, 1);
        QTest::newRow("Jahreswechsel") << 2u << QDate(2023, 10, 31) << QDate(2024, 3, 1);
        QTest::newRow("ein Monat") << 3u << QDate(2024, 2, 29) << QDate(2024, 2, 29);
        QTest::newRow("vor allen Verkäufen") << 4u << QDate(2019, 1, 1) << QDate(2021, 6, 1);
    }
    void bitgleichMitDemDirektenWeg() {
        QFETCH(unsigned, seed);
        QFETCH(QDate, start);
        QFETCH(QDate, ende);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        Zufallsdaten(d, seed);
        for (Modus m : {Modus::original, Modus::simulation})
            for (int k = -1; k <= 5; ++k) {
                const auto w = wahl(k, m, start, ende);
                const auto schnell = BerechneAuswertung(d, w);
                const auto direkt = BerechneAuswertungNaiv(d, w);
                QVERIFY(schnell && direkt);
                QVERIFY2(bitgleich(*schnell, *direkt),
                         qPrintable(QStringLiteral("k %1, Modus %2").arg(k).arg(int(m))));
            }
    }

    void datumsregeln() {
        TAuswertungsWahl w{0, Modus::original, {2024, 5, 10}, {2024, 3, 1}};
        QVERIFY(!FillAuswertung(TDaten(), w)); // the caller keeps the table it has
        DateTimePicker1Change(w);              // the start was set after the end
        QCOMPARE(w.ende, QDate(2024, 5, 10));
        w.ende = QDate(2024, 2, 1);
        DateTimePicker2Change(w); // the end was set before the start
        QCOMPARE(w.start, QDate(2024, 2, 1));
        QCOMPARE(FillAuswertung(TDaten(), w)->anzahlSpalten(), 2);
        w.ende = QDate(2024, 9, 1);
        DateTimePicker2Change(w); // nothing to move
        DateTimePicker1Change(w);
        QCOMPARE(w.start, QDate(2024, 2, 1));
        QCOMPARE(w.ende, QDate(2024, 9, 1));
    }

    // Three centuries at most: a range of years 1 to 65535 would need gigabytes.
    void bereichDerDaten() {
        TDaten d;
        const QDate erster = FruehestesAuswertungsdatum(), letzter = SpaetestesAuswertungsdatum();
        QCOMPARE(erster, QDate(1900, 1, 1));
        QCOMPARE(letzter, QDate(2199, 12, 31));
        const auto t = FillAuswertung(d, wahl(0, Modus::original, erster, letzter));
        QCOMPARE(t->anzahlSpalten(), 1 + 300 * 12);
        for (const auto& [start, ende] :
             {std::pair{erster.addDays(-1), letzter}, std::pair{erster, letzter.addDays(1)},
              std::pair{QDate(1, 1, 1), QDate(9999, 12, 31)}, std::pair{QDate(), letzter}})
            QVERIFY_THROWS_EXCEPTION(TFehler,
                                     BerechneAuswertung(d, wahl(0, Modus::original, start, ende)));
    }
};

QTEST_GUILESS_MAIN(TestAuswertung)
#include "test_auswertung.moc"
