// The recipe dialog's figures, computed from what the dialog shows.
#include "core/daten.h"
#include "core/zahlen.h"
#include "costing/preise.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptform.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <memory>

class TestRezeptForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Butter P 10 M 4 used 0.5 with 20 % loss, Salz P 1 M 8 used 1: 1,56 and 0,13.
    TRezept& beispiel(double ausbeute = 2, double brutto = 4.5) {
        NeueZutat(*daten, QStringLiteral("Butter"), 10, 4);
        NeueZutat(*daten, QStringLiteral("Salz"), 1, 8, QStringLiteral("Pck"));
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Test"), ausbeute, brutto, 0);
        NeueZeile(r, 0, 0.5, 20);
        NeueZeile(r, 1, 1, 0);
        daten->SetGruppeMwst(0, 19);
        daten->SetGruppeWE(0, 30);
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
        TRezept& r = beispiel();
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.zutaten.zelle(0, TRezeptForm::spaltePreis), t("1,56"));
        QCOMPARE(f.zutaten.zelle(1, TRezeptForm::spaltePreis), t("0,13"));
        QCOMPARE(f.preise.einkaufspreis, t("0,8450"));
        QCOMPARE(f.preise.tatsNetto, t("3,7815"));
        QCOMPARE(f.preise.deckungsbeitrag, t("2,9365"));
        QCOMPARE(f.preise.wequote, t("22,3456"));
        QCOMPARE(f.preise.kalkNetto, t("2,8167"));
        // From the shown 2,8167; the unrounded net price would give 3,3518.
        QCOMPARE(f.preise.kalkBrutto, t("3,3519"));
        QCOMPARE(f.preise.tatsBrutto, t("4,5000"));
        QCOMPARE(f.menge, t("2,0000"));
        // The stored-data form sums unrounded terms.
        QCOMPARE(EK(*daten, r), 0.84375);
        QCOMPARE(ZahlFest(EK(*daten, r), 4), t("0,8438"));
    }

    void ohneAusbeuteUngeteilt() {
        TRezept& r = beispiel(0);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.einkaufspreis, t("1,6900"));
        QCOMPARE(EK(*daten, r), 0.0);
    }

    void ohneZeilen() {
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Leer"), 1, 3, 1);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.einkaufspreis, t("0,0000"));
        QCOMPARE(f.preise.wequote, t("0,0000"));
        QCOMPARE(f.preise.kalkNetto, t("0,0000"));
        QCOMPARE(f.preise.kalkBrutto, t("0,0000"));
        QCOMPARE(f.preise.tatsNetto, t("2,5210"));
        QCOMPARE(f.preise.deckungsbeitrag, f.preise.tatsNetto);
    }

    void bruttoNull() {
        TRezeptForm f;
        FuelleAusRezept(f, *daten, beispiel(2, 0));
        QCOMPARE(f.preise.tatsNetto, t("0,0000"));
        QCOMPARE(f.preise.wequote, t("0,0000"));
        QCOMPARE(f.preise.deckungsbeitrag, t("-0,8450"));
    }

    void zielquoteNull() {
        TRezept& r = beispiel();
        daten->SetGruppeWE(0, 0);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.kalkNetto, t("0,0000"));
        QCOMPARE(f.preise.kalkBrutto, t("0,0000"));
        QCOMPARE(f.preise.einkaufspreis, t("0,8450"));
    }

    void fehlendeUndNegativeZeilen() {
        NeueZutat(*daten, QStringLiteral("Butter"), 10, 4);
        NeueZutat(*daten, QStringLiteral("Probe"), 5, 0, QStringLiteral("Stk"));
        TRezept& r = NeuesRezept(*daten, QStringLiteral("X"), 1, 10, 0);
        NeueZeile(r, 0, 1, 100); // division by zero
        NeueZeile(r, 0, 1, 120); // negative
        NeueZeile(r, 1, 2, 0);   // purchase quantity 0
        NeueZeile(r, 7, 1, 0);   // no such ingredient
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        const QStringList preise = {t("0,00"), t("-12,50"), t("0,00"), t("0,00")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.zutaten.zelle(i, TRezeptForm::spaltePreis), preise[i]);
        QCOMPARE(f.zutaten.zeilen[3],
                 QStringList({QString(), QStringLiteral("1"), QString(), t("0,00"),
                              QStringLiteral("7"), QStringLiteral("0")}));
        QCOMPARE(f.preise.einkaufspreis, t("-12,5000"));
    }

    void gruppenwechselWirktSofort() {
        TRezept& r = beispiel();
        daten->SetGruppeMwst(1, 7);
        daten->SetGruppeWE(1, 25);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        f.gruppe = 1;
        f.ComboBox1Change();
        QCOMPARE(f.preise.tatsNetto, t("4,2056"));  // 450 / 107
        QCOMPARE(f.preise.kalkNetto, t("3,3800"));  // 84,5 / 25
        QCOMPARE(f.preise.kalkBrutto, t("3,6166")); // 107 * 3,38 / 100
        QCOMPARE(f.preise.wequote, t("20,0923"));   // 84,5 / 4,2056
        QCOMPARE(f.preise.deckungsbeitrag, t("3,3606"));
        // Nothing selected: no VAT and no target ratio.
        f.gruppe = -1;
        f.ComboBox1Change();
        QCOMPARE(f.preise.tatsNetto, t("4,5000"));
        QCOMPARE(f.preise.kalkNetto, t("0,0000"));
    }

    void ausbeuteFolgtJedemTastendruck() {
        TRezeptForm f;
        FuelleAusRezept(f, *daten, beispiel());
        f.menge = t("4");
        f.RxSpinEdit1Change();
        QCOMPARE(f.preise.einkaufspreis, t("0,4225"));
        f.menge = QString(); // empty counts as 0: the sum stays undivided
        f.RxSpinEdit1Change();
        QCOMPARE(f.preise.einkaufspreis, t("1,6900"));
    }

    void unlesbarerBruttopreis() {
        TRezeptForm f;
        FuelleAusRezept(f, *daten, beispiel());
        for (const QString& text : {QStringLiteral("abc"), QString(), QStringLiteral("1.000,5x")}) {
            f.preise.tatsBrutto = text;
            f.RxSpinEdit2Change();
            QCOMPARE(f.preise.tatsNetto, t("0,0000"));
            QCOMPARE(f.preise.wequote, t("0,0000"));
        }
    }

    void mwstMinusHundertBehaeltNetto() {
        TRezept& r = beispiel();
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        daten->SetGruppeMwst(0, -100);
        f.preise.tatsBrutto = t("9");
        f.RxSpinEdit2Change();
        QCOMPARE(f.preise.tatsNetto, t("3,7815")); // kept
        QCOMPARE(f.preise.deckungsbeitrag, t("2,9365"));
        QCOMPARE(f.preise.kalkBrutto, t("0,0000")); // (v + 100) = 0
        // A fresh opening does not show an earlier recipe's net price.
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.tatsNetto, t("0,0000"));
    }

    // The sum is formed from the cells as shown; unreadable cells are left out.
    void summeDerAngezeigtenPreise() {
        TRezeptForm f;
        FuelleNeuesRezept(f, *daten);
        f.zutaten.zeilen = {
            {{}, {}, {}, t("0,13")}, {{}, {}, {}, QStringLiteral("x")}, {{}, {}, {}, t("1,56")}};
        f.BerechnePreis();
        QCOMPARE(f.preise.einkaufspreis, t("1,6900"));
    }

    // Line prices near the largest double add up beyond it: the figures fall back to 0
    // instead of showing an infinite value.
    void ueberlauf() {
        NeueZutat(*daten, QStringLiteral("Gold"), 1e308, 1);
        TRezept& r = NeuesRezept(*daten, QStringLiteral("X"), 1, 10, 0);
        NeueZeile(r, 0, 1, 0);
        NeueZeile(r, 0, 1, 0);
        daten->SetGruppeMwst(0, 0);
        daten->SetGruppeWE(0, 50);
        const TRezeptPreise p = RezeptPreise(*daten, r);
        QCOMPARE(p.ek, 0.0);
        QCOMPARE(p.db, 10.0);
        QCOMPARE(WareneinsatzProPortion(*daten, r), 0.0);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        QCOMPARE(f.preise.einkaufspreis, t("0,0000"));
        QCOMPARE(f.preise.deckungsbeitrag, t("10,0000"));
        QCOMPARE(f.preise.kalkNetto, t("0,0000"));
    }

    void neuesRezept() {
        TRezeptForm f;
        f.bedarfsmenge = t("7,500");
        FuelleAusRezept(f, *daten, beispiel());
        FuelleNeuesRezept(f, *daten);
        QCOMPARE(f.menge, t("1,0000"));
        QCOMPARE(f.gruppe, 0);
        QCOMPARE(f.gruppenliste.size(), 40);
        QCOMPARE(f.zutaten.anzahlZeilen(), 0);
        QVERIFY(f.name.isEmpty());
        for (const QString* feld : f.preise.felder())
            QCOMPARE(*feld, t("0,0000"));
        QCOMPARE(f.bedarfsmenge, t("7,500")); // kept from the last use
        QCOMPARE(f.zutaten.spalten, QList<TSpalte>({{QStringLiteral("Name"), 150},
                                                    {QStringLiteral("Menge"), 75},
                                                    {QStringLiteral("Einheit"), 75},
                                                    {QStringLiteral("Preis"), 75},
                                                    {QStringLiteral("Nr"), 0},
                                                    {QStringLiteral("Gewichtsverlust"), 0}}));
    }
};

QTEST_GUILESS_MAIN(TestRezeptForm)
#include "test_rezeptform.moc"
