#include "core/melder.h"

#include <cstdio>

namespace {

class TKonsolenMelder : public TMelder {
public:
    void meldung(const QString& text, const QString& titel, TSymbol) override {
        const QString zeile = titel.isEmpty() ? text : titel + QStringLiteral(": ") + text;
        std::fprintf(stderr, "%s\n", zeile.toLocal8Bit().constData());
    }
    TAntwort frage(const QString& text, const QString& titel, TSymbol symbol) override {
        meldung(text, titel, symbol);
        return TAntwort::abbrechen;
    }
};

TKonsolenMelder konsole;
TMelder* aktuell = &konsole;

} // namespace

TMelder& melder() {
    return *aktuell;
}

TMelder* setzeMelder(TMelder* m) {
    TMelder* alt = aktuell;
    aktuell = m ? m : &konsole;
    return alt;
}
