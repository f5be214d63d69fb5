#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <vector>

// The undo history of the data, kept as the bytes of the file format. A step keeps only
// the region its change touched: common start and end removed, the old bytes for undo and
// the new ones for redo. So a deleted recipe costs its own bytes, a sale a few dozen,
// whatever the size of the data.
class TVerlauf {
public:
    static constexpr int standardGrenze = 50;

    explicit TVerlauf(int grenze = standardGrenze) : grenze(grenze < 1 ? 1 : grenze) {}

    // Records the change from `vorher` to `nachher` as one step named `name` and drops
    // the steps that could be redone. A step that changed no byte is not recorded; the
    // oldest step goes when the limit is reached. False for such an empty step.
    bool nimmAuf(const QString& name, const QByteArray& vorher, const QByteArray& nachher);

    bool kannRueckgaengig() const { return !rueck.empty(); }
    bool kannWiederherstellen() const { return !vor.empty(); }
    // The name of the step an undo or a redo would reverse or repeat; empty for none.
    QString rueckgaengigName() const;
    QString wiederherstellenName() const;
    int anzahlRueckgaengig() const { return int(rueck.size()); }
    int anzahlWiederherstellen() const { return int(vor.size()); }

    // Turns `stand`, the bytes of the state after the last step, into those before it,
    // and moves the step to the redo side. False, with `stand` unchanged, when there is
    // no step or `stand` is not the state the step left: then it was changed past the
    // history, and applying the step would corrupt it.
    bool rueckgaengig(QByteArray& stand);
    // The same for the next step to redo, from the state before it.
    bool wiederherstellen(QByteArray& stand);

    void leeren();
    // Bytes held by all steps, names included.
    qsizetype speicher() const;

private:
    struct TSchritt {
        QString name;
        qsizetype stelle = 0; // where the changed region starts
        QByteArray alt;       // the region before the step
        QByteArray neu;       // the region after it
        qsizetype laengeVorher = 0;
        qsizetype laengeNachher = 0;
    };
    static bool ersetze(QByteArray& stand, qsizetype stelle, qsizetype laenge,
                        const QByteArray& erwartet, const QByteArray& ersatz);

    int grenze;
    std::deque<TSchritt> rueck; // oldest first
    std::vector<TSchritt> vor;  // next to redo last
};
