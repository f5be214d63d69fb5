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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole &&
                             role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    return inhalt.zelle(index.row(), index.column());
}

QVariant TListenModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= inhalt.anzahlSpalten())
        return {};
    return inhalt.spalten[section].titel;
}

Qt::ItemFlags TListenModell::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == editierbar)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TListenModell::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != editierbar ||
        index.row() >= inhalt.anzahlZeilen())
        return false;
    QStringList& zeile = inhalt.zeilen[index.row()];
    while (zeile.size() <= index.column())
        zeile.append(QString());
    zeile[index.column()] = value.toString();
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
