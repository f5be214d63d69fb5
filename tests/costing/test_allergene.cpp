#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "costing/zutatkatalog.h"
#include "lists/kennzeichnungslisten.h"
#include "tests/support/aufbau.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

using Z = TAllergenZustand;

constexpr int gluten = 0, eier = 2, erdnuesse = 4, milch = 6, nuesse = 7, sellerie = 8;

TZutatDeklaration alle(Z z) {
    TZutatDeklaration d;
    for (int g = 0; g < AllergenGruppen; ++g)
        d.setze(g, z);
    d.zusatzstoffeGeprueft = true;
    return d;
}

// A dish of one line per ingredient given.
TRezept& Gericht(TDaten& d, const QString& name, std::initializer_list<int> zutaten) {
    TRezept& r = NeuesRezept(d, name, 1, 9.5);
    for (int z : zutaten)
        NeueZeile(r, z, 0.1);
    return r;
}

QString Schriftform(const TDaten& d, const TRezept& r) {
    return KennzeichnungsText(Deklaration(d, r), Kennzeichnung(d).tabelle);
}

} // namespace

class TestAllergene : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void vierZustaendeGegeneinander_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("erwartet");
        const Z e = Z::enthaelt, s = Z::spuren, u = Z::ungeklaert, f = Z::frei;
        const auto fall = [](const char* n, Z a, Z b, Z x) {
            QTest::newRow(n) << int(a) << int(b) << int(x);
        };
        fall("enthält schlägt Spuren", s, e, e);
        fall("enthält schlägt ungeklärt", u, e, e);
        fall("enthält schlägt frei", f, e, e);
        fall("Spuren schlagen ungeklärt", u, s, s);
        fall("Spuren schlagen frei", f, s, s);
        fall("ungeklärt schlägt frei", f, u, u);
        fall("frei nur wenn alle frei", f, f, f);
        fall("Spuren und Spuren", s, s, s);
    }
    void vierZustaendeGegeneinander() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, erwartet);
        TDaten d;
        NeueZutat(d, QStringLiteral("A"), 1, 1);
        NeueZutat(d, QStringLiteral("B"), 1, 1);
        Kennzeichnung(d).setze(0, alle(Z(a)));
        Kennzeichnung(d).setze(1, alle(Z(b)));
        const TRezept& r = Gericht(d, QStringLiteral("Beides"), {0, 1});
        const TDeklaration dekl = Deklaration(d, r);
        for (int g = 0; g < AllergenGruppen; ++g)
            QCOMPARE(int(dekl.zustand(g)), erwartet);
        // The order of the lines changes nothing.
        QCOMPARE(Deklaration(d, Gericht(d, QStringLiteral("Umgekehrt"), {1, 0})), dekl);
    }

    void nichtsDeklariertIstNieFrei() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Salz"), 1, 1);
        NeueZutat(d, QStringLiteral("Wasser"), 1, 1);
        Kennzeichnung(d).setze(0, alle(Z::frei));
        // A new ingredient, a dish without lines, a line naming no ingredient, a line with
        // quantity 0: each leaves the dish undeclared.
        const TDeklaration leer = Deklaration(d, Gericht(d, QStringLiteral("Leer"), {}));
        QCOMPARE(leer.ungeklaert, AlleGruppen);
        QVERIFY(leer.zusatzstoffeUngeklaert);
        QCOMPARE(Deklaration(d, Gericht(d, QStringLiteral("Mit Wasser"), {0, 1})).ungeklaert,
                 AlleGruppen);
        QCOMPARE(Deklaration(d, Gericht(d, QStringLiteral("Ohne Zutat"), {0, 7})).ungeklaert,
                 AlleGruppen);
        TRezept& null = Gericht(d, QStringLiteral("Null"), {0});
        NeueZeile(null, 1, 0);
        QVERIFY(!Deklaration(d, null).vollstaendig());
        const TDeklaration nurSalz = Deklaration(d, Gericht(d, QStringLiteral("Salz"), {0}));
        QVERIFY(nurSalz.vollstaendig());
        QCOMPARE(int(nurSalz.zustand(sellerie)), int(Z::frei));
        QCOMPARE(Schriftform(d, d.rezept(0)),
                 QStringLiteral("ungeklärt: A, B, C, D, E, F, G, H, L, M, N, O, P, R, "
                                "Zusatzstoffe"));
    }

    void artenUndZusatzstoffeAlsVereinigung() {
        TDaten d;
        for (const char* n : {"Weizenmehl", "Gerstenmalz", "Nussmix", "Cola"})
            NeueZutat(d, QString::fromUtf8(n), 1, 1);
        auto& k = Kennzeichnung(d);
        TZutatDeklaration w = alle(Z::frei);
        w.setze(gluten, Z::enthaelt);
        w.arten = 1u << 0; // Weizen
        w.setzeZusatzstoff(2, true);
        k.setze(0, w);
        TZutatDeklaration g = alle(Z::frei);
        g.setze(gluten, Z::enthaelt);
        g.arten = 1u << 2; // Gerste
        g.setze(milch, Z::enthaelt);
        g.setze(eier, Z::enthaelt);
        k.setze(1, g);
        TZutatDeklaration n = alle(Z::frei);
        n.setze(erdnuesse, Z::spuren);
        n.setze(nuesse, Z::spuren);
        n.setze(sellerie, Z::ungeklaert);
        k.setze(2, n);
        // Unchecked additives still count with the classes the ingredient names.
        TZutatDeklaration c = alle(Z::frei);
        c.setzeZusatzstoff(10, true);
        c.zusatzstoffeGeprueft = false;
        k.setze(3, c);

        const TRezept& r = Gericht(d, QStringLiteral("Alles"), {0, 1, 2, 3});
        const TDeklaration dekl = Deklaration(d, r);
        QCOMPARE(dekl.arten, uint16_t(0b101));
        QCOMPARE(dekl.zusatzstoffe, uint64_t((1u << 1) | (1u << 9)));
        QVERIFY(dekl.zusatzstoffeUngeklaert);
        QCOMPARE(Schriftform(d, r), QStringLiteral("A (Weizen, Gerste), C, G; 2, 10; Spuren: E, "
                                                   "H; ungeklärt: L, Zusatzstoffe"));
        // Traces of a group another ingredient contains are no traces.
        k.setze(2, [&] {
            TZutatDeklaration x = n;
            x.setze(eier, Z::spuren);
            return x;
        }());
        QCOMPARE(Deklaration(d, r).spuren, uint16_t((1u << erdnuesse) | (1u << nuesse)));

        // Kinds go with "enthält" only.
        TZutatDeklaration x = w;
        x.setze(gluten, Z::spuren);
        QCOMPARE(x.arten, uint16_t(0));

        // The card over all dishes: the same written form in its last column.
        const TListe karte = Allergenkarte(d, 0);
        QCOMPARE(karte.zelle(0, 1), QStringLiteral("A (Weizen, Gerste), C, G"));
        QCOMPARE(karte.zelle(0, 2), QStringLiteral("2, 10"));
        QCOMPARE(karte.zelle(0, 3), QStringLiteral("E, H"));
        QCOMPARE(karte.zelle(0, 4), QStringLiteral("L, Zusatzstoffe"));
        QCOMPARE(UngeklaerteRezepte(d, 0), 1);
    }

    void codesBearbeitetUndEindeutig() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Ei"), 1, 1);
        TZutatDeklaration e = alle(Z::frei);
        e.setze(eier, Z::enthaelt);
        e.setzeZusatzstoff(1, true);
        Kennzeichnung(d).setze(0, e);
        const TRezept& r = Gericht(d, QStringLiteral("Omelett"), {0});
        TKennzeichnungsTabelle t = Kennzeichnung(d).tabelle;
        t.codes[eier] = QStringLiteral("Ei");
        t.zusatzstoffe[0].code = QStringLiteral("K");
        t.pruefe();
        Kennzeichnung(d).tabelle = t;
        QCOMPARE(Schriftform(d, r), QStringLiteral("Ei; K"));

        // Unique across both tables, never empty, never a separator.
        for (const QString& code : {QStringLiteral("A"), QStringLiteral("2"), QStringLiteral(" "),
                                    QStringLiteral("X,Y"), QStringLiteral("1;")}) {
            TKennzeichnungsTabelle falsch = t;
            falsch.zusatzstoffe[0].code = code;
            QVERIFY_THROWS_EXCEPTION(TFehler, falsch.pruefe());
        }
        QVERIFY_THROWS_EXCEPTION(TFehler, Kennzeichnung(d).neueKlasse({QStringLiteral("Ei"), {}}));
        QCOMPARE(Kennzeichnung(d).neueKlasse({QStringLiteral("16"), QStringLiteral("mit Alkohol")}),
                 16);
    }

    void legendeHaeltGenauDieBenutztenCodes() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Senf"), 1, 1);
        NeueZutat(d, QStringLiteral("Sesam"), 1, 1);
        TZutatDeklaration s = alle(Z::frei);
        s.setze(9, Z::enthaelt);
        s.setzeZusatzstoff(3, true);
        Kennzeichnung(d).setze(0, s);
        TZutatDeklaration n = alle(Z::frei);
        n.setze(10, Z::spuren);
        n.setze(sellerie, Z::ungeklaert);
        Kennzeichnung(d).setze(1, n);
        const TKennzeichnungsTabelle& t = Kennzeichnung(d).tabelle;
        const std::vector<TDeklaration> seite = {
            Deklaration(d, Gericht(d, QStringLiteral("Wurst"), {0})),
            Deklaration(d, Gericht(d, QStringLiteral("Brot"), {1}))};
        const std::vector<TLegendenEintrag> erwartet = {
            {QStringLiteral("L"), QStringLiteral("Sellerie")},
            {QStringLiteral("M"), QStringLiteral("Senf")},
            {QStringLiteral("N"), QStringLiteral("Sesamsamen")},
            {QStringLiteral("3"), QStringLiteral("mit Antioxidationsmittel")}};
        QCOMPARE(Legende(seite, t), erwartet);
        QCOMPARE(Legende(std::span(seite).first(1), t).size(), size_t(2));
    }

    void dokumentationNenntDieUrsachen() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Butter"), 1, 1);
        NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
        NeueZutat(d, QStringLiteral("Zucker"), 1, 1);
        TZutatDeklaration b = alle(Z::frei);
        b.setze(milch, Z::enthaelt);
        b.datum = int32_t(QDate(2024, 3, 1).toJulianDay());
        Kennzeichnung(d).setze(0, b);
        TZutatDeklaration m = alle(Z::frei);
        m.setze(gluten, Z::enthaelt);
        m.arten = 1u << 4; // Dinkel
        m.setze(milch, Z::spuren);
        m.zusatzstoffeGeprueft = false;
        Kennzeichnung(d).setze(1, m);
        const TRezept& r = Gericht(d, QStringLiteral("Mürbeteig"), {0, 1, 2, 0});
        const TListe doku = AllergenDokumentation(d, r);
        QCOMPARE(doku.anzahlZeilen(), qsizetype(AllergenGruppen + 1));
        QCOMPARE(doku.zeilen[0], QStringList({QStringLiteral("gluten"), QStringLiteral("A"),
                                              QStringLiteral("Glutenhaltiges Getreide (Dinkel)"),
                                              QStringLiteral("enthält"), QStringLiteral("Mehl")}));
        // Butter twice, named once; the traces of the flour do not matter beside it.
        QCOMPARE(doku.zelle(milch, 4), QStringLiteral("Butter"));
        QCOMPARE(doku.zelle(sellerie, 3), QStringLiteral("ungeklärt"));
        QCOMPARE(doku.zelle(sellerie, 4), QStringLiteral("Zucker"));
        QCOMPARE(
            doku.zeilen.last(),
            QStringList({QStringLiteral("Zusatzstoff"), QString(), QStringLiteral("Zusatzstoffe"),
                         QStringLiteral("ungeklärt"), QStringLiteral("Mehl, Zucker")}));
        QVERIFY(AllergenDokumentation(d, r, true)
                    .zelle(milch, 4)
                    .startsWith(QStringLiteral("Butter – ")));
    }

    void dateiOhneDeklarationUnveraendert() {
        TDaten d;
        BaueBeispiel(d);
        const QByteArray vorher = DatenAlsBytes(d);
        Kennzeichnung(d).setze(0, TZutatDeklaration{});
        QVERIFY(Kennzeichnung(d).leer());
        QCOMPARE(DatenAlsBytes(d), vorher);
        Kennzeichnung(d).setze(0, alle(Z::frei));
        QVERIFY(DatenAlsBytes(d) != vorher);
        Kennzeichnung(d).setze(0, TZutatDeklaration{});
        QCOMPARE(DatenAlsBytes(d), vorher);
    }

    void abschnittLesenUndSchreiben() {
        TDaten d;
        for (int i = 0; i < 5; ++i)
            NeueZutat(d, QStringLiteral("Z%1").arg(i), 1, 1);
        auto& k = Kennzeichnung(d);
        TZutatDeklaration a = alle(Z::spuren);
        a.setze(nuesse, Z::enthaelt);
        a.arten = uint16_t(0xff << 6);
        a.setzeZusatzstoff(16, true);
        a.datum = int32_t(QDate(2025, 1, 31).toJulianDay());
        k.neueKlasse({QStringLiteral("16"), QStringLiteral("mit Alkohol")});
        k.tabelle.texte[milch] = QStringLiteral("Milch");
        k.setze(1, a);
        k.setze(3, alle(Z::frei));
        const QByteArray bytes = DatenAlsBytes(d);

        TDaten g;
        LeseDaten(g, bytes);
        const auto& kg = Kennzeichnung(g);
        QCOMPARE(kg.tabelle, k.tabelle);
        QCOMPARE(kg.deklaration(1), a);
        QCOMPARE(kg.deklaration(3), alle(Z::frei));
        QVERIFY(kg.deklaration(0).leer());
        QCOMPARE(DatenAlsBytes(g), bytes);

        // Declarations follow their ingredients; a new document keeps the tables.
        QCOMPARE(LoescheZutat(g, 0), TZutatLoeschen::moeglich);
        QCOMPARE(Kennzeichnung(g).deklaration(0), a);
        QCOMPARE(Kennzeichnung(g).deklaration(2), alle(Z::frei));
        g.Leeren();
        QVERIFY(Kennzeichnung(g).deklaration(0).leer());
        QCOMPARE(Kennzeichnung(g).tabelle, k.tabelle);
    }

    void beschaedigterAbschnittAbgelehnt() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Z"), 1, 1);
        Kennzeichnung(d).setze(0, alle(Z::frei));
        const QByteArray gut = DatenAlsBytes(d);
        // The entry's flags byte sits 4 + 1 + 4 + 1 + 12 (end section) bytes before the end:
        // position, states, kinds, flags, date, additive byte count.
        const qsizetype flags = gut.size() - 12 - 1 - 4 - 1;
        QByteArray falsch = gut;
        falsch[flags] = 7;
        TDaten g;
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(g, falsch));
        // Kinds of a group it does not contain.
        falsch = gut;
        falsch[flags - 2] = 1;
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(g, falsch));
        // A declaration of an ingredient the file lacks.
        falsch = gut;
        falsch[flags - 10] = 1;
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(g, falsch));
        LeseDaten(g, gut);
        QCOMPARE(Kennzeichnung(g).deklaration(0), alle(Z::frei));
    }

    // Recipe trees: ingredients named "→N" stand for recipe N. Against a reference that
    // collects every ingredient of the tree first and then applies the rule group by
    // group, nothing is lost and nothing undeclared turns free.
    void zufaelligeBaeumeGegenReferenz() {
        SetzeUnterrezeptAufloesung([](const TDaten& d, uint32_t z) -> std::optional<uint32_t> {
            const QString n = Text(d.zutat(z).name);
            if (!n.startsWith(QStringLiteral("→")))
                return std::nullopt;
            return n.mid(1).toUInt();
        });
        QRandomGenerator zufall(4711);
        for (int runde = 0; runde < 40; ++runde) {
            TDaten d;
            const int blaetter = 12, rezepte = 10;
            for (int i = 0; i < blaetter; ++i) {
                NeueZutat(d, QStringLiteral("Z%1").arg(i), 1, 1);
                if (zufall.bounded(5) == 0)
                    continue; // never declared
                TZutatDeklaration z;
                for (int g = 0; g < AllergenGruppen; ++g)
                    z.setze(g, Z(zufall.bounded(4)));
                z.zusatzstoffeGeprueft = zufall.bounded(2);
                z.zusatzstoffe = zufall.bounded(16);
                z.datum = 1;
                Kennzeichnung(d).setze(uint32_t(i), z);
            }
            for (int r = 0; r < rezepte; ++r)
                NeueZutat(d, QStringLiteral("→%1").arg(r), 1, 1);
            // Recipe r uses leaves and only later recipes: trees up to ten levels deep.
            for (int r = 0; r < rezepte; ++r) {
                TRezept& rz = NeuesRezept(d, QStringLiteral("R%1").arg(r));
                const int zeilen = zufall.bounded(4);
                for (int i = 0; i < zeilen; ++i) {
                    const bool unter = r + 1 < rezepte && zufall.bounded(3) == 0;
                    NeueZeile(rz,
                              unter ? blaetter + r + 1 + zufall.bounded(rezepte - r - 1)
                              : zufall.bounded(9) == 0 ? 999
                                                       : zufall.bounded(blaetter),
                              zufall.bounded(3));
                }
            }
            for (int r = 0; r < rezepte; ++r) {
                // Reference: the leaves of the tree, an empty sub-recipe as an undeclared one.
                std::vector<int> funde;
                std::function<void(int)> sammle = [&](int nr) {
                    const TRezept& rz = d.rezept(uint32_t(nr));
                    for (uint32_t i = 0; i < rz.zutaten->count; ++i) {
                        const int z = rz.zutaten->at<TRezeptZutat>(i)->zutatnr;
                        if (z >= blaetter && z < blaetter + rezepte) {
                            if (d.rezept(uint32_t(z - blaetter)).zutaten->count == 0)
                                funde.push_back(-1);
                            sammle(z - blaetter);
                        } else {
                            funde.push_back(z >= 0 && z < blaetter ? z : -1);
                        }
                    }
                };
                sammle(r);
                const TDeklaration dekl = Deklaration(d, d.rezept(uint32_t(r)));
                for (int g = 0; g < AllergenGruppen; ++g) {
                    bool e = false, s = false, u = funde.empty();
                    for (int z : funde) {
                        const Z zs = z < 0 ? Z::ungeklaert
                                           : Kennzeichnung(d).deklaration(uint32_t(z)).zustand(g);
                        e |= zs == Z::enthaelt;
                        s |= zs == Z::spuren;
                        u |= zs == Z::ungeklaert;
                    }
                    const Z erwartet = e   ? Z::enthaelt
                                       : s ? Z::spuren
                                       : u ? Z::ungeklaert
                                           : Z::frei;
                    QCOMPARE(int(dekl.zustand(g)), int(erwartet));
                }
                uint64_t zusatz = 0;
                bool offen = funde.empty();
                for (int z : funde) {
                    const TZutatDeklaration& zd =
                        z < 0 ? TZutatDeklaration{} : Kennzeichnung(d).deklaration(uint32_t(z));
                    zusatz |= zd.zusatzstoffe;
                    offen |= !zd.zusatzstoffeGeprueft;
                }
                QCOMPARE(dekl.zusatzstoffe, zusatz);
                QCOMPARE(dekl.zusatzstoffeUngeklaert, offen);
            }
        }
        SetzeUnterrezeptAufloesung({});
    }
};

QTEST_GUILESS_MAIN(TestAllergene)
#include "test_allergene.moc"
