#pragma once

#include "costing/allergene.h"

#include <QPushButton>

#include <memory>

namespace fenster {

class TAllergenForm;

// "Allergene und Zusatzstoffe..." of the ingredient dialog: holds the declaration of the
// ingredient being edited and changes it in its own dialog; the ingredient dialog's OK
// stores it, its cancelling drops it.
class TDeklarationsKnopf : public QPushButton {
    Q_OBJECT
public:
    explicit TDeklarationsKnopf(QWidget* parent = nullptr);
    ~TDeklarationsKnopf() override;

    // Before each showing of the ingredient dialog; the table must outlive the showing.
    void setze(const TKennzeichnungsTabelle& tabelle, const TZutatDeklaration& d);
    const TZutatDeklaration& wert() const { return deklaration; }
    // The name the dialog's title gives the ingredient.
    void setzeZutat(const QString& name) { zutat = name; }

    void klick();
    // Its own window, outside the ingredient dialog's widgets.
    std::unique_ptr<TAllergenForm> AllergenForm;

private:
    const TKennzeichnungsTabelle* tabelle = nullptr;
    TZutatDeklaration deklaration;
    QString zutat;
};

} // namespace fenster
