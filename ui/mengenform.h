#pragma once

#include "costing/mengen.h"
#include "ui/dialogbasis.h"

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;
class TListenAnsicht;
class TZahlFeld;

namespace fenster {

// "Mengen berechnen": what a required amount of a recipe needs and costs. It only
// shows; a name in the list can be edited in place for the printout, nothing is stored.
class TCalcAmountsForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TCalcAmountsForm(QWidget* parent = nullptr);

    void fuelle(const ::TCalcAmountsForm& form);
    // What the dialog shows, names edited in the list included.
    const ::TCalcAmountsForm& form() const { return zustand; }

    QLineEdit* NameEd;
    TZahlFeld* MengeEd;
    TListenAnsicht* ListView1;
    // The seven figures, top to bottom as TProMengeneinheit lists them.
    std::array<TZahlFeld*, 7> preisfelder{};
    QPushButton* OKBtn;
    QPushButton* KalkulationDruckenBtn;
    QPushButton* RezeptDruckenBtn;
    QPushButton* CancelBtn;
    QPushButton* ProduktionBtn; // "Produktionsliste"

    // What "Produktionsliste" shows for the amount; without one the button is off.
    void setzeProduktion(std::function<void()> zeigen);

private:
    ::TCalcAmountsForm zustand;
    std::function<void()> produktion;
};

} // namespace fenster
