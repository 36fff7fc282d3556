#include <gtest/gtest.h>

#include <cstdio>

#include "RecordingSink.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "evaluation/Evaluation.h"

using namespace lumetra;
using lumetra::test::RecordingSink;

namespace {

// A realistic location: shares of the yearly radiation per month, in percent.
constexpr std::array<double, 12> kShares = {2.6, 4.7, 8.1, 11.3, 13.4, 13.2, 13.6, 11.8, 8.9, 6.1, 3.4, 2.2};

class EvaluationTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::setToday({2024, 5, 20}); }
    void TearDown() override { Clock::reset(); }

    void add(const std::string& date, const std::string& energy) {
        const std::string id =
            date.size() == 10 ? date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2) : "x";
        context.yields.appendLine(id + ";" + date + ";" + energy);
    }
    void select(int month, int year, ViewMode mode = ViewMode::Monat) {
        context.evaluation.selectedMonth = static_cast<std::uint16_t>(month);
        context.evaluation.selectedYear = static_cast<std::uint16_t>(year);
        context.evaluation.viewMode = mode;
        if (mode == ViewMode::Jahr) sink.setColumns(12);
    }
    // Runs the evaluation; returns the error text, empty when it went through.
    std::string evaluate() {
        try {
            evaluation.WeiterBerechnung();
        } catch (const LumetraError& e) {
            return e.what();
        }
        return {};
    }

    AppContext context;
    RecordingSink sink;
    Evaluation evaluation{context, sink};
};

std::string germanNumber(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

TEST_F(EvaluationTest, ColumnsFollowTheMonthLength) {
    struct Case {
        int month, year, columns;
    };
    const Case cases[] = {{2, 2000, 29}, {2, 2100, 28}, {2, 2024, 29},
                          {2, 2023, 28}, {4, 2024, 30}, {12, 2024, 31}};
    for (const auto& c : cases) {
        select(c.month, c.year);
        ASSERT_EQ(evaluate(), "");
        EXPECT_EQ(sink.bars.size(), static_cast<std::size_t>(c.columns)) << c.month << "/" << c.year;
        EXPECT_EQ(context.evaluation.daysOfMonth, c.columns);
        EXPECT_EQ(sink.yearCaption, std::to_string(c.year));
    }
}

TEST_F(EvaluationTest, BerechnungMovesToTodayAndNamesTheMonth) {
    select(1, 1999);
    Clock::setToday({2024, 3, 2});
    evaluation.Berechnung();
    EXPECT_EQ(context.evaluation.selectedMonth, 3);
    EXPECT_EQ(context.evaluation.selectedYear, 2024);
    EXPECT_EQ(sink.monthCaption, cp1252FromUtf8("März"));
    EXPECT_EQ(sink.yearCaption, "2024");
}

// The month's share cancels out: 150, 150 × forecast / 1000, 150 × average / 1000, in every
// month; a quotient just below a whole number may cost one unit.
TEST_F(EvaluationTest, ReferenceLineHeightsAndColoursInEveryMonth) {
    context.evaluation.monthlyPercentages = kShares;
    context.evaluation.forecastYield = 950;  // 142.5
    context.evaluation.averageYield = 880;   // 132
    struct Case {
        ReferenceMode mode;
        int height;
        Rgb colour;
    };
    const Case cases[] = {{ReferenceMode::Kwh1000, 150, {255, 0, 0}},
                          {ReferenceMode::Prognose, 142, {0, 128, 0}},
                          {ReferenceMode::Durchschnitt, 132, {255, 255, 0}}};
    for (const auto& c : cases) {
        context.evaluation.referenceMode = c.mode;
        for (int month = 1; month <= 12; ++month) {
            select(month, 2024);
            ASSERT_EQ(evaluate(), "");
            EXPECT_GE(sink.lineHeight, c.height - 1) << month;
            EXPECT_LE(sink.lineHeight, c.height) << month;
            EXPECT_EQ(sink.lineColour, c.colour);
            EXPECT_FALSE(sink.lineHidden);
        }
    }
}

TEST_F(EvaluationTest, DayAtTheDailyReferenceReachesTheLine) {
    context.evaluation.monthlyPercentages = kShares;
    context.initialSettings.kwpText = "1";
    for (int month = 1; month <= 12; ++month) {
        context.yields.clear();
        const int days = daysInMonth(2024, month);
        const double daily = kShares[static_cast<std::size_t>(month - 1)] / 100.0 * 1000.0 / days;
        add(formatDate({2024, month, 10}), germanNumber(daily));
        select(month, 2024);
        ASSERT_EQ(evaluate(), "");
        EXPECT_EQ(sink.bars[9], sink.lineHeight) << month;
    }
}

TEST_F(EvaluationTest, WorkedExampleOfEveryFigure) {
    // May: 12.4 % of the year over 31 days makes the daily reference 4 kWh/kWp.
    context.evaluation.monthlyPercentages[4] = 12.4;
    context.evaluation.averageYield = 900;  // 3.6 a day
    context.evaluation.forecastYield = 1000;
    context.evaluation.co2Factor = 0.5;
    context.initialSettings.kwpText = "2,5";
    context.initialSettings.euroText = "0,4";
    context.evaluation.selectedDateText = "02.05.2024";
    add("01.05.2024", "10,5");
    add("02.05.2024", "12,1");
    add("15.04.2024", "8");
    add("03.05.2023", "5");
    select(5, 2024);
    ASSERT_EQ(evaluate(), "");

    const std::map<Figure, std::string> expected = {
        {Figure::DayEnergyAverage, "    9.00 kWh"},
        {Figure::MonthEnergyAverage, "  279.00 kWh"},
        {Figure::MonthEnergyAveragePerKwp, "  111.60 kWh"},
        {Figure::DayEnergyForecast, "   10.00 kWh"},
        {Figure::MonthEnergyForecast, "  310.00 kWh"},
        {Figure::MonthEnergyForecastPerKwp, "  124.00 kWh"},
        {Figure::YearEnergyAverage, " 2250.00 kWh"},
        {Figure::YearEnergyForecast, " 2500.00 kWh"},
        {Figure::SelectedDayEnergy, "   12.10 kWh"},
        {Figure::SelectedDate, "am: 02.05.2024"},
        {Figure::MonthEnergy, "   22.60 kWh"},
        {Figure::MonthEnergyPerKwp, "    9.04 kWh"},
        {Figure::MonthMoney, "      9.04 Euro"},
        {Figure::MonthCo2, "   11.30 kg"},
        {Figure::YearEnergy, "   30.60 kWh"},
        {Figure::YearEnergyPerKwp, "   12.24 kWh"},
        {Figure::YearMoney, "     12.24 Euro"},
        {Figure::YearCo2, "   15.30 kg"},
        {Figure::TotalMoney, "     14.24 Euro"},
        {Figure::TotalCo2, "   17.80 kg"},
    };
    EXPECT_EQ(sink.figures, expected);
    // 10.5 / 2.5 = 4.2 kWh/kWp is 1.05 × the reference: 157.5; 12.1 gives 181.5.
    EXPECT_EQ(sink.bars[0], 157);
    EXPECT_EQ(sink.bars[1], 181);
    EXPECT_EQ(sink.bars[2], 0);
    EXPECT_EQ(context.evaluation.dayValueTexts[1], "10,5");
    EXPECT_EQ(context.evaluation.dayValueTexts[2], "12,1");
    EXPECT_EQ(context.evaluation.dayValueTexts[15], "0,00");
    EXPECT_EQ(context.evaluation.plantPower, 2.5);
}

TEST_F(EvaluationTest, TwoLinesOfOneDayCountTwiceButShowTheLater) {
    context.evaluation.selectedDateText = "07.05.2024";
    add("07.05.2024", "3,5");
    add("07.05.2024", "6");
    select(5, 2024);
    ASSERT_EQ(evaluate(), "");
    EXPECT_EQ(sink.figure(Figure::MonthEnergy), "    9.50 kWh");
    EXPECT_EQ(sink.figure(Figure::SelectedDayEnergy), "    6.00 kWh");
    EXPECT_EQ(context.evaluation.dayValueTexts[7], "6");
    // 1 kWp, 0.833 % over 31 days: 150 units are 0.26871 kWh.
    EXPECT_EQ(sink.bars[6], static_cast<int>(150.0 / (0.00833 * 1000.0 / 31) * 6.0));
}

TEST_F(EvaluationTest, SelectedDayMayLieOutsideTheShownMonth) {
    add("24.12.2019", "1,25");
    add("03.05.2024", "2");
    struct Case {
        const char* date;
        const char* text;
    };
    const Case cases[] = {{"24.12.2019", "    1.25 kWh"},
                          {"03.05.2024", "    2.00 kWh"},
                          {"04.05.2024", "    0.00 kWh"},
                          {"3.05.2024", "    0.00 kWh"}};  // the text is compared, not the date
    for (const auto& c : cases) {
        context.evaluation.selectedDateText = c.date;
        select(5, 2024);
        ASSERT_EQ(evaluate(), "");
        EXPECT_EQ(sink.figure(Figure::SelectedDayEnergy), c.text) << c.date;
        EXPECT_EQ(sink.figure(Figure::SelectedDate), std::string("am: ") + c.date);
    }
}

TEST_F(EvaluationTest, ChangingTheMonthLeavesNoStaleBars) {
    add("05.05.2024", "3");
    add("06.07.2024", "3");
    select(5, 2024);
    ASSERT_EQ(evaluate(), "");
    ASSERT_GT(sink.bars[4], 0);
    select(7, 2024);  // as many days as May: the chart keeps its values
    ASSERT_EQ(evaluate(), "");
    for (int i = 0; i < 31; ++i) EXPECT_EQ(sink.bars[static_cast<std::size_t>(i)] > 0, i == 5) << i;
    EXPECT_EQ(context.evaluation.dayValueTexts[5], "0,00");
}

TEST_F(EvaluationTest, EmptyListGivesZeroFiguresWithTheirWidths) {
    select(5, 2024);
    ASSERT_EQ(evaluate(), "");
    for (const auto& [figure, text] : sink.figures) {
        if (figure == Figure::SelectedDate) continue;
        EXPECT_TRUE(text == "    0.00 kWh" || text == "      0.00 Euro" || text == "    0.00 kg")
            << "figure " << static_cast<int>(figure) << " '" << text << "'";
    }
    EXPECT_EQ(sink.figures.size(), static_cast<std::size_t>(kFigureCount));
    for (int bar : sink.bars) EXPECT_EQ(bar, 0);
}

TEST_F(EvaluationTest, YearViewSumsMonthsAndPlacesMarks) {
    context.evaluation.monthlyPercentages = kShares;
    context.evaluation.forecastYield = 950;
    context.evaluation.averageYield = 880;
    context.initialSettings.kwpText = "2";
    add("01.03.2023", "100");
    add("10.03.2023", "51");
    add("31.12.2023", "7,5");
    add("01.03.2022", "40");
    add("1.3.2023", "1000");  // another form: no month, no bar
    select(5, 2023, ViewMode::Jahr);
    ASSERT_EQ(evaluate(), "");
    EXPECT_TRUE(sink.lineHidden);
    const std::vector<int> bars = {0, 0, 75, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    EXPECT_EQ(sink.bars, bars);
    EXPECT_EQ(context.evaluation.monthlySums[2], 151.0);
    EXPECT_EQ(sink.figure(Figure::TotalMoney), "    560.30 Euro");  // 0.4675 × 1198.5

    struct Case {
        ReferenceMode mode;
        std::array<int, 12> marks;
    };
    const Case cases[] = {
        {ReferenceMode::Kwh1000, {26, 47, 81, 113, 134, 132, 136, 118, 89, 61, 34, 22}},
        {ReferenceMode::Prognose, {24, 44, 76, 107, 127, 125, 129, 112, 84, 57, 32, 20}},
        {ReferenceMode::Durchschnitt, {22, 41, 71, 99, 117, 116, 119, 103, 78, 53, 29, 19}},
    };
    for (const auto& c : cases) {
        context.evaluation.referenceMode = c.mode;
        ASSERT_EQ(evaluate(), "");
        for (int m = 1; m <= 12; ++m) {
            // Shares like 4.7 % are a hair off in binary: allow the one lower.
            const int want = c.marks[static_cast<std::size_t>(m - 1)];
            EXPECT_GE(sink.marks[static_cast<std::size_t>(m)], want - 1) << m;
            EXPECT_LE(sink.marks[static_cast<std::size_t>(m)], want) << m;
        }
    }
}

TEST_F(EvaluationTest, YearWithoutLinesIsAllZero) {
    add("01.03.2023", "100");
    select(5, 2021, ViewMode::Jahr);
    ASSERT_EQ(evaluate(), "");
    EXPECT_EQ(sink.bars, std::vector<int>(12, 0));
    EXPECT_EQ(sink.figure(Figure::YearEnergy), "    0.00 kWh");
    EXPECT_EQ(sink.figure(Figure::TotalMoney), "     46.75 Euro");
}

// A bad line ends the run where it is: earlier bars and the reference figures stay, the
// month and year figures keep their previous texts.
TEST_F(EvaluationTest, BadLineStopsTheRunAndKeepsWhatWasSet) {
    struct Case {
        std::string line, message;
        bool stopsYearView;
    };
    const Case cases[] = {
        {"20240502;02.05.2024;zwölf", formatMessage(msg::NotAFloat, cp1252FromUtf8("zwölf")), true},
        {"", formatMessage(msg::NotAFloat, ""), true},
        {"20240532;32.05.2024;1", formatMessage(msg::NotADate, "32.05.2024"), true},
        {"x;2024-05-02;1", formatMessage(msg::NotADate, "2024-05-02"), true},
        {"20240501;1.5.2024;1", formatMessage(msg::NotAnInteger, "1."), false},
        {"20240501;01.5.2024;1", formatMessage(msg::NotAnInteger, "5."), false},
        {"x;1.5;1", formatMessage(msg::NotAnInteger, "1."), false},
    };
    context.evaluation.selectedDateText = "03.05.2024";
    for (const auto& c : cases) {
        context.yields.clear();
        add("01.05.2024", "2");
        context.yields.appendLine(cp1252FromUtf8(c.line));
        add("03.05.2024", "2");
        for (int f = 0; f < kFigureCount; ++f) sink.figures[static_cast<Figure>(f)] = "alt";
        sink.bars.assign(31, 7);

        select(5, 2024);
        EXPECT_EQ(evaluate(), c.message) << c.line;
        EXPECT_GT(sink.bars[0], 0);
        EXPECT_EQ(sink.bars[2], 0) << "the line after the bad one is not read";
        EXPECT_EQ(context.evaluation.dayValueTexts[1], "2");
        EXPECT_EQ(context.evaluation.dayValueTexts[3], "0,00");
        EXPECT_EQ(sink.figure(Figure::YearEnergyAverage), "    0.00 kWh");
        for (Figure f : {Figure::SelectedDayEnergy, Figure::SelectedDate, Figure::MonthEnergy,
                         Figure::YearEnergy, Figure::TotalCo2})
            EXPECT_EQ(sink.figure(f), "alt") << "figure " << static_cast<int>(f);

        // The next run starts afresh.
        context.yields.clear();
        EXPECT_EQ(evaluate(), "");
        EXPECT_EQ(sink.figure(Figure::MonthEnergy), "    0.00 kWh");

        context.yields.clear();
        add("01.05.2024", "2");
        context.yields.appendLine(cp1252FromUtf8(c.line));
        select(5, 2024, ViewMode::Jahr);
        sink.figures[Figure::YearEnergy] = "alt";
        EXPECT_EQ(evaluate(), c.stopsYearView ? c.message : "") << c.line;
        EXPECT_EQ(sink.figure(Figure::YearEnergy), c.stopsYearView ? "alt" : "    2.00 kWh") << c.line;
    }
}

TEST_F(EvaluationTest, BadSettingsFields) {
    add("01.05.2024", "2");
    select(5, 2024);

    context.initialSettings.kwpText = "eins";
    EXPECT_EQ(evaluate(), formatMessage(msg::NotAFloat, "eins"));
    EXPECT_TRUE(sink.figures.empty());
    EXPECT_EQ(sink.lineHeight, -1);

    context.initialSettings.kwpText = "1";
    context.initialSettings.euroText = "";
    EXPECT_EQ(evaluate(), formatMessage(msg::NotAFloat, ""));
    EXPECT_GT(sink.bars[0], 0);
    EXPECT_EQ(sink.figure(Figure::MonthEnergyPerKwp), "    2.00 kWh");
    EXPECT_EQ(sink.figure(Figure::MonthMoney), "<unset>");
}

TEST_F(EvaluationTest, PlantPowerOfZeroIsAFloatingPointFault) {
    context.initialSettings.kwpText = "0";
    struct Case {
        ViewMode mode;
        bool withLine;
        std::string_view message;
    };
    const Case cases[] = {
        {ViewMode::Monat, true, msg::DivisionByZero},     // the first bar
        {ViewMode::Monat, false, msg::InvalidOperation},  // 0 / 0 for the month per kWp
        {ViewMode::Jahr, true, msg::DivisionByZero},      // January's sum
        {ViewMode::Jahr, false, msg::InvalidOperation},
    };
    for (const auto& c : cases) {
        context.yields.clear();
        if (c.withLine) add("01.01.2024", "2");
        select(1, 2024, c.mode);
        EXPECT_EQ(evaluate(), formatMessage(c.message));
    }
    context.yields.clear();
    add("01.05.2024", "2");
    select(5, 2024, ViewMode::Jahr);
    EXPECT_EQ(evaluate(), formatMessage(msg::InvalidOperation));  // January's empty sum comes first
}

TEST_F(EvaluationTest, HugeYieldIsAnInvalidOperationNotAWrappedBar) {
    add("01.05.2024", "1e300");
    select(5, 2024);
    EXPECT_EQ(evaluate(), formatMessage(msg::InvalidOperation));
    context.yields.clear();
    add("01.05.2024", "5000");  // far above the chart's maximum, still a bar
    EXPECT_EQ(evaluate(), "");
    EXPECT_GT(sink.bars[0], 299);
}

}  // namespace
