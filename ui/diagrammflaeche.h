#pragma once

#include <QWidget>

class QComboBox;
class TListenAnsicht;

// The chart area of the evaluation tab: draws the row of the evaluation table that the
// group list selects as a bar chart, anew at every painting, at the widget's resolution.
class TDiagrammFlaeche : public QWidget {
    Q_OBJECT
public:
    // tabelle: the evaluation table; gruppe: the row to draw; kennzahl: the key figure
    // named in the title.
    TDiagrammFlaeche(const TListenAnsicht& tabelle, const QComboBox& gruppe,
                     const QComboBox& kennzahl, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const TListenAnsicht& tabelle;
    const QComboBox& gruppe;
    const QComboBox& kennzahl;
};
