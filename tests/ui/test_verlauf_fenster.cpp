// "Bearbeiten": undo and redo of every kind of step made in the window, byte for byte in
// the data and the working file; the backups made around the steps and their restoring.
#include "core/datei.h"
#include "core/sicherungen.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "tests/support/aufbau.h"
#include "tests/support/testmelder.h"
#include "tests/ui/dialoghilfe.h"
#include "tests/ui/hauptfenster_hilfe.h"
#include "ui/rezeptform.h"
#include "ui/sicherungform.h"
#include "ui/verkaufsimportform.h"
#include "ui/verkaufslisteform.h"
#include "ui/zahlfeld.h"
#include "ui/zutatform.h"

#include <QCalendarWidget>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTabWidget>

#include <memory>

using namespace fenster;

namespace {

// Apfelkuchen has two sales days; Zimt is used by no recipe.
void BaueKueche(TDaten& d) {
    NeueZutat(d, QStringLiteral("Mehl"), 1.2, 1.0);
    NeueZutat(d, QStringLiteral("Äpfel"), 2.5, 1.0);
    NeueZutat(d, QStringLiteral("Zimt"), 30, 1.0);
    TRezept& kuchen = NeuesRezept(d, QStringLiteral("Apfelkuchen"), 12, 3.5, 0);
    NeueZeile(kuchen, 0, 0.5);
    NeueZeile(kuchen, 1, 1.5);
    NeuerVerkauf(kuchen, 2024, 6, 13, 10, 29.41, 35, 8.5, 0.29, 20.91);
    NeuerVerkauf(kuchen, 2024, 6, 14, 12, 35.29, 42, 10.2, 0.29, 25.09);
    TRezept& brot = NeuesRezept(d, QStringLiteral("Brot"), 1, 4, 1);
    NeueZeile(brot, 0, 0.75);
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void SetzeDateizeit(const QString& pfad, const QDateTime& zeit) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(zeit, QFileDevice::FileModificationTime));
}

int RezeptNr(const TDaten& d, const QString& name) {
    for (uint32_t i = 0; i < d.anzahlRezepte(); ++i)
        if (Text(d.rezept(i).name) == name)
            return int(i);
    return -1;
}

// One step as a person makes it in the window.
using TSchritt = std::function<void(TMainForm&, TTestMelder&, TDatenordner&)>;

TSchritt Zutatdialog(const char* knopf, int nr, const char* name) {
    return [=](TMainForm& f, TTestMelder& m, TDatenordner&) {
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        if (nr >= 0)
            QVERIFY(f.ListView1->waehleNr(nr));
        m.spieleDialog(Skript<TZutatForm>([=](TZutatForm& z) {
            z.NameEd->setText(QString::fromUtf8(name));
            z.PreisEd->setzeText(QStringLiteral("4,5"));
            z.OKBtn->click();
        }));
        Knopf(f.TabSheet2, QString::fromUtf8(knopf))->click();
    };
}

TSchritt Rezeptdialog(const char* knopf, int nr, const char* name) {
    return [=](TMainForm& f, TTestMelder& m, TDatenordner&) {
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        if (nr >= 0)
            QVERIFY(f.ListView2->waehleNr(nr));
        m.spieleDialog(Skript<fenster::TRezeptForm>([=](fenster::TRezeptForm& r) {
            if (*name)
                r.NameEd->setText(QString::fromUtf8(name));
            r.OKBtn->click();
        }));
        Knopf(f.TabSheet3, QString::fromUtf8(knopf))->click();
    };
}

TSchritt Loeschen(QWidget* TMainForm::*seite, TListenAnsicht* TMainForm::*liste, int nr) {
    return [=](TMainForm& f, TTestMelder& m, TDatenordner&) {
        f.PageControl1->setCurrentWidget(f.*seite);
        QVERIFY((f.*liste)->waehleNr(nr));
        m.antworte(TAntwort::ja);
        Knopf(f.*seite, QStringLiteral("Löschen"))->click();
    };
}

void Verkaufen(TMainForm& f, int nr, QDate tag, int portionen) {
    f.PageControl1->setCurrentWidget(f.TabSheet4);
    QVERIFY(f.ListView3->waehleNr(nr));
    f.MonthCalendar1->setSelectedDate(tag);
    f.PortionEd->setzeText(QString::number(portionen));
    f.VerkaufBtn->click();
}

// The first sales day of a recipe deleted through "Verkaufsliste".
void VerkaufLoeschen(TMainForm& f, TTestMelder& m, int nr) {
    f.PageControl1->setCurrentWidget(f.TabSheet4);
    QVERIFY(f.ListView3->waehleNr(nr));
    m.antworte(TAntwort::ja);
    m.spieleDialog(Skript<TVerkaufsListeForm>([](TVerkaufsListeForm& d) {
        d.ListView1->waehleZeile(0);
        d.BitBtn2->click();
        d.BitBtn1->click();
    }));
    f.VerkaufsListeBtn->click();
}

// A run of typing in one master-data field.
void Tippe(QWidget* feld, const QString& text) {
    if (auto* zahl = qobject_cast<TZahlFeld*>(feld))
        feld = zahl->findChild<QLineEdit*>();
    auto* edit = static_cast<QLineEdit*>(feld);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestVerlaufFenster : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TKuechenOrdner> ordner;

    QString sicherungen() const {
        return Sicherungsordner(QFileInfo(ordner->arbeitsdatei()).path());
    }
    QStringList Gruende() const {
        QStringList l;
        for (const TSicherung& s : Sicherungen(sicherungen()))
            l << s.grund;
        return l;
    }

private Q_SLOTS:
    void init() { ordner = std::make_unique<TKuechenOrdner>(BaueKueche); }
    void cleanup() { ordner.reset(); }

    void jederSchritt_data() {
        QTest::addColumn<TSchritt>("schritt");
        QTest::addColumn<QString>("name");
        QTest::newRow("neue Zutat")
            << Zutatdialog("Neue Zutat...", -1, "Zucker") << "Neue Zutat anlegen";
        QTest::newRow("Zutat bearbeiten")
            << Zutatdialog("Bearbeiten...", 1, "Boskop") << "Zutat „Äpfel“ bearbeiten";
        QTest::newRow("Zutat löschen")
            << Loeschen(&TMainForm::TabSheet2, &TMainForm::ListView1, 2) << "Zutat „Zimt“ löschen";
        QTest::newRow("neues Rezept")
            << Rezeptdialog("Neues Rezept...", -1, "Strudel") << "Neues Rezept anlegen";
        QTest::newRow("Rezept bearbeiten")
            << Rezeptdialog("Bearbeiten...", 0, "Apfeltarte") << "Rezept „Apfelkuchen“ bearbeiten";
        QTest::newRow("Rezept kopieren")
            << Rezeptdialog("Kopieren...", 0, "") << "Rezept „Apfelkuchen“ kopieren";
        QTest::newRow("Rezept löschen") << Loeschen(&TMainForm::TabSheet3, &TMainForm::ListView2, 0)
                                        << "Rezept „Apfelkuchen“ löschen";
        QTest::newRow("Verkauf") << TSchritt([](TMainForm& f, TTestMelder&, TDatenordner&) {
            Verkaufen(f, 1, QDate(2024, 6, 15), 3);
        }) << "Verkauf erfassen";
        QTest::newRow("Verkauf löschen")
            << TSchritt(
                   [](TMainForm& f, TTestMelder& m, TDatenordner&) { VerkaufLoeschen(f, m, 0); })
            << "Verkäufe von „Apfelkuchen“ löschen";
        QTest::newRow("Zutaten importieren")
            << TSchritt([](TMainForm& f, TTestMelder& m, TDatenordner& o) {
                   const QString pfad = o.pfad(QStringLiteral("preise.csv"));
                   QVERIFY(Schreibe(pfad, "Name;Lieferant;Gruppe;Preis/Einheit;Gesamtpreis;"
                                          "Menge;Einheit\r\nVanille;;;;8;1;Stück\r\n"));
                   m.waehleDatei(pfad);
                   f.ImportBtn->click();
               })
            << "Zutaten importieren";
        QTest::newRow("Verkäufe importieren") << TSchritt([](TMainForm& f, TTestMelder& m,
                                                             TDatenordner& o) {
            const QString pfad = o.pfad(QStringLiteral("kasse.csv"));
            QVERIFY(Schreibe(pfad, "Datum;Artikel;Menge\r\n14.06.2024;Brot;3\r\n"
                                   "15.06.2024;Apfelkuchen;2\r\n"));
            m.waehleDatei(pfad);
            m.spieleDialog(
                Skript<TVerkaufsImportForm>([](TVerkaufsImportForm& d) { d.ImportBtn->click(); }));
            Menuepunkt(f, QStringLiteral("Verkäufe importieren..."))->trigger();
        }) << "Verkäufe importieren";
    }

    // Undo gives the state before, byte for byte in the data and in the working file;
    // redo the state after; and again.
    void jederSchritt() {
        QFETCH(TSchritt, schritt);
        QFETCH(QString, name);
        TTestMelder m;
        TMainForm f;
        const QByteArray vorher = DatenAlsBytes(f.daten);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), vorher);
        QVERIFY(!f.Rueckgaengig1->isEnabled());

        schritt(f, m, *ordner);
        const QByteArray nachher = DatenAlsBytes(f.daten);
        QVERIFY(nachher != vorher);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), nachher);
        QCOMPARE(OhneMnemonik(f.Rueckgaengig1->text()), "Rückgängig: " + name);
        QVERIFY(f.Rueckgaengig1->isEnabled());
        QVERIFY(!f.Wiederherstellen1->isEnabled());

        for (int runde = 0; runde < 2; ++runde) {
            f.Rueckgaengig1->trigger();
            QCOMPARE(DatenAlsBytes(f.daten), vorher);
            QCOMPARE(Inhalt(ordner->arbeitsdatei()), vorher);
            QCOMPARE(OhneMnemonik(f.Wiederherstellen1->text()), "Wiederherstellen: " + name);
            QVERIFY(!f.Rueckgaengig1->isEnabled());
            f.Wiederherstellen1->trigger();
            QCOMPARE(DatenAlsBytes(f.daten), nachher);
            QCOMPARE(Inhalt(ordner->arbeitsdatei()), nachher);
            QVERIFY(!f.Wiederherstellen1->isEnabled());
        }
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
        QVERIFY(m.texte().filter(QStringLiteral("Verlauf")).isEmpty());
    }

    // A deleted recipe comes back with its sales, shown in the lists and selected where
    // it was; the keys are those of every desktop program.
    void rezeptMitVerkaeufenZurueck() {
        TTestMelder m;
        TMainForm f;
        const QByteArray vorher = Inhalt(ordner->arbeitsdatei());
        QCOMPARE(f.Rueckgaengig1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(f.Wiederherstellen1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
        QVERIFY(f.Wiederherstellen1->shortcuts().contains(
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        // "Bearbeiten" right after "Datei".
        const QList<QAction*> menues = f.menuBar()->actions();
        QCOMPARE(OhneMnemonik(menues[1]->text()), QStringLiteral("Bearbeiten"));

        Loeschen(&TMainForm::TabSheet3, &TMainForm::ListView2, 0)(f, m, *ordner);
        QCOMPARE(Spalte(*f.ListView2, 0), QStringList{"Brot"});
        QVERIFY(f.ListView2->waehleNr(0)); // Brot is record 0 now

        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.activateWindow();
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), vorher);
        QCOMPARE(RezeptNr(f.daten, "Apfelkuchen"), 0);
        QCOMPARE(f.daten.rezept(0).verkaeufe->count, 2u);
        QCOMPARE(Spalte(*f.ListView2, 0), (QStringList{"Apfelkuchen", "Brot"}));
        QCOMPARE(f.ListView2->gewaehlteNr(), 0); // the selected record number, if it exists
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.daten.anzahlRezepte(), 1u);
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.daten.anzahlRezepte(), 2u);
        QVERIFY(!m.unerwartet);
    }

    // A run of typing in one field is one step; the next field begins the next. The
    // edits reach the working file at its next save, as the edits themselves do.
    void stammdatenJeFeldEinSchritt() {
        TTestMelder m;
        TMainForm f;
        const QByteArray anfang = DatenAlsBytes(f.daten);
        const QString alt = f.daten.GetGruppe(0);
        Tippe(f.GruppenEdit(0), QStringLiteral("Kuchen"));
        QCOMPARE(f.daten.GetGruppe(0), QStringLiteral("Kuchen"));
        QCOMPARE(OhneMnemonik(f.Rueckgaengig1->text()),
                 QStringLiteral("Rückgängig: Stammdaten ändern"));
        Tippe(f.MwstEdit(0), QStringLiteral("7"));
        const QByteArray beide = DatenAlsBytes(f.daten);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), anfang); // not saved by typing

        f.Rueckgaengig1->trigger(); // the rate
        QCOMPARE(f.daten.GetGruppeMwst(0), 19.0);
        QCOMPARE(f.daten.GetGruppe(0), QStringLiteral("Kuchen"));
        QCOMPARE(f.GruppenEdit(0)->text(), QStringLiteral("Kuchen"));
        QCOMPARE(OhneMnemonik(f.Rueckgaengig1->text()), "Rückgängig: Gruppe „" + alt + "“ ändern");
        f.Rueckgaengig1->trigger(); // the name, typed in six keys
        QCOMPARE(f.GruppenEdit(0)->text(), alt);
        QCOMPARE(DatenAlsBytes(f.daten), anfang);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), anfang);
        QVERIFY(!f.Rueckgaengig1->isEnabled());
        f.Wiederherstellen1->trigger();
        f.Wiederherstellen1->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), beide);
        QCOMPARE(f.MwstEdit(0)->wert(), 7.0);

        // A step of a handler after typing: the typing is a step of its own before it.
        Tippe(f.GruppenEdit(1), QStringLiteral("Brote"));
        const QByteArray getippt = DatenAlsBytes(f.daten);
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        f.Rueckgaengig1->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), getippt);
        f.Rueckgaengig1->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), beide);
        QVERIFY(!m.unerwartet);
    }

    // Random runs of steps, undos and redos against the snapshots they must give.
    void zufaelligGegenSchnappschuesse() {
        TTestMelder m;
        TMainForm f;
        QRandomGenerator z(815);
        std::vector<QByteArray> staende{DatenAlsBytes(f.daten)};
        size_t pos = 0;
        for (int zug = 0; zug < 60; ++zug) {
            const int art = int(z.bounded(10));
            if (art < 6) {
                const int rezepte = int(f.daten.anzahlRezepte());
                switch (art) {
                case 0:
                    if (rezepte > 0 && f.daten.rezept(0).verkaeufe->count > 0) {
                        VerkaufLoeschen(f, m, 0);
                        break;
                    }
                    [[fallthrough]];
                case 1:
                    if (rezepte > 1) {
                        Loeschen(&TMainForm::TabSheet3, &TMainForm::ListView2,
                                 int(z.bounded(rezepte)))(f, m, *ordner);
                        break;
                    }
                    [[fallthrough]];
                case 2:
                    Tippe(f.WeEdit(int(z.bounded(40))), QString::number(z.bounded(10, 60)));
                    break;
                default:
                    if (rezepte == 0) {
                        Rezeptdialog("Neues Rezept...", -1, "Neu")(f, m, *ordner);
                        break;
                    }
                    Verkaufen(f, int(z.bounded(rezepte)), QDate(2024, 6, 1 + int(z.bounded(20))),
                              1 + int(z.bounded(9)));
                }
                const QByteArray neu = DatenAlsBytes(f.daten);
                if (neu == staende[pos])
                    continue;
                staende.resize(pos + 1);
                staende.push_back(neu);
                ++pos;
            } else if (art < 9) {
                QCOMPARE(f.Rueckgaengig1->isEnabled(), pos > 0);
                f.Rueckgaengig1->trigger();
                pos -= pos > 0 ? 1 : 0;
            } else {
                QCOMPARE(f.Wiederherstellen1->isEnabled(), pos + 1 < staende.size());
                f.Wiederherstellen1->trigger();
                pos += pos + 1 < staende.size() ? 1 : 0;
            }
            QCOMPARE(DatenAlsBytes(f.daten), staende[pos]);
        }
        f.Rueckgaengig1->trigger(); // closes a run of typing, so the file holds it
        f.Wiederherstellen1->trigger();
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), DatenAlsBytes(f.daten));
        QVERIFY(!m.unerwartet);
    }

    // The history reads the state from the working file while that holds it; a file
    // written by someone else since is not taken for the data.
    void fremdeArbeitsdateiNichtAlsStand() {
        TTestMelder m;
        TMainForm f;
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        const QByteArray nachVerkauf = DatenAlsBytes(f.daten);
        TDaten fremd;
        QVERIFY(SaveOptionsFile(fremd, ordner->arbeitsdatei()).ok());
        Verkaufen(f, 1, QDate(2024, 6, 16), 3);
        f.Rueckgaengig1->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), nachVerkauf);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), nachVerkauf);
        QVERIFY(!m.unerwartet);
    }

    // The state the history keeps from the last save is the one before the next step,
    // also with a cancelled dialog between them.
    void abgebrochenerDialogZwischenSchritten() {
        TTestMelder m;
        TMainForm f;
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        const QByteArray nachVerkauf = DatenAlsBytes(f.daten);
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        QVERIFY(f.ListView2->waehleNr(0));
        m.spieleDialog(Skript<fenster::TRezeptForm>([](fenster::TRezeptForm& r) {
            r.NameEd->setText(QStringLiteral("Verworfen"));
            r.reject();
        }));
        Knopf(f.TabSheet3, QStringLiteral("Bearbeiten..."))->click();
        QCOMPARE(DatenAlsBytes(f.daten), nachVerkauf);
        Verkaufen(f, 1, QDate(2024, 6, 16), 3);
        f.Rueckgaengig1->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), nachVerkauf);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), nachVerkauf);
        f.Rueckgaengig1->trigger();
        f.Wiederherstellen1->trigger();
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), nachVerkauf);
        QVERIFY(m.dialoge.isEmpty());
        QVERIFY(!m.unerwartet);
    }

    void fuenfzigSchritteZurueck() {
        TTestMelder m;
        TMainForm f;
        const QByteArray anfang = DatenAlsBytes(f.daten);
        std::vector<QByteArray> staende;
        for (int i = 0; i < 52; ++i) {
            Verkaufen(f, 1, QDate(2024, 1, 1).addDays(i), 1);
            staende.push_back(DatenAlsBytes(f.daten));
        }
        for (int i = 0; i < 50; ++i) {
            QVERIFY(f.Rueckgaengig1->isEnabled());
            f.Rueckgaengig1->trigger();
            QCOMPARE(DatenAlsBytes(f.daten), staende[size_t(50 - i)]);
        }
        QCOMPARE(f.verlauf().anzahlWiederherstellen(), 50);
        QVERIFY(!f.Rueckgaengig1->isEnabled()); // the oldest two went
        QVERIFY(DatenAlsBytes(f.daten) != anfang);
    }

    // "Neu..." and "Öffnen..." keep the working file and start a fresh history.
    void neuUndOeffnenSichernUndBeginnenNeu() {
        TTestMelder m;
        TMainForm f;
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        const QByteArray vorNeu = Inhalt(ordner->arbeitsdatei());
        m.antworte(TAntwort::ja);
        f.Neu1->trigger();
        QVERIFY(!f.Rueckgaengig1->isEnabled());
        QCOMPARE(Gruende(), QStringList{"neu"});
        QCOMPARE(Inhalt(Sicherungen(sicherungen()).front().pfad), vorNeu);

        TDaten dok;
        BaueKueche(dok);
        const QString pfad = ordner->schreibeDokument(dok, QStringLiteral("dok.zat"));
        m.antworte(TAntwort::ja);
        m.waehleDatei(pfad);
        f.ffnen1->trigger();
        QVERIFY(!f.Rueckgaengig1->isEnabled());
        QCOMPARE(Gruende().size(), 2);
        QVERIFY(Gruende().contains(QStringLiteral("oeffnen")));
    }

    // The day's first save keeps the state of an earlier day; a backup that fails is
    // reported once and the save still made.
    void taeglicheSicherungUndFehlschlag() {
        SetzeDateizeit(ordner->arbeitsdatei(), QDateTime(QDate(2024, 6, 13), QTime(18, 0)));
        const QByteArray gestern = Inhalt(ordner->arbeitsdatei());
        TTestMelder m;
        TMainForm f;
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        Verkaufen(f, 1, QDate(2024, 6, 15), 2);
        QCOMPARE(Gruende(), QStringList{"taeglich"});
        const TSicherung s = Sicherungen(sicherungen()).front();
        QCOMPARE(s.datei, QStringLiteral("zutaten-2024-06-13.dat"));
        QCOMPARE(Inhalt(s.pfad), gestern);

        QFile::remove(s.pfad);
        QDir(sicherungen()).removeRecursively();
        QVERIFY(Schreibe(sicherungen().chopped(1), "kein Ordner"));
        SetzeDateizeit(ordner->arbeitsdatei(), QDateTime(QDate(2024, 6, 14), QTime(18, 0)));
        Verkaufen(f, 1, QDate(2024, 6, 15), 5);
        SetzeDateizeit(ordner->arbeitsdatei(), QDateTime(QDate(2024, 6, 14), QTime(18, 0)));
        Verkaufen(f, 1, QDate(2024, 6, 15), 5);
        QCOMPARE(m.eintraege.size(), 1);
        QCOMPARE(m.eintraege[0].symbol, TSymbol::fehler);
        QVERIFY(m.eintraege[0].text.contains(QLatin1String("Sicherungen")));
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), DatenAlsBytes(f.daten)); // saved all the same
    }

    // Yesterday's state back from the dialog; today's kept first; the document stays.
    void sicherungWiederherstellen() {
        SetzeDateizeit(ordner->arbeitsdatei(), QDateTime(QDate(2024, 6, 14), QTime(18, 0)));
        const QByteArray gestern = Inhalt(ordner->arbeitsdatei());
        TTestMelder m;
        TMainForm f;
        const QString dok = ordner->schreibeDokument(f.daten, QStringLiteral("dok.zat"));
        m.antworte(TAntwort::ja);
        m.waehleDatei(dok);
        f.ffnen1->trigger();
        Loeschen(&TMainForm::TabSheet3, &TMainForm::ListView2, 0)(f, m, *ordner);
        const QByteArray heute = Inhalt(ordner->arbeitsdatei());
        QCOMPARE(f.daten.anzahlRezepte(), 1u);

        QAction* punkt = Menuepunkt(f, QStringLiteral("Sicherung wiederherstellen..."));
        QVERIFY(punkt);
        QStringList gezeigt;
        m.spieleDialog(Skript<TSicherungForm>([&](TSicherungForm& d) {
            PruefeZugaenglich(d);
            gezeigt = Spalte(*d.ListView1, 2);
            QCOMPARE(Spalte(*d.ListView1, 4), (QStringList{"2", "2"}));
            d.AbbrechenBtn->click();
        }));
        punkt->trigger();
        QCOMPARE(gezeigt, (QStringList{"vor Öffnen", "Tagessicherung"}));
        QCOMPARE(f.daten.anzahlRezepte(), 1u);

        m.spieleDialog(Skript<TSicherungForm>([&](TSicherungForm& d) {
            d.ListView1->waehleZeile(1);
            d.OkBtn->click();
        }));
        punkt->trigger();
        QCOMPARE(DatenAlsBytes(f.daten), gestern);
        QCOMPARE(Inhalt(ordner->arbeitsdatei()), gestern);
        QCOMPARE(Spalte(*f.ListView2, 0), (QStringList{"Apfelkuchen", "Brot"}));
        QCOMPARE(f.daten.afilename, dok);
        QVERIFY(!f.Rueckgaengig1->isEnabled());
        const std::vector<TSicherung> alle = Sicherungen(sicherungen());
        QCOMPARE(alle.front().grund, QStringLiteral("wiederherstellen"));
        QCOMPARE(Inhalt(alle.front().pfad), heute);
        QVERIFY(!m.unerwartet);
    }
};

QTEST_MAIN(TestVerlaufFenster)
#include "test_verlauf_fenster.moc"
