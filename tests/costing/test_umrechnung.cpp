// Recipe lines entered in any unit: what the file keeps, what the dialogs and lists show,
// the cost, and the conversion again when an ingredient's unit or facts change.
#include "core/datei.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "core/zahlen.h"
#include "costing/aufschluesselung.h"
#include "costing/preise.h"
#include "costing/preisverlauf.h"
#include "costing/rezepteditor.h"
#include "costing/rezeptkopie.h"
#include "costing/rezeptzeilen.h"
#include "costing/umrechnung.h"
#include "costing/zutatauswahl.h"
#include "exchange/preisliste.h"
#include "lists/preisentwicklung.h"
#include "tests/support/aufbau.h"
#include "tests/support/locale.h"

#include <QTest>

#include <cmath>

namespace {

bool nahe(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::fabs(b);
}

// A row of the recipe dialog's line list as the picker makes it.
QStringList zeile(int zutat, const QString& menge, const QString& einheit) {
    return {QString(), menge, einheit, QString(), QString::number(zutat), QStringLiteral("0")};
}

// Butter bought as 10 × 250 g at 21,90 (density 0,911), eggs by the tray of 30 at 8,70
// (61,5 g each), milk by the litre without facts.
enum { butter, eier, milch };
void kueche(TDaten& d) {
    const uint32_t erste = d.anzahlZutaten();
    NeueZutat(d, QStringLiteral("Butter"), 21.9, 2500, QStringLiteral("g"));
    NeueZutat(d, QStringLiteral("Eier"), 8.7, 1, QStringLiteral("Lage"));
    NeueZutat(d, QStringLiteral("Milch"), 1.1, 1, QStringLiteral("l"));
    auto& e = d.erweiterung.abschnitt<TEinheitenDaten>();
    e.setzeFakten(erste + butter, {std::nullopt, 0.911, std::nullopt});
    e.setzeFakten(erste + eier, {61.5, std::nullopt, TInhalt{30, QStringLiteral("Stück")}});
}

// Appends a recipe through the recipe dialog's rows.
uint32_t rezept(TDaten& d, const QString& name, const QList<QStringList>& zeilen) {
    TRezeptForm form;
    FuelleNeuesRezept(form, d);
    form.name = name;
    for (const QStringList& z : zeilen)
        form.zutaten.zeilen.append(z);
    RezeptAnhaengen(d, form);
    return d.anzahlRezepte() - 1;
}

// Butter 2 EL and 125 g, eggs 2 Stück and 120 g: their exact cost.
const double butterKosten = (30 * 0.911 + 125) * 21.9 / 2500;
const double eierKosten = (2.0 / 30 + 120 / 61.5 / 30) * 8.7;

QList<QStringList> zeilenDerKueche() {
    return {zeile(butter, "2", "EL"), zeile(butter, "125", "g"), zeile(eier, "2", "Stück"),
            zeile(eier, "120", "g")};
}

QList<QStringList> angezeigt(const TDaten& d, uint32_t nr) {
    TRezeptForm form;
    FuelleAusRezept(form, d, d.rezept(nr));
    QList<QStringList> z;
    for (const QStringList& r : form.zutaten.zeilen)
        z.append({r[TRezeptForm::spalteMenge], r[TRezeptForm::spalteEinheit],
                  r[TRezeptForm::spaltePreis]});
    return z;
}

} // namespace

class TestUmrechnung : public QObject {
    Q_OBJECT
    TLocaleWahl locale{QStringLiteral("de_DE")};

private Q_SLOTS:
    // The costing of the finished example: in the engine, in the dialog, and by a reader
    // of only the first three sections.
    void butterUndEier() {
        TDaten d;
        kueche(d);
        const uint32_t nr = rezept(d, QStringLiteral("Kuchen"), zeilenDerKueche());
        const TRezept& r = d.rezept(nr);
        QVERIFY(nahe(r.zutaten->at<TRezeptZutat>(0)->menge, 30 * 0.911));
        QVERIFY(nahe(r.zutaten->at<TRezeptZutat>(3)->menge, 120 / 61.5 / 30));
        QVERIFY(nahe(EK(d, r), butterKosten + eierKosten));
        QCOMPARE(angezeigt(d, nr), QList<QStringList>({{"2", "EL", "0,24"},
                                                       {"125", "g", "1,09"},
                                                       {"2", "Stück", "0,58"},
                                                       {"120", "g", "0,57"}}));

        // Without the extension block the seed's quantities cost the same.
        const QByteArray bytes = DatenAlsBytes(d);
        TDaten gelesen;
        LeseDaten(gelesen, bytes);
        QCOMPARE(DatenAlsBytes(gelesen), bytes);
        gelesen.erweiterung = TErweiterung();
        QVERIFY(nahe(EK(gelesen, gelesen.rezept(nr)), butterKosten + eierKosten));
        QCOMPARE(angezeigt(gelesen, nr)[0], QStringList({"27,33", "g", "0,24"}));
    }

    // The breakdown shows lines as entered.
    void aufschluesselungWieEingegeben() {
        TDaten d;
        kueche(d);
        const uint32_t nr = rezept(d, QStringLiteral("Kuchen"),
                                   {zeile(butter, "125", "g"), zeile(eier, "2", "Stück")});
        const TListe l = AufschluesselungsListe(d, d.rezept(nr));
        QCOMPARE(l.zelle(0, 1) + l.zelle(0, 2), QStringLiteral("125g"));
        QCOMPARE(l.zelle(1, 1) + l.zelle(1, 2), QStringLiteral("2Stück"));
    }

    // Changing butter's unit to kg keeps every cost and every line as entered.
    void einheitWechselnBehaeltKosten() {
        TDaten d;
        kueche(d);
        const uint32_t a = rezept(d, QStringLiteral("Kuchen"), zeilenDerKueche());
        // A line of the seed's kind: no entry, its quantity in g.
        TRezept& alt = *d.NeuesRezept();
        CopyText(alt.name, u"Alt");
        NeueZeile(alt, butter, 250);
        const double vorher = EK(d, d.rezept(a));
        TZutatWerte w = ZutatWerte(d.zutat(butter));
        w.einheit = QStringLiteral("kg");
        w.menge = 2.5;
        QCOMPARE(ZutatMitEinheitenAendern(d, butter, w, FaktenVon(d, butter)), std::nullopt);
        QVERIFY(nahe(EK(d, d.rezept(a)), vorher));
        QVERIFY(nahe(d.rezept(a).zutaten->at<TRezeptZutat>(1)->menge, 0.125));
        QCOMPARE(angezeigt(d, a)[1], QStringList({"125", "g", "1,09"}));
        // The old line keeps its meaning and now shows how it was entered.
        QVERIFY(nahe(alt.zutaten->at<TRezeptZutat>(0)->menge, 0.25));
        QCOMPARE(angezeigt(d, 1)[0], QStringList({"250", "g", "2,19"}));
        // Back to g: the entry in g is the line itself again.
        w.einheit = QStringLiteral("g");
        w.menge = 2500;
        QCOMPARE(ZutatMitEinheitenAendern(d, butter, w, FaktenVon(d, butter)), std::nullopt);
        QCOMPARE(d.rezept(a).zutaten->at<TRezeptZutat>(1)->menge, 125.0);
        QCOMPARE(EingabeVon(d, a, 1), std::nullopt);
        QVERIFY(nahe(EK(d, d.rezept(a)), vorher));
    }

    // A change that leaves a line without its conversion is refused with the recipes named,
    // and nothing changes.
    void wechselOhneUmrechnungAbgelehnt() {
        TDaten d;
        kueche(d);
        rezept(d, QStringLiteral("Suppe"), {zeile(milch, "0,5", "l")});
        rezept(d, QStringLiteral("Kuchen"), zeilenDerKueche());
        rezept(d, QStringLiteral("Brot"),
               {zeile(butter, "10", "g"), zeile(milch, "3", "EL"), zeile(eier, "1", "Lage")});
        const QByteArray vorher = DatenAlsBytes(d);

        const auto milchInG = EinheitUmstellen(d, milch, QStringLiteral("g"), {});
        QVERIFY(milchInG);
        QVERIFY2(milchInG->contains(QStringLiteral("Suppe, Brot")), qPrintable(*milchInG));
        QVERIFY(milchInG->endsWith(QStringLiteral("Für Milch fehlt die Dichte (g/ml).")));
        // Dropping butter's density strands "2 EL"; eggs without piece weight "120 g".
        const auto ohneDichte = EinheitUmstellen(d, butter, QStringLiteral("g"), {});
        QVERIFY(ohneDichte && ohneDichte->contains(QStringLiteral("Kuchen")));
        QVERIFY(!ohneDichte->contains(QStringLiteral("Brot")));
        QVERIFY(
            EinheitUmstellen(d, eier, QStringLiteral("Lage"),
                             {std::nullopt, std::nullopt, TInhalt{30, QStringLiteral("Stück")}}));
        // A line entered by the tray strands when the own unit gets another name.
        const auto palette =
            EinheitUmstellen(d, eier, QStringLiteral("Palette"), FaktenVon(d, eier));
        QVERIFY(palette && palette->contains(QStringLiteral("in Brot")));
        // A content for a known unit is refused, whoever uses it.
        QVERIFY(EinheitUmstellen(d, milch, QStringLiteral("l"),
                                 {std::nullopt, std::nullopt, TInhalt{1, QStringLiteral("kg")}}));
        QCOMPARE(DatenAlsBytes(d), vorher);

        // With the density milk may be weighed; checking alone changes nothing.
        const TEinheitFakten dichte{std::nullopt, 1.03, std::nullopt};
        QCOMPARE(EinheitUmstellen(d, milch, QStringLiteral("g"), dichte, TUmstellung::nurPruefen),
                 std::nullopt);
        QCOMPARE(DatenAlsBytes(d), vorher);
        QCOMPARE(EinheitUmstellen(d, milch, QStringLiteral("g"), dichte), std::nullopt);
        QVERIFY(nahe(d.rezept(0).zutaten->at<TRezeptZutat>(0)->menge, 515));
        QCOMPARE(angezeigt(d, 0)[0].mid(0, 2), QStringList({"0,5", "l"}));
    }

    // Looking back, a pack bought in another unit is measured in today's: butter bought
    // by the g in January and by the kg since keeps its January price in the EK.
    void preisentwicklungUeberEinheitenwechsel() {
        TDaten d;
        TUhr::setzeHeute(QDate(2024, 1, 1));
        ZutatAnlegen(d, {QStringLiteral("Butter"), {}, {}, QStringLiteral("g"), 2500, 21.9});
        ZutatAnlegen(d, {QStringLiteral("Mehl"), {}, {}, QStringLiteral("kg"), 1, 1});
        rezept(d, QStringLiteral("Brot"), {zeile(0, "125", "g"), zeile(1, "1", "kg")});
        TUhr::setzeHeute(QDate(2024, 2, 1));
        QCOMPARE(ZutatMitEinheitenAendern(
                     d, 0, {QStringLiteral("Butter"), {}, {}, QStringLiteral("kg"), 2.5, 24}, {}),
                 std::nullopt);
        ZutatAendern(d, 1, {QStringLiteral("Mehl"), {}, {}, QStringLiteral("kg"), 1, 2});
        const TListe l = Preisentwicklungsliste(d, {QDate(2024, 1, 15), QDate(2024, 2, 15), 5});
        QCOMPARE(l.zelle(0, 0), QStringLiteral("Mehl"));
        QCOMPARE(l.zelle(0, 6), ZahlFest(21.9 * 0.125 / 2.5 + 1, 4));
        QCOMPARE(l.zelle(0, 7), ZahlFest(24 * 0.125 / 2.5 + 2, 4));
        TUhr::setze({});
    }

    // A supplier's price list that changes a unit converts the lines as the dialog does,
    // and one that would strand a line changes nothing at all.
    void preislisteMitEinheit() {
        TDaten d;
        kueche(d);
        const uint32_t nr = rezept(d, QStringLiteral("Kuchen"), zeilenDerKueche());
        const double vorher = EK(d, d.rezept(nr));
        const QByteArray kg = "Name;Preis;Menge;Einheit\nButter;21,9;2,5;kg\n";
        WendePreislisteAn(d, PruefePreisliste(d, kg, {}), false);
        QCOMPARE(Text(d.zutat(butter).einheit), QStringLiteral("kg"));
        QVERIFY(nahe(EK(d, d.rezept(nr)), vorher));

        const QByteArray bytes = DatenAlsBytes(d);
        const QByteArray stueck = "Name;Preis;Menge;Einheit\nMilch;1,2;1;l\nButter;1;1;Stück\n";
        QVERIFY_THROWS_EXCEPTION(TFehler,
                                 WendePreislisteAn(d, PruefePreisliste(d, stueck, {}), false));
        QCOMPARE(DatenAlsBytes(d), bytes);
    }

    // Files of today, without the extension, stay byte for byte what they were, also
    // through the recipe dialog.
    void dateienOhneErweiterungUnveraendert() {
        TDaten d;
        BaueBeispiel(d);
        const QByteArray bytes = DatenAlsBytes(d);
        TDaten gelesen;
        LeseDaten(gelesen, bytes);
        TRezeptForm form;
        FuelleAusRezept(form, gelesen, gelesen.rezept(0));
        const TZutat& z =
            gelesen.zutat(uint32_t(gelesen.rezept(0).zutaten->at<TRezeptZutat>(0)->zutatnr));
        QCOMPARE(form.zutaten.zelle(0, TRezeptForm::spalteEinheit), Text(z.einheit));
        QVERIFY(RezeptErsetzen(gelesen, 0, form));
        QCOMPARE(DatenAlsBytes(gelesen), bytes);
        QVERIFY(!gelesen.erweiterung.finde(TEinheitenDaten::art().tag));
    }

    // A row whose unit does not convert throws before the recipe changes.
    void zeileOhneUmrechnungAbgelehnt() {
        TDaten d;
        kueche(d);
        const uint32_t nr = rezept(d, QStringLiteral("Suppe"), {zeile(milch, "1", "l")});
        const QByteArray vorher = DatenAlsBytes(d);
        TRezeptForm form;
        FuelleAusRezept(form, d, d.rezept(nr));
        form.zutaten.zeilen.append(zeile(milch, "200", "g"));
        QVERIFY_THROWS_EXCEPTION(TFehler, RezeptErsetzen(d, int(nr), form));
        QVERIFY_THROWS_EXCEPTION(TFehler, RezeptAnhaengen(d, form));
        QCOMPARE(DatenAlsBytes(d), vorher);
    }

    // The picker offers the units that convert, costs the line through them and names
    // what a unit lacks.
    void picker() {
        TDaten d;
        kueche(d);
        TZutatAuswaehlenForm p;
        FuellePicker(p, d);
        p.waehleNr(QString::number(eier));
        QCOMPARE(p.einheiten, QStringList({"Lage", "mg", "g", "kg", "Stück"}));
        QCOMPARE(p.einheit, QStringLiteral("Lage"));
        p.setzeEinheit(QStringLiteral("g"));
        p.setzeMenge(123);
        QVERIFY(nahe(PickerZeilenpreis(p), 123 / 61.5 / 30 * 8.7));
        QCOMPARE(ZeileAusPicker(p).mid(1, 3), QStringList({"123", "g", "0,58"}));
        // Another ingredient keeps a unit it offers too, else takes its own.
        p.waehleNr(QString::number(butter));
        QCOMPARE(p.einheit, QStringLiteral("g"));
        p.setzeEinheit(QStringLiteral("Stück"));
        QCOMPARE(p.EinheitFehlt(), QStringLiteral("Für Butter fehlt das Gewicht je Stück (g)."));
        QCOMPARE(PickerZeilenpreis(p), 0.0);
        p.waehleNr(QString::number(milch));
        QCOMPARE(p.einheit, QStringLiteral("l"));
        QCOMPARE(p.EinheitFehlt(), std::nullopt);

        // "Bearbeiten..." takes the line's unit as entered.
        TRezeptForm form;
        form.zutaten.zeilen.append(zeile(eier, "120", "g"));
        form.zeilenauswahl = 0;
        FuellePicker(p, d);
        QCOMPARE(PickerFuerZeile(form, p), std::nullopt);
        QCOMPARE(p.einheit, QStringLiteral("g"));
        QCOMPARE(Feldwert(p.menge), 120.0);
    }

    // The section follows deleted, copied and cleared records and survives the file.
    void abschnittFolgtDenSaetzen() {
        TDaten d;
        NeueZutat(d, QStringLiteral("Salz"), 1, 1, QStringLiteral("kg"));
        kueche(d); // butter, eggs and milk now at 1, 2, 3
        QCOMPARE(LoescheZutat(d, 0), TZutatLoeschen::moeglich);
        QCOMPARE(FaktenVon(d, butter).dichte, std::optional(0.911));
        QCOMPARE(FaktenVon(d, eier).stueckgewicht, std::optional(61.5));

        rezept(d, QStringLiteral("A"), {zeile(milch, "1", "TL")});
        const uint32_t b = rezept(d, QStringLiteral("B"), zeilenDerKueche());
        QVERIFY(RezeptLoeschen(d, 0));
        QCOMPARE(EingabeVon(d, b - 1, 0), std::optional(TEingabe{2, QStringLiteral("EL")}));

        // A copy through the dialog takes its rows, changed or not.
        TRezeptForm form;
        QVERIFY(FuelleKopie(form, d, 0));
        form.zutaten.zeilen.removeFirst();
        KopieAnhaengen(d, 0, form);
        QCOMPARE(EingabeVon(d, 1, 0), std::nullopt); // 125 g of butter bought in g
        QCOMPARE(EingabeVon(d, 1, 1), std::optional(TEingabe{2, QStringLiteral("Stück")}));
        QCOMPARE(angezeigt(d, 1).size(), 3);

        const QByteArray bytes = DatenAlsBytes(d);
        TDaten gelesen;
        LeseDaten(gelesen, bytes);
        QCOMPARE(EingabeVon(gelesen, 1, 2), std::optional(TEingabe{120, QStringLiteral("g")}));
        QCOMPARE(FaktenVon(gelesen, eier), FaktenVon(d, eier));
        QCOMPARE(DatenAlsBytes(gelesen), bytes);

        // A copy made without rows takes the source's entries.
        gelesen.erweiterung.rezeptKopiert(0, 2);
        QCOMPARE(EingabeVon(gelesen, 2, 0), std::optional(TEingabe{2, QStringLiteral("EL")}));

        gelesen.Leeren();
        QVERIFY(gelesen.erweiterung.leer());
    }

    // Content that would turn amounts into nonsense does not read.
    void beschaedigterAbschnitt() {
        TDaten d;
        kueche(d);
        d.erweiterung.abschnitt<TEinheitenDaten>().setzeFakten(milch,
                                                               {std::nullopt, 0.0, std::nullopt});
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(*std::make_unique<TDaten>(), DatenAlsBytes(d)));
    }
};

QTEST_GUILESS_MAIN(TestUmrechnung)
#include "test_umrechnung.moc"
