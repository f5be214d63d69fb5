// Purchase prices in the window: a price list through "Extras", the history from the
// ingredient dialog, and the changes between two days.
#include "core/datei.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/preisverlauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/listenansicht.h"
#include "ui/preisentwicklungform.h"
#include "ui/preisverlaufform.h"
#include "ui/verkaufsimportform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatform.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace fenster;

namespace {

// Butter in Brot: an EK of 2,00 against a net price of 6,80 is within the target of 30 %.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Butter"), 2, 1, QStringLiteral("kg"), QStringLiteral("Hof"));
    NeueZutat(d, QStringLiteral("Mehl"), 1, 1, QStringLiteral("kg"), QStringLiteral("Hof"));
    NeueZeile(NeuesRezept(d, QStringLiteral("Brot"), 1, 8.092, 0), 0, 1);
}

bool Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

std::unique_ptr<TDaten> Gespeichert(const QString& pfad) {
    auto d = std::make_unique<TDaten>();
    LoadOptionsFile(*d, pfad);
    return d;
}

} // namespace

class TestPreiseFenster : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void preislisteVerlaufUndAenderungen() {
        TTestMelder m;
        TMainForm f;
        const QString pfad = ordner->pfad("liste.csv");
        // As a spreadsheet saves it with German defaults: ";" and Windows-1252.
        QVERIFY(Schreibe(pfad, QByteArray("Artikel;EK;Lieferant\r\nButter;2,10;Hof\r\n"
                                          "Mehl;1,00;Hof\r\nK\xe4se;3;\r\n")));
        m.waehleDatei(pfad);
        m.spieleDialog(Skript<TVerkaufsImportForm>([](TVerkaufsImportForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(d.windowTitle(), QStringLiteral("Preisliste importieren"));
            QCOMPARE(d.ZusammenfassungLabel->text(),
                     QStringLiteral("Gelesen: 3 Zeilen, geändert: 1 Zutaten, unverändert: 1, "
                                    "ausgelassen: 1 Zeilen."));
            QCOMPARE(d.FehlerListe->liste().zelle(0, 0),
                     QStringLiteral("Zeile 4: unbekannte Zutat \"Käse\""));
            d.ImportBtn->click();
        }));
        Menuepunkt(f, QStringLiteral("Preisliste importieren..."))->trigger();
        QVERIFY(!m.unerwartet);
        QCOMPARE(f.daten.zutat(0).preis, 2.1);
        // The working file holds the step.
        const auto gespeichert = Gespeichert(ordner->arbeitsdatei());
        QCOMPARE(gespeichert->zutat(0).preis, 2.1);
        QCOMPARE(gespeichert->erweiterung.abschnitt<TPreisverlauf>().eintraege(0).size(),
                 size_t(2));

        // The ingredient dialog of Butter shows its history; a new one has none.
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        QVERIFY(f.ListView1->waehleNr(0));
        m.spieleDialog(Skript<TZutatForm>([&](TZutatForm& z) {
            QVERIFY(z.VerlaufBtn->isEnabled());
            m.spieleDialog(Skript<TPreisverlaufForm>([](TPreisverlaufForm& v) {
                PruefeZugaenglich(v);
                QCOMPARE(v.windowTitle(), QStringLiteral("Preisverlauf: Butter"));
                QCOMPARE(v.ListView1->liste().anzahlZeilen(), 2);
                QCOMPARE(v.ListView1->liste().zelle(1, 6), QStringLiteral("5,00"));
                QCOMPARE(v.ListView1->liste().zelle(0, 7), QStringLiteral("Bestand"));
                v.SchliessenBtn->click();
            }));
            z.VerlaufBtn->click();
            z.reject();
        }));
        f.ZutatEditBtn->click();
        m.spieleDialog(Skript<TZutatForm>([](TZutatForm& z) {
            QVERIFY(!z.VerlaufBtn->isEnabled());
            z.reject();
        }));
        f.NewZutatBtn->click();
        QVERIFY(!m.unerwartet);

        // Exactly 5 % up, and Brot now misses its target.
        m.spieleDialog(Skript<TPreisentwicklungForm>([](TPreisentwicklungForm& p) {
            PruefeZugaenglich(p);
            QCOMPARE(p.BisEd->date(), QDate(2024, 6, 15));
            QCOMPARE(p.VonEd->date(), QDate(2024, 3, 17));
            const TListe& l = p.tabelle();
            QCOMPARE(l.anzahlZeilen(), 1);
            QCOMPARE(l.zeilen[0].join(u';'),
                     QStringLiteral("Butter;Hof;2,0000;2,1000;5,00;Brot;2,0000;2,1000;über Soll"));
            p.SchwelleEd->setzeText(QStringLiteral("5,01"));
            QCOMPARE(p.tabelle().anzahlZeilen(), 0);
            p.SchliessenBtn->click();
        }));
        Menuepunkt(f, QStringLiteral("Preisänderungen..."))->trigger();
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestPreiseFenster)
#include "test_preise_fenster.moc"
