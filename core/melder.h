#pragma once

#include <QString>

#include <optional>

class QObject;

enum class TSymbol { keins, information, frage, fehler };
enum class TAntwort { ok, ja, nein, abbrechen };

// What a file dialog asks for.
struct TDateiDialog {
    QString titel;  // empty: the platform's
    QString filter; // name filter as Qt writes it, e.g. "Rovasquet Datei (*.zat)"
    QString endung; // default extension without the dot, added to a name that has none
    QString name;   // the file name proposed, or empty
    bool ueberschreibenFragen = false; // save: ask before replacing a file
    bool mussExistieren = false;       // open: refuse a name that does not exist
};

// The one road for messages, questions and modal dialogs to the user. The window program
// installs message boxes and file dialogs, tests a scripted fake; without either,
// messages go to standard error, every question is answered with Cancel and every
// dialog is cancelled.
class TMelder {
public:
    virtual ~TMelder() = default;
    // A message with an OK button; an empty title means the application's title.
    virtual void meldung(const QString& text, const QString& titel, TSymbol symbol) = 0;
    // A question with Yes, No and Cancel.
    virtual TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) = 0;
    // A question with Yes and No only, No the default: for a step that cannot be undone.
    virtual TAntwort frageJaNein(const QString& text, const QString& titel, TSymbol symbol) {
        return frage(text, titel, symbol);
    }
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> dateiOeffnen(const TDateiDialog&) { return std::nullopt; }
    virtual std::optional<QString> dateiSpeichern(const TDateiDialog&) { return std::nullopt; }
    // Shows a dialog (a QDialog) modally and returns its result code (QDialog::Accepted
    // is 1); 0 when it cannot be shown.
    virtual int modal(QObject&) { return 0; }

    void information(const QString& text) { meldung(text, {}, TSymbol::information); }
    void fehler(const QString& text, const QString& titel = {}) {
        meldung(text, titel, TSymbol::fehler);
    }
};

TMelder& melder();
// Installs m (not owned) and returns the one it replaces; nullptr restores the default.
TMelder* setzeMelder(TMelder* m);
