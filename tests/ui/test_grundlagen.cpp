// The building blocks every window uses: numeric field, list view, error box.
#include "core/fehler.h"
#include "tests/support/locale.h"
#include "tests/support/testmelder.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestGrundlagen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        QLocale::setDefault(QLocale(locale));
    }

    void zahlfeldLiestUndSchreibt() {
        TZahlFeld f(2);
        f.setzeBereich(1.0, 100.0);
        QSignalSpy spy(&f, &TZahlFeld::geaendert);

        f.setzeText(t("12,5"));
        QCOMPARE(f.wert(), 12.5);
        f.setzeText(QStringLiteral("x"));
        QCOMPARE(f.wert(), 1.0); // unreadable counts as the minimum
        f.setzeText(QStringLiteral("x"));
        QCOMPARE(spy.count(), 3); // set by the program: the handler runs even unchanged

        f.setzeText(QStringLiteral("1000"));
        f.normalisiere();
        QCOMPARE(f.text(), t("100,00"));
        f.setzeWert(-3);
        QCOMPARE(f.text(), t("1,00"));
    }

    void zahlfeldOhneGrenzenSchrittweise() {
        TZahlFeld f(2);
        f.setzeText(t("-0,5"));
        f.stepBy(1);
        QCOMPARE(f.text(), t("0,50"));
        f.stepBy(-3);
        QCOMPARE(f.text(), t("-2,50"));
        QVERIFY(f.stepEnabled() & QAbstractSpinBox::StepDownEnabled);
    }

    void zahlfeldTastatur() {
        TZahlFeld f(4);
        f.show();
        f.eingabe()->clear();
        QTest::keyClicks(&f, QStringLiteral("3.25"));
        QCOMPARE(f.text(), t("3,25")); // "." types the locale's separator
        QTest::keyClicks(&f, QStringLiteral("kg"));
        QCOMPARE(f.text(), t("3,25")); // letters are refused
        QFocusEvent weg(QEvent::FocusOut);
        QApplication::sendEvent(&f, &weg);
        QCOMPARE(f.text(), t("3,2500"));
    }

    void zahlfeldDarfLeerBleiben() {
        TZahlFeld f(4);
        f.setzeText(QStringLiteral("  "));
        QCOMPARE(f.wertOderNichts(), std::optional<double>(0.0)); // empty not allowed yet
        f.setzeLeerErlaubt(true);
        QCOMPARE(f.wertOderNichts(), std::nullopt);
        f.normalisiere(); // leaving the field empties it instead of writing 0
        QCOMPARE(f.text(), QString());
        f.setzeText(t("2,5"));
        QCOMPARE(f.wertOderNichts(), std::optional<double>(2.5));
        f.normalisiere();
        QCOMPARE(f.text(), t("2,5000"));
    }

    // What a screen reader reads and sets: the value shown, the range and the step.
    void zahlfeldFuerHilfsmittel() {
        QWidget fenster;
        auto* f = new TZahlFeld(2, &fenster);
        f->setAccessibleName(QStringLiteral("Preis"));
        f->setzeBereich(1.0, 100.0);
        f->setzeSchritt(0.5);
        f->setzeText(t("12,5"));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
        QVERIFY(a);
        QAccessibleValueInterface* w = a->valueInterface();
        QVERIFY(w);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Preis"));
        QCOMPARE(a->text(QAccessible::Value), t("12,5"));
        QCOMPARE(w->currentValue().toDouble(), 12.5);
        QCOMPARE(w->minimumValue().toDouble(), 1.0);
        QCOMPARE(w->maximumValue().toDouble(), 100.0);
        QCOMPARE(w->minimumStepSize().toDouble(), 0.5);

        // Set from outside as typing would: the change handlers run, the range holds.
        QSignalSpy spy(f, &TZahlFeld::geaendert);
        w->setCurrentValue(7);
        QCOMPARE(f->text(), t("7,00"));
        QCOMPARE(spy.count(), 1);
        w->setCurrentValue(500);
        QCOMPARE(f->text(), t("100,00"));
        QCOMPARE(w->currentValue().toDouble(), 100.0);
        f->setReadOnly(true);
        w->setCurrentValue(3);
        QCOMPARE(f->text(), t("100,00"));

        auto* frei = new TZahlFeld(0, &fenster);
        QAccessibleValueInterface* v =
            QAccessible::queryAccessibleInterface(frei)->valueInterface();
        QVERIFY(v->minimumValue().toDouble() < -1e300);
        QVERIFY(v->maximumValue().toDouble() > 1e300);
    }

    // A field checked where it is used keeps a text that leaving would change into
    // another number; a text that means the same number is still tidied.
    void zahlfeldBehaeltUngueltigenText() {
        TZahlFeld f(0);
        f.setzeBereich(1.0, 100.0);
        f.setzeTextBleibt(true);
        QFocusEvent weg(QEvent::FocusOut);
        for (const QString& text : {QStringLiteral("-3"), QStringLiteral("0"), t("2,5"),
                                    QStringLiteral("500"), QString()}) {
            f.setzeText(text);
            QApplication::sendEvent(&f, &weg);
            QCOMPARE(f.text(), text);
        }
        f.setzeText(QStringLiteral(" 007"));
        QApplication::sendEvent(&f, &weg);
        QCOMPARE(f.text(), QStringLiteral("7"));
    }

    void listeZeigtUndWaehlt() {
        TListenAnsicht a(QStringLiteral("Liste"));
        TListe l;
        l.setzeSpalten({{QStringLiteral("Name"), 150}, {QStringLiteral("Nr"), 0}});
        l.zeilen = {{QStringLiteral("B"), QStringLiteral("4")},
                    {QStringLiteral("A"), QStringLiteral("7")}};
        QVERIFY(a.zeige(l).zeilen.isEmpty());
        QVERIFY(a.isColumnHidden(1));
        QVERIFY(!a.isColumnHidden(0));
        QCOMPARE(a.model()->data(a.model()->index(1, 0)).toString(), QStringLiteral("A"));

        QVERIFY(!a.gewaehlteNr());
        QVERIFY(a.waehleNr(7));
        QCOMPARE(a.gewaehlteZeile(), 1);
        QCOMPARE(a.gewaehlteNr(), 7);
        QVERIFY(!a.waehleNr(5));
        QVERIFY(!a.gewaehlteZeile());

        // A new list hands back the old one and clears the selection.
        a.waehleZeile(0);
        TListe alt = a.zeige(TListe(l));
        QCOMPARE(alt, l);
        QVERIFY(!a.gewaehlteZeile());

        QSignalSpy klick(&a, &TListenAnsicht::spalteGeklickt);
        a.setzeSortierbar(true);
        Q_EMIT a.header()->sectionClicked(0);
        QCOMPARE(klick.count(), 1);
        QCOMPARE(klick.first().first().toInt(), 0);
    }

    void listeMitEditierbarerSpalte() {
        TListenAnsicht a(QStringLiteral("Liste"));
        TListe l;
        l.setzeSpalten({{QStringLiteral("Name"), 150}, {QStringLiteral("Menge"), 75}});
        l.zeilen = {{QStringLiteral("Mehl"), QStringLiteral("1")}, {QStringLiteral("Salz")}};
        a.zeige(l);
        QAbstractItemModel* m = a.model();
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable)); // read-only at first
        QVERIFY(!m->setData(m->index(0, 0), QStringLiteral("x")));

        a.setzeEditierbar(0);
        QVERIFY(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
        QCOMPARE(m->data(m->index(1, 0), Qt::EditRole).toString(), QStringLiteral("Salz"));
        QSignalSpy geaendert(m, &QAbstractItemModel::dataChanged);
        QVERIFY(m->setData(m->index(1, 0), QStringLiteral("Meersalz")));
        QVERIFY(!m->setData(m->index(1, 1), QStringLiteral("2")));
        QCOMPARE(geaendert.count(), 1);
        QCOMPARE(a.liste().zeilen[1], QStringList({QStringLiteral("Meersalz")}));

        // F2 on any cell of a row opens the editor of its editable cell.
        a.show();
        a.setCurrentIndex(m->index(0, 1));
        QTest::keyClick(&a, Qt::Key_F2);
        auto* editor = a.findChild<QLineEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("Mehl"));
    }

    void listeMitInhaltsbreite() {
        TListenAnsicht a(QStringLiteral("Tabelle"));
        TListe l;
        l.setzeSpalten({{QStringLiteral("Name"), 150}, {QStringLiteral("Jan."), 50}});
        l.zeilen = {{QStringLiteral("Alle"), QStringLiteral("1,00")}};
        a.zeige(l);
        const int schmal = a.header()->sectionSize(1);
        QCOMPARE(schmal, int(50 * a.logicalDpiX() / 96.0 + 0.5));

        a.setzeInhaltsbreite(true);
        QCOMPARE(a.header()->sectionSize(1), schmal); // short figures keep the width
        l.zeilen.append({QStringLiteral("Produkte"), QStringLiteral("123456789012,00")});
        a.zeige(l);
        const int breit = a.header()->sectionSize(1);
        QVERIFY(breit > a.fontMetrics().horizontalAdvance(QStringLiteral("123456789012,00")));
        QCOMPARE(a.header()->sectionSize(0), int(150 * a.logicalDpiX() / 96.0 + 0.5));
        l.zeilen.removeLast();
        a.zeige(l);
        QCOMPARE(a.header()->sectionSize(1), schmal); // and shrink back with the figures
    }

    // The arrow keys move the focus from cell to cell over hidden columns, and the cell
    // is framed while the list has the focus. Return and Delete are told to whoever
    // listens.
    void listeTastatur() {
        TListenAnsicht a(QStringLiteral("Liste"));
        TListe l;
        l.setzeSpalten({{QStringLiteral("Name"), 150},
                        {QStringLiteral("Nr"), 0},
                        {QStringLiteral("Menge"), 80},
                        {QStringLiteral("Preis"), 80}});
        l.zeilen = {
            {QStringLiteral("Mehl"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")},
            {QStringLiteral("Salz"), QStringLiteral("1"), QStringLiteral("3"),
             QStringLiteral("4")}};
        a.zeige(l);
        a.show();
        a.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a));
        a.setFocus();
        a.setCurrentIndex(a.model()->index(1, 0));
        QTest::keyClick(&a, Qt::Key_Right);
        QCOMPARE(a.currentIndex(), a.model()->index(1, 2));
        QTest::keyClick(&a, Qt::Key_Right);
        QTest::keyClick(&a, Qt::Key_Right);
        QCOMPARE(a.currentIndex(), a.model()->index(1, 3)); // the edge stays put
        QTest::keyClick(&a, Qt::Key_Left);
        QCOMPARE(a.currentIndex(), a.model()->index(1, 2));
        QTest::keyClick(&a, Qt::Key_Up);
        QCOMPARE(a.currentIndex(), a.model()->index(0, 2));
        QCOMPARE(a.gewaehlteZeile(), 0); // the selection goes with the row

        // The frame: dots in the selected text's colour down the cell's left edge.
        const auto rahmen = [&a] {
            const QRect zelle = a.visualRect(a.currentIndex());
            const QImage bild = a.viewport()->grab().toImage();
            const QRgb farbe = a.palette().color(QPalette::HighlightedText).rgb();
            int n = 0;
            for (int y = zelle.top(); y <= zelle.bottom(); ++y)
                n += (bild.pixel(zelle.left(), y) & 0xFFFFFF) == (farbe & 0xFFFFFF) ? 1 : 0;
            return n;
        };
        QVERIFY(rahmen() >= 3);
        a.clearFocus();
        QCOMPARE(rahmen(), 0);
        a.setFocus();

        QSignalSpy eingabe(&a, &TListenAnsicht::eingabeTaste);
        QSignalSpy entfernen(&a, &TListenAnsicht::entfernenTaste);
        int eingaben = 0, entfernt = 0;
        connect(&a, &TListenAnsicht::eingabeTaste, this, [&] { ++eingaben; });
        connect(&a, &TListenAnsicht::entfernenTaste, this, [&] { ++entfernt; });
        QTest::keyClick(&a, Qt::Key_Return);
        QTest::keyClick(&a, Qt::Key_Enter);
        QTest::keyClick(&a, Qt::Key_Delete);
        QCOMPARE(eingaben, 2);
        QCOMPARE(entfernt, 1);
        QCOMPARE(eingabe.count(), 2);
        QCOMPARE(entfernen.count(), 1);
    }

    void fehlerboxZeigtUnbehandelteFehler() {
        TTestMelder m;
        QVERIFY(!Behandle([] { throw TFehler(QStringLiteral("Read beyond end of file")); }));
        QVERIFY(!Behandle([] { throw TAbbruch(); }));
        QVERIFY(Behandle([] {}));
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].text, QStringLiteral("Read beyond end of file."));
        QCOMPARE(m.eintraege[0].titel, QStringLiteral("Rovasquet"));
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
    }
};

QTEST_MAIN(TestGrundlagen)
#include "test_grundlagen.moc"
