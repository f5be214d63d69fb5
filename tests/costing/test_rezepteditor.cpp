// The recipe dialog's data side: filling, lines, picker, writing back, copy and delete.
#include "core/daten.h"
#include "core/texte.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptkopie.h"
#include "costing/rezeptzeilen.h"
#include "costing/zutatauswahl.h"
#include "lists/sortierung.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
QStringList spalte(const TListe& l, int s) {
    QStringList z;
    for (qsizetype i = 0; i < l.anzahlZeilen(); ++i)
        z << l.zelle(i, s);
    return z;
}
} // namespace

class TestRezeptEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Butter 10 for 4 kg, Salz 1 for 8 Pck, Karotten 0.80 for 1000 g (catalogue
    // order not alphabetic).
    void katalog() {
        NeueZutat(*daten, QStringLiteral("Salz"), 1, 8, QStringLiteral("Pck"), {},
                  QStringLiteral("Gewürz"));
        NeueZutat(*daten, QStringLiteral("Butter"), 10, 4, QStringLiteral("kg"), {},
                  QStringLiteral("Milch"));
        NeueZutat(*daten, QStringLiteral("Karotten"), 0.8, 1000, QStringLiteral("g"));
    }

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        this->locale = std::make_unique<TLocaleWahl>(locale);
        daten = std::make_unique<TDaten>();
        katalog();
    }
    void cleanup() {
        daten.reset();
        locale.reset();
    }

    void fuellenAusRezept() {
        daten->SetGruppe(3, QStringLiteral("Suppen"));
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Suppe"), 1.23456, 2.2, 3);
        NeueZeile(r, 2, 500.25, 0);
        NeueZeile(r, 1, 0.5, 12.5);
        FreeText(r.beschreibung);
        CopyText(r.beschreibung, u"Zeile 1\r\nZeile 2");
        r.zutatenrezeptur = true;
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.name, QStringLiteral("Suppe"));
        QCOMPARE(f.menge, t("1,2346"));
        QCOMPARE(f.preise.tatsBrutto, t("2,2000"));
        QCOMPARE(f.gruppe, 3);
        QCOMPARE(f.gruppenliste[3], QStringLiteral("Suppen"));
        QCOMPARE(f.gruppenliste[39], QStringLiteral("Dienstleistungen 20"));
        QCOMPARE(f.beschreibung, QStringLiteral("Zeile 1\r\nZeile 2"));
        QVERIFY(f.zutatenrezeptur);
        QCOMPARE(f.zutaten.zeilen[0],
                 QStringList({QStringLiteral("Karotten"), t("500,25"), QStringLiteral("g"),
                              t("0,40"), QStringLiteral("2"), QStringLiteral("0")}));
        QCOMPARE(f.zutaten.zeilen[1],
                 QStringList({QStringLiteral("Butter"), t("0,5"), QStringLiteral("kg"), t("1,43"),
                              QStringLiteral("1"), t("12,5")}));

        // A group outside the table selects nothing.
        r.gruppe = 40;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.gruppe, -1);
    }

    void neuUndErsetzen() {
        TRezeptForm f;
        FuelleNeuesRezept(f, *daten);
        f.name = QStringLiteral("Brot");
        f.menge = t("2,5");
        f.preise.tatsBrutto = t("x"); // unreadable: 0
        f.gruppe = 21;
        f.beschreibung = QStringLiteral("a\r\nb");
        f.zutatenrezeptur = true;
        f.einheit = QStringLiteral("kg");
        f.zutaten.zeilen = {{QStringLiteral("egal"),
                             t("0,333333333333333"),
                             {},
                             t("9,99"),
                             QStringLiteral("1"),
                             t("-5,5")},
                            {{}, QStringLiteral("?"), {}, {}, QStringLiteral("2"), {}}};
        TRezept& r = RezeptAnhaengen(*daten, f);
        QCOMPARE(daten->anzahlRezepte(), 1u);
        QCOMPARE(Text(r.name), QStringLiteral("Brot"));
        QCOMPARE(r.menge, 2.5);
        QCOMPARE(r.vkbrutto, 0.0);
        QCOMPARE(r.gruppe, 21);
        QCOMPARE(Text(r.beschreibung), QStringLiteral("a\r\nb"));
        QVERIFY(r.zutatenrezeptur);
        QCOMPARE(r.verkaeufe->count, 0u);
        QCOMPARE(r.zutaten->count, 2u);
        const TRezeptZutat l0 = *r.zutaten->at<TRezeptZutat>(0);
        QCOMPARE(l0.zutatnr, 1);
        QCOMPARE(l0.menge, 0.333333333333333);
        QCOMPARE(l0.gewichtsverlust, -5.5);
        const TRezeptZutat l1 = *r.zutaten->at<TRezeptZutat>(1);
        QCOMPARE(l1.zutatnr, 2);
        QCOMPARE(l1.menge, 0.0);
        QCOMPARE(l1.gewichtsverlust, 0.0);

        // Changing keeps the sales and rebuilds the lines in the rows' order.
        NeuerVerkauf(r, 2024, 6, 1, 3, 1, 2, 3, 4, 5);
        FuelleAusRezept(f, *daten, daten->rezept(0));
        f.zeilenauswahl = 1;
        QVERIFY(ZeileHoch(f));
        f.name = QStringLiteral("Vollkornbrot");
        f.menge = t("0");
        QVERIFY(RezeptErsetzen(*daten, 0, f));
        const TRezept& e = daten->rezept(0);
        QCOMPARE(Text(e.name), QStringLiteral("Vollkornbrot"));
        QCOMPARE(e.menge, 0.0);
        QCOMPARE(e.verkaeufe->count, 1u);
        QCOMPARE(e.verkaeufe->at<TVerkauf>(0)->menge, 3);
        QCOMPARE(e.zutaten->at<TRezeptZutat>(0)->zutatnr, 2);
        QCOMPARE(e.zutaten->at<TRezeptZutat>(1)->zutatnr, 1);
        QVERIFY(!RezeptErsetzen(*daten, 1, f));
        QVERIFY(!RezeptErsetzen(*daten, -1, f));
    }

    void pickerZeilenUndAuswahl() {
        TZutatAuswaehlenForm p;
        FuellePicker(p, *daten);
        QCOMPARE(p.liste.spalten, QList<TSpalte>({{QStringLiteral("Name"), 150},
                                                  {QStringLiteral("Gruppe"), 150},
                                                  {QStringLiteral("Preis"), 75},
                                                  {QStringLiteral("Menge"), 75},
                                                  {QStringLiteral("Einheit"), 75},
                                                  {QStringLiteral("Nr"), 0}}));
        QCOMPARE(p.liste.zeilen[1],
                 QStringList({QStringLiteral("Butter"), QStringLiteral("Milch"), t("10,0000"),
                              t("4,0000"), QStringLiteral("kg"), QStringLiteral("1")}));
        QCOMPARE(spalte(p.liste, 0), QStringList({QStringLiteral("Salz"), QStringLiteral("Butter"),
                                                  QStringLiteral("Karotten")}));
        QCOMPARE(p.auswahl, -1);
        p.auswahl = 2;
        p.ListView1Change();
        QCOMPARE(p.name, QStringLiteral("Karotten"));
        QCOMPARE(p.einkaufspreis, t("0,8000"));
        QCOMPARE(p.einkaufsmenge, t("1000,0000"));
        p.auswahl = -1;
        p.ListView1Change();
        QVERIFY(p.name.isEmpty() && p.einkaufspreis.isEmpty() && p.einkaufsmenge.isEmpty());
    }

    // The picker keeps its sort state from one filling to the next; a line takes the
    // ingredient of the chosen row's "Nr", not of its place in the list.
    void pickerSortiertNachPreis() {
        TZutatAuswaehlenForm p;
        FuellePicker(p, *daten);
        SpaltenKlick(p.sortspalte, p.sortdir, TZutatAuswaehlenForm::spaltePreis);
        FuellePicker(p, *daten);
        QCOMPARE(p.sortspalte, int32_t(TZutatAuswaehlenForm::spaltePreis));
        QVERIFY(!p.sortdir);
        SortiereListe(p.liste, TListenArt::auswahl, p.sortspalte, p.sortdir);
        QCOMPARE(spalte(p.liste, 0), QStringList({QStringLiteral("Butter"), QStringLiteral("Salz"),
                                                  QStringLiteral("Karotten")}));
        TRezeptForm f;
        FuelleNeuesRezept(f, *daten);
        p.auswahl = 0;
        p.setzeMenge(1);
        QVERIFY(ZeileHinzufuegen(f, p));
        QCOMPARE(f.zutaten.zelle(0, TRezeptForm::spalteName), QStringLiteral("Butter"));
        QCOMPARE(f.zutaten.zelle(0, TRezeptForm::spalteNr), QStringLiteral("1"));
        QCOMPARE(f.zutaten.zelle(0, TRezeptForm::spaltePreis), t("2,50"));
    }

    void pickerOk_data() {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<QString>("menge");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("titel");
        const QString keine =
            QStringLiteral("Sie haben noch keine Zutat aus der Liste ausgewählt.");
        const QString null = QStringLiteral("Sie müssen eine Menge größer als 0 festlegen.");
        QTest::newRow("ohne Zeile") << -1 << "1" << keine << QStringLiteral("Zutat auswählen");
        QTest::newRow("Menge 0") << 0 << "0" << null << QStringLiteral("Menge festlegen");
        QTest::newRow("Menge -1") << 0 << "-1" << null << QStringLiteral("Menge festlegen");
        QTest::newRow("unlesbar") << 0 << "x" << null << QStringLiteral("Menge festlegen");
        QTest::newRow("winzig") << 0 << "0,0000000001" << QString() << QString();
    }

    void pickerOk() {
        QFETCH(int, auswahl);
        QFETCH(QString, menge);
        QFETCH(QString, meldung);
        QFETCH(QString, titel);
        TZutatAuswaehlenForm p;
        FuellePicker(p, *daten);
        p.auswahl = auswahl;
        p.menge = menge.replace(QLatin1Char(','), QLocale().decimalPoint());
        p.setzeGewichtsverlust(100); // not checked
        const auto m = p.BitBtn1Click();
        QCOMPARE(m ? m->text.toString() : QString(), meldung);
        QCOMPARE(m ? m->titel.toString() : QString(), titel);
    }

    // P and M enter as the picker shows them, with 4 decimals.
    void zeileAusPicker() {
        NeueZutat(*daten, QStringLiteral("Safran"), 1.23456, 0.33333, QStringLiteral("g"));
        TRezeptForm f;
        FuelleNeuesRezept(f, *daten);
        TZutatAuswaehlenForm p;
        PickerFuerNeueZeile(p);
        QCOMPARE(p.menge, t("0,0000000000"));
        QCOMPARE(p.gewichtsverlust, t("0,00"));
        FuellePicker(p, *daten);
        p.auswahl = int(p.liste.zeileMitNr(3));
        p.ListView1Change();
        p.menge = t("10");
        p.gewichtsverlust = t("20");
        // 1,2346 * 10 / 0,3333 / 0,8 = 46,30 (unrounded P and M would give 46,29)
        QCOMPARE(PickerZeilenpreis(p), 1.2346 * 10 / 0.3333 / 0.8);
        QVERIFY(ZeileHinzufuegen(f, p));
        QCOMPARE(f.zutaten.zeilen[0],
                 QStringList({QStringLiteral("Safran"), QStringLiteral("10"), QStringLiteral("g"),
                              t("46,30"), QStringLiteral("3"), QStringLiteral("20")}));
        QCOMPARE(f.preise.einkaufspreis, t("46,3000"));

        // The same ingredient twice gives two lines; weight loss 100 costs 0.
        p.gewichtsverlust = t("100");
        QVERIFY(ZeileHinzufuegen(f, p));
        QCOMPARE(f.zutaten.anzahlZeilen(), 2);
        QCOMPARE(f.zutaten.zelle(1, TRezeptForm::spaltePreis), t("0,00"));

        // An unreadable picker cell costs 0.
        p.liste.zeilen[p.auswahl][TZutatAuswaehlenForm::spalteMenge] = QStringLiteral("?");
        p.gewichtsverlust = t("0");
        QCOMPARE(PickerZeilenpreis(p), 0.0);

        p.auswahl = -1;
        QVERIFY(!ZeileHinzufuegen(f, p));
        QCOMPARE(f.zutaten.anzahlZeilen(), 2);
    }

    void zeileAendern() {
        TRezept& r = NeuesRezept(*daten, QStringLiteral("R"), 1, 0, 0);
        NeueZeile(r, 1, 0.5, 20);
        NeueZeile(r, 0, 1, 0);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        TZutatAuswaehlenForm p;
        FuellePicker(p, *daten);
        // The picker list ordered by name: Butter, Karotten, Salz.
        std::sort(p.liste.zeilen.begin(), p.liste.zeilen.end());

        const auto ohne = PickerFuerZeile(f, p);
        QVERIFY(ohne);
        QCOMPARE(ohne->text.toString(), QStringLiteral("Sie müssen zuerst eine Zutat anklicken."));
        QVERIFY(ohne->titel.isEmpty());

        f.zeilenauswahl = 1;
        QVERIFY(!PickerFuerZeile(f, p));
        QCOMPARE(p.auswahl, 2);
        QCOMPARE(p.name, QStringLiteral("Salz"));
        QCOMPARE(p.menge, t("1,0000000000"));
        QCOMPARE(p.gewichtsverlust, t("0,00"));

        // Another ingredient: name, unit, "Nr" and price replaced, place kept.
        p.auswahl = 0;
        p.setzeMenge(2);
        p.setzeGewichtsverlust(50);
        QVERIFY(ZeileAendern(f, p));
        QCOMPARE(f.zutaten.zeilen[1],
                 QStringList({QStringLiteral("Butter"), QStringLiteral("2"), QStringLiteral("kg"),
                              t("10,00"), QStringLiteral("1"), QStringLiteral("50")}));
        QCOMPARE(f.preise.einkaufspreis, t("11,5600"));

        // Unreadable line cells leave the picker's fields as they were.
        f.zutaten.zeilen[0][TRezeptForm::spalteMenge] = QStringLiteral("?");
        f.zutaten.zeilen[0][TRezeptForm::spalteNr] = QStringLiteral("9");
        f.zeilenauswahl = 0;
        p.setzeMenge(7);
        QVERIFY(!PickerFuerZeile(f, p));
        QCOMPARE(p.auswahl, -1);
        QVERIFY(p.name.isEmpty());
        QCOMPARE(p.menge, t("7,0000000000"));
        QCOMPARE(p.gewichtsverlust, t("20,00"));
        QVERIFY(!ZeileAendern(f, p));
    }

    void entfernenUndVerschieben() {
        TRezept& r = NeuesRezept(*daten, QStringLiteral("R"), 1, 0, 0);
        NeueZeile(r, 0, 8);
        NeueZeile(r, 1, 4);
        NeueZeile(r, 2, 1000);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.einkaufspreis, t("11,8000"));
        const QString vorher = f.preise.einkaufspreis;

        QVERIFY(!ZeileHoch(f)); // nothing selected
        QVERIFY(!ZeileRunter(f));
        f.zeilenauswahl = 0;
        QVERIFY(!ZeileHoch(f));
        QVERIFY(ZeileRunter(f));
        QCOMPARE(f.zeilenauswahl, 1);
        QVERIFY(ZeileRunter(f));
        QCOMPARE(f.zeilenauswahl, 2);
        QVERIFY(!ZeileRunter(f));
        QCOMPARE(spalte(f.zutaten, TRezeptForm::spalteNr),
                 QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")}));
        // Moving recomputes nothing.
        f.zutaten.zeilen[0][TRezeptForm::spaltePreis] = t("99");
        QVERIFY(ZeileHoch(f));
        QCOMPARE(f.preise.einkaufspreis, vorher);

        QVERIFY(PruefeZeilenauswahl(f) == std::nullopt);
        QVERIFY(ZeileEntfernen(f)); // the line of Salz, now at 1
        QCOMPARE(f.zeilenauswahl, -1);
        QCOMPARE(spalte(f.zutaten, TRezeptForm::spalteNr),
                 QStringList({QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(f.preise.einkaufspreis, t("99,8000")); // recomputed from the shown cells
        QVERIFY(!ZeileEntfernen(f));
        QVERIFY(PruefeZeilenauswahl(f).has_value());

        // The dialog works on rows only: the recipe is untouched until OK.
        QCOMPARE(r.zutaten->count, 3u);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(0)->zutatnr, 0);
    }

    void bildpfad() {
        QCOMPARE(BilddateiAnzeige(u"C:\\Bilder\\Suppe 1.jpg"),
                 QStringLiteral("\"C:\\Bilder\\Suppe 1.jpg\""));
        QCOMPARE(BilddateiAnzeige(u"/bilder/suppe.jpg"), QStringLiteral("/bilder/suppe.jpg"));
        QCOMPARE(BilddateiAnzeige(u""), QString());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString mitLeer = dir.filePath(QStringLiteral("Suppe 1.jpg"));
        QFile datei(mitLeer);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        // An existing file is taken as it stands, its quoted form by the first argument.
        QCOMPARE(BilddateiPfad(mitLeer), mitLeer);
        QCOMPARE(BilddateiPfad(BilddateiAnzeige(mitLeer)), mitLeer);
        const QString fehlt = dir.filePath(QStringLiteral("Weg 2.jpg"));
        QCOMPARE(BilddateiPfad(fehlt), dir.filePath(QStringLiteral("Weg")));
        QCOMPARE(BilddateiPfad(u"\"C:\\a b\\c.jpg\" -x"), QStringLiteral("C:\\a b\\c.jpg"));
        QCOMPARE(BilddateiPfad(u"C:\\\"a b\"\\c.jpg"), QStringLiteral("C:\\a b\\c.jpg"));
        QCOMPARE(BilddateiPfad(u"  bild.png"), QStringLiteral("bild.png"));
        QCOMPARE(BilddateiPfad(u""), QString());

        // Through the dialog and back.
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Suppe"));
        FreeText(r.bilddatei);
        CopyText(r.bilddatei, mitLeer);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.bilddatei, QLatin1Char('"') + mitLeer + QLatin1Char('"'));
        QVERIFY(RezeptErsetzen(*daten, 0, f));
        QCOMPARE(Text(daten->rezept(0).bilddatei), mitLeer);
    }

    void kopieUndLoeschen() {
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Gulasch"), 4, 12.5, 22);
        NeueZeile(r, 1, 0.5, 20);
        NeueZeile(r, 2, 300);
        NeuerVerkauf(r, 2024, 6, 1, 3, 1, 2, 3, 4, 5);
        FreeText(r.beschreibung);
        CopyText(r.beschreibung, u"scharf");

        TRezeptForm f;
        QVERIFY(!FuelleKopie(f, *daten, 1));
        QVERIFY(FuelleKopie(f, *daten, 0));
        QCOMPARE(f.name, QStringLiteral("Gulasch (Kopie)"));
        QCOMPARE(f.preise.tatsNetto, t("10,5042"));
        RezeptAnhaengen(*daten, f);
        QVERIFY(FuelleKopie(f, *daten, 1));
        QCOMPARE(f.name, QStringLiteral("Gulasch (Kopie) (Kopie)"));
        f.name = QStringLiteral("Eintopf");
        f.zeilenauswahl = 0;
        QVERIFY(ZeileEntfernen(f));
        RezeptAnhaengen(*daten, f);

        QCOMPARE(daten->anzahlRezepte(), 3u);
        const TRezept& q = daten->rezept(0);
        const TRezept& k = daten->rezept(1);
        QCOMPARE(Text(q.name), QStringLiteral("Gulasch"));
        QCOMPARE(q.zutaten->count, 2u);
        QCOMPARE(Text(k.name), QStringLiteral("Gulasch (Kopie)"));
        QCOMPARE(k.menge, 4.0);
        QCOMPARE(k.vkbrutto, 12.5);
        QCOMPARE(k.gruppe, 22);
        QCOMPARE(Text(k.beschreibung), QStringLiteral("scharf"));
        QCOMPARE(k.verkaeufe->count, 0u);
        QVERIFY(k.zutaten != q.zutaten);
        QCOMPARE(k.zutaten->count, 2u);
        for (uint32_t i = 0; i < 2; ++i) {
            QCOMPARE(k.zutaten->at<TRezeptZutat>(i)->zutatnr,
                     q.zutaten->at<TRezeptZutat>(i)->zutatnr);
            QCOMPARE(k.zutaten->at<TRezeptZutat>(i)->menge, q.zutaten->at<TRezeptZutat>(i)->menge);
            QCOMPARE(k.zutaten->at<TRezeptZutat>(i)->gewichtsverlust,
                     q.zutaten->at<TRezeptZutat>(i)->gewichtsverlust);
        }
        QCOMPARE(Text(daten->rezept(2).name), QStringLiteral("Eintopf"));
        QCOMPARE(daten->rezept(2).zutaten->count, 1u);

        QVERIFY(RezeptLoeschen(*daten, 0));
        QCOMPARE(daten->anzahlRezepte(), 2u);
        QCOMPARE(Text(daten->rezept(0).name), QStringLiteral("Gulasch (Kopie)"));
        QVERIFY(!RezeptLoeschen(*daten, 2));
        QVERIFY(!RezeptLoeschen(*daten, -1));
        QVERIFY(RezeptLoeschen(*daten, 1));
        QVERIFY(RezeptLoeschen(*daten, 0));
        QCOMPARE(daten->anzahlRezepte(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestRezeptEditor)
#include "test_rezepteditor.moc"
