#include "settings/LocationTableModel.h"

#include <QBrush>

#include "base/Cp1252.h"

namespace lumetra {

LocationTableModel::LocationTableModel(const LocationTable& table, int columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(columns), rows_(table.count()) {}

int LocationTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int LocationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant LocationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.count()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return fromCp1252(table_.field(index.row(), index.column()));
        case Qt::ForegroundRole:
            return QBrush(Qt::white);
        default:
            return {};
    }
}

void LocationTableModel::refresh() {
    const int count = table_.count();
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    } else if (count < rows_) {
        beginRemoveRows({}, count, rows_ - 1);
        rows_ = count;
        endRemoveRows();
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

}  // namespace lumetra
