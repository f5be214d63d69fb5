#include "lists/chart/preiskurve.h"

#include <QImage>
#include <QTest>

namespace {

// The darkest pixel's colour in a column range, to see where the line went.
int blaueIn(const QImage& bild, int x0, int x1) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = x0; x < x1; ++x) {
            const QColor c = bild.pixelColor(x, y);
            n += c.blue() > 100 && c.red() < 80 ? 1 : 0;
        }
    return n;
}

} // namespace

class TestPreiskurve : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    // A step line: the higher price stands right of its day, the lower one left of it.
    void stufenNachDemTag() {
        QImage bild(600, 300, QImage::Format_RGB32);
        bild.fill(Qt::black);
        QPainter p(&bild);
        ZeichnePreiskurve(p, bild.rect(), 96,
                          {{QDate(2024, 1, 1), 2}, {QDate(2024, 3, 1), 4}, {QDate(2024, 5, 1), 4}},
                          QStringLiteral("€/kg"));
        p.end();
        QCOMPARE(bild.pixelColor(599, 0), QColor(Qt::white)); // the whole area is painted
        QVERIFY(blaueIn(bild, 100, 500) > 100);
        // Where is the line in the left and right thirds of the plot: lower on the left.
        const auto hoehe = [&](int x) {
            for (int y = 0; y < bild.height(); ++y) {
                const QColor c = bild.pixelColor(x, y);
                if (c.blue() > 100 && c.red() < 80)
                    return y;
            }
            return -1;
        };
        const int links = hoehe(150), rechts = hoehe(450);
        QVERIFY2(links > rechts && rechts > 0,
                 qPrintable(QStringLiteral("%1 %2").arg(links).arg(rechts)));
    }

    void ohnePunkteWeiss() {
        QImage bild(300, 200, QImage::Format_RGB32);
        bild.fill(Qt::black);
        QPainter p(&bild);
        ZeichnePreiskurve(p, bild.rect(), 96, {}, QStringLiteral("€/kg"));
        p.end();
        QCOMPARE(bild.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(blaueIn(bild, 0, 300), 0);
    }
};

QTEST_MAIN(TestPreiskurve)
#include "test_preiskurve.moc"
