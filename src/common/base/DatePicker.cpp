#include "base/DatePicker.h"

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace lumetra {

std::vector<std::string> defaultYearList() {
    std::vector<std::string> years;
    for (int year = 2024; year >= 1900; --year) years.push_back(std::to_string(year));
    return years;
}

std::vector<std::string> yearList(const std::optional<std::string>& yearsFileBytes) {
    if (!yearsFileBytes) return defaultYearList();
    return splitLines(*yearsFileBytes);
}

std::vector<std::string> readYearList(const Path& directory) {
    return yearList(readFileIfExists(findFileNoCase(directory, kYearsFileName)));
}

void DatePickerModel::setYearText(std::string_view text) {
    const int year = strToInt(text);
    if (year < 1) return;
    date_ = encodeDate(year, date_.month, date_.day);
}

void DatePickerModel::setMonthText(std::string_view text) {
    for (int month = 1; month <= 12; ++month) {
        if (germanMonthName(month) == text) {
            date_ = encodeDate(date_.year, month, date_.day);
            return;
        }
    }
}

void DatePickerModel::setDay(int day) {
    if (isValidDate(date_.year, date_.month, day)) date_.day = day;
}

std::string DatePickerModel::resultText() const {
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return two(date_.day) + "." + two(date_.month) + "." + std::to_string(date_.year);
}

std::string DatePickerModel::headerText(int column) { return germanShortWeekday(column); }

int DatePickerModel::dayAt(int row, int column) const {
    if (row < 1 || row >= kRows || column < 0 || column >= kColumns) return 0;
    const int firstColumn = dayOfWeek(Date{date_.year, date_.month, 1});
    const int day = (row - 1) * kColumns + column - firstColumn + 1;
    return day >= 1 && day <= daysInMonth(date_.year, date_.month) ? day : 0;
}

}  // namespace lumetra
