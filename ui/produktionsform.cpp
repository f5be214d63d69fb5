#include "ui/produktionsform.h"

#include "ui/listenansicht.h"

namespace fenster {

TProduktionsForm::TProduktionsForm(QWidget* parent)
    : TTabellenForm(QStringLiteral("Produktionsliste"), QStringLiteral("Produktionsliste"), false,
                    parent) {
    setObjectName(QStringLiteral("ProduktionsForm"));
}

void TProduktionsForm::fuelle(const QString& t, TListe liste) {
    titel = t;
    setWindowTitle(t);
    setzeFusszeile(liste.zeilen.isEmpty()
                       ? QStringLiteral("Für diese Menge ist nichts vorzubereiten.")
                       : QString());
    zeigeTabelle(std::move(liste));
    ListView1->scrollToTop();
}

} // namespace fenster
