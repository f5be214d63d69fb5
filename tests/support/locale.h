#pragma once

#include <QLocale>
#include <QTest>

// Sets the default locale for the lifetime of the object.
class TLocaleWahl {
public:
    explicit TLocaleWahl(const QString& name) : vorher(QLocale()) {
        QLocale::setDefault(QLocale(name));
    }
    ~TLocaleWahl() { QLocale::setDefault(vorher); }

private:
    QLocale vorher;
};

// Data for initTestCase_data(): every test function then runs once in a locale with a
// decimal comma and once in one with a point; init() reads the row with
// QFETCH_GLOBAL(QString, locale).
inline void BeideLocales() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("komma") << QStringLiteral("de_DE");
    QTest::newRow("punkt") << QStringLiteral("en_US");
}

// A number text written with "," as decimal separator, in the current locale's form;
// short, because expected tables use it in every row.
inline QString t(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char(','), QLocale().decimalPoint());
}
