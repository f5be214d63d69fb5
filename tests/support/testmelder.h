#pragma once

#include "core/melder.h"

#include <QList>
#include <QString>

// Records every message and answers questions from a script; installs itself for its
// lifetime. A question without a scripted answer fails the test.
class TTestMelder : public TMelder {
public:
    struct TEintrag {
        QString text;
        QString titel;
        TSymbol symbol;
        bool frage;
    };

    TTestMelder();
    ~TTestMelder() override;

    void antworte(TAntwort a) { antworten.append(a); }
    void meldung(const QString& text, const QString& titel, TSymbol symbol) override;
    TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) override;

    QList<TEintrag> eintraege;
    QList<TAntwort> antworten;
    bool unerwarteteFrage = false;

private:
    TMelder* vorher;
};
