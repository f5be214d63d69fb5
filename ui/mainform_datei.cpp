// Start, working file, documents and the end of the run.
#include "ui/mainform.h"

#include "core/datei.h"
#include "core/fehler.h"
#include "core/sicherungen.h"
#include "ui/fehlerbox.h"
#include "ui/kennzeichnungseite.h"
#include "ui/stammdatenseite.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTabWidget>

namespace fenster {

namespace {

const QString Arbeitsdateiname = QStringLiteral("zutaten.dat");

// A working file that is there but cannot be read would be replaced at the next save;
// a copy beside it keeps what it holds.
void SichereUnlesbareArbeitsdatei(const QString& pfad) {
    const QString kopie = pfad + QStringLiteral(".defekt");
    QFile::remove(kopie);
    QFile::copy(pfad, kopie);
}

} // namespace

TDateiDialog TMainForm::OpenDialog1() {
    TDateiDialog d;
    d.filter = QStringLiteral("Rovasquet Datei (*.zat)");
    d.endung = QStringLiteral("zat");
    d.mussExistieren = false; // a new name starts a document under that name
    return d;
}

TDateiDialog TMainForm::SaveDialog1() {
    TDateiDialog d = OpenDialog1();
    d.ueberschreibenFragen = false;
    return d;
}

QString TMainForm::GetProgramDir(bool create) const {
    QString pfad = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (pfad.isEmpty())
        return daten.progpath;
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    pfad += QStringLiteral("Tolvane/Vellitra/");
    if (create)
        QDir().mkpath(pfad); // a failure shows when the file is written
    return pfad;
}

void TMainForm::setzeTitel() {
    if (daten.afilename.isEmpty())
        setWindowTitle(daten.maincap);
    else
        setWindowTitle(daten.maincap + QStringLiteral(" - [") + daten.afilename + QLatin1Char(']'));
}

void TMainForm::DatenGelesen() {
    verlaufNeu();
    ProduktSeite->zeigeTabelle();
    DienstleistungSeite->zeigeTabelle();
    if (KennzeichnungSeite)
        KennzeichnungSeite->zeige();
    ListRezepte();
}

void TMainForm::LoadZutaten() {
    const QString pfad = GetProgramDir(false) + Arbeitsdateiname;
    const TDateiErgebnis ergebnis = LoadOptionsFile(daten, pfad);
    if (ergebnis.ok()) {
        DatenGelesen();
    } else if (QFileInfo::exists(pfad)) {
        // No file is the first run; a file that cannot be read is worth a message.
        SichereUnlesbareArbeitsdatei(pfad);
        ZeigeFehler(ergebnis.meldung);
    }
    daten.afilename.clear();
    setzeTitel();
}

void TMainForm::SaveZutaten() {
    const TDateiErgebnis ergebnis = schreibeArbeitsdatei({});
    if (ergebnis.ok()) {
        arbeitsdateiFehlerGezeigt = false;
        return;
    }
    // Once is enough while every change fails the same way.
    if (!arbeitsdateiFehlerGezeigt) {
        arbeitsdateiFehlerGezeigt = true;
        ZeigeFehler(ergebnis.meldung);
    }
}

void TMainForm::OeffneDokument(const QString& pfad) {
    // A name that does not exist yet becomes the open document without a message: that
    // is how a new document is started under a name. A file that is there but cannot be
    // read is reported and does not become the open document, so that saving cannot
    // replace it.
    if (QFileInfo::exists(pfad)) {
        const TDateiErgebnis ergebnis = LoadOptionsFile(daten, pfad);
        if (!ergebnis.ok()) {
            // A reason that names the file already (a newer program's file) stands alone.
            const QString name = QStringLiteral("„%1“").arg(QFileInfo(pfad).fileName());
            throw TFehler(ergebnis.meldung.startsWith(name)
                              ? ergebnis.meldung
                              : QStringLiteral("%1 kann nicht gelesen werden: %2")
                                    .arg(name, ergebnis.meldung));
        }
        DatenGelesen();
    }
    daten.afilename = pfad;
    setzeTitel();
}

void TMainForm::SpeichereDokument(const QString& pfad) {
    const TDateiErgebnis ergebnis = SaveOptionsFile(daten, pfad);
    if (!ergebnis.ok())
        throw TFehler(ergebnis.meldung);
}

void TMainForm::FormShow() {
    if (daten.first)
        return;
    daten.first = true;
    if (!argumente.isEmpty())
        OeffneDokument(argumente.constFirst());
}

void TMainForm::FormDestroy() {
    if (zerstoert)
        return;
    zerstoert = true;
    // Each file on its own: a document that cannot be written does not keep the
    // working file from being written.
    if (!daten.afilename.isEmpty())
        Behandle([this] { SpeichereDokument(daten.afilename); });
    Behandle([this] { sichereTaeglich(); });
    const TDateiErgebnis ergebnis = SaveOptionsFile(daten, GetProgramDir(true) + Arbeitsdateiname);
    if (!ergebnis.ok())
        ZeigeFehler(ergebnis.meldung);
    daten.FreeRezepte();
    daten.FreeZutats();
}

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (daten.first || e->spontaneous())
        return;
    if (const QScreen* schirm = screen()) {
        QRect rahmen = frameGeometry();
        rahmen.moveCenter(schirm->availableGeometry().center());
        move(rahmen.topLeft());
    }
    Behandle([this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent* e) {
    Behandle([this] { FormDestroy(); });
    e->accept();
}

void TMainForm::Neu1Click() {
    if (melder().frage(QStringLiteral("Wenn die aktuellen Daten noch nicht gespeichert wurden, "
                                      "dann gehen diese nun verloren! Trotzdem neue Datei "
                                      "anfangen?"),
                       QStringLiteral("Neue Datei"), TSymbol::fehler) != TAntwort::ja)
        return;
    neuerStand(Sicherungsgrund::neu);
    daten.Leeren();
    ListRezepte();
    FillAuswertung();
    daten.afilename.clear();
    setzeTitel();
}

void TMainForm::ffnen1Click() {
    if (melder().frage(QStringLiteral("Wenn die aktuellen Daten noch nicht gespeichert wurden, "
                                      "dann gehen diese beim Öffnen einer anderen Datei "
                                      "verloren! Trotzdem öffnen?"),
                       QStringLiteral("Datei Öffnen"), TSymbol::fehler) != TAntwort::ja)
        return;
    TDateiDialog dialog = OpenDialog1();
    dialog.name = daten.afilename;
    const std::optional<QString> pfad = melder().dateiOeffnen(dialog);
    if (!pfad)
        return;
    neuerStand(Sicherungsgrund::oeffnen);
    OeffneDokument(*pfad);
}

void TMainForm::Speichern1Click() {
    if (daten.afilename.isEmpty()) {
        Speichernunter1Click();
        return;
    }
    SpeichereDokument(daten.afilename);
}

void TMainForm::Speichernunter1Click() {
    TDateiDialog dialog = SaveDialog1();
    dialog.name = daten.afilename;
    const std::optional<QString> pfad = melder().dateiSpeichern(dialog);
    if (!pfad)
        return;
    SpeichereDokument(*pfad);
    daten.afilename = *pfad;
    setzeTitel();
}

void TMainForm::Datei1Click() {
    Drucken1->setEnabled(PageControl1->currentIndex() > 0);
}

} // namespace fenster
