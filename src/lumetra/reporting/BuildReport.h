#pragma once
// The statistics report: the figures of the statistics window and a day-by-day table
// of the month, laid out as fixed-pitch text lines.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "ReportDocument.h"

namespace lumetra {

struct AppContext;

// What "Druck" reads, all Windows-1252 text as it stands in the controls.
struct ReportInput {
    // Value label texts of the statistics window by object name ("Label5" ...);
    // see reportLabelNames(). A missing label counts as an empty text.
    std::map<std::string, std::string> labels;
    std::string monthName;  // the main window's month name, "Juli"
    std::string year;       // its year, "2008"
    // Index 1 ... dayCount, as EvaluationState::dayValueTexts ("0,00" for a day without value).
    std::array<std::string, 32> dayValueTexts{};
    int dayCount = 0;
    std::string price;  // settings field EURO, decimal comma
    std::string co2;    // settings field CO2, decimal comma
};

// The value labels the report copies, in report order.
const std::vector<std::string>& reportLabelNames();

// Day values, day count and the price and CO2 fields as they are at this moment;
// labels, month name and year are left to the caller.
void fillReportInputFromContext(ReportInput& input, const AppContext& context);

// The label text padded with blanks and cut to 20 characters.
std::string ReportValue(const std::string& labelText);

// One line of the day table; throws "'%s' ist kein gültiger Gleitkommawert" for a non-number.
std::string reportDayLine(int day, const std::string& dayValue, const std::string& price,
                          const std::string& co2);

// Replaces `document` with the report. A conversion failure throws after the lines so far
// were appended (they stay, as does the new header).
void BuildReport(const ReportInput& input, ReportDocument& document);

}  // namespace lumetra
