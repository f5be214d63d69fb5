#include "ui/aufschluesselungform.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/aufschluesselung.h"
#include "ui/listenansicht.h"

#include <QLabel>
#include <QVBoxLayout>

namespace fenster {

TAufschluesselungForm::TAufschluesselungForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Kostenaufschlüsselung"),
                    QStringLiteral("Kostenaufschlüsselung"), true, parent),
      RezeptLabel(new QLabel) {
    setObjectName(QStringLiteral("AufschluesselungForm"));
    RezeptLabel->setObjectName(QStringLiteral("RezeptLabel"));
    RezeptLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    kopf->addWidget(RezeptLabel);
    resize(Pixel(this, 960), Pixel(this, 420));
}

void TAufschluesselungForm::fuelle(const TDaten& daten, uint32_t nr) {
    if (nr >= daten.anzahlRezepte())
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(nr));
    const TRezept& r = daten.rezept(nr);
    rezeptName = Text(r.name);
    setWindowTitle(QStringLiteral("Kostenaufschlüsselung: %1").arg(rezeptName));
    RezeptLabel->setText(QStringLiteral("Rezept: %1    Gruppe: %2    Ausbeute: %3")
                             .arg(rezeptName, daten.GetGruppe(r.gruppe), ZahlAllgemein(r.menge)));
    const TAufschluesselung a = Aufschluesselung(daten, r);
    int fehlerhaft = 0;
    for (const TKostenzeile& z : a.zeilen)
        fehlerhaft += z.hinweise.kostenfehler() ? 1 : 0;
    setzeFusszeile(a.zeilen.empty()  ? QStringLiteral("Das Rezept hat keine Zeilen.")
                   : fehlerhaft == 0 ? QString()
                   : fehlerhaft == 1
                       ? QStringLiteral("1 Zeile mit Kostenhinweis.")
                       : QStringLiteral("%1 Zeilen mit Kostenhinweisen.").arg(fehlerhaft));
    zeigeTabelle(AufschluesselungsListe(daten, r));
    ListView1->scrollToTop();
}

QString TAufschluesselungForm::drucktitel() const {
    return QStringLiteral("Kostenaufschlüsselung");
}

QStringList TAufschluesselungForm::druckzeilen() const {
    return {RezeptLabel->text()};
}

} // namespace fenster
