// The picture viewer and the about dialog.
#include "core/uhr.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "ui/aboutbox.h"
#include "ui/bildform.h"

#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>

namespace {
// Receives the addresses the about dialog asks the system to open.
class TBrowser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public Q_SLOTS:
    void oeffne(const QUrl& url) { geoeffnet.append(url); }
};
} // namespace

class TestDialogBild : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString bild(const QString& name, int breite, int hoehe, const char* format) {
        QImage b(breite, hoehe, QImage::Format_RGB32);
        b.fill(Qt::red);
        const QString pfad = dir.filePath(name);
        b.save(pfad, format);
        return pfad;
    }

private Q_SLOTS:
    void bildUnskaliertObenLinks() {
        TTestMelder m;
        fenster::TZeigeBildForm f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Bild zeigen"));
        f.show();
        QVERIFY(f.laden(bild(QStringLiteral("klein.png"), 120, 80, "PNG")));
        QCoreApplication::processEvents();
        QCOMPARE(f.Image1->geometry(), QRect(0, 0, 120, 80));
        QVERIFY(!f.ScrollBox1->horizontalScrollBar()->isVisible());
        QVERIFY(!f.ScrollBox1->verticalScrollBar()->isVisible());

        // The second picture replaces the first, at its own size, with scroll bars.
        QVERIFY(f.laden(bild(QStringLiteral("gross.JPEG"), 2000, 1500, "JPEG")));
        QCoreApplication::processEvents();
        QCOMPARE(f.Image1->size(), QSize(2000, 1500));
        QVERIFY(f.ScrollBox1->horizontalScrollBar()->isVisible());
        QVERIFY(f.ScrollBox1->verticalScrollBar()->isVisible());
        QVERIFY(m.eintraege.isEmpty());

        Knopf(f, QStringLiteral("Zurück"))->click();
        QVERIFY(!f.isVisible());
    }

    // The extension decides: a valid picture under another extension is refused, and so
    // are a missing file, damaged contents and an empty name.
    void nichtLesbareBilder() {
        TTestMelder m;
        fenster::TZeigeBildForm f;
        QVERIFY(f.laden(bild(QStringLiteral("gut.png"), 10, 10, "PNG")));
        const QStringList pfade = {
            bild(QStringLiteral("bild.txt"), 10, 10, "PNG"),
            bild(QStringLiteral("ohne_endung"), 10, 10, "PNG"),
            bild(QStringLiteral("eigentlich_png.jpg"), 10, 10, "PNG"),
            dir.filePath(QStringLiteral("fehlt.png")),
            QString(),
        };
        for (const QString& pfad : pfade)
            QVERIFY2(!f.laden(pfad), qPrintable(pfad));
        QCOMPARE(m.eintraege.size(), pfade.size());
        for (const auto& e : m.eintraege) {
            QCOMPARE(e.symbol, TSymbol::fehler);
            QCOMPARE(e.titel, QStringLiteral("Bild zeigen"));
        }
        QVERIFY(m.eintraege[0].text.contains(QStringLiteral("unbekannt")));
        QVERIFY(m.eintraege[3].text.contains(QStringLiteral("nicht gefunden")));
        QCOMPARE(f.Image1->size(), QSize(10, 10)); // the last good picture stays

        QCOMPARE(fenster::BildFormat(u"a.Tif"), QByteArray("tiff"));
        QCOMPARE(fenster::BildFormat(u"a.JPG"), QByteArray("jpeg"));
        QCOMPARE(fenster::BildFormat(u"a.emf"), QByteArray("emf"));
        QVERIFY(!fenster::BildFormat(u"a.webp"));
    }

    void infoDialog() {
        TTestMelder m;
        TUhr::setzeHeute(QDate(2031, 5, 1));
        fenster::TAboutBox a;
        TUhr::setze({});
        QCOMPARE(a.windowTitle(), QStringLiteral("Info"));
        PruefeZugaenglich(a);
        QVERIFY(a.Copyright->text().contains(QStringLiteral("2031")));
        QVERIFY(!a.Copyright->text().contains(QStringLiteral("XXXX")));
        QVERIFY(!a.ProgramIcon->pixmap().isNull()); // the picture is compiled in
        QCOMPARE(a.ProgramIcon->size(), QSize(306, 322));

        TBrowser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "oeffne");
        Knopf(a, QStringLiteral("https://www.tolvane.de/ormisto"))->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.geoeffnet,
                 QList<QUrl>({QUrl(QStringLiteral("https://www.tolvane.de/ormisto"))}));

        a.show();
        Knopf(a, QStringLiteral("OK"))->click();
        QCOMPARE(a.result(), int(QDialog::Accepted));
        QVERIFY(m.eintraege.isEmpty());
    }
};

QTEST_MAIN(TestDialogBild)
#include "test_dialog_bild.moc"
