// "Today" from ORMISTO_HEUTE, as both programs read it.
#include "core/uhr.h"

#include <QTest>

class TestUhr : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        qunsetenv("ORMISTO_HEUTE");
        TUhr::setze({});
    }

    void heuteAusUmgebung() {
        QVERIFY(TUhr::setzeHeuteAusUmgebung().isEmpty()); // unset: the system clock
        QCOMPARE(TUhr::heute(), QDate::currentDate());

        qputenv("ORMISTO_HEUTE", "2024-02-29");
        QVERIFY(TUhr::setzeHeuteAusUmgebung().isEmpty());
        QCOMPARE(TUhr::heute(), QDate(2024, 2, 29));

        for (const char* falsch : {"2023-02-29", "15.06.2024", "2024-6-15", "morgen"}) {
            qputenv("ORMISTO_HEUTE", falsch);
            QCOMPARE(TUhr::setzeHeuteAusUmgebung(),
                     QStringLiteral("ORMISTO_HEUTE erwartet ein Datum JJJJ-MM-TT"));
            QCOMPARE(TUhr::heute(), QDate(2024, 2, 29)); // a wrong value changes nothing
        }
    }
};

QTEST_GUILESS_MAIN(TestUhr)
#include "test_uhr.moc"
