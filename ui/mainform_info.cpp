// "Über...": the about dialog.
#include "ui/mainform.h"

#include "core/melder.h"
#include "ui/aboutbox.h"
#include "ui/fehlerbox.h"

#include <QAction>

namespace fenster {

void TMainForm::verbindeInfo() {
    AboutBox = new TAboutBox(this);
    connect(ber1, &QAction::triggered, this, Sicher(this, &TMainForm::ber1Click));
}

void TMainForm::ber1Click() {
    melder().modal(*AboutBox);
}

} // namespace fenster
