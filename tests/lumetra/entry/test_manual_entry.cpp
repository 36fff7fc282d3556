#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "EntryFixture.h"
#include "entry/LineListView.h"
#include "entry/ManualEntry.h"
#include "entry/ManualEntryDialog.h"
#include "entry/PurposeDatePickerTarget.h"

using namespace lumetra;
using namespace lumetra::test;

namespace {

using Lines = std::vector<std::string>;

class ManualEntryTest : public EntryFixture {
protected:
    ManualEntry entry{context};
};

}  // namespace

TEST_F(ManualEntryTest, AddAppendsSavesAndRefusesTheSameDayTwice) {
    writeData("20080410;10.04.2008;4\r\n");
    ASSERT_TRUE(entry.fillFromFileIfExists());
    EntryFields f{"15.04.2008", "12,5"};
    entry.add(f);
    EXPECT_EQ(f.energy, "0");
    EXPECT_EQ(f.date, "15.04.2008");
    const std::string saved = "20080410;10.04.2008;4\r\n20080415;15.04.2008;12,5\r\n";
    EXPECT_EQ(data(), saved);

    f.energy = "99";
    entry.add(f);
    EXPECT_EQ(context.yields.count(), 2);
    EXPECT_EQ(data(), saved);
    EXPECT_EQ(f.energy, "99");  // refused before the field is reset
}

TEST_F(ManualEntryTest, EarlierDayStaysAtTheEndUntilTheNextFill) {
    writeData("20080410;10.04.2008;4\r\n20080412;12.04.2008;5\r\n");
    entry.fillFromFileIfExists();
    EntryFields f{"01.04.2008", "1"};
    entry.add(f);
    EXPECT_EQ(context.yields.line(2), "20080401;01.04.2008;1");
    EXPECT_EQ(data(), "20080410;10.04.2008;4\r\n20080412;12.04.2008;5\r\n20080401;01.04.2008;1\r\n");
    entry.fillFromFileIfExists();
    EXPECT_EQ(context.yields.line(0), "20080401;01.04.2008;1");
}

TEST_F(ManualEntryTest, EnergyIsStoredAsTypedAndEmptyAsZero) {
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {{"12,5", "12,5"}, {"", "0"}, {"007", "007"}};
    int day = 1;
    for (const auto& c : cases) {
        EntryFields f{"0" + std::to_string(day++) + ".05.2008", c.typed};
        entry.add(f);
        EXPECT_EQ(context.yields.field(context.yields.count() - 1, DailyYieldList::Leistung), c.stored);
    }
}

TEST_F(ManualEntryTest, InvalidDateIsRefusedButEmptyEnergyIsAlreadyZero) {
    for (const char* text : {"", "32.01.2008", "29.02.2009"}) {
        EntryFields f{text, ""};
        try {
            entry.add(f);
            ADD_FAILURE() << text;
        } catch (const LumetraError& e) {
            EXPECT_EQ(completeErrorText(e.what()), notADate(text));
        }
        EXPECT_EQ(f.energy, "0");
    }
    EXPECT_EQ(context.yields.count(), 0);
    EXPECT_FALSE(dir.exists("DATA/DATEN.DAT"));
}

TEST_F(ManualEntryTest, ChangeKeepsTheOldIdAndSortsByItAfterTheNextFill) {
    writeData("20080410;10.04.2008;4\r\n20080412;12.04.2008;5\r\n");
    entry.fillFromFileIfExists();
    EntryFields f;
    entry.rowDoubleClicked(0, f);
    EXPECT_EQ(f.date, "10.04.2008");
    EXPECT_EQ(f.energy, "4");
    f = {"20.04.2008", ""};
    entry.change(f);
    EXPECT_EQ(f.energy, "0");
    EXPECT_EQ(data(), "20080410;20.04.2008;0\r\n20080412;12.04.2008;5\r\n");
    entry.fillFromFileIfExists();
    EXPECT_EQ(context.yields.line(0), "20080410;20.04.2008;0");

    // An empty date field changes nothing; a vanished row changes no line but still saves.
    f = {"", "1"};
    entry.change(f);
    EXPECT_EQ(context.yields.line(0), "20080410;20.04.2008;0");
    entry.rowClicked(1);
    entry.remove(1);
    entry.change(f = {"01.01.2008", "1"});
    EXPECT_EQ(data(), "20080410;20.04.2008;0\r\n");
}

TEST_F(ManualEntryTest, AddAndChangeRefuseTextsTheEvaluationCannotRead) {
    writeData("20080410;10.04.2008;4\r\n");
    entry.fillFromFileIfExists();
    struct Case {
        EntryFields fields;
        std::string message;
    };
    const Case cases[] = {
        {{"31.04.2008", "1"}, notADate("31.04.2008")},
        {{"1 .04.2008", "1"}, notADate("1 .04.2008")},
        {{"11.04.2008", ","}, cp1252FromUtf8("',' ist kein gültiger Gleitkommawert.")},
    };
    for (const auto& c : cases) {
        for (bool adding : {true, false}) {
            EntryFields f = c.fields;
            try {
                adding ? entry.add(f) : entry.change(f);
                ADD_FAILURE() << c.fields.date << " " << c.fields.energy;
            } catch (const LumetraError& e) {
                EXPECT_EQ(completeErrorText(e.what()), c.message);
            }
        }
    }
    EXPECT_EQ(context.yields.lines(), std::vector<std::string>{"20080410;10.04.2008;4"});
    EXPECT_EQ(data(), "20080410;10.04.2008;4\r\n");
}

TEST_F(ManualEntryTest, DeleteWithoutSelectionWritesTheUnchangedList) {
    writeData("20080412;12.04.2008;5\n20080410;10.04.2008;4");  // LF, unsorted, no final line end
    entry.fillFromFileIfExists();
    entry.remove(-1);
    EXPECT_EQ(data(), "20080410;10.04.2008;4\r\n20080412;12.04.2008;5\r\n");
    entry.remove(0);
    EXPECT_EQ(data(), "20080412;12.04.2008;5\r\n");
}

TEST_F(ManualEntryTest, ButtonStatesFollowTheClicks) {
    EXPECT_EQ(entry.buttons(), (EntryButtons{true, false, false}));
    context.yields.appendLine("20080410;10.04.2008;4");
    EntryFields f{"10.04.2008", "4"};
    entry.rowClicked(0);
    EXPECT_EQ(entry.buttons(), (EntryButtons{false, false, true}));
    entry.rowDoubleClicked(-1, f);  // no row: nothing
    EXPECT_EQ(entry.buttons(), (EntryButtons{false, false, true}));
    entry.rowDoubleClicked(0, f);
    EXPECT_EQ(entry.buttons(), (EntryButtons{false, true, false}));
    entry.neu(f);
    EXPECT_EQ(entry.buttons(), (EntryButtons{true, false, false}));
    EXPECT_EQ(f.date, "20.04.2008");
    EXPECT_EQ(f.energy, "0");
}

TEST_F(ManualEntryTest, FailedSaveKeepsTheChangeInTheList) {
    context.dirs.data = dir.file("missing");
    EntryFields f{"15.04.2008", "3"};
    try {
        entry.add(f);
        FAIL();
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Datei " + dir.file("missing/DATEN.DAT") + " kann nicht erstellt werden");
    }
    EXPECT_EQ(context.yields.count(), 1);
}

// ---- the dialog

namespace {

class ManualEntryDialogTest : public EntryFixture {
protected:
    ManualEntryDialog& makeDialog() {
        dialog = std::make_unique<ManualEntryDialog>(context);
        return *dialog;
    }
    QLineEdit* edit(const char* name) { return dialog->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return dialog->findChild<QPushButton*>(name); }
    std::string buttonStates() {
        std::string s;
        for (const char* name : {"addButton", "changeButton", "deleteButton"})
            s += button(name)->isEnabled() ? '1' : '0';
        return s;
    }
    void clickRow(int row, bool twice = false) {
        QTableView* view = dialog->list().view();
        const QPoint at = dialog->list().rowRect(row).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        // A double click is a press whose item the view saw pressed first.
        if (twice) {
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        }
    }

    std::unique_ptr<ManualEntryDialog> dialog;
};

}  // namespace

TEST_F(ManualEntryDialogTest, CreationFillsTheListAndShowsToday) {
    writeData("20080412;12.04.2008;5\r\n20080410;10.04.2008;4\r\n");
    auto& dlg = makeDialog();
    EXPECT_EQ(dlg.objectName(), "TForm5");
    EXPECT_EQ(dlg.windowTitle(), "Lumetra - Datenerfassung");
    EXPECT_EQ(dlg.size(), QSize(300, 239));
    EXPECT_EQ(context.yields.line(0), "20080410;10.04.2008;4");
    EXPECT_EQ(dlg.list().view()->model()->rowCount(), 2);
    EXPECT_TRUE(dlg.list().view()->isColumnHidden(0));
    EXPECT_EQ(edit("dateEdit")->text(), "20.04.2008");
    EXPECT_EQ(edit("energyEdit")->text(), "0");
    EXPECT_EQ(buttonStates(), "100");
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(ManualEntryDialogTest, ClicksAndButtonsWorkThroughTheWidgets) {
    writeData("20080410;10.04.2008;4\r\n20080412;12.04.2008;5\r\n");
    auto& dlg = makeDialog();
    dlg.show();
    clickRow(1);
    EXPECT_EQ(buttonStates(), "001");
    EXPECT_EQ(dlg.list().scrollBar()->value(), 1);
    clickRow(0, true);
    EXPECT_EQ(buttonStates(), "010");
    EXPECT_EQ(edit("dateEdit")->text(), "10.04.2008");
    EXPECT_EQ(edit("energyEdit")->text(), "4");

    edit("energyEdit")->setText("6,5");
    button("changeButton")->click();
    EXPECT_EQ(data(), "20080410;10.04.2008;6,5\r\n20080412;12.04.2008;5\r\n");

    button("newButton")->click();
    EXPECT_EQ(buttonStates(), "100");
    edit("dateEdit")->setText("11.04.2008");
    edit("energyEdit")->setText("12,5");
    button("addButton")->click();
    EXPECT_EQ(dlg.list().view()->model()->rowCount(), 3);
    EXPECT_EQ(edit("energyEdit")->text(), "0");
    EXPECT_EQ(edit("dateEdit")->text(), "11.04.2008");

    clickRow(2);
    button("deleteButton")->click();
    EXPECT_EQ(data(), "20080410;10.04.2008;6,5\r\n20080412;12.04.2008;5\r\n");
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(ManualEntryDialogTest, InvalidOrEmptyDateFieldIsReported) {
    makeDialog();
    edit("dateEdit")->setText("31.04.2008");
    button("addButton")->click();
    edit("dateEdit")->clear();  // only the mask's separators remain
    button("addButton")->click();
    edit("dateEdit")->setFocus();
    edit("dateEdit")->setCursorPosition(0);
    QTest::keyClicks(edit("dateEdit"), "1");
    edit("dateEdit")->setCursorPosition(3);
    QTest::keyClicks(edit("dateEdit"), "042008");  // day half typed
    button("addButton")->click();
    EXPECT_EQ(reporter.errors,
              (std::vector<std::string>{notADate("31.04.2008"), notADate(""), notADate("1 .04.2008")}));
    EXPECT_EQ(context.yields.count(), 0);
}

TEST_F(ManualEntryDialogTest, OpeningRefillsFromTheFileWhenItExists) {
    auto& dlg = makeDialog();
    context.yields.appendLine("kept");
    dlg.openFromMainWindow();  // no file: the list stays
    EXPECT_EQ(context.yields.lines(), std::vector<std::string>{"kept"});
    EXPECT_TRUE(dlg.isVisible());
    writeData("20080412;12.04.2008;5\r\n20080410;10.04.2008;4\r\n20080411;11.04.2008;4\r\n");
    dlg.openFromMainWindow();
    EXPECT_EQ(context.yields.count(), 3);
    EXPECT_EQ(dlg.list().view()->model()->rowCount(), 3);
    EXPECT_EQ(dlg.list().scrollBar()->maximum(), 2);
}

TEST_F(ManualEntryDialogTest, ScrollBarRangeAndSelection) {
    auto& dlg = makeDialog();
    QScrollBar* bar = dlg.list().scrollBar();
    struct Case {
        int rows;
        int maximum;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{2, 1}, Case{5, 4}}) {
        context.yields.clear();
        for (int i = 0; i < c.rows; ++i) context.yields.appendLine(std::to_string(20080401 + i));
        dlg.list().refresh();
        EXPECT_EQ(bar->maximum(), c.maximum) << c.rows;
        bar->setValue(1);
        EXPECT_EQ(dlg.list().selectedRow(), c.rows >= 2 ? 1 : -1) << c.rows;
        bar->setValue(0);
    }
}

TEST_F(ManualEntryDialogTest, OkEvaluatesAndHidesWhileTheFrameCloseDoesNot) {
    auto& dlg = makeDialog();
    dlg.show();
    dlg.close();
    EXPECT_TRUE(main.calls.empty());
    dlg.show();
    dlg.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(main.calls, std::vector<std::string>{"WeiterBerechnung"});
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ManualEntryDialogTest, PickerResultGoesWhereThePurposeSays) {
    auto& dlg = makeDialog();
    QWidget picker;
    dlg.setDatePicker(&picker);
    PurposeDatePickerTarget target(context, &dlg);

    dlg.findChild<QPushButton*>("pickerButton")->click();
    EXPECT_EQ(context.datePickerPurpose, "Kalender");
    EXPECT_TRUE(picker.isVisible());
    target.acceptDate("05.03.2009");
    EXPECT_EQ(edit("dateEdit")->text(), "05.03.2009");
    EXPECT_TRUE(main.calls.empty());

    context.datePickerPurpose = "Tagesdatum";
    target.acceptDate("06.03.2009");
    EXPECT_EQ(main.calls, (std::vector<std::string>{"Label1 06.03.2009", "WeiterBerechnung"}));
    EXPECT_EQ(edit("dateEdit")->text(), "05.03.2009");

    context.datePickerPurpose = "anders";
    target.acceptDate("07.03.2009");
    EXPECT_EQ(main.calls.size(), 2u);
    EXPECT_EQ(edit("dateEdit")->text(), "05.03.2009");
}
