#include "core/datumstext.h"

#include <QLocale>
#include <QRegularExpression>

QString KurzesDatumsformat() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // "yy" alone is the two-digit year; "yyyy" stays as it is.
    static const QRegularExpression zweistellig(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(zweistellig, QStringLiteral("yyyy"));
    return format;
}

QString KurzesDatum(QDate tag) {
    return QLocale().toString(tag, KurzesDatumsformat());
}
