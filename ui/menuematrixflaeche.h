#pragma once

#include "lists/menueanalyse.h"

#include <QWidget>

// The menu-engineering matrix on screen: the analysis drawn anew at every painting, at
// the widget's resolution, with the drawing that serves the picture and the printout.
class TMenueMatrixFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit TMenueMatrixFlaeche(QWidget* parent = nullptr);

    void zeige(TMenueAnalyse a);
    const TMenueAnalyse& analyse() const { return inhalt; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TMenueAnalyse inhalt;
};
