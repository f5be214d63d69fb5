#include "core/dynaarray.h"
#include "core/fehler.h"
#include "tests/support/testmelder.h"

#include <QTest>

#include <cstdlib>
#include <cstring>

namespace {
struct TSatz {
    int32_t a;
    int32_t b;
};

bool alleNull(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i])
            return false;
    return true;
}

// Fills an array with n records numbered 0..n-1.
void fuelle(TDynaArray& d, int n) {
    for (int i = 0; i < n; ++i)
        static_cast<TSatz*>(d.Add())->a = i;
}
} // namespace

class TestDynaArray : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void neuesArray() {
        TSatz* cursor = reinterpret_cast<TSatz*>(0x1);
        TDynaArray d(sizeof(TSatz), cursorvariable(cursor));
        QCOMPARE(d.count, 0u);
        QCOMPARE(d.poi, nullptr);
        QCOMPARE(d.aobjnr, -1);
        QCOMPARE(d.buffersize, 100u);
        QCOMPARE(d.amemsize, 0u);
        QCOMPARE(cursor, reinterpret_cast<TSatz*>(0x1)); // Create leaves it alone
        d.First();
        QCOMPARE(d.aobjnr, -1);
        QVERIFY(!d.WhileNext());
        QVERIFY(!d.Next());
    }

    void kapazitaetInSchrittenVon100() {
        TDynaArray d(sizeof(TSatz), nullptr);
        d.Add();
        QCOMPARE(d.amemsize, 100u * sizeof(TSatz));
        fuelle(d, 99);
        QCOMPARE(d.count, 100u);
        QCOMPARE(d.amemsize, 100u * sizeof(TSatz));
        static_cast<TSatz*>(d.GetObject(57))->b = 4711;
        d.Add();
        QCOMPARE(d.amemsize, 200u * sizeof(TSatz));
        QCOMPARE(d.at<TSatz>(57)->b, 4711); // the first 100 were copied
        QVERIFY(alleNull(d.at<TSatz>(100), 100 * sizeof(TSatz)));
        d.Delete(3);
        QCOMPARE(d.count, 100u);
        QCOMPARE(d.amemsize, 100u * sizeof(TSatz));
        QCOMPARE(d.at<TSatz>(56)->b, 4711); // moved down by one
    }

    void letzterSatzGibtBlockFrei() {
        TSatz* cursor = nullptr;
        TDynaArray d(sizeof(TSatz), cursorvariable(cursor));
        static_cast<TSatz*>(d.Add())->a = 9;
        d.Delete(0);
        QCOMPARE(d.poi, nullptr);
        QCOMPARE(d.amemsize, 0u);
        QCOMPARE(d.aobjnr, -1);
        QCOMPARE(cursor, nullptr);
        auto* neu = static_cast<TSatz*>(d.Add());
        QCOMPARE(neu->a, 0);
        QCOMPARE(cursor, neu);
    }

    void addGibtNullbytesNachDelete() {
        TDynaArray d(sizeof(TSatz), nullptr);
        fuelle(d, 3);
        d.at<TSatz>(2)->b = 77;
        d.Delete(2); // capacity stays: the slot keeps its old bytes
        auto* s = static_cast<TSatz*>(d.Add());
        QCOMPARE(s->a, 0);
        QCOMPARE(s->b, 0);
    }

    void insert() {
        TDynaArray d(sizeof(TSatz), nullptr);
        fuelle(d, 3);
        QCOMPARE(d.Insert(4), nullptr);
        QCOMPARE(d.Insert(-1), nullptr);
        QCOMPARE(d.count, 3u);
        auto* mitte = static_cast<TSatz*>(d.Insert(1));
        QVERIFY(mitte);
        QCOMPARE(mitte->a, 0);
        QCOMPARE(d.aobjnr, 1);
        QCOMPARE(d.at<TSatz>(2)->a, 1);
        QVERIFY(d.Insert(int32_t(d.count))); // appends
        QCOMPARE(d.count, 5u);
        QCOMPARE(d.at<TSatz>(3)->a, 2);
    }

    void deleteAusserhalbTutNichts() {
        TSatz* cursor = nullptr;
        TDynaArray d(sizeof(TSatz), cursorvariable(cursor));
        d.Delete(0); // empty
        fuelle(d, 2);
        d.GetObject(1);
        d.Delete(2);
        d.Delete(-1);
        QCOMPARE(d.count, 2u);
        QCOMPARE(d.aobjnr, 1);
        QCOMPARE(cursor, d.at<TSatz>(1));
    }

    void change() {
        TDynaArray d(sizeof(TSatz), nullptr);
        fuelle(d, 3);
        d.Change(0, 2);
        QCOMPARE(d.at<TSatz>(0)->a, 2);
        QCOMPARE(d.at<TSatz>(2)->a, 0);
        QCOMPARE(d.aobjnr, 2);
        d.Change(1, 1);
        QCOMPARE(d.at<TSatz>(1)->a, 1);
        QCOMPARE(d.aobjnr, 1);
        d.Change(0, 3);
        QCOMPARE(d.at<TSatz>(0)->a, 2);
        QCOMPARE(d.aobjnr, 1);
    }

    void schleifeMitWhileNext() {
        TSatz* cursor = nullptr;
        TDynaArray d(sizeof(TSatz), cursorvariable(cursor));
        fuelle(d, 3);
        QList<int> nummern, werte;
        d.First();
        while (d.WhileNext()) {
            nummern << d.aobjnr;
            werte << cursor->a;
        }
        QCOMPARE(nummern, QList<int>({1, 2, 3}));
        QCOMPARE(werte, QList<int>({0, 1, 2}));
        QCOMPARE(d.aobjnr, 3);
        QCOMPARE(cursor, d.at<TSatz>(2));
        QVERIFY(!d.WhileNext());
    }

    void next() {
        TDynaArray d(sizeof(TSatz), nullptr);
        fuelle(d, 2);
        d.Clear();
        fuelle(d, 2);
        QCOMPARE(d.aobjnr, 1);
        QVERIFY(!d.Next()); // on the last record
        d.aobjnr = -1;
        QVERIFY(d.Next());
        QCOMPARE(d.aobjnr, 0);
        d.aobjnr = -2;
        QVERIFY(!d.Next());
    }

    void clearUndDestroyMitCursor() {
        TSatz* cursor = nullptr;
        {
            TDynaArray d(sizeof(TSatz), cursorvariable(cursor));
            fuelle(d, 2);
            d.Clear();
            QCOMPARE(cursor, nullptr);
            QCOMPARE(d.poi, nullptr);
            fuelle(d, 1);
        }
        QVERIFY(cursor != nullptr); // Destroy does not write the owner's variable
    }

    void geteilteCursorvariable() {
        TSatz* gemeinsam = nullptr;
        TDynaArray a(sizeof(TSatz), cursorvariable(gemeinsam));
        TDynaArray b(sizeof(TSatz), cursorvariable(gemeinsam));
        fuelle(a, 2);
        fuelle(b, 2);
        QCOMPARE(gemeinsam, b.at<TSatz>(1));
        a.GetObject(0);
        QCOMPARE(gemeinsam, a.at<TSatz>(0));
    }

    void addManyWieEinzelneAdds() {
        TDynaArray d(sizeof(TSatz), nullptr);
        fuelle(d, 150);
        auto* erster = static_cast<TSatz*>(d.AddMany(120));
        QCOMPARE(d.count, 270u);
        QCOMPARE(d.amemsize, 300u * sizeof(TSatz));
        QCOMPARE(erster, d.at<TSatz>(150));
        QVERIFY(alleNull(erster, 120 * sizeof(TSatz)));
        QCOMPARE(d.at<TSatz>(149)->a, 149);
        QCOMPARE(d.aobjnr, 269);
    }

    // A block size beyond 32 bits is refused with a message, never wrapped around to a
    // smaller block; the array stays as it was.
    void ueberlaufWirdAbgelehnt() {
        TTestMelder melder;
        TDynaArray d(1u << 30, nullptr);
        QVERIFY_THROWS_EXCEPTION(TAbbruch, d.Add());
        QCOMPARE(d.count, 0u);
        QCOMPARE(d.poi, nullptr);
        QCOMPARE(melder.eintraege.size(), 1);
        QCOMPARE(melder.eintraege[0].text,
                 QStringLiteral("Error 1 while trying to allocate 107374182400 bytes of RAM. Not "
                                "enough memory."));
        QCOMPARE(melder.eintraege[0].symbol, TSymbol::fehler);
        QVERIFY(melder.eintraege[0].titel.isEmpty());
    }

    void wachstumsfehlerMitBetriebssystemcode() {
        TTestMelder melder;
        TDynaArray d(1u << 25, nullptr);
        // A full block of 100 records of 32 MiB, simulated without touching 3 GB.
        d.poi = std::malloc(1);
        d.count = 100;
        d.amemsize = 100u << 25;
        QVERIFY_THROWS_EXCEPTION(TAbbruch, d.Add());
        QCOMPARE(d.count, 100u);
        QCOMPARE(d.amemsize, 100u << 25);
        QCOMPARE(melder.eintraege.value(0).text,
                 QStringLiteral("Error 2 while trying to allocate 6710886400 bytes of RAM. Not "
                                "enough memory.12"));
        d.count = 0;
    }
};

QTEST_APPLESS_MAIN(TestDynaArray)
#include "test_dynaarray.moc"
