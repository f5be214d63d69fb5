#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "tests/support/aufbau.h"
#include "tests/support/faildevice.h"
#include "tests/support/locale.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// The first 0xBA bytes of the example file: ingredient and recipe sections.
const char* const beispielKopf =
    "01000000 04000000 4D0065006800 6C00 00000000 05000000 42006100730069007300"
    "01000000 3200 0000000000001040 0000000000000040 02000000 6B006700"
    "01000000 04000000 42007200 6F007400 00000000 00000000 000000000000F03F"
    "CDCCCCCCCCCC1740 00000000 01000000 00000000 000000000000E03F 0000000000000000"
    "01000000 E707 0500 1100 01000000 0000000000001440 CDCCCCCCCCCC1740"
    "000000000000F03F 0000000000003440 0000000000001040";

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray ausschnitt(const QByteArray& b, int von, int laenge) {
    return b.mid(von, laenge);
}

} // namespace

class TestDatei : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void beispielBytegenau() {
        TDaten d;
        BaueBeispiel(d);
        const QByteArray b = DatenAlsBytes(d);
        QCOMPARE(b.size(), 0x836);
        QCOMPARE(b.left(0xBA).toHex(), hex(beispielKopf).toHex());
        QCOMPARE(ausschnitt(b, 0xBA, 36).toHex(),
                 hex("08000000 470072007500700070006500 20003100 0000000000003340 "
                     "0000000000003E40")
                     .toHex());
        QCOMPARE(ausschnitt(b, 0x102, 24).toHex(),
                 hex("0A000000 50007200 6F006400 75006B00 74006500 20003300").toHex());
        QCOMPARE(ausschnitt(b, 0x3E8, 36), ausschnitt(b, 0xBA, 28) + hex("0000000000003940"));
        QCOMPARE(ausschnitt(b, 0x7FC, 12).toHex(), hex("13000000 44006900 65006E00").toHex());
        QCOMPARE(ausschnitt(b, 0x822, 20).toHex(),
                 hex("32003000 0000000000003340 0000000000003940").toHex());
    }

    void leereDaten() {
        TDaten d;
        const QByteArray b = DatenAlsBytes(d);
        QCOMPARE(b.size(), 1924);
        TDaten beispiel;
        BaueBeispiel(beispiel);
        QCOMPARE(b, hex("00000000 00000000") + DatenAlsBytes(beispiel).mid(0xBA));
    }

    void rezeptOhneZeilenUndZutatOhneTexte() {
        TDaten d;
        auto& z = *static_cast<TZutat*>(d.zutats.Add()); // all texts null
        z.menge = 1;
        d.NeuesRezept();
        const QByteArray b = DatenAlsBytes(d);
        QCOMPARE(b.size(), 4 + 36 + 4 + 40 + 1916);
        QCOMPARE(b.mid(4 + 36 + 4 + 32, 8), QByteArray(8, '\0')); // L = 0, S = 0
    }

    void hinUndZurueck() {
        TDaten d;
        BaueBeispiel(d);
        ErzeugeDaten(d, {300, 40, 5, 30, QDate(2023, 11, 20), 7});
        FreeText(d.zutat(3).name);
        CopyText(d.zutat(3).name, QStringLiteral("Kräuter 🌿"));
        d.rezept(1).zutatenrezeptur = true;
        d.SetGruppe(4, QStringLiteral("Suppen"));
        d.SetGruppeMwst(4, 7);
        d.SetGruppeWE(30, 33.333);
        const QByteArray erste = DatenAlsBytes(d);

        TDaten zweite;
        LeseDaten(zweite, erste);
        QCOMPARE(DatenAlsBytes(zweite), erste);
        QCOMPARE(zweite.anzahlZutaten(), d.anzahlZutaten());
        QCOMPARE(Text(zweite.zutat(3).name), QStringLiteral("Kräuter 🌿"));
        QCOMPARE(TextLaenge(zweite.zutat(3).name), 10); // surrogate pair: two code units
        QVERIFY(!zweite.rezept(1).zutatenrezeptur);
        QCOMPARE(zweite.GetGruppe(4), QStringLiteral("Suppen"));
        QCOMPARE(zweite.GetGruppeWE(30), 33.33);
        QCOMPARE(zweite.gruppen.nameText(5), QStringLiteral("Produkte 6"));
        const TRezept& r = zweite.rezept(2);
        QCOMPARE(r.zutaten->count, 5u);
        QCOMPARE(r.verkaeufe->count, 30u);
        QCOMPARE(r.verkaeufe->at<TVerkauf>(29)->umsatzbrutto,
                 d.rezept(2).verkaeufe->at<TVerkauf>(29)->umsatzbrutto);
    }

    void nachfolgendeBytesWerdenIgnoriert() {
        TDaten d;
        BaueBeispiel(d);
        TDaten zweite;
        LeseDaten(zweite, DatenAlsBytes(d) + QByteArray("Rest", 4));
        QCOMPARE(DatenAlsBytes(zweite), DatenAlsBytes(d));
    }

    // A file cut anywhere is refused and leaves every byte of the data as it was.
    void abgeschnitteneDateiAendertNichts() {
        TDaten quelle;
        BaueBeispiel(quelle);
        NeuesRezept(quelle, QStringLiteral("Zweites"), 2, 3, 21);
        const QByteArray datei = DatenAlsBytes(quelle);

        TDaten d;
        ErzeugeDaten(d, {20, 3, 2, 2, QDate(2024, 1, 1), 3});
        d.SetGruppe(0, QStringLiteral("Eigene"));
        const QByteArray vorher = DatenAlsBytes(d);
        for (int laenge = 0; laenge < datei.size(); ++laenge) {
            try {
                LeseDaten(d, QByteArrayView(datei).first(laenge));
                QFAIL(qPrintable(QStringLiteral("Länge %1 wurde angenommen").arg(laenge)));
            } catch (const TFehler& f) {
                QCOMPARE(f.meldung(), QStringLiteral("Read beyond end of file"));
            }
            QCOMPARE(DatenAlsBytes(d), vorher);
        }
    }

    void beschaedigteZahlen_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<qint32>("wert");
        QTest::newRow("Z negativ") << 0x000 << -1;
        QTest::newRow("Z riesig") << 0x000 << 0x7FFFFFFF;
        QTest::newRow("Z zu gross fuer den Rest") << 0x000 << 100;
        QTest::newRow("Textlaenge negativ") << 0x004 << -5;
        QTest::newRow("Textlaenge riesig") << 0x004 << 0x40000000;
        QTest::newRow("R negativ") << 0x040 << -2;
        QTest::newRow("L riesig") << 0x06C << 0x10000000;
        QTest::newRow("S negativ") << 0x084 << -1;
        QTest::newRow("S zu gross") << 0x084 << 60;
        QTest::newRow("Gruppenname negativ") << 0x0BA << -8;
    }
    void beschaedigteZahlen() {
        QFETCH(int, offset);
        QFETCH(qint32, wert);
        TDaten quelle;
        BaueBeispiel(quelle);
        QByteArray datei = DatenAlsBytes(quelle);
        qToLittleEndian(wert, datei.data() + offset);
        TDaten d;
        NeueZutat(d, QStringLiteral("bleibt"), 1, 1);
        const QByteArray vorher = DatenAlsBytes(d);
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(d, datei));
        QCOMPARE(DatenAlsBytes(d), vorher);
    }

    // Values outside their ranges are kept as read; later users guard them.
    void ungueltigeNummernBleiben() {
        TDaten quelle;
        BaueBeispiel(quelle);
        QByteArray datei = DatenAlsBytes(quelle);
        qToLittleEndian<qint32>(57, datei.data() + 0x068); // gruppe
        qToLittleEndian<qint32>(-3, datei.data() + 0x070); // zutatnr
        TDaten d;
        LeseDaten(d, datei);
        QCOMPARE(d.rezept(0).gruppe, 57);
        QCOMPARE(d.rezept(0).zutaten->at<TRezeptZutat>(0)->zutatnr, -3);
        QCOMPARE(d.zutatVon(*d.rezept(0).zutaten->at<TRezeptZutat>(0)), nullptr);
    }

    void schreibfehlerJedeLaenge() {
        TDaten d;
        BaueBeispiel(d);
        for (qint64 grenze : {0, 1, 100, 0x835}) {
            TFailDevice geraet(grenze);
            geraet.open(QIODevice::WriteOnly);
            try {
                SchreibeDaten(d, geraet);
                QFAIL("Schreiben hätte scheitern müssen");
            } catch (const TFehler& f) {
                QCOMPARE(f.meldung(), QStringLiteral("Disk full"));
            }
        }
    }

    void dateienAufDerPlatte() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("zutaten.dat"));
        TDaten d;
        BaueBeispiel(d);
        QVERIFY(SaveOptionsFile(d, pfad).ok());
        QCOMPARE(QFileInfo(pfad).size(), 0x836);

        TDaten geladen;
        QVERIFY(LoadOptionsFile(geladen, pfad).ok());
        QCOMPARE(DatenAlsBytes(geladen), DatenAlsBytes(d));

        const TDateiErgebnis fehlt =
            LoadOptionsFile(geladen, ordner.filePath(QStringLiteral("gibtsnicht.zat")));
        QCOMPARE(fehlt.art, TDateiErgebnis::Art::nichtGeoeffnet);
        QVERIFY(fehlt.meldung.contains(QStringLiteral("gibtsnicht.zat")));
        QCOMPARE(DatenAlsBytes(geladen), DatenAlsBytes(d));

        QFile kurz(pfad);
        QVERIFY(kurz.resize(0x50));
        TDaten andere;
        NeueZutat(andere, QStringLiteral("X"), 1, 1);
        const TDateiErgebnis e = LoadOptionsFile(andere, pfad);
        QCOMPARE(e.art, TDateiErgebnis::Art::fehler);
        QCOMPARE(e.meldung, QStringLiteral("Read beyond end of file"));
        QCOMPARE(andere.anzahlZutaten(), 1u);

        QVERIFY(!SaveOptionsFile(d, ordner.filePath(QStringLiteral("fehlt/x.zat"))).ok());
    }

    // A save that fails part-way leaves the previous file exactly as it was.
    void scheiterndesSpeichernBehaeltAlteDatei() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("zutaten.dat"));
        TDaten d;
        BaueBeispiel(d);
        QVERIFY(SaveOptionsFile(d, pfad).ok());
        const TDateiErgebnis e = SpeichereAtomar(pfad, [](QIODevice& geraet) {
            geraet.write(QByteArray(5000, 'x'));
            throw TFehler(QStringLiteral("Disk full"));
        });
        QCOMPARE(e.art, TDateiErgebnis::Art::fehler);
        QCOMPARE(e.meldung, QStringLiteral("Disk full"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), DatenAlsBytes(d));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"zutaten.dat"});
    }

    void textfunktionen() {
        QBuffer puffer;
        puffer.open(QIODevice::ReadWrite);
        WriteWText(puffer, u"Grüße");
        WriteWText(puffer, u"");
        QCOMPARE(puffer.data().toHex(), hex("05000000 4700 7200 FC00 DF00 6500 00000000").toHex());
        puffer.seek(0);
        QCOMPARE(ReadWText(puffer), QStringLiteral("Grüße"));
        QCOMPARE(ReadWText(puffer), QString());
        QVERIFY_THROWS_EXCEPTION(TFehler, ReadWText(puffer));
    }
};

QTEST_GUILESS_MAIN(TestDatei)
#include "test_datei.moc"
