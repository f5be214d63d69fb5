// Commands on whole data files.
#include "app/cli/befehle.h"

#include "core/daten.h"

namespace {

int neu(const TArgumente& a) {
    a.hoechstens(1);
    const QString aus = a.position(0, QStringLiteral("AUS"));
    TDaten daten;
    SpeichereDatei(daten, aus);
    return 0;
}

int speichern(const TArgumente& a) {
    a.hoechstens(2);
    const QString ein = a.position(0, QStringLiteral("EIN"));
    const QString aus = a.position(1, QStringLiteral("AUS"));
    TDaten daten;
    LadeDatei(daten, ein);
    SpeichereDatei(daten, aus);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"neu",
                "neu AUS",
                "schreibt eine Datei ohne Zutaten und Rezepte mit den Standardgruppen",
                {},
                {},
                &neu})
ORMISTO_BEFEHL({"speichern",
                "speichern EIN AUS",
                "liest EIN und schreibt die Daten nach AUS (Öffnen, dann Speichern unter)",
                {},
                {},
                &speichern})
