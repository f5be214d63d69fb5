#pragma once

#include "ui/dialogbasis.h"

class QLabel;
class QPushButton;
class TListenAnsicht;
struct TVerkaufsPruefung;

namespace fenster {

// "Verkäufe importieren": what a checked till file would record and, when lines are in
// error, their list. Accepting imports (without the faulty lines, when there are any);
// the caller records.
class TVerkaufsImportForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TVerkaufsImportForm(QWidget* parent = nullptr);

    void fuelle(const QString& pfad, const TVerkaufsPruefung& p);

    QLabel* DateiLabel;
    QLabel* ZusammenfassungLabel;
    QLabel* FehlerLabel;
    TListenAnsicht* FehlerListe;
    QPushButton* ImportBtn; // "Importieren" or "Ohne fehlerhafte Zeilen importieren"
    QPushButton* AbbrechenBtn;
};

} // namespace fenster
