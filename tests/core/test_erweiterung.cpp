#include "core/bytes.h"
#include "core/datei.h"
#include "core/erweiterung.h"
#include "core/fehler.h"
#include "costing/rezeptkopie.h"
#include "costing/zutatkatalog.h"
#include "exchange/csvimport.h"
#include "tests/support/aufbau.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

// A capability with data per ingredient, per recipe and a master value, as later
// capabilities keep them.
class TTestAbschnitt : public TAbschnitt {
public:
    static const TAbschnittArt& art();

    std::map<uint32_t, QString> zutaten;
    std::map<uint32_t, QString> rezepte;
    QString stamm;

    bool leer() const override { return zutaten.empty() && rezepte.empty() && stamm.isEmpty(); }
    void schreibe(TByteSchreiber& s) const override {
        s.text(stamm);
        for (const auto* m : {&zutaten, &rezepte}) {
            s.uint32(uint32_t(m->size()));
            for (const auto& [nr, text] : *m) {
                s.uint32(nr);
                s.text(text);
            }
        }
    }
    void lese(TByteLeser& l) override {
        stamm = l.text();
        for (auto* m : {&zutaten, &rezepte}) {
            const uint32_t n = l.anzahl(8);
            for (uint32_t i = 0; i < n; ++i) {
                const uint32_t nr = l.uint32();
                (*m)[nr] = l.text();
            }
        }
    }
    void pruefe(uint32_t anzahlZutaten, uint32_t anzahlRezepte) const override {
        if ((!zutaten.empty() && zutaten.rbegin()->first >= anzahlZutaten) ||
            (!rezepte.empty() && rezepte.rbegin()->first >= anzahlRezepte))
            throw TFehler(QStringLiteral("Position außerhalb"));
    }
    void zutatEntfernt(uint32_t nr) override { entferne(zutaten, nr); }
    void rezeptEntfernt(uint32_t nr) override { entferne(rezepte, nr); }
    void rezeptKopiert(uint32_t von, uint32_t nach) override {
        if (const auto it = rezepte.find(von); it != rezepte.end())
            rezepte[nach] = it->second;
    }
    void datensaetzeGeleert() override {
        zutaten.clear();
        rezepte.clear();
    }

private:
    static void entferne(std::map<uint32_t, QString>& m, uint32_t nr) {
        std::map<uint32_t, QString> neu;
        for (const auto& [i, text] : m)
            if (i != nr)
                neu[i > nr ? i - 1 : i] = text;
        m = std::move(neu);
    }
};

const bool gemeldet =
    MeldeAbschnitt({AbschnittTag("TEST"), QStringLiteral("Test"), bezugZutaten | bezugRezepte,
                    [] { return std::unique_ptr<TAbschnitt>(new TTestAbschnitt); }});

const TAbschnittArt& TTestAbschnitt::art() {
    Q_UNUSED(gemeldet);
    return *AbschnittArt(AbschnittTag("TEST"));
}

// Three ingredients, two recipes; the second recipe uses the third ingredient.
void baue(TDaten& d) {
    NeueZutat(d, QStringLiteral("Mehl"), 1, 1);
    NeueZutat(d, QStringLiteral("Zucker"), 2, 1);
    NeueZutat(d, QStringLiteral("Butter"), 3, 1);
    NeuesRezept(d, QStringLiteral("Brot"));
    NeueZeile(NeuesRezept(d, QStringLiteral("Kuchen")), 2, 0.5);
    auto& t = d.erweiterung.abschnitt<TTestAbschnitt>();
    t.stamm = QStringLiteral("Stamm");
    t.zutaten = {{0, "z0"}, {1, "z1"}, {2, "z2"}};
    t.rezepte = {{0, "r0"}, {1, "r1"}};
}

// A section the program does not know, appended to a block by hand.
QByteArray fremderAbschnitt(const char (&tag)[5], uint32_t bezug, const QByteArray& inhalt) {
    QByteArray b(tag, 4);
    for (uint32_t w : {bezug, uint32_t(inhalt.size())})
        b += QByteArray(reinterpret_cast<const char*>(&w), 4); // the test runs little-endian
    return b + inhalt;
}

const QByteArray ende = fremderAbschnitt("ENDE", 0, {});

QByteArray blockKopf(uint16_t haupt = 1, uint16_t unter = 0) {
    return QByteArray("ORMISTO\x1a", 8) + QByteArray(reinterpret_cast<const char*>(&haupt), 2) +
           QByteArray(reinterpret_cast<const char*>(&unter), 2);
}

// The bytes of the first three sections alone.
QByteArray ohneBlock(const TDaten& d) {
    TDaten kopie;
    LeseDaten(kopie, DatenAlsBytes(d));
    kopie.erweiterung = TErweiterung();
    return DatenAlsBytes(kopie);
}

QString leseFehler(TDaten& d, const QByteArray& bytes) {
    try {
        LeseDaten(d, bytes);
    } catch (const TFehler& f) {
        return f.meldung();
    }
    return {};
}

} // namespace

class TestErweiterung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ohneDatenKeinBlock() {
        TDaten d;
        BaueBeispiel(d);
        const QByteArray vorher = DatenAlsBytes(d);
        d.erweiterung.abschnitt<TTestAbschnitt>(); // made, but empty
        QCOMPARE(DatenAlsBytes(d), vorher);
        QCOMPARE(vorher.size(), 0x836);
    }

    void blockNachDenGruppen() {
        TDaten d;
        baue(d);
        const QByteArray bytes = DatenAlsBytes(d);
        const QByteArray basis = ohneBlock(d);
        QVERIFY(bytes.startsWith(basis));
        QVERIFY(bytes.mid(basis.size()).startsWith(blockKopf()));
        QVERIFY(bytes.endsWith(ende));

        TDaten gelesen;
        LeseDaten(gelesen, bytes);
        const auto& t = gelesen.erweiterung.abschnitt<TTestAbschnitt>();
        QCOMPARE(t.stamm, QStringLiteral("Stamm"));
        QCOMPARE(t.zutaten.at(2), QStringLiteral("z2"));
        QCOMPARE(t.rezepte.at(1), QStringLiteral("r1"));
        QCOMPARE(DatenAlsBytes(gelesen), bytes);
    }

    void fremdeBytesOhneSignaturFallenWeg() {
        TDaten d;
        BaueBeispiel(d);
        const QByteArray basis = DatenAlsBytes(d);
        for (const QByteArray& rest : {QByteArray("Müll"), QByteArray("ORMISTO"),
                                       QByteArray("ORMISTO\x1b\x01\x00\x00\x00", 12)}) {
            TDaten gelesen;
            LeseDaten(gelesen, basis + rest);
            QVERIFY(gelesen.erweiterung.leer());
            QCOMPARE(DatenAlsBytes(gelesen), basis);
        }
    }

    void unbekannterAbschnittBleibtByteGenau() {
        TDaten d;
        baue(d);
        const QByteArray basis = ohneBlock(d);
        // A newer minor version with a section this program does not know, between two.
        const QByteArray zzzz = fremderAbschnitt("ZZZZ", 0, QByteArray("\x00\x01\x02\xff", 4));
        TDaten nurTest;
        baue(nurTest);
        const QByteArray eigener = DatenAlsBytes(nurTest).mid(basis.size() + 12);
        const QByteArray datei =
            basis + blockKopf(1, 7) + eigener.chopped(ende.size()) + zzzz + ende;

        TDaten gelesen;
        LeseDaten(gelesen, datei);
        QCOMPARE(gelesen.erweiterung.fremde.size(), size_t(1));
        // Written again with this program's version; the unknown section is unchanged.
        QCOMPARE(DatenAlsBytes(gelesen),
                 basis + blockKopf() + eigener.chopped(ende.size()) + zzzz + ende);
        // Even alone it makes the block.
        TDaten nurFremd;
        LeseDaten(nurFremd, basis + blockKopf() + zzzz + ende);
        QCOMPARE(DatenAlsBytes(nurFremd), basis + blockKopf() + zzzz + ende);
    }

    void neuereHauptversionAbgelehnt() {
        TDaten d;
        baue(d);
        const QByteArray basis = ohneBlock(d);
        TDaten ziel;
        BaueBeispiel(ziel);
        const QByteArray vorher = DatenAlsBytes(ziel);
        QCOMPARE(leseFehler(ziel, basis + blockKopf(2, 0) + ende),
                 QStringLiteral("Die Datei wurde mit einer neueren Version von Ormisto "
                                "geschrieben (Erweiterung Version 2)"));
        QCOMPARE(DatenAlsBytes(ziel), vorher);

        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("neu.zat"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(basis + blockKopf(3, 1) + ende);
        f.close();
        const TDateiErgebnis e = LoadOptionsFile(ziel, pfad);
        QCOMPARE(e.meldung, QStringLiteral("„neu.zat“ wurde mit einer neueren Version von Ormisto "
                                           "geschrieben (Erweiterung Version 3)"));
        QCOMPARE(DatenAlsBytes(ziel), vorher);
    }

    void beschaedigterBlockAbgelehnt_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("teil");
        TDaten d;
        baue(d);
        const QByteArray basis = ohneBlock(d);
        const QByteArray voll = DatenAlsBytes(d).mid(basis.size());
        const QByteArray eigener = voll.mid(12).chopped(ende.size());
        QTest::newRow("nur Signatur") << voll.left(10) << QStringLiteral("Kopf");
        QTest::newRow("Version 0") << blockKopf(0) + ende << QStringLiteral("Kopf");
        QTest::newRow("ohne Abschluss")
            << voll.chopped(ende.size()) << QStringLiteral("ohne Abschluss");
        QTest::newRow("mitten im Abschnitt")
            << voll.left(voll.size() - ende.size() - 3) << QStringLiteral("„Test“");
        QTest::newRow("Daten nach dem Abschluss") << voll + "x" << QStringLiteral("Abschluss");
        QTest::newRow("Abschnitt doppelt")
            << blockKopf() + eigener + eigener + ende << QStringLiteral("doppelt");
        QTest::newRow("ungültiges Kennzeichen")
            << blockKopf() + fremderAbschnitt("A B\x01", 0, {}) + ende
            << QStringLiteral("Abschnittskennzeichen");
        QByteArray zuKurz = eigener;
        zuKurz[8] = char(zuKurz[8] - 1); // length one less: the content does not read
        QTest::newRow("Inhalt liest nicht")
            << blockKopf() + zuKurz + ende << QStringLiteral("„Test“");
        TDaten weit;
        baue(weit);
        weit.erweiterung.abschnitt<TTestAbschnitt>().rezepte[7] = QStringLiteral("weg");
        QTest::newRow("Position außerhalb")
            << DatenAlsBytes(weit).mid(basis.size()) << QStringLiteral("„Test“");
    }

    void beschaedigterBlockAbgelehnt() {
        QFETCH(QByteArray, block);
        QFETCH(QString, teil);
        TDaten d;
        baue(d);
        const QByteArray basis = ohneBlock(d);
        TDaten ziel;
        BaueBeispiel(ziel);
        const QByteArray vorher = DatenAlsBytes(ziel);
        const QString meldung = leseFehler(ziel, basis + block);
        QVERIFY2(meldung.startsWith(QStringLiteral("Die Erweiterung der Datei ist beschädigt")),
                 qPrintable(meldung));
        QVERIFY2(meldung.contains(teil), qPrintable(meldung));
        QCOMPARE(DatenAlsBytes(ziel), vorher); // all or nothing
    }

    // Each operation that removes, moves or copies records keeps the section in step.
    void positionenFolgenDenDatensaetzen() {
        TDaten d;
        baue(d);
        auto& t = d.erweiterung.abschnitt<TTestAbschnitt>();
        QCOMPARE(LoescheZutat(d, 0), TZutatLoeschen::moeglich);
        QCOMPARE(t.zutaten, (std::map<uint32_t, QString>{{0, "z1"}, {1, "z2"}}));
        QCOMPARE(d.rezept(1).zutaten->at<TRezeptZutat>(0)->zutatnr, 1);

        QVERIFY(RezeptLoeschen(d, 0));
        QCOMPARE(t.rezepte, (std::map<uint32_t, QString>{{0, "r1"}}));

        TRezeptForm form;
        QVERIFY(FuelleKopie(form, d, 0));
        KopieAnhaengen(d, 0, form);
        QCOMPARE(d.anzahlRezepte(), 2u);
        QCOMPARE(t.rezepte, (std::map<uint32_t, QString>{{0, "r1"}, {1, "r1"}}));

        // The import appends: nothing moves.
        QCOMPARE(ImportiereZutaten(d, "Salz;x;y;0,5;1;kg\r\n", false), qsizetype(1));
        QCOMPARE(d.anzahlZutaten(), 3u);
        QCOMPARE(t.zutaten, (std::map<uint32_t, QString>{{0, "z1"}, {1, "z2"}}));

        // The file written after all this reads back as it is.
        TDaten gelesen;
        LeseDaten(gelesen, DatenAlsBytes(d));
        QCOMPARE(gelesen.erweiterung.abschnitt<TTestAbschnitt>().zutaten, t.zutaten);

        d.Leeren();
        QVERIFY(t.zutaten.empty() && t.rezepte.empty());
        QCOMPARE(t.stamm, QStringLiteral("Stamm")); // master data stay, as the groups do
    }

    void fremdeAbschnitteMitBezugFallenBeimEntfernenWeg() {
        TDaten d;
        baue(d);
        d.erweiterung.abschnitt<TTestAbschnitt>() = TTestAbschnitt();
        d.erweiterung.fremde = {{AbschnittTag("FREI"), keinBezug, "a"},
                                {AbschnittTag("ZUTA"), bezugZutaten, "b"},
                                {AbschnittTag("REZE"), bezugRezepte, "c"}};
        RezeptLoeschen(d, 0);
        QCOMPARE(d.erweiterung.fremde.size(), size_t(2));
        LoescheZutat(d, 0);
        QCOMPARE(d.erweiterung.fremde.size(), size_t(1));
        QCOMPARE(TagText(d.erweiterung.fremde[0].tag), QStringLiteral("FREI"));
        d.Leeren();
        QCOMPARE(d.erweiterung.fremde.size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestErweiterung)
#include "test_erweiterung.moc"
