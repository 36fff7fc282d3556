#pragma once
// The date picker's state without widgets: the calendar's day, the year and month fields'
// conversions, the month grid and the result text.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/German.h"

namespace lumetra {

// Where a confirmed date goes. Each program plugs in its own.
class DatePickerTarget {
public:
    virtual ~DatePickerTarget() = default;
    // dd.mm.yyyy (Windows-1252)
    virtual void acceptDate(const std::string& dateText) = 0;
};

// For callers that only need a callback (the web viewer's Label1).
class FunctionDatePickerTarget : public DatePickerTarget {
public:
    explicit FunctionDatePickerTarget(std::function<void(const std::string&)> fn) : fn_(std::move(fn)) {}
    void acceptDate(const std::string& dateText) override {
        if (fn_) fn_(dateText);
    }

private:
    std::function<void(const std::string&)> fn_;
};

inline constexpr const char* kYearsFileName = "JAHRE.DAT";

// 2024 down to 1900.
std::vector<std::string> defaultYearList();
// The lines of JAHRE.DAT as they stand when it exists (even none), otherwise the default list.
std::vector<std::string> yearList(const std::optional<std::string>& yearsFileBytes);
// Reads JAHRE.DAT from `directory` (name found without regard to case).
std::vector<std::string> readYearList(const Path& directory);

class DatePickerModel {
public:
    static constexpr int kRows = 7;  // weekday row + six weeks
    static constexpr int kColumns = 7;

    explicit DatePickerModel(const Date& today) : date_(today) {}

    const Date& date() const { return date_; }

    // Throws "'%s' ist kein gültiger Integerwert" or "Ungültiges Argument zum Codieren des
    // Datums"; the date stays as it was then. Values below 1 are ignored.
    void setYearText(std::string_view text);
    // The month whose German name equals `text`; any other text changes nothing.
    // Throws "Ungültiges Argument zum Codieren des Datums" for a day the month lacks.
    void setMonthText(std::string_view text);
    // A day outside the shown month changes nothing.
    void setDay(int day);

    // dd.mm. and the year's digits unpadded.
    std::string resultText() const;

    // Row 0 holds the weekday names, Sunday first; rows 1 … 6 the days (0 = empty cell).
    static std::string headerText(int column);
    int dayAt(int row, int column) const;

private:
    Date date_;
};

}  // namespace lumetra
