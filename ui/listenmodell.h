#pragma once

#include "core/liste.h"

#include <QAbstractTableModel>

// A list of display texts as a Qt table model: the view asks only for what it shows,
// so a list of 100 000 rows costs no widget item per cell.
class TListenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TListenModell(QObject* parent = nullptr);

    const TListe& liste() const { return inhalt; }
    // Shows a new list and hands back the one shown before, so that the caller can
    // release it after the new one is on screen.
    TListe setzeListe(TListe neu);
    // Lets the list be reordered or edited in place; the views are told afterwards.
    template <class F> void aendere(F&& f) {
        beginResetModel();
        f(inhalt);
        endResetModel();
    }

    // Lets the cells of one column be edited in place (-1: none); an edit changes only
    // the list.
    void setzeEditierbareSpalte(int spalte) { editierbar = spalte; }
    int editierbareSpalte() const { return editierbar; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    TListe inhalt;
    int editierbar = -1;
};
