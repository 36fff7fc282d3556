#pragma once
// A combo box's list of Windows-1252 texts, converted when shown. The box's own items cost
// hundreds of bytes each, too much for a JAHRE.DAT or GLOBAL.DAT of millions of lines.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace lumetra {

class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    TextListModel(std::vector<std::string> texts, QObject* parent)
        : QAbstractListModel(parent), texts_(std::move(texts)) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> texts_;
};

}  // namespace lumetra
