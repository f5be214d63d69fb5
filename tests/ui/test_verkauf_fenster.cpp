// Tab "Verkäufe": recording sales, the reselection, and the sales list dialog.
#include "core/uhr.h"
#include "core/zahlen.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/verkaufslisteform.h"
#include "ui/zahlfeld.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QToolButton>

#include <memory>

using fenster::TMainForm;
using fenster::TVerkaufsListeForm;

namespace {

// Columns of the sales list.
enum { Name = 0, Tagesumsatz = 1, Tagesmenge = 2, Monatsmenge = 5, Jahresmenge = 8 };

// Käsebrot: vkbrutto 10 in group 0 (VAT 19), 1.20 cost of goods per portion; Suppe
// and Buffet without lines. Suppe sold 4 portions on 14 June 2024.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    TRezept& brot = NeuesRezept(d, QStringLiteral("Käsebrot"), 1, 10, 0);
    NeueZeile(brot, 0, 1.0);
    TRezept& suppe = NeuesRezept(d, QStringLiteral("Suppe"), 1, 5, 0);
    NeuerVerkauf(suppe, 2024, 6, 14, 4, 16.81, 20, 0, 0, 16.81);
    NeuesRezept(d, QStringLiteral("Buffet"), 1, 100, 25);
}

// The sales days of a recipe in the working file, as the next start would read them.
QList<TVerkauf> GespeicherteTage(const TDatenordner& o, uint32_t rezept) {
    TDaten d;
    if (!LoadOptionsFile(d, o.arbeitsdatei()).ok() || rezept >= d.anzahlRezepte())
        return {};
    const TRezept& r = d.rezept(rezept);
    QList<TVerkauf> tage;
    for (uint32_t i = 0; r.verkaeufe && i < r.verkaeufe->count; ++i)
        tage.append(*r.verkaeufe->at<TVerkauf>(i));
    return tage;
}

QString Zelle(const TListenAnsicht& l, int nr, int spalte) {
    return l.liste().zelle(l.liste().zeileMitNr(nr), spalte);
}

} // namespace

class TestVerkaufFenster : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void startwerte() {
        TMainForm f;
        QCOMPARE(f.MonthCalendar1->selectedDate(), QDate(2024, 6, 15)); // the one clock
        QCOMPARE(f.DateTimePicker3->date(), QDate(2024, 6, 15));
        QCOMPARE(f.DateTimePicker3->text(), QStringLiteral("15.06.2024"));
        QCOMPARE(f.PortionEd->text(), QStringLiteral("1"));
    }

    void verkaufNeuerTagDannSelberTag() {
        TTestMelder m;
        TMainForm f;
        f.DateTimePicker3->setDate(QDate(2024, 6, 14));
        QVERIFY(f.ListView3->waehleNr(0));
        f.MonthCalendar1->setSelectedDate(QDate(2024, 6, 14));
        f.PortionEd->setzeText(QStringLiteral("3"));
        f.VerkaufBtn->click();

        QCOMPARE(f.PortionEd->text(), QStringLiteral("1"));
        QCOMPARE(f.ListView3->gewaehlteNr(), 0);
        QCOMPARE(Zelle(*f.ListView3, 0, Tagesmenge), QStringLiteral("3"));
        QCOMPARE(Zelle(*f.ListView3, 0, Tagesumsatz), QStringLiteral("30,00"));
        QList<TVerkauf> gespeichert = GespeicherteTage(*ordner, 0);
        QCOMPARE(gespeichert.size(), 1);
        QCOMPARE(ZahlFest(gespeichert[0].wequote, 2), QStringLiteral("14,28"));

        // The same day again: merged into its record.
        f.PortionEd->setzeText(QStringLiteral("2"));
        f.VerkaufBtn->click();
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, 1u);
        QCOMPARE(Zelle(*f.ListView3, 0, Tagesmenge), QStringLiteral("5"));
        QCOMPARE(Zelle(*f.ListView3, 0, Monatsmenge), QStringLiteral("5"));
        QCOMPARE(GespeicherteTage(*ordner, 0).value(0).menge, 5);

        // The next day: a second record; the sales day shown is another one.
        f.MonthCalendar1->setSelectedDate(QDate(2024, 6, 15));
        f.VerkaufBtn->click();
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, 2u);
        QCOMPARE(Zelle(*f.ListView3, 0, Tagesmenge), QStringLiteral("5"));
        QCOMPARE(Zelle(*f.ListView3, 0, Monatsmenge), QStringLiteral("6"));
        QCOMPARE(Zelle(*f.ListView3, 0, Jahresmenge), QStringLiteral("6"));
        QVERIFY(m.eintraege.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void ohneAuswahlNichts() {
        TTestMelder m;
        TMainForm f;
        QFile::remove(ordner->arbeitsdatei());
        f.PortionEd->setzeText(QStringLiteral("7"));
        f.VerkaufBtn->click();
        f.VerkaufsListeBtn->click();
        QCOMPARE(m.texte(), QStringList(2, "Sie müssen zuerst ein Gericht anklicken."));
        QCOMPARE(m.eintraege[0].symbol, TSymbol::information);
        QCOMPARE(m.eintraege[0].titel, QString());
        QCOMPARE(f.PortionEd->text(), QStringLiteral("7"));
        QVERIFY(!f.daten.rezept(0).verkaeufe || f.daten.rezept(0).verkaeufe->count == 0);
        QVERIFY(!QFile::exists(ordner->arbeitsdatei())); // nothing saved
        QVERIFY(!m.unerwartet);
    }

    // "Hinzufügen" books what was typed or nothing, and says why; Return in the field is
    // "Hinzufügen"; leaving the field does not turn the text into another number.
    void portionenWieGetipptOderNichts_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"0", "-3", "2,5", "", "e", "100000001"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }
    void portionenWieGetipptOderNichts() {
        QFETCH(QString, text);
        TTestMelder m;
        TMainForm f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        QVERIFY(f.ListView3->waehleNr(0));
        f.PortionEd->setFocus();
        f.PortionEd->eingabe()->selectAll();
        QTest::keyClick(f.PortionEd, Qt::Key_Backspace);
        QTest::keyClicks(f.PortionEd, text);
        f.ListView3->setFocus(); // leaving the field keeps the text
        QCOMPARE(f.PortionEd->text(), text);
        f.PortionEd->setFocus();
        QTest::keyClick(f.PortionEd, Qt::Key_Return);

        QVERIFY(!f.daten.rezept(0).verkaeufe || f.daten.rezept(0).verkaeufe->count == 0);
        QCOMPARE(m.texte(), QStringList{"Die verkauften Portionen müssen eine ganze Zahl von 1 "
                                        "bis 100000000 sein."});
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(m.eintraege[0].titel, QStringLiteral("Hinzufügen"));
        QCOMPARE(f.PortionEd->text(), text); // left for correcting
        QVERIFY(!m.unerwartet);

        // Corrected, Return books it.
        f.PortionEd->setzeText(QStringLiteral("4"));
        QTest::keyClick(f.PortionEd, Qt::Key_Return);
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, 1u);
        QCOMPARE(f.daten.rezept(0).verkaeufe->at<TVerkauf>(0)->menge, 4);
        QCOMPARE(f.PortionEd->text(), QStringLiteral("1"));
        QCOMPARE(m.texte().size(), 1);
    }

    // A screen reader reads the field by its label and its value.
    void portionenFuerHilfsmittel() {
        TMainForm f;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f.PortionEd);
        QVERIFY(a && a->valueInterface());
        QCOMPARE(a->text(QAccessible::Name) + QStringLiteral(" ") + a->text(QAccessible::Value),
                 QStringLiteral("Verkaufte Portionen: 1"));
        QCOMPARE(a->valueInterface()->currentValue().toDouble(), 1.0);
        QCOMPARE(a->valueInterface()->maximumValue().toDouble(), 100000000.0);
    }

    // Ordered by day's portions, most first: the sale moves the recipe to the top, and
    // the selection goes with it.
    void wiedergewaehltWoAuchImmer() {
        TTestMelder m;
        TMainForm f;
        f.DateTimePicker3->setDate(QDate(2024, 6, 14));
        Q_EMIT f.ListView3->header()->sectionClicked(Tagesmenge);
        QCOMPARE(Spalte(*f.ListView3, Name), (QStringList{"Suppe", "Buffet", "Käsebrot"}));
        QVERIFY(f.ListView3->waehleNr(0));
        f.MonthCalendar1->setSelectedDate(QDate(2024, 6, 14));
        f.PortionEd->setzeText(QStringLiteral("9"));
        f.VerkaufBtn->click();
        QCOMPARE(Spalte(*f.ListView3, Name), (QStringList{"Käsebrot", "Suppe", "Buffet"}));
        QCOMPARE(f.ListView3->gewaehlteZeile(), 0);
        QCOMPARE(f.ListView3->gewaehlteNr(), 0);
        QVERIFY(!m.unerwartet);
    }

    // Tab walks the list, then the panel from left to right, then on to the tool bar.
    void tabulatorfolge() {
        TMainForm f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        f.ListView3->setFocus();
        QList<QWidget*> folge = {f.ListView3};
        for (int i = 0; i < 40 && folge.size() < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() != folge.last())
                folge << QApplication::focusWidget();
        }
        QWidget* kalender = f.MonthCalendar1->findChild<QAbstractItemView*>();
        QCOMPARE(folge,
                 (QList<QWidget*>{f.ListView3, kalender, f.PortionEd, f.VerkaufBtn,
                                  f.VerkaufsListeBtn, f.FilterCombo2, f.DateTimePicker3, f.SuchEd3,
                                  f.SuchBtn3, f.WeiterSuchenBtn3, f.BitBtn2, f.NewBtn}));
    }

    void verkaufslisteLoeschen_data() {
        QTest::addColumn<TAntwort>("antwort");
        QTest::addColumn<int>("uebrig");
        QTest::newRow("Ja") << TAntwort::ja << 2;
        QTest::newRow("Nein") << TAntwort::nein << 3;
        QTest::newRow("Abbrechen") << TAntwort::abbrechen << 3;
    }
    void verkaufslisteLoeschen() {
        QFETCH(TAntwort, antwort);
        QFETCH(int, uebrig);
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView3->waehleNr(0));
        for (int tag = 1; tag <= 3; ++tag) {
            f.MonthCalendar1->setSelectedDate(QDate(2024, 6, tag));
            f.PortionEd->setzeText(QString::number(tag));
            f.VerkaufBtn->click();
        }
        QCOMPARE(Zelle(*f.ListView3, 0, Monatsmenge), QStringLiteral("6"));
        QFile::remove(ordner->arbeitsdatei());

        QStringList daten;
        m.antworte(antwort);
        m.spieleDialog([&](QObject& d) {
            auto& dlg = static_cast<TVerkaufsListeForm&>(d);
            daten = Spalte(*dlg.ListView1, 1);
            dlg.ListView1->waehleZeile(1); // 2 June
            dlg.BitBtn2->click();
            dlg.BitBtn1->click();
            return dlg.result();
        });
        f.VerkaufsListeBtn->click();

        QCOMPARE(daten, (QStringList{"01.06.2024", "02.06.2024", "03.06.2024"}));
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, uint32_t(uebrig));
        // Rebuilt and saved whatever the answer, and the recipe selected again.
        QCOMPARE(Zelle(*f.ListView3, 0, Monatsmenge), uebrig == 2 ? "4" : "6");
        QCOMPARE(GespeicherteTage(*ordner, 0).size(), uebrig);
        QCOMPARE(f.ListView3->gewaehlteNr(), 0);
        if (uebrig == 2)
            QCOMPARE(f.daten.rezept(0).verkaeufe->at<TVerkauf>(1)->tag, 3);
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestVerkaufFenster)
#include "test_verkauf_fenster.moc"
