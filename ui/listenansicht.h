#pragma once

#include "ui/listenmodell.h"

#include <QTreeView>

#include <optional>

// A read-only report list: whole-row single selection that stays visible when the list
// loses the focus, column widths from the list (0 hides a column), and header clicks
// reported as column numbers when the list is sortable. The cell with the keyboard
// focus is framed while the list has the focus, whatever the style draws; left and right
// move it from column to column.
class TListenAnsicht : public QTreeView {
    Q_OBJECT
public:
    explicit TListenAnsicht(const QString& name, QWidget* parent = nullptr);
    using QTreeView::edit;

    TListenModell& modell() { return *daten; }
    const TListe& liste() const { return daten->liste(); }

    // Shows a new list with its column widths; hands back the previous list.
    TListe zeige(TListe neu);
    void setzeSortierbar(bool ja);
    // Lets every column grow to its widest text at each showing, never narrower than the
    // list's width, for tables whose figures must be read whole.
    void setzeInhaltsbreite(bool ja);
    // Lets the cells of one column be edited in place: F2, a double click or a click on
    // the selected row's cell opens the editor; -1 makes the list read-only again.
    void setzeEditierbar(int spalte);
    // Marks the sort column in the header; the caller knows which way is up.
    void zeigeSortierung(int spalte, Qt::SortOrder richtung);

    std::optional<qsizetype> gewaehlteZeile() const;
    // The "Nr" cell of the selected row.
    std::optional<int> gewaehlteNr() const;
    // Selects a row (none for -1) without scrolling.
    void waehleZeile(qsizetype zeile);
    // Selects the row whose "Nr" cell holds nr, if any; true when found.
    bool waehleNr(int nr);
    // Scrolls so that the row stands `abstand` pixels (at 96 dpi) below the top of the
    // visible area, as far as the list can scroll.
    void rolleZu(qsizetype zeile, int abstand);

Q_SIGNALS:
    void spalteGeklickt(int spalte);
    void zeileAktiviert(); // double click on a row
    void auswahlGeaendert();
    // Return or Delete on a row; the list keeps the key for itself only while something
    // is connected, else it goes on to the window (a dialog's default button).
    void eingabeTaste();
    void entfernenTaste();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    // An edit of any cell of a row edits the row's editable cell.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void setzeBreiten();
    int textbreite(int spalte) const;
    TListenModell* daten;
    bool inhaltsbreite = false;
};
