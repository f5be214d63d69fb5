#pragma once

#include <QDate>
#include <QDateTime>

#include <functional>

// "Today" for everything that needs it, replaceable for tests and scripted runs.
namespace TUhr {
QDateTime jetzt();
QDate heute();
// Replaces the clock; an empty function restores the system clock.
void setze(std::function<QDateTime()> uhr);
// Fixes today to the given day (at noon) and returns true, or false for an invalid date.
bool setzeHeute(QDate tag);
} // namespace TUhr
