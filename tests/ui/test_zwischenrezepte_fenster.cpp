// Sub-recipes in the windows: the recipe dialog's mark and unit, the ingredient tab's
// buttons on a sub-recipe's ingredient, "Verwendet in:", the production list, and a
// price change reaching the dishes through the lists and the working file.
#include "core/datei.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/preise.h"
#include "costing/zwischenrezepte.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/produktionsform.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"
#include "ui/zutatform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using fenster::TMainForm;

namespace {

// Ingredients: 0 Knochen, 1 Butter, 2 Fond, 3 Sauce. Recipes: 0 Fond, 1 Sauce (uses the
// stock), 2 Braten (uses the sauce).
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Knochen"), 10, 5);
    NeueZutat(d, QStringLiteral("Butter"), 4, 1);
    NeueZeile(NeuesRezept(d, QStringLiteral("Fond"), 10), 0, 3);
    SetzeZwischenrezept(d, 0, true, QStringLiteral("l"));
    TRezept& s = NeuesRezept(d, QStringLiteral("Sauce"), 2);
    NeueZeile(s, 2, 1.5, 25);
    NeueZeile(s, 1, 0.2);
    SetzeZwischenrezept(d, 1, true, QStringLiteral("l"));
    NeueZeile(NeuesRezept(d, QStringLiteral("Braten"), 4, 20), 3, 0.4);
    Nachrechnen(d);
}

} // namespace

class TestZwischenrezepteFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zutatenSeite() {
        TKuechenOrdner ordner(&BaueKueche);
        TTestMelder m;
        TMainForm f;
        QVERIFY(Spalte(*f.ListView1, 1).contains(QStringLiteral("Eigene Herstellung")));

        // "Bearbeiten..." on the stock's ingredient opens the stock's recipe.
        QVERIFY(f.ListView1->waehleNr(2));
        bool gesehen = false;
        m.spieleDialog(Skript<fenster::TRezeptForm>([&](fenster::TRezeptForm& d) {
            gesehen = true;
            QCOMPARE(d.NameEd->text(), QStringLiteral("Fond"));
            QVERIFY(d.CheckBox1->isChecked());
            QCOMPARE(d.EinheitEd->text(), QStringLiteral("l"));
            QVERIFY(d.VerwendetLabel->text().contains(QStringLiteral("Braten (über Sauce)")));
            PruefeZugaenglich(d);
            d.reject();
        }));
        f.ZutatEditBtn->click();
        QVERIFY(gesehen);

        // "Löschen" says it belongs to the recipe.
        QVERIFY(f.ListView1->waehleNr(2));
        f.DelZutatBtn->click();
        QCOMPARE(m.texte(), (QStringList{QStringLiteral(
                                "Diese Zutat gehört zum Rezept Fond. Sie wird mit ihm gelöscht "
                                "oder wenn es nicht mehr als Zutat verwendet wird.")}));

        // The butter's dialog names the dishes it reaches.
        QVERIFY(f.ListView1->waehleNr(1));
        m.spieleDialog(Skript<fenster::TZutatForm>([](fenster::TZutatForm& d) {
            QCOMPARE(d.VerwendetLabel->text(),
                     QStringLiteral("Verwendet in:\nSauce\nBraten (über Sauce)"));
            // A dearer butter: OK.
            d.PreisEd->setzeWert(8);
            d.OKBtn->click();
        }));
        const double vorher = EK(f.daten, f.daten.rezept(2));
        const double sauceVorher = f.daten.zutat(3).preis;
        f.ZutatEditBtn->click();
        QVERIFY(!m.unerwartet);
        Nahe(EK(f.daten, f.daten.rezept(2)), vorher + 0.4 / 4 * 0.8 / 2);
        // The working file holds the recomputed sub-recipe prices.
        TDaten gelesen;
        QVERIFY(LoadOptionsFile(gelesen, ordner.arbeitsdatei()).ok());
        QCOMPARE(gelesen.zutat(3).preis, f.daten.zutat(3).preis);

        // Undo brings the sauce's recomputed price back with the butter's.
        f.Rueckgaengig1->trigger();
        QCOMPARE(f.daten.zutat(1).preis, 4.0);
        QCOMPARE(f.daten.zutat(3).preis, sauceVorher);
        QCOMPARE(EK(f.daten, f.daten.rezept(2)), vorher);
    }

    void rezeptDialogSchuetztUndZeigtProduktion() {
        TKuechenOrdner ordner(&BaueKueche);
        TTestMelder m;
        TMainForm f;
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QVERIFY(f.ListView2->waehleNr(0));
        // Unticking the used stock is refused, the dialog stays open.
        m.spieleDialog(Skript<fenster::TRezeptForm>([&](fenster::TRezeptForm& d) {
            d.CheckBox1->setChecked(false);
            d.OKBtn->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            d.reject();
        }));
        f.EditRezeptBtn->click();
        QVERIFY(m.texte().last().startsWith(
            QStringLiteral("Das Rezept Fond wird als Zutat verwendet und kann nicht mehr")));
        QVERIFY(IstZwischenrezept(f.daten, 0));

        // The picker refuses the sauce as a line of the stock it is made from.
        QVERIFY(f.ListView2->waehleNr(0));
        m.spieleDialog(Skript<fenster::TRezeptForm>([&](fenster::TRezeptForm& d) {
            d.NewZutatBtn->click();
            QCOMPARE(d.form().zutaten.anzahlZeilen(), qsizetype(1));
            d.reject();
        }));
        m.spieleDialog(Skript<fenster::TZutatAuswaehlenForm>([&](fenster::TZutatAuswaehlenForm& d) {
            QVERIFY(d.ListView1->waehleNr(3));
            d.MengeEd->setzeWert(1);
            d.BitBtn1->click();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            d.reject();
        }));
        f.EditRezeptBtn->click();
        QCOMPARE(m.texte().last(), QStringLiteral("Rezept Fond enthält über Rezept Sauce sich "
                                                  "selbst: Fond → Sauce → Fond."));

        // The production list of 8 roasts: the sauce and then the stock it needs.
        QVERIFY(f.ListView2->waehleNr(2));
        QStringList arten;
        m.spieleDialog(Skript<fenster::TRezeptForm>([&](fenster::TRezeptForm& d) {
            d.BedarfEd->setzeWert(8);
            d.BitBtn2->click();
            d.reject();
        }));
        m.spieleDialog(Skript<fenster::TCalcAmountsForm>([&](fenster::TCalcAmountsForm& d) {
            QVERIFY(d.ProduktionBtn->isEnabled());
            d.ProduktionBtn->click();
        }));
        m.spieleDialog(Skript<fenster::TProduktionsForm>([&](fenster::TProduktionsForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(d.windowTitle(), QStringLiteral("Produktionsliste: Braten, 8"));
            arten = Spalte(*d.ListView1, 1);
        }));
        f.EditRezeptBtn->click();
        QVERIFY(!m.unerwartet);
        QCOMPARE(arten, (QStringList{QStringLiteral("Fond"), QStringLiteral("Sauce"),
                                     QStringLiteral("Knochen"), QStringLiteral("Butter")}));
    }

private:
    static void Nahe(double a, double b) { QVERIFY(std::abs(a - b) < 1e-12); }
};

QTEST_MAIN(TestZwischenrezepteFenster)
#include "test_zwischenrezepte_fenster.moc"
