#include "ui/deklarationsknopf.h"

#include "core/melder.h"
#include "ui/allergenform.h"
#include "ui/fehlerbox.h"

namespace fenster {

TDeklarationsKnopf::TDeklarationsKnopf(QWidget* parent)
    : QPushButton(QStringLiteral("&Allergene und Zusatzstoffe..."), parent),
      AllergenForm(std::make_unique<TAllergenForm>()) {
    setObjectName(QStringLiteral("AllergeneBtn"));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, Sicher(this, &TDeklarationsKnopf::klick));
}

TDeklarationsKnopf::~TDeklarationsKnopf() = default;

void TDeklarationsKnopf::setze(const TKennzeichnungsTabelle& t, const TZutatDeklaration& d) {
    tabelle = &t;
    deklaration = d;
}

void TDeklarationsKnopf::klick() {
    static const TKennzeichnungsTabelle vorgabe = TKennzeichnungsTabelle::vorgabe();
    AllergenForm->fuelle(tabelle ? *tabelle : vorgabe, deklaration, zutat);
    if (melder().modal(*AllergenForm) == QDialog::Accepted)
        deklaration = AllergenForm->wert();
}

} // namespace fenster
