#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/zahlen.h"
#include "lists/listen.h"

#include <QRegularExpression>

QString RezeptNummerText(const TArgumente& a) {
    const auto text = a.wert(QStringLiteral("rezept"));
    if (!text)
        throw TNutzungsFehler(QStringLiteral("--rezept fehlt"));
    static const QRegularExpression ganzzahl(QStringLiteral("^[+-]?[0-9]+$"));
    if (!ganzzahl.match(*text).hasMatch())
        throw TNutzungsFehler(
            QStringLiteral("--rezept erwartet eine ganze Zahl, nicht \"%1\"").arg(*text));
    return *text;
}

uint32_t RezeptNummer(const TDaten& d, const QString& text) {
    // Negative and huge numbers are well-formed; they name no recipe.
    bool ok = false;
    const qint64 gelesen = text.toLongLong(&ok, 10);
    const qint64 nr = ok ? gelesen : -1;
    const uint32_t n = d.anzahlRezepte();
    if (nr >= 0 && nr < qint64(n))
        return uint32_t(nr);
    throw TFehler(n == 0 ? QStringLiteral("Die Datei enthält kein Rezept mit der Nummer %1; "
                                          "sie enthält keine Rezepte")
                               .arg(text)
                         : QStringLiteral("Die Datei enthält kein Rezept mit der Nummer %1; "
                                          "gültig sind 0 bis %2")
                               .arg(text)
                               .arg(n - 1));
}

int FilterWahl(const TArgumente& a) {
    return int(a.ganzzahl(QStringLiteral("filter"), 0, FilterAnzahl - 1, 0));
}

std::optional<double> ZahlWahl(const TArgumente& a, const QString& name) {
    const auto text = a.wert(name);
    if (!text)
        return std::nullopt;
    const auto zahl = LiesZahl(*text);
    if (!zahl)
        throw TNutzungsFehler(
            QStringLiteral("--%1 erwartet eine Zahl, nicht \"%2\"").arg(name, *text));
    return zahl;
}

std::optional<double> ZahlWahl(const TArgumente& a, const QString& name, double min, double max) {
    const auto text = a.wert(name);
    const auto zahl = text ? LiesZahl(*text) : std::nullopt;
    if (text && (!zahl || *zahl < min || *zahl > max))
        throw TNutzungsFehler(QStringLiteral("--%1 erwartet eine Zahl von %2 bis %3, nicht \"%4\"")
                                  .arg(name, ZahlAllgemein(min), ZahlAllgemein(max), *text));
    return zahl;
}
