#include "LineListModel.h"

#include <string_view>

#include "base/Cp1252.h"

namespace lumetra {
namespace {

constexpr std::size_t kMaxCachedRows = 512;

}  // namespace

int LineListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.count(); }

int LineListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= list_.count()) return {};
    const QStringList& row = cells(index.row());
    return index.column() < row.size() ? row[index.column()] : QString();
}

void LineListModel::reload() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

const QStringList& LineListModel::cells(int row) const {
    if (auto found = rows_.find(row); found != rows_.end()) return found->second;
    if (rows_.size() >= kMaxCachedRows) rows_.clear();
    // The same fields as lineField: text between separators, empty beyond the last one.
    std::string_view rest = list_.line(row);
    QStringList fields;
    for (int column = 0; column < columns_; ++column) {
        const std::size_t end = rest.find(';');
        const std::string_view field = rest.substr(0, end);
        fields.append(fromCp1252(field.substr(0, static_cast<std::size_t>(kMaxCellChars))));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    ++rowsConverted_;
    return rows_.emplace(row, std::move(fields)).first->second;
}

}  // namespace lumetra
