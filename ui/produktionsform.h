#pragma once

#include "ui/tabellenform.h"

namespace fenster {

// "Produktionsliste": every sub-recipe to prepare and every bought ingredient to take
// for the required amount of a recipe, summed over all levels.
class TProduktionsForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TProduktionsForm(QWidget* parent = nullptr);

    // `titel`: "Produktionsliste: Tarte, 12", shown and printed.
    void fuelle(const QString& titel, TListe liste);

protected:
    QString drucktitel() const override { return titel; }

private:
    QString titel;
};

} // namespace fenster
