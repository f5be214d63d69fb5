#pragma once

#include "lists/chart/preiskurve.h"
#include "ui/dialogbasis.h"

#include <vector>

class QPushButton;
class TDaten;
class TListenAnsicht;

namespace fenster {

// Draws the price per unit of one ingredient over time, at the widget's resolution.
class TPreiskurveFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit TPreiskurveFlaeche(QWidget* parent = nullptr);
    void setze(std::vector<TKurvenpunkt> punkte, const QString& einheit);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<TKurvenpunkt> punkte;
    QString einheit;
};

// "Preisverlauf": the history entries of one ingredient with the change against the entry
// before, and a line chart of its price per unit in its current unit.
class TPreisverlaufForm : public TDialogBasis {
    Q_OBJECT
public:
    explicit TPreisverlaufForm(QWidget* parent = nullptr);

    void fuelle(const TDaten& daten, uint32_t zutat);

    TListenAnsicht* ListView1;
    TPreiskurveFlaeche* Kurve;
    QPushButton* SchliessenBtn;
};

} // namespace fenster
