// The backups of the working file.
#include "app/cli/befehle.h"

#include "core/sicherungen.h"

#include <cstdio>

namespace {

int sicherungen(const TArgumente& a) {
    a.hoechstens(0);
    QString ordner = a.wert(QStringLiteral("ordner")).value_or(QString());
    if (ordner.isEmpty()) {
        const QString daten = StandardDatenordner();
        if (daten.isEmpty())
            throw TNutzungsFehler(QStringLiteral("Kein Datenordner; bitte --ordner angeben"));
        ordner = Sicherungsordner(daten);
    }
    QString csv = QStringLiteral("Datei;Datum;Uhrzeit;Grund;Zutaten;Rezepte;Verkaufstage;Größe\n");
    for (const TSicherungsZeile& z : LeseSicherungen(ordner)) {
        const TSicherung& s = z.sicherung;
        const auto zahl = [&](qint64 n) { return z.inhalt ? QString::number(n) : QString(); };
        csv +=
            QStringList{s.datei,
                        s.datum.toString(QStringLiteral("yyyy-MM-dd")),
                        s.taeglich() ? QString() : s.uhrzeit.toString(QStringLiteral("HH:mm:ss")),
                        s.grund,
                        zahl(z.inhalt ? z.inhalt->zutaten : 0),
                        zahl(z.inhalt ? z.inhalt->rezepte : 0),
                        zahl(z.inhalt ? z.inhalt->verkaufstage : 0),
                        QString::number(s.groesse)}
                .join(QLatin1Char(';')) +
            QLatin1Char('\n');
        if (!z.inhalt)
            std::fprintf(stderr, "%s\n",
                         (s.datei + QStringLiteral(": ") + z.fehler + QLatin1Char('.'))
                             .toUtf8()
                             .constData());
    }
    DruckeText(csv);
    return 0;
}

} // namespace

ORMISTO_BEFEHL({"sicherungen",
                "sicherungen [--ordner DIR]",
                "listet die Sicherungen der Arbeitsdatei als CSV, die neueste zuerst",
                {},
                {QStringLiteral("ordner")},
                &sicherungen})
