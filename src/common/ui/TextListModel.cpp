#include "TextListModel.h"

#include "base/Cp1252.h"

namespace lumetra {

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return fromCp1252(texts_[static_cast<std::size_t>(index.row())]);
}

}  // namespace lumetra
