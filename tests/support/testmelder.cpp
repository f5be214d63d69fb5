#include "tests/support/testmelder.h"

TTestMelder::TTestMelder() : vorher(setzeMelder(this)) {}

TTestMelder::~TTestMelder() {
    setzeMelder(vorher);
}

void TTestMelder::meldung(const QString& text, const QString& titel, TSymbol symbol) {
    eintraege.append({text, titel, symbol, false});
}

TAntwort TTestMelder::frage(const QString& text, const QString& titel, TSymbol symbol) {
    eintraege.append({text, titel, symbol, true});
    if (antworten.isEmpty()) {
        unerwarteteFrage = true;
        return TAntwort::abbrechen;
    }
    return antworten.takeFirst();
}
