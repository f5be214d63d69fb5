#pragma once

#include "app/cli/argumente.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TDaten;
class TListe;

// One command of ormisto-cli. Commands register themselves with ORMISTO_BEFEHL in
// their own source file.
struct TBefehl {
    const char* name;
    const char* aufruf; // the synopsis shown by --help
    const char* hilfe;  // one line
    QStringList schalter;
    QStringList werte;
    int (*ausfuehren)(const TArgumente&);
    bool grafik = false; // draws, so needs the (offscreen) GUI platform
};

const std::vector<TBefehl>& alleBefehle();
bool registriereBefehl(TBefehl befehl);

#define ORMISTO_BEFEHL_VERKETTET(a, b) a##b
#define ORMISTO_BEFEHL_NAME(zeile) ORMISTO_BEFEHL_VERKETTET(befehlRegistriert, zeile)
#define ORMISTO_BEFEHL(...)                                                                        \
    namespace {                                                                                    \
    [[maybe_unused]] const bool ORMISTO_BEFEHL_NAME(__LINE__) = registriereBefehl(__VA_ARGS__);    \
    }

// Helpers shared by the commands; every failure throws TFehler (exit 1).

// Reads a data file as "Öffnen..." does; a file that cannot be read is an error.
void LadeDatei(TDaten& daten, const QString& pfad);
// Writes a data file atomically as "Speichern unter..." does.
void SpeichereDatei(const TDaten& daten, const QString& pfad);
// Writes bytes to a file (atomically) or, for an empty path, to standard output.
void SchreibeAusgabe(const QByteArray& bytes, const QString& pfad);
// The end of a listing command, its options read: the list made from the data file as
// CSV, to the file of --aus or to standard output. Returns 0.
int GibListeAus(const TArgumente& a, const QString& datei,
                const std::function<TListe(TDaten&)>& liste);
// Text on standard output, encoded as UTF-8.
void DruckeText(const QString& text);
