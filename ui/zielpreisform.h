#pragma once

#include "ui/tabellenform.h"

#include <cstdint>

class QLabel;
class TDaten;
class TZahlFeld;

namespace fenster {

// "Zielpreis": the reverse calculation of one recipe. The selling price B and a wanted
// contribution margin D can be typed; every change recomputes the table.
class TZielpreisForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TZielpreisForm(QWidget* parent = nullptr);

    // Shows recipe `rezeptNr` of `daten`, which must outlive the showing; B starts as the
    // recipe's own price, D empty.
    void fuelle(const TDaten& daten, uint32_t rezeptNr);

    QLabel* RezeptLabel;
    TZahlFeld* VkBruttoEd; // B; empty: the recipe's own price
    TZahlFeld* DbEd;       // D; empty: none
    void VkBruttoEdChange();
    void DbEdChange();

protected:
    QString drucktitel() const override;
    QStringList druckzeilen() const override;

private:
    void berechne();
    const TDaten* daten = nullptr;
    uint32_t rezeptNr = 0;
};

} // namespace fenster
