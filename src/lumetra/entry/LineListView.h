#pragma once
// A ';'-line list shown as columns of fields: black sunken panel, white text, 16-pixel rows,
// no header, one selected row, and a separate scroll bar that follows the rows.
#include <QObject>
#include <QRect>
#include <vector>

#include "LineListModel.h"
#include "base/DelimitedLineList.h"

class QFrame;
class QScrollBar;
class QTableView;
class QWidget;

namespace lumetra {

class LineListView : public QObject {
    Q_OBJECT
public:
    // Column n shows field n; a width of 0 hides the column. Controls are children of `parent`.
    LineListView(QWidget* parent, const DelimitedLineList& list, const std::vector<int>& columnWidths,
                 const QString& name, const QRect& panel, const QRect& scrollBar);

    // After the list changed: rows, scroll range; the selection is dropped.
    void refresh();
    int selectedRow() const;  // -1 when none
    void selectRow(int row);

    QTableView* view() const { return view_; }
    QScrollBar* scrollBar() const { return scrollBar_; }
    // The row's rectangle in the view's viewport (tests click into it).
    QRect rowRect(int row) const;

signals:
    void rowClicked(int row);
    void rowDoubleClicked(int row);

private:
    void scrollBarMoved(int value);
    void setScrollValue(int value);

    const DelimitedLineList& list_;
    LineListModel* model_;
    QFrame* panel_;
    QTableView* view_;
    QScrollBar* scrollBar_;
    int firstVisibleColumn_ = 0;
};

}  // namespace lumetra
