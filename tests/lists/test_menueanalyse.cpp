// Menu engineering over the recorded sales: shares, DB per portion, the two thresholds
// and the four classes.
#include "bench/generator/grossdaten.h"
#include "core/daten.h"
#include "lists/listen.h"
#include "lists/menueanalyse.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <memory>

namespace {

QStringList zeile(const char* name, std::initializer_list<const char*> zahlen, const char* klasse) {
    QStringList z{QString::fromUtf8(name), QStringLiteral("Gruppe 2")};
    for (const char* c : zahlen)
        z << t(c);
    z << QString::fromUtf8(klasse);
    return z;
}

// A sales day with its portions and DB; the other stored figures play no part.
void verkauf(TRezept& r, int jahr, int monat, int tag, int menge, double db) {
    NeuerVerkauf(r, jahr, monat, tag, menge, 0, 0, 0, 0, db);
}

TMenueWahl halbjahr(int filter = 3 + 1) {
    return {QDate(2024, 1, 1), QDate(2024, 6, 30), filter};
}

} // namespace

class TestMenueanalyse : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Six recipes of group 1 share 60 portions and a DB of 180 in the first half of 2024:
    // an even share is 100 ÷ 6 %, popular from 70 % of it, that is 7 portions; the
    // average DB per portion is 3. A service outside the filter sells more than all.
    void karte() {
        TDaten& d = *daten;
        TRezept& gulasch = NeuesRezept(d, QStringLiteral("Gulasch"), 1, 10, 1);
        verkauf(gulasch, 2024, 3, 1, 20, 50);
        verkauf(gulasch, 2024, 3, 2, 9, 29); // 29 portions, 79: popular, below average
        TRezept& forelle = NeuesRezept(d, QStringLiteral("Forelle"), 1, 10, 1);
        verkauf(forelle, 2024, 1, 1, 7, 35); // exactly 70 % of an even share
        TRezept& pasta = NeuesRezept(d, QStringLiteral("Trüffelpasta"), 1, 10, 1);
        verkauf(pasta, 2024, 6, 30, 6, 24); // one portion short of popular
        TRezept& eintopf = NeuesRezept(d, QStringLiteral("Eintopf"), 1, 10, 1);
        verkauf(eintopf, 2023, 12, 31, 10, 100); // before and after the range
        verkauf(eintopf, 2024, 7, 1, 10, 100);
        TRezept& schnitzel = NeuesRezept(d, QStringLiteral("Schnitzel"), 1, 10, 1);
        verkauf(schnitzel, 2024, 5, 15, 5, 15);
        verkauf(schnitzel, 2024, 5, 16, 7, 21); // 12 portions at exactly the average
        TRezept& suppe = NeuesRezept(d, QStringLiteral("Suppe"), 1, 10, 1);
        verkauf(suppe, 2024, 2, 2, 6, 6);
        TRezept& kaffee = NeuesRezept(d, QStringLiteral("Kaffee"), 1, 10, 20);
        verkauf(kaffee, 2024, 2, 2, 1000, 2000);
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

    void rechenbeispiel() {
        karte();
        const TMenueAnalyse a = Menueanalyse(*daten, halbjahr());
        QCOMPARE(a.portionen, 60);
        QCOMPARE(a.dbGesamt, 180.0);
        QCOMPARE(a.schwelleDb, 3.0);
        QCOMPARE(a.schwelleAnteil, 70.0 / 6);
        const TListe l = MenueListe(a);
        QCOMPARE(l.spalten, (QList<TSpalte>{{"Name", 150},
                                            {"Gruppe", 100},
                                            {"Portionen", 75},
                                            {"Anteil (%)", 75},
                                            {"DB pro Portion", 100},
                                            {"DB gesamt", 100},
                                            {"Klasse", 100}}));
        QCOMPARE(l.zeilen,
                 (QList<QStringList>{
                     zeile("Schnitzel", {"12", "20,00", "3,0000", "36,0000"}, "Star"),
                     zeile("Forelle", {"7", "11,67", "5,0000", "35,0000"}, "Star"),
                     zeile("Gulasch", {"29", "48,33", "2,7241", "79,0000"}, "Arbeitspferd"),
                     zeile("Trüffelpasta", {"6", "10,00", "4,0000", "24,0000"}, "Rätsel"),
                     zeile("Suppe", {"6", "10,00", "1,0000", "6,0000"}, "Ladenhüter"),
                     zeile("Eintopf", {"0", "0,00", "0,0000", "0,0000"}, "Ladenhüter")}));
        QCOMPARE(a.posten[0].nr, 4u);
        QVERIFY(a.posten[1].beliebt && !a.posten[3].beliebt);
    }

    // Every recipe counts for n, the unsold ones too; the thresholds move with the filter.
    void filterAendertDieSchwellen() {
        karte();
        const TMenueAnalyse a = Menueanalyse(*daten, halbjahr(FilterAlle));
        QCOMPARE(qsizetype(a.posten.size()), 7);
        QCOMPARE(a.portionen, 1060);
        // Popular from 106 portions: only Kaffee, whose 2 per portion is below 2180 ÷ 1060;
        // the dishes above that average become puzzles.
        QCOMPARE(a.posten[0].name, QStringLiteral("Kaffee"));
        QCOMPARE(a.posten[0].klasse, TMenueKlasse::arbeitspferd);
        QCOMPARE(a.posten[1].name, QStringLiteral("Gulasch"));
        QCOMPARE(MenueKlassenText(a.posten[1].klasse), QStringLiteral("Rätsel"));
        QCOMPARE(a.posten[4].name, QStringLiteral("Trüffelpasta"));
        QCOMPARE(a.posten[5].klasse, TMenueKlasse::ladenhueter);
    }

    // Nothing sold in the range, or a range that ends before it starts: all "Ladenhüter".
    void ohneVerkaeufe() {
        karte();
        for (const TMenueWahl& w : {TMenueWahl{QDate(2020, 1, 1), QDate(2020, 12, 31), 4},
                                    TMenueWahl{QDate(2024, 6, 30), QDate(2024, 1, 1), 4}}) {
            const TMenueAnalyse a = Menueanalyse(*daten, w);
            QCOMPARE(a.portionen, 0);
            QCOMPARE(a.schwelleDb, 0.0);
            const TListe l = MenueListe(a);
            QCOMPARE(l.anzahlZeilen(), 6);
            for (const QStringList& z : l.zeilen) {
                QCOMPARE(z[3], t("0,00"));
                QCOMPARE(z[6], QStringLiteral("Ladenhüter"));
            }
            // Equal DB: recipe order.
            QCOMPARE(l.zelle(0, 0), QStringLiteral("Gulasch"));
            QCOMPARE(l.zelle(5, 0), QStringLiteral("Suppe"));
        }
        TDaten leer;
        QVERIFY(Menueanalyse(leer, halbjahr(0)).posten.empty());
    }

    // With a negative average an unsold recipe's 0 per portion would beat it; it is
    // never profitable all the same.
    void unverkauftNieRentabel() {
        TRezept& verlust = NeuesRezept(*daten, QStringLiteral("Verlust"), 1, 1, 0);
        verkauf(verlust, 2024, 1, 1, 10, -20);
        NeuesRezept(*daten, QStringLiteral("Neu"), 1, 1, 0);
        const TMenueAnalyse a = Menueanalyse(*daten, halbjahr(0));
        QCOMPARE(a.schwelleDb, -2.0);
        QCOMPARE(a.posten[0].klasse, TMenueKlasse::star);
        QCOMPARE(a.posten[1].name, QStringLiteral("Neu"));
        QVERIFY(a.posten[1].dbProPortion >= a.schwelleDb);
        QCOMPARE(a.posten[1].klasse, TMenueKlasse::ladenhueter);
    }

    // Popularity is decided on whole numbers, 10 × p × n ≥ 7 × all, which can pass 64
    // bits: one recipe of 10 000 sells 50 000 days of 2 000 000 000 portions, 1e19.
    void beliebtOhneUeberlauf() {
        TRezept& a = NeuesRezept(*daten, QStringLiteral("A"), 1, 1, 0);
        auto* v = static_cast<TVerkauf*>(a.verkaeufe->AddMany(50000));
        for (int i = 0; i < 50000; ++i, ++v)
            *v = TVerkauf{2024, 1, 1, 2000000000, 0, 0, 0, 0, 1};
        for (int i = 1; i < 10000; ++i)
            NeuesRezept(*daten, QStringLiteral("R"), 1, 1, 0);
        const TMenueAnalyse m = Menueanalyse(*daten, halbjahr(0));
        QCOMPARE(m.portionen, Q_INT64_C(100000000000000));
        QCOMPARE(m.posten[0].name, QStringLiteral("A"));
        QCOMPARE(m.posten[0].klasse, TMenueKlasse::star);
        QCOMPARE(m.posten[1].klasse, TMenueKlasse::ladenhueter);
        QCOMPARE(MenueListe(m).zelle(0, 2), QStringLiteral("100000000000000"));
    }

    // The one pass gives what a direct sum over each recipe's days in the range gives.
    void wieDirekteSumme() {
        TUmfang u = TypischeKueche();
        u.rezepte = 60;
        ErzeugeDaten(*daten, u);
        const TMenueWahl w{QDate(2023, 3, 1), QDate(2023, 8, 31), 0};
        const TMenueAnalyse a = Menueanalyse(*daten, w);
        QCOMPARE(qsizetype(a.posten.size()), 60);
        qint64 alle = 0;
        for (const TMenuePosten& p : a.posten) {
            const TRezept& r = daten->rezept(p.nr);
            qint64 portionen = 0;
            double db = 0;
            for (uint32_t i = 0; i < r.verkaeufe->count; ++i) {
                const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
                const QDate tag(v.jahr, v.monat, v.tag);
                if (tag >= w.start && tag <= w.ende) {
                    portionen += v.menge;
                    db += v.deckungsbeitrag;
                }
            }
            QCOMPARE(p.portionen, portionen);
            QCOMPARE(p.dbGesamt, db);
            alle += portionen;
        }
        QCOMPARE(a.portionen, alle);
        // Classes in order, DB falling within each.
        for (size_t i = 1; i < a.posten.size(); ++i) {
            const TMenuePosten &x = a.posten[i - 1], &y = a.posten[i];
            QVERIFY(x.klasse < y.klasse || (x.klasse == y.klasse && x.dbGesamt >= y.dbGesamt));
        }
    }
};

QTEST_GUILESS_MAIN(TestMenueanalyse)
#include "test_menueanalyse.moc"
