#pragma once

#include "costing/allergene.h"
#include "ui/dialogbasis.h"

#include <QList>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace fenster {

// "Allergene und Zusatzstoffe": what one ingredient declares. Each of the 14 groups has
// a state; the kinds of cereal and nut can be ticked while their group is "enthält";
// the additive classes come from the code table. OK with any change dates the
// declaration today.
class TAllergenForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TAllergenForm(QWidget* parent = nullptr);

    void fuelle(const TKennzeichnungsTabelle& tabelle, const TZutatDeklaration& d,
                const QString& zutat);
    // What the dialog holds; dated today when it differs from what it was filled with.
    TZutatDeklaration wert() const;

    std::array<QComboBox*, AllergenGruppen> Zustaende{};
    std::array<QCheckBox*, ArtenAnzahl> Arten{};
    QList<QCheckBox*> Zusatzstoffe;
    QCheckBox* GeprueftCheck;
    QLabel* DatumLabel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void zeigeArten();
    QGridLayout* zusatzRaster;
    QList<QLabel*> gruppenLabels;
    TZutatDeklaration vorher;
};

} // namespace fenster
