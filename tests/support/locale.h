#pragma once

#include <QLocale>

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
