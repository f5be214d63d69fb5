// The four "Exportieren als CSV..." buttons with their shared save dialog, and the
// ingredient import.
#include "core/uhr.h"
#include "exchange/csvexport.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/hauptfenster_hilfe.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QTabWidget>

#include <memory>

using fenster::TMainForm;

namespace {

void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Zwiebel"), 1.5, 1);
    NeueZutat(d, QStringLiteral("Apfel"), 12, 1);
    TRezept& brot = NeuesRezept(d, QStringLiteral("Brot"), 1, 5.95, 0);
    NeueZeile(brot, 0, 1);
    NeuerVerkauf(brot, 2024, 6, 15, 3, 15, 17.85, 4.5, 30, 10.5);
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestVerkaufCsv : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    // Each list as shown, through the one dialog that remembers the last name.
    void jedeListeExportieren() {
        TTestMelder m;
        TMainForm f;
        Q_EMIT f.ListView1->header()->sectionClicked(4); // most expensive first
        const struct {
            QPushButton* knopf;
            TListenAnsicht* liste;
            const char* datei;
        } faelle[] = {{f.BitBtn5, f.ListView1, "zutaten.csv"},
                      {f.BitBtn4, f.ListView2, "rezepte.csv"},
                      {f.BitBtn2, f.ListView3, "verkaeufe.csv"},
                      {f.BitBtn3, f.ListView4, "auswertung.csv"}};
        QString vorgeschlagen;
        for (const auto& fall : faelle) {
            QCOMPARE(OhneMnemonik(fall.knopf->text()), QStringLiteral("Exportieren als CSV..."));
            const QString pfad = ordner->pfad(QString::fromLatin1(fall.datei));
            m.waehleDatei(QString()); // cancelled: nothing written
            fall.knopf->click();
            QVERIFY(!QFile::exists(pfad));
            m.waehleDatei(pfad);
            fall.knopf->click();
            QCOMPARE(Inhalt(pfad), CsvBytes(fall.liste->liste()));

            const TDateiDialog& d = m.dateiDialoge.last();
            QCOMPARE(d.filter, QStringLiteral("CSV-Dateien (*.csv)"));
            QCOMPARE(d.endung, QStringLiteral("csv"));
            QVERIFY(d.ueberschreibenFragen);
            QCOMPARE(m.dateiDialoge[m.dateiDialoge.size() - 2].name, vorgeschlagen);
            vorgeschlagen = pfad; // the next button proposes this one
        }
        QVERIFY(Inhalt(ordner->pfad("zutaten.csv")).contains("Name;Lieferant"));
        QVERIFY(Inhalt(ordner->pfad("zutaten.csv")).indexOf("Apfel") <
                Inhalt(ordner->pfad("zutaten.csv")).indexOf("Zwiebel"));
        QVERIFY(Inhalt(ordner->pfad("auswertung.csv")).contains("Alle;0,00;"));
        QCOMPARE(m.dateiDialoge.size(), 8);
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void auswertungAuchVonDerGrafik() {
        TTestMelder m;
        TMainForm f;
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.PageControl3->setCurrentIndex(1); // the chart is shown
        const QString pfad = ordner->pfad("a.csv");
        m.waehleDatei(pfad);
        f.BitBtn3->click();
        QCOMPARE(Inhalt(pfad), CsvBytes(f.ListView4->liste()));
        QVERIFY(!m.unerwartet);
    }

    void nichtSchreibbarGemeldet() {
        TTestMelder m;
        TMainForm f;
        m.waehleDatei(ordner->pfad("fehlt/zutaten.csv"));
        f.BitBtn5->click();
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(m.eintraege[0].titel, QStringLiteral("Rovasquet"));
        QVERIFY(m.eintraege[0].text.contains(QLatin1String("fehlt/zutaten.csv")));
        QVERIFY(!m.unerwartet);
    }

    void importMitUndOhneKopfzeile() {
        TTestMelder m;
        TMainForm f;
        QCOMPARE(OhneMnemonik(f.DoNotImportColumnsCheck->text()),
                 QStringLiteral("Spaltenüberschriften nicht importieren"));
        QVERIFY(f.DoNotImportColumnsCheck->isChecked());
        Q_EMIT f.ListView1->header()->sectionClicked(4); // most expensive first
        const QString pfad = ordner->pfad("lieferant.csv");
        QVERIFY(Schreibe(pfad, "Name;Lieferant;Gruppe;Preis/Einheit;Gesamtpreis;Menge;Einheit\r\n"
                               "Mehl;M\xfcller;Backwaren;0,80;8,0000;10,0000;kg;3\r\n"
                               "Safran;Gew\xfcrz;;;250;1;g\r\n"));
        QFile::remove(ordner->arbeitsdatei());

        m.waehleDatei(QString()); // cancelled: nothing
        f.ImportBtn->click();
        QCOMPARE(f.daten.anzahlZutaten(), 2u);
        QVERIFY(!QFile::exists(ordner->arbeitsdatei()));

        m.waehleDatei(pfad);
        f.ImportBtn->click();
        QCOMPARE(f.daten.anzahlZutaten(), 4u);
        QCOMPARE(Spalte(*f.ListView1, 0), (QStringList{"Safran", "Apfel", "Mehl", "Zwiebel"}));
        QCOMPARE(Spalte(*f.ListView1, 1)[2], QStringLiteral("Müller"));
        QVERIFY(QFile::exists(ordner->arbeitsdatei()));
        QCOMPARE(m.texte(), QStringList{"Es wurden 2 Zutaten importiert."});
        QCOMPARE(m.eintraege[0].symbol, TSymbol::information);
        const TDateiDialog& d = m.dateiDialoge.last();
        QCOMPARE(d.filter, QStringLiteral("CSV-Dateien (*.csv)"));
        QCOMPARE(d.endung, QStringLiteral("csv"));
        QVERIFY(!d.mussExistieren);

        // Unticked by the keyboard: the header line becomes an ingredient too.
        f.DoNotImportColumnsCheck->setChecked(false);
        m.waehleDatei(pfad);
        f.ImportBtn->click();
        QCOMPARE(f.daten.anzahlZutaten(), 7u);
        QCOMPARE(Spalte(*f.ListView1, 0).count(QStringLiteral("Name")), 1);
        QCOMPARE(f.ListView1->header()->sortIndicatorSection(), 4); // the order stays
        QCOMPARE(Spalte(*f.ListView1, 0).first(), QStringLiteral("Safran"));
        // The header's figures are no numbers: its line is named, imported all the same.
        QCOMPARE(m.texte().last(),
                 QStringLiteral("Es wurden 3 Zutaten importiert.\nIn Zeile 1 ließ sich der "
                                "Gesamtpreis oder die Menge nicht als Zahl lesen; dort steht 0."));
        QCOMPARE(m.eintraege.size(), 2);
        QVERIFY(!m.unerwartet);
    }

    void importNichtGeoeffnet() {
        TTestMelder m;
        TMainForm f;
        QFile::remove(ordner->arbeitsdatei());
        m.waehleDatei(ordner->pfad("gibtsnicht.csv"));
        f.ImportBtn->click();
        QCOMPARE(m.texte(), QStringList{"Konnte die Datei nicht öffnen."});
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(m.eintraege[0].titel, QString()); // no title of its own
        QCOMPARE(f.daten.anzahlZutaten(), 2u);
        QVERIFY(!QFile::exists(ordner->arbeitsdatei())); // nothing rebuilt, nothing saved
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestVerkaufCsv)
#include "test_verkauf_csv.moc"
