#include "core/zahlen.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestZahlen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fest_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("stellen");
        QTest::addColumn<QString>("deutsch");
        QTest::addColumn<QString>("englisch");
        QTest::newRow("halbe weg von null") << 0.125 << 2 << "0,13"
                                            << "0.13";
        QTest::newRow("negative halbe") << -0.125 << 2 << "-0,13"
                                        << "-0.13";
        QTest::newRow("1.005 liegt darunter") << 1.005 << 2 << "1,00"
                                              << "1.00";
        QTest::newRow("2.5 ganz") << 2.5 << 0 << "3"
                                  << "3";
        QTest::newRow("0.375") << 0.375 << 2 << "0,38"
                               << "0.38";
        QTest::newRow("vier stellen") << 2.5 << 4 << "2,5000"
                                      << "2.5000";
        QTest::newRow("keine tausender") << 1234567.891 << 2 << "1234567,89"
                                         << "1234567.89";
        QTest::newRow("kein minus bei null") << -0.001 << 2 << "0,00"
                                             << "0.00";
        QTest::newRow("minus null") << -0.0 << 4 << "0,0000"
                                    << "0.0000";
        QTest::newRow("15 ganzstellen") << 999999999999999.0 << 2 << "999999999999999,00"
                                        << "999999999999999.00";
        QTest::newRow("16 ganzstellen") << 1e15 << 2 << "1E15"
                                        << "1E15";
        QTest::newRow("rundet in 16 stellen") << 999999999999999.875 << 0 << "1E15"
                                              << "1E15";
        QTest::newRow("bleibt in 15 stellen") << 999999999999999.875 << 1 << "999999999999999,9"
                                              << "999999999999999.9";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2 << "NAN"
                             << "NAN";
    }
    void fest() {
        QFETCH(double, wert);
        QFETCH(int, stellen);
        QFETCH(QString, deutsch);
        QFETCH(QString, englisch);
        {
            TLocaleWahl de(QStringLiteral("de_DE"));
            QCOMPARE(ZahlFest(wert, stellen), deutsch);
        }
        TLocaleWahl en(QStringLiteral("en_US"));
        QCOMPARE(ZahlFest(wert, stellen), englisch);
    }

    void allgemein_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("deutsch");
        QTest::newRow("ganz") << 3.0 << "3";
        QTest::newRow("null") << 0.0 << "0";
        QTest::newRow("bruch") << 12.5 << "12,5";
        QTest::newRow("15 stellen") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("3,75") << 7.5 / 2 << "3,75";
        QTest::newRow("negativ") << -0.25 << "-0,25";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0,3";
        QTest::newRow("klein fest") << 0.00001 << "0,00001";
        QTest::newRow("klein wissenschaftlich") << 0.0000015 << "1,5E-6";
        QTest::newRow("gross fest") << 123456789012345.0 << "123456789012345";
        QTest::newRow("gross wissenschaftlich") << 1e20 << "1E20";
        QTest::newRow("16 stellen") << 1234567890123456.0 << "1,23456789012346E15";
        QTest::newRow("2/3") << 2.0 / 3.0 << "0,666666666666667";
        QTest::newRow("viele stellen") << 1234.56789012345678 << "1234,56789012346";
        QTest::newRow("aufrunden auf zehn") << 9.9999999999999999 << "10";
    }
    void allgemein() {
        QFETCH(double, wert);
        QFETCH(QString, deutsch);
        {
            TLocaleWahl de(QStringLiteral("de_DE"));
            QCOMPARE(ZahlAllgemein(wert), deutsch);
        }
        TLocaleWahl en(QStringLiteral("en_US"));
        QString englisch = deutsch;
        englisch.replace(QLatin1Char(','), QLatin1Char('.'));
        QCOMPARE(ZahlAllgemein(wert), englisch);
    }

    void lesen_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("wert");
        QTest::newRow("de komma") << "de_DE"
                                  << "12,5" << true << 12.5;
        QTest::newRow("de leerzeichen") << "de_DE"
                                        << "  7,25 " << true << 7.25;
        QTest::newRow("de punkt ist keiner") << "de_DE"
                                             << "12.5" << false << 0.0;
        QTest::newRow("de tausender") << "de_DE"
                                      << "1.234,5" << false << 0.0;
        QTest::newRow("de exponent") << "de_DE"
                                     << "1,5E3" << true << 1500.0;
        QTest::newRow("de minus") << "de_DE"
                                  << "-3" << true << -3.0;
        QTest::newRow("leer") << "de_DE"
                              << "" << false << 0.0;
        QTest::newRow("text") << "de_DE"
                              << "abc" << false << 0.0;
        QTest::newRow("unendlich") << "de_DE"
                                   << "inf" << false << 0.0;
        QTest::newRow("zu gross") << "de_DE"
                                  << "1e400" << false << 0.0;
        QTest::newRow("en punkt") << "en_US"
                                  << "12.5" << true << 12.5;
        QTest::newRow("en komma ist keins") << "en_US"
                                            << "12,5" << false << 0.0;
        QTest::newRow("en tausender") << "en_US"
                                      << "1,234.5" << false << 0.0;
    }
    void lesen() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, wert);
        TLocaleWahl wahl(locale);
        const auto gelesen = LiesZahl(text);
        QCOMPARE(gelesen.has_value(), ok);
        if (ok)
            QCOMPARE(*gelesen, wert);
        QCOMPARE(ZahlOder(text, -1), ok ? wert : -1.0);
    }

    // What is written reads back as the value it shows.
    void hinUndZurueck() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        for (double w : {0.1, 16.666, -2.345, 1e-7, 123456.789})
            QCOMPARE(LiesZahl(ZahlAllgemein(w)).value(), w);
        for (double w : {1.0 / 7.0, 2.00005, -0.33335})
            QCOMPARE(LiesZahl(ZahlFest(w, 4)).value(), Gerundet(w, 4));
        QCOMPARE(Gerundet(16.666, 2), 16.67);
        QCOMPARE(Gerundet(0.125, 2), 0.13);
        QCOMPARE(Gerundet(-0.125, 2), -0.13);
    }

    void ganzzahl() {
        QCOMPARE(LiesGanzzahl(u"17"), 17);
        QCOMPARE(LiesGanzzahl(u" 3 "), 3);
        QVERIFY(!LiesGanzzahl(u"1,5"));
        QVERIFY(!LiesGanzzahl(u""));
    }
};

QTEST_APPLESS_MAIN(TestZahlen)
#include "test_zahlen.moc"
