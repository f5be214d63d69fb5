#pragma once

#include "costing/preisaenderung.h"
#include "ui/tabellenform.h"

#include <QStringList>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class TDaten;
class TZahlFeld;

namespace fenster {

// "Preisänderung simulieren": what a change of purchase prices by a percentage, for all
// ingredients, one, those of a supplier or of an ingredient group, does to the recipes
// of a filter. Every change of an option recomputes; the data stays as it is.
class TPreisaenderungForm : public TTabellenForm {
    Q_OBJECT
public:
    explicit TPreisaenderungForm(QWidget* parent = nullptr);

    // Takes the catalogue of `daten`, which must outlive the showing, and computes.
    void fuelle(const TDaten& daten);
    // The change the options describe; nothing when the chosen list is empty.
    std::optional<TPreisaenderung> aenderung() const;

    TZahlFeld* ProzentEd;    // -100 to 1000
    QComboBox* AuswahlCombo; // all, one ingredient, a supplier, an ingredient group
    QLabel* WertLabel;       // names what WertCombo lists
    QComboBox* WertCombo;    // the ingredient, supplier or group
    QComboBox* FilterCombo;
    QCheckBox* AlleCheck; // "alle Rezepte zeigen"
    void ProzentEdChange();
    void AuswahlComboChange();
    void WertComboChange();
    void FilterComboChange();
    void AlleCheckClick();

protected:
    QString drucktitel() const override;
    QStringList druckzeilen() const override;

private:
    TPreisAuswahl art() const;
    void fuelleWerte();
    void berechne();
    const TDaten* daten = nullptr;
    QStringList zutaten; // "name (supplier)", by name
    std::vector<uint32_t> zutatNr;
    bool zutatenGelesen = false;
    QStringList lieferanten; // distinct, trimmed, by name
    QStringList gruppen;
};

} // namespace fenster
