#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Reads the records of a CSV text as RFC 4180 has them: fields between separators,
// double quotes around a field, "" for a quote inside, line breaks inside quotes. Lines
// end with LF, CR LF or a lone CR, each counting one line. Blanks before an opening
// quote are dropped; text after a closing quote is kept as it stands.
class TCsvLeser {
public:
    explicit TCsvLeser(QStringView text) : text(text) {}

    // The separator the next record uses most often outside quotes: ";", tab or ",",
    // on a tie the first of them in that order.
    char16_t haeufigsterTrenner() const;
    void setzeTrenner(char16_t t) { trenner = t; }

    // Reads the next record; false at the end of the text.
    bool naechster();

    // The line where the record starts, from 1.
    qint64 zeile() const { return anfangszeile; }
    // A quote was left open: the record ran to the end of the text.
    bool offen() const { return offenGeblieben; }
    qsizetype anzahlFelder() const { return qsizetype(felder.size()); }
    // The field's text without its quotes; empty beyond the last field. Valid until the
    // next record is read.
    QStringView feld(qsizetype i) const {
        return i >= 0 && i < anzahlFelder() ? felder[size_t(i)] : QStringView();
    }
    // True when no field holds more than blanks.
    bool leer() const;

private:
    void leseAnfuehrung(qsizetype& i);
    qsizetype leseZeilenende(qsizetype i);

    QStringView text;
    char16_t trenner = u';';
    qsizetype pos = 0;
    qint64 naechsteZeile = 1;
    qint64 anfangszeile = 0;
    bool offenGeblieben = false;
    std::vector<QStringView> felder;
    // Fields with "" inside need a copy; one buffer per field position.
    std::vector<QString> puffer;
};

// Reads up to the first record that is not empty, the header of a CSV file; each line
// before it decides its own separator, and the header's stays for the records after it.
// Throws TFehler when the file is empty or a quote in the header is left open.
void LeseBisKopfzeile(TCsvLeser& leser);
