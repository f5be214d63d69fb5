#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One column of a list: its caption and its width in pixels at 96 dpi (0: hidden).
struct TSpalte {
    QString titel;
    int breite = 0;
    bool operator==(const TSpalte&) const = default;
};

// A list as the program shows it: columns and rows of display texts, in the order
// shown. A row is its first cell followed by its further cells. The main lists carry
// the record's position in a hidden last column "Nr". Ordering, search, CSV export,
// printing and the list widgets all work on this type.
class TListe {
public:
    QList<TSpalte> spalten;
    QList<QStringList> zeilen;

    qsizetype anzahlZeilen() const { return zeilen.size(); }
    qsizetype anzahlSpalten() const { return spalten.size(); }
    // The cell, or the empty text when the row is shorter.
    QString zelle(qsizetype zeile, qsizetype spalte) const {
        const QStringList& z = zeilen[zeile];
        return spalte < z.size() ? z[spalte] : QString();
    }
    // The record position in the row's "Nr" cell (the last column), if it holds one.
    std::optional<int> nr(qsizetype zeile) const;
    // The first row whose "Nr" cell holds nr, or -1.
    qsizetype zeileMitNr(int nr) const;

    void setzeSpalten(std::initializer_list<TSpalte> s) { spalten = QList<TSpalte>(s); }
    bool operator==(const TListe&) const = default;
};
