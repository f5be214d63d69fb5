#pragma once

#include "ui/tabellenform.h"

#include <cstdint>

class QLabel;
class TDaten;

namespace fenster {

// "Kostenaufschlüsselung": what each line of one recipe costs, the dearest first, with
// its share and the reasons a line deserves a look; the sum last.
class TAufschluesselungForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TAufschluesselungForm(QWidget* parent = nullptr);

    // Shows recipe `rezeptNr` of `daten`.
    void fuelle(const TDaten& daten, uint32_t rezeptNr);

    QLabel* RezeptLabel;

protected:
    QString drucktitel() const override;
    QStringList druckzeilen() const override;

private:
    QString rezeptName;
};

} // namespace fenster
