#pragma once

#include "ui/dialogbasis.h"

class QFrame;
class QLabel;
class QPushButton;

namespace fenster {

// "Info": the program and its maker, with a button that opens the maker's web page.
class TAboutBox : public TDialogBasis {
    Q_OBJECT
public:
    static constexpr char webadresse[] = "https://www.tolvane.de/ormisto";

    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Copyright;
    QLabel* Hersteller;
    QLabel* Slogan;
    QLabel* Geschichte;
    QLabel* Programme;
    QPushButton* BitBtnXP1; // the web address
    QPushButton* OKButton;

    void FormCreate();
    void BitBtnXP1Click();
};

} // namespace fenster
