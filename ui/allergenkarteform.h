#pragma once

#include "ui/tabellenform.h"

#include <cstdint>

class QComboBox;
class TDaten;

namespace fenster {

// "Allergenkarte": every dish of the chosen filter with its declaration; the column
// "Ungeklärt" marks what is not declared, and the sentence below counts those dishes.
// "Drucken" prints the menu card with codes and legend.
class TAllergenkarteForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TAllergenkarteForm(QWidget* parent = nullptr);

    // Shows the card over `daten`, which must outlive the showing.
    void fuelle(const TDaten& daten);
    int filter() const;

    QComboBox* FilterCombo;
    void FilterComboChange();

protected:
    QStringList druckzeilen() const override;

private:
    void berechne();
    const TDaten* daten = nullptr;
};

// "Allergen-Dokumentation": the written record of one dish, each ingredient with the
// day its declaration last changed. "Drucken" prints it with today's date.
class TAllergenDokuForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TAllergenDokuForm(QWidget* parent = nullptr);

    void fuelle(const TDaten& daten, uint32_t rezept);
    uint32_t rezept() const { return nr; }

private:
    uint32_t nr = 0;
};

} // namespace fenster
