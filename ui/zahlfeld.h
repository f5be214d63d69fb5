#pragma once

#include <QAbstractSpinBox>
#include <QString>

#include <optional>

// A numeric entry field. It holds the text the user typed; the number it stands for is
// that text read in the current locale, or the field's minimum when it does not read as
// one. Leaving the field rewrites the text fixed with the field's decimals and moves it
// into the range; "." types the locale's decimal separator; up and down step by
// `schritt`. Every change of the text, by the user or by the program, emits geaendert.
//
// Assistive technology reads the field through Qt's spin-box accessibility, which asks
// for these properties: the value shown, the range and the step. Setting the value from
// there sets the field as typing would, change handlers included.
class TZahlFeld : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(double value READ wert WRITE setzeWertVonAussen)
    Q_PROPERTY(double minimum READ untergrenze)
    Q_PROPERTY(double maximum READ obergrenze)
    Q_PROPERTY(double stepSize READ schrittweite)
public:
    explicit TZahlFeld(int stellen, QWidget* parent = nullptr);

    // The bounds; without a minimum an unreadable text counts as 0.
    void setzeBereich(std::optional<double> min, std::optional<double> max);
    void setzeSchritt(double s) { schritt = s; }
    int stellen() const { return nachkomma; }
    double minimum() const { return min.value_or(0.0); }
    // The bounds as assistive technology reads them: the lowest and highest number a
    // double holds where the field has none.
    double untergrenze() const;
    double obergrenze() const;
    double schrittweite() const { return schritt; }
    // Lets the field be left empty for "no value": an empty text stays empty when the
    // field is left, and wertOderNichts() gives nothing for it.
    void setzeLeerErlaubt(bool ja) { leerErlaubt = ja; }
    // For fields whose text is checked where it is used: leaving the field rewrites only
    // a text that means the same number afterwards; any other text stays for the check
    // to name.
    void setzeTextBleibt(bool ja) { textBleibt = ja; }

    QString text() const;
    // Sets the text as it stands and runs the change handlers.
    void setzeText(const QString& t);
    // The value of the text, or the minimum when the text does not read as a number.
    double wert() const;
    // Nothing for an empty (or blank) text when empty is allowed, else wert().
    std::optional<double> wertOderNichts() const;
    // Sets the value fixed with the field's decimals, moved into the range.
    void setzeWert(double w);
    // A value set from outside (assistive technology): moved into the range and fixed
    // with the field's decimals; a read-only field keeps its text.
    void setzeWertVonAussen(double w);
    // Rewrites the text fixed with its decimals and moved into the range, as leaving the
    // field does.
    void normalisiere();

    // The line edit inside, for tests and for key handling.
    QLineEdit* eingabe() const { return lineEdit(); }

    void stepBy(int schritte) override;
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& eingabe, int& pos) const override;

Q_SIGNALS:
    void geaendert(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    double begrenzt(double w) const;
    // The text reads as a number in the range that its rewriting keeps.
    bool behaeltWert() const;

    int nachkomma;
    double schritt = 1.0;
    bool leerErlaubt = false;
    bool textBleibt = false;
    std::optional<double> min;
    std::optional<double> max;
};
