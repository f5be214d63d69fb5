// Number cells are read for ordering as the locale reads them, also on the fast path
// for the plain texts that the lists write; the texts follow a change of locale.
#include "core/zahlen.h"

#include "tests/support/locale.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <random>

class TestSortierungZahlen : public QObject {
    Q_OBJECT

    // What the locale itself makes of the text: the reference.
    static std::optional<double> locale(const QString& text) {
        const QStringView s = QStringView(text).trimmed();
        if (s.isEmpty())
            return std::nullopt;
        QLocale l;
        l.setNumberOptions(l.numberOptions() | QLocale::RejectGroupSeparator);
        bool ok = false;
        const double w = l.toDouble(s, &ok);
        return ok && std::isfinite(w) ? std::optional<double>(w) : std::nullopt;
    }

    static void gleich(const QString& text) {
        const auto ist = LiesZahl(text);
        const auto soll = locale(text);
        QVERIFY2(ist.has_value() == soll.has_value(), qPrintable(text));
        if (ist)
            QVERIFY2(std::memcmp(&*ist, &*soll, sizeof(double)) == 0 || (*ist == 0 && *soll == 0),
                     qPrintable(text));
    }

private Q_SLOTS:
    void wieLocale_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("komma") << QStringLiteral("de_DE");
        QTest::newRow("punkt") << QStringLiteral("en_US");
        QTest::newRow("c") << QStringLiteral("C");
        QTest::newRow("schweiz") << QStringLiteral("de_CH");
        QTest::newRow("schweden") << QStringLiteral("sv_SE");
    }
    void wieLocale() {
        QFETCH(QString, name);
        TLocaleWahl wahl(name);
        const QString sep = QLocale().decimalPoint();
        for (const char* roh : {"0",
                                "-0",
                                "7",
                                "-12",
                                "12,5",
                                "-0,5",
                                ",5",
                                "5,",
                                "1,",
                                "007",
                                "00,5",
                                "0,000",
                                "1.234",
                                "1,234",
                                "1.234,5",
                                "1,234.5",
                                " 3,25 ",
                                "+3",
                                "1e3",
                                "1E-2",
                                "- 3",
                                "3-",
                                "--3",
                                "3,2,1",
                                "12,5 kg",
                                "abc",
                                "",
                                " ",
                                "\t9",
                                "123456789012345678901234567890",
                                "0,1000000000000000055511151231257827",
                                "99999999999999999999999999999999999999999",
                                "1,7976931348623157",
                                "4,9406564584124654",
                                "2,2250738585072011"}) {
            gleich(QString::fromUtf8(roh));
            gleich(QString::fromUtf8(roh).replace(QLatin1Char(','), sep));
        }
        // Every text the lists write, at random.
        std::mt19937_64 zufall(3);
        std::uniform_real_distribution<double> w(-1e6, 1e6);
        for (int i = 0; i < 20000; ++i) {
            const double x = i % 3 ? w(zufall) : w(zufall) * 1e-6;
            gleich(ZahlFest(x, int(i % 11)));
            gleich(ZahlAllgemein(x));
        }
    }

    // The locale read is the current default, also after it changed.
    void localeWechsel() {
        {
            TLocaleWahl de(QStringLiteral("de_DE"));
            QCOMPARE(LiesZahl(u"2,5"), std::optional<double>(2.5));
            QCOMPARE(LiesZahl(u"2.5"), std::nullopt);
            QCOMPARE(ZahlFest(2.5, 2), QStringLiteral("2,50"));
        }
        TLocaleWahl en(QStringLiteral("en_US"));
        QCOMPARE(LiesZahl(u"2.5"), std::optional<double>(2.5));
        QCOMPARE(LiesZahl(u"2,5"), std::nullopt);
        QCOMPARE(ZahlFest(2.5, 2), QStringLiteral("2.50"));
        QCOMPARE(ZahlAllgemein(2.5), QStringLiteral("2.5"));
    }
};

QTEST_GUILESS_MAIN(TestSortierungZahlen)
#include "test_sortierung_zahlen.moc"
