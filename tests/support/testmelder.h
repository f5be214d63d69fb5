#pragma once

#include "core/melder.h"

#include <QList>
#include <QString>

#include <functional>

// Records every message and answers questions, file dialogs and modal dialogs from a
// script; installs itself for its lifetime. Anything asked without a scripted answer
// is cancelled and marks the test as failed through `unerwartet`.
class TTestMelder : public TMelder {
public:
    struct TEintrag {
        QString text;
        QString titel;
        TSymbol symbol;
        bool frage;
    };
    // Plays the user in a modal dialog: gets the dialog, returns its result code.
    using TDialogSkript = std::function<int(QObject&)>;

    TTestMelder();
    ~TTestMelder() override;

    void antworte(TAntwort a) { antworten.append(a); }
    // The next file dialog answers with this path; an empty path cancels it.
    void waehleDatei(const QString& pfad) { dateien.append(pfad); }
    void spieleDialog(TDialogSkript skript) { dialoge.append(std::move(skript)); }

    void meldung(const QString& text, const QString& titel, TSymbol symbol) override;
    TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) override;
    std::optional<QString> dateiOeffnen(const TDateiDialog& d) override;
    std::optional<QString> dateiSpeichern(const TDateiDialog& d) override;
    int modal(QObject& dialog) override;

    // Texts of the messages and questions so far, in order.
    QStringList texte() const;

    QList<TEintrag> eintraege;
    QList<TAntwort> antworten;
    QList<QString> dateien;
    QList<TDialogSkript> dialoge;
    QList<TDateiDialog> dateiDialoge; // every file dialog shown, in order
    bool unerwarteteFrage = false;
    bool unerwartet = false; // a question, file dialog or dialog without a scripted answer

private:
    std::optional<QString> datei(const TDateiDialog& d);
    TMelder* vorher;
};
