#include "core/datei.h"
#include "core/daten.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "lists/listen.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The names of the catalogue, joined by "|".
QString namen(const TDaten& d) {
    QStringList n;
    for (uint32_t i = 0; i < d.anzahlZutaten(); ++i)
        n << Text(d.zutat(i).name);
    return n.join(QLatin1Char('|'));
}

} // namespace

class TestCsvImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dekodieren_data() {
        QTest::addColumn<QString>("roh");
        QTest::addColumn<QString>("text");
        QTest::newRow("aussen") << "\"Wort\""
                                << "Wort";
        QTest::newRow("nur vorn") << "\"Wort"
                                  << "Wort";
        QTest::newRow("ein Zeichen") << "\""
                                     << "";
        QTest::newRow("zwei Zeichen") << "\"\""
                                      << "";
        QTest::newRow("doppelt gerahmt") << "\"\"\"Wort\"\"\""
                                         << "\"Wort\"";
        QTest::newRow("Lauf wird eins") << "a\"\"\"\"b"
                                        << "a\"b";
        QTest::newRow("\\n") << "Zeile1\\nZeile2"
                             << "Zeile1\nZeile2";
        QTest::newRow("\\\\n") << "Zeile1\\\\nZeile2"
                               << "Zeile1\nZeile2";
        QTest::newRow("\\r") << "a\\rb"
                             << "a\rb";
        QTest::newRow("Pfad") << "C:\\temp"
                              << "C:\\temp";
        QTest::newRow("am Ende") << "abc\\"
                                 << "abc\\";
        QTest::newRow("zwei am Ende") << "\\\\"
                                      << "\\";
        QTest::newRow("vor Anfuehrung") << "a\\\"b"
                                        << "a\\\"b";
        QTest::newRow("grosses N") << "a\\Nb"
                                   << "a\\Nb";
    }
    void dekodieren() {
        QFETCH(QString, roh);
        QFETCH(QString, text);
        QCOMPARE(decodeenters(roh), text);
    }

    void zerlegen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("leeres Feld") << "a;;b" << QStringList{"a", "", "b"};
        QTest::newRow("Trenner am Ende") << "a;b;" << QStringList{"a", "b"};
        QTest::newRow("zwei am Ende") << "a;;" << QStringList{"a", ""};
        QTest::newRow("nur Trenner") << ";" << QStringList{""};
        QTest::newRow("Trenner vorn") << ";a" << QStringList{"", "a"};
        QTest::newRow("leer") << "" << QStringList{};
        QTest::newRow("Leerzeichen") << " " << QStringList{" "};
        QTest::newRow("Anfuehrung schuetzt nicht") << "\"a;b\";x" << QStringList{"a", "b", "x"};
    }
    void zerlegen() {
        QFETCH(QString, zeile);
        QFETCH(QStringList, felder);
        QCOMPARE(TeileZeile(zeile), felder);
    }

    void beispielzeile() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        QCOMPARE(
            ImportiereZutaten(d, "Mehl;M\xC3\xBCller;Backwaren;0,80;8,0000;10,0000;kg;3", false),
            1);
        const TZutat& z = d.zutat(0);
        QCOMPARE(Text(z.name), QStringLiteral("Mehl"));
        QCOMPARE(Text(z.lieferant), QStringLiteral("Müller"));
        QCOMPARE(Text(z.zgruppe), QStringLiteral("Backwaren"));
        QCOMPARE(Text(z.preisproeinheit), QStringLiteral("0,80"));
        QCOMPARE(z.preis, 8.0);
        QCOMPARE(z.menge, 10.0);
        QCOMPARE(Text(z.einheit), QStringLiteral("kg"));
    }

    // The lines whose figures read as 0 are named by their number in the file, the
    // skipped first line and empty lines counted; they are imported all the same.
    void zeilenOhneZahlen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        QList<qsizetype> ohne;
        const QByteArray csv = "Name;L;G;P;Preis;Menge;E\n"
                               "Mehl;;;;8,5;10;kg\n"
                               "\n"
                               "Zucker;;;;acht;10;kg\n"
                               "Salz;;;;1;;kg\n"
                               "Ei\n"
                               "Milch;;;;1.5;1;l\n";
        QCOMPARE(ImportiereZutaten(d, csv, true, &ohne), 5);
        QCOMPARE(ohne, (QList<qsizetype>{4, 5, 6, 7}));
        QCOMPARE(d.anzahlZutaten(), 5u);
        QCOMPARE(d.zutat(1).preis, 0.0);
        QCOMPARE(d.zutat(1).menge, 10.0);

        QCOMPARE(ImportBericht(5, ohne),
                 QStringLiteral("Es wurden 5 Zutaten importiert.\nIn den Zeilen 4, 5, 6, 7 ließ "
                                "sich der Gesamtpreis oder die Menge nicht als Zahl lesen; dort "
                                "steht 0."));
        QCOMPARE(ImportBericht(1, {}), QStringLiteral("Es wurde 1 Zutat importiert."));
        QCOMPARE(ImportBericht(0, {}), QStringLiteral("Es wurden 0 Zutaten importiert."));
        QList<qsizetype> viele;
        for (qsizetype i = 1; i <= 23; ++i)
            viele << i;
        QVERIFY(ImportBericht(23, viele).contains(QStringLiteral("19, 20 und 3 weitere ließ")));
    }

    void kurzeUndLangeZeilen() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        ImportiereZutaten(d, "A;B\n;\n1;2;3;4;5;6;7;8;9\n", false);
        QCOMPARE(d.anzahlZutaten(), 3u);
        const TZutat& kurz = d.zutat(0);
        QCOMPARE(Text(kurz.lieferant), QStringLiteral("B"));
        QVERIFY(kurz.zgruppe && kurz.preisproeinheit && kurz.einheit); // empty, not missing
        QCOMPARE(TextLaenge(kurz.einheit), 0);
        QCOMPARE(kurz.preis, 0.0);
        QCOMPARE(kurz.menge, 0.0);
        const TZutat& leer = d.zutat(1);
        QVERIFY(leer.name && leer.lieferant);
        QCOMPARE(TextLaenge(leer.name), 0);
        const TZutat& lang = d.zutat(2);
        QCOMPARE(Text(lang.preisproeinheit), QStringLiteral("4"));
        QCOMPARE(lang.preis, 5.0);
        QCOMPARE(lang.menge, 6.0);
        QCOMPARE(Text(lang.einheit), QStringLiteral("7"));
    }

    void zahlen_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("feld");
        QTest::addColumn<double>("wert");
        QTest::newRow("de Komma") << "de_DE" << QByteArray("12,5") << 12.5;
        QTest::newRow("de Punkt") << "de_DE" << QByteArray("12.5") << 0.0;
        QTest::newRow("de Gruppierung") << "de_DE" << QByteArray("1.000,5") << 0.0;
        QTest::newRow("de Exponent") << "de_DE" << QByteArray("-3,25E2") << -325.0;
        QTest::newRow("de in Anfuehrung") << "de_DE" << QByteArray("\"8,5\"") << 8.5;
        QTest::newRow("de Wort") << "de_DE" << QByteArray("Gesamtpreis") << 0.0;
        QTest::newRow("en Punkt") << "en_US" << QByteArray("12.5") << 12.5;
        QTest::newRow("en Komma") << "en_US" << QByteArray("12,5") << 0.0;
        QTest::newRow("en Gruppierung") << "en_US" << QByteArray("1,000.5") << 0.0;
    }
    void zahlen() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, feld);
        QFETCH(double, wert);
        TLocaleWahl wahl(locale);
        TDaten d;
        ImportiereZutaten(d, "x;;;;" + feld + ";" + feld, false);
        QCOMPARE(d.zutat(0).preis, wert);
        QCOMPARE(d.zutat(0).menge, wert);
    }

    void zeilen_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("ueberspringen");
        QTest::addColumn<QString>("namen");
        QTest::newRow("CR LF") << QByteArray("H\r\nA\r\nB\r\n") << true << "A|B";
        QTest::newRow("LF, ohne Ende") << QByteArray("H\nA\nB") << false << "H|A|B";
        QTest::newRow("gemischt") << QByteArray("A\r\nB\nC") << false << "A|B|C";
        QTest::newRow("Leerzeilen") << QByteArray("A\n\n\r\nB\n\n") << false << "A|B";
        QTest::newRow("CR allein") << QByteArray("A\rB\r\r\nC\r") << false << "AB|C";
        QTest::newRow("nur Kopf") << QByteArray("Name;Lieferant\r\n") << true << "";
        QTest::newRow("Kopf importiert") << QByteArray("Name;Lieferant\r\n") << false << "Name";
        QTest::newRow("leerer Kopf") << QByteArray("\nA\n") << true << "A";
        QTest::newRow("Leerzeichen") << QByteArray(" \n") << false << " ";
        QTest::newRow("leere Datei") << QByteArray() << true << "";
    }
    void zeilen() {
        QFETCH(QByteArray, datei);
        QFETCH(bool, ueberspringen);
        QFETCH(QString, namen);
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        ImportiereZutaten(d, datei, ueberspringen);
        QCOMPARE(::namen(d), namen);
    }

    void kopfzeileWirdZurZutat() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        ImportiereZutaten(d, "Name;Lieferant;Gruppe;Preis/Einheit;Gesamtpreis;Menge;Einheit;Nr",
                          false);
        QCOMPARE(Text(d.zutat(0).name), QStringLiteral("Name"));
        QCOMPARE(d.zutat(0).preis, 0.0);
        QCOMPARE(d.zutat(0).menge, 0.0);
    }

    void haengtHintenAn() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Alt"), 1, 2);
        const QByteArray datei = "K\r\nB\r\nA\r\n";
        QCOMPARE(ImportiereZutaten(d, datei, true), 2);
        QCOMPARE(ImportiereZutaten(d, datei, true), 2);
        QCOMPARE(namen(d), QStringLiteral("Alt|B|A|B|A"));
        QCOMPARE(d.zutat(0).preis, 1.0);
    }

    void nichtGeoeffnetAendertNichts() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        BaueBeispiel(d);
        const QByteArray vorher = DatenAlsBytes(d);
        QTemporaryDir ordner;
        for (const QString& pfad : {ordner.filePath(QStringLiteral("fehlt.csv")), ordner.path()}) {
            try {
                ImportiereZutatenDatei(d, pfad, true);
                QFAIL("kein Fehler");
            } catch (const TNichtGeoeffnet& f) {
                QCOMPARE(f.meldung() + QLatin1Char('.'),
                         QStringLiteral("Konnte die Datei nicht öffnen."));
            }
            QCOMPARE(DatenAlsBytes(d), vorher);
        }
    }

    void ausDatei() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        QTemporaryDir ordner;
        QFile datei(ordner.filePath(QStringLiteral("z.csv")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("\xEF\xBB\xBFKopf\r\nMehl;;;;1,5\r\n");
        datei.close();
        TDaten d;
        QCOMPARE(ImportiereZutatenDatei(d, datei.fileName(), true), 1);
        QCOMPARE(namen(d), QStringLiteral("Mehl"));
        QCOMPARE(d.zutat(0).preis, 1.5);
    }

    // What the CSV writer makes of the ingredient list reads back as the list shows it.
    void rundreise_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("bom");
        QTest::newRow("de mit BOM") << "de_DE" << true;
        QTest::newRow("de ohne BOM") << "de_DE" << false;
        QTest::newRow("en mit BOM") << "en_US" << true;
    }
    void rundreise() {
        QFETCH(QString, locale);
        QFETCH(bool, bom);
        TLocaleWahl wahl(locale);
        TDaten d;
        NeueZutat(d, QStringLiteral("Käse"), 12.34567, 0.5, QStringLiteral("kg"),
                  QStringLiteral("Hof Müller"), QStringLiteral("Molkerei"), ZahlFest(24.69134, 2));
        NeueZutat(d, QStringLiteral("Zeile1\nZeile2\r\nZeile3"), 1e6, 0.00004, QStringLiteral("€"),
                  QStringLiteral("Quelle & Co"), {}, QStringLiteral(" "));
        NeueZutat(d, {}, -2.5, 3, {});
        const TListe liste = ZutatenListe(d);

        TDaten neu;
        QCOMPARE(ImportiereZutaten(neu, CsvBytes(liste, bom ? TBom::mit : TBom::ohne), true), 3);
        QCOMPARE(ZutatenListe(neu), liste);
        for (uint32_t i = 0; i < neu.anzahlZutaten(); ++i) {
            QCOMPARE(neu.zutat(i).preis, Gerundet(d.zutat(i).preis, 4));
            QCOMPARE(neu.zutat(i).menge, Gerundet(d.zutat(i).menge, 4));
        }
    }
};

QTEST_GUILESS_MAIN(TestCsvImport)
#include "test_csvimport.moc"
