// Printouts read back as a reader sees them: printed to PDF and extracted with poppler.
#include "core/daten.h"
#include "core/fehler.h"
#include "core/uhr.h"
#include "costing/rezepteditor.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/pdfdruck.h"
#include "exchange/print/rezeptdruck.h"
#include "lists/listen.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using TDruck = std::function<void(QPagedPaintDevice&)>;

QByteArray AlsPdf(const TDruck& drucke, bool quer = false) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    DruckeInPdf(puffer, quer, drucke);
    return bytes;
}

QString Poppler(const QString& programm, const QStringList& args, const QByteArray& pdf) {
    QProcess p;
    p.start(programm, args);
    if (!p.waitForStarted())
        return QStringLiteral("%1 fehlt").arg(programm);
    p.write(pdf);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages as text, each a list of its non-empty lines with runs of blanks made one.
QList<QStringList> Seiten(const QByteArray& pdf) {
    const QString text =
        Poppler(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QStringLiteral("-"), QStringLiteral("-")}, pdf);
    QList<QStringList> seiten;
    QStringList teile = text.split(QLatin1Char('\f'));
    if (!teile.isEmpty() && teile.last().trimmed().isEmpty())
        teile.removeLast();
    for (const QString& teil : teile) {
        QStringList zeilen;
        for (const QString& z : teil.split(QLatin1Char('\n')))
            if (!z.trimmed().isEmpty())
                zeilen << z.simplified();
        seiten << zeilen;
    }
    return seiten;
}

QString Heute() {
    return QLocale().toString(QDate(2024, 6, 15), QLocale::ShortFormat);
}

QString Koepfe(const TListe& l) {
    QStringList t;
    for (const TSpalte& s : l.spalten)
        t << s.titel;
    return t.join(QLatin1Char(' '));
}

} // namespace

class TestDruckausgabe : public QObject {
    Q_OBJECT

    std::unique_ptr<TLocaleWahl> locale;
    std::unique_ptr<TDaten> daten;

    // Y = 4, one line of 500 g of Karotten bought at 0.80 for 1000 g with 10 % weight
    // loss, actual gross price 2.20 in a group with 19 % VAT.
    TRezeptForm suppe(const QString& name = QStringLiteral("Suppe")) {
        NeueZutat(*daten, QStringLiteral("Karotten"), 0.8, 1000, QStringLiteral("g"));
        TRezept& r = NeuesRezept(*daten, name, 4, 2.2, 0);
        NeueZeile(r, 0, 500, 10);
        TRezeptForm f;
        FuelleAusRezept(f, *daten, r);
        return f;
    }

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void initTestCase() { TUhr::setzeHeute(QDate(2024, 6, 15)); }
    void cleanupTestCase() { TUhr::setze({}); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        this->locale = std::make_unique<TLocaleWahl>(locale);
        daten = std::make_unique<TDaten>();
    }
    void cleanup() {
        daten.reset();
        locale.reset();
    }

    void zutatenlisteUeberMehrereSeiten() {
        for (int i = 0; i < 130; ++i)
            NeueZutat(*daten, QStringLiteral("Zutat %1").arg(i, 3, 10, QLatin1Char('0')), 1.5 + i,
                      2, QStringLiteral("kg"), QStringLiteral("Hof"));
        const TListe l = ZutatenListe(*daten);
        QCOMPARE(l.anzahlSpalten(), 8);
        const auto seiten = Seiten(
            AlsPdf([&](QPagedPaintDevice& d) { DruckeListView(d, QStringLiteral("Zutaten"), l); }));
        QVERIFY(seiten.size() >= 3);
        QCOMPARE(seiten[0][0], QStringLiteral("Zutaten ") + Heute());
        QCOMPARE(Koepfe(l), QStringLiteral("Name Lieferant Gruppe Preis/Einheit Gesamtpreis "
                                           "Menge Einheit Nr"));

        // Every page shows the captions above its rows; every row comes once, in order,
        // with all its cells, the hidden "Nr" included.
        QStringList zeilen;
        for (qsizetype n = 0; n < seiten.size(); ++n) {
            const QStringList& s = seiten[n];
            const qsizetype kopf = n == 0 ? 1 : 0;
            QCOMPARE(s[kopf], Koepfe(l));
            zeilen << s.mid(kopf + 1);
        }
        QCOMPARE(zeilen.size(), 130);
        for (int i = 0; i < 130; ++i)
            QCOMPARE(zeilen[i], l.zeilen[i].join(QLatin1Char(' ')).simplified());
    }

    void rezeptblatt() {
        TRezeptForm f = suppe();
        f.preise.tatsBrutto = t("12,5000");
        auto seiten = Seiten(AlsPdf([&](QPagedPaintDevice& d) { DruckeRezept(d, f); }));
        QCOMPARE(seiten.size(), 1);
        QCOMPARE(seiten[0].mid(0, 3),
                 (QStringList{QStringLiteral("Suppe ") + Heute(),
                              QStringLiteral("Verkaufspreis brutto: ") + t("12,50"),
                              QStringLiteral("Zutaten für 4 Portionen:")}));
        QCOMPARE(seiten[0][3], QStringLiteral("Name Menge Einheit Preis Nr Gewichtsverlust"));

        // The yield in general format; an empty name leaves only the date.
        f.menge = t("2,5000");
        f.name.clear();
        seiten = Seiten(AlsPdf([&](QPagedPaintDevice& d) { DruckeRezept(d, f); }));
        QCOMPARE(seiten[0][0], Heute());
        QCOMPARE(seiten[0][2], t("Zutaten für 2,5 Portionen:"));
    }

    void kalkulationOhneZeilen() {
        TRezeptForm f;
        FuelleNeuesRezept(f, *daten);
        f.name = QStringLiteral("Leer");
        const QStringList zusatz = KalkulationsZeilen(f.preise, f.menge);
        QCOMPARE(zusatz.size(), 11);
        QCOMPARE(zusatz.count(QString()), 3);
        const auto seiten = Seiten(AlsPdf([&](QPagedPaintDevice& d) { DruckeKalkulation(d, f); }));
        QCOMPARE(seiten.size(), 1);
        QStringList erwartet{QStringLiteral("Leer ") + Heute()};
        for (const QString& z : zusatz)
            if (!z.isEmpty())
                erwartet << z;
        erwartet << QStringLiteral("Name Menge Einheit Preis Nr Gewichtsverlust");
        QCOMPARE(seiten[0], erwartet);
        QCOMPARE(erwartet[1], QStringLiteral("Einkaufspreis pro Portion: ") + t("0,00"));
    }

    void speichernAllesOderNichts() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("liste.pdf"));
        const TListe l = ZutatenListe(*daten);
        SpeicherePdf(pfad, false, [&](QPagedPaintDevice& d) {
            DruckeListView(d, QStringLiteral("Zutaten"), l);
        });
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray vorher = f.readAll();
        f.close();
        QVERIFY(vorher.startsWith("%PDF-"));

        // A printout that fails half-way leaves the file as it was.
        QVERIFY_THROWS_EXCEPTION(TFehler, SpeicherePdf(pfad, false, [&](QPagedPaintDevice& d) {
                                     Drucke(d, QStringLiteral("x"),
                                            [](QPainter&, const TSeiten& s) {
                                                s.neueSeite();
                                                throw TFehler(QStringLiteral("abgelehnt"));
                                            });
                                 }));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher);
        QVERIFY_THROWS_EXCEPTION(TFehler, SpeicherePdf(dir.filePath(QStringLiteral("fehlt/x.pdf")),
                                                       false, [](QPagedPaintDevice&) {}));
    }
};

QTEST_MAIN(TestDruckausgabe)
#include "test_druckausgabe.moc"
