// The lists of the main window: filters, sales day, ordering by header clicks, search.
#include "core/uhr.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/hauptfenster_hilfe.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>

#include <memory>

using fenster::TMainForm;

namespace {

// Ingredients whose names, prices and groups make the orders easy to tell apart, and
// recipes in a product and a service group with sales around 15 June 2024.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Zwiebel"), 1.5, 1, QStringLiteral("kg"), {},
              QStringLiteral("Gemüse"));
    NeueZutat(d, QStringLiteral("apfel"), 12, 1, QStringLiteral("kg"), {}, QStringLiteral("Obst"));
    NeueZutat(d, QStringLiteral("Birne"), 9.5, 1, QStringLiteral("kg"), {}, QStringLiteral("Obst"));
    NeueZutat(d, QStringLiteral("ÄPFEL"), 3, 1, QStringLiteral("kg"), {}, QStringLiteral("Obst"));
    NeueZutat(d, QStringLiteral("Apfelkuchen"), 20, 1, QStringLiteral("Stück"));
    TRezept& brot = NeuesRezept(d, QStringLiteral("Brot"), 1, 5.95, 0);
    NeueZeile(brot, 0, 1);
    NeuerVerkauf(brot, 2024, 6, 15, 3, 15, 17.85, 4.5, 30, 10.5);
    NeuerVerkauf(brot, 2024, 6, 10, 2, 10, 11.9, 3, 30, 7);
    NeuerVerkauf(brot, 2023, 6, 15, 5, 25, 29.75, 7.5, 30, 17.5);
    TRezept& kuchen = NeuesRezept(d, QStringLiteral("Kuchen"), 1, 30, 1);
    NeueZeile(kuchen, 4, 1);
    NeuesRezept(d, QStringLiteral("Buffet"), 1, 100, 25);
}

} // namespace

class TestHauptfensterListen : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void ordnenPerKopfklick() {
        TTestMelder m;
        TMainForm f;
        QHeaderView* kopf = f.ListView1->header();
        // At start by name, A to Z in the locale's collation.
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"apfel", "ÄPFEL", "Apfelkuchen", "Birne", "Zwiebel"}));
        QCOMPARE(kopf->sortIndicatorSection(), 0);
        QCOMPARE(kopf->sortIndicatorOrder(), Qt::AscendingOrder);

        Q_EMIT kopf->sectionClicked(4); // "Gesamtpreis": the most expensive first
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"Apfelkuchen", "apfel", "Birne", "ÄPFEL", "Zwiebel"}));
        QCOMPARE(kopf->sortIndicatorSection(), 4);
        QCOMPARE(kopf->sortIndicatorOrder(), Qt::DescendingOrder);
        f.ListView1->waehleNr(2);       // Birne
        Q_EMIT kopf->sectionClicked(4); // the cheapest first
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"Zwiebel", "ÄPFEL", "Birne", "apfel", "Apfelkuchen"}));
        QCOMPARE(f.ListView1->gewaehlteNr(), 2); // the selection follows its row
        QCOMPARE(kopf->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(f.daten.sortspalte3, 4);
        QVERIFY(f.daten.sortdir3);

        // The sort state survives a rebuild.
        f.DateTimePicker3->setDate(QDate(2024, 6, 1));
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"Zwiebel", "ÄPFEL", "Birne", "apfel", "Apfelkuchen"}));

        Q_EMIT kopf->sectionClicked(2); // "Gruppe": a text column, then by name
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"Apfelkuchen", "Zwiebel", "apfel", "ÄPFEL", "Birne"}));
        Q_EMIT kopf->sectionClicked(0);
        QCOMPARE(Spalte(*f.ListView1, 0),
                 (QStringList{"apfel", "ÄPFEL", "Apfelkuchen", "Birne", "Zwiebel"}));

        // Each list has its own state: right after start a click on "Name" gives Z to A.
        Q_EMIT f.ListView2->header()->sectionClicked(0);
        QCOMPARE(Spalte(*f.ListView2, 0), (QStringList{"Kuchen", "Buffet", "Brot"}));
        QCOMPARE(f.daten.sortspalte3, 0);
        QVERIFY(!f.daten.sortdir3);
        QVERIFY(!m.unerwartet);
    }

    // A real mouse click on a header section orders the sales list by that column.
    void kopfklickMitDerMaus() {
        TTestMelder m;
        TMainForm f;
        f.show();
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        QHeaderView* kopf = f.ListView3->header();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int x = kopf->sectionViewportPosition(2) + kopf->sectionSize(2) / 2;
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
        QCOMPARE(f.daten.sortspalte2, 2);
        QCOMPARE(Spalte(*f.ListView3, 2), (QStringList{"3", "0", "0"})); // "Tagesmenge"
        QVERIFY(!m.unerwartet);
    }

    void filterUndVerkaufstag() {
        TTestMelder m;
        TMainForm f;
        QCOMPARE(f.FilterCombo->count(), 43);
        QCOMPARE(f.FilterCombo->currentIndex(), 0);
        f.FilterCombo->setCurrentIndex(2); // "Alle Dienstleistungen"
        QCOMPARE(Spalte(*f.ListView2, 0), QStringList{"Buffet"});
        QCOMPARE(f.ListView3->model()->rowCount(), 3); // the sales filter is its own
        QCOMPARE(f.FilterCombo->currentIndex(), 2);

        // A renamed group keeps its position in the filter and stays selected.
        f.FilterCombo2->setCurrentIndex(4); // group 1
        QCOMPARE(Spalte(*f.ListView3, 0), QStringList{"Kuchen"});
        f.GruppenEdit(1)->setText(QStringLiteral("Torten"));
        QCOMPARE(f.FilterCombo2->itemText(4), QStringLiteral("Gruppe 2")); // not yet rebuilt
        f.DateTimePicker3->setDate(QDate(2024, 6, 10));
        QCOMPARE(f.FilterCombo2->itemText(4), QStringLiteral("Torten"));
        QCOMPARE(f.FilterCombo2->currentIndex(), 4);
        QCOMPARE(f.FilterCombo->currentIndex(), 2);

        // Day, month and year sums of the chosen day.
        f.FilterCombo2->setCurrentIndex(0);
        const qsizetype brot = f.ListView3->liste().zeileMitNr(0);
        QCOMPARE(f.ListView3->liste().zeilen[brot].mid(1, 9),
                 (QStringList{"11,90", "2", "7,00", "29,75", "5", "17,50", "29,75", "5", "17,50"}));
        f.DateTimePicker3->setDate(QDate(2024, 6, 15));
        QCOMPARE(f.ListView3->liste().zeilen[f.ListView3->liste().zeileMitNr(0)][2],
                 QStringLiteral("3"));
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void suchenUndWeitersuchen() {
        TTestMelder m;
        TMainForm f;
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QPushButton* suchen = Knopf(f.TabSheet2, QStringLiteral("Suchen"));
        QPushButton* weiter = Knopf(f.TabSheet2, QStringLiteral("Weitersuchen"));

        // An empty text does nothing; a text found nowhere neither.
        suchen->click();
        QVERIFY(!f.ListView1->gewaehlteZeile());
        f.SuchEd->setText(QStringLiteral("birnen"));
        suchen->click();
        QVERIFY(!f.ListView1->gewaehlteZeile());

        // "Weitersuchen" without a selection searches from the top.
        f.SuchEd->setText(QStringLiteral("apf"));
        weiter->click();
        QCOMPARE(f.ListView1->gewaehlteZeile(), 0); // apfel
        QVERIFY(f.ListView1->hasFocus());
        weiter->click();
        // ÄPFEL (row 1) holds no "APF": only a to z are made upper case.
        QCOMPARE(f.ListView1->gewaehlteZeile(), 2); // Apfelkuchen
        weiter->click();                            // nothing after it: it stays selected
        QCOMPARE(f.ListView1->gewaehlteZeile(), 2);
        suchen->click();
        QCOMPARE(f.ListView1->gewaehlteZeile(), 0);

        // The hidden "Nr" cell counts: only Apfelkuchen, ingredient 4, has a 4.
        f.SuchEd->setText(QStringLiteral("4"));
        suchen->click();
        QCOMPARE(f.ListView1->gewaehlteNr(), 4);
        f.SuchEd->setText(QStringLiteral("Gemüse"));
        suchen->click();
        QCOMPARE(f.ListView1->gewaehlteNr(), 0);

        // The recipe tab searches its own list; Return in the field searches on.
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        f.SuchEd2->setText(QStringLiteral("uff"));
        QTest::keyClick(f.SuchEd2, Qt::Key_Return);
        QCOMPARE(f.ListView2->gewaehlteZeile(), 1); // Buffet
        QTest::keyClick(f.SuchEd2, Qt::Key_Return); // nothing after it: it stays selected
        QCOMPARE(f.ListView2->gewaehlteZeile(), 1);
        QCOMPARE(f.ListView1->gewaehlteNr(), 0);
        QVERIFY(!m.unerwartet);
    }

    // The found row stands about 50 pixels below the top of the list.
    void sucheRolltZurZeile() {
        TDaten d;
        for (int i = 0; i < 300; ++i)
            NeueZutat(d, QStringLiteral("Zutat %1").arg(i, 3, 10, QLatin1Char('0')), i, 1);
        ordner->schreibeArbeitsdatei(d);
        TTestMelder m;
        TMainForm f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.SuchEd->setText(QStringLiteral("Zutat 200"));
        f.SuchenBtn->click();
        QCOMPARE(f.ListView1->gewaehlteZeile(), 200);
        const QRect r = f.ListView1->visualRect(f.ListView1->model()->index(200, 0));
        QCOMPARE(r.top(), int(50 * f.ListView1->logicalDpiY() / 96.0 + 0.5));
        QVERIFY(!m.unerwartet);
    }

    // A double click on a row does what "Bearbeiten..." does.
    void doppelklickIstBearbeiten() {
        TTestMelder m;
        TMainForm f;
        QSignalSpy zutat(f.ZutatEditBtn, &QPushButton::clicked);
        QSignalSpy rezept(f.EditRezeptBtn, &QPushButton::clicked);
        Q_EMIT f.ListView1->zeileAktiviert();
        Q_EMIT f.ListView2->zeileAktiviert();
        QCOMPARE(zutat.count(), 1);
        QCOMPARE(rezept.count(), 1);
    }
};

QTEST_MAIN(TestHauptfensterListen)
#include "test_hauptfenster_listen.moc"
