// Tab "Auswertung": when the table is rebuilt, the date rules and bounds, and the chart.
#include "core/uhr.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/zahlfeld.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

using fenster::TMainForm;

namespace {

// Brot in product group 0 sold in March 2024; Buffet in service group 25 (Catering)
// sold in June 2024.
void BaueKueche(TDaten& d) {
    d.SetGruppe(25, QStringLiteral("Catering"));
    TRezept& brot = NeuesRezept(d, QStringLiteral("Brot"), 1, 5.95, 0);
    NeuerVerkauf(brot, 2024, 3, 2, 3, 15, 17.85, 4.5, 30, 10.5);
    TRezept& buffet = NeuesRezept(d, QStringLiteral("Buffet"), 1, 100, 25);
    NeuerVerkauf(buffet, 2024, 6, 1, 2, 168.07, 200, 50, 29.75, 118.07);
}

// Rebuilds of the table: every rebuild shows a new list.
QSignalSpy* Neubauten(TMainForm& f) {
    return new QSignalSpy(&f.ListView4->modell(), &QAbstractItemModel::modelReset);
}

QStringList Kopf(const TListenAnsicht& l) {
    QStringList t;
    for (const TSpalte& s : l.liste().spalten)
        t << s.titel;
    return t;
}

// Red pixels of the chart in each sixth of its width.
QList<int> RotProSechstel(QWidget& flaeche) {
    const QImage bild = flaeche.grab().toImage();
    QList<int> rot(6, 0);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == qRgb(255, 0, 0))
                ++rot[x * 6 / bild.width()];
    return rot;
}

} // namespace

class TestAuswertungFenster : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void beimStartGebaut() {
        TMainForm f;
        QCOMPARE(f.DateTimePicker1->date(), QDate(2024, 1, 1));
        QCOMPARE(f.DateTimePicker2->date(), QDate(2024, 6, 15));
        QCOMPARE(f.DateTimePicker1->text(), QStringLiteral("01.01.2024"));
        QCOMPARE(f.DateTimePicker2->text(), QStringLiteral("15.06.2024"));
        QCOMPARE(Kopf(*f.ListView4),
                 (QStringList{"Name", "Jan.", "Feb.", "März", "April", "Mai", "Juni"}));
        QCOMPARE(f.ListView4->liste().anzahlZeilen(), 43);
        QCOMPARE(f.ListView4->liste().zelle(0, 3), QStringLiteral("15,00"));
        QCOMPARE(f.ListView4->liste().zelle(3 + 25, 0), QStringLiteral("Catering"));
        QVERIFY(!f.ListView4->header()->sectionsClickable()); // not sortable
        // The chart's group list keeps the names it had before the file was read.
        QCOMPARE(f.GruppeBox->count(), 43);
        QCOMPARE(f.GruppeBox->itemText(3 + 25), QStringLiteral("Dienstleistungen 6"));
    }

    // Recording a sale leaves the table alone; showing the tab brings it up to date.
    void neuBeimZeigenDesReiters() {
        TTestMelder m;
        TMainForm f;
        f.ListView3->waehleNr(0);
        f.MonthCalendar1->setSelectedDate(QDate(2024, 2, 10));
        f.PortionEd->setzeText(QStringLiteral("2"));
        f.VerkaufBtn->click();
        QCOMPARE(f.ListView4->liste().zelle(0, 2), QStringLiteral("0,00"));
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        QCOMPARE(f.ListView4->liste().zelle(0, 2), QStringLiteral("10,00")); // 2 × 5.95 net
        QVERIFY(!m.unerwartet);
    }

    void einstellungenBauenNeu() {
        TMainForm f;
        std::unique_ptr<QSignalSpy> neu(Neubauten(f));
        f.KennzahlCombo->setCurrentIndex(1); // "Umsatz brutto"
        QCOMPARE(neu->count(), 1);
        QCOMPARE(f.ListView4->liste().zelle(0, 6), QStringLiteral("200,00"));

        // Today's price for every past sale; one rebuild although two buttons switch.
        f.daten.rezept(1).vkbrutto = 110;
        f.SimulationCheck->setChecked(true);
        QCOMPARE(neu->count(), 2);
        QCOMPARE(f.ListView4->liste().zelle(0, 6), QStringLiteral("220,00"));
        // By keyboard: Space on the focused radio button.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.OriginalCheck->setFocus();
        QTest::keyClick(f.OriginalCheck, Qt::Key_Space);
        QVERIFY(f.OriginalCheck->isChecked());
        QCOMPARE(f.ListView4->liste().zelle(0, 6), QStringLiteral("200,00"));
    }

    void datumsregelnUndGrenzen() {
        TMainForm f;
        std::unique_ptr<QSignalSpy> neu(Neubauten(f));
        f.DateTimePicker1->setDate(QDate(2024, 8, 20)); // after the end: the end follows
        QCOMPARE(f.DateTimePicker2->date(), QDate(2024, 8, 20));
        QCOMPARE(Kopf(*f.ListView4), (QStringList{"Name", "Aug."}));
        QCOMPARE(neu->count(), 1);
        f.DateTimePicker2->setDate(QDate(2023, 11, 5)); // before the start: the start follows
        QCOMPARE(f.DateTimePicker1->date(), QDate(2023, 11, 5));
        QCOMPARE(Kopf(*f.ListView4), (QStringList{"Name", "Nov."}));
        QCOMPARE(neu->count(), 2);
        f.DateTimePicker2->setDate(QDate(2024, 2, 29));
        QCOMPARE(Kopf(*f.ListView4), (QStringList{"Name", "Nov.", "Dez.", "Jan.", "Feb."}));

        // Three centuries, no more: the fields refuse the rest.
        for (QDateEdit* feld : {f.DateTimePicker1, f.DateTimePicker2}) {
            QCOMPARE(feld->minimumDate(), QDate(1900, 1, 1));
            QCOMPARE(feld->maximumDate(), QDate(2199, 12, 31));
            QVERIFY(feld->displayFormat().contains(QLatin1String("yyyy")));
        }
        f.DateTimePicker1->setDate(QDate(1, 1, 1));
        f.DateTimePicker2->setDate(QDate(9999, 12, 31));
        QCOMPARE(f.DateTimePicker1->date(), QDate(1900, 1, 1));
        QCOMPARE(f.DateTimePicker2->date(), QDate(2199, 12, 31));
        QCOMPARE(f.ListView4->liste().anzahlSpalten(), 1 + 300 * 12);
        QCOMPARE(f.DateTimePicker1->text(), QStringLiteral("01.01.1900"));
    }

    // The chart draws the row the group list chooses: Catering sold in June only.
    void diagrammDerGewaehltenGruppe() {
        TMainForm f;
        f.resize(900, 700);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.PageControl3->setCurrentIndex(1);
        QWidget& flaeche = *f.findChild<QWidget*>(QStringLiteral("PaintBox1"));
        QTRY_VERIFY(flaeche.isVisible());

        f.GruppeBox->setCurrentIndex(3 + 25);
        QList<int> rot = RotProSechstel(flaeche);
        QCOMPARE(rot.mid(0, 5), QList<int>(5, 0));
        QVERIFY(rot[5] > 100);

        f.GruppeBox->setCurrentIndex(1); // "Alle Produkte": March only
        rot = RotProSechstel(flaeche);
        QVERIFY(rot[2] > 100);
        QCOMPARE(rot[5], 0);

        f.GruppeBox->setCurrentIndex(5); // no sales: no red at all
        QCOMPARE(RotProSechstel(flaeche), QList<int>(6, 0));

        // A rebuild redraws: the key figure changes the bar heights.
        f.GruppeBox->setCurrentIndex(0);
        const int netto = RotProSechstel(flaeche)[2];
        f.KennzahlCombo->setCurrentIndex(4); // "Deckungsbeitrag": March lower against June
        QVERIFY(RotProSechstel(flaeche)[2] < netto);
    }

    // Tab walks the settings in reading order, the radio group as one stop.
    void tabulatorfolge() {
        TMainForm f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.PageControl1->setCurrentWidget(f.TabSheet5);
        f.KennzahlCombo->setFocus();
        QList<QWidget*> folge = {f.KennzahlCombo};
        // A date field takes Tab from day to month to year before it passes it on.
        for (int i = 0; i < 20 && folge.size() < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() != folge.last())
                folge << QApplication::focusWidget();
        }
        QCOMPARE(folge,
                 (QList<QWidget*>{f.KennzahlCombo, f.GruppeBox, f.OriginalCheck, f.DateTimePicker1,
                                  f.DateTimePicker2, f.BitBtn3, f.PageControl3->tabBar()}));
    }
};

QTEST_MAIN(TestAuswertungFenster)
#include "test_auswertung_fenster.moc"
