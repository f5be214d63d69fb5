// Printing from the window: the tabs, the chart, the printer setup, a printer that
// cannot print, and the sheets of the recipe and amount dialogs, each read back from
// the PDF file that the printer setup chose.
#include "core/texte.h"
#include "core/uhr.h"
#include "exchange/print/druckauftrag.h"
#include "exchange/print/pdfdruck.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/diagrammflaeche.h"
#include "ui/mengenform.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QToolButton>

using fenster::TMainForm;

namespace {

// Today in the locale's short format, as the headings write it.
QString Heute() {
    return QLocale().toString(QDate(2024, 6, 15), QLocale::ShortFormat);
}

// Butter and Zucker in 70 ingredients, so that their list takes two pages; Gulasch for
// 2 portions with one line of each, sold on 1 June 2024.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Butter"), 10, 4, QStringLiteral("kg"), QStringLiteral("Hof"));
    NeueZutat(d, QStringLiteral("Zucker"), 1, 8, QStringLiteral("Pck"));
    for (int i = 2; i < 70; ++i)
        NeueZutat(d, QStringLiteral("Zutat %1").arg(i, 2, 10, QLatin1Char('0')), 1, 1);
    TRezept& r = NeuesRezept(d, QStringLiteral("Gulasch"), 2, 4.5, 0);
    NeueZeile(r, 0, 0.5, 20);
    NeueZeile(r, 1, 1, 0);
    NeuerVerkauf(r, 2024, 6, 1, 3, 1, 2, 3, 4, 5);
}

QString Poppler(const QString& programm, const QString& pdf) {
    QProcess p;
    QStringList args;
    if (programm == QLatin1String("pdftotext"))
        args << QStringLiteral("-layout") << pdf << QStringLiteral("-");
    else
        args << pdf;
    p.start(programm, args);
    if (!p.waitForStarted() || !p.waitForFinished(60000))
        return QStringLiteral("%1 lief nicht").arg(programm);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of a PDF file as text: each page its non-empty lines, blanks simplified.
QList<QStringList> Seiten(const QString& pdf) {
    QList<QStringList> seiten;
    QStringList teile = Poppler(QStringLiteral("pdftotext"), pdf).split(QLatin1Char('\f'));
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

// A line of pdfinfo, e.g. "Title" or "Page size".
QString Info(const QString& pdf, const QString& feld) {
    for (const QString& z : Poppler(QStringLiteral("pdfinfo"), pdf).split(QLatin1Char('\n')))
        if (z.startsWith(feld + QLatin1Char(':')))
            return z.mid(feld.size() + 1).simplified();
    return {};
}

// The next printer setup chooses printing into this PDF file.
void RichteEin(TTestMelder& m, const QString& pdf,
               QPageLayout::Orientation lage = QPageLayout::Portrait) {
    m.spieleDialog([pdf, lage](QObject& d) {
        auto* dialog = qobject_cast<QPrintDialog*>(&d);
        if (!dialog)
            return 0;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->printer()->setPageOrientation(lage);
        return int(QDialog::Accepted);
    });
}

// A window over the kitchen whose printer prints into `pdf`.
struct TFenster {
    TDatenordner ordner;
    TTestMelder m;
    std::unique_ptr<TMainForm> f;
    QString pdf;

    TFenster() {
        TDaten d;
        BaueKueche(d);
        ordner.schreibeArbeitsdatei(d);
        f = std::make_unique<TMainForm>();
        pdf = ordner.pfad(QStringLiteral("druck.pdf"));
        RichteEin(m, pdf);
        Menuepunkt(*f, QStringLiteral("Drucker einrichten..."))->trigger();
    }
    // Prints the tab with the tool button; the pages, and no file is left behind.
    QList<QStringList> drucke(QWidget* reiter) {
        f->PageControl1->setCurrentWidget(reiter);
        f->SpeedButton2->click();
        const auto seiten = Seiten(pdf);
        QFile::remove(pdf);
        return seiten;
    }
};

// Every page but the first begins with the caption row.
bool KoepfeWiederholt(const QList<QStringList>& seiten, const QString& koepfe) {
    for (qsizetype i = 1; i < seiten.size(); ++i)
        if (seiten[i].value(0) != koepfe)
            return false;
    return seiten.size() > 1;
}

} // namespace

class TestDrucken : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TUhr::setzeHeute(QDate(2024, 6, 15)); }
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void reiterDruckenIhreListen() {
        TFenster w;
        TMainForm& f = *w.f;

        const QString zutatenKoepfe =
            QStringLiteral("Name Lieferant Gruppe Preis/Einheit Gesamtpreis Menge Einheit Nr");
        auto seiten = w.drucke(f.TabSheet2);
        QCOMPARE(seiten.size(), 2);
        QCOMPARE(seiten[0].value(0), QStringLiteral("Zutaten ") + Heute());
        QCOMPARE(seiten[0].value(1), zutatenKoepfe);
        QVERIFY(KoepfeWiederholt(seiten, zutatenKoepfe));
        QVERIFY(seiten[0].value(2).startsWith(QStringLiteral("Butter Hof")));

        // As shown: the order of the list after a click on the name's header.
        f.ListView1ColumnClick(0);
        seiten = w.drucke(f.TabSheet2);
        QVERIFY(seiten[0].value(2).startsWith(QStringLiteral("Zutat 69")));
        QVERIFY(seiten.last().last().startsWith(QStringLiteral("Butter Hof")));

        seiten = w.drucke(f.TabSheet3);
        QCOMPARE(seiten.size(), 1);
        QCOMPARE(seiten[0].value(0), QStringLiteral("Rezepte ") + Heute());
        // Nine wide columns share a portrait page, their texts wrapped in them.
        QVERIFY(seiten[0].value(1).startsWith(QStringLiteral("Name Grupp EK Pr")));
        QVERIFY(seiten[0].value(1).endsWith(QStringLiteral("Nr")));
        QVERIFY(seiten[0].value(4).startsWith(QStringLiteral("Gulas ")));

        seiten = w.drucke(f.TabSheet4);
        QCOMPARE(seiten[0].value(0), QStringLiteral("Abverkäufe ") + Heute());
        QVERIFY(seiten[0].value(1).startsWith(QStringLiteral("Nam Tage Tage Tage Mona")));
        QVERIFY(seiten[0].value(1).endsWith(QStringLiteral("Nr")));
        QVERIFY(seiten[0].value(4).startsWith(QStringLiteral("Gulas ")));

        // The evaluation prints its table while the table is shown.
        f.PageControl3->setCurrentIndex(0);
        seiten = w.drucke(f.TabSheet5);
        QCOMPARE(seiten.size(), 1);
        QCOMPARE(seiten[0].value(0), QStringLiteral("Auswertung ") + Heute());
        QVERIFY(seiten[0].value(1).startsWith(QStringLiteral("Name ")));
        QVERIFY(seiten[0].value(2).startsWith(QStringLiteral("Alle ")));
        QVERIFY(seiten[0].value(3).startsWith(QStringLiteral("Alle Produkte ")));

        // The menu item prints what the tool button prints; the job bears the title.
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        Menuepunkt(f, QStringLiteral("Drucken"))->trigger();
        QCOMPARE(Info(w.pdf, QStringLiteral("Title")), QStringLiteral("Rezepte"));
        QCOMPARE(Seiten(w.pdf).value(0).value(0), QStringLiteral("Rezepte ") + Heute());
        QCOMPARE(w.m.texte(), QStringList());
        QVERIFY(!w.m.unerwartet);
    }

    // Into a file, the window prints what the command line prints: the same lines on
    // the same pages.
    void wieDieKommandozeile() {
        TFenster w;
        TMainForm& f = *w.f;
        const auto fenster = w.drucke(f.TabSheet2);
        const QString cli = w.ordner.pfad(QStringLiteral("cli.pdf"));
        SpeicherePdf(cli, false, [&](QPagedPaintDevice& d) {
            DruckeListView(d, QStringLiteral("Zutaten"), f.ListView1->liste());
        });
        QCOMPARE(fenster, Seiten(cli));
        QVERIFY(!w.m.unerwartet);
    }

    void diagrammAufEinerSeite() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.KennzahlCombo->setCurrentText(QStringLiteral("Deckungsbeitrag"));
        f.GruppeBox->setCurrentIndex(1);
        f.PageControl3->setCurrentWidget(f.PaintBox1);
        f.SpeedButton2->click();

        const auto seiten = Seiten(w.pdf);
        QCOMPARE(seiten.size(), 1);
        QCOMPARE(seiten[0].value(0), QStringLiteral("Deckungsbeitrag Gruppe: Alle Produkte"));
        // No heading with the date: only the chart's own texts.
        QVERIFY(!seiten[0].join(QLatin1Char('\n')).contains(Heute()));
        QCOMPARE(Info(w.pdf, QStringLiteral("Title")), QStringLiteral("Diagramm"));
        QVERIFY(!w.m.unerwartet);
    }

    void stammdatenDruckenNicht() {
        TFenster w;
        TMainForm& f = *w.f;

        // The menu item follows the tab, as the menu shows it when it opens.
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        Q_EMIT f.Datei1->aboutToShow();
        QVERIFY(!f.Drucken1->isEnabled());
        for (QWidget* reiter : {f.TabSheet2, f.TabSheet3, f.TabSheet4, f.TabSheet5}) {
            f.PageControl1->setCurrentWidget(f.TabSheet1);
            f.PageControl1->setCurrentWidget(reiter);
            Q_EMIT f.Datei1->aboutToShow();
            QVERIFY(f.Drucken1->isEnabled());
        }

        // The tool button is never disabled: it answers with the message.
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        QVERIFY(f.SpeedButton2->isEnabled());
        f.SpeedButton2->click();
        QCOMPARE(w.m.texte(),
                 QStringList({QStringLiteral("Dieser Reiter kann nicht ausgedruckt werden.")}));
        QCOMPARE(w.m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(w.m.eintraege[0].titel, QString());
        QVERIFY(!QFile::exists(w.pdf));
        QVERIFY(!w.m.unerwartet);
    }

    void einrichtungGiltFuerDenLauf() {
        TFenster w;
        TMainForm& f = *w.f;

        // The setup dialog works on the window's one printer, whose choice it shows.
        QPrinter* gezeigt = nullptr;
        w.m.spieleDialog([&](QObject& d) {
            auto& dialog = static_cast<QPrintDialog&>(d);
            gezeigt = dialog.printer();
            [&] { QCOMPARE(gezeigt->outputFileName(), w.pdf); }();
            dialog.printer()->setPageOrientation(QPageLayout::Landscape);
            return int(QDialog::Accepted);
        });
        Menuepunkt(f, QStringLiteral("Drucker einrichten..."))->trigger();
        QCOMPARE(gezeigt, &f.Drucker());

        // Printing asks nothing and keeps printing across the sheet.
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        f.SpeedButton2->click();
        QFile::remove(w.pdf); // else the second would ask before replacing it
        f.SpeedButton2->click();
        QVERIFY(Info(w.pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("842 x 595")));
        QCOMPARE(Seiten(w.pdf).value(0).value(0), QStringLiteral("Zutaten ") + Heute());

        // Cancelled: the printer stays as it was.
        w.m.spieleDialog([](QObject& d) {
            static_cast<QDialog&>(d).reject();
            return static_cast<QDialog&>(d).result();
        });
        Menuepunkt(f, QStringLiteral("Drucker einrichten..."))->trigger();
        QCOMPARE(f.Drucker().outputFileName(), w.pdf);
        QCOMPARE(f.Drucker().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(w.m.texte(), QStringList());
        QVERIFY(!w.m.unerwartet);
    }

    void druckerOhneZiel() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet2);

        // What Qt chooses when no printer is installed: PDF output without a file.
        RichteEin(w.m, QString());
        Menuepunkt(f, QStringLiteral("Drucker einrichten..."))->trigger();
        f.SpeedButton2->click();
        QCOMPARE(w.m.texte(), QStringList({QStringLiteral(
                                  "Es ist kein Drucker eingerichtet. Wählen Sie mit \"Drucker "
                                  "einrichten...\" einen Drucker oder eine PDF-Datei.")}));
        QCOMPARE(w.m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(w.m.eintraege[0].titel, QStringLiteral("Rovasquet"));

        // A printer that refuses the job: the reason in the error box, no file.
        const QString nirgends = w.ordner.pfad(QStringLiteral("fehlt/druck.pdf"));
        RichteEin(w.m, nirgends);
        Menuepunkt(f, QStringLiteral("Drucker einrichten..."))->trigger();
        f.SpeedButton2->click();
        QCOMPARE(w.m.texte().value(1),
                 QStringLiteral("Der Druckauftrag \"Zutaten\" konnte nicht begonnen werden: Es "
                                "ist kein Drucker bereit, oder er nimmt keine Aufträge an."));
        QCOMPARE(w.m.eintraege.value(1).symbol, TSymbol::fehler);
        QVERIFY(!QFile::exists(nirgends));

        // The same from a dialog's button, and the chart.
        w.m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            r.KalkulationDruckenBtn->click();
            r.reject();
            return r.result();
        });
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        f.ListView2->waehleNr(0);
        Knopf(f.TabSheet3, QStringLiteral("Bearbeiten..."))->click();
        QVERIFY(w.m.texte().value(2).startsWith(QStringLiteral("Der Druckauftrag \"Gulasch\"")));

        // A good choice afterwards prints again.
        RichteEin(w.m, w.pdf);
        Menuepunkt(f, QStringLiteral("Drucker einrichten..."))->trigger();
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        f.SpeedButton2->click();
        QCOMPARE(Seiten(w.pdf).value(0).value(0), QStringLiteral("Zutaten ") + Heute());
        QCOMPARE(w.m.texte().size(), 3);
        QVERIFY(!w.m.unerwartet);
    }

    void rezeptdialogDrucktSeinenInhalt() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QVERIFY(f.ListView2->waehleNr(0));

        QList<QStringList> kalkulation, rezept;
        w.m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            // Unsaved changes are printed: the name, the portions, the actual price.
            r.NameEd->setText(QStringLiteral("Gulasch neu"));
            r.RxSpinEdit1->setzeText(QStringLiteral("2,5"));
            r.RxSpinEdit2->setzeText(QStringLiteral("12,5"));
            r.KalkulationDruckenBtn->click();
            kalkulation = Seiten(w.pdf);
            QFile::remove(w.pdf);
            r.RezeptDruckenBtn->click();
            rezept = Seiten(w.pdf);
            // The dialog stays open for more work.
            [&] { QCOMPARE(r.result(), 0); }();
            r.reject();
            return r.result();
        });
        Knopf(f.TabSheet3, QStringLiteral("Bearbeiten..."))->click();

        QCOMPARE(kalkulation.size(), 1);
        const QStringList k = kalkulation.value(0);
        QCOMPARE(k.value(0), QStringLiteral("Gulasch neu ") + Heute());
        QVERIFY(k.value(1).startsWith(QStringLiteral("Einkaufspreis pro Portion: ")));
        QVERIFY(k.contains(QStringLiteral("Tatsächlicher Verkaufspreis brutto: 12,50")));
        QVERIFY(k.contains(QStringLiteral("Zutaten für 2,5 Portionen:")));
        QVERIFY(k.contains(QStringLiteral("Name Menge Einheit Preis Nr Gewichtsverlust")));
        QVERIFY(k.last().startsWith(QStringLiteral("Zucker")));

        const QStringList r = rezept.value(0);
        QCOMPARE(r.value(0), QStringLiteral("Gulasch neu ") + Heute());
        QCOMPARE(r.value(1), QStringLiteral("Verkaufspreis brutto: 12,50"));
        QCOMPARE(r.value(2), QStringLiteral("Zutaten für 2,5 Portionen:"));
        QCOMPARE(r.value(3), QStringLiteral("Name Menge Einheit Preis Nr Gewichtsverlust"));
        QVERIFY(r.value(4).startsWith(QStringLiteral("Butter")));
        QCOMPARE(Info(w.pdf, QStringLiteral("Title")), QStringLiteral("Gulasch neu"));

        // Cancelled: the data keeps the recipe as it was.
        QCOMPARE(Text(f.daten.rezept(0).name), QStringLiteral("Gulasch"));
        QCOMPARE(w.m.texte(), QStringList());
        QVERIFY(!w.m.unerwartet);
    }

    // The card for the kitchen from what the dialog shows: no prices, the preparation
    // with its line breaks, the job named after the recipe.
    void rezeptkarteAusDemDialog() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QVERIFY(f.ListView2->waehleNr(0));
        QList<QStringList> karte;
        w.m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            r.Memo1->setPlainText(QStringLiteral("Fleisch anbraten.\nZucker dazu."));
            Knopf(r, QStringLiteral("Rezeptkarte drucken"))->click();
            karte = Seiten(w.pdf);
            r.reject();
            return r.result();
        });
        Knopf(f.TabSheet3, QStringLiteral("Bearbeiten..."))->click();
        // Nothing is declared yet: the card says so and names the ingredients.
        QCOMPARE(karte, (QList<QStringList>{
                            {"Gulasch", "Zutaten für 2 Portionen:", "0,5 kg Butter", "1 Pck Zucker",
                             "Allergene und Zusatzstoffe: ungeklärt: A, B, C, D, E, F, G, H, L, M, "
                             "N, O, P, R, Zusatzstoffe (nicht",
                             "deklariert bei: Butter, Zucker)", "Zubereitung:", "Fleisch anbraten.",
                             "Zucker dazu."}}));
        QCOMPARE(Info(w.pdf, QStringLiteral("Title")), QStringLiteral("Gulasch"));
        QCOMPARE(w.m.texte(), QStringList());
        QVERIFY(!w.m.unerwartet);
    }

    // A printer that writes into a file asks before it replaces the file; No prints
    // nothing.
    void dateiNurNachFrageErsetzt() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QFile alt(w.pdf);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("vorher");
        alt.close();

        w.m.antworte(TAntwort::nein);
        f.SpeedButton2->click();
        const QString frage = QStringLiteral("Die Datei %1 existiert bereits. Ersetzen?")
                                  .arg(QDir::toNativeSeparators(w.pdf));
        QCOMPARE(w.m.texte(), QStringList{frage});
        QVERIFY(w.m.eintraege[0].frage);
        QVERIFY(QFile::exists(w.pdf));
        QCOMPARE(QFileInfo(w.pdf).size(), 6);

        w.m.antworte(TAntwort::ja);
        f.SpeedButton2->click();
        QCOMPARE(w.m.texte(), (QStringList{frage, frage}));
        QCOMPARE(Seiten(w.pdf).value(0).value(0), QStringLiteral("Rezepte ") + Heute());

        QFile::remove(w.pdf); // no file there: no question
        f.SpeedButton2->click();
        QCOMPARE(w.m.texte().size(), 2);
        QVERIFY(QFile::exists(w.pdf));
        QVERIFY(!w.m.unerwartet);
    }

    void mengendialogDrucktSeinenInhalt() {
        TFenster w;
        TMainForm& f = *w.f;
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QVERIFY(f.ListView2->waehleNr(0));

        QList<QStringList> kalkulation, rezept;
        w.m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            r.BedarfEd->setzeText(QStringLiteral("10"));
            r.BitBtn2->click(); // "Megen berechnen"
            r.reject();
            return r.result();
        });
        w.m.spieleDialog([&](QObject& d) {
            auto& m = static_cast<fenster::TCalcAmountsForm&>(d);
            m.KalkulationDruckenBtn->click();
            kalkulation = Seiten(w.pdf);
            QFile::remove(w.pdf);
            m.RezeptDruckenBtn->click();
            rezept = Seiten(w.pdf);
            m.reject();
            return m.result();
        });
        Knopf(f.TabSheet3, QStringLiteral("Bearbeiten..."))->click();

        const QStringList k = kalkulation.value(0);
        QCOMPARE(k.value(0), QStringLiteral("Gulasch ") + Heute());
        // The figures of the required amount, not of the recipe.
        QVERIFY(k.contains(QStringLiteral("Tatsächlicher Verkaufspreis brutto: 45,00")));
        QVERIFY(k.contains(QStringLiteral("Zutaten für 10 Portionen:")));
        QVERIFY(k.contains(QStringLiteral("Name Menge Einheit Preis")));
        const QStringList r = rezept.value(0);
        QCOMPARE(r.value(1), QStringLiteral("Verkaufspreis brutto: 45,00"));
        QCOMPARE(r.value(2), QStringLiteral("Zutaten für 10 Portionen:"));
        QCOMPARE(r.value(3), QStringLiteral("Name Menge Einheit Preis"));
        QVERIFY(r.value(4).startsWith(QStringLiteral("Butter")));
        QVERIFY(r.value(5).startsWith(QStringLiteral("Zucker")));
        QCOMPARE(w.m.texte(), QStringList());
        QVERIFY(!w.m.unerwartet);
    }
};

QTEST_MAIN(TestDrucken)
#include "test_drucken.moc"
