#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <exception>
#include <optional>

// Wrong usage of the command-line tool: exit status 2.
class TNutzungsFehler : public std::exception {
public:
    explicit TNutzungsFehler(QString text) : meldung(std::move(text)) {}
    QString meldung;
    const char* what() const noexcept override { return "usage"; }
};

// The arguments of one command: positional values and "--name [value]" options.
// Options that a command does not declare are wrong usage.
class TArgumente {
public:
    TArgumente(const QStringList& args, const QStringList& schalter, const QStringList& werte);

    // The positional argument i; `name` names it in the usage error.
    QString position(int i, const QString& name) const;
    qsizetype anzahlPositionen() const { return positionen.size(); }
    // Refuses positional arguments beyond the first n.
    void hoechstens(int n) const;

    bool schalter(const QString& name) const { return gesetzt.contains(name); }
    std::optional<QString> wert(const QString& name) const;
    // A whole number in [min, max]; malformed or out of range is wrong usage.
    qint64 ganzzahl(const QString& name, qint64 min, qint64 max, qint64 vorgabe) const;
    qint64 ganzzahlPflicht(const QString& name, qint64 min, qint64 max) const;
    // A date written JJJJ-MM-TT.
    QDate datum(const QString& name, QDate vorgabe) const;
    QDate datumPflicht(const QString& name) const;

    static QDate leseDatum(const QString& text, const QString& option);

private:
    QStringList positionen;
    QMap<QString, QString> gesetzt;
};
