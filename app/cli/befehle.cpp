#include "app/cli/befehle.h"

#include "core/datei.h"
#include "core/fehler.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {
std::vector<TBefehl>& liste() {
    static std::vector<TBefehl> befehle;
    return befehle;
}
} // namespace

const std::vector<TBefehl>& alleBefehle() { return liste(); }

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
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw TFehler(
            QStringLiteral("Cannot create file \"%1\". %2").arg(pfad, datei.errorString()));
    if (datei.write(bytes) != bytes.size()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        throw TFehler(grund.isEmpty() ? QStringLiteral("Disk full") : grund);
    }
    if (!datei.commit())
        throw TFehler(datei.errorString());
}

void DruckeText(const QString& text) { SchreibeAusgabe(text.toUtf8(), {}); }
