#pragma once

#include "core/daten.h"
#include "costing/meldungen.h"
#include "costing/rezeptform.h"
#include "costing/zutatauswahl.h"
#include "lists/sortierung.h"
#include "ui/dialogbasis.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class TListenAnsicht;
class TZahlFeld;

namespace fenster {

// "Zutat auswählen": the ingredient picker of the recipe dialog. Its widgets map one to
// one onto the window-free picker; the sort state and the search text stay between uses.
class TZutatAuswaehlenForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TZutatAuswaehlenForm(QWidget* parent = nullptr);

    // Replaces the rows by the catalogue, ordered by the picker's sort state, with no
    // row selected.
    void fuelle(const TDaten& daten);
    // Quantity and weight loss 0, for a new line.
    void fuerNeueZeile();
    // Selects the line's ingredient and takes its quantity and weight loss; the message
    // to show when no line is selected.
    std::optional<TMeldung> fuerZeile(const ::TRezeptForm& rezept);

    // The stored recipe the line is for (-1: a new one): OK refuses an ingredient whose
    // recipe contains it, which would make the recipe contain itself.
    void setzeRezept(int nr) { rezeptNr = nr; }

    const ::TZutatAuswaehlenForm& form() const { return zustand; }

    QLineEdit* NameEd;
    TZahlFeld* MengeEd;
    QComboBox* EinheitCombo; // the unit of "Menge:", the ingredient's own first
    TZahlFeld* GewichtsverlustEd;
    QLineEdit* EinkaufspreisEd;
    QLineEdit* EinkaufsmengeEd;
    TListenAnsicht* ListView1;
    QLineEdit* SuchEd2;
    QPushButton* SuchBtn2;
    QPushButton* WeiterSuchenBtn2;
    QPushButton* BitBtn1; // "OK"
    QPushButton* BitBtn2; // "Abbrechen"

    void ListView1Change();
    void ListView1ColumnClick(int spalte);
    void SuchBtn2Click();
    void WeiterSuchenBtn2Click();
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    const TDaten* daten = nullptr;
    int rezeptNr = -1;
    void zeigeListe();
    void zeigeAuswahl();
    void zeigeGrau();
    void zeigeFelder();
    void zeigeEinheiten();
    void suche(bool vonAnfang);

    ::TZutatAuswaehlenForm zustand;
};

// The header's arrow for a sort state: name and text columns go from A to Z in the first
// direction, number columns from the largest value down.
Qt::SortOrder Sortierpfeil(TListenArt art, int spalte, bool sortdir);

} // namespace fenster
