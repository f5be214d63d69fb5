// The recipe card: read back from its PDF as a cook reads it, and its picture on a page.
#include "core/daten.h"
#include "core/texte.h"
#include "costing/rezepteditor.h"
#include "exchange/print/pdfdruck.h"
#include "exchange/print/rezeptkarte.h"
#include "lists/chart/diagramm.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QStringList> Seiten(const TRezeptkarte& a, const QList<TRezeptkarte>& weitere = {}) {
    QByteArray pdf;
    QBuffer puffer(&pdf);
    puffer.open(QIODevice::WriteOnly);
    DruckeInPdf(puffer, false, [&](QPagedPaintDevice& d) {
        DruckeRezeptkarten(d, a.name, QList<TRezeptkarte>{a} + weitere);
    });
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-"), QStringLiteral("-")});
    if (!p.waitForStarted())
        return {};
    p.write(pdf);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    QStringList teile = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!teile.isEmpty() && teile.last().trimmed().isEmpty())
        teile.removeLast();
    QList<QStringList> seiten;
    for (const QString& teil : teile) {
        QStringList zeilen;
        for (const QString& z : teil.split(QLatin1Char('\n')))
            if (!z.trimmed().isEmpty())
                zeilen << z.simplified();
        seiten << zeilen;
    }
    return seiten;
}

// Kartoffelsuppe for 4: 1 kg Kartoffeln at 20 % loss, 0.2 l Sahne, and a two-paragraph
// preparation; priced, so that a price on the card would show.
TRezeptkarte Suppe(TDaten& d, const QString& beschreibung) {
    NeueZutat(d, QStringLiteral("Kartoffeln"), 1.5, 1, QStringLiteral("kg"));
    NeueZutat(d, QStringLiteral("Sahne"), 3, 1, QStringLiteral("l"));
    TRezept& r = NeuesRezept(d, QStringLiteral("Kartoffelsuppe"), 4, 5.9, 0);
    NeueZeile(r, 0, 1, 20);
    NeueZeile(r, 1, 0.2);
    FreeText(r.beschreibung);
    CopyText(r.beschreibung, beschreibung);
    TRezeptForm form;
    FuelleAusRezept(form, d, r);
    return Rezeptkarte(form);
}

// Pixels of this colour on a page painted at 50 dpi.
int Pixel(const TRezeptkarte& karte, QRgb farbe) {
    QImage seite(413, 585, QImage::Format_RGB32); // A4 at 50 dpi
    seite.fill(Qt::white);
    QPainter p(&seite);
    TSeiten s;
    s.dpi = 50;
    s.breite = seite.width();
    s.hoehe = seite.height();
    s.neueSeite = [] {};
    ZeichneRezeptkarte(p, s, karte);
    p.end();
    int n = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            n += seite.pixel(x, y) == farbe ? 1 : 0;
    return n;
}

} // namespace

class TestRezeptkarte : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void karteOhnePreise() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        const TRezeptkarte karte =
            Suppe(d, QStringLiteral("Kartoffeln schälen und würfeln.\r\n\r\nMit Sahne pürieren."));
        QCOMPARE(karte.portionen, QStringLiteral("4"));
        QCOMPARE(karte.zeilen.size(), 2);
        QCOMPARE(karte.zeilen[1].menge, QStringLiteral("0,2"));

        const auto seiten = Seiten(karte);
        QCOMPARE(seiten.size(), 1);
        QCOMPARE(seiten[0],
                 (QStringList{"Kartoffelsuppe", "Zutaten für 4 Portionen:", "1 kg Kartoffeln",
                              "0,2 l Sahne", "Zubereitung:", "Kartoffeln schälen und würfeln.",
                              "Mit Sahne pürieren."}));
        // Neither price nor weight loss: 1,50, 5,90 and 20 appear nowhere.
        for (const QString& z : seiten[0])
            QVERIFY2(!z.contains(QStringLiteral("1,5")) && !z.contains(QStringLiteral("5,9")) &&
                         !z.contains(QStringLiteral("20")),
                     qPrintable(z));
    }

    // Words stay whole; a word wider than the line is broken where it must; every line
    // break of the text is kept, empty paragraphs included.
    void umbruchAnWorten() {
        QImage geraet(600, 600, QImage::Format_RGB32);
        const QFont schrift = Textschrift(96);
        const QFontMetrics fm(schrift, &geraet);
        const QString satz =
            QStringLiteral("Die Zwiebeln in Butter glasig dünsten und mit Brühe ablöschen");
        // A little more than the words need: the layout measures without hinting.
        const int breite = fm.horizontalAdvance(QStringLiteral("Die Zwiebeln in Butter")) + 3;
        const QStringList zeilen = UmbrechenAnWorten(satz, breite, schrift, &geraet);
        QVERIFY(zeilen.size() >= 3);
        QCOMPARE(zeilen.join(QLatin1Char(' ')), satz);
        for (const QString& z : zeilen)
            QVERIFY(fm.horizontalAdvance(z) <= breite);
        QCOMPARE(zeilen[0], QStringLiteral("Die Zwiebeln in Butter"));

        QCOMPARE(UmbrechenAnWorten(QStringLiteral("A\r\n\r\nB\nC\r\n"), breite, schrift, &geraet),
                 (QStringList{"A", "", "B", "C"}));
        const QString lang(40, QLatin1Char('x'));
        const QStringList stuecke = UmbrechenAnWorten(
            lang, fm.horizontalAdvance(QStringLiteral("xxxxx")), schrift, &geraet);
        QVERIFY(stuecke.size() >= 8);
        QCOMPARE(stuecke.join(QString()), lang);
    }

    // A long preparation goes on to a second page; a book puts each card on its own page.
    void seitenUndBuch() {
        const TLocaleWahl l(QStringLiteral("de_DE"));
        TDaten d;
        QStringList absaetze;
        for (int i = 1; i <= 70; ++i)
            absaetze << QStringLiteral("Schritt %1: rühren.").arg(i);
        const TRezeptkarte lang = Suppe(d, absaetze.join(QStringLiteral("\r\n")));
        auto seiten = Seiten(lang);
        QCOMPARE(seiten.size(), 2);
        QCOMPARE(seiten[1].last(), QStringLiteral("Schritt 70: rühren."));
        QCOMPARE(seiten[0].size() + seiten[1].size(), 5 + 70);

        TRezeptkarte kurz;
        kurz.name = QStringLiteral("Brot");
        kurz.portionen = QStringLiteral("1");
        seiten = Seiten(lang, {kurz});
        QCOMPARE(seiten.size(), 3);
        QCOMPARE(seiten[2], (QStringList{"Brot", "Zutaten für 1 Portionen:"}));
    }

    // The picture is drawn when its file reads, and left out without a word when not.
    void bildWennEsSichLesenLaesst() {
        QTemporaryDir ordner;
        QImage rot(40, 30, QImage::Format_RGB32);
        rot.fill(qRgb(255, 0, 0));
        const QString pfad = ordner.filePath(QStringLiteral("suppe.png"));
        QVERIFY(rot.save(pfad));
        TRezeptkarte karte;
        karte.name = QStringLiteral("Suppe");
        karte.portionen = QStringLiteral("2");
        karte.bilddatei = pfad;
        QVERIFY(Pixel(karte, qRgb(255, 0, 0)) > 1000);
        karte.bilddatei = ordner.filePath(QStringLiteral("fehlt.png"));
        QCOMPARE(Pixel(karte, qRgb(255, 0, 0)), 0);
        QFile kaputt(ordner.filePath(QStringLiteral("kaputt.png")));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("kein Bild");
        kaputt.close();
        karte.bilddatei = kaputt.fileName();
        QCOMPARE(Pixel(karte, qRgb(255, 0, 0)), 0);
    }
};

QTEST_MAIN(TestRezeptkarte)
#include "test_rezeptkarte.moc"
