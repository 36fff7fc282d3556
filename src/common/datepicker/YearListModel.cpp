#include "YearListModel.h"

#include "base/Cp1252.h"

namespace lumetra {

int YearListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(years_.size());
}

QVariant YearListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return fromCp1252(years_[static_cast<std::size_t>(index.row())]);
}

}  // namespace lumetra
