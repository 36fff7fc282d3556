#include "Evaluation.h"

#include <cmath>
#include <string_view>

#include "base/Clock.h"
#include "base/Errors.h"
#include "base/German.h"
#include "evaluation/FormatFixed.h"

namespace lumetra {
namespace {

constexpr const char* kNoYield = "0,00";

// Characters first … first+count-1 (1-based) of `text`; shorter near the end, never past it.
std::string_view chars(std::string_view text, std::size_t first, std::size_t count) {
    if (first - 1 >= text.size()) return {};
    return text.substr(first - 1, count);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string fourDigitYear(int year) {
    std::string text = std::to_string(year);
    while (text.size() < 4) text.insert(text.begin(), '0');
    return text;
}

}  // namespace

int truncToInt(double value) {
    double t = std::trunc(value);
    if (!(t >= -2147483648.0 && t <= 2147483647.0)) fail(msg::InvalidOperation);
    return static_cast<int>(t);
}

void Evaluation::Berechnung() { run(true); }

void Evaluation::WeiterBerechnung() { run(false); }

void Evaluation::MonatBerechnen() {
    sink_.setMonthCaption(germanMonthName(context_.evaluation.selectedMonth));
}

void Evaluation::setFigure(Figure figure, double value, int width, const char* suffix) {
    sink_.setFigure(figure, FormatFixed(value, width, suffix));
}

void Evaluation::run(bool moveToToday) {
    EvaluationState& s = context_.evaluation;
    s.monthlySums.fill(0.0);

    if (moveToToday) {
        Date today = Clock::today();
        s.selectedMonth = static_cast<std::uint16_t>(today.month);
        s.selectedYear = static_cast<std::uint16_t>(today.year);
    }

    s.daysOfMonth = static_cast<std::uint16_t>(daysInMonth(s.selectedYear, s.selectedMonth));
    MonatBerechnen();
    sink_.setYearCaption(std::to_string(s.selectedYear));

    s.plantPower = strToFloat(context_.settings->kwp());
    const double power = s.plantPower;
    const double share = s.monthlyPercentages[s.selectedMonth - 1] / 100.0;
    const double days = s.daysOfMonth;
    const double daily = share * 1000.0 / days;
    const double dailyAverage = s.averageYield * share / days;
    const double dailyForecast = s.forecastYield * share / days;

    setFigure(Figure::DayEnergyAverage, power * dailyAverage, 8, " kWh");
    setFigure(Figure::MonthEnergyAverage, s.averageYield * share * power, 8, " kWh");
    setFigure(Figure::MonthEnergyAveragePerKwp, s.averageYield * share, 8, " kWh");
    setFigure(Figure::DayEnergyForecast, power * dailyForecast, 8, " kWh");
    setFigure(Figure::MonthEnergyForecast, s.forecastYield * share * power, 8, " kWh");
    setFigure(Figure::MonthEnergyForecastPerKwp, s.forecastYield * share, 8, " kWh");
    setFigure(Figure::YearEnergyAverage, power * s.averageYield, 8, " kWh");
    setFigure(Figure::YearEnergyForecast, power * s.forecastYield, 8, " kWh");

    if (s.viewMode == ViewMode::Monat)
        monthView(power, daily, dailyForecast, dailyAverage);
    else
        yearView(power);
}

void Evaluation::monthView(double power, double daily, double dailyForecast, double dailyAverage) {
    EvaluationState& s = context_.evaluation;
    sink_.setColumns(s.daysOfMonth);
    for (int i = 0; i < s.daysOfMonth; ++i) sink_.setBar(i, 0);

    // 150 units stand for the daily reference; the quotient is formed first, as everywhere.
    const double scale = checkedDivide(150.0, daily);
    switch (s.referenceMode) {
        case ReferenceMode::Kwh1000:
            sink_.setReferenceLine(truncToInt(scale * daily), {255, 0, 0});
            break;
        case ReferenceMode::Prognose:
            sink_.setReferenceLine(truncToInt(scale * dailyForecast), {0, 128, 0});
            break;
        case ReferenceMode::Durchschnitt:
            sink_.setReferenceLine(truncToInt(scale * dailyAverage), {255, 255, 0});
            break;
    }

    for (int d = 1; d <= 31; ++d) s.dayValueTexts[static_cast<std::size_t>(d)] = kNoYield;

    const Date today = Clock::today();
    const DailyYieldList& yields = context_.yields;
    double month = 0, year = 0, total = 0, selectedDay = 0;
    for (const std::string& line : yields.lines()) {
        const std::string energyText = lineField(line, DailyYieldList::Leistung);
        const std::string dateText = lineField(line, DailyYieldList::Datum);
        const double energy = strToFloat(energyText);
        total += energy;
        const Date date = strToDate(dateText, today);
        const int day = strToInt(chars(dateText, 1, 2));
        const int monthNumber = strToInt(chars(dateText, 4, 2));
        if (date.year == s.selectedYear) year += energy;
        if (dateText == s.selectedDateText) selectedDay = energy;
        if (monthNumber == s.selectedMonth && date.year == s.selectedYear) {
            month += energy;
            if (day < 1 || day > 31) fail(msg::ListIndex, std::to_string(day - 1));
            s.dayValueTexts[static_cast<std::size_t>(day)] = energyText;
            sink_.setBar(day - 1, truncToInt(scale * checkedDivide(energy, power)));
        }
    }

    setFigure(Figure::SelectedDayEnergy, selectedDay, 8, " kWh");
    sink_.setFigure(Figure::SelectedDate, "am: " + s.selectedDateText);
    setFigure(Figure::MonthEnergy, month, 8, " kWh");
    setFigure(Figure::MonthEnergyPerKwp, checkedDivide(month, power), 8, " kWh");
    const double price = strToFloat(context_.settings->euro());
    setFigure(Figure::MonthMoney, price * month, 10, " Euro");
    setFigure(Figure::MonthCo2, month * s.co2Factor, 8, " kg");
    yearFigures(year, total, power, price);
}

void Evaluation::yearFigures(double year, double total, double power, double price) {
    const double co2 = context_.evaluation.co2Factor;
    setFigure(Figure::YearEnergy, year, 8, " kWh");
    setFigure(Figure::YearEnergyPerKwp, checkedDivide(year, power), 8, " kWh");
    setFigure(Figure::YearMoney, price * year, 10, " Euro");
    setFigure(Figure::YearCo2, year * co2, 8, " kg");
    setFigure(Figure::TotalMoney, price * total, 10, " Euro");
    setFigure(Figure::TotalCo2, total * co2, 8, " kg");
}

void Evaluation::yearView(double power) {
    EvaluationState& s = context_.evaluation;
    for (int i = 0; i < 12; ++i) sink_.setBar(i, 0);
    sink_.hideReferenceLine();

    for (int m = 1; m <= 12; ++m) {
        const double share = s.monthlyPercentages[static_cast<std::size_t>(m - 1)] / 100.0;
        double height = 0;
        switch (s.referenceMode) {
            case ReferenceMode::Kwh1000:
                height = share * 1000.0;
                break;
            case ReferenceMode::Prognose:
                height = s.forecastYield * share;
                break;
            case ReferenceMode::Durchschnitt:
                height = s.averageYield * share;
                break;
        }
        sink_.setMonthMark(m, truncToInt(height));
    }

    for (int d = 1; d <= 31; ++d) s.dayValueTexts[static_cast<std::size_t>(d)] = kNoYield;

    const Date today = Clock::today();
    const std::string selectedYear = fourDigitYear(s.selectedYear);
    double year = 0, total = 0;
    for (const std::string& line : context_.yields.lines()) {
        const double energy = strToFloat(lineField(line, DailyYieldList::Leistung));
        total += energy;
        const std::string dateText = lineField(line, DailyYieldList::Datum);
        strToDate(dateText, today);
        // A date in another form (1.5.2008) counts for the year total only when its
        // characters happen to line up; no character past its end is read.
        if (chars(dateText, 7, 4) != selectedYear) continue;
        const std::string_view monthText = chars(dateText, 4, 2);
        if (monthText.size() == 2 && isDigit(monthText[0]) && isDigit(monthText[1])) {
            const int m = (monthText[0] - '0') * 10 + (monthText[1] - '0');
            if (m >= 1 && m <= 12) s.monthlySums[static_cast<std::size_t>(m - 1)] += energy;
        }
        year += energy;
    }

    for (int m = 1; m <= 12; ++m)
        sink_.setBar(m - 1, truncToInt(checkedDivide(s.monthlySums[static_cast<std::size_t>(m - 1)], power)));
    const double price = strToFloat(context_.settings->euro());
    yearFigures(year, total, power, price);
}

}  // namespace lumetra
