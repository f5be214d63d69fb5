#pragma once

#include "core/liste.h"
#include "lists/tabellenordnung.h"
#include "ui/dialogbasis.h"

#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class TDaten;
class QVBoxLayout;
class TListenAnsicht;

namespace fenster {

// A dialog around one table of the "Extras" menu: options on top (the subclass's),
// the table in the middle, ordered by a click on a column title, and "Exportieren als
// CSV...", "Drucken" and "Schließen" below. The table is recomputed by the subclass
// whenever an option changes; the chosen order survives that.
class TTabellenForm : public TDialogBasis {
    Q_OBJECT
public:
    // `listenname`: how assistive technology names the table; `summenzeile`: the table's
    // last row is a sum that stays last whatever the order.
    TTabellenForm(const QString& titel, const QString& listenname, bool summenzeile,
                  QWidget* parent = nullptr);

    using TExport = std::function<void(const TListenAnsicht&)>;
    // Prints a list under a heading and the lines below it.
    using TDruck =
        std::function<void(const QString& titel, const TListe& liste, const QStringList& zeilen)>;
    // Export and print of what the table shows, provided by the main window so that they
    // share its save dialog and its printer. Without one the button is off.
    void setzeExport(TExport f);
    void setzeDruck(TDruck f);

    TListenAnsicht* ListView1;
    QLabel* Fusszeile; // a sentence about the table, under it
    QPushButton* ExportBtn;
    QPushButton* DruckenBtn;
    QPushButton* SchliessenBtn;

    void ListView1ColumnClick(int spalte);
    void ExportBtnClick();
    void DruckenBtnClick();

    // The table as the engine built it, before ordering.
    const TListe& tabelle() const { return ursprung; }
    const TTabellenOrdnung& ordnung() const { return reihenfolge; }

protected:
    // The sentence under the table; hidden while empty.
    void setzeFusszeile(const QString& text);
    // Shows a freshly computed table in the chosen order; the selection is kept when
    // the row is still there at the same place in the engine's order.
    void zeigeTabelle(TListe liste);
    // The printout's heading and the lines under it: the options the table was made with.
    virtual QString drucktitel() const { return windowTitle(); }
    virtual QStringList druckzeilen() const { return {}; }
    // The width the table needs to show all its columns without scrolling.
    int tabellenbreite() const;
    // Tab goes through the options in this order, then the table and the buttons.
    void setzeTabfolge(const QList<QWidget*>& optionen);

    QVBoxLayout* kopf;  // the options, above the table
    QVBoxLayout* mitte; // holds the table; a subclass may put it elsewhere
    // The dialog widens to the table at its first filling; off for a subclass that
    // shares the width with something else.
    bool breiteNachTabelle = true;

private:
    void ordne();
    void zeigeTitelGanz();
    TListe ursprung;
    TTabellenOrdnung reihenfolge;
    bool summe;
    TExport exportiere;
    TDruck drucke;
};

// The recipe filter of the dialogs, with the items of the main window's filters.
QComboBox* Filterauswahl();
// Fills in the items anew from the group names; the chosen position stays, quietly.
void FuelleFilter(QComboBox& filter, const TDaten& daten);

} // namespace fenster
