#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/datumstext.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "exchange/verkaufsimport.h"
#include "lists/auswertung.h"
#include "lists/listen.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QFile>
#include <QMap>
#include <QTest>

#include <limits>
#include <random>

namespace {

constexpr int32_t hoechste = std::numeric_limits<int32_t>::max();

// Two recipes with different prices, groups and costs.
void baueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    NeueZutat(d, QStringLiteral("Mehl"), 0.9, 1.0);
    TRezept& a = NeuesRezept(d, QStringLiteral("Gulasch"), 1, 10, 0);
    NeueZeile(a, 0, 1.0);
    NeueZeile(a, 1, 0.37, 20);
    TRezept& b = NeuesRezept(d, QStringLiteral("Käsebrot"), 3, 7.35, 25);
    NeueZeile(b, 0, 0.6);
}

TVerkaufsPruefung pruefe(const TDaten& d, const QByteArray& zeilen) {
    return PruefeVerkaeufe(d, "Datum;Artikel;Menge\n" + zeilen);
}

QString fehler(const TVerkaufsPruefung& p) {
    return Fehlerzeilen(p).join(u'\n');
}

// Records the sums one by one with the sale operation.
void einzeln(TDaten& d, const TVerkaufsPruefung& p) {
    for (const TVerkaufsSumme& s : p.summen)
        ErfasseVerkauf(d, d.rezept(s.rezept), s.tag, s.portionen);
}

const QString tabellenkalkulation =
    QStringLiteral("../cli/golden/verkaeufe_import_tabellenkalkulation/");

} // namespace

class TestVerkaufsimportErfassen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        QLocale::setDefault(QLocale(locale));
    }

    // Sums per recipe and day, in the order of their first line; a day already sold is
    // merged exactly as a sale with the button, an unsold one appended.
    void summenWieEinzelneVerkaeufe() {
        TDaten d, e;
        for (TDaten* x : {&d, &e}) {
            baueKueche(*x);
            ErfasseVerkauf(*x, x->rezept(1), QDate(2024, 6, 16), 4);
            ErfasseVerkauf(*x, x->rezept(1), QDate(2024, 6, 14), 1);
        }
        const TVerkaufsPruefung p = pruefe(d, "16.06.2024;Gulasch;2\n"
                                              "16.06.2024 20:15;Käsebrot;3\n"
                                              "15.06.2024;Gulasch;1\n"
                                              "2024-06-16;gulasch;5\n"
                                              "16.06.24;Käsebrot;7\n"
                                              "17.06.2024;Käsebrot;1\n");
        QCOMPARE(p.gelesen, qint64(6));
        QVERIFY(p.fehlerfrei());
        QCOMPARE(p.summen.size(), size_t(4));
        QCOMPARE(p.summen[0].rezept, 0u);
        QCOMPARE(p.summen[0].tag, QDate(2024, 6, 16));
        QCOMPARE(p.summen[0].portionen, 7);
        QCOMPARE(p.summen[1].rezept, 1u);
        QCOMPARE(p.summen[1].portionen, 10);
        QCOMPARE(p.summen[2].tag, QDate(2024, 6, 15));
        QCOMPARE(p.summen[3].tag, QDate(2024, 6, 17));
        QCOMPARE(p.tage, 3);
        QCOMPARE(p.rezepte, 2);

        QCOMPARE(ErfasseVerkaeufe(d, p, false), 4);
        einzeln(e, p);
        QCOMPARE(DatenAlsBytes(d), DatenAlsBytes(e));
        const TDynaArray& k = *d.rezept(1).verkaeufe;
        QCOMPARE(k.count, 3u); // 16th merged, 14th untouched, 17th appended
        QCOMPARE(k.at<TVerkauf>(0)->menge, 14);
        QCOMPARE(k.at<TVerkauf>(2)->tag, 17);
    }

    // A stored file may hold a day twice; the first record takes the sale, as with the
    // button. Records whose fields are no calendar day are passed over.
    void ersterVonZweiGleichenTagen() {
        TDaten d, e;
        for (TDaten* x : {&d, &e}) {
            baueKueche(*x);
            NeuerVerkauf(x->rezept(0), 2024, 6, 15, 1, 1, 1, 1, 100, 0);
            NeuerVerkauf(x->rezept(0), 2024, 13, 15, 5, 1, 1, 1, 100, 0);
            NeuerVerkauf(x->rezept(0), 2024, 6, 15, 2, 1, 1, 1, 100, 0);
        }
        const TVerkaufsPruefung p = pruefe(d, "15.06.2024;Gulasch;3\n");
        ErfasseVerkaeufe(d, p, false);
        einzeln(e, p);
        QCOMPARE(DatenAlsBytes(d), DatenAlsBytes(e));
        QCOMPARE(d.rezept(0).verkaeufe->at<TVerkauf>(0)->menge, 4);
        QCOMPARE(d.rezept(0).verkaeufe->at<TVerkauf>(2)->menge, 2);
    }

    // Many random lines into generated data: the same bytes as the sale operation called
    // sum by sum, and the same sums as adding up the lines by hand.
    void zufallsdatenGleichEinzelnenVerkaeufen() {
        const TUmfang umfang{300, 40, 6, 30, QDate(2024, 1, 1), 99};
        TDaten d, e;
        ErzeugeDaten(d, umfang);
        ErzeugeDaten(e, umfang);
        std::mt19937 zufall(7);
        QByteArray datei = "Artikel;Anzahl;Datum\r\n";
        QMap<QPair<uint32_t, QDate>, qint64> erwartet;
        for (int i = 0; i < 5000; ++i) {
            const uint32_t r = zufall() % d.anzahlRezepte();
            // Mostly day by day as tills export, now and then back to an earlier day.
            const int heute = i / 50;
            const QDate tag = QDate(2024, 1, 1).addDays(i % 7 ? heute : zufall() % (heute + 1));
            const int menge = int(zufall() % 12);
            QString name = Text(d.rezept(r).name);
            if (i % 3 == 0)
                name = QLatin1Char(' ') + name.toUpper();
            datei +=
                (name + QLatin1Char(';') + QString::number(menge) + QLatin1Char(';') +
                 tag.toString(i % 2 ? QStringLiteral("d.M.yy") : QStringLiteral("yyyy-MM-dd")) +
                 QStringLiteral("\r\n"))
                    .toUtf8();
            if (menge > 0)
                erwartet[{r, tag}] += menge;
        }
        const TVerkaufsPruefung p = PruefeVerkaeufe(d, datei);
        QVERIFY2(p.fehlerfrei(), qPrintable(fehler(p)));
        QCOMPARE(p.gelesen, qint64(5000));
        QCOMPARE(p.summen.size(), size_t(erwartet.size()));
        for (const TVerkaufsSumme& s : p.summen)
            QCOMPARE(qint64(s.portionen), erwartet.value({s.rezept, s.tag}));

        ErfasseVerkaeufe(d, p, false);
        einzeln(e, p);
        QCOMPARE(DatenAlsBytes(d), DatenAlsBytes(e));
    }

    // Sums handed in by a caller may repeat a day: the later ones merge into the record
    // the first appended, as with the button.
    void wiederholteTageInGegebenenSummen() {
        TDaten d, e;
        for (TDaten* x : {&d, &e}) {
            baueKueche(*x);
            ErfasseVerkauf(*x, x->rezept(0), QDate(2024, 6, 15), 1);
        }
        TVerkaufsPruefung p;
        p.summen = {{0, QDate(2024, 6, 16), 2}, {1, QDate(2024, 6, 16), 3},
                    {0, QDate(2024, 6, 15), 4}, {0, QDate(2024, 6, 16), 5},
                    {0, QDate(2024, 6, 15), 6}, {0, QDate(2024, 6, 17), 7}};
        ErfasseVerkaeufe(d, p, false);
        einzeln(e, p);
        QCOMPARE(DatenAlsBytes(d), DatenAlsBytes(e));
        QCOMPARE(d.rezept(0).verkaeufe->count, 3u);
        QCOMPARE(d.rezept(0).verkaeufe->at<TVerkauf>(0)->menge, 11);
        QCOMPARE(d.rezept(0).verkaeufe->at<TVerkauf>(1)->menge, 7);
    }

    // The limits of one sale per day: each line is held against the sound lines before
    // it, so that leaving out the lines in error leaves sums the sale operation takes.
    void grenzenDerTagessumme() {
        TDaten d, e;
        for (TDaten* x : {&d, &e}) {
            baueKueche(*x);
            NeuerVerkauf(x->rezept(1), 2024, 6, 15, hoechste - 10, 1, 1, 1, 100, 0);
        }
        const TVerkaufsPruefung p = pruefe(d, "16.06.2024;Gulasch;60000000\n"
                                              "16.06.2024;Gulasch;60000000\n"
                                              "16.06.2024;Gulasch;30000000\n"
                                              "16.06.2024;Gulasch;50000000\n"
                                              "15.06.2024;Käsebrot;6\n"
                                              "15.06.2024;Käsebrot;5\n"
                                              "15.06.2024;Käsebrot;4\n"
                                              "17.06.2024;Gulasch;100000001\n"
                                              "18.06.2024;Gulasch;100000000\n");
        const QString tag15 = KurzesDatum(QDate(2024, 6, 15));
        const QString tag16 = KurzesDatum(QDate(2024, 6, 16));
        const QString tag17 = KurzesDatum(QDate(2024, 6, 17));
        QCOMPARE(fehler(p),
                 QStringLiteral("Zeile 3: mehr als 100000000 Portionen von \"Gulasch\" am %1\n"
                                "Zeile 5: mehr als 100000000 Portionen von \"Gulasch\" am %1\n"
                                "Zeile 7: der %2 hätte mehr als 2147483647 verkaufte Portionen "
                                "von \"Käsebrot\"\n"
                                "Zeile 9: mehr als 100000000 Portionen von \"Gulasch\" am %3")
                     .arg(tag16, tag15, tag17));
        QCOMPARE(p.summen.size(), size_t(3));
        QCOMPARE(p.summen[0].portionen, 90000000);
        QCOMPARE(p.summen[1].portionen, 10);
        QCOMPARE(p.summen[2].portionen, MaxPortionen);

        ErfasseVerkaeufe(d, p, true);
        einzeln(e, p);
        QCOMPARE(DatenAlsBytes(d), DatenAlsBytes(e));
        QCOMPARE(d.rezept(1).verkaeufe->at<TVerkauf>(0)->menge, hoechste);
    }

    // With a line in error nothing is recorded unless the sound lines may go alone.
    void allesOderNichts() {
        TDaten d;
        baueKueche(d);
        const TVerkaufsPruefung p =
            pruefe(d, "15.06.2024;Gulasch;2\n15.06.2024;Gulasch;-1\n16.06.2024;Käsebrot;1\n");
        QCOMPARE(p.fehler.size(), 1);
        QVERIFY(!p.erfassbar(false));
        const QByteArray vorher = DatenAlsBytes(d);
        QVERIFY_THROWS_EXCEPTION(TFehler, ErfasseVerkaeufe(d, p, false));
        QCOMPARE(DatenAlsBytes(d), vorher);

        QCOMPARE(ErfasseVerkaeufe(d, p, true), 2);
        QCOMPARE(d.rezept(0).verkaeufe->at<TVerkauf>(0)->menge, 2);
        QCOMPARE(d.rezept(1).verkaeufe->at<TVerkauf>(0)->tag, 16);
    }

    // Between the check and the recording a dialog waits; if the data changed in a way
    // the sums no longer fit, nothing is recorded.
    void geaenderteDatenAendernNichts() {
        TDaten d;
        baueKueche(d);
        const TVerkaufsPruefung p = pruefe(d, "15.06.2024;Gulasch;2\n15.06.2024;Käsebrot;5\n");
        ErfasseVerkauf(d, d.rezept(1), QDate(2024, 6, 15), 1);
        d.rezept(1).verkaeufe->at<TVerkauf>(0)->menge = hoechste - 4;
        QByteArray vorher = DatenAlsBytes(d);
        QVERIFY_THROWS_EXCEPTION(TFehler, ErfasseVerkaeufe(d, p, false));
        QCOMPARE(DatenAlsBytes(d), vorher);

        d.rezept(1).verkaeufe->at<TVerkauf>(0)->menge = 1;
        d.arezept = &d.rezept(1);
        d.FreeARezept();
        d.rezepte.Delete(1);
        vorher = DatenAlsBytes(d);
        QVERIFY_THROWS_EXCEPTION(TFehler, ErfasseVerkaeufe(d, p, false));
        QCOMPARE(DatenAlsBytes(d), vorher);
    }

    // A till export saved by a spreadsheet program in its German defaults (";", quotes,
    // Windows-1252, date and time in one cell, prices with a decimal comma) into a
    // generated file: the sales lists and the evaluation show exactly its counts.
    void exportEinerTabellenkalkulation() {
        const QString csvPfad = QFINDTESTDATA(tabellenkalkulation + QStringLiteral("kasse.csv"));
        const QString datPfad = QFINDTESTDATA(tabellenkalkulation + QStringLiteral("kasse.zat"));
        QVERIFY(!csvPfad.isEmpty() && !datPfad.isEmpty());
        TDaten d;
        QVERIFY(LoadOptionsFile(d, datPfad).ok());
        TAuswertungsWahl wahl{1, TAuswertungsModus::original, QDate(2024, 6, 1),
                              QDate(2024, 6, 30)};
        const double vorher = BerechneAuswertung(d, wahl)->wert(0, 0);

        const TVerkaufsPruefung p = PruefeVerkaufsdatei(d, csvPfad);
        QVERIFY2(p.fehlerfrei(), qPrintable(fehler(p)));
        QCOMPARE(Zusammenfassung(p, false),
                 QStringLiteral("Gelesen: 11 Zeilen, erfasst: 8 Verkäufe an 3 Tagen für 5 "
                                "Rezepte, ausgelassen: 0 Zeilen."));
        ErfasseVerkaeufe(d, p, false);

        // Tagesmenge of the sales list on the 5th: Schnitzel 2 + 5 on top of the 32 the
        // file held, Lachs 1 on top of 8, Käsespätzle 2 on a new day.
        const TListe liste = VerkaufsListe(d, FilterAlle, QDate(2024, 6, 5));
        QMap<QString, QString> tagesmenge;
        for (const QStringList& zeile : liste.zeilen)
            tagesmenge[zeile[0]] = zeile[2];
        QCOMPARE(tagesmenge.value(QStringLiteral("Schnitzel 4")), QStringLiteral("39"));
        QCOMPARE(tagesmenge.value(QStringLiteral("Lachs mit Reis 1")), QStringLiteral("9"));
        QCOMPARE(tagesmenge.value(QStringLiteral("Käsespätzle 3")), QStringLiteral("2"));
        QCOMPARE(tagesmenge.value(QStringLiteral("Gulasch 8")), QStringLiteral("0"));

        uint32_t gulasch = 0;
        while (Text(d.rezept(gulasch).name) != QStringLiteral("Gulasch 8"))
            ++gulasch;
        const TListe tage = Verkaufsliste(d.rezept(gulasch));
        QStringList mengen;
        for (const QStringList& zeile : tage.zeilen)
            mengen << zeile[3];
        QCOMPARE(mengen, QStringList({"5", "42", "27", "1"})); // 4th merged, 6th appended

        // Gross revenue of June grows by the imported portions at the stored prices.
        double zuwachs = 0;
        for (const TVerkaufsSumme& s : p.summen)
            zuwachs += s.portionen * d.rezept(s.rezept).vkbrutto;
        const double nachher = BerechneAuswertung(d, wahl)->wert(0, 0);
        QCOMPARE(ZahlFest(nachher - vorher, 2), ZahlFest(zuwachs, 2));
        QCOMPARE(ZahlFest(zuwachs, 2), t("376,78"));
    }
};

QTEST_GUILESS_MAIN(TestVerkaufsimportErfassen)
#include "test_verkaufsimport_erfassen.moc"
