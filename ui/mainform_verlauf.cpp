// Menu "Bearbeiten": undo and redo of every change made in the window, and the backups of
// the working file with "Sicherung wiederherstellen...".
#include "ui/verlaufschritt.h"

#include "core/datei.h"
#include "core/fehler.h"
#include "core/melder.h"
#include "core/sicherungen.h"
#include "core/texte.h"
#include "core/uhr.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"
#include "ui/sicherungform.h"
#include "ui/stammdatenseite.h"
#include "ui/wartecursor.h"
#include "ui/zahlfeld.h"

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace fenster {

struct TVerlaufsZustand {
    TVerlauf verlauf;
    // The step a handler opened: its name and the state before it.
    int tiefe = 0;
    bool offen = false;
    QString name;
    QByteArray vorher;
    // The master-data fields edit the group table in place, so the table before a run
    // of edits is kept here; a run becomes a step when another step begins.
    TGruppenTabelle gruppenStand;
    int laufGruppe = -1;
    int laufFeld = -1;
    bool still = false; // the window fills the fields itself
    // The working file holds the data's bytes as of its last writing by this window, and
    // nothing has changed since: the state is read from it, far faster than written anew.
    bool dateiGleich = false;
    bool dateiGleichVorSchritt = false; // a handler that returns without saving changed nothing
    // The bytes last written, while they are the file's: the next step takes them instead
    // of reading the file again.
    QByteArray gespeichert;
    qint64 dateiGroesse = 0;
    QDateTime dateiZeit;
};

namespace {

const QString Arbeitsdateiname = QStringLiteral("zutaten.dat");

QString Benannt(const QString& art, QStringView name, const QString& was) {
    return QStringLiteral("%1 „%2“ %3").arg(art, name, was);
}

QString& Feldtext(TGruppenTabelle& t, int nr, int feld) {
    return feld == 0 ? t.nameText(nr) : feld == 1 ? t.mwstText(nr) : t.weText(nr);
}

// Equal as the file holds it: a text typed half ("19,") is no change yet.
bool GleichesFeld(const TGruppenTabelle& a, const TGruppenTabelle& b, int nr, int feld) {
    switch (feld) {
    case 0:
        return a.GetGruppe(nr) == b.GetGruppe(nr);
    case 1:
        return a.GetGruppeMwst(nr) == b.GetGruppeMwst(nr);
    default:
        return a.GetGruppeWE(nr) == b.GetGruppeWE(nr);
    }
}

// A menu text shows "&" doubled.
QString Menuetext(const QString& text) {
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// An empty array with room for `platz` bytes. The whole state of a large kitchen is tens
// of megabytes: in pages of 4 KiB, faulting them in cost more than writing the data, so
// the system is asked for its large pages where it has them.
QByteArray Puffer(qsizetype platz) {
    QByteArray bytes;
    bytes.reserve(platz);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr uintptr_t seite = uintptr_t(1) << 21;
    const auto start = reinterpret_cast<uintptr_t>(bytes.data());
    const uintptr_t anfang = (start + seite - 1) & ~(seite - 1);
    const uintptr_t ende = (start + uintptr_t(bytes.capacity())) & ~(seite - 1);
    if (ende > anfang)
        madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_HUGEPAGE); // only advice
#endif
    return bytes;
}

void SchreibeIn(QByteArray& bytes, const TDaten& daten) {
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    SchreibeDaten(daten, puffer);
}

// The data's bytes with room for `platz`: from the working file while it is known to hold
// them (and nobody else wrote it since), else written anew.
QByteArray AktuelleBytes(TVerlaufsZustand& z, const TDaten& daten, const QString& pfad,
                         qsizetype platz) {
    QByteArray bytes;
    QByteArray gehalten = std::exchange(z.gespeichert, {});
    if (z.dateiGleich) {
        const QFileInfo info(pfad);
        QFile datei(pfad);
        const bool unveraendert =
            info.size() == z.dateiGroesse && info.lastModified() == z.dateiZeit;
        if (unveraendert && gehalten.size() == z.dateiGroesse) {
            gehalten.reserve(std::max(platz, gehalten.size()));
            return gehalten;
        }
        if (unveraendert && datei.open(QIODevice::ReadOnly)) {
            bytes = Puffer(std::max(platz, z.dateiGroesse));
            bytes.resize(z.dateiGroesse);
            if (datei.read(bytes.data(), z.dateiGroesse) == z.dateiGroesse && datei.atEnd())
                return bytes;
        }
        z.dateiGleich = false;
        bytes.clear();
    }
    bytes = Puffer(platz);
    SchreibeIn(bytes, daten);
    return bytes;
}

} // namespace

QString ZutatSchritt(const TDaten& daten, int nr, const QString& was) {
    return Benannt(QStringLiteral("Zutat"), TextView(daten.zutat(uint32_t(nr)).name), was);
}

QString RezeptSchritt(const TDaten& daten, int nr, const QString& was) {
    return Benannt(QStringLiteral("Rezept"), TextView(daten.rezept(uint32_t(nr)).name), was);
}

QString VerkaeufeLoeschenSchritt(const TDaten& daten, int nr) {
    return Benannt(QStringLiteral("Verkäufe von"), TextView(daten.rezept(uint32_t(nr)).name),
                   QStringLiteral("löschen"));
}

void TMainForm::verbindeVerlauf() {
    verlaufZustand = std::make_shared<TVerlaufsZustand>();

    // "Bearbeiten" right after "Datei".
    Bearbeiten1 = new QMenu(QStringLiteral("&Bearbeiten"), this);
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    const QList<QAction*> oben = MainMenu1->actions();
    const qsizetype datei = oben.indexOf(Datei1->menuAction());
    MainMenu1->insertMenu(datei + 1 < oben.size() ? oben[datei + 1] : ber1, Bearbeiten1);
    Rueckgaengig1 = Bearbeiten1->addAction(QStringLiteral("&Rückgängig"));
    Rueckgaengig1->setObjectName(QStringLiteral("Rueckgaengig1"));
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederherstellen1 = Bearbeiten1->addAction(QStringLiteral("&Wiederherstellen"));
    Wiederherstellen1->setObjectName(QStringLiteral("Wiederherstellen1"));
    Wiederherstellen1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Rueckgaengig1, &QAction::triggered, this, Sicher(this, &TMainForm::Rueckgaengig1Click));
    connect(Wiederherstellen1, &QAction::triggered, this,
            Sicher(this, &TMainForm::Wiederherstellen1Click));

    // "Sicherung wiederherstellen..." after the document items of "Datei".
    SicherungWiederherstellen1 =
        new QAction(QStringLiteral("Sicherung &wiederherstellen..."), this);
    SicherungWiederherstellen1->setObjectName(QStringLiteral("SicherungWiederherstellen1"));
    const QList<QAction*> eintraege = Datei1->actions();
    const qsizetype nach = eintraege.indexOf(Speichernunter1) + 1;
    Datei1->insertAction(nach < eintraege.size() ? eintraege[nach] : nullptr,
                         SicherungWiederherstellen1);
    connect(SicherungWiederherstellen1, &QAction::triggered, this,
            Sicher(this, &TMainForm::SicherungWiederherstellen1Click));
    SicherungForm = new TSicherungForm(this);

    // After the pages' own connections, so the table holds the edit already.
    for (int nr = 0; nr < TGruppenTabelle::anzahl; ++nr) {
        connect(GruppenEdit(nr), &QLineEdit::textChanged, this,
                [this, nr] { Behandle([&] { stammdatenBearbeitet(nr, 0); }); });
        connect(MwstEdit(nr), &TZahlFeld::geaendert, this,
                [this, nr] { Behandle([&] { stammdatenBearbeitet(nr, 1); }); });
        connect(WeEdit(nr), &TZahlFeld::geaendert, this,
                [this, nr] { Behandle([&] { stammdatenBearbeitet(nr, 2); }); });
    }
    verlaufNeu();
}

const TVerlauf& TMainForm::verlauf() const {
    return verlaufZustand->verlauf;
}

void TMainForm::zeigeVerlauf() {
    const TVerlaufsZustand& z = *verlaufZustand;
    QString zurueck = z.verlauf.rueckgaengigName();
    if (z.laufGruppe >= 0 && !GleichesFeld(daten.gruppen, z.gruppenStand, z.laufGruppe, z.laufFeld))
        zurueck = QStringLiteral("Stammdaten ändern");
    const QString vor = z.laufGruppe >= 0 ? QString() : z.verlauf.wiederherstellenName();
    Rueckgaengig1->setText(zurueck.isEmpty()
                               ? QStringLiteral("&Rückgängig")
                               : QStringLiteral("&Rückgängig: ") + Menuetext(zurueck));
    Rueckgaengig1->setEnabled(!zurueck.isEmpty());
    Wiederherstellen1->setText(vor.isEmpty()
                                   ? QStringLiteral("&Wiederherstellen")
                                   : QStringLiteral("&Wiederherstellen: ") + Menuetext(vor));
    Wiederherstellen1->setEnabled(!vor.isEmpty());
}

void TMainForm::verlaufNeu() {
    TVerlaufsZustand& z = *verlaufZustand;
    z.verlauf.leeren();
    z.gruppenStand = daten.gruppen;
    z.laufGruppe = z.laufFeld = -1;
    z.dateiGleich = false;
    z.gespeichert = {};
    zeigeVerlauf();
}

void TMainForm::oeffneSchritt(const QString& name) {
    TVerlaufsZustand& z = *verlaufZustand;
    if (z.tiefe > 0) {
        ++z.tiefe; // the outer handler names the step
        return;
    }
    schliesseStammdatenlauf();
    z.vorher = AktuelleBytes(z, daten, GetProgramDir(false) + Arbeitsdateiname, 0);
    // Until the step's save the file lags behind the data.
    z.dateiGleichVorSchritt = std::exchange(z.dateiGleich, false);
    z.name = name;
    z.offen = true;
    z.tiefe = 1;
}

QByteArray TMainForm::schliesseSchritt() {
    TVerlaufsZustand& z = *verlaufZustand;
    if (!z.offen)
        return {};
    z.offen = false;
    const QByteArray vorher = std::exchange(z.vorher, {});
    // Room for the new state at once: growing it step by step would copy it each time.
    QByteArray nachher = Puffer(vorher.size() + vorher.size() / 16 + 4096);
    SchreibeIn(nachher, daten);
    z.verlauf.nimmAuf(z.name, vorher, nachher);
    z.gruppenStand = daten.gruppen;
    zeigeVerlauf();
    return nachher;
}

void TMainForm::endeSchritt(bool fehler) {
    TVerlaufsZustand& z = *verlaufZustand;
    if (z.tiefe == 0 || --z.tiefe > 0)
        return;
    if (fehler && z.offen) {
        // Whatever the handler changed before its error stays undoable.
        try {
            schliesseSchritt();
        } catch (...) {
            z.verlauf.leeren();
        }
    } else if (z.offen) {
        z.dateiGleich = z.dateiGleichVorSchritt;
        if (z.dateiGleich)
            z.gespeichert = std::move(z.vorher);
    }
    z.offen = false;
    z.vorher = {};
    zeigeVerlauf();
}

TDateiErgebnis TMainForm::schreibeArbeitsdatei(QByteArray bytes) {
    if (bytes.isEmpty())
        bytes = schliesseSchritt();
    sichereTaeglich();
    const QString pfad = GetProgramDir(true) + Arbeitsdateiname;
    TVerlaufsZustand& z = *verlaufZustand;
    const TDateiErgebnis ergebnis =
        bytes.isEmpty()
            ? SaveOptionsFile(daten, pfad)
            : SpeichereAtomar(pfad, [&](QIODevice& geraet) {
                  if (geraet.write(bytes) != bytes.size())
                      throw TFehler(geraet.errorString().isEmpty() ? QStringLiteral("Disk full")
                                                                   : geraet.errorString());
              });
    z.dateiGleich = ergebnis.ok();
    z.gespeichert = {};
    if (z.dateiGleich) {
        const QFileInfo info(pfad);
        z.dateiGroesse = info.size();
        z.dateiZeit = info.lastModified();
        z.gespeichert = std::move(bytes);
    }
    return ergebnis;
}

void TMainForm::stammdatenBearbeitet(int nr, int feld) {
    TVerlaufsZustand& z = *verlaufZustand;
    if (z.still || z.tiefe > 0)
        return;
    if (z.laufGruppe != nr || z.laufFeld != feld) {
        if (GleichesFeld(daten.gruppen, z.gruppenStand, nr, feld))
            return; // the window showing the table, or no change yet
        schliesseStammdatenlauf();
        z.laufGruppe = nr;
        z.laufFeld = feld;
    }
    z.dateiGleich = false; // the table reaches the file at its next save
    zeigeVerlauf();
}

void TMainForm::schliesseStammdatenlauf() {
    TVerlaufsZustand& z = *verlaufZustand;
    if (z.laufGruppe < 0)
        return;
    const int nr = std::exchange(z.laufGruppe, -1);
    const int feld = std::exchange(z.laufFeld, -1);
    // The run's state after it: the table before it with this one field as it is now.
    // A field edited since belongs to the next step.
    TGruppenTabelle nachher = z.gruppenStand;
    Feldtext(nachher, nr, feld) = Feldtext(daten.gruppen, nr, feld);
    if (GleichesFeld(nachher, z.gruppenStand, nr, feld))
        return;
    const TGruppenTabelle jetzt = daten.gruppen;
    QByteArray vorherBytes;
    QByteArray nachherBytes;
    try {
        daten.gruppen = z.gruppenStand;
        vorherBytes = DatenAlsBytes(daten);
        daten.gruppen = nachher;
        nachherBytes = DatenAlsBytes(daten);
        daten.gruppen = jetzt;
    } catch (...) {
        daten.gruppen = jetzt;
        throw;
    }
    z.verlauf.nimmAuf(
        Benannt(QStringLiteral("Gruppe"), z.gruppenStand.GetGruppe(nr), QStringLiteral("ändern")),
        vorherBytes, nachherBytes);
    z.gruppenStand = std::move(nachher);
}

void TMainForm::Rueckgaengig1Click() {
    geheImVerlauf(true);
}

void TMainForm::Wiederherstellen1Click() {
    geheImVerlauf(false);
}

void TMainForm::geheImVerlauf(bool zurueck) {
    TVerlaufsZustand& z = *verlaufZustand;
    schliesseStammdatenlauf();
    if (zurueck ? !z.verlauf.kannRueckgaengig() : !z.verlauf.kannWiederherstellen()) {
        zeigeVerlauf();
        return;
    }
    TWarteCursor warten;
    const std::optional<int> gewaehlt[] = {ListView1->gewaehlteNr(), ListView2->gewaehlteNr(),
                                           ListView3->gewaehlteNr()};
    // Room for the larger state at once: the step is applied in place.
    QByteArray stand = AktuelleBytes(z, daten, GetProgramDir(false) + Arbeitsdateiname,
                                     z.verlauf.platzFuer(zurueck));
    const bool ok = zurueck ? z.verlauf.rueckgaengig(stand) : z.verlauf.wiederherstellen(stand);
    if (ok) {
        try {
            LeseDaten(daten, stand);
        } catch (...) {
            verlaufNeu();
            throw;
        }
    }
    if (!ok) {
        verlaufNeu();
        throw TFehler(QStringLiteral("Die Daten wurden außerhalb des Verlaufs geändert; der "
                                     "Schritt lässt sich nicht mehr rückgängig machen"));
    }
    z.gruppenStand = daten.gruppen;
    {
        z.still = true;
        ProduktSeite->zeigeTabelle();
        DienstleistungSeite->zeigeTabelle();
        z.still = false;
    }
    ListRezepte();
    TListenAnsicht* listen[] = {ListView1, ListView2, ListView3};
    for (int i = 0; i < 3; ++i)
        if (gewaehlt[i] && listen[i]->waehleNr(*gewaehlt[i]))
            listen[i]->scrollTo(listen[i]->currentIndex());
    // What SaveZutaten() does, without writing the data into bytes once more.
    const TDateiErgebnis ergebnis = schreibeArbeitsdatei(std::exchange(stand, {}));
    if (ergebnis.ok()) {
        arbeitsdateiFehlerGezeigt = false;
    } else if (!arbeitsdateiFehlerGezeigt) {
        arbeitsdateiFehlerGezeigt = true;
        ZeigeFehler(ergebnis.meldung);
    }
    if (PageControl1->currentWidget() == TabSheet5)
        FillAuswertung();
    zeigeVerlauf();
}

void TMainForm::meldeSicherung(const TDateiErgebnis& ergebnis) {
    if (ergebnis.ok()) {
        sicherungFehlerGezeigt = false;
        return;
    }
    // Like a failing save: once, until a backup succeeds again.
    if (!sicherungFehlerGezeigt) {
        sicherungFehlerGezeigt = true;
        ZeigeFehler(ergebnis.meldung);
    }
}

void TMainForm::sichereTaeglich() {
    const QString ordner = GetProgramDir(false);
    meldeSicherung(
        SichereTaeglich(ordner + Arbeitsdateiname, Sicherungsordner(ordner), TUhr::heute()));
}

void TMainForm::sichereVor(const QString& grund) {
    const QString ordner = GetProgramDir(false);
    meldeSicherung(SichereVorEreignis(ordner + Arbeitsdateiname, Sicherungsordner(ordner),
                                      Sicherungszeit(), grund));
}

void TMainForm::neuerStand(const QString& grund) {
    sichereVor(grund);
    verlaufNeu();
}

void TMainForm::SicherungWiederherstellen1Click() {
    const QString ordner = GetProgramDir(false);
    {
        TWarteCursor warten;
        SicherungForm->fuelle(Sicherungsordner(ordner));
    }
    if (melder().modal(*SicherungForm) != QDialog::Accepted)
        return;
    const std::optional<TSicherung> sicherung = SicherungForm->gewaehlt();
    if (!sicherung)
        return;
    TWarteCursor warten;
    QFile datei(sicherung->pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw TFehler(QStringLiteral("Cannot open file \"%1\". %2")
                          .arg(sicherung->pfad, datei.errorString()));
    const QByteArray bytes = datei.readAll();
    datei.close();
    // The working file holds every change made so far before it is kept.
    SaveZutaten();
    sichereVor(Sicherungsgrund::wiederherstellen);
    LeseDaten(daten, bytes); // all or nothing
    DatenGelesen();
    SaveZutaten();
    if (PageControl1->currentWidget() == TabSheet5)
        FillAuswertung();
}

} // namespace fenster
