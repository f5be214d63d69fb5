// "Verkäufe importieren...": the file dialog, the summary dialog with and without faulty
// lines, cancelling, and what an import leaves in the lists and the working file.
#include "core/datei.h"
#include "core/fehler.h"
#include "core/uhr.h"
#include "exchange/verkaufsimport.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/verkaufsimportform.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

using namespace fenster;

namespace {

// Suppe sold 4 portions on 14 June 2024.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    TRezept& brot = NeuesRezept(d, QStringLiteral("Käsebrot"), 1, 10, 0);
    NeueZeile(brot, 0, 1.0);
    TRezept& suppe = NeuesRezept(d, QStringLiteral("Suppe"), 1, 5, 0);
    NeuerVerkauf(suppe, 2024, 6, 14, 4, 16.81, 20, 0, 0, 16.81);
}

bool Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sales days of a recipe: "day.month.year:count".
QStringList Tage(const TDaten& d, uint32_t rezept) {
    QStringList s;
    const TRezept& r = d.rezept(rezept);
    for (uint32_t i = 0; r.verkaeufe && i < r.verkaeufe->count; ++i) {
        const TVerkauf& v = *r.verkaeufe->at<TVerkauf>(i);
        s << QStringLiteral("%1.%2.%3:%4").arg(v.tag).arg(v.monat).arg(v.jahr).arg(v.menge);
    }
    return s;
}

const QByteArray Fehlerfrei = "Datum;Artikel;Menge\r\n"
                              "14.06.2024;Suppe;3\r\n"
                              "15.06.2024; käsebrot ;2\r\n"
                              "15.06.2024;Käsebrot;5\r\n";
const QByteArray MitFehlern = "Datum;Artikel;Menge\r\n"
                              "14.06.2024;Suppe;3\r\n"
                              "15.06.2024;Pizza;2\r\n"
                              "31.02.2024;Suppe;1\r\n"
                              "15.06.2024;Käsebrot;-1\r\n"
                              "15.06.2024;Käsebrot;5\r\n";

} // namespace

class TestExtrasImport : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void fehlerfreiAbbrechenDannImportieren() {
        TTestMelder m;
        TMainForm f;
        const QString pfad = ordner->pfad("kasse.csv");
        QVERIFY(Schreibe(pfad, Fehlerfrei));
        const QByteArray vorher = Inhalt(ordner->arbeitsdatei());
        QAction* import = Menuepunkt(f, QStringLiteral("Verkäufe importieren..."));

        m.waehleDatei(QString()); // no file chosen: nothing
        import->trigger();
        const TDateiDialog& dd = m.dateiDialoge.last();
        QCOMPARE(dd.filter, QStringLiteral("CSV-Dateien (*.csv)"));
        QVERIFY(dd.mussExistieren);

        const auto zeige = [&](int ergebnis) {
            return Skript<TVerkaufsImportForm>([&, ergebnis](TVerkaufsImportForm& d) {
                QCOMPARE(d.ZusammenfassungLabel->text(),
                         QStringLiteral("Gelesen: 3 Zeilen, erfasst: 2 Verkäufe an 2 Tagen für 2 "
                                        "Rezepte, ausgelassen: 0 Zeilen."));
                QVERIFY(d.DateiLabel->text().contains(QLatin1String("kasse.csv")));
                QVERIFY(d.FehlerListe->isHidden());
                QVERIFY(d.FehlerLabel->isHidden());
                QCOMPARE(d.ImportBtn->text(), QStringLiteral("Importieren"));
                QCOMPARE(d.AbbrechenBtn->text(), QStringLiteral("Abbrechen"));
                QVERIFY(d.ImportBtn->isEnabled());
                (ergebnis == QDialog::Accepted ? d.ImportBtn : d.AbbrechenBtn)->click();
            });
        };
        m.waehleDatei(pfad);
        m.spieleDialog(zeige(QDialog::Rejected));
        import->trigger();
        QCOMPARE(Tage(f.daten, 1), QStringList{"14.6.2024:4"});
        QCOMPARE(Tage(f.daten, 0), QStringList());
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), vorher);

        f.PageControl1->setCurrentWidget(f.TabSheet4);
        QVERIFY(f.ListView3->waehleNr(1));
        m.waehleDatei(pfad);
        m.spieleDialog(zeige(QDialog::Accepted));
        import->trigger();
        QCOMPARE(m.dateiDialoge.last().name, pfad); // proposes the file read last
        // Merged into the day's sale; the two lines of one day as one.
        QCOMPARE(Tage(f.daten, 1), QStringList{"14.6.2024:7"});
        QCOMPARE(Tage(f.daten, 0), QStringList{"15.6.2024:7"});
        // The lists are rebuilt, the selection kept, the working file written.
        QCOMPARE(f.ListView3->gewaehlteNr(), std::optional<int>(1));
        const qsizetype brot = f.ListView3->liste().zeileMitNr(0);
        QCOMPARE(f.ListView3->liste().zelle(brot, 2), QStringLiteral("7"));
        TDaten gespeichert;
        QVERIFY(LoadOptionsFile(gespeichert, ordner->arbeitsdatei()).ok());
        QCOMPARE(Tage(gespeichert, 0), QStringList{"15.6.2024:7"});
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void mitFehlernOhneSieImportieren() {
        TTestMelder m;
        TMainForm f;
        const QString pfad = ordner->pfad("kasse.csv");
        QVERIFY(Schreibe(pfad, MitFehlern));
        const TVerkaufsPruefung p = PruefeVerkaeufe(f.daten, MitFehlern);
        QAction* import = Menuepunkt(f, QStringLiteral("Verkäufe importieren..."));
        const auto zeige = [&](bool importieren) {
            return Skript<TVerkaufsImportForm>([&, importieren](TVerkaufsImportForm& d) {
                QCOMPARE(d.ZusammenfassungLabel->text(),
                         QStringLiteral("Gelesen: 5 Zeilen, erfasst: 2 Verkäufe an 2 Tagen für 2 "
                                        "Rezepte, ausgelassen: 3 Zeilen."));
                QVERIFY(!d.FehlerListe->isHidden());
                QCOMPARE(OhneMnemonik(d.FehlerLabel->text()),
                         QStringLiteral("3 Zeilen sind fehlerhaft:"));
                QCOMPARE(Feld<TListenAnsicht>(d, QStringLiteral("3 Zeilen sind fehlerhaft:")),
                         d.FehlerListe);
                QStringList gezeigt;
                for (const QStringList& z : d.FehlerListe->liste().zeilen)
                    gezeigt << z[0];
                QCOMPARE(gezeigt, Fehlerzeilen(p, 1000));
                QCOMPARE(gezeigt.size(), 3);
                QVERIFY(gezeigt[0].startsWith(QLatin1String("Zeile 3: ")));
                QCOMPARE(d.ImportBtn->text(),
                         QStringLiteral("Ohne fehlerhafte Zeilen importieren"));
                (importieren ? d.ImportBtn : d.AbbrechenBtn)->click();
            });
        };
        m.waehleDatei(pfad);
        m.spieleDialog(zeige(false)); // all or nothing: cancelled, nothing
        import->trigger();
        QCOMPARE(Tage(f.daten, 0), QStringList());
        QCOMPARE(Tage(f.daten, 1), QStringList{"14.6.2024:4"});

        // From the evaluation tab: the table shown takes the new sales at once.
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        const TListe auswertung = f.ListView4->liste();
        m.waehleDatei(pfad);
        m.spieleDialog(zeige(true));
        import->trigger();
        QVERIFY(f.ListView4->liste() != auswertung);
        QCOMPARE(Tage(f.daten, 0), QStringList{"15.6.2024:5"});
        QCOMPARE(Tage(f.daten, 1), QStringList{"14.6.2024:7"});
        TDaten gespeichert;
        QVERIFY(LoadOptionsFile(gespeichert, ordner->arbeitsdatei()).ok());
        QCOMPARE(Tage(gespeichert, 1), QStringList{"14.6.2024:7"});
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void nichtsZuErfassen() {
        TTestMelder m;
        TMainForm f;
        const QString pfad = ordner->pfad("null.csv");
        QVERIFY(Schreibe(pfad, "Datum;Artikel;Menge\n14.06.2024;Pizza;3\n"));
        m.waehleDatei(pfad);
        m.spieleDialog(Skript<TVerkaufsImportForm>([](TVerkaufsImportForm& d) {
            QVERIFY(!d.ImportBtn->isEnabled()); // only cancelling is left
            d.AbbrechenBtn->click();
        }));
        Menuepunkt(f, QStringLiteral("Verkäufe importieren..."))->trigger();
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void dateiFehlerOhneDialog() {
        TTestMelder m;
        TMainForm f;
        QAction* import = Menuepunkt(f, QStringLiteral("Verkäufe importieren..."));
        // A file that cannot be opened: the plain message of the ingredient import.
        m.waehleDatei(ordner->pfad("fehlt.csv"));
        import->trigger();
        QCOMPARE(m.texte(), QStringList{"Konnte die Datei nicht öffnen."});
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);

        // A header without a count column: the general error box with the reason.
        const QByteArray ohneMenge = "Datum;Artikel\n14.06.2024;Suppe\n";
        const QString pfad = ordner->pfad("kopf.csv");
        QVERIFY(Schreibe(pfad, ohneMenge));
        QString grund;
        try {
            PruefeVerkaeufe(f.daten, ohneMenge);
        } catch (const TFehler& e) {
            grund = e.meldung();
        }
        QVERIFY(!grund.isEmpty());
        m.waehleDatei(pfad);
        import->trigger();
        QCOMPARE(m.eintraege.size(), 2);
        QCOMPARE(m.eintraege[1].text, grund + QLatin1Char('.'));
        QCOMPARE(m.eintraege[1].titel, QStringLiteral("Rovasquet"));
        QCOMPARE(m.eintraege[1].symbol, TSymbol::fehler);
        QCOMPARE(Tage(f.daten, 1), QStringList{"14.6.2024:4"});
        QVERIFY(!m.unerwartet); // no summary dialog was asked for
    }
};

QTEST_MAIN(TestExtrasImport)
#include "test_extras_import.moc"
