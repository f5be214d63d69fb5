// Commands on the sales of one recipe.
#include "app/cli/befehle.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "lists/verkauf.h"

#include <limits>

namespace {

// A whole number; whether it names a record is for the data to say (exit 1).
qint64 nummer(const TArgumente& a, const QString& name) {
    return a.ganzzahlPflicht(name, std::numeric_limits<qint64>::min(),
                             std::numeric_limits<qint64>::max());
}

TRezept& rezept(const TDaten& daten, qint64 nr) {
    if (nr < 0 || nr >= qint64(daten.anzahlRezepte()))
        throw TFehler(QStringLiteral("Es gibt kein Rezept Nr. %1").arg(nr));
    return daten.rezept(uint32_t(nr));
}

int verkauf(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const qint64 nr = nummer(a, QStringLiteral("rezept"));
    const QDate tag = a.datumPflicht(QStringLiteral("datum"));
    const auto portionen =
        int32_t(a.ganzzahlPflicht(QStringLiteral("portionen"), MinPortionen, MaxPortionen));
    TDaten daten;
    LadeDatei(daten, datei);
    ErfasseVerkauf(daten, rezept(daten, nr), tag, portionen);
    SpeichereDatei(daten, datei);
    return 0;
}

int verkaufsliste(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const qint64 nr = nummer(a, QStringLiteral("rezept"));
    return GibListeAus(a, datei, [&](TDaten& daten) { return Verkaufsliste(rezept(daten, nr)); });
}

int verkaufLoeschen(const TArgumente& a) {
    a.hoechstens(1);
    const QString datei = a.position(0, QStringLiteral("DATEI"));
    const qint64 nr = nummer(a, QStringLiteral("rezept"));
    const qint64 eintrag = nummer(a, QStringLiteral("eintrag"));
    TDaten daten;
    LadeDatei(daten, datei);
    LoescheVerkauf(rezept(daten, nr), qsizetype(eintrag));
    SpeichereDatei(daten, datei);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"verkauf",
                "verkauf DATEI --rezept NR --datum JJJJ-MM-TT --portionen P",
                "erfasst P verkaufte Portionen (1 bis 100000000) des Rezepts NR am Datum wie "
                "\"Hinzufügen\" und schreibt DATEI",
                {},
                {QStringLiteral("rezept"), QStringLiteral("datum"), QStringLiteral("portionen")},
                &verkauf})
ORMISTO_BEFEHL({"verkaufsliste",
                "verkaufsliste DATEI --rezept NR [--aus CSV]",
                "die Verkaufsliste des Rezepts NR (Name, Datum, Preis, Menge) als CSV",
                {},
                {QStringLiteral("rezept"), QStringLiteral("aus")},
                &verkaufsliste})
ORMISTO_BEFEHL({"verkauf-loeschen",
                "verkauf-loeschen DATEI --rezept NR --eintrag I",
                "löscht den Eintrag an Position I (ab 0) der Verkaufsliste des Rezepts NR und "
                "schreibt DATEI",
                {},
                {QStringLiteral("rezept"), QStringLiteral("eintrag")},
                &verkaufLoeschen})
