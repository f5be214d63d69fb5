#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

// "Today" for everything that needs it, replaceable for tests and scripted runs.
namespace TUhr {
QDateTime jetzt();
QDate heute();
// Replaces the clock; an empty function restores the system clock.
void setze(std::function<QDateTime()> uhr);
// Fixes today to the given day (at noon) and returns true, or false for an invalid date.
bool setzeHeute(QDate tag);
// Fixes today from ORMISTO_HEUTE=JJJJ-MM-TT when the variable is set. Gives the error
// text (without a full stop) for a value that is no such date, else an empty text.
QString setzeHeuteAusUmgebung();
} // namespace TUhr
