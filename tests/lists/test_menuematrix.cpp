// The menu-engineering matrix: its axes, thresholds, quadrants and points, on a picture.
#include "core/daten.h"
#include "lists/chart/menuematrix.h"
#include "lists/menueanalyse.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QImage>
#include <QTest>

namespace {

void verkauf(TRezept& r, int menge, double db) {
    NeuerVerkauf(r, 2024, 3, 1, menge, 0, 0, 0, 0, db);
}

// Four dishes, one per quadrant: 40 portions, an even share 25 %, popular from 17.5 %;
// average DB 3 per portion.
TMenueAnalyse vierQuadranten(TDaten& d) {
    verkauf(NeuesRezept(d, QStringLiteral("Star"), 1, 1, 0), 15, 60);      // 37.5 %, 4
    verkauf(NeuesRezept(d, QStringLiteral("Pferd"), 1, 1, 0), 15, 30);     // 37.5 %, 2
    verkauf(NeuesRezept(d, QStringLiteral("Raetsel"), 1, 1, 0), 5, 25);    // 12.5 %, 5
    verkauf(NeuesRezept(d, QStringLiteral("Ladenhueter"), 1, 1, 0), 5, 5); // 12.5 %, 1
    return Menueanalyse(d, {QDate(2024, 1, 1), QDate(2024, 12, 31), 0});
}

QImage Zeichne(const TMenueAnalyse& a, int breite, int hoehe, int dpi) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::blue); // shows what the matrix leaves unpainted
    QPainter p(&bild);
    ZeichneMenueMatrix(p, 0, 0, breite, hoehe, dpi, a);
    return bild;
}

} // namespace

class TestMenueMatrix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void achse_data() {
        QTest::addColumn<double>("von");
        QTest::addColumn<double>("bis");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("schritt");
        QTest::newRow("0 bis 5.4") << 0.0 << 5.4 << 0.0 << 6.0 << 2.0;
        QTest::newRow("0 bis 50") << 0.0 << 50.0 << 0.0 << 50.0 << 10.0;
        QTest::newRow("-3 bis 7") << -3.0 << 7.0 << -4.0 << 8.0 << 2.0;
        QTest::newRow("0.012 bis 0.031") << 0.012 << 0.031 << 0.01 << 0.035 << 0.005;
        QTest::newRow("nur 0") << 0.0 << 0.0 << 0.0 << 1.0 << 0.2;
        QTest::newRow("nur -40") << -40.0 << -40.0 << -40.0 << 0.0 << 10.0;
    }
    void achse() {
        QFETCH(double, von);
        QFETCH(double, bis);
        const TAchse a = Achse(von, bis);
        QFETCH(double, min);
        QVERIFY(qFuzzyCompare(1 + a.min, 1 + min));
        QFETCH(double, max);
        QVERIFY(qFuzzyCompare(a.max, max));
        QFETCH(double, schritt);
        QVERIFY(qFuzzyCompare(a.schritt, schritt));
        QVERIFY(a.min <= von && a.max >= bis);
    }

    // Each dish sits in its quadrant, at its share and DB per portion; the thresholds
    // divide the plot where the analysis puts them.
    void quadrantenUndPunkte() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        const TMenueAnalyse a = vierQuadranten(d);
        QCOMPARE(a.schwelleAnteil, 17.5);
        QCOMPARE(a.schwelleDb, 3.0);
        const TMatrixAufbau m = MenueMatrixAufbau(0, 0, 800, 500, 96, a);
        QCOMPARE(m.quadranten, (QStringList{"Star", "Arbeitspferd", "Rätsel", "Ladenhüter"}));
        QCOMPARE(m.schwelleXText, QStringLiteral("17,50 %"));
        QCOMPARE(m.schwelleYText, QStringLiteral("Ø 3,00"));
        QCOMPARE(m.schwelleX, m.px(17.5));
        QCOMPARE(m.schwelleY, m.py(3));
        QVERIFY(m.x0 < m.schwelleX && m.schwelleX < m.xEnd);
        QVERIFY(m.yTop < m.schwelleY && m.schwelleY < m.yBase);

        // Posten come by class: Star, Pferd, Raetsel, Ladenhueter.
        QCOMPARE(m.punkte.size(), 4);
        const QPoint star = m.punkte[0], pferd = m.punkte[1], raetsel = m.punkte[2],
                     laden = m.punkte[3];
        QVERIFY(star.x() > m.schwelleX && star.y() < m.schwelleY);
        QVERIFY(pferd.x() > m.schwelleX && pferd.y() > m.schwelleY);
        QVERIFY(raetsel.x() < m.schwelleX && raetsel.y() < m.schwelleY);
        QVERIFY(laden.x() < m.schwelleX && laden.y() > m.schwelleY);
        QCOMPARE(star.x(), pferd.x());
        // DB 4 against 2: twice as far above the axis minimum 0.
        QVERIFY(std::abs((m.yBase - star.y()) - 2 * (m.yBase - pferd.y())) <= 1);
        // The quadrant names stand in their quadrants.
        QVERIFY(m.quadrantenPos[0].x() > m.schwelleX && m.quadrantenPos[0].y() < m.schwelleY);
        QVERIFY(m.quadrantenPos[1].x() > m.schwelleX && m.quadrantenPos[1].y() > m.schwelleY);
        QVERIFY(m.quadrantenPos[2].x() < m.schwelleX && m.quadrantenPos[2].y() < m.schwelleY);
        QVERIFY(m.quadrantenPos[3].x() < m.schwelleX && m.quadrantenPos[3].y() > m.schwelleY);
        // Tick labels follow the locale.
        QVERIFY(m.xMarken.contains(QStringLiteral("0")));
        QCOMPARE(m.xMarkenX.first(), m.x0);
        QCOMPARE(m.yMarkenY.first(), m.yBase);
    }

    void bild_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("96 dpi") << 96 << 800 << 500;
        QTest::newRow("600 dpi") << 600 << 5000 << 3125;
    }
    void bild() {
        QFETCH(int, dpi);
        QFETCH(int, breite);
        QFETCH(int, hoehe);
        TLocaleWahl en(QStringLiteral("en_US"));
        TDaten d;
        const TMenueAnalyse a = vierQuadranten(d);
        const QImage b = Zeichne(a, breite, hoehe, dpi);
        const TMatrixAufbau m = MenueMatrixAufbau(0, 0, breite, hoehe, dpi, a);
        QCOMPARE(m.g, dpi == 96 ? 7 : 47);
        // Nothing left unpainted.
        for (int y = 0; y < hoehe; y += 7)
            for (int x = 0; x < breite; x += 7)
                QVERIFY(b.pixel(x, y) != qRgb(0, 0, 255));
        // Every point in the colour of its class.
        for (qsizetype i = 0; i < m.punkte.size(); ++i)
            QCOMPARE(QColor(b.pixel(m.punkte[i])), MenueKlassenFarbe(a.posten[size_t(i)].klasse));
        // The axes in black; the dashed thresholds grey along their lines.
        QCOMPARE(b.pixel(m.x0, m.yTop + 3), qRgb(0, 0, 0));
        QCOMPARE(b.pixel((m.x0 + m.xEnd) / 2, m.yBase), qRgb(0, 0, 0));
        int grau = 0;
        for (int y = m.yTop; y < m.yBase; ++y)
            grau += b.pixel(m.schwelleX, y) == qRgb(96, 96, 96);
        QVERIFY(grau > (m.yBase - m.yTop) / 4);
        QCOMPARE(m.schwelleXText, QStringLiteral("17.50 %"));
    }

    // No dishes, or nothing sold: a plain chart with an axis from 0 to 1 and the
    // points at the origin.
    void leerUndOhneVerkaeufe() {
        TLocaleWahl de(QStringLiteral("de_DE"));
        TDaten d;
        TMenueAnalyse a = Menueanalyse(d, {QDate(2024, 1, 1), QDate(2024, 12, 31), 0});
        QImage b = Zeichne(a, 400, 300, 96);
        QCOMPARE(b.pixel(0, 0), qRgb(255, 255, 255));
        NeuesRezept(d, QStringLiteral("Neu"), 1, 1, 0);
        NeuesRezept(d, QStringLiteral("Auch neu"), 1, 1, 0);
        a = Menueanalyse(d, {QDate(2024, 1, 1), QDate(2024, 12, 31), 0});
        const TMatrixAufbau m = MenueMatrixAufbau(0, 0, 400, 300, 96, a);
        QCOMPARE(m.y.min, 0.0);
        QCOMPARE(m.y.max, 1.0);
        QCOMPARE(m.punkte[0], QPoint(m.x0, m.yBase));
        b = Zeichne(a, 400, 300, 96);
        QCOMPARE(QColor(b.pixel(m.punkte[0] + QPoint(1, -1))),
                 MenueKlassenFarbe(TMenueKlasse::ladenhueter));
        // Too small to hold a plot: drawn all the same, within its rectangle.
        b = QImage(40, 30, QImage::Format_RGB32);
        b.fill(Qt::blue);
        {
            QPainter p(&b);
            ZeichneMenueMatrix(p, 5, 5, 20, 10, 96, a);
        }
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(b.pixel(x, y) == qRgb(0, 0, 255), !QRect(5, 5, 20, 10).contains(x, y));
    }
};

QTEST_MAIN(TestMenueMatrix)
#include "test_menuematrix.moc"
