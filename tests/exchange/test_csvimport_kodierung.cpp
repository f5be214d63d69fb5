#include "core/daten.h"
#include "core/texte.h"
#include "exchange/csvimport.h"
#include "exchange/csvkodierung.h"
#include "tests/support/locale.h"

#include <QTest>

class TestCsvImportKodierung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void text_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFK\xC3\xA4se") << QStringLiteral("Käse");
        QTest::newRow("UTF-8") << QByteArray("K\xC3\xA4se") << QStringLiteral("Käse");
        QTest::newRow("UTF-8 vier Bytes") << QByteArray("\xF0\x9F\x8D\x95") << QStringLiteral("🍕");
        QTest::newRow("UTF-8 nach 8 ASCII")
            << QByteArray("abcdefg\xC3\xA4xyz") << QStringLiteral("abcdefgäxyz");
        QTest::newRow("1252 ae") << QByteArray("K\xE4se") << QStringLiteral("Käse");
        QTest::newRow("1252 Euro") << QByteArray("\x80 5") << QStringLiteral("€ 5");
        QTest::newRow("1252 Tabelle")
            << QByteArray("\x8A\x96\x9F") << QStringLiteral("\u0160\u2013\u0178");
        QTest::newRow("1252 undefiniert") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                          << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("1252 obere Haelfte") << QByteArray("\xA0\xFF") << QStringLiteral("\u00A0ÿ");
        // One byte that is no UTF-8 makes the whole file 1252.
        QTest::newRow("gemischt") << QByteArray("K\xC3\xA4se;\xE4") << QStringLiteral("KÃ¤se;ä");
        QTest::newRow("ueberlang") << QByteArray("\xC0\xAF") << QStringLiteral("À¯");
        QTest::newRow("ueberlang drei") << QByteArray("\xE0\x80\xAF") << QStringLiteral("à€¯");
        QTest::newRow("Surrogat") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
        QTest::newRow("ueber 10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€");
        QTest::newRow("abgeschnitten") << QByteArray("abc\xC3") << QStringLiteral("abcÃ");
        QTest::newRow("Folgebyte allein") << QByteArray("\xA4") << QStringLiteral("¤");
        QTest::newRow("leer") << QByteArray() << QString();
    }
    void text() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(CsvText(bytes), text);
    }

    // Read as text, the mark would put three characters before the first name.
    void bomNichtImNamen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        ImportiereZutaten(d, "\xEF\xBB\xBFMehl;M\xC3\xBCller\r\n", false);
        QCOMPARE(Text(d.zutat(0).name), QStringLiteral("Mehl"));
        QCOMPARE(Text(d.zutat(0).lieferant), QStringLiteral("Müller"));
    }

    void tabellenkalkulation1252() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        ImportiereZutaten(d, "Name;Lieferant\r\nK\xE4se;M\xFCller;;\x80/kg;3,5;1;St\xFC\x63k\r\n",
                          true);
        const TZutat& z = d.zutat(0);
        QCOMPARE(Text(z.name), QStringLiteral("Käse"));
        QCOMPARE(Text(z.lieferant), QStringLiteral("Müller"));
        QCOMPARE(Text(z.preisproeinheit), QStringLiteral("€/kg"));
        QCOMPARE(z.preis, 3.5);
        QCOMPARE(Text(z.einheit), QStringLiteral("Stück"));
    }
};

QTEST_GUILESS_MAIN(TestCsvImportKodierung)
#include "test_csvimport_kodierung.moc"
