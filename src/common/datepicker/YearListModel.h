#pragma once
// The year field's list: the lines of JAHRE.DAT as they stand, converted when shown. A combo
// box's own items cost hundreds of bytes each, too much for a file of millions of lines.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace lumetra {

class YearListModel : public QAbstractListModel {
    Q_OBJECT
public:
    YearListModel(std::vector<std::string> years, QObject* parent)
        : QAbstractListModel(parent), years_(std::move(years)) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> years_;
};

}  // namespace lumetra
