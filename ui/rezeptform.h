#pragma once

#include <functional>

#include "core/daten.h"
#include "costing/rezeptform.h"
#include "ui/dialogbasis.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TListenAnsicht;
class TZahlFeld;

namespace fenster {

class TCalcAmountsForm;
class TZeigeBildForm;
class TZutatAuswaehlenForm;

// "Rezept bearbeiten": one dialog for new, changed and copied recipes. Its widgets map
// one to one onto the window-free dialog state, which computes the figures; while it is
// open only that state changes, and the caller writes it into the data after OK.
class TRezeptForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TRezeptForm(QWidget* parent = nullptr);

    // The dialogs it opens, created once like this one.
    void setzeDialoge(TZutatAuswaehlenForm* picker, TZeigeBildForm* bild, TCalcAmountsForm* mengen);

    // Filling before each showing; `daten` must outlive the showing. "Bedarfsmenge:"
    // keeps its value from one use to the next.
    void fuelleNeu(const TDaten& daten);
    void fuelleAus(const TDaten& daten, const TRezept& rezept);
    // Fills from the recipe at position nr with " (Kopie)" after its name; false when
    // there is no such recipe.
    bool fuelleKopie(const TDaten& daten, int nr);

    // Shows a production list under its title; set by the main window, whose printer and
    // export the list's dialog shares.
    void setzeProduktionsanzeige(std::function<void(const QString&, TListe)> f) {
        produktionZeigen = std::move(f);
    }

    // The dialog's current content: read after OK, and by the printouts.
    const ::TRezeptForm& form() const { return zustand; }

    QLineEdit* NameEd;
    TZahlFeld* RxSpinEdit1; // "Rezept gilt für diese Menge:"
    QComboBox* ComboBox1;   // "Gruppe:"
    QPlainTextEdit* Memo1;  // "Beschreibung:"
    QCheckBox* CheckBox1;   // "Als Zutat verwenden (Zwischenrezept)"
    QLineEdit* EinheitEd;   // "Einheit:" of the yield, for a sub-recipe
    QLabel* VerwendetLabel; // "Verwendet in:" and the recipes using it
    QPushButton* NewZutatBtn;
    QPushButton* EditZutatBtn;
    QPushButton* DelZutatBtn;
    TListenAnsicht* ListView2;
    QToolButton* BitBtn3; // up
    QToolButton* BitBtn4; // down
    QLineEdit* FilenameEdit1;
    QPushButton* DurchsuchenBtn;
    QPushButton* ZiegeBilderBtn;
    QGroupBox* GroupBox1; // "Pro Mengeneinheit"
    // The seven figures, top to bottom as TProMengeneinheit lists them; only
    // RxSpinEdit2 ("Tatsächlicher VK-Preis brutto:") is an input.
    std::array<TZahlFeld*, 7> preisfelder{};
    TZahlFeld* RxSpinEdit2;
    TZahlFeld* BedarfEd;  // "Bedarfsmenge:"
    QPushButton* BitBtn2; // "Megen berechnen"
    // The declaration of the lines shown, the undeclared part in red with its ingredients.
    QLabel* KennzeichnungLabel;
    QPushButton* OKBtn;
    QPushButton* KalkulationDruckenBtn;
    QPushButton* RezeptDruckenBtn;
    QPushButton* RezeptkarteDruckenBtn; // the kitchen's card, without prices
    QPushButton* CancelBtn;

    void RxSpinEdit1Change();
    void RxSpinEdit2Change();
    void ComboBox1Change();
    void NewZutatBtnClick();
    void EditZutatBtnClick();
    void ListView2DblClick() { EditZutatBtnClick(); }
    void DelZutatBtnClick();
    void BitBtn3Click();
    void BitBtn4Click();
    void DurchsuchenBtnClick();
    void ZiegeBilderBtnClick();
    void BitBtn2Click();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void baueFelder();
    void baueLayout();
    void verbinde();
    // Writes the whole state into the widgets; their handlers stay quiet meanwhile.
    void zeigeZustand();
    void zeigeZeilen();
    void zeigeErgebnisse();
    void zeigeKennzeichnung();
    bool bereit() const;
    void zeigeZwischenrezept();

    ::TRezeptForm zustand;
    const TDaten* daten = nullptr;
    TZutatAuswaehlenForm* picker = nullptr;
    TZeigeBildForm* bild = nullptr;
    TCalcAmountsForm* mengen = nullptr;
    bool fuellt = false;
    std::function<void(const QString&, TListe)> produktionZeigen;
};

} // namespace fenster
