#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class TGruppenTabelle;
class TZahlFeld;

// One master-data page: twenty groups in two blocks of ten rows, each row the group's
// name, VAT rate and target cost-of-goods ratio. The fields edit the group table in
// place: every change of a field's text is at once the table's text, so every reader
// sees what was typed. When an edit is finished (the field or the page is left) the
// page says so once, so that the lists can show the edited table.
class TStammdatenSeite : public QWidget {
    Q_OBJECT
public:
    static constexpr int zeilen = 20;

    // The page of groups erste .. erste + 19.
    TStammdatenSeite(TGruppenTabelle& tabelle, int erste, QWidget* parent = nullptr);

    // Shows the table's texts again, after the whole table was replaced.
    void zeigeTabelle();

    // The fields of group nr (erste .. erste + 19).
    QLineEdit* name(int nr) const { return namen[size_t(nr - erste)]; }
    TZahlFeld* mwst(int nr) const { return mwstFelder[size_t(nr - erste)]; }
    TZahlFeld* we(int nr) const { return weFelder[size_t(nr - erste)]; }

Q_SIGNALS:
    // A field was changed by the user and then left, or the page was left after that.
    void bearbeitet();

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void fertig();

    TGruppenTabelle& tabelle;
    int erste;
    std::array<QLineEdit*, zeilen> namen{};
    std::array<TZahlFeld*, zeilen> mwstFelder{};
    std::array<TZahlFeld*, zeilen> weFelder{};
    bool zeigt = false;     // the table is being shown: no edit
    bool geaendert = false; // edited since the last bearbeitet()
};
