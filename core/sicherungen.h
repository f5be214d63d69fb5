#pragma once

#include "core/datei.h"
#include "core/liste.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

// Versioned backups of the working file in the data folder's "Sicherungen": a daily one,
// "zutaten-JJJJ-MM-TT.dat", of the last state of every earlier day, and one before every
// step that replaces much, "zutaten-JJJJ-MM-TT-HHMMSS-GRUND.dat" ("-2", "-3" … where the
// name is taken).
namespace Sicherungsgrund {
inline const QString import = QStringLiteral("import");
inline const QString verkaufsimport = QStringLiteral("verkaufsimport");
inline const QString neu = QStringLiteral("neu");
inline const QString oeffnen = QStringLiteral("oeffnen");
inline const QString wiederherstellen = QStringLiteral("wiederherstellen");
// What the list shows as the reason of a daily backup.
inline const QString taeglich = QStringLiteral("taeglich");
} // namespace Sicherungsgrund

inline constexpr int behalteneTagessicherungen = 30;
inline constexpr int behalteneEreignissicherungen = 20;

struct TSicherung {
    QString datei; // the file name
    QString pfad;
    QDate datum;
    QTime uhrzeit; // invalid for a daily backup
    QString grund; // Sicherungsgrund::taeglich for a daily one
    int folge = 1; // 2 for "-2" …
    qint64 groesse = 0;

    bool taeglich() const { return !uhrzeit.isValid(); }
    // The order of the list: a daily backup holds its day's last state, so it comes after
    // that day's others.
    QDateTime zeitpunkt() const {
        return QDateTime(datum, taeglich() ? QTime(23, 59, 59, 999) : uhrzeit);
    }
};

// The data folder of the per-user files, ending in a separator, or empty when the system
// names none.
QString StandardDatenordner();
// The backups' folder in a data folder, ending in a separator.
QString Sicherungsordner(const QString& datenordner);

// The backup a file name denotes, or nothing for any other name.
std::optional<TSicherung> LeseSicherungsname(const QString& name);
// The backups in `ordner`, newest first.
std::vector<TSicherung> Sicherungen(const QString& ordner);

// Before the working file is written: keeps it as the daily backup of the day of its file
// time, when that day is before `heute` and has none yet. Ok when nothing was to be done.
TDateiErgebnis SichereTaeglich(const QString& arbeitsdatei, const QString& ordner, QDate heute);
// Keeps the working file as it is before a step, named by `jetzt` and `grund`. Ok, and
// nothing written, when there is no working file.
TDateiErgebnis SichereVorEreignis(const QString& arbeitsdatei, const QString& ordner,
                                  const QDateTime& jetzt, const QString& grund);
// Today from the program's clock, the time of day from the system's.
QDateTime Sicherungszeit();
// Removes all but the newest daily and the newest other backups.
void RaeumeSicherungenAuf(const QString& ordner);

// What a backup holds.
struct TSicherungsInhalt {
    uint32_t zutaten = 0;
    uint32_t rezepte = 0;
    qint64 verkaufstage = 0; // stored sales records of all recipes
};
TDateiErgebnis LeseSicherungsInhalt(const QString& pfad, TSicherungsInhalt& inhalt);

// A backup with what it holds, or why it does not read.
struct TSicherungsZeile {
    TSicherung sicherung;
    std::optional<TSicherungsInhalt> inhalt;
    QString fehler;
};
// What backups were read to hold, by path, size and file time: a backup is never changed
// once written, and reading a large one takes long.
using TSicherungsGedaechtnis = QHash<QString, TSicherungsZeile>;
// The backups in `ordner`, newest first, each read for what it holds unless `bekannt`
// knows it already.
std::vector<TSicherungsZeile> LeseSicherungen(const QString& ordner,
                                              TSicherungsGedaechtnis* bekannt = nullptr);
// The reason as the restore dialog names it.
QString Sicherungsgrundtext(const QString& grund);
// The list of the restore dialog: date, time, reason, the three counts and the size, the
// row's position in the hidden "Nr".
TListe SicherungsListe(const std::vector<TSicherungsZeile>& zeilen);
