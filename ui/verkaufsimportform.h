#pragma once

#include "ui/dialogbasis.h"

class QLabel;
class QPushButton;
class TListenAnsicht;
struct TVerkaufsPruefung;

namespace fenster {

// "Verkäufe importieren": what a checked till file would record and, when lines are in
// error, their list. Accepting imports (without the faulty lines, when there are any);
// the caller records. The price-list import shows its check in the same dialog.
class TVerkaufsImportForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TVerkaufsImportForm(QWidget* parent = nullptr,
                                 const QString& titel = QStringLiteral("Verkäufe importieren"));

    void fuelle(const QString& pfad, const TVerkaufsPruefung& p);
    // Any checked import: what accepting does, the faulty lines ("Zeile N: grund"), and
    // whether there is anything to do at all (`leer` says why not).
    void fuelle(const QString& pfad, const QString& zusammenfassung, const QStringList& fehler,
                const QString& leer);

    QLabel* DateiLabel;
    QLabel* ZusammenfassungLabel;
    QLabel* FehlerLabel;
    TListenAnsicht* FehlerListe;
    QPushButton* ImportBtn; // "Importieren" or "Ohne fehlerhafte Zeilen importieren"
    QPushButton* AbbrechenBtn;
};

} // namespace fenster
