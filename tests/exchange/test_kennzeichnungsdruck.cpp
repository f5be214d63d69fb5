#include "core/texte.h"
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "exchange/print/kennzeichnungsdruck.h"
#include "tests/exchange/aufzeichner.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

namespace {

constexpr int a4Breite = 2480, a4Hoehe = 3508;

// Sixty dishes, each of one to three of twenty ingredients that declare different
// groups and classes, so that pages use different codes.
void Kueche(TDaten& d) {
    QRandomGenerator zufall(17);
    auto& k = Kennzeichnung(d);
    k.tabelle.codes[3] = QStringLiteral("Fi");
    for (int i = 0; i < 20; ++i) {
        NeueZutat(d, QStringLiteral("Zutat %1").arg(i), 1, 1);
        TZutatDeklaration z;
        for (int g = 0; g < AllergenGruppen; ++g)
            z.setze(g, TAllergenZustand::frei);
        z.setze(i % AllergenGruppen, TAllergenZustand(1 + zufall.bounded(2)));
        z.zusatzstoffeGeprueft = i != 19;
        z.setzeZusatzstoff(1 + i % 15, i % 3 == 0);
        if (i != 13) // one ingredient nobody declared
            k.setze(uint32_t(i), z);
    }
    for (int r = 0; r < 60; ++r) {
        TRezept& rz = NeuesRezept(d, QStringLiteral("Gericht %1").arg(r), 1, 4.5 + r);
        const int n = 1 + zufall.bounded(3);
        for (int i = 0; i < n; ++i)
            NeueZeile(rz, zufall.bounded(20), 0.1);
    }
}

} // namespace

class TestKennzeichnungsdruck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    // Every page explains exactly the codes its own dishes use, below them.
    void legendeJeSeiteGenauDieBenutztenCodes() {
        TDaten d;
        Kueche(d);
        TAufzeichner g(300, a4Breite, a4Hoehe);
        {
            QPainter p(&g);
            DruckeSpeisekarte(p, g.alsSeiten(), d, 0, {QStringLiteral("Filter: Alle")});
        }
        QVERIFY(g.seiten.size() >= 2);
        std::map<QString, uint32_t> nummer;
        for (uint32_t r = 0; r < d.anzahlRezepte(); ++r)
            nummer[Text(d.rezept(r).name)] = r;
        const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
        int gerichte = 0;
        for (const TAufzeichner::TSeite& s : g.seiten) {
            std::vector<TDeklaration> benutzt;
            QStringList legende;
            bool inLegende = false;
            qreal letzteZeile = 0, legendenKopf = 0;
            for (const TAufzeichner::TText& x : s.texte) {
                if (x.text == QLatin1String("Legende")) {
                    inLegende = true;
                    legendenKopf = x.pos.y();
                } else if (inLegende) {
                    legende << x.text;
                } else if (const auto it = nummer.find(x.text); it != nummer.end()) {
                    benutzt.push_back(Deklaration(d, d.rezept(it->second)));
                    letzteZeile = x.pos.y();
                }
            }
            gerichte += int(benutzt.size());
            QStringList erwartet;
            for (const TLegendenEintrag& e : Legende(benutzt, t))
                erwartet << e.code + QStringLiteral(": ") + e.text;
            QCOMPARE(legende, erwartet);
            QVERIFY(legendenKopf > letzteZeile);
            QVERIFY(legendenKopf < a4Hoehe);
        }
        QCOMPARE(gerichte, 60);
        // The edited code is the one printed.
        bool fi = false;
        for (const TAufzeichner::TSeite& s : g.seiten)
            for (const TAufzeichner::TText& x : s.texte)
                fi |= x.text == QLatin1String("Fi: Fisch");
        QVERIFY(fi);
    }

    void nurGerichteDesFilters() {
        TDaten d;
        Kueche(d);
        d.rezept(5).gruppe = 22;
        TAufzeichner g(300, a4Breite, a4Hoehe);
        {
            QPainter p(&g);
            DruckeSpeisekarte(p, g.alsSeiten(), d, 2, {});
        }
        QCOMPARE(g.seiten.size(), 1);
        QStringList texte;
        for (const TAufzeichner::TText& x : g.seiten[0].texte)
            texte << x.text;
        QVERIFY(texte.contains(QStringLiteral("Gericht 5")));
        QVERIFY(!texte.contains(QStringLiteral("Gericht 4")));
        QVERIFY(texte.contains(QStringLiteral("9,50")));
    }
};

QTEST_MAIN(TestKennzeichnungsdruck)
#include "test_kennzeichnungsdruck.moc"
