#include "LineListView.h"

#include <QFrame>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

#include "ListScroll.h"

namespace lumetra {

LineListView::LineListView(QWidget* parent, const DelimitedLineList& list,
                           const std::vector<int>& columnWidths, const QString& name, const QRect& panel,
                           const QRect& scrollBar)
    : QObject(parent), list_(list) {
    setObjectName(name);
    model_ = new LineListModel(list, static_cast<int>(columnWidths.size()), this);

    panel_ = new QFrame(parent);
    panel_->setObjectName(name + "Panel");
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setLineWidth(2);
    panel_->setAutoFillBackground(true);
    panel_->setStyleSheet("QFrame { background: black; }");
    panel_->setGeometry(panel);

    view_ = new QTableView(panel_);
    view_->setObjectName(name);
    view_->setModel(model_);
    view_->setGeometry(panel_->contentsRect());
    view_->setFrameShape(QFrame::NoFrame);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->horizontalHeader()->hide();
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setMinimumSectionSize(16);
    view_->verticalHeader()->setDefaultSectionSize(16);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->setStyleSheet(
        "QTableView { background: black; color: white; selection-background-color: #000080;"
        " selection-color: white; }");
    for (int column = 0; column < static_cast<int>(columnWidths.size()); ++column) {
        const int width = columnWidths[static_cast<std::size_t>(column)];
        if (width == 0) {
            view_->setColumnHidden(column, true);
            if (firstVisibleColumn_ == column) ++firstVisibleColumn_;
        } else {
            view_->setColumnWidth(column, width);
        }
    }

    scrollBar_ = new QScrollBar(Qt::Vertical, parent);
    scrollBar_->setObjectName(name + "ScrollBar");
    scrollBar_->setGeometry(scrollBar);

    connect(view_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        setScrollValue(index.row());
        emit rowClicked(index.row());
    });
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        setScrollValue(index.row());
        emit rowDoubleClicked(index.row());
    });
    connect(scrollBar_, &QScrollBar::valueChanged, this, &LineListView::scrollBarMoved);
    refresh();
}

void LineListView::refresh() {
    model_->reload();
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setRange(0, listScrollMaximum(list_.count()));
}

int LineListView::selectedRow() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void LineListView::selectRow(int row) {
    if (row < 0 || row >= list_.count()) return;
    view_->selectRow(row);
    view_->scrollTo(model_->index(row, firstVisibleColumn_));
    setScrollValue(row);
}

QRect LineListView::rowRect(int row) const {
    return QRect(0, view_->rowViewportPosition(row), view_->viewport()->width(), view_->rowHeight(row));
}

void LineListView::scrollBarMoved(int value) {
    if (!listScrollSelects(list_.count()) || value >= list_.count()) return;
    view_->selectRow(value);
    view_->scrollTo(model_->index(value, firstVisibleColumn_));
}

void LineListView::setScrollValue(int value) {
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setValue(value);
}

}  // namespace lumetra
