// The recipe dialog: live figures, lines through the picker, picture, amounts.
#include "core/daten.h"
#include "core/texte.h"
#include "costing/rezepteditor.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "ui/bildform.h"
#include "ui/listenansicht.h"
#include "ui/mengenform.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatauswahl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {
const QStringList preisLabels = {
    QStringLiteral("Einkaufspreis:"),
    QStringLiteral("Tatsächlicher VK-Preis netto:"),
    QStringLiteral("Deckungsbeitrag:"),
    QStringLiteral("Wareneinsatz-Quote:"),
    QStringLiteral("Kalkulierter VK-Preis netto:"),
    QStringLiteral("Kalkulierter VK-Preis brutto:"),
};

// The figures in the order of preisLabels.
QStringList figuren(const QWidget& f) {
    QStringList l;
    for (const QString& label : preisLabels)
        l << Feld<TZahlFeld>(f, label)->text();
    return l;
}

QStringList spalte(const TListe& l, int s) {
    QStringList z;
    for (qsizetype i = 0; i < l.anzahlZeilen(); ++i)
        z << l.zelle(i, s);
    return z;
}

void tippe(TZahlFeld* f, const QString& text) {
    f->eingabe()->clear();
    QTest::keyClicks(f, text);
}

// Plays the picker: chooses the ingredient nr with quantity and weight loss, presses OK.
TTestMelder::TDialogSkript waehle(int nr, const char* menge, const char* verlust) {
    return [=](QObject& d) {
        auto& p = static_cast<fenster::TZutatAuswaehlenForm&>(d);
        p.ListView1->waehleNr(nr);
        p.MengeEd->setzeText(t(menge));
        p.GewichtsverlustEd->setzeText(t(verlust));
        p.BitBtn1->click();
        return p.result();
    };
}
} // namespace

class TestDialogRezept : public QObject {
    Q_OBJECT

    std::unique_ptr<TDaten> daten;
    std::unique_ptr<fenster::TRezeptForm> form;
    std::unique_ptr<fenster::TZutatAuswaehlenForm> picker;
    std::unique_ptr<fenster::TZeigeBildForm> bild;
    std::unique_ptr<fenster::TCalcAmountsForm> mengen;

private Q_SLOTS:
    void initTestCase_data() { BeideLocales(); }
    void init() {
        QFETCH_GLOBAL(QString, locale);
        QLocale::setDefault(QLocale(locale));
        daten = std::make_unique<TDaten>();
        // Catalogue order is not alphabetic: A at 2, B at 0.
        NeueZutat(*daten, QStringLiteral("Zucker B"), 1, 8, QStringLiteral("Pck"));
        NeueZutat(*daten, QStringLiteral("Karotten"), 0.8, 1000, QStringLiteral("g"));
        NeueZutat(*daten, QStringLiteral("Butter A"), 10, 4, QStringLiteral("kg"));
        form = std::make_unique<fenster::TRezeptForm>();
        picker = std::make_unique<fenster::TZutatAuswaehlenForm>();
        bild = std::make_unique<fenster::TZeigeBildForm>();
        mengen = std::make_unique<fenster::TCalcAmountsForm>();
        form->setzeDialoge(picker.get(), bild.get(), mengen.get());
    }
    void cleanup() {
        form.reset();
        picker.reset();
        bild.reset();
        mengen.reset();
        daten.reset();
    }

    // Every control of the recipe dialog and of the dialogs it opens has a name people hear.
    void zugaenglich() {
        form->fuelleNeu(*daten);
        for (const QWidget* d : std::initializer_list<const QWidget*>{form.get(), picker.get(),
                                                                      bild.get(), mengen.get()})
            PruefeZugaenglich(*d);
    }

    void neuesRezeptLeer() {
        form->fuelleNeu(*daten);
        QCOMPARE(form->windowTitle(), QStringLiteral("Rezept bearbeiten"));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Rezept gilt für diese Menge:"))->text(),
                 t("1,0000"));
        auto* gruppe = Feld<QComboBox>(*form, QStringLiteral("Gruppe:"));
        QCOMPARE(gruppe->count(), 40);
        QCOMPARE(gruppe->currentIndex(), 0);
        QCOMPARE(form->ListView2->liste().anzahlZeilen(), 0);
        for (TZahlFeld* f : form->preisfelder) {
            QCOMPARE(f->text(), t("0,0000"));
            QCOMPARE(f->alignment() & Qt::AlignRight, Qt::AlignRight);
            // Only the actual gross price is an input; the others are out of the Tab order.
            QCOMPARE(f->isReadOnly(), f != form->RxSpinEdit2);
            QCOMPARE(f->focusPolicy() == Qt::NoFocus, f != form->RxSpinEdit2);
        }
        QVERIFY(!form->CheckBox1->isVisible());
        QVERIFY(form->ListView2->isColumnHidden(4) && form->ListView2->isColumnHidden(5));
    }

    // Tab goes through the inputs in their order, past the hidden check box and the six
    // figures that are only shown.
    void tabFolge() {
        form->fuelleNeu(*daten);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const QList<QWidget*> erwartet = {form->NameEd,
                                          form->RxSpinEdit1,
                                          form->ComboBox1,
                                          form->CheckBox1, // "Einheit:" only when ticked
                                          form->Memo1,
                                          form->NewZutatBtn,
                                          form->EditZutatBtn,
                                          form->DelZutatBtn,
                                          form->ListView2,
                                          form->BitBtn3,
                                          form->BitBtn4,
                                          form->FilenameEdit1,
                                          form->DurchsuchenBtn,
                                          form->ZiegeBilderBtn,
                                          form->RxSpinEdit2,
                                          form->BedarfEd,
                                          form->BitBtn2,
                                          form->OKBtn,
                                          form->KalkulationDruckenBtn,
                                          form->RezeptDruckenBtn,
                                          form->RezeptkarteDruckenBtn,
                                          form->CancelBtn};
        QCOMPARE(TabFolge(form->NameEd), erwartet);
    }

    // The worked example: every keystroke moves the figures.
    void zahlenFolgenJederEingabe() {
        TTestMelder m;
        form->fuelleNeu(*daten);
        form->show();
        m.spieleDialog(waehle(2, "0,5", "20"));
        m.spieleDialog(waehle(0, "1", "0"));
        Knopf(*form, QStringLiteral("Neues Zutat..."))->click();
        Knopf(*form, QStringLiteral("Neues Zutat..."))->click();
        QVERIFY(!m.unerwartet);
        QCOMPARE(spalte(form->form().zutaten, 3), QStringList({t("1,56"), t("0,13")}));
        QCOMPARE(spalte(form->ListView2->liste(), 0),
                 QStringList({QStringLiteral("Butter A"), QStringLiteral("Zucker B")}));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Einkaufspreis:"))->text(), t("1,6900"));

        tippe(Feld<TZahlFeld>(*form, QStringLiteral("Rezept gilt für diese Menge:")),
              QStringLiteral("2"));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Einkaufspreis:"))->text(), t("0,8450"));
        auto* brutto = Feld<TZahlFeld>(*form, QStringLiteral("Tatsächlicher VK-Preis brutto:"));
        tippe(brutto, QStringLiteral("4"));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Tatsächlicher VK-Preis netto:"))->text(),
                 t("3,3613"));
        QTest::keyClicks(brutto, QStringLiteral(".5"));
        QCOMPARE(figuren(*form), QStringList({t("0,8450"), t("3,7815"), t("2,9365"), t("22,3456"),
                                              t("2,8167"), t("3,3519")}));

        // Another group changes the net and both calculated prices at once.
        daten->SetGruppeMwst(1, 7);
        daten->SetGruppeWE(1, 0);
        Feld<QComboBox>(*form, QStringLiteral("Gruppe:"))->setCurrentIndex(1);
        QCOMPARE(figuren(*form), QStringList({t("0,8450"), t("4,2056"), t("3,3606"), t("20,0923"),
                                              t("0,0000"), t("0,0000")}));
        // An unreadable gross price counts as 0.
        tippe(brutto, QStringLiteral("-"));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Tatsächlicher VK-Preis netto:"))->text(),
                 t("0,0000"));
    }

    // Add, change, remove and move lines; the picker opens on the line's ingredient.
    void zeilenBearbeiten() {
        TTestMelder m;
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Suppe"), 1, 0, 0);
        NeueZeile(r, 1, 500);
        NeueZeile(r, 2, 0.5, 20);
        form->fuelleAus(*daten, r);
        QCOMPARE(spalte(form->ListView2->liste(), 0),
                 QStringList({QStringLiteral("Karotten"), QStringLiteral("Butter A")}));

        // Without a selected line: the message, nothing else.
        Knopf(*form, QStringLiteral("Bearbeiten..."))->click();
        Knopf(*form, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.texte(),
                 QStringList(2, QStringLiteral("Sie müssen zuerst eine Zutat anklicken.")));
        Knopf(*form, QStringLiteral("Nach oben"))->click();
        QCOMPARE(m.eintraege.size(), 2);

        // The picker is ordered by price; the line's ingredient is selected all the same.
        picker->fuelle(*daten);
        picker->ListView1ColumnClick(2);
        form->ListView2->waehleZeile(1);
        bool gesehen = false;
        m.spieleDialog([&](QObject& d) {
            auto& p = static_cast<fenster::TZutatAuswaehlenForm&>(d);
            gesehen = p.ListView1->gewaehlteNr() == 2 && p.ListView1->gewaehlteZeile() == 0 &&
                      p.MengeEd->text() == t("0,5000000000") &&
                      p.GewichtsverlustEd->text() == t("20,00");
            p.ListView1->waehleNr(0); // another ingredient, the weight loss stays
            p.MengeEd->setzeText(QStringLiteral("2"));
            p.BitBtn1->click();
            return p.result();
        });
        form->ListView2DblClick();
        QVERIFY(gesehen);
        QCOMPARE(
            form->ListView2->liste().zeilen[1],
            QStringList({QStringLiteral("Zucker B"), QStringLiteral("2"), QStringLiteral("Pck"),
                         t("0,31"), QStringLiteral("0"), QStringLiteral("20")}));
        QCOMPARE(form->ListView2->gewaehlteZeile(), 1);

        // Cancel in the picker changes nothing.
        m.spieleDialog([](QObject& d) {
            static_cast<fenster::TZutatAuswaehlenForm&>(d).BitBtn2->click();
            return static_cast<QDialog&>(d).result();
        });
        Knopf(*form, QStringLiteral("Neues Zutat..."))->click();
        QCOMPARE(form->form().zutaten.anzahlZeilen(), 2);

        // The same ingredient twice gives two lines.
        m.spieleDialog(waehle(1, "500", "0"));
        Knopf(*form, QStringLiteral("Neues Zutat..."))->click();
        QCOMPARE(spalte(form->form().zutaten, 4),
                 QStringList({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1")}));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Einkaufspreis:"))->text(), t("1,1100"));

        // Moving: up from the last, up again, the first line up does nothing.
        QCOMPARE(form->ListView2->gewaehlteZeile(), 2);
        Knopf(*form, QStringLiteral("Nach oben"))->click();
        Knopf(*form, QStringLiteral("Nach oben"))->click();
        Knopf(*form, QStringLiteral("Nach oben"))->click();
        QCOMPARE(form->ListView2->gewaehlteZeile(), 0);
        Knopf(*form, QStringLiteral("Nach unten"))->click();
        QCOMPARE(spalte(form->form().zutaten, 0),
                 QStringList({QStringLiteral("Karotten"), QStringLiteral("Karotten"),
                              QStringLiteral("Zucker B")}));
        QCOMPARE(form->form().zeilenauswahl, 1);

        // Removing asks; only Yes removes.
        m.antworte(TAntwort::nein);
        m.antworte(TAntwort::ja);
        Knopf(*form, QStringLiteral("Löschen"))->click();
        QCOMPARE(form->form().zutaten.anzahlZeilen(), 3);
        Knopf(*form, QStringLiteral("Löschen"))->click();
        QCOMPARE(m.eintraege.last().text,
                 QStringLiteral("Wollen Sie diese Zutat wirklich löschen?"));
        QCOMPARE(m.eintraege.last().titel, QStringLiteral("Löschen"));
        QCOMPARE(spalte(form->ListView2->liste(), 0),
                 QStringList({QStringLiteral("Karotten"), QStringLiteral("Zucker B")}));
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Einkaufspreis:"))->text(), t("0,7100"));
        QVERIFY(!m.unerwartet);

        // OK writes the rows in their order; the data was untouched until then.
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->zutatnr, 2);
        QVERIFY(RezeptErsetzen(*daten, 0, form->form()));
        QCOMPARE(r.zutaten->count, 2u);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->zutatnr, 0);
        QCOMPARE(r.zutaten->at<TRezeptZutat>(1)->menge, 2.0);
    }

    // Fields carry the record's values; the description keeps its CR LF.
    void felderAusDemRezept() {
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Brot"), 3, 2.5, 4);
        FreeText(r.beschreibung);
        CopyText(r.beschreibung, u"Zeile 1\r\nZeile 2");
        FreeText(r.bilddatei);
        CopyText(r.bilddatei, u"/tmp/Suppe 1.jpg");
        r.zutatenrezeptur = true;
        daten->SetGruppe(4, QStringLiteral("Brote"));
        form->fuelleAus(*daten, r);
        QCOMPARE(form->NameEd->text(), QStringLiteral("Brot"));
        QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("Brote"));
        QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
        QCOMPARE(form->FilenameEdit1->text(), QStringLiteral("\"/tmp/Suppe 1.jpg\""));
        QVERIFY(form->CheckBox1->isChecked());
        QCOMPARE(form->form().beschreibung, QStringLiteral("Zeile 1\r\nZeile 2"));

        QTest::keyClicks(form->Memo1, QStringLiteral("!"));
        form->Memo1->appendPlainText(QStringLiteral("Zeile 3"));
        QCOMPARE(form->form().beschreibung, QStringLiteral("!Zeile 1\r\nZeile 2\r\nZeile 3"));
        form->NameEd->setText(QStringLiteral("Brot (neu)"));
        QCOMPARE(form->form().name, QStringLiteral("Brot (neu)"));

        // A copy gets " (Kopie)"; a position outside the recipes fills nothing.
        QVERIFY(form->fuelleKopie(*daten, 0));
        QCOMPARE(form->NameEd->text(), QStringLiteral("Brot (Kopie)"));
        QVERIFY(!form->fuelleKopie(*daten, 1));
    }

    void bildZeigen() {
        TTestMelder m;
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("Suppe 1.PNG"));
        QImage(40, 30, QImage::Format_RGB32).save(pfad, "PNG");
        form->fuelleNeu(*daten);

        // Empty path: the message, no viewer.
        Knopf(*form, QStringLiteral("Zeig das Bild..."))->click();
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);

        m.waehleDatei(pfad);
        Knopf(*form, QStringLiteral("Durchsuchen..."))->click();
        QCOMPARE(form->FilenameEdit1->text(), QLatin1Char('"') + pfad + QLatin1Char('"'));
        QVERIFY(m.dateiDialoge[0].mussExistieren);
        QSize gezeigt;
        m.spieleDialog([&](QObject& d) {
            gezeigt = static_cast<fenster::TZeigeBildForm&>(d).Image1->size();
            return 1;
        });
        Knopf(*form, QStringLiteral("Zeig das Bild..."))->click();
        QCOMPARE(gezeigt, QSize(40, 30));
        QCOMPARE(m.eintraege.size(), 1);
        QVERIFY(!m.unerwartet);
    }

    // The amount dialog scales what the recipe dialog shows, unsaved lines included.
    void mengenBerechnen() {
        TTestMelder m;
        TRezept& r = NeuesRezept(*daten, QStringLiteral("Rohkost"), 4, 0, 0);
        form->fuelleAus(*daten, r);
        m.spieleDialog(waehle(1, "500", "0"));
        Knopf(*form, QStringLiteral("Neues Zutat..."))->click();
        QCOMPARE(Feld<TZahlFeld>(*form, QStringLiteral("Einkaufspreis:"))->text(), t("0,1000"));

        auto* bedarf = Feld<TZahlFeld>(*form, QStringLiteral("Bedarfsmenge:"));
        QCOMPARE(bedarf->text(), t("1,000"));
        bedarf->setzeText(QStringLiteral("10"));
        m.spieleDialog([&](QObject& d) {
            auto& a = static_cast<fenster::TCalcAmountsForm&>(d);
            [&] {
                QCOMPARE(a.windowTitle(), QStringLiteral("Mengen berechnen"));
                QCOMPARE(Feld<QLineEdit>(a, QStringLiteral("Name:"))->text(),
                         QStringLiteral("Rohkost"));
                QCOMPARE(Feld<TZahlFeld>(a, QStringLiteral("Menge:"))->text(), t("10,0000"));
                QCOMPARE(a.ListView1->liste().zeilen[0],
                         QStringList({QStringLiteral("Karotten"), t("1250,0000"),
                                      QStringLiteral("g"), t("1,0000")}));
                QCOMPARE(Feld<TZahlFeld>(a, QStringLiteral("Einkaufspreis:"))->text(), t("1,0000"));
            }();
            // A name edited in place changes only the list shown.
            a.ListView1->model()->setData(a.ListView1->model()->index(0, 0),
                                          QStringLiteral("Möhren"));
            a.CancelBtn->click();
            return a.result();
        });
        Knopf(*form, QStringLiteral("Megen berechnen"))->click();
        QVERIFY(!m.unerwartet);
        QCOMPARE(mengen->form().zutaten.zelle(0, 0), QStringLiteral("Möhren"));
        QCOMPARE(form->form().zutaten.zelle(0, 0), QStringLiteral("Karotten"));

        // 0 counts as 1; the field shows it, and keeps it for the next recipe.
        bedarf->setzeText(QStringLiteral("0"));
        m.spieleDialog([](QObject& d) { return static_cast<QDialog&>(d).result(); });
        Knopf(*form, QStringLiteral("Megen berechnen"))->click();
        QCOMPARE(bedarf->text(), t("1,000"));
        QCOMPARE(mengen->form().menge, t("1,0000"));
        bedarf->setzeText(QStringLiteral("7"));
        form->fuelleNeu(*daten);
        QCOMPARE(bedarf->text(), QStringLiteral("7"));
    }
};

QTEST_MAIN(TestDialogRezept)
#include "test_dialog_rezept.moc"
