// The main window's handlers for ingredients, recipes and the about dialog.
#include "core/datei.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/aboutbox.h"
#include "ui/listenansicht.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"
#include "ui/zutatform.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

using fenster::TMainForm;

namespace {

const QString zutatAnklicken = QStringLiteral("Sie müssen zuerst eine Zutat anklicken.");
const QString rezeptAnklicken = QStringLiteral("Sie müssen zuerst ein Rezept anklicken.");

// Butter at 0 and Zucker at 1, Gulasch with one line of each, one sale, and Salz at 2,
// used by no recipe.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Butter"), 10, 4, QStringLiteral("kg"));
    NeueZutat(d, QStringLiteral("Zucker"), 1, 8, QStringLiteral("Pck"));
    NeueZutat(d, QStringLiteral("Salz"), 2, 1, QStringLiteral("kg"));
    TRezept& r = NeuesRezept(d, QStringLiteral("Gulasch"), 2, 4.5, 0);
    NeueZeile(r, 0, 0.5, 20);
    NeueZeile(r, 1, 1, 0);
    NeuerVerkauf(r, 2024, 6, 1, 3, 1, 2, 3, 4, 5);
}

// The lines of a recipe: ingredient number, quantity, weight loss.
QList<std::tuple<int, double, double>> Zeilen(const TRezept& r) {
    QList<std::tuple<int, double, double>> l;
    for (const auto* z = r.zutaten->begin<TRezeptZutat>(); z != r.zutaten->end<TRezeptZutat>(); ++z)
        l.append({z->zutatnr, z->menge, z->gewichtsverlust});
    return l;
}

int Abbrechen(QObject& d) {
    static_cast<QDialog&>(d).reject();
    return static_cast<QDialog&>(d).result();
}

} // namespace

class TestDialogHauptfenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TUhr::setzeHeute(QDate(2024, 6, 15)); }
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void zutaten() {
        TDatenordner ordner;
        TTestMelder m;
        TMainForm f;
        QWidget* seite = f.TabSheet2;

        // Without a selected row: the message, nothing else.
        Knopf(seite, QStringLiteral("Bearbeiten..."))->click();
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.texte(), QStringList({zutatAnklicken, zutatAnklicken}));
        QCOMPARE(m.eintraege[0].symbol, TSymbol::information);

        // Cancel creates nothing and saves nothing.
        m.spieleDialog(Abbrechen);
        Knopf(seite, QStringLiteral("Neue Zutat..."))->click();
        QCOMPARE(f.daten.anzahlZutaten(), 0u);
        QVERIFY(!QFile::exists(ordner.arbeitsdatei()));

        m.spieleDialog([](QObject& d) {
            auto& z = static_cast<fenster::TZutatForm&>(d);
            z.NameEd->setText(QStringLiteral("Mehl"));
            z.LieferantCombo->setEditText(QStringLiteral("Frischhof"));
            z.PreisEd->setzeText(QStringLiteral("7,5"));
            z.MengeEd->setzeText(QStringLiteral("2"));
            z.OKBtn->click();
            return z.result();
        });
        Knopf(seite, QStringLiteral("Neue Zutat..."))->click();
        QCOMPARE(Spalte(*f.ListView1, 0), QStringList({QStringLiteral("Mehl")}));
        QCOMPARE(Spalte(*f.ListView1, 3), QStringList({QStringLiteral("3,75")}));
        QCOMPARE(f.ListView1->gewaehlteNr(), 0); // the new ingredient is selected
        QVERIFY(QFile::exists(ordner.arbeitsdatei()));

        // Changing shows the record and the lists of the last new ingredient (built
        // from the catalogue before it, so empty); a double click does the same.
        QFile::remove(ordner.arbeitsdatei());
        m.spieleDialog([](QObject& d) {
            auto& z = static_cast<fenster::TZutatForm&>(d);
            [&] {
                QCOMPARE(z.NameEd->text(), QStringLiteral("Mehl"));
                QCOMPARE(z.LieferantCombo->currentText(), QStringLiteral("Frischhof"));
                QCOMPARE(z.LieferantCombo->count(), 0);
                QCOMPARE(z.PreisEd->text(), QStringLiteral("7,5000"));
            }();
            return Abbrechen(d);
        });
        f.ListView1DblClick();
        QVERIFY(!QFile::exists(ordner.arbeitsdatei()));
        m.spieleDialog([](QObject& d) {
            auto& z = static_cast<fenster::TZutatForm&>(d);
            z.PreisEd->setzeText(QStringLiteral("1"));
            z.MengeEd->setzeText(QStringLiteral("3"));
            z.OKBtn->click();
            return z.result();
        });
        Knopf(seite, QStringLiteral("Bearbeiten..."))->click();
        QCOMPARE(Spalte(*f.ListView1, 3), QStringList({QStringLiteral("0,333333333333333")}));
        QVERIFY(QFile::exists(ordner.arbeitsdatei()));

        // Deleting asks; only Yes deletes.
        m.antworte(TAntwort::abbrechen);
        m.antworte(TAntwort::ja);
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(f.daten.anzahlZutaten(), 1u);
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(f.daten.anzahlZutaten(), 0u);
        QCOMPARE(m.eintraege.last().text,
                 QStringLiteral("Wollen Sie diese Zutat wirklich löschen?"));
        QCOMPARE(m.eintraege.last().titel, QStringLiteral("Löschen"));
        QCOMPARE(f.ListView1->liste().anzahlZeilen(), 0);
        QVERIFY(!m.unerwartet);
    }

    void zutatInBenutzung() {
        TDatenordner ordner;
        TDaten d;
        BaueKueche(d);
        ordner.schreibeArbeitsdatei(d);
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView1->waehleNr(1));
        Knopf(f.TabSheet2, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].text,
                 QStringLiteral("Diese Zutat kann nicht gelöscht werden, da die Zutat in einem "
                                "Rezept benutzt wird. Verwendet in: Gulasch."));
        QCOMPARE(m.eintraege[0].titel, QStringLiteral("Löschen"));
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
        QCOMPARE(f.daten.anzahlZutaten(), 3u);

        // Salz is unused; the recipe's lines keep their ingredients.
        m.antworte(TAntwort::ja);
        QVERIFY(f.ListView1->waehleNr(2));
        Knopf(f.TabSheet2, QStringLiteral("Löschen"))->click();
        QCOMPARE(f.daten.anzahlZutaten(), 2u);
        QCOMPARE(Zeilen(f.daten.rezept(0)),
                 (QList<std::tuple<int, double, double>>{{0, 0.5, 20}, {1, 1, 0}}));
        QVERIFY(!m.unerwartet);
    }

    // Cancel leaves the recipe exactly as it was; OK stores the lines in their new order
    // and keeps the sales.
    void rezeptAendern() {
        TDatenordner ordner;
        TDaten d;
        BaueKueche(d);
        ordner.schreibeArbeitsdatei(d);
        TTestMelder m;
        TMainForm f;
        QWidget* seite = f.TabSheet3;
        const auto vorher = Zeilen(f.daten.rezept(0));

        Knopf(seite, QStringLiteral("Bearbeiten..."))->click();
        QCOMPARE(m.texte(), QStringList({rezeptAnklicken}));

        QVERIFY(f.ListView2->waehleNr(0));
        QFile::remove(ordner.arbeitsdatei());
        QStringList figuren;
        m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            for (TZahlFeld* z : r.preisfelder)
                figuren << z->text();
            r.ListView2->waehleZeile(1);
            r.BitBtn3Click();
            r.NameEd->setText(QStringLiteral("Anders"));
            r.RxSpinEdit1->setzeText(QStringLiteral("7"));
            r.DelZutatBtn->click(); // answered Yes below
            r.CancelBtn->click();
            return r.result();
        });
        m.antworte(TAntwort::ja);
        Knopf(seite, QStringLiteral("Bearbeiten..."))->click();
        // The worked example, in the dialog's order of the box.
        QCOMPARE(figuren, QStringList({"0,8450", "2,9365", "22,3456", "3,3519", "2,8167", "4,5000",
                                       "3,7815"}));
        const TRezept& r = f.daten.rezept(0);
        QCOMPARE(Text(r.name), QStringLiteral("Gulasch"));
        QCOMPARE(r.menge, 2.0);
        QCOMPARE(Zeilen(r), vorher);
        QVERIFY(!QFile::exists(ordner.arbeitsdatei()));

        m.spieleDialog([](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            r.ListView2->waehleZeile(1);
            r.BitBtn3->click();
            r.OKBtn->click();
            return r.result();
        });
        f.ListView2DblClick();
        QCOMPARE(Zeilen(f.daten.rezept(0)),
                 (QList<std::tuple<int, double, double>>{{1, 1, 0}, {0, 0.5, 20}}));
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, 1u);
        QVERIFY(QFile::exists(ordner.arbeitsdatei()));
        QCOMPARE(f.ListView2->gewaehlteNr(), 0);

        // Reopening shows the stored order.
        QStringList namen;
        m.spieleDialog([&](QObject& d) {
            namen = Spalte(*static_cast<fenster::TRezeptForm&>(d).ListView2, 0);
            return Abbrechen(d);
        });
        Knopf(seite, QStringLiteral("Bearbeiten..."))->click();
        QCOMPARE(namen, QStringList({QStringLiteral("Zucker"), QStringLiteral("Butter")}));
        QVERIFY(!m.unerwartet);
    }

    void rezeptNeuKopierenLoeschen() {
        TDatenordner ordner;
        TDaten d;
        BaueKueche(d);
        ordner.schreibeArbeitsdatei(d);
        TTestMelder m;
        TMainForm f;
        QWidget* seite = f.TabSheet3;

        Knopf(seite, QStringLiteral("Kopieren..."))->click();
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.texte(), QStringList({rezeptAnklicken, rezeptAnklicken}));

        // A new recipe, with a line added through the picker.
        m.spieleDialog([&m](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            r.NameEd->setText(QStringLiteral("Suppe"));
            m.spieleDialog([](QObject& p) {
                auto& a = static_cast<fenster::TZutatAuswaehlenForm&>(p);
                a.ListView1->waehleNr(2);
                a.MengeEd->setzeText(QStringLiteral("0,25"));
                a.BitBtn1->click();
                return a.result();
            });
            r.NewZutatBtn->click();
            r.OKBtn->click();
            return r.result();
        });
        Knopf(seite, QStringLiteral("Neues Rezept..."))->click();
        QCOMPARE(f.daten.anzahlRezepte(), 2u);
        QCOMPARE(Text(f.daten.rezept(1).name), QStringLiteral("Suppe"));
        QCOMPARE(Zeilen(f.daten.rezept(1)), (QList<std::tuple<int, double, double>>{{2, 0.25, 0}}));
        QCOMPARE(f.ListView2->gewaehlteNr(), 1);

        // Copy: " (Kopie)", own lines, no sales; Cancel creates nothing.
        QVERIFY(f.ListView2->waehleNr(0));
        m.spieleDialog(Abbrechen);
        Knopf(seite, QStringLiteral("Kopieren..."))->click();
        QCOMPARE(f.daten.anzahlRezepte(), 2u);
        QString name;
        m.spieleDialog([&](QObject& d) {
            auto& r = static_cast<fenster::TRezeptForm&>(d);
            name = r.NameEd->text();
            r.OKBtn->click();
            return r.result();
        });
        Knopf(seite, QStringLiteral("Kopieren..."))->click();
        QCOMPARE(name, QStringLiteral("Gulasch (Kopie)"));
        QCOMPARE(f.daten.anzahlRezepte(), 3u);
        const TRezept& kopie = f.daten.rezept(2);
        QCOMPARE(Text(kopie.name), name);
        QCOMPARE(Zeilen(kopie), Zeilen(f.daten.rezept(0)));
        QVERIFY(kopie.zutaten != f.daten.rezept(0).zutaten);
        QCOMPARE(kopie.verkaeufe->count, 0u);
        QCOMPARE(kopie.vkbrutto, 4.5);
        QCOMPARE(f.ListView2->gewaehlteNr(), 2);

        // Delete: No keeps it, Yes removes it with its sales.
        QVERIFY(f.ListView2->waehleNr(0));
        m.antworte(TAntwort::nein);
        m.antworte(TAntwort::ja);
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(f.daten.anzahlRezepte(), 3u);
        Knopf(seite, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.eintraege.last().text,
                 QStringLiteral("Wollen Sie dieses Rezept wirklich löschen?"));
        QCOMPARE(m.eintraege.last().titel, QStringLiteral("Löschen"));
        QCOMPARE(f.daten.anzahlRezepte(), 2u);
        QCOMPARE(Spalte(*f.ListView2, 0),
                 QStringList({QStringLiteral("Gulasch (Kopie)"), QStringLiteral("Suppe")}));
        QVERIFY(!m.unerwartet);
    }

    void ueber() {
        TDatenordner ordner;
        TTestMelder m;
        TMainForm f;
        QString titel;
        m.spieleDialog([&](QObject& d) {
            titel = static_cast<fenster::TAboutBox&>(d).windowTitle();
            return 1;
        });
        Menuepunkt(f, QStringLiteral("Über..."))->trigger();
        QCOMPARE(titel, QStringLiteral("Info"));
        QVERIFY(static_cast<fenster::TAboutBox*>(f.AboutBox)
                    ->Copyright->text()
                    .contains(QStringLiteral("2024")));
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestDialogHauptfenster)
#include "test_dialog_hauptfenster.moc"
