// The desktop program started as a user starts it, on 100,000 daily yields (about 274 years
// up to yesterday), driven through its main window's buttons. How long each step takes is
// bench/bench_load.cpp's.
#include <gtest/gtest.h>

#include <QDate>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <map>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "chart/TLedBitmapButton.h"
#include "mainwindow/LumetraApp.h"
#include "mainwindow/MainWindow.h"
#include "reporting/StatisticsDialog.h"
#include "support/AppWorkingDir.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

constexpr int kLines = 100000;

struct YearMonth {
    int year, month;
    auto operator<=>(const YearMonth&) const = default;
};

// The yield file and, computed apart from the program, each month's total in hundredths.
struct YieldFile {
    std::string bytes;
    std::map<YearMonth, long long> monthCents;
    std::map<QDate, std::string> dayTexts;
};

YieldFile makeYieldFile(QDate last) {
    YieldFile file;
    file.bytes.reserve(kLines * 26);
    QDate day = last.addDays(1 - kLines);
    char energy[32], line[128];
    for (int i = 0; i < kLines; ++i, day = day.addDays(1)) {
        const long long cents = i * 7919LL % 5000;  // 0,00 … 49,99 kWh
        std::snprintf(energy, sizeof energy, "%lld,%02lld", cents / 100, cents % 100);
        std::snprintf(line, sizeof line, "%04d%02d%02d;%02d.%02d.%04d;%s\r\n", day.year(), day.month(),
                      day.day(), day.day(), day.month(), day.year(), energy);
        file.bytes += line;
        file.monthCents[{day.year(), day.month()}] += cents;
        file.dayTexts[day] = energy;
    }
    return file;
}

// As the statistics window shows an energy: two decimals, right-aligned in 8, " kWh".
std::string kwhText(long long cents) {
    char text[64];
    std::snprintf(text, sizeof text, "%5lld.%02lld kWh", cents / 100, cents % 100);
    return text;
}

class LoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.mkdir("DATA");
        yields = makeYieldFile(QDate(2024, 5, 19));
        dir.write("DATA/DATEN.DAT", yields.bytes);
    }

    template <typename Control>
    void click(MainWindow* main, const char* name) {
        auto* control = main->findChild<Control*>(name);
        if (!control) {
            ADD_FAILURE() << "no control " << name;
            return;
        }
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    test::TempDir dir;
    test::AppWorkingDir enter{dir};
    YieldFile yields;
};

TEST_F(LoadTest, MonthsAndYearsStepThroughAndTheYieldsStayWhole) {
    LumetraApp lumetra;
    lumetra.start();
    MainWindow* main = lumetra.mainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(lumetra.statistics(), nullptr);
    ASSERT_EQ(lumetra.context().yields.count(), kLines);
    const EvaluationState& state = lumetra.context().evaluation;
    auto statistic = [&](Figure figure) { return lumetra.statistics()->figureText(figure); };

    // Back to January, then forward through December: every month of 2024 once.
    for (int step = 0; step < 4; ++step) click<TLedBitmapButton>(main, "LedBitmapButton9");
    ASSERT_EQ(state.selectedMonth, 1);
    for (int month = 2; month <= 12; ++month) {
        click<TLedBitmapButton>(main, "LedBitmapButton1");
        ASSERT_EQ(state.selectedMonth, month);
    }
    // December 2024 lies after the last yield.
    EXPECT_EQ(statistic(Figure::MonthEnergy), kwhText(0));

    // Two years back, in the month view: December 2022 is a whole month of yields.
    for (int step = 0; step < 2; ++step) click<TLedBitmapButton>(main, "LedBitmapButton2");
    ASSERT_EQ(state.selectedYear, 2022);
    const long long december = yields.monthCents.at({2022, 12});
    EXPECT_EQ(statistic(Figure::MonthEnergy), kwhText(december));
    long long year2022 = 0;
    for (int m = 1; m <= 12; ++m) year2022 += yields.monthCents.at({2022, m});
    EXPECT_EQ(statistic(Figure::YearEnergy), kwhText(year2022));
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(state.dayValueTexts[static_cast<std::size_t>(day)],
                  yields.dayTexts.at(QDate(2022, 12, day)))
            << "day " << day;

    // The year view of this year, then two years back and forward again.
    click<QPushButton>(main, "JahrButton");
    ASSERT_EQ(state.selectedYear, 2024);
    for (int step = 0; step < 2; ++step) click<TLedBitmapButton>(main, "LedBitmapButton2");
    ASSERT_EQ(state.selectedYear, 2022);
    for (int m = 1; m <= 12; ++m) {
        // Bars are the monthly sums per kWp, truncated; a sum of whole kWh may land just below.
        const long long cents = yields.monthCents.at({2022, m});
        const int bar = main->chart()->Items(m - 1).Value();
        EXPECT_TRUE(bar == cents / 100 || (cents % 100 == 0 && bar == cents / 100 - 1))
            << "month " << m << ": bar " << bar << ", sum " << cents;
    }
    EXPECT_EQ(statistic(Figure::YearEnergy), kwhText(year2022));
    for (int step = 0; step < 2; ++step) click<TLedBitmapButton>(main, "LedBitmapButton3");
    ASSERT_EQ(state.selectedYear, 2024);
    click<QPushButton>(main, "MonatButton");
    EXPECT_EQ(state.selectedMonth, 5);

    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
    EXPECT_EQ(lumetra.context().yields.count(), kLines);
    EXPECT_TRUE(dir.read("DATA/DATEN.DAT") == yields.bytes) << "DATEN.DAT changed";

    // Closing backs the data directory up into the working directory: a whole copy.
    click<QPushButton>(main, "ProgrammendeButton");
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(dir.read("DATA/DATEN.DAT") == yields.bytes) << "DATEN.DAT changed on close";
    EXPECT_TRUE(dir.read("DATEN.DAT") == yields.bytes) << "the backup differs";
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
}

}  // namespace
