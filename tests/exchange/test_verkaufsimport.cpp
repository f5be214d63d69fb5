#include "core/fehler.h"
#include "core/texte.h"
#include "exchange/verkaufsimport.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

namespace {

// Recipes whose names the lines below use.
void baueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    for (const char* name : {"Käsebrot", "Gulasch", "Straße", "Brot, hell", "Der \"Klassiker\""})
        NeueZeile(NeuesRezept(d, QString::fromUtf8(name), 1, 10, 0), 0, 1.0);
}

// "Name Datum Portionen" per sum, in order.
QString summen(const TDaten& d, const TVerkaufsPruefung& p) {
    QStringList s;
    for (const TVerkaufsSumme& v : p.summen)
        s << QStringLiteral("%1 %2 %3")
                 .arg(Text(d.rezept(v.rezept).name), v.tag.toString(Qt::ISODate))
                 .arg(v.portionen);
    return s.join(u"; ");
}

QString fehler(const TVerkaufsPruefung& p) {
    return Fehlerzeilen(p).join(u'\n');
}

QString abgelehnt(const TDaten& d, const QByteArray& bytes) {
    try {
        PruefeVerkaeufe(d, bytes);
    } catch (const TFehler& f) {
        return f.meldung();
    }
    return {};
}

} // namespace

class TestVerkaufsimport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void dialekte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("gelesen");
        QTest::addColumn<QString>("summen");
        QTest::addColumn<QString>("fehler");

        QTest::newRow("Semikolon, CR LF")
            << QByteArray("Datum;Artikel;Menge\r\n15.06.2024;K\xC3\xA4sebrot;3\r\n") << qint64(1)
            << "Käsebrot 2024-06-15 3"
            << "";
        QTest::newRow("Tabulator, andere Namen und Reihenfolge")
            << QByteArray("Portionen\tRezept\tBon\tdatum \n2\tGulasch\t17\t2024-06-15\n")
            << qint64(1) << "Gulasch 2024-06-15 2"
            << "";
        QTest::newRow("Komma, Trenner in Anführungen")
            << QByteArray("NAME,Anzahl,Datum,Preis\n\"Brot, hell\",2,15.06.2024,\"3,50\"\n")
            << qint64(1) << "Brot, hell 2024-06-15 2"
            << "";
        QTest::newRow("verdoppelte Anführungszeichen")
            << QByteArray("\"Datum\";\"Artikel\";\"Menge\"\n\"15.06.2024\";\"Der "
                          "\"\"Klassiker\"\"\";\"2\"\n")
            << qint64(1) << "Der \"Klassiker\" 2024-06-15 2"
            << "";
        QTest::newRow("Blanks um Anführungen und Felder")
            << QByteArray("Datum;Artikel;Menge\n 15.06.2024 ; \"Gulasch\" ; 2 \n") << qint64(1)
            << "Gulasch 2024-06-15 2"
            << "";
        QTest::newRow("Byte-Order-Mark")
            << QByteArray("\xEF\xBB\xBF"
                          "Datum;Artikel;Menge\r\n15.06.2024;Stra\xC3\x9F"
                          "e;1\r\n")
            << qint64(1) << "Straße 2024-06-15 1"
            << "";
        QTest::newRow("Windows-1252")
            << QByteArray("Datum;Artikel;Menge\r\n15.06.2024;K\xE4sebrot;2\r\n15.06.2024;"
                          "Stra\xDF"
                          "e;1\r\n")
            << qint64(2) << "Käsebrot 2024-06-15 2; Straße 2024-06-15 1"
            << "";
        // Line numbers count the line breaks inside quotes, CR LF as one.
        QTest::newRow("Zeilenumbruch in Anführungen")
            << QByteArray("Datum;Artikel;Menge;Notiz\n15.06.2024;Gulasch;1;\"zwei\nZeilen\"\n"
                          "15.06.2024;Gulasch;x;\"a\r\nb\"\r\n16.06.2024;Nix;1;\n")
            << qint64(3) << "Gulasch 2024-06-15 1"
            << "Zeile 4: ungültige Menge \"x\"\nZeile 6: unbekannter Artikel \"Nix\"";
        QTest::newRow("CR allein")
            << QByteArray("Datum;Artikel;Menge\r15.06.2024;Gulasch;1\r\r15.06.2024;Gulasch;-1\r")
            << qint64(2) << "Gulasch 2024-06-15 1"
            << "Zeile 4: negative Menge \"-1\" (Stornos werden nicht importiert)";
        QTest::newRow("Leerzeilen und leere Felder, auch vor dem Kopf")
            << QByteArray(
                   "\n;;\n  \nDatum;Artikel;Menge\n\n ; ;\n15.06.2024;Gulasch;1\nx;Gulasch;1")
            << qint64(2) << "Gulasch 2024-06-15 1"
            << "Zeile 8: ungültiges Datum \"x\"";
        QTest::newRow("die erste von zwei Spalten zählt")
            << QByteArray("Datum;Name;Menge;Anzahl;Datum;Artikel\n15.06.2024;Gulasch;1;x;y;z\n")
            << qint64(1) << "Gulasch 2024-06-15 1"
            << "";
        QTest::newRow("Mehrheit der Trenner")
            << QByteArray("Datum,Artikel,Menge,Notiz;Bon\n15.06.2024,Gulasch,2,a;b\n"
                          "15.06.2024,Gulasch,1;5\n")
            << qint64(2) << "Gulasch 2024-06-15 2"
            << "Zeile 3: ungültige Menge \"1;5\"";
        QTest::newRow("offenes Anführungszeichen")
            << QByteArray("Datum;Artikel;Menge\n15.06.2024;Gulasch;1\n16.06.2024;\"Gulasch;2\n"
                          "17.06.2024;Gulasch;3\n")
            << qint64(2) << "Gulasch 2024-06-15 1"
            << "Zeile 3: Anführungszeichen nicht geschlossen";
        QTest::newRow("Text nach der Anführung bleibt")
            << QByteArray("Datum;Artikel;Menge\n15.06.2024;\"Gul\"asch;1\n") << qint64(1)
            << "Gulasch 2024-06-15 1"
            << "";
    }
    void dialekte() {
        QFETCH(QByteArray, bytes);
        TDaten d;
        baueKueche(d);
        const TVerkaufsPruefung p = PruefeVerkaeufe(d, bytes);
        QTEST(p.gelesen, "gelesen");
        QTEST(summen(d, p), "summen");
        QTEST(fehler(p), "fehler");
    }

    // Each fault of a line is one error, the first in the order of the columns; a count
    // of 0 is left out silently only when the rest of the line is sound.
    void zeilenfehler_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("31. Februar")
            << QByteArray("31.02.2024;Gulasch;1") << "Zeile 2: ungültiges Datum \"31.02.2024\"";
        QTest::newRow("Datum fehlt") << QByteArray(";Gulasch;1") << "Zeile 2: Datum fehlt";
        QTest::newRow("Artikel fehlt") << QByteArray("15.06.2024; ;1") << "Zeile 2: Artikel fehlt";
        QTest::newRow("Menge fehlt") << QByteArray("15.06.2024;Gulasch") << "Zeile 2: Menge fehlt";
        QTest::newRow("negative Menge")
            << QByteArray("15.06.2024;Gulasch;-3")
            << "Zeile 2: negative Menge \"-3\" (Stornos werden nicht importiert)";
        QTest::newRow("Dezimalzahl")
            << QByteArray("15.06.2024;Gulasch;2,0") << "Zeile 2: ungültige Menge \"2,0\"";
        QTest::newRow("unbekannt") << QByteArray("15.06.2024; Gulaschsuppe ;1")
                                   << "Zeile 2: unbekannter Artikel \"Gulaschsuppe\"";
        QTest::newRow("erster Fehler nach Spalten")
            << QByteArray("31.02.2024;Nix;-1") << "Zeile 2: ungültiges Datum \"31.02.2024\"";
        QTest::newRow("0 mit unbekanntem Artikel")
            << QByteArray("15.06.2024;Nix;0") << "Zeile 2: unbekannter Artikel \"Nix\"";
        QTest::newRow("0 mit falschem Datum")
            << QByteArray("15.6.;Gulasch;0") << "Zeile 2: ungültiges Datum \"15.6.\"";
        QTest::newRow("langer Text gekürzt")
            << QByteArray("15.06.2024;" + QByteArray(70, 'x') + ";1")
            << "Zeile 2: unbekannter Artikel \"" + QString(59, u'x') + "…\"";
        QTest::newRow("0 ohne Fehler") << QByteArray("15.06.2024;Gulasch;000") << "";
    }
    void zeilenfehler() {
        QFETCH(QByteArray, zeile);
        TDaten d;
        baueKueche(d);
        const TVerkaufsPruefung p = PruefeVerkaeufe(d, "Datum;Artikel;Menge\n" + zeile);
        QCOMPARE(p.gelesen, qint64(1));
        QTEST(fehler(p), "fehler");
        QVERIFY(p.summen.empty());

        // The order of the columns decides which fault is named.
        const TVerkaufsPruefung q = PruefeVerkaeufe(d, "Menge;Artikel;Datum\n-1;Nix;31.02.2024\n");
        QCOMPARE(
            fehler(q),
            QStringLiteral("Zeile 2: negative Menge \"-1\" (Stornos werden nicht importiert)"));
    }

    void namenOhneGrossUndKleinschreibung() {
        TDaten d;
        for (const char* name : {"Suppe", " SUPPE ", "Straße", "STRASSE", "Äpfel", "", "Ölkuchen"})
            NeuesRezept(d, QString::fromUtf8(name));
        const QByteArray datei = "Datum;Artikel;Menge\n"
                                 "15.06.2024;suppe;1\n"
                                 "15.06.2024;STRAßE;1\n"
                                 "15.06.2024;strasse;2\n"
                                 "15.06.2024;  äPFEL ;3\n"
                                 "15.06.2024;Strase;1\n"
                                 "15.06.2024;O\xCC\x88lkuchen;1\n"; // decomposed: another text
        const TVerkaufsPruefung p = PruefeVerkaeufe(d, datei);
        QCOMPARE(summen(d, p), QStringLiteral("Straße 2024-06-15 1; STRASSE 2024-06-15 2; "
                                              "Äpfel 2024-06-15 3"));
        QCOMPARE(fehler(p), QStringLiteral("Zeile 2: mehrdeutiger Artikel \"suppe\"\n"
                                           "Zeile 6: unbekannter Artikel \"Strase\"\n"
                                           "Zeile 7: unbekannter Artikel \"O\u0308lkuchen\""));
    }

    void kopfzeileUndLeereDateiWerdenAbgelehnt() {
        TDaten d;
        baueKueche(d);
        QCOMPARE(abgelehnt(d, ""), QStringLiteral("Die Datei ist leer"));
        QCOMPARE(abgelehnt(d, "\r\n \r\n;;\r\n"), QStringLiteral("Die Datei ist leer"));
        QCOMPARE(abgelehnt(d, "Datum;Artikel;Preis\n15.06.2024;Gulasch;3\n"),
                 QStringLiteral("Der Kopfzeile (Zeile 1) fehlt die Spalte für die Menge "
                                "(\"Menge\", \"Anzahl\" oder \"Portionen\")"));
        QCOMPARE(abgelehnt(d, "\n\nBon;Rezept\n"),
                 QStringLiteral("Der Kopfzeile (Zeile 3) fehlen die Spalten für das Datum "
                                "(\"Datum\") und die Menge (\"Menge\", \"Anzahl\" oder "
                                "\"Portionen\")"));
        QCOMPARE(abgelehnt(d, "Preis\n"),
                 QStringLiteral("Der Kopfzeile (Zeile 1) fehlen die Spalten für das Datum "
                                "(\"Datum\"), den Artikel (\"Artikel\", \"Name\" oder "
                                "\"Rezept\") und die Menge (\"Menge\", \"Anzahl\" oder "
                                "\"Portionen\")"));
        // One ";" against one ",": the semicolon wins the tie.
        QVERIFY(abgelehnt(d, "Datum;Artikel,Menge\n").contains(QStringLiteral("Artikel")));
        QCOMPARE(abgelehnt(d, "Datum;\"Artikel;Menge\n15.06.2024;Gulasch;1\n"),
                 QStringLiteral("In der Kopfzeile (Zeile 1) ist ein Anführungszeichen nicht "
                                "geschlossen"));
        QVERIFY(PruefeVerkaeufe(d, "Datum;Artikel;Menge").gelesen == 0);
    }

    void zusammenfassungUndFehlerliste() {
        TDaten d;
        baueKueche(d);
        QByteArray datei = "Datum;Artikel;Menge\n15.06.2024;Gulasch;2\n16.06.2024;Gulasch;1\n"
                           "16.06.2024;Käsebrot;1\n16.06.2024;Gulasch;0\n";
        for (int i = 0; i < 55; ++i)
            datei += "16.06.2024;Nix;1\n";
        const TVerkaufsPruefung p = PruefeVerkaeufe(d, datei);
        QCOMPARE(Zusammenfassung(p, true),
                 QStringLiteral("Gelesen: 59 Zeilen, erfasst: 3 Verkäufe an 2 Tagen für 2 "
                                "Rezepte, ausgelassen: 55 Zeilen."));
        QCOMPARE(Zusammenfassung(p, false),
                 QStringLiteral("Gelesen: 59 Zeilen, erfasst: 0 Verkäufe an 0 Tagen für 0 "
                                "Rezepte, ausgelassen: 0 Zeilen."));
        const QStringList zeilen = Fehlerzeilen(p);
        QCOMPARE(zeilen.size(), 51);
        QCOMPARE(zeilen.front(), QStringLiteral("Zeile 6: unbekannter Artikel \"Nix\""));
        QCOMPARE(zeilen[49], QStringLiteral("Zeile 55: unbekannter Artikel \"Nix\""));
        QCOMPARE(zeilen.back(), QStringLiteral("… und 5 weitere"));
        QCOMPARE(Fehlerzeilen(p, 55).size(), 55);
    }
};

QTEST_GUILESS_MAIN(TestVerkaufsimport)
#include "test_verkaufsimport.moc"
