// The cost warnings across the whole file and the status bar count.
#include "core/daten.h"
#include "lists/kostenpruefung.h"
#include "lists/listen.h"
#include "tests/support/aufbau.h"

#include <QTest>

class TestKostenpruefung : public QObject {
    Q_OBJECT

    // Mehl 4 per 2, Butter 9 per 1, Safran with purchase quantity 0.
    static void baue(TDaten& d) {
        NeueZutat(d, QStringLiteral("Mehl"), 4, 2);
        NeueZutat(d, QStringLiteral("Butter"), 9, 1);
        NeueZutat(d, QStringLiteral("Safran"), 12, 0, QStringLiteral("g"));
        TRezept& kuchen = NeuesRezept(d, QStringLiteral("Zitronenkuchen"), 10, 3.5, 0);
        NeueZeile(kuchen, 0, 0.5);
        NeueZeile(kuchen, 2, 0.1);
        NeueZeile(kuchen, 1, 0.25);
        NeuesRezept(d, QStringLiteral("Kaffee"), 1, 2.5, 20);
        TRezept& test = NeuesRezept(d, QStringLiteral("Testgericht"), 0, 0, 1);
        NeueZeile(test, 7, 1);      // no such ingredient
        NeueZeile(test, 1, 1);      // sound
        NeueZeile(test, 0, 1, 120); // negative
        NeueZeile(test, 1, 0);      // nothing used
        // All of the cost in one line is no reason for a row either.
        NeueZeile(NeuesRezept(d, QStringLiteral("Butterbrot"), 1, 3, 0), 1, 0.02);
    }

private Q_SLOTS:
    void zeilenInRezeptUndZeilenfolge() {
        TDaten d;
        baue(d);
        const TListe l = Kostenpruefung(d, FilterAlle);
        QCOMPARE(l.spalten, (QList<TSpalte>{{"Rezept", 150},
                                            {"Gruppe", 100},
                                            {"Zeile", 50},
                                            {"Zutat", 150},
                                            {"Hinweis", 250}}));
        QCOMPARE(l.zeilen, (QList<QStringList>{
                               {"Zitronenkuchen", "Gruppe 1", "2", "Safran", "Einkaufsmenge 0"},
                               {"Kaffee", "Gruppe 1", "", "", "keine Zeilen"},
                               {"Testgericht", "Gruppe 2", "", "", "Ausbeute 0, kein VK-Preis"},
                               {"Testgericht", "Gruppe 2", "1", "", "Zutat fehlt"},
                               {"Testgericht", "Gruppe 2", "3", "Mehl", "negativer Preis"},
                               {"Testgericht", "Gruppe 2", "4", "Butter", "Menge 0"}}));
        QCOMPARE(RezepteMitKostenhinweisen(d, FilterAlle), 3);
        QCOMPARE(KostenhinweisStatus(3), QStringLiteral("3 Rezepte mit Kostenhinweisen"));
    }

    void filter() {
        TDaten d;
        baue(d);
        QCOMPARE(Kostenpruefung(d, FilterProdukte).anzahlZeilen(), 5);
        QCOMPARE(RezepteMitKostenhinweisen(d, FilterProdukte), 2);
        QCOMPARE(Kostenpruefung(d, FilterDienstleistungen).zelle(0, 0), QStringLiteral("Kaffee"));
        QCOMPARE(RezepteMitKostenhinweisen(d, FilterDienstleistungen), 1);
        QCOMPARE(KostenhinweisStatus(1), QStringLiteral("1 Rezept mit Kostenhinweisen"));
        QCOMPARE(RezepteMitKostenhinweisen(d, 3 + 5), 0);
        QCOMPARE(KostenhinweisStatus(0), QString());
    }
};

QTEST_GUILESS_MAIN(TestKostenpruefung)
#include "test_kostenpruefung.moc"
