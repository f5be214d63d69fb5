#pragma once

#include "core/daten.h"
#include "core/liste.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Where the evaluation takes its figures from.
enum class TAuswertungsModus {
    original,  // the totals stored with each sale
    simulation // every sale recomputed with today's prices, rates and ingredient costs
};

// The settings of the evaluation tab. Only year and month of the two dates count.
struct TAuswertungsWahl {
    int kennzahl = 0; // 0..4, see Kennzahlnamen()
    TAuswertungsModus modus = TAuswertungsModus::original;
    QDate start;
    QDate ende;
};

// The dates an evaluation may span, for the date fields, the command line and the
// engine alike: three centuries are 3 600 months, a table of a few megabytes, where
// years 1 to 65535 would ask for gigabytes.
inline constexpr int ErstesAuswertungsjahr = 1900;
inline constexpr int LetztesAuswertungsjahr = 2199;
QDate FruehestesAuswertungsdatum(); // 1 January 1900
QDate SpaetestesAuswertungsdatum(); // 31 December 2199
bool ImAuswertungsbereich(QDate tag);

// "Alle", "Alle Produkte", "Alle Dienstleistungen", then the 40 groups.
inline constexpr int AuswertungsZeilen = 43;

// "Umsatz netto", "Umsatz brutto", "Wareneinsatz", "Wareneinsatzquote", "Deckungsbeitrag".
const QStringList& Kennzahlnamen();
// The name of key figure k, empty outside 0..4.
QString Kennzahlname(int k);
// The column title of month 1..12 ("Jan." ... "Dez.").
QString Monatskuerzel(int monat);

// The cell values, row by row: wert(zeile, i) is month i counted from the start month.
struct TAuswertungsWerte {
    qsizetype monate = 0;
    std::vector<double> werte;
    double wert(int zeile, qsizetype monat) const { return werte[size_t(zeile * monate + monat)]; }
};

// The figures of every row and month; nothing when the start lies after the end.
// Throws TFehler when a date is invalid or outside the evaluation's range.
// One pass over all sales; each cell is summed in the order of the recipes and then of
// their sales, as a row-by-row, month-by-month walk would sum it.
std::optional<TAuswertungsWerte> BerechneAuswertung(const TDaten& d, const TAuswertungsWahl& w);

// The evaluation table: "Name" and one column per month, 43 rows, cells with 2 decimals.
// Nothing when the start lies after the end: the caller keeps the table it shows.
std::optional<TListe> FillAuswertung(const TDaten& d, const TAuswertungsWahl& w);

// The rules of the two date pickers: a new start after the end moves the end, a new end
// before the start moves the start.
void DateTimePicker1Change(TAuswertungsWahl& w);
void DateTimePicker2Change(TAuswertungsWahl& w);
