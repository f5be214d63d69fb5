// Backups of the working file: names, the daily and the event backups, pruning, failures
// and reading what a backup holds.
#include "core/datei.h"
#include "core/sicherungen.h"
#include "tests/support/aufbau.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SetzeZeit(const QString& pfad, const QDateTime& zeit) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(zeit, QFileDevice::FileModificationTime));
}

QStringList Namen(const QString& ordner) {
    QStringList l;
    for (const TSicherung& s : Sicherungen(ordner))
        l << s.datei;
    return l;
}

} // namespace

class TestSicherungen : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString arbeitsdatei;
    QString ordner;

private Q_SLOTS:
    void init() {
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
        arbeitsdatei = tmp.filePath(QStringLiteral("zutaten.dat"));
        ordner = Sicherungsordner(tmp.path());
    }

    void namen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QString>("grund");
        QTest::addColumn<int>("folge");
        QTest::newRow("täglich") << "zutaten-2024-06-14.dat" << true << "taeglich" << 1;
        QTest::newRow("Ereignis") << "zutaten-2024-06-15-093005-import.dat" << true << "import"
                                  << 1;
        QTest::newRow("Folge") << "zutaten-2024-06-15-093005-neu-3.dat" << true << "neu" << 3;
        QTest::newRow("Folge 1") << "zutaten-2024-06-15-093005-neu-1.dat" << false << "" << 0;
        QTest::newRow("kein Tag") << "zutaten-2024-02-30.dat" << false << "" << 0;
        QTest::newRow("keine Zeit") << "zutaten-2024-06-15-256000-neu.dat" << false << "" << 0;
        QTest::newRow("Arbeitsdatei") << "zutaten.dat" << false << "" << 0;
        QTest::newRow("defekt") << "zutaten-2024-06-14.dat.defekt" << false << "" << 0;
        QTest::newRow("Zwischendatei") << "zutaten-2024-06-14.dat.Xy12ab" << false << "" << 0;
    }
    void namen() {
        QFETCH(QString, name);
        QFETCH(bool, gueltig);
        const std::optional<TSicherung> s = LeseSicherungsname(name);
        QCOMPARE(s.has_value(), gueltig);
        if (!s)
            return;
        QFETCH(QString, grund);
        QFETCH(int, folge);
        QCOMPARE(s->grund, grund);
        QCOMPARE(s->folge, folge);
        QCOMPARE(s->taeglich(), grund == QLatin1String("taeglich"));
    }

    // Kept by the day of the file's time, once a day, only for a day before today.
    void taeglich() {
        const QDate heute(2024, 6, 15);
        QVERIFY(SichereTaeglich(arbeitsdatei, ordner, heute).ok()); // no file yet
        QVERIFY(!QFileInfo::exists(ordner));

        Schreibe(arbeitsdatei, "gestern");
        SetzeZeit(arbeitsdatei, QDateTime(QDate(2024, 6, 12), QTime(23, 59)));
        QVERIFY(SichereTaeglich(arbeitsdatei, ordner, heute).ok());
        QCOMPARE(Namen(ordner), QStringList{"zutaten-2024-06-12.dat"});
        QCOMPARE(Lies(ordner + "zutaten-2024-06-12.dat"), QByteArray("gestern"));

        // The day's backup is there: a later state of the same day does not replace it.
        Schreibe(arbeitsdatei, "später");
        SetzeZeit(arbeitsdatei, QDateTime(QDate(2024, 6, 12), QTime(23, 59, 30)));
        QVERIFY(SichereTaeglich(arbeitsdatei, ordner, heute).ok());
        QCOMPARE(Lies(ordner + "zutaten-2024-06-12.dat"), QByteArray("gestern"));

        // A file of today is no earlier day's state.
        SetzeZeit(arbeitsdatei, QDateTime(heute, QTime(0, 0, 1)));
        QVERIFY(SichereTaeglich(arbeitsdatei, ordner, heute).ok());
        QCOMPARE(Namen(ordner).size(), 1);
    }

    void ereignisseMitFolgenummer() {
        const QDateTime jetzt(QDate(2024, 6, 15), QTime(9, 30, 5));
        QVERIFY(SichereVorEreignis(arbeitsdatei, ordner, jetzt, Sicherungsgrund::import).ok());
        QVERIFY(Namen(ordner).isEmpty()); // no working file: nothing to keep

        Schreibe(arbeitsdatei, "eins");
        for (int i = 0; i < 3; ++i)
            QVERIFY(SichereVorEreignis(arbeitsdatei, ordner, jetzt, Sicherungsgrund::import).ok());
        QVERIFY(
            SichereVorEreignis(arbeitsdatei, ordner, jetzt.addSecs(1), Sicherungsgrund::neu).ok());
        QCOMPARE(Namen(ordner), (QStringList{"zutaten-2024-06-15-093006-neu.dat",
                                             "zutaten-2024-06-15-093005-import-3.dat",
                                             "zutaten-2024-06-15-093005-import-2.dat",
                                             "zutaten-2024-06-15-093005-import.dat"}));
        QCOMPARE(Lies(ordner + "zutaten-2024-06-15-093005-import-3.dat"), QByteArray("eins"));
        // Nothing left half written beside them.
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 4);
    }

    // Newest first; a day's backup holds the day's last state, after its events.
    void reihenfolge() {
        QDir().mkpath(ordner);
        for (const char* n : {"zutaten-2024-06-14.dat", "zutaten-2024-06-14-235959-neu.dat",
                              "zutaten-2024-06-15-080000-oeffnen.dat", "zutaten-2024-06-13.dat",
                              "notiz.txt", "zutaten-2024-06-14-120000-import.dat"})
            Schreibe(ordner + QLatin1String(n), "x");
        QCOMPARE(Namen(ordner),
                 (QStringList{"zutaten-2024-06-15-080000-oeffnen.dat", "zutaten-2024-06-14.dat",
                              "zutaten-2024-06-14-235959-neu.dat",
                              "zutaten-2024-06-14-120000-import.dat", "zutaten-2024-06-13.dat"}));
    }

    // 30 daily and 20 other backups, the newest by the names; other files stay.
    void aufraeumen() {
        QDir().mkpath(ordner);
        const QDate erster(2024, 1, 1);
        for (int i = 0; i < 35; ++i)
            Schreibe(ordner + "zutaten-" + erster.addDays(i).toString("yyyy-MM-dd") + ".dat", "t");
        for (int i = 0; i < 24; ++i)
            Schreibe(ordner + "zutaten-2024-03-01-" + QTime(8, i).toString("HHmmss") + "-neu.dat",
                     "e");
        Schreibe(ordner + "notiz.txt", "bleibt");
        Schreibe(arbeitsdatei, "jetzt");
        // The next backup prunes.
        QVERIFY(SichereVorEreignis(arbeitsdatei, ordner, QDateTime(QDate(2024, 3, 2), QTime(7, 0)),
                                   Sicherungsgrund::import)
                    .ok());
        const std::vector<TSicherung> alle = Sicherungen(ordner);
        const auto taeglich = std::count_if(alle.begin(), alle.end(),
                                            [](const TSicherung& s) { return s.taeglich(); });
        QCOMPARE(taeglich, 30);
        QCOMPARE(qsizetype(alle.size()) - taeglich, 20);
        QVERIFY(QFileInfo::exists(ordner + "zutaten-2024-02-04.dat"));  // the newest daily
        QVERIFY(QFileInfo::exists(ordner + "zutaten-2024-01-06.dat"));  // the 30th
        QVERIFY(!QFileInfo::exists(ordner + "zutaten-2024-01-05.dat")); // the 31st
        QVERIFY(QFileInfo::exists(ordner + "zutaten-2024-03-02-070000-import.dat"));
        QVERIFY(QFileInfo::exists(ordner + "zutaten-2024-03-01-082300-neu.dat"));
        QVERIFY(QFileInfo::exists(ordner + "zutaten-2024-03-01-080500-neu.dat"));
        QVERIFY(!QFileInfo::exists(ordner + "zutaten-2024-03-01-080400-neu.dat"));
        QVERIFY(QFileInfo::exists(ordner + "notiz.txt"));
    }

    // A folder that cannot be made is an error, and the working file stays as it was.
    void fehlschlag() {
        Schreibe(arbeitsdatei, "daten");
        Schreibe(tmp.filePath("Sicherungen"), "eine Datei, kein Ordner");
        const TDateiErgebnis e = SichereVorEreignis(
            arbeitsdatei, ordner, QDateTime::currentDateTime(), Sicherungsgrund::neu);
        QVERIFY(!e.ok());
        QVERIFY(!e.meldung.isEmpty());
        SetzeZeit(arbeitsdatei, QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
        QVERIFY(!SichereTaeglich(arbeitsdatei, ordner, QDate(2024, 6, 15)).ok());
        QCOMPARE(Lies(arbeitsdatei), QByteArray("daten"));
    }

    void inhaltGelesen() {
        TDaten d;
        BaueBeispiel(d);
        TRezept& r = NeuesRezept(d, QStringLiteral("Apfelkuchen"));
        for (int tag = 1; tag <= 3; ++tag)
            NeuerVerkauf(r, 2024, 6, tag, 1, 1, 1, 1, 1, 1);
        QDir().mkpath(ordner);
        QVERIFY(SaveOptionsFile(d, ordner + "zutaten-2024-06-14.dat").ok());
        Schreibe(ordner + "zutaten-2024-06-15-100000-neu.dat", "kaputt");
        const std::vector<TSicherungsZeile> zeilen = LeseSicherungen(ordner);
        QCOMPARE(zeilen.size(), size_t(2));
        QVERIFY(!zeilen[0].inhalt);
        QCOMPARE(zeilen[0].fehler, QStringLiteral("Read beyond end of file"));
        QVERIFY(zeilen[1].inhalt);
        QCOMPARE(zeilen[1].inhalt->zutaten, 1u);
        QCOMPARE(zeilen[1].inhalt->rezepte, 2u);
        QCOMPARE(zeilen[1].inhalt->verkaufstage, qint64(4));
        QCOMPARE(zeilen[1].sicherung.groesse, QFileInfo(ordner + "zutaten-2024-06-14.dat").size());

        const TListe l = SicherungsListe(zeilen);
        QCOMPARE(l.anzahlZeilen(), 2);
        QCOMPARE(l.zelle(0, 1), QStringLiteral("10:00:00"));
        QCOMPARE(l.zelle(0, 2), QStringLiteral("vor Neu"));
        QCOMPARE(l.zelle(1, 2), QStringLiteral("Tagessicherung"));
        QCOMPARE(l.zelle(1, 1), QString());
        QCOMPARE(l.zelle(1, 5), QStringLiteral("4"));
        QCOMPARE(l.nr(1), 1);

        // Remembered by path, size and time: a file replaced is read again.
        TSicherungsGedaechtnis bekannt;
        QVERIFY(!LeseSicherungen(ordner, &bekannt)[0].inhalt);
        QCOMPARE(bekannt.size(), 2);
        Schreibe(ordner + "zutaten-2024-06-15-100000-neu.dat", DatenAlsBytes(d));
        const std::vector<TSicherungsZeile> wieder = LeseSicherungen(ordner, &bekannt);
        QVERIFY(wieder[0].inhalt);
        QCOMPARE(wieder[0].inhalt->rezepte, 2u);
        QCOMPARE(wieder[1].inhalt->verkaufstage, qint64(4));
    }
};

QTEST_MAIN(TestSicherungen)
#include "test_sicherungen.moc"
