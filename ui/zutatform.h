#pragma once

#include <functional>

#include "costing/zutatkatalog.h"
#include "ui/dialogbasis.h"

class QComboBox;
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

    QLineEdit* NameEd;
    QComboBox* LieferantCombo;
    QComboBox* GruppeCombo;
    QComboBox* EinheitCombo;
    TZahlFeld* MengeEd;
    TZahlFeld* PreisEd;
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
    std::function<void()> verlauf;
};

} // namespace fenster
