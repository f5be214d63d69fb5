#pragma once

#include "lists/menueanalyse.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

// The menu-engineering matrix on screen, with the drawing that serves the picture and the
// printout. Placing the names of thousands of recipes takes a while, so the drawing is
// kept and shown again until the analysis or the size changes; while the size changes
// (a splitter dragged) the last drawing is shown stretched until the size rests.
class TMenueMatrixFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit TMenueMatrixFlaeche(QWidget* parent = nullptr);

    void zeige(TMenueAnalyse a);
    const TMenueAnalyse& analyse() const { return inhalt; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void male();
    TMenueAnalyse inhalt;
    QImage bild;
    QTimer ruhe;
};
