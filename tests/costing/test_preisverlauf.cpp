#include "core/datei.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "costing/preisverlauf.h"
#include "costing/zutatkatalog.h"
#include "costing/zwischenrezepte.h"
#include "exchange/csvimport.h"
#include "exchange/preisliste.h"
#include "lists/preisentwicklung.h"
#include "tests/support/aufbau.h"

#include <QTest>

namespace {

TPreisverlauf& verlauf(TDaten& d) {
    return d.erweiterung.abschnitt<TPreisverlauf>();
}

// "Datum Preis Menge Einheit Lieferant Quelle" per entry.
QStringList eintraege(TDaten& d, uint32_t nr) {
    QStringList s;
    for (const TPreisstand& e : verlauf(d).staende(nr))
        s << QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(e.datum.toString(Qt::ISODate))
                 .arg(e.preis)
                 .arg(e.menge)
                 .arg(e.einheit, e.lieferant, QuellenText(e.quelle));
    return s;
}

TZutatWerte werte(const char* name, double preis, double menge, const char* einheit,
                  const char* lieferant) {
    return {QString::fromUtf8(name),
            QString::fromUtf8(lieferant),
            QString(),
            QString::fromUtf8(einheit),
            menge,
            preis};
}

QByteArray rundlauf(const TDaten& d) {
    TDaten gelesen;
    LeseDaten(gelesen, DatenAlsBytes(d));
    return DatenAlsBytes(gelesen);
}

QStringList zeilen(const TListe& l) {
    QStringList s;
    for (const QStringList& z : l.zeilen)
        s << z.join(u';');
    return s;
}

} // namespace

class TestPreisverlauf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TUhr::setzeHeute(QDate(2024, 6, 15));
    }
    void cleanup() { TUhr::setze({}); }

    void jedeQuelleEinEintrag() {
        TDaten d;
        ZutatAnlegen(d, werte("Butter", 2.5, 250, "g", "Hof"));
        QCOMPARE(eintraege(d, 0), QStringList{"2024-06-15 2.5 250 g Hof Eingabe"});
        // Name and group changes keep no entry; the same values neither.
        ZutatAendern(d, 0, werte("Süßrahmbutter", 2.5, 250, "g", "Hof"));
        QCOMPARE(eintraege(d, 0).size(), 1);
        TUhr::setzeHeute(QDate(2024, 7, 1));
        ZutatAendern(d, 0, werte("Süßrahmbutter", 2.7, 250, "g", "Hof"));
        ZutatAendern(d, 0, werte("Süßrahmbutter", 2.7, 250, "g", "Markt"));
        QCOMPARE(eintraege(d, 0), (QStringList{"2024-06-15 2.5 250 g Hof Eingabe",
                                               "2024-07-01 2.7 250 g Hof Eingabe",
                                               "2024-07-01 2.7 250 g Markt Eingabe"}));

        // An ingredient of an older file first keeps what it had, as "Bestand".
        NeueZutat(d, QStringLiteral("Mehl"), 0.9, 1, QStringLiteral("kg"));
        ZutatAendern(d, 1, werte("Mehl", 1.1, 1, "kg", ""));
        QCOMPARE(eintraege(d, 1),
                 (QStringList{"2024-07-01 0.9 1 kg  Bestand", "2024-07-01 1.1 1 kg  Eingabe"}));

        QCOMPARE(ImportiereZutaten(d, "Salz;Hof;Gewürz;0,5;0,5;1;kg\r\n", false), qsizetype(1));
        QCOMPARE(eintraege(d, 2), QStringList{"2024-07-01 0.5 1 kg Hof CSV-Import"});
    }

    void ueberlebtSpeichernLoeschenUndLeeren() {
        TDaten d;
        for (const char* name : {"A", "B", "C"})
            ZutatAnlegen(d, werte(name, 1, 1, "kg", "Hof"));
        ZutatAendern(d, 2, werte("C", 2, 1, "kg", "Hof"));
        const QByteArray bytes = DatenAlsBytes(d);
        QCOMPARE(rundlauf(d), bytes);

        QCOMPARE(LoescheZutat(d, 0), TZutatLoeschen::moeglich);
        QCOMPARE(eintraege(d, 1).size(), 2); // C moved up with its history
        QCOMPARE(rundlauf(d), DatenAlsBytes(d));

        d.Leeren();
        QVERIFY(d.erweiterung.leer());
    }

    // The same history gives the same bytes however its text table came about.
    void textTabelleNachErstemGebrauch() {
        TDaten a, b;
        ZutatAnlegen(a, werte("A", 1, 1, "kg", "Hof"));
        ZutatAendern(a, 0, werte("A", 1, 1, "kg", "Markt"));
        ZutatAendern(a, 0, werte("A", 2, 1, "kg", "Markt"));
        LoescheZutat(a, 0);
        ZutatAnlegen(a, werte("B", 1, 1, "l", "Markt"));
        ZutatAnlegen(b, werte("B", 1, 1, "l", "Markt"));
        QCOMPARE(DatenAlsBytes(a), DatenAlsBytes(b));
    }

    void beschaedigterVerlaufAbgelehnt() {
        TDaten d;
        ZutatAnlegen(d, werte("A", 1, 1, "kg", "Hof"));
        QByteArray bytes = DatenAlsBytes(d);
        // The source byte of the only entry sits right before the end section.
        bytes[bytes.size() - 12 - 1] = char(7);
        TDaten ziel;
        QVERIFY_THROWS_EXCEPTION(TFehler, LeseDaten(ziel, bytes));
        QCOMPARE(ziel.anzahlZutaten(), 0u);
    }

    void preislisteAendertPasstUndProtokolliert() {
        TDaten d;
        ZutatAnlegen(d, werte("Butter", 2.5, 250, "g", "Hof"));
        ZutatAnlegen(d, werte("Butter", 2.3, 250, "g", "Markt"));
        ZutatAnlegen(d, werte("Mehl", 0.9, 1, "kg", "Markt"));
        ZutatAnlegen(d, werte("Zucker", 1.2, 1, "kg", "Markt"));
        TUhr::setzeHeute(QDate(2024, 7, 1));
        const QByteArray csv = "Artikel;EK;Menge;Lieferant\r\n"
                               "butter ;2,60;;Hof\r\n"
                               "Mehl;0,90;;\r\n"
                               "Zucker;1,25;0,5;\r\n"
                               "Butter;2,4;;\r\n"
                               "Salz;1;;\r\n"
                               "Mehl;0,95;;\r\n"
                               "Zucker;-1;;\r\n";
        const TPreislistenPruefung p = PruefePreisliste(d, csv, {});
        QCOMPARE(
            Fehlerzeilen(p),
            (QStringList{"Zeile 5: mehrdeutige Zutat \"Butter\" (mehrere Lieferanten; die Spalte "
                         "\"Lieferant\" oder --lieferant wählt einen)",
                         "Zeile 6: unbekannte Zutat \"Salz\"", "Zeile 7: doppelt, schon in Zeile 3",
                         "Zeile 8: ungültiger Preis \"-1\""}));
        const QByteArray vorher = DatenAlsBytes(d);
        QVERIFY_THROWS_EXCEPTION(TFehler, WendePreislisteAn(d, p, false));
        QCOMPARE(DatenAlsBytes(d), vorher); // all or nothing
        QCOMPARE(Zusammenfassung(p, true),
                 QStringLiteral("Gelesen: 7 Zeilen, geändert: 2 Zutaten, unverändert: 1, "
                                "ausgelassen: 4 Zeilen."));
        QCOMPARE(WendePreislisteAn(d, p, true), qsizetype(2));
        QCOMPARE(d.zutat(0).preis, 2.6);
        QCOMPARE(d.zutat(1).preis, 2.3);
        QCOMPARE(d.zutat(3).menge, 0.5);
        QCOMPARE(Text(d.zutat(3).preisproeinheit), QStringLiteral("2,5"));
        QCOMPARE(eintraege(d, 0).last(), QStringLiteral("2024-07-01 2.6 250 g Hof Preisliste"));
        QCOMPARE(eintraege(d, 2).size(), 1); // unchanged: no entry

        // --lieferant picks among equal names.
        const TPreislistenPruefung q = PruefePreisliste(d, "Name;Preis\nButter;2,2\n", "markt");
        QVERIFY(q.fehlerfrei());
        QCOMPARE(q.zeilen.front().zutat, 1u);
    }

    // A sub-recipe's ingredient takes its price from the recipe: a list neither prices it
    // nor finds a bought ingredient of the same name ambiguous because of it.
    void preislisteLaesstZwischenrezepteAus() {
        TDaten d;
        ZutatAnlegen(d, werte("Fond", 4, 1, "l", "Hof"));
        NeuesRezept(d, QStringLiteral("Fond"), 2);
        SetzeZwischenrezept(d, 0, true, QStringLiteral("l"));
        NeuesRezept(d, QStringLiteral("Teig"), 1);
        SetzeZwischenrezept(d, 1, true, QStringLiteral("kg"));
        Nachrechnen(d);
        const TPreislistenPruefung p = PruefePreisliste(d, "Name;Preis\nFond;5\nTeig;3\n", {});
        QCOMPARE(Fehlerzeilen(p),
                 QStringList{"Zeile 3: \"Teig\" ist ein Zwischenrezept; sein Preis kommt aus dem "
                             "Rezept"});
        QCOMPARE(p.zeilen.front().zutat, 0u);
    }

    void preislisteOhnePflichtspalte() {
        TDaten d;
        try {
            PruefePreisliste(d, "Name;Menge\nA;1\n", {});
            QFAIL("angenommen");
        } catch (const TFehler& f) {
            QCOMPARE(f.meldung(), QStringLiteral("Der Kopfzeile (Zeile 1) fehlt die Spalte für "
                                                 "den Preis (\"Preis\" oder \"EK\")"));
        }
    }

    void verlaufslisteMitAenderung() {
        TDaten d;
        ZutatAnlegen(d, werte("Butter", 2, 250, "g", "Hof"));
        TUhr::setzeHeute(QDate(2024, 7, 1));
        ZutatAendern(d, 0, werte("Butter", 2.2, 250, "g", "Hof"));
        ZutatAendern(d, 0, werte("Butter", 8, 1, "kg", "Hof"));
        QCOMPARE(zeilen(Preisverlaufsliste(d, 0)),
                 (QStringList{"15.06.2024;Hof;250;g;2,00;0,0080;;Eingabe",
                              "01.07.2024;Hof;250;g;2,20;0,0088;10,00;Eingabe",
                              "01.07.2024;Hof;1;kg;8,00;8,0000;;Eingabe"}));
    }

    // Start price at the end of the day before `von`, end price at the end of `bis`;
    // exactly the threshold counts.
    void aenderungenGrenzen() {
        TDaten d;
        TUhr::setzeHeute(QDate(2024, 1, 31));
        ZutatAnlegen(d, werte("Butter", 2, 1, "kg", "Hof"));
        ZutatAnlegen(d, werte("Mehl", 1, 1, "kg", "Hof"));
        ZutatAnlegen(d, werte("Salz", 1, 1, "kg", "Hof"));
        TUhr::setzeHeute(QDate(2024, 3, 1));
        ZutatAendern(d, 0, werte("Butter", 2.1, 1, "kg", "Hof")); // +5 %
        ZutatAendern(d, 1, werte("Mehl", 1.049, 1, "kg", "Hof")); // +4.9 %
        TUhr::setzeHeute(QDate(2024, 3, 2));
        ZutatAendern(d, 2, werte("Salz", 0.5, 1, "kg", "Hof")); // -50 %, a day later
        NeueZeile(NeuesRezept(d, QStringLiteral("Brot"), 1, 8.092, 0), 0, 1);
        NeueZeile(NeuesRezept(d, QStringLiteral("Kuchen"), 1, 10, 0), 0, 0.5);

        TPreisentwicklungsWahl w{QDate(2024, 2, 1), QDate(2024, 3, 1), 5};
        QCOMPARE(zeilen(Preisentwicklungsliste(d, w)),
                 (QStringList{"Butter;Hof;2,0000;2,1000;5,00;Brot;2,0000;2,1000;über Soll",
                              "Butter;Hof;2,0000;2,1000;5,00;Kuchen;1,0000;1,0500;im Soll"}));
        w.bis = QDate(2024, 3, 2);
        QCOMPARE(Preisentwicklungsliste(d, w).zeilen.front().front(), QStringLiteral("Salz"));
        w.von = QDate(2024, 3, 2); // the day before already holds the new butter price
        QCOMPARE(zeilen(Preisentwicklungsliste(d, w)),
                 QStringList{"Salz;Hof;1,0000;0,5000;-50,00;;;;"});
        w.von = QDate(2024, 3, 1);
        w.schwelle = 4.9;
        QCOMPARE(Preisentwicklungsliste(d, w).anzahlZeilen(), 4);

        // The values before the first recorded change held before it, whenever it came.
        NeueZutat(d, QStringLiteral("Zimt"), 4, 1, QStringLiteral("kg"));
        ZutatAendern(d, 3, werte("Zimt", 5, 1, "kg", ""));
        w = {QDate(2024, 3, 1), QDate(2024, 3, 2), 5};
        QCOMPARE(Preisentwicklungsliste(d, w).zeilen.front().mid(0, 5).join(u';'),
                 QStringLiteral("Salz;Hof;1,0000;0,5000;-50,00"));
        QCOMPARE(Preisentwicklungsliste(d, w).zeilen[1].mid(0, 5).join(u';'),
                 QStringLiteral("Zimt;;4,0000;5,0000;25,00"));
    }
};

QTEST_GUILESS_MAIN(TestPreisverlauf)
#include "test_preisverlauf.moc"
