// Cost breakdown, line warnings and reverse calculation of one recipe.
#include "core/daten.h"
#include "costing/aufschluesselung.h"
#include "costing/preise.h"
#include "costing/zielpreis.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <limits>
#include <memory>

namespace {

QStringList zeile(std::initializer_list<const char*> zellen) {
    QStringList z;
    for (const char* c : zellen)
        z << t(c);
    return z;
}

// A breakdown row: its number cells follow the locale, its warning does not.
QStringList zeile(std::initializer_list<const char*> zellen, const char* hinweis) {
    return zeile(zellen) << QString::fromUtf8(hinweis);
}

} // namespace

class TestAufschluesselung : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Mehl 4 per 2 kg, Butter 9 per kg, Eier 3 per 10, Safran with purchase quantity 0,
    // Zitrone 2.5 per 5.
    void katalog() {
        NeueZutat(*daten, QStringLiteral("Mehl"), 4, 2);
        NeueZutat(*daten, QStringLiteral("Butter"), 9, 1);
        NeueZutat(*daten, QStringLiteral("Eier"), 3, 10, QStringLiteral("Stk"));
        NeueZutat(*daten, QStringLiteral("Safran"), 12, 0, QStringLiteral("g"));
        NeueZutat(*daten, QStringLiteral("Zitrone"), 2.5, 5, QStringLiteral("Stk"));
    }

    // Ten pieces at 3.5 in group 0 (19 % VAT, target 30 %); the lines cost 1, 0 (Safran
    // fails), 2.25, 1.2 and 1.25 (20 % loss): 5.7 in all, EK 0.57.
    TRezept& zitronenkuchen() {
        katalog();
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Zitronenkuchen"), 10, 3.5, 0);
        NeueZeile(r, 0, 0.5);
        NeueZeile(r, 3, 0.1);
        NeueZeile(r, 1, 0.25);
        NeueZeile(r, 2, 4);
        NeueZeile(r, 4, 2, 20);
        return r;
    }

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        this->locale = std::make_unique<TLocaleWahl>(locale);
        daten = std::make_unique<TDaten>(); // group rates are texts of the locale
    }
    void cleanup() {
        daten.reset();
        locale.reset();
    }

    void rechenbeispiel() {
        const TListe l = AufschluesselungsListe(*daten, zitronenkuchen());
        QCOMPARE(l.spalten, (QList<TSpalte>{{"Zutat", 150},
                                            {"Menge", 75},
                                            {"Einheit", 60},
                                            {"Gewichtsverlust (%)", 110},
                                            {"Kosten", 90},
                                            {"Kosten pro Einheit", 110},
                                            {"Anteil (%)", 75},
                                            {"Hinweis", 250}}));
        QCOMPARE(l.zeilen,
                 (QList<QStringList>{
                     zeile({"Butter", "0,25", "kg", "0,00", "2,2500", "0,2250", "39,47", ""}),
                     zeile({"Zitrone", "2", "Stk", "20,00", "1,2500", "0,1250", "21,93", ""}),
                     zeile({"Eier", "4", "Stk", "0,00", "1,2000", "0,1200", "21,05", ""}),
                     zeile({"Mehl", "0,5", "kg", "0,00", "1,0000", "0,1000", "17,54", ""}),
                     zeile({"Safran", "0,1", "g", "0,00", "0,0000", "0,0000", "0,00",
                            "Einkaufsmenge 0"}),
                     zeile({"Summe", "", "", "", "5,7000", "0,5700", "100,00", ""})}));
    }

    // Every warning, a negative sum and yield 0: shares below 0 and above 100.
    void hinweiseUndNegativeSumme() {
        katalog();
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Testgericht"), 0, 0, 1);
        NeueZeile(r, 9, 1);        // no such ingredient
        NeueZeile(r, 2, 0, 100);   // all lost, and nothing used
        NeueZeile(r, 0, 1, 120);   // 2 ÷ (−0.2) = −10
        NeueZeile(r, 1, 1);        // 9
        NeueZeile(r, 3, 0.2, 100); // purchase quantity 0 and all lost
        const TListe l = AufschluesselungsListe(*daten, r);
        QCOMPARE(l.zeilen,
                 (QList<QStringList>{
                     zeile({"Butter", "1", "kg", "0,00", "9,0000", "0,0000", "-900,00", ""}),
                     zeile({"", "1", "", "0,00", "0,0000", "0,0000", "0,00"}, "Zutat fehlt"),
                     zeile({"Eier", "0", "Stk", "100,00", "0,0000", "0,0000", "0,00"},
                           "Gewichtsverlust 100 %, Menge 0"),
                     zeile({"Safran", "0,2", "g", "100,00", "0,0000", "0,0000", "0,00"},
                           "Einkaufsmenge 0, Gewichtsverlust 100 %"),
                     zeile({"Mehl", "1", "kg", "120,00", "-10,0000", "0,0000", "1000,00"},
                           "negativer Preis, über 50 % der Kosten"),
                     zeile({"Summe", "", "", "", "-1,0000", "0,0000", "100,00", ""})}));
    }

    // "über 50 %" is a share strictly above 50, compared unrounded.
    void anteilGrenze() {
        NeueZutat(*daten, QStringLiteral("A"), 1, 1);
        TRezept& haelfte = NeuesRezept(*daten, QStringLiteral("Hälfte"), 1, 5, 0);
        NeueZeile(haelfte, 0, 2);
        NeueZeile(haelfte, 0, 1);
        NeueZeile(haelfte, 0, 1);
        TAufschluesselung a = Aufschluesselung(*daten, haelfte);
        QCOMPARE(a.zeilen[0].anteil, 50.0);
        QVERIFY(!a.zeilen[0].hinweise.ueber50);

        // 50.00000000000001 reads 50,00 but is above 50.
        TRezept& knapp = NeuesRezept(*daten, QStringLiteral("Knapp"), 1, 5, 0);
        NeueZeile(knapp, 0, 1.0000000000000004);
        NeueZeile(knapp, 0, 1);
        a = Aufschluesselung(*daten, knapp);
        QVERIFY(a.zeilen[0].anteil > 50);
        QVERIFY(a.zeilen[0].hinweise.ueber50);
        QVERIFY(!a.zeilen[1].hinweise.ueber50);
        const TListe l = AufschluesselungsListe(*daten, knapp);
        QCOMPARE(l.zelle(0, 6), t("50,00"));
        QCOMPARE(l.zelle(0, 7), QStringLiteral("über 50 % der Kosten"));
        QCOMPARE(l.zelle(1, 7), QString());
    }

    // Equal costs keep line order; a recipe without lines is the "Summe" row alone.
    void gleicheKostenUndLeer() {
        NeueZutat(*daten, QStringLiteral("A"), 1, 1);
        NeueZutat(*daten, QStringLiteral("B"), 2, 2);
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Gleich"), 2, 5, 0);
        NeueZeile(r, 1, 1);
        NeueZeile(r, 0, 1);
        NeueZeile(r, 1, 3);
        const TAufschluesselung a = Aufschluesselung(*daten, r);
        QCOMPARE(a.zeilen[0].zeile, 2);
        QCOMPARE(a.zeilen[1].zeile, 0);
        QCOMPARE(a.zeilen[2].zeile, 1);
        QCOMPARE(a.ek, EK(*daten, r));

        TRezept& leer = NeuesRezept(*daten, QStringLiteral("Leer"), 1, 5, 0);
        const TListe l = AufschluesselungsListe(*daten, leer);
        QCOMPARE(l.zeilen, (QList<QStringList>{
                               zeile({"Summe", "", "", "", "0,0000", "0,0000", "0,00", ""})}));
    }

    // A line that fails for no named reason still gets a warning: it would count 0.
    void unberechenbareZeile() {
        const double gross = std::numeric_limits<double>::max();
        NeueZutat(*daten, QStringLiteral("Gold"), gross, 0.5);
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Teuer"), 1, 5, 0);
        NeueZeile(r, 0, 4);
        const TZeilenHinweise h = ZeilenHinweise(*daten, *r.zutaten->at<TRezeptZutat>(0));
        QVERIFY(h.nichtBerechenbar);
        QVERIFY(h.kostenfehler());
        QCOMPARE(h.text(), QStringLiteral("Preis nicht berechenbar"));
        // Two huge lines overflow only in their sum, which then counts 0.
        TRezept& summe = NeuesRezept(*daten, QStringLiteral("Summe"), 1, 5, 0);
        NeueZeile(summe, 0, 0.4);
        NeueZeile(summe, 0, 0.4);
        const TAufschluesselung a = Aufschluesselung(*daten, summe);
        QCOMPARE(a.summe, 0.0);
        QCOMPARE(a.zeilen[0].anteil, 0.0);
        QVERIFY(!ZeilenHinweise(*daten, *summe.zutaten->at<TRezeptZutat>(0)).kostenfehler());
    }

    void rezeptHinweise() {
        NeueZutat(*daten, QStringLiteral("A"), 1, 1);
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Alles"), 0, 0, 0);
        QCOMPARE(RezeptHinweise(r).text(),
                 QStringLiteral("keine Zeilen, Ausbeute 0, kein VK-Preis"));
        NeueZeile(r, 0, 1);
        r.menge = 2;
        QCOMPARE(RezeptHinweise(r).text(), QStringLiteral("kein VK-Preis"));
        r.vkbrutto = -1;
        QVERIFY(!RezeptHinweise(r).irgendeiner());
    }

    void zielpreis() {
        const TRezept& r = zitronenkuchen();
        const TListe l = ZielpreisListe(Zielpreis(*daten, r));
        QCOMPARE(l.spalten, (QList<TSpalte>{{"Kennzahl", 220}, {"Wert", 100}}));
        // Net 350 ÷ 119, allowed 30 % of it, calculated 119 % of 0.57 ÷ 30 %.
        QCOMPARE(l.zeilen, (QList<QStringList>{zeile({"Tatsächlicher VK-Preis brutto", "3,5000"}),
                                               zeile({"Tatsächlicher VK-Preis netto", "2,9412"}),
                                               zeile({"Einkaufspreis", "0,5700"}),
                                               zeile({"Soll-Wareneinsatzquote (%)", "30,0000"}),
                                               zeile({"Erlaubter Einkaufspreis", "0,8824"}),
                                               zeile({"Spielraum", "0,3124"}),
                                               zeile({"Kalkulierter VK-Preis brutto", "2,2610"})}));

        // At a gross price of 2 the dish is too dear to make; a DB of 2 asks for 3.0583.
        const TZielpreis z = Zielpreis(*daten, r, 2.0, 2.0);
        QCOMPARE(ZielpreisListe(z).zeilen,
                 (QList<QStringList>{zeile({"Tatsächlicher VK-Preis brutto", "2,0000"}),
                                     zeile({"Tatsächlicher VK-Preis netto", "1,6807"}),
                                     zeile({"Einkaufspreis", "0,5700"}),
                                     zeile({"Soll-Wareneinsatzquote (%)", "30,0000"}),
                                     zeile({"Erlaubter Einkaufspreis", "0,5042"}),
                                     zeile({"Spielraum", "-0,0658"}),
                                     zeile({"Kalkulierter VK-Preis brutto", "2,2610"}),
                                     zeile({"VK-Preis brutto für DB", "3,0583"})}));
        QVERIFY(z.spielraum < 0);
        QCOMPARE(z.kalkBrutto, RezeptPreise(*daten, r).kalkBrutto);
    }

    // Target ratio 0: nothing is allowed and nothing calculated; VAT −100: no net price.
    void zielpreisOhneSoll() {
        TRezept& r = zitronenkuchen();
        daten->SetGruppeWE(0, 0);
        TZielpreis z = Zielpreis(*daten, r);
        QCOMPARE(z.erlaubterEk, 0.0);
        QCOMPARE(z.kalkBrutto, 0.0);
        QCOMPARE(z.spielraum, -z.ek);

        daten->SetGruppeWE(0, 30);
        daten->SetGruppeMwst(0, -100);
        z = Zielpreis(*daten, r, {}, 1.0);
        QCOMPARE(z.vkNetto, 0.0);
        QCOMPARE(z.erlaubterEk, 0.0);
        QCOMPARE(*z.vkFuerDb, 0.0); // (EK + D) × 0 ÷ 100
        QCOMPARE(z.kalkBrutto, 0.0);

        // A group outside the table has no rates.
        r.gruppe = 40;
        z = Zielpreis(*daten, r);
        QCOMPARE(z.sollQuote, 0.0);
        QCOMPARE(z.vkNetto, 3.5);
    }
};

QTEST_GUILESS_MAIN(TestAufschluesselung)
#include "test_aufschluesselung.moc"
