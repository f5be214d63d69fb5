#pragma once

#include "ui/tabellenform.h"

class QDateEdit;
class TDaten;
class TZahlFeld;

namespace fenster {

// "Preisänderungen": the ingredients whose price per unit moved by at least a threshold
// between two days, with the recipes that use them, their EK before and after and
// whether they now miss their target. Every change of an option recomputes.
class TPreisentwicklungForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TPreisentwicklungForm(QWidget* parent = nullptr);

    // Shows the list over `daten`, which must outlive the showing; the days start at 90
    // days ago and today.
    void fuelle(const TDaten& daten);

    QDateEdit* VonEd;
    QDateEdit* BisEd;
    TZahlFeld* SchwelleEd; // percent, 0 to 1000
    void OptionChange();

protected:
    QStringList druckzeilen() const override;

private:
    void berechne();
    const TDaten* daten = nullptr;
};

} // namespace fenster
