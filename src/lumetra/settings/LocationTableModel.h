#pragma once
// The location table as the editor's list shows it: one row per GLOBAL.DAT line, one column
// per field, white text. Cells are read from the table when painted, so a table of millions
// of rows costs no item per cell.
#include <QAbstractTableModel>

#include "data/LocationTable.h"

namespace lumetra {

class LocationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    LocationTableModel(const LocationTable& table, int columns, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // After the table changed: rows are added or dropped at the end and every cell is read
    // again, so a selected row stays selected by its place.
    void refresh();

private:
    const LocationTable& table_;
    int columns_;
    int rows_ = 0;
};

}  // namespace lumetra
