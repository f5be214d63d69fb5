#pragma once

#include <functional>

#include "costing/einheiten.h"
#include "costing/zutatkatalog.h"

#include "ui/dialogbasis.h"
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TZahlFeld;

namespace fenster {

class TDeklarationsKnopf;

// "Zutat bearbeiten": one dialog for new and changed ingredients. It keeps its contents
// and drop-down lists between uses; only a new ingredient rebuilds the lists. There is
// no Cancel button: the close box (or Escape) cancels.
class TZutatForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TZutatForm(QWidget* parent = nullptr);

    // For a new ingredient: empty texts, the three lists replaced, quantity 1, price 0.
    void fuelleNeu(const TZutatAuswahllisten& listen);
    // For a change: the values of the ingredient; the lists stay as they are.
    void fuelleAus(const TZutatWerte& werte);
    // What the dialog holds, read after OK.
    TZutatWerte werte() const;
    // The box "Umrechnung": what the ingredient says of its units.
    void fuelleFakten(const TEinheitFakten& f);
    TEinheitFakten fakten() const;
    // Asked on OK with what the dialog holds: a refusal keeps the dialog open and is
    // shown; without a check OK always closes.
    using TPruefung =
        std::function<std::optional<QString>(const TZutatWerte&, const TEinheitFakten&)>;
    void setzePruefung(TPruefung p) { pruefung = std::move(p); }

    QLineEdit* NameEd;
    QComboBox* LieferantCombo;
    QComboBox* GruppeCombo;
    QComboBox* EinheitCombo;
    TZahlFeld* MengeEd;
    TZahlFeld* PreisEd;
    QGroupBox* UmrechnungBox;   // "Umrechnung"
    TZahlFeld* StueckgewichtEd; // "Gewicht je Stück (g):", empty: not known
    TZahlFeld* DichteEd;        // "Dichte (g/ml):", empty: not known
    QLabel* InhaltLbl;          // "1 EINHEIT enthält:"
    TZahlFeld* InhaltMengeEd;   // empty: not known
    QComboBox* InhaltEinheitCombo;
    TDeklarationsKnopf* AllergeneBtn; // "Allergene und Zusatzstoffe..."
    QPushButton* VerlaufBtn;          // "Preisverlauf...", for an ingredient that exists
    QPushButton* OKBtn;
    QLabel* VerwendetLabel; // "Verwendet in:", directly and through sub-recipes

    // The recipes using the ingredient ("Apfelkuchen (über Mürbeteig)"); none: hidden.
    void setzeVerwendung(const QStringList& rezepte);

    // What "Preisverlauf..." shows; without one (a new ingredient) the button is off.
    void setzeVerlauf(std::function<void()> zeigen);
    void OKBtnClick();
    void VerlaufBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The content row names the unit and is off for a known unit, whose content is fixed.
    void zeigeInhalt();

    std::function<void()> verlauf;
    TPruefung pruefung;
};

} // namespace fenster
