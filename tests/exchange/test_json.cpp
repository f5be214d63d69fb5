#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/preisverlauf.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "exchange/jsonzahlen.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

using grenze = std::numeric_limits<double>;

// The data as a data file would give them back: what `speichern` writes.
QByteArray gespeichert(const TDaten& d) {
    return DatenAlsBytes(d);
}

TJsonImport importiere(const QByteArray& json) {
    return LeseJson(json);
}

// The error lines of a text that must be refused.
QStringList fehlerVon(const QByteArray& json) {
    const TJsonImport i = importiere(json);
    if (i.ok())
        return {QStringLiteral("angenommen")};
    return i.fehler;
}

QByteArray kopf(const QByteArray& rest = {}) {
    return "{\"format\": \"ormisto\", \"version\": 1" + (rest.isEmpty() ? "" : ",\n" + rest) + "}";
}

// Every field, the extreme doubles, texts of every kind, a section this program does not
// know and a price history: what the form must carry without loss.
void baueAlles(TDaten& d) {
    TUmfang klein{40, 12, 4, 9, QDate(2023, 12, 30), 99};
    ErzeugeDaten(d, klein);
    TZutat& z = NeueZutat(d, QStringLiteral("Öl \"extra\"\\\t/ 🍋"), grenze::denorm_min(), -0.0,
                          QString(), QStringLiteral("Zeile 1\r\nZeile 2\n"),
                          QStringLiteral("\x01 Steuerzeichen"), QStringLiteral("beliebig"));
    Q_UNUSED(z);
    NeueZutat(d, QString(), grenze::max(), grenze::lowest(), QStringLiteral("g"));
    NeueZutat(d, QStringLiteral("NaN"), grenze::quiet_NaN(), grenze::infinity());
    NeueZutat(d, QStringLiteral("Infinity"), -grenze::infinity(), grenze::min());
    TRezept& r = NeuesRezept(d, QStringLiteral("Käsespätzle"), 0.1 + 0.2, -1e-300, 39);
    FreeText(r.beschreibung);
    CopyText(r.beschreibung, QStringLiteral("Zubereitung:\r\n\r\n1. Spätzle\n2. Käse"));
    FreeText(r.bilddatei);
    CopyText(r.bilddatei, QStringLiteral("C:\\Bilder\\käse.jpg"));
    NeueZeile(r, 2147483647, 1.5, 100);
    NeueZeile(r, -2147483647 - 1, grenze::epsilon(), -0.0);
    NeuerVerkauf(r, 65535, 0, 0, -2147483647 - 1, grenze::max(), -0.0, grenze::denorm_min(),
                 grenze::quiet_NaN(), -grenze::infinity());
    NeuesRezept(d, QString(), 1, 0, -5);
    d.SetGruppe(3, QString());                           // written as its default name
    d.SetGruppe(4, QString::fromUtf16(u"Mit\0Null", 8)); // kept whole, as the file keeps it
    d.SetGruppeMwst(5, 7.25);
    d.SetGruppeWE(6, 123456789012345678.0);
    d.erweiterung.fremde.push_back({AbschnittTag("ZZZZ"), 1, QByteArray("\0\1\2\xff", 4)});
    d.erweiterung.fremde.push_back({AbschnittTag("a~!}"), 0, {}});
    TPreisverlauf& v = d.erweiterung.abschnitt<TPreisverlauf>();
    v.anhaengen(1, {QDate(2024, 2, 29), 3.5, 1, QStringLiteral("kg"), QStringLiteral("Süd"),
                    TPreisquelle::bestand});
    v.anhaengen(
        1, {QDate(2024, 3, 1), 0.1, 2.5, QStringLiteral("g"), QString(), TPreisquelle::preisliste});
}

} // namespace

class TestJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        QLocale::setDefault(QLocale(locale));
    }

    void zahlenTexte_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("ganz") << 25.0 << "25";
        QTest::newRow("kurz") << 0.1 << "0.1";
        QTest::newRow("summe") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("minus null") << -0.0 << "-0.0";
        QTest::newRow("denormal") << grenze::denorm_min() << "5e-324";
        QTest::newRow("groesste") << grenze::max() << "1.7976931348623157e+308";
        QTest::newRow("gross") << 1e21 << "1e+21";
    }
    void zahlenTexte() {
        QFETCH(double, wert);
        QFETCH(QString, text);
        char puffer[jsonZahlPlatz];
        const int n = JsonZahlText(wert, puffer);
        QCOMPARE(QString::fromLatin1(puffer, n), text);
        const TJsonZahl z = JsonGleitkomma({puffer, size_t(n)});
        QCOMPARE(z.art, TJsonZahl::Art::ok);
        QCOMPARE(std::bit_cast<uint64_t>(z.gleitkomma), std::bit_cast<uint64_t>(wert));
    }

    void ganzzahlen() {
        QCOMPARE(JsonGanzzahl("-2147483648", INT32_MIN, INT32_MAX).ganz, INT32_MIN);
        QCOMPARE(JsonGanzzahl("2147483648", INT32_MIN, INT32_MAX).art, TJsonZahl::Art::ausserhalb);
        QCOMPARE(JsonGanzzahl("-1", 0, 65535).art, TJsonZahl::Art::ausserhalb);
        QCOMPARE(JsonGanzzahl("1.0", 0, 65535).art, TJsonZahl::Art::keineGanzzahl);
        QCOMPARE(JsonGanzzahl("1e2", 0, 65535).art, TJsonZahl::Art::keineGanzzahl);
        QCOMPARE(JsonGanzzahl("99999999999999999999", INT32_MIN, INT32_MAX).art,
                 TJsonZahl::Art::ausserhalb);
        QCOMPARE(JsonGleitkomma("1e-400").art, TJsonZahl::Art::ausserhalb);
        QCOMPARE(JsonGleitkomma("1.8e308").art, TJsonZahl::Art::ausserhalb);
    }

    // Export, then import, gives the bytes the data file gets, and exporting again the
    // same text.
    void hinUndZurueck() {
        TDaten d;
        baueAlles(d);
        TDaten gelesen;
        LeseDaten(gelesen, gespeichert(d));
        const QByteArray json = DatenAlsJson(gelesen);
        QVERIFY(!json.startsWith("\xEF\xBB\xBF"));
        QVERIFY(json.contains("\n\t\"zutaten\": ["));
        const TJsonImport i = importiere(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(gespeichert(*i.daten), gespeichert(gelesen));
        QCOMPARE(DatenAlsJson(*i.daten), json);
        // The rule-breaking values come back, with warnings.
        QCOMPARE(i.warnungAnzahl, 4);
    }

    void grosseDateiHinUndZurueck() {
        TDaten d;
        ErzeugeDaten(d, {2000, 300, 10, 40, QDate(2024, 1, 1), 7});
        const TJsonImport i = importiere(DatenAlsJson(d));
        QVERIFY(i.ok());
        QCOMPARE(i.warnungAnzahl, 0);
        QCOMPARE(gespeichert(*i.daten), gespeichert(d));
    }

    void besondereWerte() {
        TDaten d;
        baueAlles(d);
        const QByteArray json = DatenAlsJson(d);
        for (const char* teil :
             {"\"preis\": 5e-324", "\"menge\": -0.0", "\"preis\": \"NaN\"",
              "\"menge\": \"Infinity\"", "\"preis\": \"-Infinity\"",
              "\"menge\": 0.30000000000000004", "\"jahr\": 65535", "\"menge\": -2147483648",
              "\"name\": \"Produkte 4\"", "\"name\": \"Mit\\u0000Null\"",
              "\"we\": 123456789012346000", "\"mwst\": 7.25", "\"tag\": \"ZZZZ\"",
              "\"daten\": \"AAEC/w==\"", "Zeile 1\\r\\nZeile 2\\n", "\\u0001 Steuerzeichen",
              "Öl \\\"extra\\\"\\\\\\t/ 🍋", "\"datum\": \"2024-02-29\"",
              "\"quelle\": \"Preisliste\""})
            QVERIFY2(json.contains(teil), teil);
        // Characters are written as UTF-8, not as escapes.
        QVERIFY(json.contains("\"name\": \"Käsespätzle\""));
        QVERIFY(!json.contains("\\u00e4") && !json.contains("\\u00E4"));
    }

    // A NaN comes back as the platform's quiet NaN, its payload lost.
    void nanMitNutzlast() {
        TDaten d;
        NeueZutat(d, QStringLiteral("x"), std::bit_cast<double>(uint64_t(0x7ff8000000000123)), 1);
        const TJsonImport i = importiere(DatenAlsJson(d));
        QVERIFY(i.ok());
        QVERIFY(std::isnan(i.daten->zutat(0).preis));
        QCOMPARE(std::bit_cast<uint64_t>(i.daten->zutat(0).preis),
                 std::bit_cast<uint64_t>(grenze::quiet_NaN()));
    }

    void einzelnesErsatzzeichenWirdAbgelehnt() {
        TDaten d;
        NeueZutat(d, QStringLiteral("gut"), 1, 1);
        NeueZutat(d, QStringLiteral("gut"), 1, 1, QStringLiteral("kg"), QString(QChar(0xD800)));
        try {
            DatenAlsJson(d);
            QFAIL("angenommen");
        } catch (const TFehler& f) {
            QCOMPARE(f.meldung(), QStringLiteral("zutaten[1].lieferant enthält ein einzelnes "
                                                 "Ersatzzeichen (Surrogat) und kann nicht als "
                                                 "JSON geschrieben werden"));
        }
        TDaten g;
        g.SetGruppe(7, QString(QChar(0xDC00)) + QStringLiteral("x"));
        try {
            DatenAlsJson(g);
            QFAIL("angenommen");
        } catch (const TFehler& f) {
            QVERIFY(f.meldung().startsWith(QStringLiteral("gruppen[7].name enthält")));
        }
    }

    void nullZeichenSchneidetTexte() {
        const TJsonImport i = importiere(
            kopf("\"zutaten\": [{\"name\": \"Mehl\\u0000Typ 405\", \"einheit\": \"\\u0000\"}],\n"
                 "\"gruppen\": [" +
                 QByteArray("{\"name\": \"A\\u0000B\"},").repeated(39) + "{}]"));
        QVERIFY(i.ok());
        QCOMPARE(Text(i.daten->zutat(0).name), QStringLiteral("Mehl"));
        QCOMPARE(Text(i.daten->zutat(0).einheit), QString());
        QCOMPARE(i.daten->GetGruppe(0), QString::fromUtf16(u"A\0B", 3));
        QCOMPARE(i.daten->GetGruppe(39), TGruppenTabelle().GetGruppe(39));
    }

    // Keys left out take the values of a new record.
    void vorgabenFuerFehlendeSchluessel() {
        const TJsonImport leer = importiere(kopf());
        QVERIFY(leer.ok());
        QCOMPARE(gespeichert(*leer.daten), gespeichert(TDaten()));

        const TJsonImport i = importiere(kopf(R"("zutaten": [
            {"name": "Butter", "preis": 5, "menge": 2, "einheit": "kg"},
            {"name": "Mehl", "preis": 1},
            {}],
          "rezepte": [{"name": "Kuchen", "zeilen": [{"zutat": 1}, {}], "verkaeufe": [{"jahr": 2024, "monat": 6, "tag": 1}]}],
          "gruppen": [{"mwst": 7}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}])"));
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        const TDaten& d = *i.daten;
        QCOMPARE(d.anzahlZutaten(), 3u);
        QCOMPARE(Text(d.zutat(0).preisproeinheit), t("2,5"));
        QCOMPARE(d.zutat(1).menge, 1.0);
        QCOMPARE(Text(d.zutat(1).preisproeinheit), QStringLiteral("1"));
        QCOMPARE(Text(d.zutat(2).preisproeinheit), QStringLiteral("0"));
        QCOMPARE(Text(d.zutat(2).lieferant), QString());
        QVERIFY(d.zutat(2).lieferant != nullptr);
        const TRezept& r = d.rezept(0);
        QCOMPARE(r.menge, 1.0);
        QCOMPARE(r.gruppe, 0);
        QCOMPARE(r.zutaten->count, 2u);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->zutatnr, 0);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->menge, 0.0);
        QCOMPARE(r.verkaeufe->at<TVerkauf>(0)->menge, 0);
        QCOMPARE(d.GetGruppeMwst(0), 7.0);
        QCOMPARE(d.GetGruppeWE(0), 30.0);
        QCOMPARE(d.GetGruppe(0), QStringLiteral("Gruppe 1"));
        QCOMPARE(d.GetGruppeWE(25), 25.0);
    }

    void fehlerMitOrtUndZeile_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("kein format") << QByteArray("{\n\"version\": 1}")
                                     << "Zeile 1: format: fehlt (erwartet wird \"ormisto\")";
        QTest::newRow("anderes format") << QByteArray("{\"version\": 1,\n \"format\": \"csv\"}")
                                        << "Zeile 2: format: \"csv\" statt \"ormisto\"";
        QTest::newRow("neuere version")
            << QByteArray("{\"format\": \"ormisto\",\n\n \"version\": 2, \"x\": 1}")
            << "Zeile 3: version: Version 2 wird nicht unterstützt (gelesen wird Version 1)";
        QTest::newRow("version als text")
            << QByteArray("{\"format\": \"ormisto\", \"version\": \"1\"}")
            << "Zeile 1: version: Ganze Zahl erwartet, aber den Text \"1\" gefunden";
        QTest::newRow("unbekannter schluessel")
            << kopf("\"zutaten\": [\n{},\n {\"name\": \"a\",\n \"farbe\": 1}]")
            << "Zeile 5: zutaten[1].farbe: unbekannter Schlüssel";
        QTest::newRow("doppelter schluessel")
            << kopf("\"zutaten\": [{\"name\": \"a\",\n \"name\": \"b\"}]")
            << "Zeile 3: zutaten[0].name: Schlüssel doppelt";
        QTest::newRow("text statt zahl")
            << kopf("\"zutaten\": [{\"preis\": \"12,50\"}]")
            << "Zeile 2: zutaten[0].preis: Zahl (oder \"NaN\", \"Infinity\", \"-Infinity\") "
               "erwartet, aber den Text \"12,50\" gefunden";
        QTest::newRow("zahl statt text")
            << kopf("\"rezepte\": [{\"name\": 5}]")
            << "Zeile 2: rezepte[0].name: Text erwartet, aber die Zahl 5 gefunden";
        QTest::newRow("objekt statt zahl")
            << kopf("\"rezepte\": [{\"menge\": {\"a\": [1]}}]")
            << "Zeile 2: rezepte[0].menge: Zahl erwartet, aber ein Objekt gefunden";
        QTest::newRow("liste erwartet")
            << kopf("\"rezepte\": [{\"zeilen\": {}}]")
            << "Zeile 2: rezepte[0].zeilen: Liste erwartet, aber ein Objekt gefunden";
        QTest::newRow("null als satz")
            << kopf("\"rezepte\": [{}, {}, {}, {\"zeilen\": [\n\nnull]}]")
            << "Zeile 4: rezepte[3].zeilen[0]: Objekt erwartet, aber null gefunden";
        QTest::newRow("int32 zu gross")
            << kopf("\"zutaten\": [{}], \"rezepte\": [{}, {}, {}, {\"zeilen\": [{\"zutat\":\n "
                    "2147483648}]}]")
            << "Zeile 3: rezepte[3].zeilen[0].zutat: 2147483648 liegt außerhalb von "
               "-2147483648 bis 2147483647";
        QTest::newRow("bruch statt ganzer zahl")
            << kopf("\"rezepte\": [{\"verkaeufe\": [{\"menge\": 2.5}]}]")
            << "Zeile 2: rezepte[0].verkaeufe[0].menge: Ganze Zahl erwartet, aber 2.5 gefunden";
        QTest::newRow("uint16 negativ")
            << kopf("\"rezepte\": [{\"verkaeufe\": [{\"tag\": -1}]}]")
            << "Zeile 2: rezepte[0].verkaeufe[0].tag: -1 liegt außerhalb von 0 bis 65535";
        QTest::newRow("nicht darstellbar")
            << kopf("\"zutaten\": [{\"menge\": 1e-999}]")
            << "Zeile 2: zutaten[0].menge: 1e-999 ist als Gleitkommazahl nicht darstellbar";
        QTest::newRow("39 gruppen")
            << kopf("\n\"gruppen\": [" + QByteArray("{},").repeated(38) + "{}]")
            << "Zeile 3: gruppen: 40 Gruppen erwartet, aber 39 gefunden";
        QTest::newRow("einzelnes tiefes ersatzzeichen")
            << kopf("\"zutaten\": [{\"name\": \"a\\udc00\"}]")
            << "Zeile 2: zutaten[0].name: enthält ein einzelnes Ersatzzeichen (Surrogat)";
        QTest::newRow("einzelnes hohes ersatzzeichen")
            << QByteArray("{\n  \"a\": \"\\ud800x\"}")
            << "Zeile 2, Spalte 9: Einzelnes Ersatzzeichen (Surrogat) in einer \\u-Folge";
        QTest::newRow("syntax") << QByteArray("{\"format\": \"ormisto\",\n  \"version\" 1}")
                                << "Zeile 2, Spalte 13: Doppelpunkt erwartet";
        QTest::newRow("spalte in zeichen")
            << QByteArray("{\"ä\": \"ö\" x}") << "Zeile 1, Spalte 11: Komma oder } erwartet";
        QTest::newRow("leer") << QByteArray("  \n") << "Zeile 2, Spalte 1: Der Text ist leer";
        QTest::newRow("kein utf-8")
            << QByteArray("{\"a\": \"\xff\"}") << "Zeile 1, Spalte 8: Kein gültiges UTF-8";
        QTest::newRow("nullbyte") << kopf().append('\0').append("x")
                                  << "Zeile 1, Spalte 36: Nullbyte im Text";
        QTest::newRow("danach noch etwas")
            << kopf() + "\n{}"
            << "Zeile 2, Spalte 1: Nach dem Ende des Dokuments folgt noch etwas";
        QTest::newRow("keine liste als wurzel")
            << QByteArray("[1]") << "Zeile 1: Objekt erwartet, aber eine Liste gefunden";
        QTest::newRow("fremder abschnitt ohne tag")
            << kopf("\"erweiterung\": [\n{\"bezug\": 0}]") << "Zeile 3: erweiterung[0].tag: fehlt";
        QTest::newRow("tag zu kurz")
            << kopf("\"erweiterung\": [{\"tag\": \"AB\"}]")
            << "Zeile 2: erweiterung[0].tag: \"AB\" ist kein Kennzeichen aus vier druckbaren "
               "ASCII-Zeichen";
        QTest::newRow("tag mit leerzeichen")
            << kopf("\"erweiterung\": [{\"tag\": \"AB C\"}]")
            << "Zeile 2: erweiterung[0].tag: \"AB C\" ist kein Kennzeichen aus vier druckbaren "
               "ASCII-Zeichen";
        QTest::newRow("tag ENDE")
            << kopf("\"erweiterung\": [{\"tag\": \"ENDE\"}]")
            << "Zeile 2: erweiterung[0].tag: ENDE ist das Kennzeichen des Abschlusses, kein "
               "Abschnitt";
        QTest::newRow("bekannter tag")
            << kopf("\"erweiterung\": [{\"tag\": \"PREI\"}]")
            << "Zeile 2: erweiterung[0].tag: PREI ist der Abschnitt „Preisverlauf“, den dieses "
               "Programm kennt; seine Daten stehen unter eigenen Schlüsseln";
        QTest::newRow("tag doppelt")
            << kopf("\"erweiterung\": [{\"tag\": \"ABCD\"},\n{\"tag\": \"ABCD\"}]")
            << "Zeile 3: erweiterung[1].tag: Abschnitt ABCD doppelt";
        QTest::newRow("bezug negativ")
            << kopf("\"erweiterung\": [{\"tag\": \"ABCD\", \"bezug\": -1}]")
            << "Zeile 2: erweiterung[0].bezug: -1 liegt außerhalb von 0 bis 4294967295";
        QTest::newRow("kein base64")
            << kopf("\"erweiterung\": [{\"tag\": \"ABCD\", \"daten\": \"a*b\"}]")
            << "Zeile 2: erweiterung[0].daten: ist kein gültiger Base64-Text";
        QTest::newRow("preisverlauf ohne datum")
            << kopf("\"zutaten\": [{}, {\"preisverlauf\": [\n {\"preis\": 1},\n {\"datum\": "
                    "\"2024-02-30\"}]}]")
            << "Zeile 3: zutaten[1].preisverlauf[0].datum: fehlt";
        QTest::newRow("preisverlauf quelle")
            << kopf("\"zutaten\": [{\"preisverlauf\": [{\"datum\": \"2024-02-01\",\n \"quelle\": "
                    "\"Kasse\"}]}]")
            << "Zeile 3: zutaten[0].preisverlauf[0].quelle: \"Kasse\" ist keine Quelle (Eingabe, "
               "CSV-Import, Preisliste, Bestand)";
    }
    void fehlerMitOrtUndZeile() {
        QFETCH(QByteArray, json);
        QFETCH(QString, fehler);
        const QStringList liste = fehlerVon(json);
        QVERIFY(!liste.isEmpty());
        QCOMPARE(liste.first(), fehler);
    }

    // Every fault is listed, up to 50, then how many more.
    void alleFehlerBisFuenfzig() {
        QByteArray zutaten;
        for (int i = 0; i < 60; ++i)
            zutaten += QByteArray(i ? ",\n" : "") + "{\"preis\": true}";
        const TJsonImport i = importiere(kopf("\"zutaten\": [\n" + zutaten + "]"));
        QVERIFY(!i.ok());
        QCOMPARE(i.fehlerAnzahl, 60);
        QCOMPARE(i.fehler.size(), 51);
        QCOMPARE(i.fehler[0], QStringLiteral("Zeile 3: zutaten[0].preis: Zahl (oder \"NaN\", "
                                             "\"Infinity\", \"-Infinity\") erwartet, aber true "
                                             "gefunden"));
        QVERIFY(i.fehler[49].startsWith(QStringLiteral("Zeile 52: zutaten[49].preis:")));
        QCOMPARE(i.fehler[50], QStringLiteral("… und 10 weitere"));
    }

    // What a data file can hold, read as reading such a file reads it, with warnings.
    void warnungen() {
        const TJsonImport i = importiere(kopf(R"("rezepte": [{"gruppe": 40, "zeilen": [
            {"zutat": 1},
            {"zutat": -1}, {}],
          "verkaeufe": [{"jahr": 2023, "monat": 2, "tag": 29}]}],
          "zutaten": [{"name": "einzige"}])"));
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(i.warnungen,
                 QStringList({"Zeile 2: rezepte[0].gruppe: Gruppe 40 gibt es nicht (0 bis 39)",
                              "Zeile 3: rezepte[0].zeilen[0].zutat: Zutat 1 gibt es nicht "
                              "(1 Zutaten)",
                              "Zeile 4: rezepte[0].zeilen[1].zutat: Zutat -1 gibt es nicht "
                              "(1 Zutaten)",
                              "Zeile 5: rezepte[0].verkaeufe[0]: 2023-02-29 ist kein gültiges "
                              "Datum"}));
        QCOMPARE(i.daten->rezept(0).gruppe, 40);
        QCOMPARE(i.daten->rezept(0).zutaten->at<TRezeptZutat>(1)->zutatnr, -1);
    }

    void byteOrderMarkWirdUebersprungen() {
        const TJsonImport i = importiere("\xEF\xBB\xBF" + kopf());
        QVERIFY(i.ok());
        QCOMPARE(fehlerVon("\xEF\xBB\xBF" + kopf("\"x\": 1")).first(),
                 QStringLiteral("Zeile 2: x: unbekannter Schlüssel"));
    }

    // The history is dated today when it arises and kept as given by the JSON form.
    void preisverlaufHinUndZurueck() {
        TUhr::setzeHeute(QDate(2024, 6, 15));
        TDaten d;
        ZutatAnlegen(
            d, {QStringLiteral("Butter"), QStringLiteral("Hof"), {}, QStringLiteral("kg"), 1, 8});
        ZutatAnlegen(d, {QStringLiteral("Mehl"), {}, {}, QStringLiteral("kg"), 1, 1});
        TZutatWerte w = ZutatWerte(d.zutat(0));
        w.preis = 9;
        ZutatAendern(d, 0, w);
        TUhr::setze({});
        const QByteArray json = DatenAlsJson(d);
        QVERIFY(json.contains("\"quelle\": \"Eingabe\""));
        const TJsonImport i = importiere(json);
        QVERIFY(i.ok());
        QCOMPARE(gespeichert(*i.daten), gespeichert(d));
        QCOMPARE(i.daten->erweiterung.abschnitt<TPreisverlauf>().staende(0).size(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestJson)
#include "test_json.moc"
