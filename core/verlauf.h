#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <vector>

// The undo history of the data, kept as the bytes of the file format. A step keeps only
// the pieces its change touched, each with its old bytes for undo and its new ones for
// redo: a deleted recipe costs its own bytes and the changed count before it, a sale a few
// dozen bytes, whatever the size of the data.
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

    // The most bytes the next undo (zurueck) or redo needs in `stand`: reserved before the
    // state is written into it, the step is applied in place.
    qsizetype platzFuer(bool zurueck) const;

    void leeren();
    // Bytes held by all steps, names included.
    qsizetype speicher() const;

private:
    // One changed piece: where it is in the state before and after, and its lengths.
    struct TStueck {
        qsizetype stelleAlt;
        qsizetype stelleNeu;
        qsizetype laengeAlt;
        qsizetype laengeNeu;
    };
    struct TSchritt {
        QString name;
        std::vector<TStueck> stuecke;
        QByteArray alt; // the old bytes of all pieces, one after the other
        QByteArray neu; // the new ones
        qsizetype laengeVorher = 0;
        qsizetype laengeNachher = 0;
    };
    static TSchritt Unterschied(const QByteArray& vorher, const QByteArray& nachher);
    // Builds the other state from `stand`; false when `stand` does not hold the pieces.
    static bool wende(const TSchritt& s, QByteArray& stand, bool zurueck);

    int grenze;
    std::deque<TSchritt> rueck; // oldest first
    std::vector<TSchritt> vor;  // next to redo last
};
