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
        unerwarteteFrage = unerwartet = true;
        return TAntwort::abbrechen;
    }
    return antworten.takeFirst();
}

std::optional<QString> TTestMelder::datei(const TDateiDialog& d) {
    dateiDialoge.append(d);
    if (dateien.isEmpty()) {
        unerwartet = true;
        return std::nullopt;
    }
    const QString pfad = dateien.takeFirst();
    if (pfad.isEmpty())
        return std::nullopt;
    return pfad;
}

std::optional<QString> TTestMelder::dateiOeffnen(const TDateiDialog& d) {
    return datei(d);
}

std::optional<QString> TTestMelder::dateiSpeichern(const TDateiDialog& d) {
    return datei(d);
}

int TTestMelder::modal(QObject& dialog) {
    if (dialoge.isEmpty()) {
        unerwartet = true;
        return 0;
    }
    // Taken before it runs, so that a dialog it opens gets the next script.
    const TDialogSkript skript = dialoge.takeFirst();
    return skript(dialog);
}

QStringList TTestMelder::texte() const {
    QStringList t;
    for (const TEintrag& e : eintraege)
        t.append(e.text);
    return t;
}
