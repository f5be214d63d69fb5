#include "core/zahlen.h"
#include "lists/auswertung.h"
#include "lists/chart/diagramm.h"
#include "tests/support/locale.h"

#include <QImage>
#include <QTest>

namespace {

// A table as the evaluation builds it, with the given cells in row 1 ("Alle Produkte").
TListe Tabelle(const QStringList& zellen) {
    TListe t;
    t.spalten.append({QStringLiteral("Name"), 150});
    for (qsizetype i = 0; i < zellen.size(); ++i)
        t.spalten.append({Monatskuerzel(int(i % 12) + 1), 50});
    QStringList nullen(zellen.size(), QStringLiteral("0,00"));
    t.zeilen.append(QStringList{QStringLiteral("Alle")} + nullen);
    t.zeilen.append(QStringList{QStringLiteral("Alle Produkte")} + zellen);
    return t;
}

struct TBild {
    QImage bild;
    TDiagrammAufbau aufbau;
};

TBild Zeichne(const TListe& t, int zeile, int dpi, int breite, int hoehe) {
    TBild b{QImage(breite, hoehe, QImage::Format_RGB32), {}};
    b.bild.fill(Qt::blue); // shows what the chart leaves unpainted
    {
        QPainter p(&b.bild);
        drawdiagramm(p, 0, 0, breite, hoehe, dpi, t, zeile, QStringLiteral("Deckungsbeitrag"));
    }
    b.aufbau =
        DiagrammAufbau(0, 0, breite, hoehe, dpi, t, zeile, QStringLiteral("Deckungsbeitrag"));
    return b;
}

bool rot(const QImage& b, int x, int y) {
    return b.pixel(x, y) == qRgb(255, 0, 0);
}
bool schwarz(const QImage& b, int x, int y) {
    return b.pixel(x, y) == qRgb(0, 0, 0);
}

// The rows that are red in column x, as [first, last].
std::pair<int, int> roteZeilen(const QImage& b, int x) {
    int erste = -1, letzte = -1;
    for (int y = 0; y < b.height(); ++y)
        if (rot(b, x, y)) {
            if (erste < 0)
                erste = y;
            letzte = y;
        }
    return {erste, letzte};
}

} // namespace

class TestDiagramm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void achsenmaximum_data() {
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("t");
        QTest::newRow("537") << 537.0 << 600.0;
        QTest::newRow("600") << 600.0 << 700.0;
        QTest::newRow("100") << 100.0 << 200.0;
        QTest::newRow("9.99") << 9.99 << 10.0;
        QTest::newRow("5.3") << 5.3 << 6.0;
        QTest::newRow("0.0123") << 0.0123 << 0.02;
        QTest::newRow("0") << 0.0 << 2.0;
        QTest::newRow("1") << 1.0 << 2.0;
        QTest::newRow("12345678") << 12345678.0 << 20000000.0;
    }
    void achsenmaximum() {
        QFETCH(double, max);
        QTEST(Achsenmaximum(max), "t");
    }

    void massstabNachAufloesung_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("stift");
        QTest::newRow("Bildschirm") << 96 << 7 << 0;
        QTest::newRow("Drucker") << 600 << 47 << 5;
    }
    void massstabNachAufloesung() {
        QFETCH(int, dpi);
        TLocaleWahl de(QStringLiteral("de_DE"));
        const auto a = DiagrammAufbau(0, 0, 800, 500, dpi, Tabelle({QStringLiteral("1,00")}), 1,
                                      QStringLiteral("Umsatz netto"));
        QTEST(a.g, "g");
        QTEST(a.stift, "stift");
        QCOMPARE(Textschrift(dpi).pixelSize(), dpi / 6);  // 12 pt
        QCOMPARE(Titelschrift(dpi).pixelSize(), dpi / 4); // 18 pt
        QCOMPARE(Titelschrift(dpi).weight(), QFont::Black);
    }

    void nullzeileMitAchseBisZwei_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("marken");
        QTest::newRow("de") << QStringLiteral("de_DE")
                            << QStringList{"2",   "1,8", "1,6", "1,4", "1,2", "1",
                                           "0,8", "0,6", "0,4", "0,2", "0"};
        QTest::newRow("en") << QStringLiteral("en_US")
                            << QStringList{"2",   "1.8", "1.6", "1.4", "1.2", "1",
                                           "0.8", "0.6", "0.4", "0.2", "0"};
    }
    void nullzeileMitAchseBisZwei() {
        QFETCH(QString, locale);
        TLocaleWahl wahl(locale);
        const QString null = ZahlFest(0, 2);
        const TBild b = Zeichne(Tabelle({null, null, null}), 1, 96, 800, 500);
        QTEST(b.aufbau.marken, "marken");
        QCOMPARE(b.aufbau.achsenmax, 2.0);
        // Flat bars: outlines on the month axis, nothing red.
        for (const QRect& r : b.aufbau.balken) {
            QCOMPARE(r.height(), 0);
            QCOMPARE(r.top(), b.aufbau.yBase);
            QVERIFY(schwarz(b.bild, r.center().x(), b.aufbau.yBase));
            QCOMPARE(roteZeilen(b.bild, r.center().x()).first, -1);
        }
    }

    void balkenImVerhaeltnis_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("96 dpi") << 96 << 800 << 500;
        QTest::newRow("600 dpi") << 600 << 5000 << 3125;
    }
    void balkenImVerhaeltnis() {
        QFETCH(int, dpi);
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        TLocaleWahl de(QStringLiteral("de_DE"));
        const TBild b = Zeichne(Tabelle({QStringLiteral("537,00"), QStringLiteral("268,50"),
                                         QStringLiteral("0,00"), QStringLiteral("60,00")}),
                                1, dpi, breite, hoehe);
        const TDiagrammAufbau& a = b.aufbau;
        QCOMPARE(a.achsenmax, 600.0);
        QCOMPARE(a.marken[0], QStringLiteral("600"));
        QCOMPARE(a.marken[1], QStringLiteral("540"));
        QCOMPARE(a.titel, QStringLiteral("Deckungsbeitrag Gruppe: Alle Produkte"));
        QCOMPARE(b.bild.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(b.bild.pixel(breite - 1, hoehe - 1), qRgb(255, 255, 255));

        const int plotH = a.yBase - a.yTop;
        const int stift = std::max(1, a.stift);
        const double anteile[] = {537.0 / 600, 268.5 / 600, 0, 60.0 / 600};
        for (int i = 0; i < 4; ++i) {
            const QRect r = a.balken[i];
            QCOMPARE(r.bottom() + 1, a.yBase);
            QVERIFY(std::abs(r.height() - anteile[i] * plotH) < 1);
            if (r.height() <= 2 * stift)
                continue;
            // In the picture: red inside the outline, from its top down to the axis.
            const auto [erste, letzte] = roteZeilen(b.bild, r.center().x());
            QVERIFY(std::abs(erste - (r.top() + stift)) <= stift);
            QVERIFY(std::abs(letzte - (a.yBase - stift)) <= stift);
            QVERIFY(schwarz(b.bild, r.center().x(), r.top()));
            QCOMPARE(b.bild.pixel(r.center().x(), r.top() - stift - 1), qRgb(255, 255, 255));
        }
        // 537 reaches 537/600 of the plot height, 60 a tenth: the first tick line.
        QCOMPARE(a.balken[3].top(), a.markenY[9]);
        QVERIFY(a.balken[0].top() > a.markenY[1] && a.balken[0].top() < a.markenY[2]);

        // The axes, and the outline in the width of the pen.
        QVERIFY(schwarz(b.bild, a.x0, (a.yTop + a.yBase) / 2));
        QVERIFY(schwarz(b.bild, (a.x0 + a.xEnd) / 2, a.yBase));
        const QRect r = a.balken[0];
        const int y = r.center().y();
        int schwarze = 0;
        for (int x = r.left() - 10; x < r.left() + 10; ++x)
            schwarze += schwarz(b.bild, x, y);
        QCOMPARE(schwarze, stift);
    }

    void einMonatIstMittig() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        const TBild b = Zeichne(Tabelle({QStringLiteral("5,30")}), 1, 96, 800, 500);
        const TDiagrammAufbau& a = b.aufbau;
        QCOMPARE(a.achsenmax, 6.0);
        QCOMPARE(a.balken.size(), 1);
        const int plotW = a.xEnd - a.x0 + 1;
        const QRect r = a.balken[0];
        QVERIFY(std::abs((r.left() + r.left() + r.width()) / 2.0 - (a.x0 + plotW / 2.0)) <= 1);
        QVERIFY(std::abs(r.width() - 0.4 * plotW) <= 1);
        QVERIFY(rot(b.bild, r.center().x(), r.center().y()));
        QVERIFY(!rot(b.bild, r.left() - 2, r.center().y()));
        QVERIFY(!rot(b.bild, r.left() + r.width() + 1, r.center().y()));
        // The month title stands centred under the bar, at the bottom.
        QCOMPARE(a.monatPos.size(), 1);
        QVERIFY(a.monatPos[0].x() < r.center().x() && a.monatPos[0].y() > a.yBase);
    }

    void negativerBalkenHaengtUnterDerAchse_data() {
        QTest::addColumn<QStringList>("zellen");
        QTest::addColumn<double>("achsenmax");
        QTest::addColumn<double>("anteil"); // of the plot height; 0: past the rectangle
        QTest::newRow("im Bild") << QStringList{"-150.00", "300.00"} << 400.0 << 0.375;
        // 2 × 10^6 plot heights below the axis: further than a pixel coordinate reaches.
        QTest::newRow("weit darunter") << QStringList{"-20000.00", "0.01"} << 0.02 << 0.0;
    }
    void negativerBalkenHaengtUnterDerAchse() {
        QFETCH(QStringList, zellen);
        QFETCH(double, anteil);
        TLocaleWahl en(QStringLiteral("en_US"));
        const TBild b = Zeichne(Tabelle(zellen), 1, 600, 4000, 3000);
        const TDiagrammAufbau& a = b.aufbau;
        QTEST(a.achsenmax, "achsenmax"); // negative values never raise the axis
        const QRect r = a.balken[0];
        QCOMPARE(r.top(), a.yBase);
        const auto [erste, letzte] = roteZeilen(b.bild, r.center().x());
        QVERIFY(erste > a.yBase && letzte > erste);
        if (anteil > 0) {
            QVERIFY(std::abs(r.height() - anteil * (a.yBase - a.yTop)) < 1);
            QVERIFY(letzte < r.bottom());
        } else {
            QVERIFY(r.bottom() >= b.bild.height() && r.bottom() < 2 * b.bild.height());
            QCOMPARE(letzte, b.bild.height() - 1);
        }
        QVERIFY(a.balken[1].bottom() < a.yBase);
    }

    void zeichnetInsRechteck() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        QImage bild(600, 400, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        {
            QPainter p(&bild);
            drawdiagramm(p, 100, 50, 400, 300, 96, Tabelle({QStringLiteral("10,00")}), 1,
                         QStringLiteral("Umsatz netto"));
        }
        QCOMPARE(bild.pixel(99, 200), qRgb(0, 0, 255));
        QCOMPARE(bild.pixel(100, 50), qRgb(255, 255, 255));
        QCOMPARE(bild.pixel(499, 349), qRgb(255, 255, 255));
        QCOMPARE(bild.pixel(500, 349), qRgb(0, 0, 255));
        QCOMPARE(bild.pixel(300, 350), qRgb(0, 0, 255));
    }
};

QTEST_MAIN(TestDiagramm)
#include "test_diagramm.moc"
