#pragma once
// The main window's selection and the evaluation's inputs and outputs, living for the whole run.
#include <array>
#include <cstdint>
#include <string>

namespace lumetra {

enum class ViewMode { Monat, Jahr };
enum class ReferenceMode { Kwh1000, Prognose, Durchschnitt };

struct EvaluationState {
    ViewMode viewMode = ViewMode::Monat;
    std::uint16_t selectedMonth = 1;
    std::uint16_t selectedYear = 2000;
    std::uint16_t daysOfMonth = 31;
    double plantPower = 1.0;  // kWp, read from the settings field at every evaluation
    std::array<double, 12> monthlyPercentages{0.833, 0.833, 0.833, 0.833, 0.833, 0.833,
                                              0.833, 0.833, 0.833, 0.833, 0.833, 0.833};
    std::int32_t averageYield = 0;   // kWh per kWp and year, from the chosen location
    std::int32_t forecastYield = 0;  // PROGNOSE, taken over at the load and on "OK"
    double co2Factor = 0.0;          // CO2, taken over at the load and on "OK"
    std::array<double, 12> monthlySums{};
    std::array<std::string, 32> dayValueTexts{};  // index 1 … 31; "0,00" for days without a line
    std::string selectedDateText;                 // the main window's Label1, dd.mm.yyyy
    ReferenceMode referenceMode = ReferenceMode::Kwh1000;
};

}  // namespace lumetra
