#pragma once

#include "ui/tabellenform.h"

class QComboBox;
class TDaten;

namespace fenster {

// "Kostenprüfung": every recipe line of the file whose cost is wrong or missing, and the
// recipes that cannot be priced, for the recipes of the chosen filter.
class TKostenpruefungForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TKostenpruefungForm(QWidget* parent = nullptr);

    // Shows the report over `daten`, which must outlive the showing.
    void fuelle(const TDaten& daten);

    QComboBox* FilterCombo;
    void FilterComboChange();

protected:
    QStringList druckzeilen() const override;

private:
    void berechne();
    const TDaten* daten = nullptr;
};

} // namespace fenster
