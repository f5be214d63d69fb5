// Adding, changing and deleting catalogue ingredients.
#include "core/daten.h"
#include "core/texte.h"
#include "costing/preise.h"
#include "costing/zutatkatalog.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

class TestZutatKatalog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void preisProEinheit_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("preis");
        QTest::addColumn<double>("menge");
        QTest::addColumn<QString>("text");
        QTest::newRow("komma") << "de_DE" << 7.5 << 2.0 << "3,75";
        QTest::newRow("punkt") << "en_US" << 7.5 << 2.0 << "3.75";
        QTest::newRow("15 Stellen") << "de_DE" << 1.0 << 3.0 << "0,333333333333333";
        QTest::newRow("ganz") << "de_DE" << 6.0 << 3.0 << "2";
        QTest::newRow("Menge 0") << "de_DE" << 5.0 << 0.0 << "0";
        QTest::newRow("negativ") << "en_US" << -1.0 << 4.0 << "-0.25";
        QTest::newRow("klein") << "de_DE" << 1.0 << 1e5 << "0,00001";
        QTest::newRow("winzig") << "de_DE" << 1.0 << 1e6 << "1E-6";
    }
    void preisProEinheit() {
        QFETCH(QString, locale);
        QFETCH(double, preis);
        QFETCH(double, menge);
        QFETCH(QString, text);
        const TLocaleWahl l(locale);
        QCOMPARE(PreisProEinheit(preis, menge), text);
    }

    void hinzufuegenUndErsetzen() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 4, 2);
        const TZutatWerte w{QStringLiteral(" Zucker "),
                            QStringLiteral("Frischhof"),
                            QStringLiteral("Basis"),
                            QStringLiteral("kg"),
                            3,
                            1};
        ZutatHinzufuegen(d, w);
        QCOMPARE(d.anzahlZutaten(), 2u);
        const TZutat& z = d.zutat(1);
        QCOMPARE(ZutatWerte(z), w); // blanks kept
        QCOMPARE(Text(z.preisproeinheit), QStringLiteral("0,333333333333333"));

        // A line keeps naming the changed ingredient, and its price follows.
        TRezept& r = NeuesRezept(d, QStringLiteral("Kuchen"));
        NeueZeile(r, 1, 3);
        QCOMPARE(EK(d, r), 1.0);
        TZutatWerte neu = w;
        neu.name = QStringLiteral("Rohrzucker");
        neu.preis = 6;
        QVERIFY(ZutatErsetzen(d, 1, neu));
        QCOMPARE(Text(d.zutat(1).name), QStringLiteral("Rohrzucker"));
        QCOMPARE(Text(d.zutat(1).preisproeinheit), QStringLiteral("2"));
        QCOMPARE(EK(d, r), 6.0);
        QVERIFY(!ZutatErsetzen(d, 2, neu));
        QVERIFY(!ZutatErsetzen(d, -1, neu));
        QCOMPARE(Text(d.zutat(0).name), QStringLiteral("Mehl"));
    }

    void loeschenNummeriertUm() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        for (const char* n : {"A", "B", "C", "D", "E"})
            NeueZutat(d, QString::fromLatin1(n), 1, 1);
        TRezept& r1 = NeuesRezept(d, QStringLiteral("R1"));
        NeueZeile(r1, 4, 1);
        TRezept& r2 = NeuesRezept(d, QStringLiteral("R2"));
        NeueZeile(r2, 1, 1);
        NeueZeile(r2, 3, 1);

        QCOMPARE(PruefeZutatLoeschen(d, 2), TZutatLoeschen::moeglich);
        QCOMPARE(LoescheZutat(d, 2), TZutatLoeschen::moeglich);
        QCOMPARE(d.anzahlZutaten(), 4u);
        auto name = [&](const TRezept& r, uint32_t i) {
            return Text(d.zutatVon(*r.zutaten->at<TRezeptZutat>(i))->name);
        };
        QCOMPARE(d.rezept(0).zutaten->at<TRezeptZutat>(0)->zutatnr, 3);
        QCOMPARE(name(d.rezept(0), 0), QStringLiteral("E"));
        QCOMPARE(d.rezept(1).zutaten->at<TRezeptZutat>(0)->zutatnr, 1);
        QCOMPARE(name(d.rezept(1), 0), QStringLiteral("B"));
        QCOMPARE(name(d.rezept(1), 1), QStringLiteral("D"));

        // The last one and the first one.
        QCOMPARE(LoescheZutat(d, 2), TZutatLoeschen::benutzt); // D, used by R2
        NeueZutat(d, QStringLiteral("F"), 1, 1);
        QCOMPARE(LoescheZutat(d, 4), TZutatLoeschen::moeglich);
        QCOMPARE(LoescheZutat(d, 0), TZutatLoeschen::moeglich);
        QCOMPARE(name(d.rezept(0), 0), QStringLiteral("E"));
        QCOMPARE(name(d.rezept(1), 0), QStringLiteral("B"));
        QCOMPARE(d.rezept(1).zutaten->at<TRezeptZutat>(0)->zutatnr, 0);
        QCOMPARE(LoescheZutat(d, 3), TZutatLoeschen::fehlt);
        QCOMPARE(LoescheZutat(d, -1), TZutatLoeschen::fehlt);
    }

    void benutzteZutatBleibt() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("A"), 1, 1);
        NeueZutat(d, QStringLiteral("B"), 1, 1);
        NeuesRezept(d, QStringLiteral("ohne"));
        TRezept& r = NeuesRezept(d, QStringLiteral("in Filter versteckt"), 1, 0, 25);
        NeueZeile(r, 0, 1);
        NeueZeile(r, 1, 1);
        QCOMPARE(LoescheZutat(d, 1), TZutatLoeschen::benutzt);
        QCOMPARE(d.anzahlZutaten(), 2u);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->zutatnr, 1);
        const auto m = ZutatLoeschenMeldung(TZutatLoeschen::benutzt);
        QVERIFY(m);
        QCOMPARE(m->text.toString(),
                 QStringLiteral("Diese Zutat kann nicht gelöscht werden, da die Zutat in einem "
                                "Rezept benutzt wird."));
        QCOMPARE(m->titel.toString(), QStringLiteral("Löschen"));
        QVERIFY(!ZutatLoeschenMeldung(TZutatLoeschen::moeglich));
    }

    // The refusal names the recipes, each once, in their order, ten at most.
    void verweigerungNenntRezepte() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
        NeueZutat(d, QStringLiteral("Ei"), 1, 1);
        for (const char* name : {"Pfannkuchen", "Brot", "Kuchen", "Crêpes"}) {
            TRezept& r = NeuesRezept(d, QString::fromUtf8(name));
            if (qstrcmp(name, "Brot") != 0)
                NeueZeile(r, 1, 1);
            if (qstrcmp(name, "Kuchen") == 0)
                NeueZeile(r, 1, 2); // twice in one recipe: named once
        }
        const QString text = ZutatLoeschenText(d, 1, PruefeZutatLoeschen(d, 1));
        QCOMPARE(text, QStringLiteral("Diese Zutat kann nicht gelöscht werden, da die Zutat in "
                                      "einem Rezept benutzt wird. Verwendet in: Pfannkuchen, "
                                      "Kuchen, Crêpes."));
        QCOMPARE(ZutatLoeschenText(d, 0, PruefeZutatLoeschen(d, 0)), QString());
        QCOMPARE(ZutatLoeschenText(d, 7, TZutatLoeschen::fehlt),
                 QStringLiteral("Sie müssen zuerst eine Zutat anklicken."));

        for (int i = 0; i < 9; ++i)
            NeueZeile(NeuesRezept(d, QStringLiteral("R%1").arg(i)), 1, 1);
        QCOMPARE(RezepteMitZutat(d, 1).size(), 12);
        QVERIFY(ZutatLoeschenText(d, 1, TZutatLoeschen::benutzt)
                    .endsWith(QStringLiteral("Verwendet in: Pfannkuchen, Kuchen, Crêpes, R0, R1, "
                                             "R2, R3, R4, R5, R6 und 2 weitere.")));
    }

    void verschiedeneWerte() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        QCOMPARE(VerschiedeneWerte(d).lieferanten, QStringList());
        QCOMPARE(VerschiedeneWerte(d).einheiten, QStringList());
        const char* lieferanten[] = {"Frischhof", "frischhof", "Frischhof", ""};
        const char* einheiten[] = {"kg", "kg ", "g", "kg"};
        for (int i = 0; i < 4; ++i)
            NeueZutat(d, QStringLiteral("Z"), 1, 1, QString::fromUtf8(einheiten[i]),
                      QString::fromUtf8(lieferanten[i]), QStringLiteral("Basis"));
        const TZutatAuswahllisten listen = VerschiedeneWerte(d);
        QCOMPARE(listen.lieferanten, QStringList({QStringLiteral("Frischhof"),
                                                  QStringLiteral("frischhof"), QString()}));
        QCOMPARE(listen.gruppen, QStringList({QStringLiteral("Basis")}));
        QCOMPARE(listen.einheiten,
                 QStringList({QStringLiteral("kg"), QStringLiteral("kg "), QStringLiteral("g")}));
    }
};

QTEST_GUILESS_MAIN(TestZutatKatalog)
#include "test_zutatkatalog.moc"
