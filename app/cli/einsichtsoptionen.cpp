#include "app/cli/einsichtsoptionen.h"

#include "core/daten.h"
#include "core/fehler.h"
#include "core/texte.h"
#include "core/zahlen.h"
#include "costing/zwischenrezepte.h"
#include "lists/listen.h"

#include <QRegularExpression>

#include <cmath>

namespace {

QString nummerText(const TArgumente& a, const QString& option) {
    const auto text = a.wert(option);
    if (!text)
        throw TNutzungsFehler(QStringLiteral("--%1 fehlt").arg(option));
    static const QRegularExpression ganzzahl(QStringLiteral("^[+-]?[0-9]+$"));
    if (!ganzzahl.match(*text).hasMatch())
        throw TNutzungsFehler(
            QStringLiteral("--%1 erwartet eine ganze Zahl, nicht \"%2\"").arg(option, *text));
    return *text;
}

// `was` is "kein Rezept" or "keine Zutat", `keine` "keine Rezepte" or "keine Zutaten".
uint32_t nummer(uint32_t n, const QString& text, const QString& was, const QString& keine) {
    // Negative and huge numbers are well-formed; they name no record.
    bool ok = false;
    const qint64 gelesen = text.toLongLong(&ok, 10);
    const qint64 nr = ok ? gelesen : -1;
    if (nr >= 0 && nr < qint64(n))
        return uint32_t(nr);
    throw TFehler(n == 0 ? QStringLiteral("Die Datei enthält %1 mit der Nummer %2; "
                                          "sie enthält %3")
                               .arg(was, text, keine)
                         : QStringLiteral("Die Datei enthält %1 mit der Nummer %2; "
                                          "gültig sind 0 bis %3")
                               .arg(was, text)
                               .arg(n - 1));
}

} // namespace

QString RezeptNummerText(const TArgumente& a) {
    return nummerText(a, QStringLiteral("rezept"));
}

uint32_t RezeptNummer(const TDaten& d, const QString& text) {
    return nummer(d.anzahlRezepte(), text, QStringLiteral("kein Rezept"),
                  QStringLiteral("keine Rezepte"));
}

QString ZutatNummerText(const TArgumente& a) {
    return nummerText(a, QStringLiteral("zutat"));
}

uint32_t ZutatNummer(const TDaten& d, const QString& text) {
    return nummer(d.anzahlZutaten(), text, QStringLiteral("keine Zutat"),
                  QStringLiteral("keine Zutaten"));
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

double ProduktionsMenge(const TArgumente& a) {
    const auto text = a.wert(QStringLiteral("menge"));
    const auto zahl = text ? LiesZahl(*text) : std::nullopt;
    if (!text)
        throw TNutzungsFehler(QStringLiteral("--menge fehlt"));
    if (!zahl || !(*zahl > 0) || !std::isfinite(*zahl))
        throw TNutzungsFehler(
            QStringLiteral("--menge erwartet eine Zahl größer als 0, nicht \"%1\"").arg(*text));
    return *zahl;
}

QString ProduktionsTitel(const TDaten& d, uint32_t rezept, double menge) {
    QString titel = QStringLiteral("Produktionsliste: %1, %2")
                        .arg(Text(d.rezept(rezept).name), ZahlAllgemein(menge));
    if (const QString einheit = ZwischenrezeptEinheit(d, rezept); !einheit.isEmpty())
        titel += QLatin1Char(' ') + einheit;
    return titel;
}
