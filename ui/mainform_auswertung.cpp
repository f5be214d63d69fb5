// Tab "Auswertung": the settings that rebuild the evaluation, and the chart's group.
#include "ui/mainform.h"

#include "lists/auswertung.h"
#include "ui/diagrammflaeche.h"
#include "ui/fehlerbox.h"
#include "ui/listenansicht.h"

#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace fenster {

void TMainForm::verbindeAuswertung() {
    for (QDateEdit* feld : {DateTimePicker1, DateTimePicker2}) {
        feld->setDateRange(FruehestesAuswertungsdatum(), SpaetestesAuswertungsdatum());
        // A typed date counts when it is complete (Return, leaving the field, the
        // arrows), not at every digit on its way.
        feld->setKeyboardTracking(false);
    }
    // Its month columns are 50 pixels; a figure of five digits needs more to be read.
    ListView4->setzeInhaltsbreite(true);
    connect(KennzahlCombo, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TMainForm::KennzahlComboChange));
    // On the state, so that keyboard and assistive technology switch them too.
    connect(OriginalCheck, &QRadioButton::toggled, this,
            Sicher(this, &TMainForm::OriginalCheckClick));
    connect(SimulationCheck, &QRadioButton::toggled, this,
            Sicher(this, &TMainForm::SimulationCheckClick));
    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            Sicher(this, &TMainForm::DateTimePicker1Change));
    connect(DateTimePicker2, &QDateEdit::dateChanged, this,
            Sicher(this, &TMainForm::DateTimePicker2Change));
    connect(GruppeBox, &QComboBox::currentIndexChanged, this,
            Sicher(this, &TMainForm::GruppeBoxChange));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int seite) {
        if (PageControl1->widget(seite) == TabSheet5)
            Behandle([this] { TabSheet5Show(); });
    });
}

void TMainForm::KennzahlComboChange() {
    FillAuswertung();
}

void TMainForm::OriginalCheckClick(bool gewaehlt) {
    // The radio button that went off and the one that went on both report; one rebuild.
    if (gewaehlt)
        FillAuswertung();
}

void TMainForm::SimulationCheckClick(bool gewaehlt) {
    if (gewaehlt)
        FillAuswertung();
}

void TMainForm::DateTimePicker1Change() {
    TAuswertungsWahl w{0, TAuswertungsModus::original, DateTimePicker1->date(),
                       DateTimePicker2->date()};
    ::DateTimePicker1Change(w);
    if (w.ende != DateTimePicker2->date()) {
        const QSignalBlocker still(DateTimePicker2); // one rebuild, not two
        DateTimePicker2->setDate(w.ende);
    }
    FillAuswertung();
}

void TMainForm::DateTimePicker2Change() {
    TAuswertungsWahl w{0, TAuswertungsModus::original, DateTimePicker1->date(),
                       DateTimePicker2->date()};
    ::DateTimePicker2Change(w);
    if (w.start != DateTimePicker1->date()) {
        const QSignalBlocker still(DateTimePicker1);
        DateTimePicker1->setDate(w.start);
    }
    FillAuswertung();
}

void TMainForm::GruppeBoxChange() {
    PaintBox1->update();
}

void TMainForm::TabSheet5Show() {
    FillAuswertung();
}

} // namespace fenster
