// The amount dialog, scaled from what the recipe dialog shows.
#include "core/daten.h"
#include "costing/mengen.h"
#include "costing/rezepteditor.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <memory>

class TestMengen : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Y = 4, one line of 500 g of Karotten bought at 0.80 for 1000 g: line price 0,40.
    TRezeptForm suppe(double ausbeute = 4) {
        NeueZutat(*daten, QStringLiteral("Karotten"), 0.8, 1000, QStringLiteral("g"));
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Suppe"), ausbeute, 2.2, 0);
        NeueZeile(r, 0, 500);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        return f;
    }

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        this->locale = std::make_unique<TLocaleWahl>(locale);
        daten = std::make_unique<TDaten>();
    }
    void cleanup() {
        daten.reset();
        locale.reset();
    }

    void zehnPortionen() {
        TRezeptForm f = suppe();
        QCOMPARE(f.preise.einkaufspreis, t("0,1000"));
        f.bedarfsmenge = t("10");
        const TCalcAmountsForm m = MengenBerechnen(f);
        QCOMPARE(f.bedarfsmenge, t("10,000"));
        QCOMPARE(m.name, QStringLiteral("Suppe"));
        QCOMPARE(m.menge, t("10,0000"));
        QCOMPARE(m.zutaten.spalten, QList<TSpalte>({{QStringLiteral("Name"), 150},
                                                    {QStringLiteral("Menge"), 75},
                                                    {QStringLiteral("Einheit"), 75},
                                                    {QStringLiteral("Preis"), 75}}));
        QCOMPARE(m.zutaten.zeilen, QList<QStringList>({{QStringLiteral("Karotten"), t("1250,0000"),
                                                        QStringLiteral("g"), t("1,0000")}}));
        QCOMPARE(m.preise.einkaufspreis, t("1,0000"));
        QCOMPARE(m.preise.tatsBrutto, t("22,0000"));
        QCOMPARE(m.preise.tatsNetto, t("18,4870")); // 10 × the shown 1,8487
        QCOMPARE(m.preise.deckungsbeitrag, t("17,4870"));
        QCOMPARE(m.preise.kalkNetto, t("3,3330"));
        QCOMPARE(m.preise.kalkBrutto, t("3,9660"));
        QCOMPARE(m.preise.wequote, f.preise.wequote); // a ratio does not scale
    }

    void einePortion() {
        TRezeptForm f = suppe();
        const TCalcAmountsForm m = MengenFuer(f, 1);
        const auto a = m.preise.felder();
        const auto b = f.preise.felder();
        for (size_t i = 0; i < a.size(); ++i)
            QCOMPARE(*a[i], *b[i]);
        QCOMPARE(m.zutaten.zelle(0, TCalcAmountsForm::spalteMenge), t("125,0000"));
        QCOMPARE(m.zutaten.zelle(0, TCalcAmountsForm::spaltePreis), t("0,1000"));
    }

    void ohneAusbeute() {
        TRezeptForm f = suppe(0);
        QCOMPARE(f.preise.einkaufspreis, t("0,4000"));
        const TCalcAmountsForm m = MengenFuer(f, 3);
        QCOMPARE(m.zutaten.zelle(0, TCalcAmountsForm::spalteMenge), t("0,0000"));
        QCOMPARE(m.zutaten.zelle(0, TCalcAmountsForm::spaltePreis), t("0,0000"));
        QCOMPARE(m.preise.einkaufspreis, t("1,2000"));
    }

    // Unsaved rows are scaled as they stand; unreadable cells show 0.
    void ungespeicherteZeilen() {
        TRezeptForm f = suppe();
        f.zutaten.zeilen.append({QStringLiteral("Neu"), t("2,5"), QStringLiteral("kg"),
                                 QStringLiteral("?"), QStringLiteral("0"), QStringLiteral("0")});
        const TCalcAmountsForm m = MengenFuer(f, 2);
        QCOMPARE(m.zutaten.anzahlZeilen(), 2);
        QCOMPARE(m.zutaten.zeilen[1], QStringList({QStringLiteral("Neu"), t("1,2500"),
                                                   QStringLiteral("kg"), t("0,0000")}));
    }

    void bedarfsmenge_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("danach");
        QTest::newRow("null") << "0" << 1.0 << "1,000";
        QTest::newRow("unlesbar") << "abc" << 1.0 << "1,000";
        QTest::newRow("leer") << "" << 1.0 << "1,000";
        QTest::newRow("negativ") << "-5" << 1.0 << "1,000";
        QTest::newRow("drei Stellen") << "2,5556" << 2.556 << "2,556";
        QTest::newRow("halb") << "1,0625" << 1.063 << "1,063";
        QTest::newRow("Obergrenze") << "20000000000" << 1e10 << "10000000000,000";
    }
    void bedarfsmenge() {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QFETCH(QString, danach);
        QString feld = text.replace(QLatin1Char(','), QLocale().decimalPoint());
        QCOMPARE(LiesBedarfsmenge(feld), wert);
        QCOMPARE(feld, danach.replace(QLatin1Char(','), QLocale().decimalPoint()));
    }
};

QTEST_GUILESS_MAIN(TestMengen)
#include "test_mengen.moc"
