#pragma once

#include "core/melder.h"

class QWidget;

// Messages and questions as message boxes, file dialogs as Qt's file dialogs, modal
// dialogs run with exec(). Boxes without a title of their own carry the application's.
class TFensterMelder : public TMelder {
public:
    void meldung(const QString& text, const QString& titel, TSymbol symbol) override;
    TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) override;
    TAntwort frageJaNein(const QString& text, const QString& titel, TSymbol symbol) override;
    std::optional<QString> dateiOeffnen(const TDateiDialog& d) override;
    std::optional<QString> dateiSpeichern(const TDateiDialog& d) override;
    int modal(QObject& dialog) override;
};
