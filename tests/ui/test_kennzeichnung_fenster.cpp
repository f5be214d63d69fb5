// Allergens and additives in the windows: the ingredient's declaration through its
// dialog, the master-data page of codes, the recipe dialog's live declaration, and the
// allergen card and written record of the menu "Extras".
#include "costing/allergene.h"
#include "costing/deklaration.h"
#include "lists/kennzeichnungslisten.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/allergenform.h"
#include "ui/allergenkarteform.h"
#include "ui/deklarationsknopf.h"
#include "ui/kennzeichnungseite.h"
#include "ui/rezeptform.h"
#include "ui/zutatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

using namespace fenster;

namespace {

constexpr int gluten = 0, eier = 2, milch = 6;

// Mehl undeclared, Butter with milk, Ei with eggs and additive 2; Kuchen of all three,
// Omelett of egg and butter.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
    NeueZutat(d, QStringLiteral("Butter"), 8, 1);
    NeueZutat(d, QStringLiteral("Ei"), 0.3, 1);
    TZutatDeklaration b;
    for (int g = 0; g < AllergenGruppen; ++g)
        b.setze(g, TAllergenZustand::frei);
    b.zusatzstoffeGeprueft = true;
    TZutatDeklaration e = b;
    b.setze(milch, TAllergenZustand::enthaelt);
    e.setze(eier, TAllergenZustand::enthaelt);
    e.setzeZusatzstoff(2, true);
    Kennzeichnung(d).setze(1, b);
    Kennzeichnung(d).setze(2, e);
    TRezept& kuchen = NeuesRezept(d, QStringLiteral("Kuchen"), 1, 3.5);
    NeueZeile(kuchen, 0, 0.5);
    NeueZeile(kuchen, 1, 0.2);
    NeueZeile(kuchen, 2, 3);
    TRezept& omelett = NeuesRezept(d, QStringLiteral("Omelett"), 1, 7.9);
    NeueZeile(omelett, 2, 3);
    NeueZeile(omelett, 1, 0.02);
}

QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

} // namespace

class TestKennzeichnungFenster : public QObject {
    Q_OBJECT

    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    // The declaration is changed in its own dialog, dated today, and stored with the
    // ingredient's OK; cancelling the ingredient dialog drops it.
    void zutatDialogDeklariert() {
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView1->waehleNr(0));
        const auto deklariere = [&](int zutatErgebnis) {
            m.spieleDialog(Skript<TZutatForm>([&, zutatErgebnis](TZutatForm& z) {
                QCOMPARE(OhneMnemonik(z.AllergeneBtn->text()),
                         QStringLiteral("Allergene und Zusatzstoffe..."));
                m.spieleDialog(Skript<TAllergenForm>([](TAllergenForm& a) {
                    PruefeZugaenglich(a);
                    QVERIFY(a.windowTitle().endsWith(QLatin1String("Mehl")));
                    QCOMPARE(a.DatumLabel->text(), QStringLiteral("Noch nie deklariert"));
                    QCOMPARE(a.Zustaende[gluten]->currentText(), QStringLiteral("ungeklärt"));
                    QVERIFY(!a.Arten[0]->isEnabled());
                    for (QComboBox* c : a.Zustaende)
                        c->setCurrentIndex(c->findText(QStringLiteral("frei")));
                    a.Zustaende[gluten]->setCurrentIndex(0); // "enthält"
                    QVERIFY(a.Arten[0]->isEnabled());
                    a.Arten[0]->setChecked(true);        // Weizen
                    a.Arten[7]->setChecked(true);        // a nut, while nuts are "frei"
                    a.Zusatzstoffe[9]->setChecked(true); // 10
                    a.GeprueftCheck->setChecked(true);
                    a.OKBtn->click();
                }));
                z.AllergeneBtn->click();
                zutatErgebnis == QDialog::Accepted ? z.OKBtn->click() : z.reject();
            }));
            f.ZutatEditBtn->click();
        };
        deklariere(QDialog::Rejected);
        QVERIFY(Kennzeichnung(f.daten).deklaration(0).leer());
        deklariere(QDialog::Accepted);
        const TZutatDeklaration& d = Kennzeichnung(f.daten).deklaration(0);
        QCOMPARE(int(d.zustand(gluten)), int(TAllergenZustand::enthaelt));
        QCOMPARE(int(d.zustand(milch)), int(TAllergenZustand::frei));
        QCOMPARE(d.arten, uint16_t(1));
        QVERIFY(d.hatZusatzstoff(10));
        QVERIFY(d.zusatzstoffeGeprueft);
        QCOMPARE(d.deklariertAm(), QDate(2024, 6, 15));
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);

        // Kept in the working file.
        f.SaveZutaten();
        TDaten gelesen;
        QVERIFY(LoadOptionsFile(gelesen, ordner->arbeitsdatei()).ok());
        QCOMPARE(Kennzeichnung(gelesen).deklaration(0), d);
    }

    // A new ingredient starts undeclared, even after one that was declared.
    void neueZutatOhneDeklaration() {
        TTestMelder m;
        TMainForm f;
        m.spieleDialog(Skript<TZutatForm>([](TZutatForm& z) {
            QVERIFY(z.AllergeneBtn->wert().leer());
            z.NameEd->setText(QStringLiteral("Zucker"));
            z.OKBtn->click();
        }));
        f.NewZutatBtn->click();
        QCOMPARE(f.daten.anzahlZutaten(), 4u);
        QVERIFY(Kennzeichnung(f.daten).deklaration(3).leer());
        QVERIFY(!m.unerwartet);
    }

    void stammdatenCodesBearbeiten() {
        TTestMelder m;
        TMainForm f;
        QCOMPARE(f.PageControl2->tabText(2), QStringLiteral("Kennzeichnung"));
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        f.PageControl2->setCurrentIndex(2);
        TKennzeichnungSeite& s = *f.KennzeichnungSeite;
        PruefeZugaenglich(s);
        QCOMPARE(s.GruppenTabelle->item(eier, 1)->text(), QStringLiteral("C"));
        s.GruppenTabelle->item(eier, 1)->setText(QStringLiteral("Ei"));
        QCOMPARE(Kennzeichnung(f.daten).tabelle.codes[eier], QStringLiteral("Ei"));
        // Refused: a code of the other table.
        s.GruppenTabelle->item(milch, 1)->setText(QStringLiteral("2"));
        QCOMPARE(m.texte().size(), 1);
        QVERIFY(m.texte()[0].contains(QLatin1String("schon vergeben")));
        QCOMPARE(s.GruppenTabelle->item(milch, 1)->text(), QStringLiteral("G"));
        QCOMPARE(Kennzeichnung(f.daten).tabelle.codes[milch], QStringLiteral("G"));
        s.ZusatzTabelle->item(1, 2)->setText(QStringLiteral("gefärbt"));
        s.NeuerZusatzstoffBtn->click();
        QCOMPARE(s.ZusatzTabelle->rowCount(), 16);
        QCOMPARE(Kennzeichnung(f.daten).tabelle.zusatzstoffe.size(), size_t(16));

        // The written form follows the edited codes everywhere.
        QCOMPARE(Allergenkarte(f.daten, 0).zelle(1, 5), QStringLiteral("Ei, G; 2"));
        QVERIFY(!m.unerwartet);
    }

    void rezeptDialogZeigtKennzeichnungLive() {
        TTestMelder m;
        TMainForm f;
        QVERIFY(f.ListView2->waehleNr(0));
        m.spieleDialog(Skript<fenster::TRezeptForm>([](fenster::TRezeptForm& r) {
            const QString text = r.KennzeichnungLabel->text();
            QVERIFY2(text.contains(QLatin1String("C, G; 2")), qPrintable(text));
            QVERIFY(text.contains(QLatin1String("color:#c00000")));
            QVERIFY(text.contains(QLatin1String("nicht deklariert bei: Mehl")));
            // Without the flour line everything is declared; nothing shows red.
            r.ListView2->waehleZeile(0);
            r.DelZutatBtn->click();
            QCOMPARE(r.KennzeichnungLabel->text(), QStringLiteral("Kennzeichnung: C, G; 2"));
            r.CancelBtn->click();
        }));
        m.antworte(TAntwort::ja); // should the line go?
        f.EditRezeptBtn->click();
        QVERIFY(!m.unerwartet);
    }

    void allergenkarteZeigtExportiertDruckt() {
        TTestMelder m;
        TMainForm f;
        QPrinter& drucker = f.Drucker();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = ordner->pfad("karte.pdf");
        drucker.setOutputFileName(pdf);
        m.spieleDialog(Skript<TAllergenkarteForm>([&](TAllergenkarteForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(d.ListView1->liste(), Allergenkarte(f.daten, 0));
            QCOMPARE(d.Fusszeile->text(), QStringLiteral("1 Rezept hat Ungeklärtes."));
            d.DruckenBtn->click();
        }));
        Menuepunkt(f, QStringLiteral("Allergenkarte..."))->trigger();
        const QString seite = PdfText(pdf);
        QVERIFY2(seite.contains(QStringLiteral("Speisekarte mit Kennzeichnung")),
                 qPrintable(seite));
        QVERIFY(seite.contains(QStringLiteral("Omelett 7,90 C, G; 2")));
        QVERIFY(seite.contains(QStringLiteral("C: Eier")));
        QVERIFY(seite.contains(QStringLiteral("2: mit Farbstoff")));
        QVERIFY(!m.unerwartet);
    }

    void allergenDokumentationDesGewaehltenRezepts() {
        TTestMelder m;
        TMainForm f;
        f.ListView2->waehleZeile(-1);
        Menuepunkt(f, QStringLiteral("Allergen-Dokumentation..."))->trigger();
        QCOMPARE(m.texte(), QStringList(QStringLiteral("Sie müssen zuerst ein Rezept anklicken.")));
        QVERIFY(f.ListView2->waehleNr(1));
        m.spieleDialog(Skript<TAllergenDokuForm>([&](TAllergenDokuForm& d) {
            PruefeZugaenglich(d);
            QCOMPARE(d.ListView1->liste(), AllergenDokumentation(f.daten, f.daten.rezept(1), true));
            QVERIFY(d.windowTitle().endsWith(QLatin1String("Omelett")));
        }));
        Menuepunkt(f, QStringLiteral("Allergen-Dokumentation..."))->trigger();
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestKennzeichnungFenster)
#include "test_kennzeichnung_fenster.moc"
