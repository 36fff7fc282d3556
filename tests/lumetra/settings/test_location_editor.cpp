#include <QComboBox>
#include <QScrollBar>
#include <QTableView>

#include "lumetra/settings/WindowFixture.h"

using namespace lumetra;

namespace {

const std::string kBerlin = "Berlin;1,9;3,6;7,2;10,9;14,2;14,9;14,6;12,4;8,7;5,6;2,4;1,6;890";
const std::string kBonn = "Bonn;2;2;2;2;2;2;2;2;2;2;2;2;700";

class LocationEditorTest : public test::WindowTest {
protected:
    QTableView* list() { return control<QTableView>(editor.get(), "locationList"); }
    int rows() { return list()->model()->rowCount(); }
    QString cell(int row, int column) { return list()->model()->index(row, column).data().toString(); }
    QComboBox* location() { return control<QComboBox>(settings.get(), "locationField"); }
    void fill(const QString& name, const QString& month, const QString& yield) {
        field(editor.get(), "nameField")->setText(name);
        for (int m = 1; m <= 12; ++m)
            field(editor.get(), QString("monthField%1").arg(m).toLatin1().constData())->setText(month);
        field(editor.get(), "yieldField")->setText(yield);
    }
    QStringList names() {
        QStringList out;
        for (int i = 0; i < location()->count(); ++i) out << location()->itemText(i);
        return out;
    }
};

TEST_F(LocationEditorTest, WindowAndList) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n" + kBonn + "\r\n");
    create();
    EXPECT_EQ(editor->objectName(), "TForm3");
    EXPECT_EQ(editor->windowTitle(), "Lumetra - Globalstrahlung");
    EXPECT_EQ(editor->size(), QSize(670, 368));
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(list()->model()->columnCount(), 14);
    EXPECT_EQ(cell(0, 6), "14,9");
    EXPECT_EQ(cell(1, 0), "Bonn");
    EXPECT_EQ(list()->columnWidth(0), 150);
    EXPECT_EQ(list()->columnWidth(13), 50);
    EXPECT_EQ(field(editor.get(), "monthField3")->text(), "0");
    EXPECT_EQ(control<QScrollBar>(editor.get(), "ScrollBar1")->maximum(), 1);
}

TEST_F(LocationEditorTest, AddWithoutFileCreatesItAndRefillsTheSettingsList) {
    create();
    QTest::keyClicks(location()->lineEdit(), "Getippt");
    click(editor.get(), "addButton");  // no name: nothing
    EXPECT_FALSE(dir.exists("DATA/GLOBAL.DAT"));

    fill("München", "8,5", "950");
    click(editor.get(), "addButton");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"),
              cp1252FromUtf8("München;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;8,5;950\r\n"));
    EXPECT_EQ(names(), QStringList{"München"});
    EXPECT_EQ(location()->currentText(), "Getippt");
    EXPECT_EQ(field(editor.get(), "nameField")->text(), "");
    EXPECT_EQ(field(editor.get(), "monthField12")->text(), "0");
    EXPECT_EQ(field(editor.get(), "yieldField")->text(), "0");
    EXPECT_EQ(rows(), 1);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(LocationEditorTest, ChangeBeforeAnyClickChangesTheFirstRow) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n" + kBonn + "\r\n");
    dir.write("LUMETRA.INI", "[SET]\r\nSTANDORT=Berlin\r\n");
    create();
    fill("Köln", "1", "800");
    click(editor.get(), "changeButton");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"),
              cp1252FromUtf8("Köln;1;1;1;1;1;1;1;1;1;1;1;1;800\r\n") + kBonn + "\r\n");
    EXPECT_EQ(names(), (QStringList{"Köln", "Bonn"}));
    EXPECT_EQ(cell(0, 0), "Köln");
    EXPECT_EQ(field(editor.get(), "nameField")->text(), "Köln");  // the fields keep their content
    // The chosen location is gone from the table, but its values stay in use.
    EXPECT_EQ(location()->currentText(), "Berlin");
    EXPECT_EQ(context.evaluation.averageYield, 890);
}

TEST_F(LocationEditorTest, DoubleClickCopiesAndChangeUsesTheRememberedRow) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n" + kBonn + "\r\n");
    create();
    editor->ListDblClick(1);
    EXPECT_EQ(editor->rememberedRow(), 1);
    EXPECT_EQ(field(editor.get(), "nameField")->text(), "Bonn");
    EXPECT_EQ(field(editor.get(), "yieldField")->text(), "700");
    EXPECT_EQ(control<QScrollBar>(editor.get(), "ScrollBar1")->value(), 1);
    field(editor.get(), "yieldField")->setText("750");
    click(editor.get(), "changeButton");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"), kBerlin + "\r\nBonn;2;2;2;2;2;2;2;2;2;2;2;2;750\r\n");
}

TEST_F(LocationEditorTest, DeleteRemovesTheSelectedRow) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n" + kBonn + "\r\n");
    create();
    click(editor.get(), "deleteButton");  // nothing selected: written unchanged
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"), kBerlin + "\r\n" + kBonn + "\r\n");
    control<QScrollBar>(editor.get(), "ScrollBar1")->setValue(1);  // selects row 1
    click(editor.get(), "deleteButton");
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT"), kBerlin + "\r\n");
    EXPECT_EQ(names(), QStringList{"Berlin"});
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(control<QScrollBar>(editor.get(), "ScrollBar1")->maximum(), 0);
}

TEST_F(LocationEditorTest, SecondRowOfANameIsUsedAtTheNextTakeOver) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n");
    create();
    fill("Berlin", "5", "1000");
    click(editor.get(), "addButton");
    QTest::keyClicks(location()->lineEdit(), "Berlin");
    EXPECT_EQ(context.evaluation.monthlyPercentages[0], 5.0);
    EXPECT_EQ(context.evaluation.averageYield, 1000);
}

// A big table goes through the list's model; picking, copying, changing and deleting rows
// work on it as on a short one, and a selection stays where it was when the table changes.
TEST_F(LocationEditorTest, ManyRowsShowThroughTheModel) {
    constexpr int kRows = 20000;
    std::string table;
    for (int row = 0; row < kRows; ++row)
        table += "Ort " + std::to_string(row) + ";1;2;3;4;5;6;7;8;9;10;11;12;900\r\n";
    dir.write("DATA/GLOBAL.DAT", table);
    create();
    ASSERT_EQ(rows(), kRows);
    EXPECT_EQ(cell(kRows - 1, 0), QString("Ort %1").arg(kRows - 1));
    EXPECT_EQ(list()->model()->index(7, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::white));

    auto* scrollBar = control<QScrollBar>(editor.get(), "ScrollBar1");
    EXPECT_EQ(scrollBar->maximum(), kRows - 1);
    scrollBar->setValue(12345);
    EXPECT_EQ(list()->currentIndex().row(), 12345);
    EXPECT_EQ(list()->selectionModel()->selectedRows().size(), 1);

    editor->ListDblClick(4);
    EXPECT_EQ(field(editor.get(), "nameField")->text(), "Ort 4");
    field(editor.get(), "nameField")->setText("Neu");
    click(editor.get(), "changeButton");
    EXPECT_EQ(cell(4, 0), "Neu");
    EXPECT_EQ(list()->currentIndex().row(), 4);  // picked, and kept across the change

    click(editor.get(), "deleteButton");
    EXPECT_EQ(rows(), kRows - 1);
    EXPECT_EQ(cell(4, 0), "Ort 5");
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(LocationEditorTest, PictureShowsWhiteRowsOnBlackAndTheCopiedRow) {
    dir.write("DATA/GLOBAL.DAT", kBerlin + "\r\n" + kBonn + "\r\n");
    create();
    editor->ListDblClick(0);
    const QImage shot = picture(editor.get(), "location_editor.png");

    // The list panel (8, 192): black below the rows, "Bonn" white in the second row.
    EXPECT_EQ(shot.pixel(300, 300), qRgb(0, 0, 0));
    EXPECT_GT(countPixels(shot, QRect(10, 210, 50, 16), light), 10);
    // The double click copied "Berlin" into the name field (64, 40).
    EXPECT_GT(countPixels(shot, QRect(66, 43, 40, 14), dark), 10);
}

}  // namespace
