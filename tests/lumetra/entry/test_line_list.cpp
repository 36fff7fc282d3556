#include <gtest/gtest.h>

#include <QTableView>
#include <QWidget>

#include "entry/LineListView.h"
#include "support/QtApp.h"

using namespace lumetra;

namespace {

// A CSV line with a field of a megabyte: cells show a cut text, and painting the list again
// converts nothing again.
TEST(LineList, HugeFieldIsConvertedOnceAndCutToACell) {
    test::qtApp();
    const std::string huge(1 << 20, '5');
    DelimitedLineList lines(DelimitedLineList::Order::Unsorted);
    lines.appendLine("01.04.2008;" + huge);
    lines.appendLine("02.04.2008;7;Rest");
    QWidget window;
    window.resize(200, 200);
    LineListView list(&window, lines, {100, 70}, "importList", QRect(8, 8, 175, 153), QRect(183, 8, 17, 153));
    auto* model = qobject_cast<LineListModel*>(list.view()->model());
    ASSERT_NE(model, nullptr);

    window.grab();
    window.grab();
    EXPECT_EQ(model->rowsConverted(), 2);
    const QString cell = model->index(0, 1).data().toString();
    EXPECT_EQ(cell.size(), LineListModel::kMaxCellChars);
    EXPECT_TRUE(QString::fromStdString(huge).startsWith(cell));
    for (int i = 0; i < 3; ++i) model->index(0, 1).data();
    EXPECT_EQ(model->rowsConverted(), 2);

    // Normal fields come whole; a changed list is converted afresh after the refresh.
    EXPECT_EQ(model->index(1, 0).data().toString(), "02.04.2008");
    EXPECT_EQ(model->index(1, 1).data().toString(), "7");
    lines.setField(1, 1, "8,5");
    list.refresh();
    EXPECT_EQ(model->index(1, 1).data().toString(), "8,5");
}

}  // namespace
