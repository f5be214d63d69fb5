#include "app/cli/argumente.h"

TArgumente::TArgumente(const QStringList& args, const QStringList& schalterNamen,
                       const QStringList& wertNamen) {
    bool nurPositionen = false; // after "--" every argument is a value, even "--x"
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!nurPositionen && a == QLatin1String("--")) {
            nurPositionen = true;
            continue;
        }
        if (nurPositionen || !a.startsWith(QLatin1String("--"))) {
            positionen << a;
            continue;
        }
        const QString name = a.mid(2);
        if (schalterNamen.contains(name)) {
            gesetzt.insert(name, QString());
        } else if (wertNamen.contains(name)) {
            if (i + 1 >= args.size())
                throw TNutzungsFehler(QStringLiteral("Option %1 braucht einen Wert").arg(a));
            gesetzt.insert(name, args[++i]);
        } else {
            throw TNutzungsFehler(QStringLiteral("Unbekannte Option %1").arg(a));
        }
    }
}

QString TArgumente::position(int i, const QString& name) const {
    if (i >= positionen.size())
        throw TNutzungsFehler(QStringLiteral("%1 fehlt").arg(name));
    return positionen[i];
}

void TArgumente::hoechstens(int n) const {
    if (positionen.size() > n)
        throw TNutzungsFehler(QStringLiteral("Zu viele Argumente: %1").arg(positionen[n]));
}

std::optional<QString> TArgumente::wert(const QString& name) const {
    const auto it = gesetzt.constFind(name);
    if (it == gesetzt.constEnd())
        return std::nullopt;
    return *it;
}

qint64 TArgumente::ganzzahl(const QString& name, qint64 min, qint64 max, qint64 vorgabe) const {
    const auto text = wert(name);
    if (!text)
        return vorgabe;
    bool ok = false;
    const qint64 w = text->toLongLong(&ok, 10);
    if (!ok || w < min || w > max)
        throw TNutzungsFehler(QStringLiteral("--%1 erwartet eine ganze Zahl von %2 bis %3")
                                  .arg(name)
                                  .arg(min)
                                  .arg(max));
    return w;
}

qint64 TArgumente::ganzzahlPflicht(const QString& name, qint64 min, qint64 max) const {
    if (!wert(name))
        throw TNutzungsFehler(QStringLiteral("--%1 fehlt").arg(name));
    return ganzzahl(name, min, max, 0);
}

QDate TArgumente::leseDatum(const QString& text, const QString& option) {
    const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid() || d.year() < 1 || d.year() > 65535)
        throw TNutzungsFehler(
            QStringLiteral("%1 erwartet ein Datum JJJJ-MM-TT, nicht \"%2\"").arg(option, text));
    return d;
}

QDate TArgumente::datum(const QString& name, QDate vorgabe) const {
    const auto text = wert(name);
    return text ? leseDatum(*text, QStringLiteral("--") + name) : vorgabe;
}

QDate TArgumente::datumPflicht(const QString& name) const {
    if (!wert(name))
        throw TNutzungsFehler(QStringLiteral("--%1 fehlt").arg(name));
    return datum(name, {});
}
