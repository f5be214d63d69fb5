#pragma once

#include "ui/tabellenform.h"

class QComboBox;
class QDateEdit;
class QSplitter;
class TDaten;
class TMenueMatrixFlaeche;

namespace fenster {

// "Menü-Analyse": which dishes earn their place on the menu, from the sales of a date
// range, as a table and as the matrix chart side by side.
class TMenueanalyseForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TMenueanalyseForm(QWidget* parent = nullptr);

    // Shows the analysis of `daten`, which must outlive the showing.
    void fuelle(const TDaten& daten);

    QDateEdit* StartEd;
    QDateEdit* EndeEd;
    QComboBox* FilterCombo;
    QSplitter* Teiler;
    TMenueMatrixFlaeche* MatrixBox;
    // A start after the end moves the end, an end before the start moves the start.
    void StartEdChange();
    void EndeEdChange();
    void FilterComboChange();

protected:
    QStringList druckzeilen() const override;
    void showEvent(QShowEvent* e) override;

private:
    void berechne();
    const TDaten* daten = nullptr;
    bool geteilt = false;
};

} // namespace fenster
