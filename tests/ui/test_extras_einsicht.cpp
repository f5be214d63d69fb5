// Menu "Extras": the five insight dialogs over a hand-made file, their ordering, export
// and options, and the status bar's count of recipes with cost warnings.
#include "core/uhr.h"
#include "costing/aufschluesselung.h"
#include "costing/zielpreis.h"
#include "exchange/csvexport.h"
#include "lists/kostenpruefung.h"
#include "lists/menueanalyse.h"
#include "lists/preisaenderungsliste.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/aufschluesselungform.h"
#include "ui/kostenpruefungform.h"
#include "ui/menueanalyseform.h"
#include "ui/menuematrixflaeche.h"
#include "ui/preisaenderungform.h"
#include "ui/zahlfeld.h"
#include "ui/zielpreisform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>

#include <memory>

using namespace fenster;

namespace {

// Group 0: VAT 7 %, target ratio 30 %. Brot: flour, saffron and butter, yield 2; Suppe:
// no lines and no price; Kuchen: a line naming no ingredient; Tee in group 1 (target 0).
// Sales: Brot 10 portions in March, Suppe 2 in May 2024, Kuchen 1 in 2023.
void BaueKueche(TDaten& d) {
    d.SetGruppeMwst(0, 7);
    d.SetGruppeWE(0, 30);
    d.SetGruppeWE(1, 0);
    NeueZutat(d, QStringLiteral("Mehl"), 2, 1, QStringLiteral("kg"), QStringLiteral("Müller"),
              QStringLiteral("Trocken"));
    NeueZutat(d, QStringLiteral("Safran"), 12, 1, QStringLiteral("g"), QStringLiteral("Gewürz"),
              QStringLiteral("Gewürze"));
    NeueZutat(d, QStringLiteral("Butter"), 8, 1, QStringLiteral("kg"), QStringLiteral(" Müller "),
              QStringLiteral("Kühl"));
    TRezept& brot = NeuesRezept(d, QStringLiteral("Brot"), 2, 10.7, 0);
    NeueZeile(brot, 0, 1);
    NeueZeile(brot, 1, 0.5);
    NeueZeile(brot, 2, 0.25);
    NeuerVerkauf(brot, 2024, 3, 1, 10, 100, 107, 50, 50, 40);
    TRezept& suppe = NeuesRezept(d, QStringLiteral("Suppe"), 1, 0, 0);
    NeuerVerkauf(suppe, 2024, 5, 1, 2, 6, 6.42, 3, 50, 3);
    TRezept& kuchen = NeuesRezept(d, QStringLiteral("Kuchen"), 1, 3.5, 0);
    NeueZeile(kuchen, 7, 1);
    NeueZeile(kuchen, 0, 0.5);
    NeuerVerkauf(kuchen, 2023, 12, 31, 1, 3, 3.5, 1, 33, 2);
    TRezept& tee = NeuesRezept(d, QStringLiteral("Tee"), 1, 2, 1);
    NeueZeile(tee, 2, 0.01);
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Klicke(TListenAnsicht& l, int spalte) {
    Q_EMIT l.header()->sectionClicked(spalte);
}

} // namespace

class TestExtrasEinsicht : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void menueZwischenDateiUndUeber() {
        TMainForm f;
        const QList<QAction*> oben = f.menuBar()->actions();
        QCOMPARE(oben.size(), 3);
        QCOMPARE(OhneMnemonik(oben[1]->text()), QStringLiteral("Extras"));
        QCOMPARE(oben[2], f.ber1);
        QStringList punkte;
        for (QAction* a : f.Extras1->actions())
            if (!a->isSeparator())
                punkte << OhneMnemonik(a->text());
        QCOMPARE(punkte,
                 (QStringList{"Kostenaufschlüsselung...", "Kostenprüfung...", "Zielpreis...",
                              "Preisänderung simulieren...", "Menü-Analyse...", "Allergenkarte...",
                              "Allergen-Dokumentation...", "Verkäufe importieren...",
                              "Preisliste importieren...", "Preisänderungen..."}));
    }

    void ohneGewaehltesRezeptNurDieMeldung() {
        TTestMelder m;
        TMainForm f;
        f.ListView2->waehleZeile(-1);
        Menuepunkt(f, QStringLiteral("Kostenaufschlüsselung..."))->trigger();
        Menuepunkt(f, QStringLiteral("Zielpreis..."))->trigger();
        QCOMPARE(m.texte(),
                 QStringList(2, QStringLiteral("Sie müssen zuerst ein Rezept anklicken.")));
        QVERIFY(!m.unerwartet); // no dialog was opened
    }

    void aufschluesselungOrdnetUndExportiert() {
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView2->waehleNr(0));
        const QString pfad = ordner->pfad("brot.csv");
        m.waehleDatei(pfad);
        bool gespielt = false;
        m.spieleDialog(Skript<TAufschluesselungForm>([&](TAufschluesselungForm& d) {
            PruefeZugaenglich(d);
            TListenAnsicht& l = *d.ListView1;
            QCOMPARE(l.liste(), AufschluesselungsListe(f.daten, f.daten.rezept(0)));
            // Saffron 6, flour 2, butter 2 (equal costs in line order), then the sum.
            QCOMPARE(Spalte(l, 0), (QStringList{"Safran", "Mehl", "Butter", "Summe"}));
            QCOMPARE(l.liste().zelle(3, 4), QStringLiteral("10,0000"));
            QVERIFY(d.windowTitle().contains(QLatin1String("Brot")));

            Klicke(l, 4); // "Kosten": a number column starts with the largest
            QCOMPARE(l.header()->sortIndicatorOrder(), Qt::DescendingOrder);
            QCOMPARE(Spalte(l, 0), (QStringList{"Safran", "Mehl", "Butter", "Summe"}));
            Klicke(l, 4);
            QCOMPARE(Spalte(l, 0), (QStringList{"Mehl", "Butter", "Safran", "Summe"}));
            Klicke(l, 0); // "Zutat": text from A, the sum still last
            QCOMPARE(l.header()->sortIndicatorSection(), 0);
            QCOMPARE(Spalte(l, 0), (QStringList{"Butter", "Mehl", "Safran", "Summe"}));
            Klicke(l, 0);
            QCOMPARE(Spalte(l, 0), (QStringList{"Safran", "Mehl", "Butter", "Summe"}));

            d.ExportBtn->click(); // what is shown, in the order shown
            QCOMPARE(Inhalt(pfad), CsvBytes(l.liste()));
            gespielt = true;
        }));
        Menuepunkt(f, QStringLiteral("Kostenaufschlüsselung..."))->trigger();
        QVERIFY(gespielt);
        const TDateiDialog& dd = m.dateiDialoge.last();
        QCOMPARE(dd.filter, QStringLiteral("CSV-Dateien (*.csv)")); // the main lists' dialog
        QVERIFY(dd.ueberschreibenFragen);
        // The export dialog remembers the name for the main lists' exports too.
        QCOMPARE(f.SaveDialog2().name, pfad);
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void kostenpruefungMitFilter() {
        TTestMelder m;
        TMainForm f;
        f.ListView2->waehleZeile(-1); // the report needs no selection
        m.spieleDialog(Skript<TKostenpruefungForm>([&](TKostenpruefungForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(Feld<QComboBox>(d, QStringLiteral("Filtern:")), d.FilterCombo);
            QCOMPARE(d.FilterCombo->count(), 43);
            QCOMPARE(d.ListView1->liste(), Kostenpruefung(f.daten, 0));
            // Suppe: no lines, no price; Kuchen: the line naming no ingredient.
            QCOMPARE(Spalte(*d.ListView1, 4),
                     (QStringList{"keine Zeilen, kein VK-Preis", "Zutat fehlt"}));
            QCOMPARE(Spalte(*d.ListView1, 2), (QStringList{"", "1"}));
            QCOMPARE(d.Fusszeile->text(), QStringLiteral("2 Rezepte mit Kostenhinweisen."));
            d.FilterCombo->setCurrentIndex(3 + 1); // group 1: Tee only, which is sound
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 0);
            QCOMPARE(d.Fusszeile->text(), QStringLiteral("Keine Rezepte mit Kostenhinweisen."));
            d.FilterCombo->setCurrentIndex(0);
            Klicke(*d.ListView1, 2); // "Zeile": numbers first, the recipe row after them
            QCOMPARE(Spalte(*d.ListView1, 0), (QStringList{"Kuchen", "Suppe"}));
        }));
        Menuepunkt(f, QStringLiteral("Kostenprüfung..."))->trigger();
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void zielpreisRechnetBeiJederEingabe() {
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView2->waehleNr(0));
        m.spieleDialog(Skript<TZielpreisForm>([&](TZielpreisForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(Feld<TZahlFeld>(d, QStringLiteral("Tatsächlicher VK-Preis brutto:")),
                     d.VkBruttoEd);
            QCOMPARE(Feld<TZahlFeld>(d, QStringLiteral("Gewünschter Deckungsbeitrag pro Einheit:")),
                     d.DbEd);
            QCOMPARE(d.VkBruttoEd->text(), QStringLiteral("10,7000")); // the recipe's own
            QCOMPARE(d.DbEd->text(), QString());
            const TRezept& brot = f.daten.rezept(0);
            QCOMPARE(d.ListView1->liste(), ZielpreisListe(Zielpreis(f.daten, brot)));
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 7); // no row for a margin

            // 21,40 gross is 20 net; 30 % of it may be spent: EK 5 leaves 1 to spare.
            d.VkBruttoEd->setzeText(QStringLiteral("21,4"));
            QCOMPARE(d.ListView1->liste(), ZielpreisListe(Zielpreis(f.daten, brot, 21.4)));
            QCOMPARE(d.ListView1->liste().zelle(1, 1), QStringLiteral("20,0000"));
            QCOMPARE(d.ListView1->liste().zelle(4, 1), QStringLiteral("6,0000"));
            QCOMPARE(d.ListView1->liste().zelle(5, 1), QStringLiteral("1,0000"));
            QCOMPARE(d.Fusszeile->text(), QString());

            // A margin of 5 on an EK of 5: (5 + 5) × 1,07.
            d.DbEd->setzeText(QStringLiteral("5"));
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 8);
            QCOMPARE(d.ListView1->liste().zelle(7, 1), QStringLiteral("10,7000"));

            // At 10,70 the allowed EK is 3, two less than it costs.
            d.VkBruttoEd->setzeText(QString()); // empty: the recipe's own price again
            d.VkBruttoEd->normalisiere();
            QCOMPARE(d.VkBruttoEd->text(), QString());
            QCOMPARE(d.ListView1->liste(), ZielpreisListe(Zielpreis(f.daten, brot, {}, 5.0)));
            QCOMPARE(d.ListView1->liste().zelle(5, 1), QStringLiteral("-2,0000"));
            QVERIFY(d.Fusszeile->text().contains(QStringLiteral("2,0000 über dem erlaubten")));
        }));
        Menuepunkt(f, QStringLiteral("Zielpreis..."))->trigger();
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void preisaenderungMitAllenWahlen() {
        TTestMelder m;
        TMainForm f;
        m.spieleDialog(Skript<TPreisaenderungForm>([&](TPreisaenderungForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(Feld<TZahlFeld>(d, QStringLiteral("Änderung der Einkaufspreise (%):")),
                     d.ProzentEd);
            const auto soll = [&](double p, TPreisAuswahl a, uint32_t zutat, const QString& text,
                                  int filter, bool alle) {
                return Preisaenderungsliste(f.daten, TPreisaenderung{p, a, zutat, text}, filter,
                                            alle);
            };
            // 10 % on everything: every recipe with lines changes.
            QCOMPARE(d.ListView1->liste(), soll(10, TPreisAuswahl::alle, 0, {}, 0, false));
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 3);

            // One ingredient, from the catalogue by name: saffron moves only Brot.
            d.AuswahlCombo->setCurrentIndex(1);
            QCOMPARE(OhneMnemonik(d.WertLabel->text()), QStringLiteral("Zutat:"));
            QCOMPARE(d.WertCombo->count(), 3);
            QCOMPARE(d.WertCombo->itemText(0), QStringLiteral("Butter (Müller)"));
            d.WertCombo->setCurrentIndex(d.WertCombo->findText(QStringLiteral("Safran (Gewürz)")));
            QCOMPARE(d.ListView1->liste(), soll(10, TPreisAuswahl::zutat, 1, {}, 0, false));
            QCOMPARE(Spalte(*d.ListView1, 0), QStringList{"Brot"});

            // A supplier: " Müller " and "Müller" are one, as the engine trims them.
            d.AuswahlCombo->setCurrentIndex(2);
            QCOMPARE(OhneMnemonik(d.WertLabel->text()), QStringLiteral("Lieferant:"));
            QCOMPARE(d.WertCombo->count(), 2);
            d.WertCombo->setCurrentIndex(d.WertCombo->findText(QStringLiteral("Müller")));
            d.ProzentEd->setzeText(QStringLiteral("-100"));
            QCOMPARE(d.ListView1->liste(),
                     soll(-100, TPreisAuswahl::lieferant, 0, QStringLiteral("Müller"), 0, false));
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 3);

            // A group, a filter, and every recipe of the filter.
            d.AuswahlCombo->setCurrentIndex(3);
            d.WertCombo->setCurrentIndex(d.WertCombo->findText(QStringLiteral("Kühl")));
            d.ProzentEd->setzeText(QStringLiteral("1000"));
            d.FilterCombo->setCurrentIndex(3); // group 0
            QCOMPARE(d.ListView1->liste(),
                     soll(1000, TPreisAuswahl::zutatengruppe, 0, QStringLiteral("Kühl"), 3, false));
            QCOMPARE(Spalte(*d.ListView1, 0), QStringList{"Brot"});
            d.AlleCheck->setChecked(true);
            QCOMPARE(d.ListView1->liste(),
                     soll(1000, TPreisAuswahl::zutatengruppe, 0, QStringLiteral("Kühl"), 3, true));
            QCOMPARE(d.ListView1->liste().anzahlZeilen(), 3);

            // Beyond the range counts as the bound, as leaving the field makes it.
            d.ProzentEd->setzeText(QStringLiteral("5000"));
            QCOMPARE(d.ListView1->liste(),
                     soll(1000, TPreisAuswahl::zutatengruppe, 0, QStringLiteral("Kühl"), 3, true));
        }));
        Menuepunkt(f, QStringLiteral("Preisänderung simulieren..."))->trigger();
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
        // A simulation: the prices are as they were.
        QCOMPARE(f.daten.zutat(2).preis, 8.0);
    }

    void menueanalyseTabelleUndMatrix() {
        TTestMelder m;
        TMainForm f;
        m.spieleDialog(Skript<TMenueanalyseForm>([&](TMenueanalyseForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(Feld<QDateEdit>(d, QStringLiteral("Start:")), d.StartEd);
            QCOMPARE(Feld<QDateEdit>(d, QStringLiteral("Ende:")), d.EndeEd);
            QCOMPARE(d.StartEd->date(), QDate(2024, 1, 1));
            QCOMPARE(d.EndeEd->date(), QDate(2024, 6, 15));
            QCOMPARE(d.StartEd->text(), QStringLiteral("01.01.2024"));
            QCOMPARE(d.StartEd->minimumDate(), QDate(1900, 1, 1));
            QCOMPARE(d.EndeEd->maximumDate(), QDate(2199, 12, 31));
            // Table and chart side by side.
            QCOMPARE(d.Teiler->orientation(), Qt::Horizontal);
            QCOMPARE(d.Teiler->widget(0), d.ListView1);
            QCOMPARE(d.Teiler->widget(1), d.MatrixBox);
            QVERIFY(!d.MatrixBox->accessibleName().isEmpty());

            TMenueWahl w{QDate(2024, 1, 1), QDate(2024, 6, 15), 0};
            QCOMPARE(d.ListView1->liste(), MenueListe(Menueanalyse(f.daten, w)));
            QCOMPARE(d.MatrixBox->analyse().posten.size(), size_t(4));
            // 12 portions: Brot 10 with DB 4 each is the star.
            QCOMPARE(d.ListView1->liste().zelle(0, 0), QStringLiteral("Brot"));
            QCOMPARE(d.ListView1->liste().zelle(0, 6), QStringLiteral("Star"));

            // An end before the start moves the start; the year before adds the cake.
            d.EndeEd->setDate(QDate(2023, 12, 31));
            QCOMPARE(d.StartEd->date(), QDate(2023, 12, 31));
            w = {QDate(2023, 12, 31), QDate(2023, 12, 31), 0};
            QCOMPARE(d.ListView1->liste(), MenueListe(Menueanalyse(f.daten, w)));
            QCOMPARE(d.ListView1->liste().zelle(0, 0), QStringLiteral("Kuchen"));
            // A start after the end moves the end.
            d.StartEd->setDate(QDate(2024, 2, 1));
            QCOMPARE(d.EndeEd->date(), QDate(2024, 2, 1));
            QCOMPARE(d.Fusszeile->text(),
                     QStringLiteral("Im Zeitraum wurde keines dieser Rezepte verkauft."));
            d.EndeEd->setDate(QDate(2024, 6, 15));
            d.FilterCombo->setCurrentIndex(3 + 1); // group 1: Tee, unsold
            w = {QDate(2024, 2, 1), QDate(2024, 6, 15), 4};
            QCOMPARE(d.ListView1->liste(), MenueListe(Menueanalyse(f.daten, w)));
            QCOMPARE(d.MatrixBox->analyse().posten.size(), size_t(1));

            // The chart paints.
            d.resize(1000, 500);
            QImage bild(d.MatrixBox->size(), QImage::Format_RGB32);
            bild.fill(Qt::black);
            d.MatrixBox->render(&bild);
            QCOMPARE(bild.pixelColor(2, 2), QColor(Qt::white));
        }));
        Menuepunkt(f, QStringLiteral("Menü-Analyse..."))->trigger();
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void druckenAufDenDruckerDesFensters() {
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView2->waehleNr(0));
        QPrinter& drucker = f.Drucker();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString()); // no printer set up
        const QString pdf = ordner->pfad("brot.pdf");
        m.spieleDialog(Skript<TAufschluesselungForm>([&](TAufschluesselungForm& d) {
            QCOMPARE(OhneMnemonik(d.DruckenBtn->text()), QStringLiteral("Drucken"));
            d.DruckenBtn->click();
            QCOMPARE(m.eintraege.size(), 1);
            QVERIFY(
                m.eintraege[0].text.startsWith(QStringLiteral("Es ist kein Drucker eingerichtet")));
            drucker.setOutputFileName(pdf);
            d.DruckenBtn->click();
        }));
        Menuepunkt(f, QStringLiteral("Kostenaufschlüsselung..."))->trigger();
        QCOMPARE(m.eintraege.size(), 1);
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString seite = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        // The heading, the recipe it was made for, and the rows in the order shown.
        QVERIFY2(seite.contains(QStringLiteral("Kostenaufschlüsselung")), qPrintable(seite));
        QVERIFY(seite.contains(QStringLiteral("Rezept: Brot")));
        QVERIFY(seite.indexOf(QStringLiteral("Safran")) < seite.indexOf(QStringLiteral("Summe")));
        QVERIFY(!m.unerwartet);
    }

    void tabFolgeDurchOptionenTabelleKnoepfe() {
        TPreisaenderungForm p;
        p.setzeExport([](const TListenAnsicht&) {});
        p.setzeDruck([](const QString&, const TListe&, const QStringList&) {});
        p.AuswahlCombo->setCurrentIndex(2);
        p.show();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QCOMPARE(
            TabFolge(p.ProzentEd),
            (QList<QWidget*>{p.ProzentEd, p.AuswahlCombo, p.WertCombo, p.FilterCombo, p.AlleCheck,
                             p.ListView1, p.ExportBtn, p.DruckenBtn, p.SchliessenBtn}));
        p.close();

        TMenueanalyseForm a; // without a main window: export and print are off
        QVERIFY(!a.ExportBtn->isEnabled());
        QVERIFY(!a.DruckenBtn->isEnabled());
    }

    void statusleisteNurAufDemRezeptreiter() {
        TTestMelder m;
        TMainForm f;
        QCOMPARE(f.PageControl1->currentWidget(), f.TabSheet2);
        QCOMPARE(f.KostenhinweisLabel->text(), QString());
        QVERIFY(f.statusBar()->isAncestorOf(f.KostenhinweisLabel));
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QCOMPARE(f.KostenhinweisLabel->text(), QStringLiteral("2 Rezepte mit Kostenhinweisen"));
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        QCOMPARE(f.KostenhinweisLabel->text(), QString());

        // Rebuilding the lists counts again: Suppe gets a price and a line.
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        f.daten.rezept(1).vkbrutto = 4;
        NeueZeile(f.daten.rezept(1), 0, 1);
        f.ListRezepte();
        QCOMPARE(f.KostenhinweisLabel->text(), QStringLiteral("1 Rezept mit Kostenhinweisen"));
        f.daten.rezept(2).zutaten->Delete(0);
        f.ListRezepte();
        QCOMPARE(f.KostenhinweisLabel->text(), QString());
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestExtrasEinsicht)
#include "test_extras_einsicht.moc"
