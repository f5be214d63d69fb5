// Ordering of the four lists: compare rules, column clicks and the stable sort.
#include "lists/listen.h"
#include "lists/sortierung.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(TListenArt)

namespace {

QStringList zeile(std::initializer_list<const char*> zellen) {
    QStringList z;
    for (const char* c : zellen)
        z << QString::fromUtf8(c);
    return z;
}

int vorzeichen(int w) {
    return (w > 0) - (w < 0);
}

QStringList namen(const TListe& l) {
    QStringList n;
    for (const QStringList& z : l.zeilen)
        n << z[0] + QLatin1Char('#') + z.last();
    return n;
}

} // namespace

class TestSortierung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void spaltenKlick() {
        int32_t spalte = 0;
        bool dir = false;
        SpaltenKlick(spalte, dir, 0); // right after start: Z to A
        QCOMPARE(spalte, 0);
        QCOMPARE(dir, true);
        SpaltenKlick(spalte, dir, 4);
        QCOMPARE(spalte, 4);
        QCOMPARE(dir, false);
        SpaltenKlick(spalte, dir, 4);
        QCOMPARE(dir, true);
        SpaltenKlick(spalte, dir, 4);
        QCOMPARE(dir, false);
        SpaltenKlick(spalte, dir, 4);
        SpaltenKlick(spalte, dir, 0); // another column starts in the first direction
        QCOMPARE(spalte, 0);
        QCOMPARE(dir, false);
    }

    void grossAZ() { QCOMPARE(GrossAZ(u"äpfel Zoë ß 7"), QStringLiteral("äPFEL ZOë ß 7")); }

    void vergleich_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<TListenArt>("art");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<bool>("dir");
        QTest::addColumn<QStringList>("r1");
        QTest::addColumn<QStringList>("r2");
        QTest::addColumn<int>("soll");
        const QString de = QStringLiteral("de_DE");
        const QString en = QStringLiteral("en_US");
        const auto R = TListenArt::rezepte;
        const auto Z = TListenArt::zutaten;
        const auto V = TListenArt::verkaeufe;
        const auto A = TListenArt::auswahl;
        const QStringList apfel =
            zeile({"Apfelkuchen", "Gruppe 1", "9,5000", "3,00", "", "", "", "", "", "0"});
        const QStringList zwieb =
            zeile({"Zwiebelkuchen", "Gruppe 2", "12,0000", "3,00", "", "", "", "", "", "1"});
        QTest::newRow("name A vor Z") << de << R << 0 << false << apfel << zwieb << -1;
        QTest::newRow("name umgekehrt") << de << R << 0 << true << apfel << zwieb << 1;
        QTest::newRow("name locale: Ä bei A")
            << de << Z << 0 << false << zeile({"Äpfel"}) << zeile({"Zwiebeln"}) << -1;
        QTest::newRow("nur a-z gross: ä bleibt klein")
            << de << Z << 0 << false << zeile({"äpfel"}) << zeile({"ÄPFEL"}) << -1;
        const QStringList suppe =
            zeile({"suppe", "Gruppe 1", "12,0000", "0", "", "", "", "", "", "3"});
        const QStringList Suppe =
            zeile({"Suppe", "Gruppe 1", "9,5000", "0", "", "", "", "", "", "4"});
        // The sort's precomputed keys must order as the comparison does.
        QTest::newRow("leer vor ignorierbarem zeichen")
            << de << Z << 0 << false << zeile({"\x01"}) << zeile({""}) << 1;
        QTest::newRow("c-locale: utf-16-folge")
            << QStringLiteral("C") << Z << 0 << false << zeile({"\xF0\x9F\x8D\x8E"})
            << zeile({"\xEF\xBC\x81"}) << -1;
        QTest::newRow("gleicher name: EK als text")
            << de << R << 0 << false << suppe << Suppe << -1;
        QTest::newRow("gleicher name umgekehrt") << de << R << 0 << true << suppe << Suppe << 1;
        QTest::newRow("ganz gleich") << de << R << 0 << true << suppe << suppe << 0;
        QTest::newRow("zutaten: stich ist gruppe")
            << de << Z << 0 << false << zeile({"Mehl", "B", "Trocken", "9"})
            << zeile({"MEHL", "A", "Backen", "1"}) << 1;
        QTest::newRow("verkaeufe: stich ist tagesmenge als text")
            << de << V << 0 << false << zeile({"Brot", "1,00", "10"})
            << zeile({"Brot", "9,00", "9"}) << -1;
        QTest::newRow("text") << de << R << 1 << false << zwieb << apfel << 1;
        QTest::newRow("text umgekehrt") << de << R << 1 << true << zwieb << apfel << -1;
        QTest::newRow("text gleich: namen")
            << de << Z << 1 << false << zeile({"Zimt", "Markt"}) << zeile({"Anis", "markt"}) << 1;
        QTest::newRow("text gleich: namen umgekehrt")
            << de << Z << 1 << true << zeile({"Zimt", "Markt"}) << zeile({"Anis", "markt"}) << -1;
        QTest::newRow("text fehlt: leer")
            << de << Z << 6 << false << zeile({"A", "", "", "", "", "", "kg"}) << zeile({"B"}) << 1;
        QTest::newRow("zahl: groessere zuerst") << de << R << 2 << false << apfel << zwieb << 1;
        QTest::newRow("zahl umgekehrt") << de << R << 2 << true << apfel << zwieb << -1;
        QTest::newRow("zahl gleich: keine stichspalte")
            << de << R << 3 << false << apfel << zwieb << 0;
        QTest::newRow("zahl bis zum blank")
            << de << Z << 3 << false << zeile({"A", "", "", "12,5 EUR/kg"})
            << zeile({"B", "", "", "3"}) << -1;
        QTest::newRow("zahl negativ") << de << V << 3 << false << zeile({"A", "", "", "-0,50"})
                                      << zeile({"B", "", "", "0,00"}) << 1;
        QTest::newRow("punkt-locale")
            << en << R << 2 << false << zeile({"A", "", "9.5"}) << zeile({"B", "", "12.0"}) << 1;
        QTest::newRow("komma in punkt-locale unlesbar")
            << en << R << 2 << false << zeile({"A", "", "9,5"}) << zeile({"B", "", "1"}) << 1;
        QTest::newRow("tausenderpunkt unlesbar")
            << de << Z << 4 << false << zeile({"A", "", "", "", "1.234,5"})
            << zeile({"B", "", "", "", "1"}) << 1;
        QTest::newRow("unlesbar nach lesbar")
            << de << Z << 3 << false << zeile({"A", "", "", "ca. 3"}) << zeile({"B", "", "", "1"})
            << 1;
        QTest::newRow("unlesbar nach lesbar, umgekehrt")
            << de << Z << 3 << true << zeile({"A", "", "", "ca. 3"}) << zeile({"B", "", "", "1"})
            << 1;
        QTest::newRow("lesbar vor unlesbar, umgekehrt")
            << de << Z << 3 << true << zeile({"Z", "", "", "1"}) << zeile({"A", "", "", ""}) << -1;
        QTest::newRow("beide unlesbar: name")
            << de << Z << 3 << false << zeile({"Zimt", "", "", "?"}) << zeile({"anis", "", "", ""})
            << 1;
        QTest::newRow("beide unlesbar: name auch umgekehrt A-Z")
            << de << Z << 3 << true << zeile({"Zimt", "", "", "?"}) << zeile({"anis", "", "", ""})
            << 1;
        QTest::newRow("kurze zeile: zahl unlesbar")
            << de << Z << 5 << false << zeile({"A"}) << zeile({"B", "", "", "", "", "0"}) << 1;
        QTest::newRow("nr ist zahl")
            << de << Z << 7 << false << zeile({"A", "", "", "", "", "", "", "9"})
            << zeile({"B", "", "", "", "", "", "", "10"}) << 1;
        QTest::newRow("auswahl: preis zahl") << de << A << 2 << false << zeile({"A", "", "9,0000"})
                                             << zeile({"B", "", "10,0000"}) << 1;
        QTest::newRow("auswahl: nr text")
            << de << A << 5 << false << zeile({"A", "", "", "", "", "9"})
            << zeile({"B", "", "", "", "", "10"}) << 1;
        QTest::newRow("auswahl: stich ist preis als text")
            << de << A << 0 << false << zeile({"Salz", "", "9,0000"})
            << zeile({"salz", "", "10,0000"}) << 1;
    }
    void vergleich() {
        QFETCH(QString, locale);
        QFETCH(TListenArt, art);
        QFETCH(int, spalte);
        QFETCH(bool, dir);
        QFETCH(QStringList, r1);
        QFETCH(QStringList, r2);
        QFETCH(int, soll);
        TLocaleWahl wahl(locale);
        QCOMPARE(vorzeichen(VergleicheZeilen(art, r1, r2, spalte, dir)), soll);
        // The rule is antisymmetric.
        QCOMPARE(vorzeichen(VergleicheZeilen(art, r2, r1, spalte, dir)), -soll);
        // The sort agrees with it; equal rows keep their order.
        TListe l;
        l.zeilen = {r1, r2};
        SortiereListe(l, art, spalte, dir);
        QCOMPARE(l.zeilen[0], soll <= 0 ? r1 : r2);
    }

    // Every column of every list, both directions: the sorted list is ordered by the
    // compare rule, and rows that compare equal stand in their original order.
    void sortiertNachRegel_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("komma") << QStringLiteral("de_DE");
        QTest::newRow("punkt") << QStringLiteral("en_US");
        QTest::newRow("c") << QStringLiteral("C");
    }
    void sortiertNachRegel() {
        QFETCH(QString, locale);
        TLocaleWahl wahl(locale);
        std::mt19937 zufall(17);
        const QStringList woerter = {"Apfel", "apfel", "Äpfel", "Birne", "birne", "Zimt",
                                     "zimt",  "",      "Öl",    "ca. 3", "Suppe", "suppe"};
        const QStringList zahlen = {t("1,5"), t("12,0000"), t("9,5000"), "3",
                                    "-2",     t("3,0"),     "7 kg",      "",
                                    "x",      t("0,0001"),  "1.234",     "1e3"};
        const auto wahlAus = [&](const QStringList& l) { return l[zufall() % l.size()]; };
        const struct {
            TListenArt art;
            int spalten;
        } listen[] = {{TListenArt::zutaten, 8},
                      {TListenArt::rezepte, 10},
                      {TListenArt::verkaeufe, 11},
                      {TListenArt::auswahl, 6}};
        for (const auto& [art, anzahl] : listen) {
            TListe basis;
            for (int i = 0; i < 300; ++i) {
                QStringList z;
                for (int s = 0; s < anzahl - 1; ++s)
                    z << (SpaltenArt(art, s) == TSpaltenArt::zahl ? wahlAus(zahlen)
                                                                  : wahlAus(woerter));
                z << QString::number(i);
                basis.zeilen << z;
            }
            for (int spalte = 0; spalte < anzahl; ++spalte)
                for (bool dir : {false, true}) {
                    TListe l = basis;
                    SortiereListe(l, art, spalte, dir);
                    QCOMPARE(l.anzahlZeilen(), basis.anzahlZeilen());
                    for (qsizetype i = 1; i < l.anzahlZeilen(); ++i) {
                        const int v =
                            VergleicheZeilen(art, l.zeilen[i - 1], l.zeilen[i], spalte, dir);
                        if (v > 0 || (v == 0 && *l.nr(i - 1) > *l.nr(i)))
                            QFAIL(qPrintable(
                                QStringLiteral("Liste %1, Spalte %2, dir %3: %4 vor %5")
                                    .arg(int(art))
                                    .arg(spalte)
                                    .arg(dir)
                                    .arg(l.zeilen[i - 1].join(u'|'), l.zeilen[i].join(u'|'))));
                    }
                }
        }
    }

    void zutatenNachGesamtpreis() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 1.2, 1);
        NeueZutat(d, QStringLiteral("Safran"), 12.5, 0.01);
        NeueZutat(d, QStringLiteral("Butter"), 2.3, 0.25);
        TListe l = ZutatenListe(d);
        int32_t spalte = 0;
        bool dir = false;
        SortiereListe(l, TListenArt::zutaten, spalte, dir);
        QCOMPARE(namen(l), (QStringList{"Butter#2", "Mehl#0", "Safran#1"}));
        SpaltenKlick(spalte, dir, 4);
        SortiereListe(l, TListenArt::zutaten, spalte, dir);
        QCOMPARE(namen(l), (QStringList{"Safran#1", "Butter#2", "Mehl#0"}));
        SpaltenKlick(spalte, dir, 4);
        SortiereListe(l, TListenArt::zutaten, spalte, dir);
        QCOMPARE(namen(l), (QStringList{"Mehl#0", "Butter#2", "Safran#1"}));
        SpaltenKlick(spalte, dir, 0);
        SortiereListe(l, TListenArt::zutaten, spalte, dir);
        QCOMPARE(namen(l), (QStringList{"Butter#2", "Mehl#0", "Safran#1"}));
    }

    void gleicheZahlenBehaltenArrayfolge() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TListe l;
        for (const char* n : {"D", "B", "C", "A"})
            l.zeilen << zeile({n, "0,00", "0", "0,00"});
        l.zeilen[1][1] = QStringLiteral("5,00");
        SortiereListe(l, TListenArt::verkaeufe, 1, false);
        QCOMPARE(namen(l), (QStringList{"B#0,00", "D#0,00", "C#0,00", "A#0,00"}));
        SortiereListe(l, TListenArt::verkaeufe, 1, true);
        QCOMPARE(namen(l), (QStringList{"D#0,00", "C#0,00", "A#0,00", "B#0,00"}));
    }
};

QTEST_GUILESS_MAIN(TestSortierung)
#include "test_sortierung.moc"
