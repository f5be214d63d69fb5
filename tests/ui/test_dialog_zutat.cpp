// The ingredient dialog and the picker: filling, reading back, sorting, search, OK checks.
#include "core/daten.h"
#include "costing/rezeptform.h"
#include "costing/zutatkatalog.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "ui/deklarationsknopf.h"
#include "ui/listenansicht.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"
#include "ui/zutatform.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {
QStringList eintraege(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

QStringList namen(const TListenAnsicht* a) {
    QStringList l;
    for (qsizetype i = 0; i < a->liste().anzahlZeilen(); ++i)
        l << a->liste().zelle(i, 0);
    return l;
}

} // namespace

class TestDialogZutat : public QObject {
    Q_OBJECT

    std::unique_ptr<TDaten> daten;

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        QLocale::setDefault(QLocale(locale));
        daten = std::make_unique<TDaten>();
        NeueZutat(*daten, QStringLiteral("Salz"), 1, 8, QStringLiteral("Pck"),
                  QStringLiteral("Frischhof"), QStringLiteral("Gewürz"));
        NeueZutat(*daten, QStringLiteral("Butter"), 10, 4, QStringLiteral("kg"),
                  QStringLiteral("frischhof"), QStringLiteral("Milch"));
        NeueZutat(*daten, QStringLiteral("Karotten"), 0.8, 1000, QStringLiteral("g"),
                  QStringLiteral("Frischhof"));
        NeueZutat(*daten, QStringLiteral("Apfel"), 2.5, 1, QStringLiteral("kg"));
    }
    void cleanup() { daten.reset(); }

    void zutatNeuUndAendern() {
        fenster::TZutatForm f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Zutat bearbeiten"));
        PruefeZugaenglich(f);
        auto* name = Feld<QLineEdit>(f, QStringLiteral("Name:"));
        auto* lieferant = Feld<QComboBox>(f, QStringLiteral("Lieferant:"));
        auto* gruppe = Feld<QComboBox>(f, QStringLiteral("Gruppe:"));
        auto* einheit = Feld<QComboBox>(f, QStringLiteral("Einheit:"));
        auto* menge = Feld<TZahlFeld>(f, QStringLiteral("Menge:"));
        auto* preis = Feld<TZahlFeld>(f, QStringLiteral("Preis:"));
        // OK, the declaration and the price history; the close box cancels.
        QCOMPARE(f.findChildren<QPushButton*>().size(), 3);
        QCOMPARE(Knopf(f, QStringLiteral("Allergene und Zusatzstoffe...")), f.AllergeneBtn);
        QCOMPARE(Knopf(f, QStringLiteral("OK")), f.OKBtn);
        QCOMPARE(Knopf(f, QStringLiteral("Preisverlauf...")), f.VerlaufBtn);
        QVERIFY(!f.VerlaufBtn->isEnabled());

        // Before any new ingredient the lists are empty, also when changing one.
        f.fuelleAus(ZutatWerte(daten->zutat(1)));
        QCOMPARE(lieferant->count(), 0);
        QCOMPARE(name->text(), QStringLiteral("Butter"));
        QCOMPARE(preis->text(), t("10,0000"));

        f.fuelleNeu(VerschiedeneWerte(*daten));
        QCOMPARE(eintraege(lieferant), QStringList({QStringLiteral("Frischhof"),
                                                    QStringLiteral("frischhof"), QString()}));
        QCOMPARE(eintraege(gruppe),
                 QStringList({QStringLiteral("Gewürz"), QStringLiteral("Milch"), QString()}));
        QVERIFY(name->text().isEmpty() && lieferant->currentText().isEmpty() &&
                gruppe->currentText().isEmpty() && einheit->currentText().isEmpty());
        QCOMPARE(menge->text(), t("1,0000"));
        QCOMPARE(preis->text(), t("0,0000"));

        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), name); // the focus starts in "Name:"
        QTest::keyClicks(name, QStringLiteral(" Mehl "));
        lieferant->setFocus();
        QTest::keyClicks(lieferant, QStringLiteral("frisch"));
        QCOMPARE(lieferant->currentText(), QStringLiteral("frischhof")); // case kept
        einheit->setEditText(QStringLiteral("kg"));
        preis->eingabe()->clear();
        QTest::keyClicks(preis, QStringLiteral("7.5"));
        preis->setFocus();
        QTest::keyClick(preis, Qt::Key_Return); // Enter confirms without leaving the field
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(preis->text(), t("7,5000"));
        const TZutatWerte w = f.werte();
        QCOMPARE(w.name, QStringLiteral(" Mehl "));
        QCOMPARE(w.lieferant, QStringLiteral("frischhof"));
        QCOMPARE(w.zgruppe, QString());
        QCOMPARE(w.einheit, QStringLiteral("kg"));
        QCOMPARE(w.menge, 1.0);
        QCOMPARE(w.preis, 7.5);
        QCOMPARE(lieferant->count(), 3); // a typed value is not added to the list

        // Changing keeps the lists of the last new ingredient.
        f.fuelleAus(ZutatWerte(daten->zutat(2)));
        QCOMPARE(eintraege(lieferant).size(), 3);
        QCOMPARE(lieferant->currentText(), QStringLiteral("Frischhof"));
        QCOMPARE(menge->text(), t("1000,0000"));

        f.show();
        f.close(); // the close box
        QCOMPARE(f.result(), int(QDialog::Rejected));
    }

    void zutatTabFolge() {
        fenster::TZutatForm f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        const QList<QWidget*> erwartet = {f.NameEd,          f.LieferantCombo,
                                          f.GruppeCombo,     f.EinheitCombo,
                                          f.MengeEd,         f.PreisEd,
                                          f.StueckgewichtEd, f.DichteEd,
                                          f.InhaltMengeEd,   f.InhaltEinheitCombo,
                                          f.AllergeneBtn,    f.OKBtn};
        QCOMPARE(TabFolge(f.NameEd), erwartet);
    }

    // The unit box offers the known units besides those in use; "Umrechnung" holds the
    // three facts, the content only for a unit of the ingredient's own.
    void umrechnung() {
        TTestMelder m;
        fenster::TZutatForm f;
        f.fuelleNeu(VerschiedeneWerte(*daten));
        auto* einheit = Feld<QComboBox>(f, QStringLiteral("Einheit:"));
        QCOMPARE(eintraege(einheit).mid(0, 5), QStringList({"Pck", "kg", "g", "mg", "ml"}));
        QVERIFY(eintraege(einheit).contains(QStringLiteral("Stück")));
        QCOMPARE(eintraege(einheit).count(QStringLiteral("kg")), 1);
        QCOMPARE(f.fakten(), TEinheitFakten{});

        einheit->setEditText(QStringLiteral("Karton"));
        auto* inhalt = Feld<TZahlFeld>(f, QStringLiteral("1 Karton enthält:"));
        inhalt->setzeText(t("6"));
        f.InhaltEinheitCombo->setCurrentText(QStringLiteral("l"));
        Feld<TZahlFeld>(f, QStringLiteral("Dichte (g/ml):"))->setzeText(t("1,03"));
        const TEinheitFakten erwartet{std::nullopt, 1.03, TInhalt{6, QStringLiteral("l")}};
        QCOMPARE(f.fakten(), erwartet);
        // A known unit has its content fixed: the row is off and not read.
        einheit->setEditText(QStringLiteral("kg"));
        QVERIFY(!inhalt->isEnabled());
        QCOMPARE(f.fakten().inhalt, std::nullopt);
        f.fuelleFakten(erwartet);
        einheit->setEditText(QStringLiteral("Karton"));
        QCOMPARE(f.fakten(), erwartet);

        // A refusal keeps the dialog open and names the recipes.
        f.setzePruefung([](const TZutatWerte& w, const TEinheitFakten&) -> std::optional<QString> {
            return QStringLiteral("Nicht %1.").arg(w.einheit);
        });
        f.show();
        f.OKBtn->click();
        QCOMPARE(m.texte(), QStringList({QStringLiteral("Nicht Karton.")}));
        QVERIFY(f.isVisible());
        f.setzePruefung({});
        f.OKBtn->click();
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    // The unit beside the quantity offers what the selected ingredient converts from.
    void pickerEinheit() {
        TTestMelder m;
        fenster::TZutatAuswaehlenForm p;
        PruefeZugaenglich(p);
        p.fuelle(*daten);
        auto* einheit = Feld<QComboBox>(p, QStringLiteral("Einheit:"));
        QVERIFY(!einheit->isEnabled());
        QVERIFY(p.ListView1->waehleNr(1)); // Butter, bought by the kg
        QCOMPARE(eintraege(einheit), QStringList({"kg", "mg", "g"}));
        QCOMPARE(einheit->currentText(), QStringLiteral("kg"));
        einheit->setCurrentText(QStringLiteral("g"));
        Feld<TZahlFeld>(p, QStringLiteral("Menge:"))->setzeText(t("250"));
        p.show();
        p.BitBtn1->click();
        QCOMPARE(p.result(), int(QDialog::Accepted));
        QCOMPARE(p.form().einheit, QStringLiteral("g"));
        QCOMPARE(p.form().mengeInZutateinheit(), std::optional(0.25));
        // Salz in "Pck" converts from nothing else.
        QVERIFY(p.ListView1->waehleNr(0));
        QCOMPARE(eintraege(einheit), QStringList({"Pck"}));
        QVERIFY(!m.unerwartet);
    }

    void pickerFuellenSortierenSuchen() {
        TTestMelder m;
        fenster::TZutatAuswaehlenForm p;
        p.fuelle(*daten);
        QCOMPARE(namen(p.ListView1),
                 QStringList({QStringLiteral("Apfel"), QStringLiteral("Butter"),
                              QStringLiteral("Karotten"), QStringLiteral("Salz")}));
        QVERIFY(p.ListView1->isColumnHidden(5));
        QVERIFY(!p.ListView1->gewaehlteZeile());

        // Selecting shows the row in the greyed fields; no selection empties them.
        QVERIFY(p.ListView1->waehleNr(2));
        QCOMPARE(Feld<QLineEdit>(p, QStringLiteral("Name:"))->text(), QStringLiteral("Karotten"));
        QCOMPARE(Feld<QLineEdit>(p, QStringLiteral("Einkaufspreis:"))->text(), t("0,8000"));
        QCOMPARE(Feld<QLineEdit>(p, QStringLiteral("Einkaufsmenge:"))->text(), t("1000,0000"));
        QVERIFY(p.NameEd->isReadOnly());

        // A click on "Preis": the most expensive first; the selection stays on Karotten.
        Q_EMIT p.ListView1->header()->sectionClicked(2);
        QCOMPARE(namen(p.ListView1),
                 QStringList({QStringLiteral("Butter"), QStringLiteral("Apfel"),
                              QStringLiteral("Salz"), QStringLiteral("Karotten")}));
        QCOMPARE(p.ListView1->gewaehlteNr(), 2);
        QCOMPARE(p.ListView1->header()->sortIndicatorSection(), 2);

        // The next filling keeps the order and selects nothing.
        p.fuelle(*daten);
        QCOMPARE(namen(p.ListView1).first(), QStringLiteral("Butter"));
        QVERIFY(!p.ListView1->gewaehlteZeile());
        QVERIFY(p.NameEd->text().isEmpty());

        // Search from the top and on; no wrap around.
        p.SuchEd2->setText(QStringLiteral("kg"));
        Knopf(p, QStringLiteral("Suchen"))->click();
        QCOMPARE(p.ListView1->gewaehlteNr(), 1); // Butter
        Knopf(p, QStringLiteral("Weitersuchen"))->click();
        QCOMPARE(p.ListView1->gewaehlteNr(), 3); // Apfel
        Knopf(p, QStringLiteral("Weitersuchen"))->click();
        QCOMPARE(p.ListView1->gewaehlteNr(), 3);
        // Enter in the search field searches and leaves the dialog open.
        p.show();
        p.SuchEd2->setText(QStringLiteral("salz"));
        QTest::keyClick(p.SuchEd2, Qt::Key_Return);
        QCOMPARE(p.ListView1->gewaehlteNr(), 0);
        QVERIFY(p.isVisible());
        QVERIFY(m.eintraege.isEmpty());
    }

    void pickerOk() {
        TTestMelder m;
        fenster::TZutatAuswaehlenForm p;
        p.fuelle(*daten);
        p.fuerNeueZeile();
        QCOMPARE(p.MengeEd->text(), t("0,0000000000"));
        QCOMPARE(p.GewichtsverlustEd->text(), t("0,00"));
        QPushButton* ok = Knopf<QPushButton>(p, QStringLiteral("OK"));
        QVERIFY(ok->isDefault());

        p.MengeEd->setzeText(QStringLiteral("1"));
        ok->click();
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].text,
                 QStringLiteral("Sie haben noch keine Zutat aus der Liste ausgewählt."));
        QCOMPARE(m.eintraege[0].titel, QStringLiteral("Zutat auswählen"));
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);

        p.ListView1->waehleZeile(0);
        for (const char* menge : {"0", "-1", "x", "0,00000000001"}) {
            p.MengeEd->setzeText(t(menge));
            ok->click();
            QCOMPARE(m.eintraege.last().text,
                     QStringLiteral("Sie müssen eine Menge größer als 0 festlegen."));
            QCOMPARE(m.eintraege.last().titel, QStringLiteral("Menge festlegen"));
        }
        QCOMPARE(m.eintraege.size(), 5);
        QCOMPARE(p.result(), int(QDialog::Rejected));

        p.MengeEd->setzeText(t("0,0000000001"));
        p.GewichtsverlustEd->setzeText(QStringLiteral("100"));
        ok->click();
        QCOMPARE(m.eintraege.size(), 5);
        QCOMPARE(p.result(), int(QDialog::Accepted));
        QCOMPARE(p.form().gewaehlt(::TZutatAuswaehlenForm::spalteName), QStringLiteral("Apfel"));
        QCOMPARE(p.form().menge, t("0,0000000001"));
        QCOMPARE(p.form().gewichtsverlust, t("100,00"));

        Knopf(p, QStringLiteral("Abbrechen"))->click();
        QCOMPARE(p.result(), int(QDialog::Rejected));
    }

    // Changing a line opens the picker on the line's ingredient wherever the order put it.
    void pickerFuerZeile() {
        fenster::TZutatAuswaehlenForm p;
        p.fuelle(*daten);
        ::TRezeptForm rezept;
        rezept.zutaten.zeilen = {{QStringLiteral("Karotten"), t("500,25"), QStringLiteral("g"),
                                  t("0,40"), QStringLiteral("2"), t("12,5")}};
        QVERIFY(p.fuerZeile(rezept)); // no line selected: the message
        rezept.zeilenauswahl = 0;
        QVERIFY(!p.fuerZeile(rezept));
        QCOMPARE(p.ListView1->gewaehlteNr(), 2);
        QCOMPARE(p.ListView1->gewaehlteZeile(), 2);
        QCOMPARE(p.NameEd->text(), QStringLiteral("Karotten"));
        QCOMPARE(p.MengeEd->text(), t("500,2500000000"));
        QCOMPARE(p.GewichtsverlustEd->text(), t("12,50"));
    }
};

QTEST_MAIN(TestDialogZutat)
#include "test_dialog_zutat.moc"
