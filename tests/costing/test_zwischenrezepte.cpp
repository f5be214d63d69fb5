// Sub-recipes: exact costs at any depth, cycles, protection, positions, the ways down to
// the bought ingredients, and the data surviving the file and the JSON form.
#include "core/datei.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/aufschluesselung.h"
#include "costing/deklaration.h"
#include "costing/preisaenderung.h"
#include "costing/preise.h"
#include "costing/preisverlauf.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptkopie.h"
#include "costing/zutatkatalog.h"
#include "costing/zwischenrezepte.h"
#include "costing/zwischenrezeptwege.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "lists/kostenpruefung.h"
#include "lists/preisentwicklung.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QBuffer>
#include <QTest>

#include <cmath>
#include <random>

namespace {

// Marks recipe r with its ingredient and recomputes.
uint32_t Markiere(TDaten& d, uint32_t r, const QString& einheit = QStringLiteral("l")) {
    SetzeZwischenrezept(d, r, true, einheit);
    Nachrechnen(d);
    return *ZutatVonRezept(d, r);
}

// The EK from the bought ingredients alone: each line's share q ÷ Y × the sub-recipe's
// EK, every loss on its level; nothing taken from the sub-recipe ingredients' prices.
double ExaktesEK(const TDaten& d, uint32_t rezept) {
    const TRezept& r = d.rezept(rezept);
    if (r.menge == 0 || !r.zutaten)
        return 0;
    double summe = 0;
    for (uint32_t i = 0; i < r.zutaten->count; ++i) {
        const TRezeptZutat& l = *r.zutaten->at<TRezeptZutat>(i);
        const double verlust = (100 - l.gewichtsverlust) / 100;
        if (const auto unter = RezeptVonZutat(d, uint32_t(l.zutatnr))) {
            if (d.rezept(*unter).menge != 0)
                summe += l.menge / r.menge * ExaktesEK(d, *unter) / verlust;
        } else {
            const TZutat& z = d.zutat(uint32_t(l.zutatnr));
            summe += z.preis * l.menge / z.menge / r.menge / verlust;
        }
    }
    return summe;
}

// Stock from bones and water, a sauce from the stock and butter, a roast using the
// sauce and a stew using the sauce and the stock directly.
struct TKueche {
    TDaten d;
    uint32_t knochen = 0, wasser = 1, butter = 2;
    uint32_t fond = 0, sauce = 1, braten = 2, eintopf = 3;
    uint32_t fondZutat = 0, sauceZutat = 0;
    TKueche() {
        NeueZutat(d, QStringLiteral("Knochen"), 10, 5);
        NeueZutat(d, QStringLiteral("Wasser"), 0.002, 1, QStringLiteral("l"));
        NeueZutat(d, QStringLiteral("Butter"), 4, 1);
        TRezept& f = NeuesRezept(d, QStringLiteral("Fond"), 10);
        NeueZeile(f, int(knochen), 3);
        NeueZeile(f, int(wasser), 12, 20);
        fondZutat = Markiere(d, fond);
        TRezept& s = NeuesRezept(d, QStringLiteral("Sauce"), 2);
        NeueZeile(s, int(fondZutat), 1.5, 25);
        NeueZeile(s, int(butter), 0.2);
        sauceZutat = Markiere(d, sauce);
        NeueZeile(NeuesRezept(d, QStringLiteral("Braten"), 4, 20), int(sauceZutat), 0.4);
        TRezept& e = NeuesRezept(d, QStringLiteral("Eintopf"), 5, 12);
        NeueZeile(e, int(sauceZutat), 0.5);
        NeueZeile(e, int(fondZutat), 2, 10);
        Nachrechnen(d);
    }
};

void Nahe(double ist, double soll) {
    QVERIFY2(std::abs(ist - soll) <= 1e-9 * std::max(1.0, std::abs(soll)),
             qPrintable(QStringLiteral("%1 statt %2").arg(ist, 0, 'g', 17).arg(soll, 0, 'g', 17)));
}

} // namespace

class TestZwischenrezepte : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kuecheRechnetExaktUndFolgtDemKnochenpreis() {
        TKueche k;
        const TZutat& fond = k.d.zutat(k.fondZutat);
        QCOMPARE(Text(fond.name), QStringLiteral("Fond"));
        QCOMPARE(Text(fond.lieferant), QStringLiteral("Eigene Herstellung"));
        QCOMPARE(Text(fond.zgruppe), QStringLiteral("Zwischenrezepte"));
        QCOMPARE(Text(fond.einheit), QStringLiteral("l"));
        QCOMPARE(fond.menge, 10.0);
        Nahe(fond.preis, 6.03);
        for (uint32_t r = 0; r < k.d.anzahlRezepte(); ++r)
            Nahe(EK(k.d, k.d.rezept(r)), ExaktesEK(k.d, r));
        Nahe(EK(k.d, k.d.rezept(k.braten)), 0.1003);

        // A dearer bone reaches both dishes, one of them on two ways.
        const double bratenVorher = EK(k.d, k.d.rezept(k.braten));
        k.d.zutat(k.knochen).preis = 20;
        QVERIFY(Nachrechnen(k.d));
        QVERIFY(!Nachrechnen(k.d)); // nothing left to change
        QVERIFY(EK(k.d, k.d.rezept(k.braten)) > bratenVorher);
        for (uint32_t r = 0; r < k.d.anzahlRezepte(); ++r)
            Nahe(EK(k.d, k.d.rezept(r)), ExaktesEK(k.d, r));
    }

    void jedeTiefeMitRautenUndDoppeltenZeilen() {
        std::mt19937 zufall(17);
        std::uniform_real_distribution<double> wert(0.1, 10);
        for (int tiefe = 1; tiefe <= 8; ++tiefe) {
            TDaten d;
            for (int i = 0; i < 4; ++i)
                NeueZutat(d, QStringLiteral("Z%1").arg(i), wert(zufall), wert(zufall));
            // Each level uses two of the level below (a diamond from level 2 on), one of
            // them twice, and a bought ingredient with a loss.
            std::vector<std::vector<uint32_t>> ebenen(size_t(tiefe) + 1);
            for (int e = 0; e <= tiefe; ++e)
                for (int j = 0; j < 2; ++j) {
                    const uint32_t nr = d.anzahlRezepte();
                    TRezept& r =
                        NeuesRezept(d, QStringLiteral("R%1_%2").arg(e).arg(j), wert(zufall));
                    NeueZeile(r, int(zufall() % 4), wert(zufall), 10 * (j + 1));
                    if (e > 0) {
                        const auto& unten = ebenen[size_t(e) - 1];
                        for (uint32_t u : unten)
                            NeueZeile(r, int(*ZutatVonRezept(d, u)), wert(zufall), 5);
                        NeueZeile(r, int(*ZutatVonRezept(d, unten[0])), wert(zufall));
                    }
                    if (e < tiefe)
                        Markiere(d, nr);
                    ebenen[size_t(e)].push_back(nr);
                }
            for (uint32_t r = 0; r < d.anzahlRezepte(); ++r)
                Nahe(EK(d, d.rezept(r)), ExaktesEK(d, r));
            // The price change simulation through all levels equals the recompute.
            TPreisaenderung a;
            a.prozent = 25;
            a.auswahl = TPreisAuswahl::zutat;
            const std::vector<bool> gewaehlt = GewaehlteZutaten(d, a);
            std::vector<double> nachher;
            for (uint32_t r = 0; r < d.anzahlRezepte(); ++r)
                nachher.push_back(EKNachher(d, d.rezept(r), a, gewaehlt));
            d.zutat(0).preis *= 1.25;
            Nachrechnen(d);
            for (uint32_t r = 0; r < d.anzahlRezepte(); ++r)
                Nahe(nachher[r], EK(d, d.rezept(r)));
        }
    }

    void preisverlaufErreichtDieGerichte() {
        const TLocaleWahl l(QStringLiteral("en_US"));
        TKueche k;
        auto& v = k.d.erweiterung.abschnitt<TPreisverlauf>();
        v.anhaengen(k.knochen,
                    {QDate(2024, 1, 1), 5, 5, QStringLiteral("kg"), {}, TPreisquelle::bestand});
        v.anhaengen(k.knochen,
                    {QDate(2024, 6, 1), 10, 5, QStringLiteral("kg"), {}, TPreisquelle::eingabe});
        const double neu = EK(k.d, k.d.rezept(k.braten));
        k.d.zutat(k.knochen).preis = 5;
        Nachrechnen(k.d);
        const double alt = EK(k.d, k.d.rezept(k.braten));
        k.d.zutat(k.knochen).preis = 10;
        Nachrechnen(k.d);
        const TListe liste =
            Preisentwicklungsliste(k.d, {QDate(2024, 5, 1), QDate(2024, 6, 15), 5});
        QStringList rezepte;
        for (const QStringList& z : liste.zeilen) {
            rezepte << z[5];
            if (z[5] == QStringLiteral("Braten")) {
                QCOMPARE(z[6], ZahlFest(alt, 4));
                QCOMPARE(z[7], ZahlFest(neu, 4));
            }
        }
        QCOMPARE(rezepte, (QStringList{QStringLiteral("Fond"), QStringLiteral("Sauce"),
                                       QStringLiteral("Braten"), QStringLiteral("Eintopf")}));
    }

    void ausbeuteNullIstKeinStillerNuller() {
        TKueche k;
        k.d.rezept(k.fond).menge = 0;
        Nachrechnen(k.d);
        QCOMPARE(k.d.zutat(k.fondZutat).preis, 0.0);
        QCOMPARE(k.d.zutat(k.fondZutat).menge, 0.0);
        QVERIFY(!Zeilenpreis(k.d, *k.d.rezept(k.sauce).zutaten->at<TRezeptZutat>(0)));
        // The check names the stock for itself, and for every line reaching it.
        const TListe l = Kostenpruefung(k.d, 0);
        QStringList mitFond;
        for (const QStringList& z : l.zeilen)
            if (z.last().contains(QStringLiteral("Zwischenrezept ohne berechenbaren Preis: Fond")))
                mitFond << z.first();
        QCOMPARE(mitFond, (QStringList{QStringLiteral("Sauce"), QStringLiteral("Braten"),
                                       QStringLiteral("Eintopf"), QStringLiteral("Eintopf")}));
        QVERIFY(l.zeilen.contains(QStringList{QStringLiteral("Fond"), k.d.GetGruppe(0), QString(),
                                              QString(), QStringLiteral("Ausbeute 0")}));
        QCOMPARE(RezepteMitKostenhinweisen(k.d, 0), 4);
    }

    void zyklen() {
        TKueche k;
        // Direct, and through two levels.
        QCOMPARE(ZyklusDurch(k.d, k.fond, k.fondZutat), (std::vector<uint32_t>{k.fond, k.fond}));
        const auto weg = ZyklusDurch(k.d, k.fond, k.sauceZutat);
        QCOMPARE(weg, (std::vector<uint32_t>{k.fond, k.sauce, k.fond}));
        QCOMPARE(ZyklusText(k.d, weg),
                 QStringLiteral("Rezept Fond enthält über Rezept Sauce sich selbst: "
                                "Fond → Sauce → Fond."));
        // A dish may use the sauce again, and the stock beside it: a diamond.
        QVERIFY(ZyklusDurch(k.d, k.eintopf, k.sauceZutat).empty());
        QVERIFY(ZyklusDurch(k.d, k.eintopf, k.fondZutat).empty());
        QVERIFY(ZyklusDurch(k.d, k.sauce, k.knochen).empty());
        QVERIFY(ErsterZyklus(k.d).empty());
        // A cycle in the stored data still recomputes, counting the closing line 0.
        NeueZeile(k.d.rezept(k.fond), int(k.sauceZutat), 1);
        QCOMPARE(ErsterZyklus(k.d).size(), size_t(3));
        Nachrechnen(k.d);
        QVERIFY(std::isfinite(k.d.zutat(k.sauceZutat).preis));
    }

    void schutzUndPositionen() {
        TKueche k;
        // Used: neither deleted nor unmarked, and the message names the users.
        QCOMPARE(ZwischenrezeptBenutztText(k.d, k.fond, true),
                 QStringLiteral("Das Rezept Fond wird als Zutat verwendet und kann nicht gelöscht "
                                "werden. Verwendet in: Sauce, Eintopf."));
        QVERIFY(!RezeptLoeschen(k.d, int(k.fond)));
        QVERIFY_THROWS_EXCEPTION(TFehler, SetzeZwischenrezept(k.d, k.fond, false, {}));
        QVERIFY(IstZwischenrezept(k.d, k.fond));
        QCOMPARE(PruefeZutatLoeschen(k.d, int(k.fondZutat)), TZutatLoeschen::rezept);
        QCOMPARE(ZutatLoeschenText(k.d, int(k.fondZutat), TZutatLoeschen::rezept),
                 QStringLiteral("Diese Zutat gehört zum Rezept Fond. Sie wird mit ihm gelöscht "
                                "oder wenn es nicht mehr als Zutat verwendet wird."));

        // Unused once the dishes are gone: deleting the sauce removes its ingredient (the
        // last one) and the stock's stays where it was.
        QVERIFY(RezeptLoeschen(k.d, int(k.eintopf)));
        QVERIFY(RezeptLoeschen(k.d, int(k.braten)));
        QVERIFY(RezeptLoeschen(k.d, int(k.sauce)));
        QCOMPARE(k.d.anzahlZutaten(), 4u);
        QCOMPARE(*ZutatVonRezept(k.d, k.fond), k.fondZutat);

        // Unmarking the stock removes its ingredient; lines behind it move up.
        NeueZutat(k.d, QStringLiteral("Salz"), 1, 1);
        TRezept& suppe = NeuesRezept(k.d, QStringLiteral("Suppe"));
        NeueZeile(suppe, 4, 1);
        SetzeZwischenrezept(k.d, k.fond, false, {});
        Nachrechnen(k.d);
        QVERIFY(!k.d.rezept(k.fond).zutatenrezeptur);
        QCOMPARE(k.d.anzahlZutaten(), 4u);
        QCOMPARE(suppe.zutaten->at<TRezeptZutat>(0)->zutatnr, 3);
        QCOMPARE(Text(k.d.zutat(3).name), QStringLiteral("Salz"));
    }

    void kopieBekommtEigeneZutat() {
        TKueche k;
        TRezeptForm form;
        QVERIFY(FuelleKopie(form, k.d, int(k.sauce)));
        QVERIFY(form.zutatenrezeptur);
        QCOMPARE(form.einheit, QStringLiteral("l"));
        KopieAnhaengen(k.d, int(k.sauce), form);
        Nachrechnen(k.d);
        const uint32_t kopie = k.d.anzahlRezepte() - 1;
        const auto zutat = ZutatVonRezept(k.d, kopie);
        QVERIFY(zutat && *zutat != k.sauceZutat);
        QCOMPARE(Text(k.d.zutat(*zutat).name), QStringLiteral("Sauce (Kopie)"));
        Nahe(k.d.zutat(*zutat).preis, k.d.zutat(k.sauceZutat).preis);

        // Unticked in the copy's dialog: a plain recipe without an ingredient.
        form.zutatenrezeptur = false;
        const uint32_t zutatenVorher = k.d.anzahlZutaten();
        KopieAnhaengen(k.d, int(k.sauce), form);
        Nachrechnen(k.d);
        QVERIFY(!IstZwischenrezept(k.d, k.d.anzahlRezepte() - 1));
        QCOMPARE(k.d.anzahlZutaten(), zutatenVorher);
    }

    void wegeUndProduktion() {
        const TLocaleWahl l(QStringLiteral("en_US"));
        TKueche k;
        const auto v = Verwendungen(k.d, k.knochen);
        QCOMPARE(v.size(), size_t(5));
        // The stew reaches the bones through the sauce and directly through the stock.
        QCOMPARE(WegText(k.d, v[3].weg), QStringLiteral("über Sauce → Fond"));
        QCOMPARE(WegText(k.d, v[4].weg), QStringLiteral("über Fond"));
        Nahe(v[4].menge, 2.0 / 5 * 3 / 10);
        double anteile = 0;
        for (const TVerwendung& x : v)
            if (x.rezept == k.eintopf)
                anteile += x.anteil;
        const TAufgeloest a = AufgeloesteKosten(k.d, k.eintopf);
        for (const TAufgeloesterPosten& p : a.posten)
            if (p.zutat == k.knochen)
                Nahe(anteile, p.anteil);
        Nahe(a.ek, EK(k.d, k.d.rezept(k.eintopf)));
        QCOMPARE(VerwendetInTexteZutat(k.d, k.butter),
                 (QStringList{QStringLiteral("Sauce"), QStringLiteral("Braten (über Sauce)"),
                              QStringLiteral("Eintopf (über Sauce)")}));

        // 10 stews: the stock summed over the sauce's way and the direct one, and
        // prepared in its purchase quantity.
        const auto p = Produktion(k.d, k.eintopf, 10);
        QCOMPARE(p.size(), size_t(5));
        QVERIFY(p[0].zwischenrezept && p[0].nr == k.fond);
        Nahe(p[0].netto, 4 + 0.75);
        Nahe(p[0].einkauf, 4 / 0.9 + 1);
        QCOMPARE(
            ProduktionsListe(k.d, k.eintopf, 10).zeilen[2],
            (QStringList{QStringLiteral("Zutat"), QStringLiteral("Knochen"),
                         QStringLiteral("1.633"), QStringLiteral("1.633"), QStringLiteral("kg")}));
    }

    void allergeneReichenDurch() {
        TKueche k;
        auto& kz = Kennzeichnung(k.d);
        TZutatDeklaration milch = kz.deklaration(k.butter);
        milch.enthaelt = 1u << 6;
        kz.setze(k.butter, milch);
        QVERIFY(StehtFuerRezept(k.d, k.sauceZutat));
        QVERIFY(Deklaration(k.d, k.d.rezept(k.braten)).enthaelt & (1u << 6));
    }

    void dateiUndJson() {
        TKueche k;
        TDaten gelesen;
        LeseDaten(gelesen, DatenAlsBytes(k.d));
        QVERIFY(gelesen.rezept(k.sauce).zutatenrezeptur);
        QCOMPARE(ZwischenrezeptEinheit(gelesen, k.sauce), QStringLiteral("l"));
        QCOMPARE(*ZutatVonRezept(gelesen, k.fond), k.fondZutat);
        QVERIFY(!Nachrechnen(gelesen));

        // A reader of the first three sections alone prices every recipe the same.
        QByteArray bytes = DatenAlsBytes(k.d);
        bytes.truncate(bytes.indexOf(TErweiterung::signatur.toByteArray()));
        TDaten alt;
        LeseDaten(alt, bytes);
        QVERIFY(!Zwischenrezepte(alt));
        for (uint32_t r = 0; r < k.d.anzahlRezepte(); ++r)
            QCOMPARE(EK(alt, alt.rezept(r)), EK(k.d, k.d.rezept(r)));

        QByteArray json;
        {
            QBuffer b(&json);
            b.open(QIODevice::WriteOnly);
            SchreibeJson(k.d, b);
        }
        QVERIFY(json.contains("\"zwischenrezept\""));
        const TJsonImport i = LeseJson(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(QLatin1Char('\n'))));
        QCOMPARE(DatenAlsBytes(*i.daten), DatenAlsBytes(k.d));

        // The form's own fields are set from the recipe, whatever the text says.
        QByteArray falsch = json;
        falsch.replace("\"Eigene Herstellung\"", "\"Irgendwer\"");
        const TJsonImport f = LeseJson(falsch);
        QVERIFY(f.ok());
        QCOMPARE(Text(f.daten->zutat(k.fondZutat).lieferant), QStringLiteral("Eigene Herstellung"));

        // A cycle, an ingredient naming a plain recipe: errors at their places.
        QByteArray zyklus = json;
        zyklus.replace("\"zutat\": 0,", "\"zutat\": 4,"); // the stock's bones: the sauce
        const TJsonImport z = LeseJson(zyklus);
        QVERIFY(!z.ok());
        QVERIFY2(z.fehler.join(QLatin1Char('\n')).contains(QStringLiteral("Fond → Sauce → Fond")),
                 qPrintable(z.fehler.join(QLatin1Char('\n'))));
        QByteArray ohne = json;
        ohne.replace("\"rezept\": 1", "\"rezept\": 2");
        const TJsonImport o = LeseJson(ohne);
        QVERIFY(!o.ok());
        const QString text = o.fehler.join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("Rezept Nr. 2 ist kein Zwischenrezept")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("rezepte[1].zwischenrezept: keine Zutat")),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestZwischenrezepte)
#include "test_zwischenrezepte.moc"
