// The sales list dialog: its rows, deleting with the question, and its keys.
#include "core/daten.h"
#include "core/fehler.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "ui/verkaufslisteform.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>

using fenster::TVerkaufsListeForm;

namespace {

// One recipe with three sales days: 15 June 1924, 16 June 2024, 17 June 2024.
TRezept& dreiTage(TDaten& d) {
    NeueZutat(d, QStringLiteral("Käse"), 2.4, 2.0);
    TRezept& r = NeuesRezept(d, QStringLiteral("Käsebrot"), 1, 10, 0);
    NeueZeile(r, 0, 1.0);
    ErfasseVerkauf(d, r, QDate(1924, 6, 15), 1);
    ErfasseVerkauf(d, r, QDate(2024, 6, 16), 2);
    ErfasseVerkauf(d, r, QDate(2024, 6, 17), 3);
    return r;
}

QStringList spalte(const TVerkaufsListeForm& f, int s) {
    QStringList t;
    for (qsizetype z = 0; z < f.ListView1->liste().anzahlZeilen(); ++z)
        t << f.ListView1->liste().zelle(z, s);
    return t;
}

} // namespace

class TestVerkaufsliste : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); }

    void zeigtDieTageInGespeicherterFolge() {
        TDaten d;
        dreiTage(d);
        NeuesRezept(d, QStringLiteral("Leer"));
        TVerkaufsListeForm f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Verkaufsliste"));
        PruefeZugaenglich(f);
        f.fuelle(d, 0);

        QHeaderView* kopf = f.ListView1->header();
        QStringList titel;
        for (int i = 0; i < kopf->count(); ++i)
            titel << f.ListView1->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(titel, (QStringList{"Name", "Datum", "Preis", "Menge"}));
        QVERIFY(!kopf->sectionsClickable()); // not sortable
        QCOMPARE(spalte(f, 0), QStringList(3, QStringLiteral("Käsebrot")));
        // Four-digit years: 1924 and 2024 must not read alike.
        QCOMPARE(spalte(f, 1), (QStringList{"15.06.1924", "16.06.2024", "17.06.2024"}));
        QCOMPARE(spalte(f, 2), (QStringList{"10,00", "20,00", "30,00"}));
        QCOMPARE(spalte(f, 3), (QStringList{"1", "2", "3"}));

        f.fuelle(d, 1); // filled anew: nothing of the previous recipe stays
        QCOMPARE(f.ListView1->liste().anzahlZeilen(), 0);
        QVERIFY_THROWS_EXCEPTION(TFehler, f.fuelle(d, 2));
    }

    void loeschenFragtUndLoeschtGenauDiesenTag() {
        TDaten d;
        TRezept& r = dreiTage(d);
        TVerkaufsListeForm f;
        f.fuelle(d, 0);
        TTestMelder m;

        f.BitBtn2->click(); // nothing selected
        QCOMPARE(m.texte(), QStringList{"Sie müssen zuerst einen Eintrag anklicken."});
        QCOMPARE(m.eintraege[0].symbol, TSymbol::information);
        QCOMPARE(m.eintraege[0].titel, QString());

        f.ListView1->waehleZeile(1);
        m.antworte(TAntwort::nein);
        m.antworte(TAntwort::abbrechen);
        f.BitBtn2->click();
        f.BitBtn2->click();
        QCOMPARE(r.verkaeufe->count, 3u);
        QCOMPARE(f.ListView1->liste().anzahlZeilen(), 3);

        m.antworte(TAntwort::ja);
        f.BitBtn2->click();
        const auto& frage = m.eintraege.last();
        QVERIFY(frage.frage);
        QCOMPARE(frage.text, QStringLiteral("Wollen Sie diesen Abverkauf wirklich löschen? Dies "
                                            "kann nicht rückgängig gemacht werden."));
        QCOMPARE(frage.titel, QStringLiteral("Abverkauf löschen"));
        QCOMPARE(frage.symbol, TSymbol::frage);
        QCOMPARE(r.verkaeufe->count, 2u);
        QCOMPARE(r.verkaeufe->at<TVerkauf>(1)->tag, 17);
        QCOMPARE(spalte(f, 1), (QStringList{"15.06.1924", "17.06.2024"}));
        QCOMPARE(f.ListView1->gewaehlteZeile(), 1); // the next day takes the place

        // Deleting the last row leaves the one before it selected, then none.
        m.antworte(TAntwort::ja);
        m.antworte(TAntwort::ja);
        f.BitBtn2->click();
        QCOMPARE(f.ListView1->gewaehlteZeile(), 0);
        f.BitBtn2->click();
        QCOMPARE(r.verkaeufe->count, 0u);
        QVERIFY(!f.ListView1->gewaehlteZeile());
        QVERIFY(!m.unerwartet);
    }

    void escLoeschtEnterSchliesst() {
        TDaten d;
        TRezept& r = dreiTage(d);
        TVerkaufsListeForm f;
        f.fuelle(d, 0);
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        TTestMelder m;

        f.ListView1->setFocus();
        f.ListView1->waehleZeile(0);
        m.antworte(TAntwort::ja);
        QTest::keyClick(f.ListView1, Qt::Key_Escape);
        QCOMPARE(r.verkaeufe->count, 2u);
        QVERIFY(f.isVisible()); // Esc deletes, it does not close

        f.BitBtn2->setFocus(); // Enter means OK even on "Löschen"
        QTest::keyClick(f.BitBtn2, Qt::Key_Return);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(r.verkaeufe->count, 2u);
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestVerkaufsliste)
#include "test_verkaufsliste.moc"
