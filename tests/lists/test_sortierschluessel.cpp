// Ordering with the keys kept with a list gives exactly the order of the plain sort.
#include "lists/sortierung.h"
#include "tests/support/locale.h"

#include <QTest>

#include <random>

Q_DECLARE_METATYPE(TListenArt)

namespace {

// Cells drawn from small pools, so that ties, case variants, umlauts, empty texts and
// cells that are no number occur often.
TListe ZufallsListe(std::mt19937& zufall, int zeilen, int spalten) {
    static const QStringList namen = {
        QStringLiteral("Suppe"), QStringLiteral("suppe"),       QStringLiteral("Äpfel"),
        QStringLiteral("äpfel"), QStringLiteral("Apfel"),       QString(),
        QStringLiteral("Zoë"),   QStringLiteral("zander"),      QStringLiteral("\U0001F600x"),
        QStringLiteral("Brot"),  QStringLiteral("Brot 2"),      QStringLiteral("-"),
        QStringLiteral("ß"),     QStringLiteral("Mehl Typ 405")};
    static const QStringList zellen = {QStringLiteral("12,0000"),
                                       QStringLiteral("9,5000"),
                                       QStringLiteral("9.5"),
                                       QStringLiteral("x"),
                                       QString(),
                                       QStringLiteral("-3"),
                                       QStringLiteral("1 kg"),
                                       QStringLiteral("0"),
                                       QStringLiteral("-0"),
                                       QStringLiteral("1E20"),
                                       QStringLiteral("kg"),
                                       QStringLiteral("Gruppe 1")};
    TListe l;
    for (int s = 0; s < spalten; ++s)
        l.spalten.append({QStringLiteral("S%1").arg(s), 50});
    for (int z = 0; z < zeilen; ++z) {
        QStringList zeile;
        zeile << namen[int(zufall() % namen.size())];
        // Now and then a row shorter than the columns need.
        const int laenge = zufall() % 10 == 0 ? int(zufall() % spalten) : spalten;
        for (int s = 1; s < laenge - 1; ++s) {
            QString zelle = zellen[int(zufall() % zellen.size())];
            zeile << zelle.replace(QLatin1Char(','), QLocale().decimalPoint());
        }
        if (laenge == spalten)
            zeile << QString::number(z);
        l.zeilen.append(zeile);
    }
    return l;
}

} // namespace

class TestSortierSchluessel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gleicheFolgeWieOhneSchluessel_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<TListenArt>("art");
        QTest::addColumn<int>("spalten");
        for (const char* loc : {"de_DE", "en_US", "C"}) {
            const QByteArray n(loc);
            QTest::newRow(n + " zutaten") << QString::fromLatin1(loc) << TListenArt::zutaten << 8;
            QTest::newRow(n + " rezepte") << QString::fromLatin1(loc) << TListenArt::rezepte << 10;
            QTest::newRow(n + " verkaeufe")
                << QString::fromLatin1(loc) << TListenArt::verkaeufe << 11;
            QTest::newRow(n + " auswahl") << QString::fromLatin1(loc) << TListenArt::auswahl << 6;
        }
    }

    // A run of header clicks: after each, the list ordered with the kept keys equals the
    // same list ordered by the plain sort from the same previous order.
    void gleicheFolgeWieOhneSchluessel() {
        QFETCH(QString, locale);
        QFETCH(TListenArt, art);
        QFETCH(int, spalten);
        TLocaleWahl wahl(locale);
        std::mt19937 zufall(17);
        for (int runde = 0; runde < 20; ++runde) {
            const TListe basis = ZufallsListe(zufall, 1 + int(zufall() % 120), spalten);
            TListe mit = basis;
            TListe ohne = basis;
            TSortSchluessel schluessel(art, mit.anzahlZeilen());
            int32_t spalte = 0;
            bool dir = false;
            for (int klick = 0; klick < 12; ++klick) {
                if (klick > 0)
                    SpaltenKlick(spalte, dir, int32_t(zufall() % (spalten + 1)));
                schluessel.sortiere(mit, spalte, dir);
                SortiereListe(ohne, art, spalte, dir);
                QCOMPARE(mit, ohne);
            }
        }
    }

    void andereZeilenzahlBekommtNeueSchluessel() {
        TLocaleWahl wahl(QStringLiteral("de_DE"));
        TListe l;
        l.setzeSpalten({{QStringLiteral("Name"), 150},
                        {QStringLiteral("Gesamtpreis"), 75},
                        {QStringLiteral("Nr"), 0}});
        l.zeilen = {{QStringLiteral("B"), QStringLiteral("2"), QStringLiteral("0")},
                    {QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1")}};
        TSortSchluessel schluessel(TListenArt::verkaeufe, 2);
        schluessel.sortiere(l, 0, false);
        QCOMPARE(l.zelle(0, 0), QStringLiteral("A"));
        // A list refilled with another row count must not reuse the old keys.
        l.zeilen.append({QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("2")});
        schluessel.sortiere(l, 0, false);
        QCOMPARE(l.zelle(0, 0), QStringLiteral("0"));
        schluessel.sortiere(l, 1, false);
        QCOMPARE(l.zelle(0, 1), QStringLiteral("9"));
        QCOMPARE(l.zelle(2, 1), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestSortierSchluessel)
#include "test_sortierschluessel.moc"
