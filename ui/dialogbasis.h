#pragma once

#include <QDialog>
#include <QString>

#include <initializer_list>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

// A modal dialog of the program: created once, shown again on every use, centred on the
// screen each time it opens.
class TDialogBasis : public QDialog {
    Q_OBJECT
public:
    explicit TDialogBasis(const QString& titel, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* e) override;
    // Two columns above a row of buttons, the dialog as large as its content: the frame
    // of the recipe dialog and of the amounts dialog that stands in for it.
    void setzeSpaltenUndKnoepfe(QLayout* links, QLayout* rechts,
                                std::initializer_list<QPushButton*> knoepfe);
};

// A label for a field, with the field as its buddy so that its mnemonic and assistive
// technology reach the field.
QLabel* Beschriftung(const QString& text, QWidget* feld);
// Greys a field: it shows its value on a grey ground and can be neither edited nor
// reached with Tab.
void Vergraue(QWidget* feld);
// Pixels at 96 dpi on the widget's screen.
int Pixel(const QWidget* w, int pixel96);
