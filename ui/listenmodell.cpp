#include "ui/listenmodell.h"

#include <utility>

TListenModell::TListenModell(QObject* parent) : QAbstractTableModel(parent) {}

TListe TListenModell::setzeListe(TListe neu) {
    beginResetModel();
    std::swap(inhalt, neu);
    endResetModel();
    return neu;
}

int TListenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(inhalt.anzahlZeilen());
}

int TListenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(inhalt.anzahlSpalten());
}

QVariant TListenModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    return inhalt.zelle(index.row(), index.column());
}

QVariant TListenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= inhalt.anzahlSpalten())
        return {};
    return inhalt.spalten[section].titel;
}
