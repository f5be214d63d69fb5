#pragma once

#include "ui/listenansicht.h"

#include <QDialog>

#include <cstdint>

class QPushButton;
class TDaten;

namespace fenster {

// "Verkaufsliste": the sales days of one recipe, in stored order, with "Löschen" (also
// Esc) and OK (Enter). Deleting changes the data at once; the caller rebuilds and saves
// the lists when the dialog closes, whatever the button.
class TVerkaufsListeForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerkaufsListeForm(QWidget* parent = nullptr);

    // Shows the sales of recipe `rezeptNr` of `daten`; "Löschen" deletes from them. The
    // data must outlive the showing.
    void fuelle(TDaten& daten, uint32_t rezeptNr);

    void BitBtn2Click();

    TListenAnsicht* ListView1;
    QPushButton* BitBtn2; // "Löschen"
    QPushButton* BitBtn1; // OK

protected:
    void showEvent(QShowEvent* e) override;

private:
    TDaten* daten = nullptr;
    uint32_t rezeptNr = 0;
};

} // namespace fenster
