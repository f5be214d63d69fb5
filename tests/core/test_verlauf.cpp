// The undo history on bytes: random steps, undos and redos against snapshots, its limits,
// and real data through the file format.
#include "bench/generator/grossdaten.h"
#include "core/datei.h"
#include "core/verlauf.h"
#include "costing/rezeptkopie.h"
#include "lists/verkauf.h"
#include "tests/support/aufbau.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// A change as edits of data make them: bytes replaced, inserted or removed anywhere,
// sometimes none at all.
QByteArray Veraendert(QByteArray b, QRandomGenerator& z) {
    const auto stelle = [&] { return qsizetype(z.bounded(int(b.size()) + 1)); };
    const auto zufall = [&](int n) {
        QByteArray r(n, '\0');
        for (char& c : r)
            c = char(z.bounded(4)); // few values: neighbours often equal the change
        return r;
    };
    switch (z.bounded(5)) {
    case 0: {
        const qsizetype s = stelle();
        return b.insert(s, zufall(z.bounded(1, 40)));
    }
    case 1: {
        const qsizetype s = stelle();
        return b.remove(s, z.bounded(0, 40));
    }
    case 2: {
        const qsizetype s = stelle();
        const QByteArray neu = zufall(z.bounded(1, 10));
        return b.replace(s, std::min<qsizetype>(neu.size(), b.size() - s), neu);
    }
    case 3:
        return b; // a confirmed dialog that changed nothing
    default:
        return zufall(z.bounded(0, 3)) + b + zufall(z.bounded(0, 3)); // both ends
    }
}

QByteArray Anfang(int n) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(i % 7);
    return b;
}

} // namespace

class TestVerlauf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every state reached must be the snapshot the same moves give on a plain list of
    // whole copies.
    void zufaelligeFolgenGegenSchnappschuesse() {
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator z(seed);
            const int grenze = int(z.bounded(1, 12));
            TVerlauf v(grenze);
            std::vector<QByteArray> staende{Anfang(int(z.bounded(0, 200)))};
            std::vector<QString> namen{QString()};
            size_t pos = 0;
            size_t aeltester = 0; // oldest state still reachable
            QByteArray stand = staende[0];
            for (int zug = 0; zug < 300; ++zug) {
                const int art = int(z.bounded(10));
                if (art < 5) {
                    const QByteArray neu = Veraendert(stand, z);
                    const QString name = QStringLiteral("Schritt %1").arg(zug);
                    const bool aufgenommen = v.nimmAuf(name, stand, neu);
                    QCOMPARE(aufgenommen, neu != stand);
                    if (!aufgenommen)
                        continue;
                    staende.resize(pos + 1);
                    namen.resize(pos + 1);
                    staende.push_back(neu);
                    namen.push_back(name);
                    ++pos;
                    aeltester = std::max(aeltester, pos - std::min<size_t>(pos, size_t(grenze)));
                    stand = neu;
                } else if (art < 8) {
                    QCOMPARE(v.kannRueckgaengig(), pos > aeltester);
                    QCOMPARE(v.rueckgaengigName(), pos > aeltester ? namen[pos] : QString());
                    const bool ok = v.rueckgaengig(stand);
                    QCOMPARE(ok, pos > aeltester);
                    if (ok)
                        --pos;
                } else {
                    QCOMPARE(v.kannWiederherstellen(), pos + 1 < staende.size());
                    const bool ok = v.wiederherstellen(stand);
                    QCOMPARE(ok, pos + 1 < staende.size());
                    if (ok) {
                        ++pos;
                        QCOMPARE(v.rueckgaengigName(), namen[pos]);
                    }
                }
                QCOMPARE(stand, staende[pos]);
                QCOMPARE(v.anzahlRueckgaengig(), int(pos - aeltester));
                QCOMPARE(v.anzahlWiederherstellen(), int(staende.size() - 1 - pos));
            }
        }
    }

    void grenzeBehaeltDieNeuesten() {
        TVerlauf v(3);
        QByteArray stand = "a";
        for (const char* neu : {"ab", "abc", "abcd", "abcde"}) {
            QVERIFY(v.nimmAuf(QString::fromLatin1(neu), stand, neu));
            stand = neu;
        }
        QCOMPARE(v.anzahlRueckgaengig(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY(v.rueckgaengig(stand));
        QCOMPARE(stand, QByteArray("ab"));
        QVERIFY(!v.rueckgaengig(stand));
        QCOMPARE(stand, QByteArray("ab"));
        QCOMPARE(TVerlauf().anzahlRueckgaengig(), 0);
        QVERIFY(TVerlauf::standardGrenze >= 50);
    }

    // A new step after an undo drops what could be redone; a step that changed nothing
    // does not.
    void neuerSchrittVerwirftWiederherstellen() {
        TVerlauf v;
        QByteArray stand = "eins";
        QVERIFY(v.nimmAuf("A", stand, "zwei"));
        stand = "zwei";
        QVERIFY(v.rueckgaengig(stand));
        QVERIFY(!v.nimmAuf("leer", stand, stand));
        QCOMPARE(v.wiederherstellenName(), QStringLiteral("A"));
        QVERIFY(v.nimmAuf("B", stand, "drei"));
        QVERIFY(!v.kannWiederherstellen());
        QCOMPARE(v.rueckgaengigName(), QStringLiteral("B"));
    }

    // Bytes changed past the history are never overwritten with a step's patch.
    void fremderStandWirdNichtVeraendert() {
        TVerlauf v;
        QVERIFY(v.nimmAuf("A", "Apfelkuchen", "Apfelstrudel"));
        for (QByteArray fremd :
             {QByteArray("Apfelkuchen"), QByteArray("Apfelstrudeln"), QByteArray("Apfelstreuse")}) {
            const QByteArray vorher = fremd;
            QVERIFY(!v.rueckgaengig(fremd));
            QCOMPARE(fremd, vorher);
        }
        QCOMPARE(v.anzahlRueckgaengig(), 1);
        QByteArray richtig = "Apfelstrudel";
        QVERIFY(v.rueckgaengig(richtig));
        QCOMPARE(richtig, QByteArray("Apfelkuchen"));
        QByteArray falsch = "Birnenkuchen";
        QVERIFY(!v.wiederherstellen(falsch));
        QCOMPARE(v.anzahlWiederherstellen(), 1);
    }

    // A step keeps what it changed, not the data: a few bytes in a megabyte cost bytes.
    void speicherNurDesGeaendertenBereichs() {
        TVerlauf v;
        QByteArray stand = Anfang(1 << 20);
        for (int i = 0; i < 50; ++i) {
            QByteArray neu = stand;
            neu[(i * 7919) % neu.size()] = char(100 + i);
            QVERIFY(v.nimmAuf(QStringLiteral("Verkauf erfassen"), stand, neu));
            stand = neu;
        }
        QVERIFY2(v.speicher() < 50 * 1024, qPrintable(QString::number(v.speicher())));
        v.leeren();
        QCOMPARE(v.speicher(), qsizetype(0));
        QVERIFY(!v.kannRueckgaengig());
    }

    // The counts before a record change with it: a deleted recipe costs its own bytes and
    // a sale its record, not the recipes between the count and the change.
    void schrittKostetNurSeineBytes() {
        TDaten d;
        ErzeugeDaten(d, TypischeKueche());
        TVerlauf v;
        const QByteArray anfang = DatenAlsBytes(d);
        QVERIFY(RezeptLoeschen(d, 150));
        const QByteArray ohne = DatenAlsBytes(d);
        QVERIFY(v.nimmAuf(QStringLiteral("Rezept löschen"), anfang, ohne));
        const qsizetype rezept = anfang.size() - ohne.size();
        QVERIFY2(v.speicher() < rezept + 1024,
                 qPrintable(QStringLiteral("%1 für %2").arg(v.speicher()).arg(rezept)));

        const qsizetype davor = v.speicher();
        ErfasseVerkauf(d, d.rezept(100), QDate(2030, 1, 1), 3);
        const QByteArray verkauft = DatenAlsBytes(d);
        QVERIFY(v.nimmAuf(QStringLiteral("Verkauf erfassen"), ohne, verkauft));
        QVERIFY2(v.speicher() - davor < 1024, qPrintable(QString::number(v.speicher() - davor)));

        QByteArray stand = verkauft;
        QVERIFY(v.rueckgaengig(stand));
        QCOMPARE(stand, ohne);
        QVERIFY(v.rueckgaengig(stand));
        QCOMPARE(stand, anfang);
        QVERIFY(v.wiederherstellen(stand));
        QVERIFY(v.wiederherstellen(stand));
        QCOMPARE(stand, verkauft);
    }

    // Through the file format: a deleted recipe with its sales comes back byte for byte.
    void rezeptMitVerkaeufenZurueck() {
        TDaten d;
        BaueBeispiel(d);
        TRezept& r = NeuesRezept(d, QStringLiteral("Apfelkuchen"), 1, 3.5, 2);
        NeueZeile(r, 0, 0.25);
        NeuerVerkauf(r, 2024, 6, 14, 12, 30, 35.7, 9, 0.3, 21);
        NeuesRezept(d, QStringLiteral("Danach"));
        TVerlauf v;
        const QByteArray vorher = DatenAlsBytes(d);
        RezeptLoeschen(d, 1);
        const QByteArray ohne = DatenAlsBytes(d);
        QVERIFY(v.nimmAuf(QStringLiteral("Rezept „Apfelkuchen“ löschen"), vorher, ohne));
        QVERIFY(v.speicher() < vorher.size());

        QByteArray stand = ohne;
        QVERIFY(v.rueckgaengig(stand));
        QCOMPARE(stand, vorher);
        LeseDaten(d, stand);
        QCOMPARE(d.anzahlRezepte(), 3u);
        QCOMPARE(d.rezept(1).verkaeufe->count, 1u);
        QCOMPARE(DatenAlsBytes(d), vorher);
        QVERIFY(v.wiederherstellen(stand));
        QCOMPARE(stand, ohne);
    }
};

QTEST_MAIN(TestVerlauf)
#include "test_verlauf.moc"
