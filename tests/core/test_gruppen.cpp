#include "core/daten.h"
#include "core/texte.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

class TestGruppen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void standardnamen() {
        const TGruppenTabelle g;
        QCOMPARE(g.GetGruppe(0), QStringLiteral("Gruppe 1"));
        QCOMPARE(g.GetGruppe(1), QStringLiteral("Gruppe 2"));
        QCOMPARE(g.GetGruppe(2), QStringLiteral("Produkte 3"));
        QCOMPARE(g.GetGruppe(19), QStringLiteral("Produkte 20"));
        QCOMPARE(g.GetGruppe(20), QStringLiteral("Gruppe 1"));
        QCOMPARE(g.GetGruppe(22), QStringLiteral("Dienstleistungen 3"));
        QCOMPARE(g.GetGruppe(39), QStringLiteral("Dienstleistungen 20"));
        QCOMPARE(g.GetGruppe(40), QString());
        QCOMPARE(g.GetGruppe(-1), QString());
        QVERIFY(g.nameText(2).isEmpty());
    }

    void standardsaetze() {
        const TGruppenTabelle g;
        for (int nr = 0; nr < 40; ++nr) {
            QCOMPARE(g.GetGruppeMwst(nr), 19.0);
            QCOMPARE(g.GetGruppeWE(nr), nr < 20 ? 30.0 : 25.0);
        }
        QCOMPARE(g.mwstText(0), QStringLiteral("19,00"));
        QCOMPARE(g.GetGruppeWE(40), 0.0);
        QCOMPARE(g.GetGruppeMwst(-1), 0.0);
    }

    void leererNameLiestSichAlsStandard() {
        TGruppenTabelle g;
        g.SetGruppe(5, QStringLiteral("Suppen"));
        QCOMPARE(g.GetGruppe(5), QStringLiteral("Suppen"));
        g.SetGruppe(5, QString());
        QCOMPARE(g.GetGruppe(5), QStringLiteral("Produkte 6"));
        g.SetGruppe(40, QStringLiteral("nie"));
        QCOMPARE(g.GetGruppe(40), QString());
    }

    void saetzeMitZweiStellen() {
        TGruppenTabelle g;
        g.SetGruppeMwst(3, 16.666);
        QCOMPARE(g.mwstText(3), QStringLiteral("16,67"));
        QCOMPARE(g.GetGruppeMwst(3), 16.67);
        g.SetGruppeWE(3, -5);
        QCOMPARE(g.GetGruppeWE(3), -5.0); // no bounds
        g.SetGruppeWE(40, 12);
        QCOMPARE(g.GetGruppeWE(40), 0.0);
    }

    void getippterTextGiltSofort() {
        TGruppenTabelle g;
        g.mwstText(7) = QStringLiteral("7");
        QCOMPARE(g.GetGruppeMwst(7), 7.0);
        g.mwstText(7).clear();
        QCOMPARE(g.GetGruppeMwst(7), 0.0);
        g.weText(7) = QStringLiteral("viel");
        QCOMPARE(g.GetGruppeWE(7), 0.0);
    }

    void punktLocale() {
        TLocaleWahl en(QStringLiteral("en_US"));
        TGruppenTabelle g;
        QCOMPARE(g.mwstText(0), QStringLiteral("19.00"));
        g.SetGruppeMwst(1, 7.005); // just below 7.005 in binary
        QCOMPARE(g.mwstText(1), QStringLiteral("7.00"));
    }

    void freeRezepteLeertAlles() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
        TRezept& r = NeuesRezept(d, QStringLiteral("Brot"));
        NeueZeile(r, 0, 1);
        NeuerVerkauf(r, 2024, 1, 1, 1, 1, 1, 1, 1, 1);
        NeuesRezept(d, QStringLiteral("Kuchen"));
        QVERIFY(d.arezept);
        d.FreeRezepte();
        QCOMPARE(d.rezepte.count, 0u);
        QCOMPARE(d.rezepte.poi, nullptr);
        QCOMPARE(d.arezept, nullptr);
        d.FreeZutats();
        QCOMPARE(d.zutats.count, 0u);
        QCOMPARE(d.azutats, nullptr);
    }

    void zeilenUndVerkaeufeTeilenDieCursorvariablen() {
        TDaten d;
        TRezept& a = NeuesRezept(d, QStringLiteral("A"));
        TRezept& b = NeuesRezept(d, QStringLiteral("B"));
        NeueZeile(a, 0, 1);
        QCOMPARE(d.azutat, a.zutaten->at<TRezeptZutat>(0));
        NeueZeile(b, 0, 2);
        QCOMPARE(d.azutat, b.zutaten->at<TRezeptZutat>(0));
        NeuerVerkauf(a, 2024, 1, 1, 1, 0, 0, 0, 0, 0);
        QCOMPARE(d.averkauf, a.verkaeufe->at<TVerkauf>(0));
        // Releasing a recipe leaves no cursor pointing into its arrays.
        d.rezepte.GetObject(0);
        d.FreeARezept();
        QCOMPARE(d.averkauf, nullptr);
        QCOMPARE(d.azutat, b.zutaten->at<TRezeptZutat>(0));
        d.rezepte.Delete(0);
    }

    void texte() {
        TText t = nullptr;
        QCOMPARE(Text(t), QString());
        CopyText(t, QString());
        QVERIFY(t);
        QCOMPARE(t[0], u'\0');
        QCOMPARE(Text(t), QString());
        FreeText(t);
        const char16_t mitNull[] = {u'a', u'b', 0, u'c'};
        CopyText(t, QStringView(mitNull, 4));
        QCOMPARE(Text(t), QStringLiteral("ab")); // cut at the first zero
        QCOMPARE(t[3], u'c');
        FreeText(t);
    }

    void zutatAusserhalbDesKatalogs() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
        TRezeptZutat zeile{1, 1, 0};
        QCOMPARE(d.zutatVon(zeile), nullptr);
        zeile.zutatnr = -1;
        QCOMPARE(d.zutatVon(zeile), nullptr);
        zeile.zutatnr = 0;
        QCOMPARE(d.zutatVon(zeile), &d.zutat(0));
    }
};

QTEST_APPLESS_MAIN(TestGruppen)
#include "test_gruppen.moc"
