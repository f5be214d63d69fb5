#include "ui/zahlfeld.h"

#include "core/zahlen.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <limits>

TZahlFeld::TZahlFeld(int stellen, QWidget* parent) : QAbstractSpinBox(parent), nachkomma(stellen) {
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(ZahlFest(0.0, nachkomma));
    connect(lineEdit(), &QLineEdit::textChanged, this, &TZahlFeld::geaendert);
    // Screen readers follow the value as they would a spin box's.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (!QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent e(this, wert());
        QAccessible::updateAccessibility(&e);
    });
}

double TZahlFeld::untergrenze() const {
    return min.value_or(std::numeric_limits<double>::lowest());
}

double TZahlFeld::obergrenze() const {
    return max.value_or(std::numeric_limits<double>::max());
}

void TZahlFeld::setzeWertVonAussen(double w) {
    if (!isReadOnly())
        setzeWert(w);
}

void TZahlFeld::setzeBereich(std::optional<double> neuMin, std::optional<double> neuMax) {
    min = neuMin;
    max = neuMax;
}

QString TZahlFeld::text() const {
    return lineEdit()->text();
}

void TZahlFeld::setzeText(const QString& t) {
    if (lineEdit()->text() == t) {
        // The program sets the field: its handler runs even when nothing changes.
        Q_EMIT geaendert(t);
        return;
    }
    lineEdit()->setText(t);
}

double TZahlFeld::begrenzt(double w) const {
    if (min)
        w = std::max(w, *min);
    if (max)
        w = std::min(w, *max);
    return w;
}

double TZahlFeld::wert() const {
    return LiesZahl(text()).value_or(minimum());
}

std::optional<double> TZahlFeld::wertOderNichts() const {
    if (leerErlaubt && text().trimmed().isEmpty())
        return std::nullopt;
    return wert();
}

void TZahlFeld::setzeWert(double w) {
    setzeText(ZahlFest(begrenzt(w), nachkomma));
}

void TZahlFeld::normalisiere() {
    if (leerErlaubt && text().trimmed().isEmpty()) {
        if (!text().isEmpty())
            lineEdit()->clear();
        return;
    }
    const QString neu = ZahlFest(begrenzt(wert()), nachkomma);
    if (neu != text())
        lineEdit()->setText(neu);
}

void TZahlFeld::stepBy(int schritte) {
    if (isReadOnly())
        return;
    setzeWert(wert() + schritte * schritt);
    selectAll();
}

QAbstractSpinBox::StepEnabled TZahlFeld::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    const double w = wert();
    StepEnabled e = StepNone;
    if (!max || w < *max)
        e |= StepUpEnabled;
    if (!min || w > *min)
        e |= StepDownEnabled;
    return e;
}

QValidator::State TZahlFeld::validate(QString& eingabe, int&) const {
    // Only what can be part of a number; whether it reads as one is decided on use.
    const QString komma = QLocale().decimalPoint();
    for (qsizetype i = 0; i < eingabe.size(); ++i) {
        const QChar c = eingabe[i];
        if (c.isDigit() || c == u'-' || c == u'+' || c == u'e' || c == u'E' || c == u' ')
            continue;
        if (QStringView(eingabe).mid(i).startsWith(komma)) {
            i += komma.size() - 1;
            continue;
        }
        return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

bool TZahlFeld::behaeltWert() const {
    const std::optional<double> w = LiesZahl(text());
    return w && begrenzt(*w) == *w && LiesZahl(ZahlFest(*w, nachkomma)) == w;
}

void TZahlFeld::focusOutEvent(QFocusEvent* e) {
    QAbstractSpinBox::focusOutEvent(e);
    if (!isReadOnly() && (!textBleibt || behaeltWert()))
        normalisiere();
}

void TZahlFeld::keyPressEvent(QKeyEvent* e) {
    const QString komma = QLocale().decimalPoint();
    if (e->text() == QLatin1String(".") && komma != QLatin1String(".") && !isReadOnly()) {
        lineEdit()->insert(komma);
        return;
    }
    QAbstractSpinBox::keyPressEvent(e);
}
