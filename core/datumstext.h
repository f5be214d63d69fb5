#pragma once

#include <QDate>
#include <QString>

// A date in the locale's short format, but always with four-digit years: the short
// formats of many locales write two, which cannot tell 1924 from 2024.
QString KurzesDatum(QDate tag);

// The locale's short date format with the year widened to four digits, for date fields.
QString KurzesDatumsformat();
