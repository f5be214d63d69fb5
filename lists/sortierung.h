#pragma once

#include "core/liste.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <QCollator>

#include <cstdint>
#include <map>
#include <vector>

// Ordering of the four sortable lists by a column, as a click on its title asks for.

enum class TListenArt { zutaten, rezepte, verkaeufe, auswahl };
enum class TSpaltenArt { name, text, zahl };

// How a column of the list is compared. Columns the list does not have compare as
// (empty) text.
TSpaltenArt SpaltenArt(TListenArt art, int32_t spalte);

// Upper case for the letters a to z only; umlauts and other letters keep their case.
QString GrossAZ(QStringView s);
void MacheGrossAZ(QString& s); // in place

// A click on the title of column `spalte`: the sort column inverts its direction,
// another column becomes the sort column in the first direction.
void SpaltenKlick(int32_t& sortspalte, bool& sortdir, int32_t spalte);

// The list's compare rule: negative when r1 goes before r2, positive when after, 0 when
// equal for the order. Number columns put the larger number first when sortdir is false.
// A number cell that does not read as a number goes after every readable one in both
// directions; such rows order among themselves by name from A to Z.
int VergleicheZeilen(TListenArt art, const QStringList& r1, const QStringList& r2,
                     int32_t sortspalte, bool sortdir);

// Orders the rows with the compare rule above. The sort is stable: rows that compare
// equal keep the order they had.
void SortiereListe(TListe& liste, TListenArt art, int32_t sortspalte, bool sortdir);

// The sort keys of one list, kept with it so that ordering it again costs no collation:
// each column's text ranks and numbers are computed at the first ordering by that column
// and reused by every later one. Made for the rows of one filling; a rebuilt list gets
// a new one.
class TSortSchluessel {
public:
    TSortSchluessel() = default;
    // For a list of `zeilen` rows, in the order they stand now.
    TSortSchluessel(TListenArt art, qsizetype zeilen);

    // Orders the list exactly as SortiereListe does. A list whose row count differs from
    // the one the keys were made for gets fresh keys.
    void sortiere(TListe& liste, int32_t sortspalte, bool sortdir);

private:
    const std::vector<uint32_t>& raenge(const TListe& liste, int32_t spalte);
    const std::vector<double>& zahlen(const TListe& liste, int32_t spalte);
    void neu(qsizetype zeilen);

    TListenArt art = TListenArt::zutaten;
    QCollator collator;
    // For each row as it stands, the row it was when the keys were made; keys are
    // indexed by the latter.
    std::vector<uint32_t> herkunft;
    std::map<int32_t, std::vector<uint32_t>> textRaenge;
    std::map<int32_t, std::vector<double>> zahlWerte; // NaN: not a number
};
