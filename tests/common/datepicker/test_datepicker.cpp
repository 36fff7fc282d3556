#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "datepicker/DatePickerDialog.h"
#include "datepicker/MonthCalendar.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/TextListModel.h"

using namespace lumetra;

namespace {

const std::string kBadArgument = cp1252FromUtf8("Ungültiges Argument zum Codieren des Datums.");

std::string notAnInteger(const std::string& text) {
    return cp1252FromUtf8("'") + text + cp1252FromUtf8("' ist kein gültiger Integerwert.");
}

class DatePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::qtApp();
        Clock::setToday(Date{2009, 1, 31});
    }
    void TearDown() override { Clock::reset(); }

    DatePickerDialog& makeDialog() {
        dialog_ = std::make_unique<DatePickerDialog>(dir.path(), &target);
        return *dialog_;
    }
    QComboBox* yearBox() { return dialog_->findChild<QComboBox*>("yearBox"); }
    QComboBox* monthBox() { return dialog_->findChild<QComboBox*>("monthBox"); }
    MonthCalendar* calendar() { return dialog_->findChild<MonthCalendar*>("calendar"); }
    void chooseMonth(int month) { monthBox()->setCurrentIndex(month - 1); }

    test::TempDir dir;
    RecordingReporter reporter;
    std::vector<std::string> accepted;
    FunctionDatePickerTarget target{[this](const std::string& text) { accepted.push_back(text); }};
    std::unique_ptr<DatePickerDialog> dialog_;
};

}  // namespace

TEST_F(DatePickerTest, StartsOnTodayWithDefaultYears) {
    auto& dlg = makeDialog();
    EXPECT_EQ(dlg.objectName(), "TForm11");
    EXPECT_EQ(dlg.windowTitle(), "Datum");
    EXPECT_EQ(dlg.size(), QSize(265, 215));
    EXPECT_EQ(yearBox()->count(), 125);
    EXPECT_EQ(yearBox()->itemText(0), "2024");
    EXPECT_EQ(yearBox()->itemText(124), "1900");
    EXPECT_EQ(yearBox()->currentText(), "2009");
    EXPECT_EQ(monthBox()->currentText(), "Januar");
    EXPECT_EQ(monthBox()->itemText(2), QString::fromUtf8("März"));
    EXPECT_EQ(dlg.model().date(), (Date{2009, 1, 31}));
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(DatePickerTest, YearsFileReplacesTheList) {
    struct Case {
        std::string bytes;
        QStringList years;
    };
    const Case cases[] = {
        {"2010\r\n2008\r\n2009\r\n", {"2010", "2008", "2009"}},
        {"", {}},
        {"2008\r\n\r\n abc", {"2008", "", " abc"}},
    };
    for (const auto& c : cases) {
        dir.write("jahre.dat", c.bytes);  // found without regard to case
        makeDialog();
        QStringList shown;
        for (int i = 0; i < yearBox()->count(); ++i) shown << yearBox()->itemText(i);
        EXPECT_EQ(shown, c.years);
        EXPECT_EQ(yearBox()->currentText(), "2009");
    }
}

// A long JAHRE.DAT is held as its lines, not as one combo item each; choosing from it and
// typing still set the calendar's year.
TEST_F(DatePickerTest, LongYearsFileKeepsTheListAndItsUse) {
    constexpr int kLines = 200000;
    std::string bytes;
    for (int i = 0; i < kLines; ++i) bytes += std::to_string(1900 + i % 125) + "\r\n";
    dir.write("JAHRE.DAT", bytes);
    makeDialog();
    ASSERT_EQ(yearBox()->count(), kLines);
    EXPECT_NE(qobject_cast<TextListModel*>(yearBox()->model()), nullptr);
    EXPECT_EQ(yearBox()->itemText(kLines - 1), QString::number(1900 + (kLines - 1) % 125));
    EXPECT_EQ(yearBox()->currentText(), "2009");
    yearBox()->setCurrentIndex(kLines - 1);
    EXPECT_EQ(dialog_->model().date().year, 1900 + (kLines - 1) % 125);
    yearBox()->setEditText("2011");
    EXPECT_EQ(dialog_->model().date().year, 2011);
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(DatePickerTest, TypingAYearPassesThroughItsPrefixes) {
    dir.write("JAHRE.DAT", "");
    Clock::setToday(Date{2024, 2, 29});
    auto& dlg = makeDialog();
    QLineEdit* edit = yearBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "2008");
    // Year 2 and 200 have no 29 February; 20 and 2008 have.
    EXPECT_EQ(reporter.errors, (std::vector<std::string>{kBadArgument, kBadArgument}));
    EXPECT_EQ(dlg.model().date(), (Date{2008, 2, 29}));
    EXPECT_EQ(yearBox()->currentText(), "2008");
}

TEST_F(DatePickerTest, BadYearTextsKeepTheDate) {
    struct Case {
        const char* text;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"", {notAnInteger("")}},  {"20x8", {notAnInteger("20x8")}}, {"0", {}}, {"-2008", {}},
        {"10000", {kBadArgument}},
    };
    auto& dlg = makeDialog();
    for (const auto& c : cases) {
        reporter.errors.clear();
        yearBox()->setEditText(c.text);
        EXPECT_EQ(reporter.errors, c.errors) << c.text;
        EXPECT_EQ(dlg.model().date(), (Date{2009, 1, 31})) << c.text;
        EXPECT_EQ(yearBox()->currentText(), c.text);
    }
}

TEST_F(DatePickerTest, MonthChangeToAMissingDayIsRefused) {
    auto& dlg = makeDialog();
    chooseMonth(2);
    EXPECT_EQ(reporter.errors, std::vector<std::string>{kBadArgument});
    EXPECT_EQ(dlg.model().date(), (Date{2009, 1, 31}));
    EXPECT_EQ(monthBox()->currentText(), "Februar");

    reporter.errors.clear();
    chooseMonth(1);
    QTest::mouseClick(calendar(), Qt::LeftButton, {}, calendar()->dayRect(28).center());
    chooseMonth(2);
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_EQ(dlg.model().date(), (Date{2009, 2, 28}));

    monthBox()->setEditText("Feb");  // not an entry: nothing changes
    EXPECT_EQ(dlg.model().date(), (Date{2009, 2, 28}));
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(DatePickerTest, OkSendsTheTwoDigitTextAndHides) {
    auto& dlg = makeDialog();
    dlg.show();
    yearBox()->setEditText("2009");
    chooseMonth(3);
    dlg.calendarClick(5);
    dlg.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(accepted, std::vector<std::string>{"05.03.2009"});
    EXPECT_FALSE(dlg.isVisible());

    // A short year is not padded.
    yearBox()->setEditText("800");
    dlg.okButtonClick();
    EXPECT_EQ(accepted.back(), "05.03.800");
}

TEST_F(DatePickerTest, AbbruchChangesNothingAndStateSurvivesShowing) {
    auto& dlg = makeDialog();
    dlg.show();
    dlg.calendarClick(12);
    dlg.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(accepted.empty());
    dlg.show();
    EXPECT_EQ(dlg.model().date(), (Date{2009, 1, 12}));
}

TEST_F(DatePickerTest, CalendarGridAndClicks) {
    auto& dlg = makeDialog();
    yearBox()->setEditText("2011");  // January 2011 starts on a Saturday and needs six rows
    const DatePickerModel& m = dlg.model();
    EXPECT_EQ(DatePickerModel::headerText(0), "So");
    EXPECT_EQ(DatePickerModel::headerText(6), "Sa");
    EXPECT_EQ(m.dayAt(1, 5), 0);
    EXPECT_EQ(m.dayAt(1, 6), 1);
    EXPECT_EQ(m.dayAt(6, 1), 31);
    EXPECT_EQ(m.dayAt(6, 2), 0);
    EXPECT_EQ(m.dayAt(0, 0), 0);

    MonthCalendar* cal = calendar();
    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->cellRect(1, 0).center());  // empty cell
    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->cellRect(0, 3).center());  // weekday row
    EXPECT_EQ(m.date(), (Date{2011, 1, 31}));
    QTest::mouseDClick(cal, Qt::LeftButton, {}, cal->dayRect(7).center());
    EXPECT_EQ(accepted, std::vector<std::string>{"07.01.2011"});
}
