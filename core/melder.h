#pragma once

#include <QString>

enum class TSymbol { keins, information, frage, fehler };
enum class TAntwort { ok, ja, nein, abbrechen };

// The one road for messages and questions to the user. The program installs a
// message-box implementation, tests a scripted one; without either, messages go
// to standard error and every question is answered with Cancel.
class TMelder {
public:
    virtual ~TMelder() = default;
    // A message with an OK button; an empty title means the platform's default.
    virtual void meldung(const QString& text, const QString& titel, TSymbol symbol) = 0;
    // A question with Yes, No and Cancel.
    virtual TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) = 0;

    void information(const QString& text) { meldung(text, {}, TSymbol::information); }
    void fehler(const QString& text, const QString& titel = {}) {
        meldung(text, titel, TSymbol::fehler);
    }
};

TMelder& melder();
// Installs m (not owned) and returns the one it replaces; nullptr restores the default.
TMelder* setzeMelder(TMelder* m);
