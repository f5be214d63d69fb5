#include "core/fehler.h"
#include "core/uhr.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/tabellendruck.h"
#include "lists/chart/diagramm.h"
#include "tests/exchange/aufzeichner.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A4 in pixels at 300 dpi.
constexpr int a4Breite = 2480, a4Hoehe = 3508;

TListe Liste(const QStringList& titel, const QList<QStringList>& zeilen) {
    TListe l;
    for (const QString& t : titel)
        l.spalten.append({t, 75});
    l.zeilen = zeilen;
    return l;
}

std::unique_ptr<TAufzeichner> Drucke(const TListe& l, int dpi = 300, int breite = a4Breite,
                                     int hoehe = a4Hoehe,
                                     const QString& titel = QStringLiteral("Liste"),
                                     const QStringList& str = {}) {
    auto g = std::make_unique<TAufzeichner>(dpi, breite, hoehe);
    QPainter p(g.get());
    DruckeTabelle(p, g->alsSeiten(), titel, l, str);
    return g;
}

// A cell box by its sides, in device pixels.
struct TKasten {
    int links, oben, rechts, unten;
    int breite() const { return rechts - links; }
    int hoehe() const { return unten - oben; }
};

// The cell boxes of a page, in drawing order: every four lines close one rectangle.
QList<TKasten> Kaesten(const TAufzeichner::TSeite& s) {
    QList<TKasten> k;
    for (qsizetype i = 0; i + 3 < s.linien.size(); i += 4) {
        qreal links = 1e9, oben = 1e9, rechts = -1e9, unten = -1e9;
        for (qsizetype j = i; j < i + 4; ++j) {
            const QLineF& l = s.linien[j].linie;
            links = std::min({links, l.x1(), l.x2()});
            rechts = std::max({rechts, l.x1(), l.x2()});
            oben = std::min({oben, l.y1(), l.y2()});
            unten = std::max({unten, l.y1(), l.y2()});
        }
        // Each side starts where the previous one ended: a closed outline.
        for (qsizetype j = i; j < i + 4; ++j) {
            const qsizetype naechste = j + 1 < i + 4 ? j + 1 : i;
            if (s.linien[j].linie.p2() != s.linien[naechste].linie.p1())
                return {};
        }
        k.append({int(links), int(oben), int(rechts), int(unten)});
    }
    return k;
}

QStringList Texte(const TAufzeichner::TSeite& s, bool fett) {
    QStringList t;
    for (const auto& x : s.texte)
        if (x.fett == fett)
            t << x.text;
    return t;
}

QFontMetrics Text(const TAufzeichner& g) {
    return QFontMetrics(Textschrift(g.dpi), &g);
}
QFontMetrics Fett(const TAufzeichner& g) {
    QFont f = Textschrift(g.dpi);
    f.setBold(true);
    return QFontMetrics(f, &g);
}

// Rows that all fit their columns: three columns, `n` rows.
TListe Gitter(int n) {
    QList<QStringList> zeilen;
    for (int i = 0; i < n; ++i)
        zeilen.append(
            {QStringLiteral("Zeile %1").arg(i), QStringLiteral("x"), QString::number(i * 7)});
    return Liste({QStringLiteral("Name"), QStringLiteral("Menge"), QStringLiteral("Nr")}, zeilen);
}

} // namespace

class TestTabellendruck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TUhr::setzeHeute(QDate(2024, 6, 15));
    }
    void cleanupTestCase() { TUhr::setze({}); }

    void masseUndRaender_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("rand");
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("stift");
        QTest::addColumn<int>("kastenLinks");
        QTest::newRow("300") << 300 << 177 << 59 << 2 << 147;  // 177.17, 59.06, 2.95, 147.47
        QTest::newRow("600") << 600 << 354 << 118 << 5 << 295; // 354.33, 118.11, 5.91, 294.94
    }
    void masseUndRaender() {
        QFETCH(int, dpi);
        QFETCH(int, rand);
        QFETCH(int, abstand);
        QFETCH(int, stift);
        QFETCH(int, kastenLinks);
        const TTabellenMasse m(dpi);
        QCOMPARE(m.rand, rand);
        QCOMPARE(m.abstand, abstand);
        QCOMPARE(m.stift, stift);
        QVERIFY(std::abs(m.halbAbstand - 0.25 * dpi / 2.54) < 1e-9);
        QCOMPARE(TTabellenMasse(10).stift, 1); // never thinner than a pixel

        const TListe l = Gitter(2);
        const auto g = Drucke(l, dpi, a4Breite * dpi / 300, a4Hoehe * dpi / 300);
        const auto& s = g->seiten[0];
        const QFontMetrics text = Text(*g), fett = Fett(*g);
        const QFontMetrics titel(Titelschrift(dpi), g.get());

        // Heading at the top left margin, then two body lines down the caption row.
        QCOMPARE(s.texte[0].text, QStringLiteral("Liste 15.06.24"));
        QCOMPARE(s.texte[0].pos, QPointF(rand, rand + titel.ascent()));
        const int kopf = rand + 2 * text.height();
        QCOMPARE(s.texte[1].text, QStringLiteral("Name"));
        QCOMPARE(s.texte[1].pos, QPointF(rand, kopf + fett.ascent()));
        // Each caption stands one column width and a gap right of the one before.
        const QList<int> b =
            Spaltenbreiten(l, a4Breite * dpi / 300 - 2 * rand, abstand, fett, text);
        QCOMPARE(s.texte[2].pos.x(), rand + b[0] + abstand);
        QCOMPARE(s.texte[3].pos.x(), rand + b[0] + b[1] + 2 * abstand);

        // An empty bold line between captions and the first row.
        const int erste = kopf + 2 * fett.height();
        const QList<TKasten> k = Kaesten(s);
        QCOMPARE(k.size(), 6);
        QCOMPARE(k[0].links, kastenLinks);
        QCOMPARE(k[0].oben, erste);
        QCOMPARE(s.texte[4].pos, QPointF(rand, erste + text.ascent()));
        for (const auto& linie : s.linien)
            QCOMPARE(linie.stift, qreal(stift));
    }

    void kaestenTeilenIhreSeiten() {
        const TListe l = Gitter(3);
        const auto g = Drucke(l);
        const QList<TKasten> k = Kaesten(g->seiten[0]);
        QCOMPARE(k.size(), 9);
        const TTabellenMasse m(300);
        const int lh = Text(*g).height();
        const QList<int> b =
            Spaltenbreiten(l, a4Breite - 2 * m.rand, m.abstand, Fett(*g), Text(*g));
        for (int r = 0; r < 3; ++r) {
            for (int i = 0; i < 3; ++i) {
                const TKasten& kasten = k[r * 3 + i];
                QCOMPARE(kasten.hoehe(), lh);
                QVERIFY(std::abs(kasten.breite() - (b[i] + m.abstand)) <= 1);
                if (i > 0)
                    QCOMPARE(kasten.links, k[r * 3 + i - 1].rechts);
                if (r > 0)
                    QCOMPARE(kasten.oben, k[(r - 1) * 3 + i].unten);
            }
        }
    }

    void spaltenbreiten() {
        // The caption is measured bold, the cells regular; whichever is wider wins.
        const TListe l = Liste({QStringLiteral("Gewichtsverlust"), QStringLiteral("N")},
                               {{QStringLiteral("a"), QStringLiteral("Kartoffelsuppe mit Speck")},
                                {QStringLiteral("bb"), QString()}});
        TAufzeichner g(300, a4Breite, a4Hoehe);
        const QList<int> b = Spaltenbreiten(l, 2000, 59, Fett(g), Text(g));
        QCOMPARE(
            b, (QList<int>{Fett(g).horizontalAdvance(QStringLiteral("Gewichtsverlust")),
                           Text(g).horizontalAdvance(QStringLiteral("Kartoffelsuppe mit Speck"))}));
        QCOMPARE(Spaltenbreiten(TListe(), 2000, 59, Fett(g), Text(g)), QList<int>());

        // A list too wide for the page: equal shares, also for narrow columns.
        const QString lang(60, QLatin1Char('W'));
        TListe breit = Liste({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                             {{lang, QStringLiteral("x"), lang}});
        // (1000 / 3) - 59 for every column, the narrow one included.
        QCOMPARE(Spaltenbreiten(breit, 1000, 59, Fett(g), Text(g)), (QList<int>{274, 274, 274}));

        // The 24th column keeps its width and is taken off the room the others share.
        QStringList titel, zellen;
        for (int i = 0; i < 25; ++i) {
            titel << QStringLiteral("S%1").arg(i);
            zellen << (i == 23 ? QStringLiteral("schmal") : lang);
        }
        breit = Liste(titel, {zellen});
        const int w23 = Text(g).horizontalAdvance(QStringLiteral("schmal"));
        const QList<int> geteilt = Spaltenbreiten(breit, 3000, 59, Fett(g), Text(g));
        QCOMPARE(geteilt.size(), 25);
        QCOMPARE(geteilt[23], w23);
        for (int i = 0; i < 25; ++i)
            if (i != 23)
                QCOMPARE(geteilt[i], (3000 - (59 + w23)) / 24 - 59);
    }

    void umbruch() {
        TAufzeichner g(300, a4Breite, a4Hoehe);
        const QFontMetrics fm = Text(g);
        QCOMPARE(Umbrechen(QString(), 100, fm), QStringList());
        QCOMPARE(Umbrechen(QStringLiteral("Salz"), 1000, fm), QStringList{QStringLiteral("Salz")});
        // Without room every character stands alone, below an empty first line.
        QCOMPARE(Umbrechen(QStringLiteral("abc"), 0, fm),
                 (QStringList{QString(), QStringLiteral("a"), QStringLiteral("b"),
                              QStringLiteral("c")}));
        QCOMPARE(Umbrechen(QStringLiteral("abc"), -40, fm).size(), 4);
        // Broken between any two characters, not at blanks, each line as full as fits.
        const QString text = QStringLiteral("Kartoffeln mehligkochend");
        const int breite = fm.horizontalAdvance(QStringLiteral("Kartoffeln m"));
        const QStringList z = Umbrechen(text, breite, fm);
        QCOMPARE(z.join(QString()), text);
        QCOMPARE(z[0], QStringLiteral("Kartoffeln m"));
        for (const QString& zeile : z)
            QVERIFY(fm.horizontalAdvance(zeile) <= breite);
        // A character outside the basic plane is never cut in half.
        const QString smiley = QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                 "b");
        for (const QString& zeile : Umbrechen(smiley, 1, fm))
            QVERIFY(zeile.isEmpty() || zeile.isValidUtf16());
    }

    void dreizeiligeZelleMachtDieZeileHoch() {
        TAufzeichner mass(300, a4Breite, a4Hoehe);
        const QFontMetrics fm = Text(mass);
        // Two long columns on a page 1200 pixels wide share (1200 - 354) / 2 - 59 = 364.
        const int anteil = 364;
        QString drei;
        while (Umbrechen(drei, anteil, fm).size() < 3)
            drei += QStringLiteral("Zwiebel");
        const TListe l = Liste({QStringLiteral("Name"), QStringLiteral("Text")},
                               {{QStringLiteral("a"), drei}, {QStringLiteral("b"), drei.left(3)}});
        const auto g = Drucke(l, 300, 1200, a4Hoehe);
        const QList<TKasten> k = Kaesten(g->seiten[0]);
        QCOMPARE(k.size(), 4);
        const int lh = fm.height();
        QCOMPARE(k[0].hoehe(), 3 * lh);
        QCOMPARE(k[1].hoehe(), 3 * lh); // the one-line neighbour is as high
        QCOMPARE(k[2].oben, k[0].unten);
        QCOMPARE(k[2].hoehe(), lh);
        QCOMPARE(k[0].breite(), anteil + 59);

        // The three lines of the cell, one body line apart, in the second column.
        QList<qreal> hoehen;
        for (const auto& t : g->seiten[0].texte)
            if (!t.fett && t.pos.x() == 177 + anteil + 59 && t.pos.y() < k[2].oben)
                hoehen << t.pos.y();
        QCOMPARE(hoehen.size(), 3);
        QCOMPARE(hoehen[1] - hoehen[0], qreal(lh));
        QCOMPARE(hoehen[2] - hoehen[1], qreal(lh));
    }

    void seitenumbruchWiederholtDieKoepfe() {
        const TListe l = Gitter(150);
        const auto g = Drucke(l);
        QVERIFY(g->seiten.size() >= 3);
        const int m = 177;
        const QFontMetrics fett = Fett(*g);
        QStringList alle;
        for (qsizetype n = 0; n < g->seiten.size(); ++n) {
            const auto& s = g->seiten[n];
            QCOMPARE(Texte(s, true), (QStringList{QStringLiteral("Name"), QStringLiteral("Menge"),
                                                  QStringLiteral("Nr")}));
            if (n > 0) {
                // No heading on further pages: the captions stand at the top margin.
                QCOMPARE(s.texte[0].text, QStringLiteral("Name"));
                QCOMPARE(s.texte[0].pos.y(), m + fett.ascent());
            }
            for (const TKasten& k : Kaesten(s))
                QVERIFY(k.unten < a4Hoehe - m);
            for (const auto& t : s.texte)
                if (!t.fett && t.text.startsWith(QLatin1String("Zeile")))
                    alle << t.text;
        }
        QCOMPARE(alle.size(), 150);
        for (int i = 0; i < 150; ++i)
            QCOMPARE(alle[i], QStringLiteral("Zeile %1").arg(i));
    }

    void letzteZeileAmRandGibtKopfseite() {
        const TListe l = Gitter(5);
        const auto probe = Drucke(l);
        const QList<TKasten> k = Kaesten(probe->seiten[0]);
        const int ende = k.last().unten, h = k.last().hoehe();
        // The break test after the last row: ending within its own height of the bottom
        // limit starts a page that holds only the caption row.
        const auto knapp = Drucke(l, 300, a4Breite, ende + h + 177);
        QCOMPARE(knapp->seiten.size(), 2);
        QCOMPARE(
            Texte(knapp->seiten[1], true),
            (QStringList{QStringLiteral("Name"), QStringLiteral("Menge"), QStringLiteral("Nr")}));
        QCOMPARE(Texte(knapp->seiten[1], false), QStringList());
        QVERIFY(knapp->seiten[1].linien.isEmpty());
        QCOMPARE(Drucke(l, 300, a4Breite, ende + h + 178)->seiten.size(), 1);
    }

    void hoheZeileLaeuftNichtUeberDasBlatt() {
        // A six-line row after one-line rows: the guess from the row before would put it
        // past the paper's edge, so it starts the next page.
        TAufzeichner mass(300, a4Breite, a4Hoehe);
        QString sechs;
        while (Umbrechen(sechs, 364, Text(mass)).size() < 6)
            sechs += QStringLiteral("Zwiebel");
        const TListe l = Liste({QStringLiteral("Name"), QStringLiteral("Text")},
                               {{QStringLiteral("a"), QStringLiteral("b")},
                                {QStringLiteral("c"), QStringLiteral("d")},
                                {QStringLiteral("e"), sechs}});
        const auto probe = Drucke(l, 300, 1200, a4Hoehe);
        const TKasten hoch = Kaesten(probe->seiten[0]).last();
        QCOMPARE(hoch.hoehe(), 6 * Text(mass).height());

        const int hoehe = hoch.unten - 10;
        const auto g = Drucke(l, 300, 1200, hoehe);
        // The third page holds the caption row: the tall row ends near the bottom.
        QCOMPARE(g->seiten.size(), 3);
        QCOMPARE(Kaesten(g->seiten[0]).size(), 4);
        for (const TKasten& k : Kaesten(g->seiten[0]))
            QVERIFY(k.unten <= hoehe);
        QCOMPARE(Kaesten(g->seiten[1]).size(), 2);
        QCOMPARE(Kaesten(g->seiten[1]).last().hoehe(), hoch.hoehe());
    }

    void ueberschriftUndZusatzzeilen() {
        // However long, the heading is one line; an empty title leaves only the date.
        const QString lang(300, QLatin1Char('M'));
        auto g = Drucke(Gitter(0), 300, a4Breite, a4Hoehe, lang);
        QCOMPARE(g->seiten.size(), 1);
        QCOMPARE(g->seiten[0].texte[0].text, lang + QStringLiteral(" 15.06.24"));
        QVERIFY(g->seiten[0].linien.isEmpty());
        QCOMPARE(Texte(g->seiten[0], true).size(), 3);
        g = Drucke(Gitter(0), 300, a4Breite, a4Hoehe, QString());
        QCOMPARE(g->seiten[0].texte[0].text, QStringLiteral(" 15.06.24"));
        {
            TLocaleWahl en(QStringLiteral("en_US"));
            g = Drucke(Gitter(0), 300, a4Breite, a4Hoehe, QStringLiteral("Zutaten"));
            QCOMPARE(g->seiten[0].texte[0].text, QStringLiteral("Zutaten 6/15/24"));
        }

        // Extra lines one body line apart; an empty one only takes its place, and one
        // that wraps pushes the next one down by its whole height.
        const QString breit = QStringLiteral("Beschreibung ").repeated(40);
        g = Drucke(Gitter(0), 300, a4Breite, a4Hoehe, QStringLiteral("T"),
                   {QStringLiteral("eins"), QString(), breit, QStringLiteral("vier")});
        const QFontMetrics fm = Text(*g);
        const int lh = fm.height(), y0 = 177 + 2 * lh + fm.ascent();
        const QStringList umbrochen = Umbrechen(breit, a4Breite - 2 * 177, fm);
        QVERIFY(umbrochen.size() > 1);
        const auto& t = g->seiten[0].texte;
        QCOMPARE(t[1].text, QStringLiteral("eins"));
        QCOMPARE(t[1].pos, QPointF(177, y0));
        QCOMPARE(t[2].text, umbrochen[0]);
        QCOMPARE(t[2].pos.y(), y0 + 2 * lh);
        const auto& vier = t[2 + umbrochen.size()];
        QCOMPARE(vier.text, QStringLiteral("vier"));
        QCOMPARE(vier.pos.y(), y0 + (2 + umbrochen.size()) * lh);
    }

    void jedeSpalteAuchUeberHundert() {
        // An evaluation of many months: every column is printed, however many.
        QStringList titel, zellen;
        for (int i = 0; i < 120; ++i) {
            titel << QString::number(i);
            zellen << QString();
        }
        const auto g = Drucke(Liste(titel, {zellen}), 300, 40000, a4Hoehe);
        QCOMPARE(Kaesten(g->seiten[0]).size(), 120);
        QCOMPARE(Texte(g->seiten[0], true), titel);
    }

    void geraetVerweigert() {
        // A device that cannot be painted on: an error with the reason, no output.
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("fehlt/liste.pdf"));
        QPdfWriter pdf(pfad);
        QStringList namen;
        const auto merke = [&](const QString& n) { namen << n; };
        bool gezeichnet = false;
        try {
            Drucke(
                pdf, QStringLiteral("Zutaten"),
                [&](QPainter&, const TSeiten&) { gezeichnet = true; }, merke);
            QFAIL("kein Fehler");
        } catch (const TFehler& f) {
            QVERIFY(f.meldung().contains(QStringLiteral("\"Zutaten\"")));
        }
        QVERIFY(!gezeichnet);
        QVERIFY_THROWS_EXCEPTION(TFehler, PrintDiagram(pdf, TListe(), 0, QString(), merke));
        QVERIFY(!QFile::exists(pfad));
        QCOMPARE(namen, (QStringList{QStringLiteral("Zutaten"), QStringLiteral("Diagramm")}));
    }
};

QTEST_MAIN(TestTabellendruck)
#include "test_tabellendruck.moc"
