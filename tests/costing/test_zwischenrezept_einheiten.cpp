// A sub-recipe's yield unit is its ingredient's unit: changing it converts the lines that
// use it, or is refused naming them; a JSON text converts entries to it whatever unit
// it gives the ingredient.
#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "costing/einheitendaten.h"
#include "costing/preise.h"
#include "costing/rezepteditor.h"
#include "costing/zwischenrezepte.h"
#include "exchange/jsonexport.h"
#include "exchange/jsonimport.h"
#include "tests/support/aufbau.h"

#include <QBuffer>
#include <QTest>

namespace {

// Flour at 2 per kg; a dough of 1 kg flour yielding 2 kg; a cake using 0,5 kg of dough,
// entered as 500 g.
struct TBackstube {
    TDaten d;
    uint32_t teig = 0, kuchen = 1, teigZutat = 0;

    TBackstube() {
        NeueZutat(d, QStringLiteral("Mehl"), 2, 1, QStringLiteral("kg"));
        NeueZeile(NeuesRezept(d, QStringLiteral("Teig"), 2), 0, 1);
        SetzeZwischenrezept(d, teig, true, QStringLiteral("kg"));
        Nachrechnen(d);
        teigZutat = *ZutatVonRezept(d, teig);
        NeuesRezept(d, QStringLiteral("Kuchen"), 1);
        TListe zeilen;
        zeilen.zeilen.append({QStringLiteral("Teig"), QStringLiteral("500"), QStringLiteral("g"),
                              QString(), QString::number(teigZutat), QStringLiteral("0")});
        ZeilenInRezept(d, kuchen, zeilen);
        Nachrechnen(d);
    }
    const TRezeptZutat& zeile() const { return *d.rezept(kuchen).zutaten->at<TRezeptZutat>(0); }
};

} // namespace

class TestZwischenrezeptEinheiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void neueEinheitRechnetZeilenUm() {
        TBackstube b;
        QCOMPARE(b.zeile().menge, 0.5);
        QCOMPARE(EK(b.d, b.d.rezept(b.kuchen)), 0.5);

        // The same dough counted in grams: the cake's line follows, its cost stays.
        SetzeZwischenrezept(b.d, b.teig, true, QStringLiteral("g"));
        b.d.rezept(b.teig).menge = 2000;
        Nachrechnen(b.d);
        QCOMPARE(Text(b.d.zutat(b.teigZutat).einheit), QStringLiteral("g"));
        QCOMPARE(b.zeile().menge, 500.0);
        QCOMPARE(EingabeVon(b.d, b.kuchen, 0), std::nullopt); // entered as the unit is now
        QCOMPARE(EK(b.d, b.d.rezept(b.kuchen)), 0.5);
    }

    void einheitOhneUmrechnungAbgelehnt() {
        TBackstube b;
        const QByteArray vorher = DatenAlsBytes(b.d);
        const auto grund = ZwischenrezeptEinheitFehler(b.d, b.teig, QStringLiteral("Portion"));
        QVERIFY(grund && grund->contains(QStringLiteral("Kuchen")));
        QVERIFY_THROWS_EXCEPTION(TFehler,
                                 SetzeZwischenrezept(b.d, b.teig, true, QStringLiteral("Portion")));
        QCOMPARE(DatenAlsBytes(b.d), vorher);

        // The recipe dialog keeps itself open with the reason, and its OK changes nothing.
        TRezeptForm form;
        FuelleAusRezept(form, b.d, b.d.rezept(b.teig));
        form.einheit = QStringLiteral("Portion");
        QCOMPARE(RezeptFormFehler(b.d, form), *grund);
        QVERIFY_THROWS_EXCEPTION(TFehler, RezeptErsetzen(b.d, int(b.teig), form));
        QCOMPARE(DatenAlsBytes(b.d), vorher);
        form.einheit = QStringLiteral("g");
        QVERIFY(RezeptFormFehler(b.d, form).isEmpty());

        // A new sub-recipe without a unit is refused before anything is stored.
        FuelleNeuesRezept(form, b.d);
        form.name = QStringLiteral("Creme");
        form.zutatenrezeptur = true;
        QVERIFY_THROWS_EXCEPTION(TFehler, RezeptAnhaengen(b.d, form));
        QCOMPARE(DatenAlsBytes(b.d), vorher);
    }

    // A hand-written text may give the sub-recipe's ingredient any unit or none: the
    // entries of the lines using it are converted to the recipe's unit.
    void jsonRechnetEingabenInDieEinheitDesRezepts() {
        TBackstube b;
        QByteArray json;
        {
            QBuffer puffer(&json);
            QVERIFY(puffer.open(QIODevice::WriteOnly));
            SchreibeJson(b.d, puffer);
        }
        const QByteArray ausgabe = "\"einheit\": \"kg\",\n\t\t\t\"rezept\"";
        QVERIFY2(json.contains(ausgabe), json.constData());
        json.replace(ausgabe, "\"einheit\": \"Eimer\",\n\t\t\t\"rezept\"");
        const TJsonImport i = LeseJson(json);
        QVERIFY2(i.ok(), qPrintable(i.fehler.join(u'\n')));
        QCOMPARE(Text(i.daten->zutat(b.teigZutat).einheit), QStringLiteral("kg"));
        QCOMPARE(i.daten->rezept(b.kuchen).zutaten->at<TRezeptZutat>(0)->menge, 0.5);
        QCOMPARE(EK(*i.daten, i.daten->rezept(b.kuchen)), 0.5);
    }
};

QTEST_GUILESS_MAIN(TestZwischenrezeptEinheiten)
#include "test_zwischenrezept_einheiten.moc"
