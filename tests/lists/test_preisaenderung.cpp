// Simulated purchase price changes: which ingredients, the figures before and after, the
// status against the target ratio and the order of the table.
#include "bench/generator/grossdaten.h"
#include "core/daten.h"
#include "costing/preisaenderung.h"
#include "costing/preise.h"
#include "lists/listen.h"
#include "lists/preisaenderungsliste.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <memory>

namespace {

QStringList zeile(const char* name, const char* gruppe, std::initializer_list<const char*> zahlen,
                  const char* status) {
    QStringList z{QString::fromUtf8(name), QString::fromUtf8(gruppe)};
    for (const char* c : zahlen)
        z << t(c);
    z << QString::fromUtf8(status);
    return z;
}

TPreisaenderung aenderung(double prozent, TPreisAuswahl auswahl = TPreisAuswahl::alle,
                          const QString& text = {}, uint32_t zutat = 0) {
    TPreisaenderung a;
    a.prozent = prozent;
    a.auswahl = auswahl;
    a.text = text;
    a.zutat = zutat;
    return a;
}

} // namespace

class TestPreisaenderung : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Group 5 ("Produkte 6") without VAT and with target 30 %, so that the net price is
    // the gross price; group 6 ("Produkte 7") without target. No line loses weight.
    void kueche() {
        TDaten& d = *daten;
        d.SetGruppeMwst(5, 0);
        d.SetGruppeWE(6, 0);
        NeueZutat(d, "Rind", 20, 1, "kg", "Metzgerei Horn", "Fleisch");
        NeueZutat(d, "Kartoffeln", 6, 5, "kg", "Frischhof", "Gemüse");
        NeueZutat(d, "Zwiebeln", 2, 1, "kg", " Frischhof ", "Gemüse ");
        NeueZutat(d, "Sahne", 4, 1, "l", "frischhof", "Molkerei");
        NeueZeile(NeueZeile(NeuesRezept(d, "Gulasch", 1, 20, 5), 0, 0.25), 2, 0.5); // EK 6, 30 %
        NeueZeile(NeueZeile(NeuesRezept(d, "Kartoffelsuppe", 4, 5, 5), 1, 2.5), 3, 0.5);  // 1.25
        NeueZeile(NeueZeile(NeuesRezept(d, "Rahmschnitzel", 1, 10, 6), 0, 0.2), 3, 0.25); // 5
        NeueZeile(NeuesRezept(d, "Salat", 1, 4, 5), 2, 0.5);                              // 1
        NeuesRezept(d, "Brot", 1, 3, 0);                                                  // 0
        NeueZeile(NeuesRezept(d, "Steak", 1, 10, 5), 0, 0.2);                             // 4, 40 %
        NeueZeile(NeuesRezept(d, "Eintopf", 1, 10, 5), 1, 5);                             // 6, 60 %
    }

    static TRezept& NeuesRezept(TDaten& d, const char* name, double menge, double brutto,
                                int gruppe) {
        return ::NeuesRezept(d, QString::fromUtf8(name), menge, brutto, gruppe);
    }
    static TRezept& NeueZeile(TRezept& r, int nr, double menge) {
        ::NeueZeile(r, nr, menge);
        return r;
    }
    static void NeueZutat(TDaten& d, const char* name, double preis, double menge,
                          const char* einheit, const char* lieferant, const char* gruppe) {
        ::NeueZutat(d, QString::fromUtf8(name), preis, menge, QString::fromUtf8(einheit),
                    QString::fromUtf8(lieferant), QString::fromUtf8(gruppe));
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

    // Texts compare exactly after trimming: " Frischhof " is Frischhof, "frischhof" is not.
    void auswahl() {
        kueche();
        auto gewaehlt = [&](const TPreisaenderung& a) {
            QList<uint32_t> nr;
            for (uint32_t i = 0; i < daten->anzahlZutaten(); ++i)
                if (Betrifft(a, daten->zutat(i), i))
                    nr << i;
            return nr;
        };
        QCOMPARE(gewaehlt(aenderung(5)), (QList<uint32_t>{0, 1, 2, 3}));
        QCOMPARE(gewaehlt(aenderung(5, TPreisAuswahl::zutat, {}, 2)), (QList<uint32_t>{2}));
        QCOMPARE(gewaehlt(aenderung(5, TPreisAuswahl::lieferant, "Frischhof ")),
                 (QList<uint32_t>{1, 2}));
        QCOMPARE(gewaehlt(aenderung(5, TPreisAuswahl::zutatengruppe, "Gemüse")),
                 (QList<uint32_t>{1, 2}));
        QCOMPARE(gewaehlt(aenderung(5, TPreisAuswahl::zutatengruppe, "gemüse")),
                 (QList<uint32_t>{}));

        const TPreisaenderung frei = aenderung(-100, TPreisAuswahl::lieferant, "Frischhof");
        QCOMPARE(GewaehlteZutaten(*daten, frei), (std::vector<bool>{false, true, true, false}));
        QCOMPARE(GeaenderterPreis(frei, 6), 0.0);
        QCOMPARE(GeaenderterPreis(aenderung(1000), 6), 66.0);
        Preisaenderungsliste(*daten, frei, 0);
        QCOMPARE(daten->zutat(1).preis, 6.0); // the data stays as it was
    }

    // +50 % at Frischhof: a ratio at its target before and above it after is "über Soll",
    // one above it already "bleibt über Soll"; the largest rise comes first.
    void lieferantTeurer() {
        kueche();
        const TListe l =
            Preisaenderungsliste(*daten, aenderung(50, TPreisAuswahl::lieferant, "Frischhof"), 0);
        QCOMPARE(l.spalten, (QList<TSpalte>{{"Name", 150},
                                            {"Gruppe", 100},
                                            {"EK vorher", 90},
                                            {"EK nachher", 90},
                                            {"WE-Quote vorher (%)", 110},
                                            {"WE-Quote nachher (%)", 110},
                                            {"Soll (%)", 75},
                                            {"DB vorher", 90},
                                            {"DB nachher", 90},
                                            {"Kalk. VK brutto nachher", 130},
                                            {"Status", 110}}));
        QCOMPARE(l.zeilen, (QList<QStringList>{zeile("Eintopf", "Produkte 6",
                                                     {"6,0000", "9,0000", "60,0000", "90,0000",
                                                      "30,0000", "4,0000", "1,0000", "30,0000"},
                                                     "bleibt über Soll"),
                                               zeile("Salat", "Produkte 6",
                                                     {"1,0000", "1,5000", "25,0000", "37,5000",
                                                      "30,0000", "3,0000", "2,5000", "5,0000"},
                                                     "über Soll"),
                                               zeile("Kartoffelsuppe", "Produkte 6",
                                                     {"1,2500", "1,6250", "25,0000", "32,5000",
                                                      "30,0000", "3,7500", "3,3750", "5,4167"},
                                                     "über Soll"),
                                               zeile("Gulasch", "Produkte 6",
                                                     {"6,0000", "6,5000", "30,0000", "32,5000",
                                                      "30,0000", "14,0000", "13,5000", "21,6667"},
                                                     "über Soll")}));
        // Only the products of group 5 but Eintopf's: the filter as in the main lists.
        QCOMPARE(Preisaenderungsliste(*daten, aenderung(50, TPreisAuswahl::lieferant, "Frischhof"),
                                      3 + 6)
                     .anzahlZeilen(),
                 0);
    }

    // −50 % on everything, every recipe listed: a ratio that falls exactly onto its target
    // is "im Soll", a group without target "kein Soll"; equal rises keep recipe order.
    void alleBilliger() {
        kueche();
        const TListe l = Preisaenderungsliste(*daten, aenderung(-50), 0, true);
        QCOMPARE(l.zeilen, (QList<QStringList>{zeile("Brot", "Gruppe 1",
                                                     {"0,0000", "0,0000", "0,0000", "0,0000",
                                                      "30,0000", "2,5210", "2,5210", "0,0000"},
                                                     "im Soll"),
                                               zeile("Kartoffelsuppe", "Produkte 6",
                                                     {"1,2500", "0,6250", "25,0000", "12,5000",
                                                      "30,0000", "3,7500", "4,3750", "2,0833"},
                                                     "im Soll"),
                                               zeile("Salat", "Produkte 6",
                                                     {"1,0000", "0,5000", "25,0000", "12,5000",
                                                      "30,0000", "3,0000", "3,5000", "1,6667"},
                                                     "im Soll"),
                                               zeile("Gulasch", "Produkte 6",
                                                     {"6,0000", "3,0000", "30,0000", "15,0000",
                                                      "30,0000", "14,0000", "17,0000", "10,0000"},
                                                     "im Soll"),
                                               zeile("Steak", "Produkte 6",
                                                     {"4,0000", "2,0000", "40,0000", "20,0000",
                                                      "30,0000", "6,0000", "8,0000", "6,6667"},
                                                     "im Soll"),
                                               zeile("Rahmschnitzel", "Produkte 7",
                                                     {"5,0000", "2,5000", "59,5000", "29,7500",
                                                      "0,0000", "3,4034", "5,9034", "0,0000"},
                                                     "kein Soll"),
                                               zeile("Eintopf", "Produkte 6",
                                                     {"6,0000", "3,0000", "60,0000", "30,0000",
                                                      "30,0000", "4,0000", "7,0000", "10,0000"},
                                                     "im Soll")}));
        // Without --alle Brot, whose EK stays 0, is left out.
        QCOMPARE(Preisaenderungsliste(*daten, aenderung(-50), 0).anzahlZeilen(), 6);
    }

    void eineZutatUndMinusHundert() {
        kueche();
        TListe l = Preisaenderungsliste(*daten, aenderung(10, TPreisAuswahl::zutat, {}, 0), 0);
        QCOMPARE(l.zeilen, (QList<QStringList>{zeile("Rahmschnitzel", "Produkte 7",
                                                     {"5,0000", "5,4000", "59,5000", "64,2600",
                                                      "0,0000", "3,4034", "3,0034", "0,0000"},
                                                     "kein Soll"),
                                               zeile("Steak", "Produkte 6",
                                                     {"4,0000", "4,4000", "40,0000", "44,0000",
                                                      "30,0000", "6,0000", "5,6000", "14,6667"},
                                                     "bleibt über Soll"),
                                               zeile("Gulasch", "Produkte 6",
                                                     {"6,0000", "6,5000", "30,0000", "32,5000",
                                                      "30,0000", "14,0000", "13,5000", "21,6667"},
                                                     "über Soll")}));

        // −100 % makes the cream free.
        l = Preisaenderungsliste(*daten, aenderung(-100, TPreisAuswahl::zutatengruppe, " Molkerei"),
                                 0);
        QCOMPARE(l.zeilen, (QList<QStringList>{zeile("Kartoffelsuppe", "Produkte 6",
                                                     {"1,2500", "0,7500", "25,0000", "15,0000",
                                                      "30,0000", "3,7500", "4,2500", "2,5000"},
                                                     "im Soll"),
                                               zeile("Rahmschnitzel", "Produkte 7",
                                                     {"5,0000", "4,0000", "59,5000", "47,6000",
                                                      "0,0000", "3,4034", "4,4034", "0,0000"},
                                                     "kein Soll")}));
    }

    void statusGrenzen() {
        // Target 30 %: at it, just above it, before and after.
        auto status = [](double vorher, double nachher, double we) {
            return Preisfolgen(vorher, nachher, 100, 0, we).status;
        };
        QCOMPARE(status(20, 30, 30), TSollStatus::imSoll);
        QCOMPARE(status(30, 30.000000000000004, 30), TSollStatus::ueberSoll);
        QCOMPARE(status(30.000000000000004, 31, 30), TSollStatus::bleibtUeberSoll);
        QCOMPARE(status(40, 30, 30), TSollStatus::imSoll);
        QCOMPARE(status(20, 90, 0), TSollStatus::keinSoll);
        QCOMPARE(SollStatusText(TSollStatus::bleibtUeberSoll), QStringLiteral("bleibt über Soll"));
    }

    // The simulated EK with unchanged prices is the EK of the recipe list, bit for bit,
    // also with weight loss; so an unchanged recipe is never listed.
    void ekWieInDerListe() {
        TUmfang u = TypischeKueche();
        u.rezepte = 300;
        ErzeugeDaten(*daten, u);
        const TPreisaenderung a = aenderung(10);
        const std::vector<bool> keine(daten->anzahlZutaten(), false);
        for (uint32_t i = 0; i < daten->anzahlRezepte(); ++i) {
            const TRezept& r = daten->rezept(i);
            const TPreisfolgen f = Preisfolgen(*daten, r, a, keine, daten->GetGruppeMwst(r.gruppe),
                                               daten->GetGruppeWE(r.gruppe));
            QCOMPARE(f.ekVorher, EK(*daten, r));
            QCOMPARE(f.ekNachher, f.ekVorher);
            const TRezeptPreise p = RezeptPreise(*daten, r);
            QCOMPARE(f.quoteVorher, p.wequote);
            QCOMPARE(f.dbVorher, p.db);
        }
        QCOMPARE(Preisaenderungsliste(*daten, aenderung(0), 0).anzahlZeilen(), 0);
        QCOMPARE(Preisaenderungsliste(*daten, aenderung(0), 0, true).anzahlZeilen(), 300);
    }
};

QTEST_GUILESS_MAIN(TestPreisaenderung)
#include "test_preisaenderung.moc"
