// "Suchen" and "Weitersuchen" in a list as shown.
#include "lists/suche.h"

#include <QTest>

#include <optional>

using TZeile = std::optional<qsizetype>;
Q_DECLARE_METATYPE(TZeile)

namespace {

TListe liste() {
    TListe l;
    l.setzeSpalten({{"Name", 150}, {"Gruppe", 100}, {"EK Preis", 90}, {"Nr", 0}});
    l.zeilen = {{"Apfelkuchen", "Kuchen", "1,2000", "3"},
                {"ÄPFEL", "Obst", "0,5000", "0"},
                {"Brot", "Backwaren", "0,9000", "17"},
                {"Apfelmus", "Beilagen", "0,3000", "1"},
                {"Zwiebel", "Gemüse"}}; // a short row
    return l;
}

} // namespace

class TestSuche : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void suche_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fromstart");
        QTest::addColumn<TZeile>("ausgewaehlt");
        QTest::addColumn<TZeile>("soll");
        const TZeile keine;
        QTest::newRow("suchen") << "apf" << true << TZeile(3) << TZeile(0);
        QTest::newRow("nur a-z gross") << "APF" << true << keine << TZeile(0);
        QTest::newRow("weitersuchen") << "apf" << false << TZeile(0) << TZeile(3);
        QTest::newRow("weitersuchen ohne auswahl wie suchen")
            << "apf" << false << keine << TZeile(0);
        QTest::newRow("kein umlaut gross") << "äpfel" << true << keine << keine;
        QTest::newRow("umlaut wie er steht") << "ÄPFEL" << true << keine << TZeile(1);
        QTest::newRow("nach dem letzten treffer nichts") << "apf" << false << TZeile(3) << keine;
        QTest::newRow("kein umlauf") << "brot" << false << TZeile(2) << keine;
        QTest::newRow("weitere zelle") << "backw" << true << keine << TZeile(2);
        QTest::newRow("verborgene nr") << "7" << true << keine << TZeile(2);
        QTest::newRow("preis") << "0,3" << true << keine << TZeile(3);
        QTest::newRow("kurze zeile") << "gemü" << true << keine << TZeile(4);
        QTest::newRow("leerer text") << "" << true << keine << keine;
        QTest::newRow("leerer text weitersuchen") << "" << false << TZeile(1) << keine;
        QTest::newRow("letzte zeile ausgewaehlt") << "e" << false << TZeile(4) << keine;
        QTest::newRow("nichts") << "xyz" << true << keine << keine;
    }
    void suche() {
        QFETCH(QString, text);
        QFETCH(bool, fromstart);
        QFETCH(TZeile, ausgewaehlt);
        QFETCH(TZeile, soll);
        QCOMPARE(DurchsucheListView(text, liste(), fromstart, ausgewaehlt), soll);
    }

    void leereListe() {
        QCOMPARE(DurchsucheListView(QStringLiteral("a"), TListe(), true, std::nullopt), TZeile());
    }
};

QTEST_GUILESS_MAIN(TestSuche)
#include "test_suche.moc"
