#pragma once
// Where the evaluation writes what it computes. The main window implements it (chart, lines,
// captions, the statistics window's labels); tests record the calls. A call that throws ends
// the evaluation there, as a failing line does.
#include <string>

namespace lumetra {

// The figures the evaluation computes. Energies are kWh, per kWp where named so; "Average"
// is the location's yield, "Forecast" the plant's; money is Euro, CO2 kg avoided.
enum class Figure {
    // Reference figures, both views.
    DayEnergyAverage,
    MonthEnergyAverage,
    MonthEnergyAveragePerKwp,
    DayEnergyForecast,
    MonthEnergyForecast,
    MonthEnergyForecastPerKwp,
    YearEnergyAverage,
    YearEnergyForecast,
    // Month view only.
    SelectedDayEnergy,
    SelectedDate,  // "am: " and the date text
    MonthEnergy,
    MonthEnergyPerKwp,
    MonthMoney,
    MonthCo2,
    // Both views.
    YearEnergy,
    YearEnergyPerKwp,
    YearMoney,
    YearCo2,
    TotalMoney,
    TotalCo2,
};
inline constexpr int kFigureCount = 20;

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class EvaluationSink {
public:
    virtual ~EvaluationSink() = default;
    virtual void setMonthCaption(const std::string& text) = 0;  // Windows-1252
    virtual void setYearCaption(const std::string& text) = 0;
    // Chart: a different column count resets every value to 0. An index outside the
    // columns throws the list index error.
    virtual void setColumns(int count) = 0;
    virtual void setBar(int index, int value) = 0;
    // Heights in chart units above the baseline; the window places the top edge.
    virtual void setReferenceLine(int height, Rgb colour) = 0;
    virtual void hideReferenceLine() = 0;
    virtual void setMonthMark(int month, int height) = 0;  // month 1 … 12
    virtual void setFigure(Figure figure, const std::string& text) = 0;
};

}  // namespace lumetra
