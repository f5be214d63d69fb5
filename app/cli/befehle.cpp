#include "app/cli/befehle.h"

#include "core/datei.h"
#include "core/fehler.h"
#include "core/liste.h"
#include "exchange/csvexport.h"

#include <cstdio>

namespace {
std::vector<TBefehl>& liste() {
    static std::vector<TBefehl> befehle;
    return befehle;
}
} // namespace

const std::vector<TBefehl>& alleBefehle() {
    return liste();
}

bool registriereBefehl(TBefehl befehl) {
    liste().push_back(std::move(befehl));
    return true;
}

void LadeDatei(TDaten& daten, const QString& pfad) {
    const TDateiErgebnis e = LoadOptionsFile(daten, pfad);
    if (!e.ok())
        throw TFehler(e.meldung);
}

void SpeichereDatei(const TDaten& daten, const QString& pfad) {
    const TDateiErgebnis e = SaveOptionsFile(daten, pfad);
    if (!e.ok())
        throw TFehler(e.meldung);
}

void SchreibeAusgabe(const QByteArray& bytes, const QString& pfad) {
    if (pfad.isEmpty()) {
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) !=
                size_t(bytes.size()) ||
            std::fflush(stdout) != 0)
            throw TFehler(QStringLiteral("Disk full"));
        return;
    }
    const TDateiErgebnis e = SpeichereAtomar(pfad, [&](QIODevice& geraet) {
        if (geraet.write(bytes) != bytes.size())
            throw TFehler(QStringLiteral("Disk full"));
    });
    if (!e.ok())
        throw TFehler(e.meldung);
}

int GibListeAus(const TArgumente& a, const QString& datei,
                const std::function<TListe(TDaten&)>& liste) {
    const QString aus = a.wert(QStringLiteral("aus")).value_or(QString());
    TDaten daten;
    LadeDatei(daten, datei);
    SchreibeAusgabe(CsvBytes(liste(daten)), aus);
    return 0;
}

void DruckeText(const QString& text) {
    SchreibeAusgabe(text.toUtf8(), {});
}
