#include "core/uhr.h"

#include <QtGlobal>

namespace {
std::function<QDateTime()>& quelle() {
    static std::function<QDateTime()> uhr;
    return uhr;
}
} // namespace

QDateTime TUhr::jetzt() {
    return quelle() ? quelle()() : QDateTime::currentDateTime();
}

QDate TUhr::heute() {
    return jetzt().date();
}

void TUhr::setze(std::function<QDateTime()> uhr) {
    quelle() = std::move(uhr);
}

bool TUhr::setzeHeute(QDate tag) {
    if (!tag.isValid())
        return false;
    const QDateTime fest(tag, QTime(12, 0));
    setze([fest] { return fest; });
    return true;
}

QString TUhr::setzeHeuteAusUmgebung() {
    const QString wert = qEnvironmentVariable("ORMISTO_HEUTE");
    if (wert.isEmpty())
        return {};
    if (!setzeHeute(QDate::fromString(wert, QStringLiteral("yyyy-MM-dd"))))
        return QStringLiteral("ORMISTO_HEUTE erwartet ein Datum JJJJ-MM-TT");
    return {};
}
