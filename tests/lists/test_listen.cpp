// The three main lists and the filter items, built from the data.
#include "core/daten.h"
#include "lists/geordnetelisten.h"
#include "lists/listen.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <memory>

namespace {

QStringList zeile(std::initializer_list<const char*> zellen) {
    QStringList z;
    for (const char* c : zellen)
        z << t(c);
    return z;
}

QList<TSpalte> spalten(const TListe& l) {
    return l.spalten;
}

} // namespace

class TestListen : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // The locale must be set before the group table is made: it holds its rates as texts.
    void neueDaten() {
        QFETCH(QString, locale);
        this->locale = std::make_unique<TLocaleWahl>(locale);
        daten = std::make_unique<TDaten>();
    }

private Q_SLOTS:
    void cleanup() {
        daten.reset();
        locale.reset();
    }

    void spaltenUndBreiten() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        const TListen l = ListRezepte(d, 0, 0, QDate(2024, 1, 1));
        QCOMPARE(spalten(l.zutaten), (QList<TSpalte>{{"Name", 150},
                                                     {"Lieferant", 100},
                                                     {"Gruppe", 100},
                                                     {"Preis/Einheit", 75},
                                                     {"Gesamtpreis", 75},
                                                     {"Menge", 75},
                                                     {"Einheit", 75},
                                                     {"Nr", 0}}));
        QCOMPARE(spalten(l.rezepte), (QList<TSpalte>{{"Name", 150},
                                                     {"Gruppe", 100},
                                                     {"EK Preis", 90},
                                                     {"kalk. VK netto", 90},
                                                     {"kalk VK brutto", 90},
                                                     {"tats. VK netto", 90},
                                                     {"tats. VK brutto", 90},
                                                     {"DB", 90},
                                                     {"WE- Quote (%)", 90},
                                                     {"Nr", 0}}));
        QCOMPARE(spalten(l.verkaeufe), (QList<TSpalte>{{"Name", 150},
                                                       {"Tagesumsatz", 75},
                                                       {"Tagesmenge", 75},
                                                       {"Tages-DB", 75},
                                                       {"Monatsumsatz", 85},
                                                       {"Monatsmenge", 85},
                                                       {"Monats-DB", 90},
                                                       {"Jahresumsatz", 85},
                                                       {"Jahresmenge", 85},
                                                       {"Jahres-DB", 85},
                                                       {"Nr", 0}}));
        QVERIFY(l.zutaten.zeilen.isEmpty());
        QVERIFY(l.rezepte.zeilen.isEmpty());
        QVERIFY(l.verkaeufe.zeilen.isEmpty());
    }

    void beispiel_data() { BeideLocales(); }
    void beispiel() {
        neueDaten();
        BaueBeispiel(*daten);
        const TListen l = ListRezepte(*daten, 0, 0, QDate(2023, 5, 17));
        QCOMPARE(l.zutaten.zeilen, QList<QStringList>{zeile(
                                       {"Mehl", "", "Basis", "2", "4,0000", "2,0000", "kg", "0"})});
        QCOMPARE(l.rezepte.zeilen,
                 QList<QStringList>{zeile({"Brot", "Gruppe 1", "1,0000", "3,33", "3,97", "5,00",
                                           "5,95", "4,0000", "20,0000", "0"})});
        QCOMPARE(l.verkaeufe.zeilen,
                 QList<QStringList>{zeile({"Brot", "5,95", "1", "4,00", "5,95", "1", "4,00", "5,95",
                                           "1", "4,00", "0"})});
    }

    void zutatenZellen_data() { BeideLocales(); }
    void zutatenZellen() {
        neueDaten();
        NeueZutat(*daten, QStringLiteral("Butter"), 12.5, 0.25, QStringLiteral("kg"),
                  QStringLiteral("Frischhof"), QStringLiteral("Molkerei"),
                  QStringLiteral("ca. 50 EUR/kg"));
        // Rounded to 4 decimals, halfway away from zero; the stored text stays as it is.
        NeueZutat(*daten, QStringLiteral("Safran"), 1.0 / 3, 0.00005, QStringLiteral("g"), {}, {},
                  QStringLiteral("1.234,5"));
        const TListe l = ZutatenListe(*daten);
        QCOMPARE(l.zeilen[0], zeile({"Butter", "Frischhof", "Molkerei", "ca. 50 EUR/kg", "12,5000",
                                     "0,2500", "kg", "0"}));
        QCOMPARE(l.zeilen[1],
                 (QStringList{"Safran", "", "", "1.234,5", t("0,3333"), t("0,0001"), "g", "1"}));
    }

    void rezeptZellen_data() { BeideLocales(); }
    void rezeptZellen() {
        neueDaten();
        TDaten& d = *daten;
        NeueZutat(d, QStringLiteral("Mehl"), 3, 2);  // 1,5 per unit
        NeueZutat(d, QStringLiteral("Sahne"), 1, 3); // 1/3 per unit
        d.SetGruppeMwst(4, 7);
        d.SetGruppeWE(4, 40);
        d.SetGruppe(4, QStringLiteral("Kuchen"));
        // EK = 1,5 × 2 ÷ 4 + 1/3 × 0,6 ÷ 4 ÷ 0,8 = 0,75 + 0,0625 = 0,8125
        TRezept& r = NeuesRezept(d, QStringLiteral("Torte"), 4, 12.5, 4);
        NeueZeile(r, 0, 2);
        NeueZeile(r, 1, 0.6, 20);
        NeueZeile(r, 7, 100);  // no such ingredient: left out
        NeueZeile(r, -1, 100); // neither
        const TListe l = RezeptListe(d, 0);
        // kalk. netto 0,8125 × 100 ÷ 40 = 2,03125; brutto 107 × 2,03125 ÷ 100 = 2,1734375
        // tats. netto 12,5 × 100 ÷ 107 = 11,682242...; DB 10,869742...; WE 81,25 × 1,07 ÷ 12,5 =
        // 6,955
        QCOMPARE(l.zeilen[0], zeile({"Torte", "Kuchen", "0,8125", "2,03", "2,17", "11,68", "12,5",
                                     "10,8697", "6,9550", "0"}));
    }

    void rezeptGrenzfaelle_data() { BeideLocales(); }
    void rezeptGrenzfaelle() {
        neueDaten();
        TDaten& d = *daten;
        NeueZutat(d, QStringLiteral("Mehl"), 2, 1);
        d.SetGruppeWE(5, 0);
        NeuesRezept(d, QStringLiteral("Ohne Zeilen"), 1, 5.95, 0);
        NeueZeile(NeuesRezept(d, QStringLiteral("Gratis"), 1, 0, 0), 0, 1);
        NeueZeile(NeuesRezept(d, QStringLiteral("WE null"), 1, 5.95, 5), 0, 1);
        NeueZeile(NeuesRezept(d, QStringLiteral("Ertrag null"), 0, 5.95, 0), 0, 1);
        NeueZeile(NeuesRezept(d, QStringLiteral("Halb verloren"), 1, 5.95, 0), 0, 1, 50);
        NeueZeile(NeuesRezept(d, QStringLiteral("Ganz verloren"), 1, 5.95, 0), 0, 1, 100);
        TRezept& kaputt = NeuesRezept(d, QStringLiteral("Gruppe kaputt"), 1, 5.95, 0);
        kaputt.gruppe = 57;
        const TListe l = RezeptListe(d, 0);
        QCOMPARE(l.anzahlZeilen(), 7);
        QCOMPARE(l.zeilen[0], zeile({"Ohne Zeilen", "Gruppe 1", "0,0000", "0,00", "0,00", "5,00",
                                     "5,95", "5,0000", "0,0000", "0"}));
        QCOMPARE(l.zeilen[1], zeile({"Gratis", "Gruppe 1", "2,0000", "6,67", "7,93", "0,00", "0",
                                     "-2,0000", "0,0000", "1"}));
        QCOMPARE(l.zeilen[2], zeile({"WE null", "Produkte 6", "2,0000", "0,00", "0,00", "5,00",
                                     "5,95", "3,0000", "40,0000", "2"}));
        QCOMPARE(l.zeilen[3], zeile({"Ertrag null", "Gruppe 1", "0,0000", "0,00", "0,00", "5,00",
                                     "5,95", "5,0000", "0,0000", "3"}));
        QCOMPARE(l.zeilen[4][2], t("4,0000"));
        QCOMPARE(l.zeilen[5][2], t("0,0000"));
        // A group outside the table: no name, no rates, still listed.
        QCOMPARE(l.zeilen[6], zeile({"Gruppe kaputt", "", "0,0000", "0,00", "0,00", "5,95", "5,95",
                                     "5,9500", "0,0000", "6"}));
    }

    void filter_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("nr");
        QTest::newRow("alle") << 0 << QStringList{"0", "1", "2", "3", "4"};
        QTest::newRow("keine Auswahl") << -1 << QStringList{"0", "1", "2", "3", "4"};
        QTest::newRow("produkte") << 1 << QStringList{"0", "1"};
        QTest::newRow("dienstleistungen") << 2 << QStringList{"2", "3", "4"};
        QTest::newRow("gruppe 0") << 3 << QStringList{"0"};
        QTest::newRow("gruppe 19") << 22 << QStringList{"1"};
        QTest::newRow("gruppe 20") << 23 << QStringList{"2"};
        QTest::newRow("gruppe 39") << 42 << QStringList{"4"};
        QTest::newRow("leere gruppe") << 10 << QStringList{};
    }
    void filter() {
        QFETCH(int, filter);
        QFETCH(QStringList, nr);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        for (int g : {0, 19, 20, 21, 39})
            NeuesRezept(d, QStringLiteral("R%1").arg(g), 1, 1, g);
        for (const TListe& l :
             {RezeptListe(d, filter), VerkaufsListe(d, filter, QDate(2024, 1, 1))}) {
            QStringList ist;
            for (qsizetype i = 0; i < l.anzahlZeilen(); ++i)
                ist << l.zeilen[i].last();
            QCOMPARE(ist, nr);
        }
    }

    void filterUnabhaengig() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeuesRezept(d, QStringLiteral("Brot"), 1, 1, 0);
        NeuesRezept(d, QStringLiteral("Catering"), 1, 1, 25);
        const TListen l = ListRezepte(d, 2, 1, QDate(2024, 1, 1));
        QCOMPARE(l.rezepte.anzahlZeilen(), 1);
        QCOMPARE(l.rezepte.zeilen[0][0], QStringLiteral("Catering"));
        QCOMPARE(l.verkaeufe.anzahlZeilen(), 1);
        QCOMPARE(l.verkaeufe.zeilen[0][0], QStringLiteral("Brot"));
        QCOMPARE(l.zutaten.anzahlZeilen(), 0);
    }

    void filterEintraege() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        d.SetGruppe(3, QStringLiteral("Desserts"));
        const QStringList f = ListRezepte(d, 0, 0, QDate(2024, 1, 1)).filter;
        QCOMPARE(f.size(), 43);
        QCOMPARE(f.mid(0, 5), (QStringList{"Alle", "Alle Produkte", "Alle Dienstleistungen",
                                           "Gruppe 1", "Gruppe 2"}));
        QCOMPARE(f[6], QStringLiteral("Desserts"));
        QCOMPARE(f[23], QStringLiteral("Gruppe 1"));
        QCOMPARE(f[42], d.GetGruppe(39));
        // The renamed group keeps its position, so a selected filter keeps filtering it.
        NeuesRezept(d, QStringLiteral("Eis"), 1, 1, 3);
        d.SetGruppe(3, QStringLiteral("Nachtisch"));
        const TListen neu = ListRezepte(d, 6, 0, QDate(2024, 1, 1));
        QCOMPARE(neu.filter[6], QStringLiteral("Nachtisch"));
        QCOMPARE(neu.rezepte.zeilen[0][1], QStringLiteral("Nachtisch"));
    }

    void verkaufssummen_data() { BeideLocales(); }
    void verkaufssummen() {
        neueDaten();
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Brot"), 1, 5.95, 0);
        // menge, netto, brutto, wareneinsatz, quote, db: brutto differs from netto so that
        // reading the wrong field shows.
        NeuerVerkauf(r, 2023, 5, 17, 2, 10, 11.9, 2, 20, 8.125);   // the day
        NeuerVerkauf(r, 2023, 5, 17, 1, 5, 5.95, 1, 20, 4.005);    // same day again
        NeuerVerkauf(r, 2023, 5, 3, 4, 20, 23.8, 4, 20, 16);       // same month
        NeuerVerkauf(r, 2023, 11, 17, 8, 40, 47.6, 8, 20, 32);     // same year
        NeuerVerkauf(r, 2022, 5, 17, 16, 80, 95.2, 16, 20, 64);    // same day, other year
        NeuerVerkauf(r, 2024, 5, 17, 32, 160, 190.4, 32, 20, 128); // likewise
        NeuesRezept(*daten, QStringLiteral("Ohne"), 1, 1, 0);
        const TListe l = VerkaufsListe(*daten, 0, QDate(2023, 5, 17));
        QCOMPARE(l.zeilen[0], zeile({"Brot", "17,85", "3", "12,13", "41,65", "7", "28,13", "89,25",
                                     "15", "60,13", "0"}));
        QCOMPARE(l.zeilen[1], zeile({"Ohne", "0,00", "0", "0,00", "0,00", "0", "0,00", "0,00", "0",
                                     "0,00", "1"}));
        // Another day of the month: only month and year count it.
        const TListe t2 = VerkaufsListe(*daten, 0, QDate(2023, 5, 3));
        QCOMPARE(t2.zeilen[0].mid(1, 3), zeile({"23,80", "4", "16,00"}));
        QCOMPARE(t2.zeilen[0].mid(4, 3), zeile({"41,65", "7", "28,13"}));
    }
    // Built and ordered at once, the ingredients on a second thread, the lists are what
    // building and then ordering each one gives, whatever the filters and columns.
    void geordnetWieNacheinander() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        const QStringList namen{t("Zwiebel"), t("apfel"), t("Äpfel"), t("Birne"), t("birne"),
                                t("Mehl"),    t("Öl"),    t("Salz"),  t("Ei"),    t("")};
        for (int i = 0; i < 300; ++i)
            NeueZutat(d, namen[i % namen.size()] + QString::number(i % 7), (i * 37 % 101) / 10.0,
                      1 + i % 5, t("kg"), i % 3 ? t("Lieferant") : QString(),
                      t("Gruppe ") + QString::number(i % 4));
        for (int i = 0; i < 60; ++i) {
            TRezept& r = NeuesRezept(d, namen[i * 3 % namen.size()], 1 + i % 4, 2.5 * i, i % 40);
            NeueZeile(r, i * 7 % 300, 0.5);
            NeuerVerkauf(r, 2024, 1 + i % 3, 1 + i % 5, 1 + i % 3, 1, 1.19, 0.5, 40, 0.5);
        }
        const TSortStand staende[][3] = {{{0, false}, {0, false}, {0, false}},
                                         {{3, true}, {7, false}, {2, true}},
                                         {{2, false}, {1, true}, {0, true}}};
        for (const auto& s : staende) {
            for (const int filter : {0, 1, 5}) {
                TListen einzeln = ListRezepte(d, filter, filter, QDate(2024, 2, 3));
                SortiereListe(einzeln.zutaten, TListenArt::zutaten, s[0].spalte, s[0].richtung);
                SortiereListe(einzeln.rezepte, TListenArt::rezepte, s[1].spalte, s[1].richtung);
                SortiereListe(einzeln.verkaeufe, TListenArt::verkaeufe, s[2].spalte, s[2].richtung);
                TGeordneteListen g =
                    GeordneteListen(d, filter, filter, QDate(2024, 2, 3), s[0], s[1], s[2]);
                QCOMPARE(g.zutaten.liste.zeilen, einzeln.zutaten.zeilen);
                QCOMPARE(g.rezepte.liste.zeilen, einzeln.rezepte.zeilen);
                QCOMPARE(g.verkaeufe.liste.zeilen, einzeln.verkaeufe.zeilen);
                QCOMPARE(g.filter, einzeln.filter);
                QVERIFY(!g.verkaeufe.liste.zeilen.isEmpty());
                // The keys came along: ordering again by name gives the name order.
                TListe nachName = einzeln.zutaten;
                SortiereListe(nachName, TListenArt::zutaten, 0, false);
                g.zutaten.schluessel.sortiere(g.zutaten.liste, 0, false);
                QCOMPARE(g.zutaten.liste.zeilen, nachName.zeilen);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestListen)
#include "test_listen.moc"
