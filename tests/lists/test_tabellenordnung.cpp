// Ordering of the insight tables by a column click: numbers by value, text as the main
// lists compare it, the sum row kept last.
#include "lists/tabellenordnung.h"
#include "tests/support/locale.h"

#include <QTest>

namespace {

TListe Tabelle(std::initializer_list<std::initializer_list<const char*>> zeilen) {
    TListe l;
    l.setzeSpalten({{QStringLiteral("A"), 50}, {QStringLiteral("B"), 50}});
    for (const auto& z : zeilen) {
        QStringList zeile;
        for (const char* c : z)
            zeile << QString::fromUtf8(c);
        l.zeilen << zeile;
    }
    return l;
}

QStringList Spalte(const TListe& l, int spalte) {
    QStringList s;
    for (qsizetype z = 0; z < l.anzahlZeilen(); ++z)
        s << l.zelle(z, spalte);
    return s;
}

QStringList Geordnet(const TListe& l, int spalte, bool absteigend, bool summe, int zeige = 0) {
    return Spalte(GeordneteTabelle(l, {spalte, absteigend}, summe), zeige);
}

} // namespace

class TestTabellenordnung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void zahlenNachWert() {
        // As text "10" would come before "9" and "-2,5" before "1,25".
        const TListe l = Tabelle({{"a", "9"}, {"b", "10"}, {"c", "-2,5"}, {"d", "1,25"}});
        QCOMPARE(Geordnet(l, 1, false, false), (QStringList{"c", "d", "a", "b"}));
        QCOMPARE(Geordnet(l, 1, true, false), (QStringList{"b", "a", "d", "c"}));
        // In a locale with a point "1,25" and "-2,5" are no numbers and go after them.
        TLocaleWahl en(QStringLiteral("en_US"));
        QCOMPARE(Geordnet(l, 1, true, false).mid(0, 2), (QStringList{"b", "a"}));
    }

    void zahlenVorTextInBeidenRichtungen() {
        // The empty "Zeile" of a recipe's own row in the check report.
        const TListe l = Tabelle({{"r", ""}, {"x", "2"}, {"y", "ca. 3"}, {"z", "1"}});
        QCOMPARE(Geordnet(l, 1, false, false), (QStringList{"z", "x", "r", "y"}));
        QCOMPARE(Geordnet(l, 1, true, false), (QStringList{"x", "z", "y", "r"}));
    }

    void textWieDieListen() {
        // Collation puts "Ä" beside "A"; only a to z are taken as capitals; empty first.
        const TListe l = Tabelle({{"Zwiebel"}, {"äpfel"}, {"birne"}, {""}, {"Apfel"}});
        QCOMPARE(Geordnet(l, 0, false, false),
                 (QStringList{"", "Apfel", "äpfel", "birne", "Zwiebel"}));
        QCOMPARE(Geordnet(l, 0, true, false),
                 (QStringList{"Zwiebel", "birne", "äpfel", "Apfel", ""}));
    }

    void gleicheBehaltenDieReihenfolge() {
        const TListe l = Tabelle({{"1", "x"}, {"2", "y"}, {"3", "x"}, {"4", "1,0"}, {"5", "1"}});
        QCOMPARE(Geordnet(l, 1, false, false), (QStringList{"4", "5", "1", "3", "2"}));
        QCOMPARE(Geordnet(l, 1, true, false), (QStringList{"4", "5", "2", "1", "3"}));
    }

    void summeBleibtLetzte() {
        const TListe l = Tabelle(
            {{"Mehl", "2,0000"}, {"Safran", "12,0000"}, {"Ei", "-1,0000"}, {"Summe", "13,0000"}});
        QCOMPARE(Geordnet(l, 1, false, true), (QStringList{"Ei", "Mehl", "Safran", "Summe"}));
        QCOMPARE(Geordnet(l, 0, true, true), (QStringList{"Safran", "Mehl", "Ei", "Summe"}));
        // Without the flag the last row is a row like any other.
        QCOMPARE(Geordnet(l, 0, true, false), (QStringList{"Summe", "Safran", "Mehl", "Ei"}));
        // Unordered, and a column the table lacks, keep the table as it was built.
        QCOMPARE(Geordnet(l, -1, false, true), Spalte(l, 0));
        QCOMPARE(Geordnet(l, 7, false, true), Spalte(l, 0));
        QCOMPARE(Geordnet(Tabelle({{"Summe"}}), 0, false, true), QStringList{"Summe"});
    }

    void klick() {
        const TListe l = Tabelle({{"Mehl", ""}, {"Ei", "3"}, {"Summe", "Summe"}});
        QVERIFY(IstZahlenspalte(l, 1, true));   // empty cells allowed, the sum row ignored
        QVERIFY(!IstZahlenspalte(l, 1, false)); // "Summe" is no number
        QVERIFY(!IstZahlenspalte(l, 0, true));
        QVERIFY(!IstZahlenspalte(Tabelle({{"", ""}}), 1, false)); // nothing to go by

        TTabellenOrdnung o;
        TabellenKlick(o, l, 1, true); // numbers: the largest first
        QCOMPARE(o.spalte, 1);
        QVERIFY(o.absteigend);
        TabellenKlick(o, l, 1, true);
        QVERIFY(!o.absteigend);
        TabellenKlick(o, l, 0, true); // text: from A
        QCOMPARE(o.spalte, 0);
        QVERIFY(!o.absteigend);
        TabellenKlick(o, l, 0, true);
        QVERIFY(o.absteigend);
    }
};

QTEST_GUILESS_MAIN(TestTabellenordnung)
#include "test_tabellenordnung.moc"
