#pragma once
// The rows of a ';'-line list as table cells. A row is split and converted once, when a cell
// of it is first asked for, and each field is cut to what a cell can show: a field of many
// megabytes would otherwise be converted whole on every paint.
#include <QAbstractTableModel>
#include <QStringList>
#include <unordered_map>

#include "base/DelimitedLineList.h"

namespace lumetra {

class LineListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // More characters than any cell of these lists is wide in pixels: the view still elides.
    static constexpr qsizetype kMaxCellChars = 256;

    LineListModel(const DelimitedLineList& list, int columns, QObject* parent)
        : QAbstractTableModel(parent), list_(list), columns_(columns) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // After the list changed: forgets the converted rows.
    void reload();

    // Rows split and converted so far (tests).
    int rowsConverted() const { return rowsConverted_; }

private:
    const QStringList& cells(int row) const;

    const DelimitedLineList& list_;
    int columns_;
    // Bounded: scrolling through a long list keeps only the rows last shown.
    mutable std::unordered_map<int, QStringList> rows_;
    mutable int rowsConverted_ = 0;
};

}  // namespace lumetra
