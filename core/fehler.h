#pragma once

#include <QString>
#include <exception>

// An error that ends the running operation; its text is shown with a full stop added.
class TFehler : public std::exception {
public:
    explicit TFehler(QString meldung) : text(std::move(meldung)), utf8(text.toUtf8()) {}
    const QString& meldung() const { return text; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};

// Ends the running operation silently: whoever threw it has already told the user.
class TAbbruch : public std::exception {
public:
    const char* what() const noexcept override { return "abgebrochen"; }
};
