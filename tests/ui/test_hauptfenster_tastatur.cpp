// The main window for a person at the keyboard: Alt keys of the tabs' buttons, Return
// and Delete in the lists, and master-data edits that reach the lists when they are done.
#include "core/datei.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/rezeptform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

using fenster::TMainForm;

namespace {

// Gulasch at 11.90 gross in group 0 ("Speisen", 19 % VAT): 10.00 net.
void BaueKueche(TDaten& d) {
    d.SetGruppe(0, QStringLiteral("Speisen"));
    d.SetGruppeMwst(0, 19);
    NeueZutat(d, QStringLiteral("Rind"), 10, 1, QStringLiteral("kg"));
    NeueZutat(d, QStringLiteral("Salz"), 1, 1, QStringLiteral("kg"));
    TRezept& r = NeuesRezept(d, QStringLiteral("Gulasch"), 1, 11.9, 0);
    NeueZeile(r, 0, 0.2);
}

enum { Name = 0, Gruppe = 1, TatsNetto = 5 };

// The letter after "&" in a caption, lower case; none without a mark.
QChar Taste(const QString& text) {
    const qsizetype i = text.indexOf(QLatin1Char('&'));
    return i >= 0 && i + 1 < text.size() ? text[i + 1].toLower() : QChar();
}

void Zeige(TMainForm& f) {
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
}

} // namespace

class TestHauptfensterTastatur : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    // Every button of a tab has an Alt key of its own on its tab, none taken by a label
    // of that tab or by the menu bar; a person and a screen reader read the caption
    // without the mark.
    void knoepfeMitAltTasten() {
        TMainForm f;
        QSet<QChar> menue;
        for (QAction* a : f.menuBar()->actions())
            menue << Taste(a->text());
        for (QWidget* seite : {f.TabSheet2, f.TabSheet3, f.TabSheet4, f.TabSheet5}) {
            QSet<QChar> belegt = menue;
            for (QLabel* l : seite->findChildren<QLabel*>())
                if (!Taste(l->text()).isNull())
                    belegt << Taste(l->text());
            for (QAbstractButton* k : seite->findChildren<QAbstractButton*>()) {
                if (k->text().isEmpty() || k->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QChar t = Taste(k->text());
                QVERIFY2(!t.isNull(), qPrintable(k->text()));
                QVERIFY2(!belegt.contains(t), qPrintable(k->text()));
                belegt << t;
                QCOMPARE(k->shortcut(), QKeySequence(QStringLiteral("Alt+") + t.toUpper()));
                QCOMPARE(QAccessible::queryAccessibleInterface(k)->text(QAccessible::Name),
                         OhneMnemonik(k->text()));
            }
        }
        QCOMPARE(f.EditRezeptBtn->text(), QStringLiteral("Bea&rbeiten..."));
        QCOMPARE(f.VerkaufBtn->text(), QStringLiteral("&Hinzufügen"));
        QCOMPARE(f.ImportBtn->text(), QStringLiteral("CSV Datei &importieren..."));
    }

    // Return on a row is "Bearbeiten...", Delete is "Löschen" with its question.
    void eingabeUndEntfernenInDenListen() {
        TTestMelder m;
        TMainForm f;
        Zeige(f);
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        f.ListView2->setFocus();
        QVERIFY(f.ListView2->waehleNr(0));
        QString bearbeitet;
        m.spieleDialog(Skript<fenster::TRezeptForm>([&](fenster::TRezeptForm& d) {
            bearbeitet = d.NameEd->text();
            d.reject();
        }));
        QTest::keyClick(f.ListView2, Qt::Key_Return);
        QCOMPARE(bearbeitet, QStringLiteral("Gulasch"));

        m.antworte(TAntwort::nein);
        QTest::keyClick(f.ListView2, Qt::Key_Delete);
        QCOMPARE(m.texte(), QStringList{"Wollen Sie dieses Rezept wirklich löschen?"});
        QCOMPARE(f.daten.anzahlRezepte(), 1u);

        f.PageControl1->setCurrentWidget(f.TabSheet2);
        f.ListView1->setFocus();
        QVERIFY(f.ListView1->waehleNr(1));
        m.antworte(TAntwort::ja);
        QTest::keyClick(f.ListView1, Qt::Key_Delete);
        QCOMPARE(m.texte().last(), QStringLiteral("Wollen Sie diese Zutat wirklich löschen?"));
        QCOMPARE(f.daten.anzahlZutaten(), 1u);
        QVERIFY(f.ListView1->waehleNr(0));
        m.spieleDialog(Skript<fenster::TZutatForm>([](fenster::TZutatForm& d) { d.reject(); }));
        QTest::keyClick(f.ListView1, Qt::Key_Enter);
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    // A rate or name edited on the master-data page shows in the lists when the field
    // or the page is left; the working file is not written by it.
    void stammdatenErreichenDieListen() {
        TTestMelder m;
        TMainForm f;
        Zeige(f);
        const auto zelle = [&f](int spalte) { return f.ListView2->liste().zelle(0, spalte); };
        QCOMPARE(zelle(TatsNetto), QStringLiteral("10,00"));
        QFile datei(ordner->arbeitsdatei());
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray vorher = datei.readAll();
        datei.close();

        f.PageControl1->setCurrentWidget(f.TabSheet1);
        TZahlFeld* mwst = f.MwstEdit(0);
        mwst->setFocus();
        mwst->eingabe()->selectAll();
        QTest::keyClicks(mwst->eingabe(), QStringLiteral("7"));
        QCOMPARE(zelle(TatsNetto), QStringLiteral("10,00")); // still typing
        f.WeEdit(0)->setFocus();
        QCOMPARE(zelle(TatsNetto), QStringLiteral("11,12"));

        QLineEdit* name = f.GruppenEdit(0);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Suppen"));
        QCOMPARE(zelle(Gruppe), QStringLiteral("Speisen"));
        f.PageControl1->setCurrentWidget(f.TabSheet3); // leaving the page
        QCOMPARE(zelle(Gruppe), QStringLiteral("Suppen"));
        QCOMPARE(f.FilterCombo->itemText(3), QStringLiteral("Suppen"));

        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), vorher);
        QVERIFY(m.eintraege.isEmpty());
    }

    // An edit still in its field when the window closes or goes: written with the working
    // file, and nothing runs on released data.
    void unfertigeEingabeBeimSchliessen() {
        TTestMelder m;
        for (const bool schliessen : {true, false}) {
            auto f = std::make_unique<TMainForm>();
            Zeige(*f);
            f->PageControl1->setCurrentWidget(f->TabSheet1);
            TZahlFeld* mwst = f->MwstEdit(0);
            mwst->setFocus();
            mwst->eingabe()->selectAll();
            QTest::keyClicks(mwst->eingabe(), QStringLiteral("7"));
            if (schliessen)
                f->close();
            f.reset();
        }
        TDaten d;
        QVERIFY(LoadOptionsFile(d, ordner->arbeitsdatei()).ok());
        QCOMPARE(d.GetGruppeMwst(0), 7.0);
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestHauptfensterTastatur)
#include "test_hauptfenster_tastatur.moc"
