#include "exchange/verkaufsfelder.h"
#include "lists/verkauf.h"

#include <QDate>
#include <QTest>

class TestVerkaufsfelder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tag_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("tag"); // invalid: refused
        const QDate juni(2024, 6, 15);
        const QDate keiner;
        QTest::newRow("TT.MM.JJJJ") << "15.06.2024" << juni;
        QTest::newRow("einstellig") << "5.6.2024" << QDate(2024, 6, 5);
        QTest::newRow("TT.MM.JJ") << "15.06.24" << juni;
        QTest::newRow("JJ 99 ist 2099") << "31.12.99" << QDate(2099, 12, 31);
        QTest::newRow("JJ 00 ist 2000") << "1.1.00" << QDate(2000, 1, 1);
        QTest::newRow("ISO") << "2024-06-15" << juni;
        QTest::newRow("ISO einstellig") << "2024-6-5" << QDate(2024, 6, 5);
        QTest::newRow("Blanks") << " \t15.06.2024  " << juni;
        QTest::newRow("Uhrzeit") << "15.06.2024 12:30" << juni;
        QTest::newRow("Uhrzeit Sekunden") << "15.06.24  9:05:59" << juni;
        QTest::newRow("ISO T") << "2024-06-15T12:30:00" << juni;
        QTest::newRow("ISO T Bruchteil Z") << "2024-06-15T12:30:00.250Z" << juni;
        QTest::newRow("ISO Versatz") << "2024-06-15 23:59:60+02:00" << juni;
        QTest::newRow("Versatz kurz") << "2024-06-15T00:00-0130" << juni;
        QTest::newRow("Schaltjahr") << "29.02.2024" << QDate(2024, 2, 29);

        QTest::newRow("31. Februar") << "31.02.2024" << keiner;
        QTest::newRow("29.02. kein Schaltjahr") << "29.02.2023" << keiner;
        QTest::newRow("Tag 0") << "00.06.2024" << keiner;
        QTest::newRow("Monat 13") << "2024-13-01" << keiner;
        QTest::newRow("Jahr 0") << "01.01.0000" << keiner;
        QTest::newRow("dreistelliges Jahr") << "15.06.202" << keiner;
        QTest::newRow("fuenfstelliges Jahr") << "15.06.20245" << keiner;
        QTest::newRow("dreistelliger Tag") << "015.06.2024" << keiner;
        QTest::newRow("zweistelliges ISO-Jahr") << "24-06-15" << keiner;
        QTest::newRow("Schraegstrich") << "15/06/2024" << keiner;
        QTest::newRow("gemischt") << "15.06-2024" << keiner;
        QTest::newRow("Stunde 24") << "15.06.2024 24:00" << keiner;
        QTest::newRow("nur Stunde") << "15.06.2024 12" << keiner;
        QTest::newRow("T ohne Zeit") << "2024-06-15T" << keiner;
        QTest::newRow("Text danach") << "15.06.2024 12:30 Uhr" << keiner;
        QTest::newRow("angehaengt") << "15.06.2024x" << keiner;
        QTest::newRow("leer") << "" << keiner;
    }
    void tag() {
        QFETCH(QString, text);
        QFETCH(QDate, tag);
        const std::optional<TVerkaufstag> t = LiesVerkaufstag(text);
        QCOMPARE(t.has_value(), tag.isValid());
        if (t)
            QCOMPARE(QDate(t->jahr, t->monat, t->tag), tag);
    }

    void schluesselOrdnetWieDieTage() {
        const TVerkaufstag a{2024, 12, 31}, b{2025, 1, 1}, c{2025, 1, 2};
        QVERIFY(a.schluessel() < b.schluessel());
        QVERIFY(b.schluessel() < c.schluessel());
    }

    void anzahl_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("art");
        QTest::addColumn<qint64>("wert");
        const int ok = int(TAnzahlArt::ok), fehlt = int(TAnzahlArt::fehlt),
                  negativ = int(TAnzahlArt::negativ), ungueltig = int(TAnzahlArt::ungueltig);
        QTest::newRow("3") << "3" << ok << qint64(3);
        QTest::newRow("fuehrende Nullen, Blanks") << " 007 " << ok << qint64(7);
        QTest::newRow("0") << "0" << ok << qint64(0);
        QTest::newRow("Grenze") << "100000000" << ok << qint64(MaxPortionen);
        QTest::newRow("ueber der Grenze") << "100000001" << ok << qint64(MaxPortionen) + 1;
        QTest::newRow("riesig") << "99999999999999999999999" << ok << qint64(MaxPortionen) + 1;
        QTest::newRow("leer") << "  " << fehlt << qint64(0);
        QTest::newRow("negativ") << "-2" << negativ << qint64(0);
        QTest::newRow("Plus") << "+2" << ungueltig << qint64(0);
        QTest::newRow("Tausenderpunkt") << "1.000" << ungueltig << qint64(0);
        QTest::newRow("Komma") << "2,5" << ungueltig << qint64(0);
        QTest::newRow("Exponent") << "1e3" << ungueltig << qint64(0);
        QTest::newRow("Minus allein") << "-" << ungueltig << qint64(0);
        QTest::newRow("Minus Text") << "-x" << ungueltig << qint64(0);
        QTest::newRow("Blank innen") << "1 000" << ungueltig << qint64(0);
        QTest::newRow("arabisch-indische Ziffer") << "\u0663" << ungueltig << qint64(0);
    }
    void anzahl() {
        QFETCH(QString, text);
        QFETCH(int, art);
        QFETCH(qint64, wert);
        const TAnzahl a = LiesAnzahl(text, MaxPortionen);
        QCOMPARE(int(a.art), art);
        if (a.art == TAnzahlArt::ok)
            QCOMPARE(a.wert, wert);
    }
};

QTEST_GUILESS_MAIN(TestVerkaufsfelder)
#include "test_verkaufsfelder.moc"
