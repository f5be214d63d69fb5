#include "core/datumstext.h"
#include "tests/support/locale.h"

#include <QTest>

class TestDatumstext : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vierstelligeJahre_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("de") << QStringLiteral("de_DE") << QStringLiteral("05.06.1924");
        QTest::newRow("en") << QStringLiteral("en_US") << QStringLiteral("6/5/1924");
        // Already four digits: not widened to eight.
        QTest::newRow("sv") << QStringLiteral("sv_SE") << QStringLiteral("1924-06-05");
    }
    void vierstelligeJahre() {
        QFETCH(QString, locale);
        TLocaleWahl wahl(locale);
        QTEST(KurzesDatum(QDate(1924, 6, 5)), "text");
        QVERIFY(KurzesDatumsformat().contains(QLatin1String("yyyy")));
        QVERIFY(!KurzesDatumsformat().contains(QLatin1String("yyyyy")));
    }
};

QTEST_GUILESS_MAIN(TestDatumstext)
#include "test_datumstext.moc"
