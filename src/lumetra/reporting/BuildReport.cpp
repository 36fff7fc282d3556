#include "BuildReport.h"

#include <algorithm>
#include <utility>

#include "base/Cp1252.h"
#include "base/German.h"
#include "data/AppContext.h"
#include "evaluation/FormatFixed.h"

namespace lumetra {
namespace {

// Prefix (exact, blanks included) and the label whose text follows it; an empty label
// name is an empty line.
struct SummaryLine {
    const char* prefix;
    const char* label;
};

// Energy and CO2 prefixes are 46 characters, money prefixes 44: the value columns line up
// with the labels' own right-aligned texts.
constexpr SummaryLine kSummary[] = {
    {"", nullptr},
    {"", nullptr},
    {"   Durchschnittlicher Tagesenergieertrag:     ", "Label5"},
    {"   Prognostizierte Tagesenergie der Anlage:   ", "Label6"},
    {"", nullptr},
    {"   Erbrachte Monatsenergie der Anlage:        ", "Label4"},
    {"   Erbrachte Monatsenergie der Anlage/kWp:    ", "Label29"},
    {"   Durchschnittliche Monatsenergie:           ", "Label12"},
    {"   Durchschnittliche Monatsenergie/kWp:       ", "Label43"},
    {"   Prognostizierte Monatsenergie der Anlage:  ", "Label13"},
    {"   Prognostizierte Monatsenergie/kWp:         ", "Label45"},
    {"", nullptr},
    {"   Erbrachte Jahresenergie der Anlage:        ", "Label20"},
    {"   Erbrachte Jahresenergie der Anlage/kWp:    ", "Label21"},
    {"   Durchschnittliche Jahresenergie:           ", "Label17"},
    {"   Prognostizierte Jahresenergie der Anlage:  ", "Label18"},
    {"", nullptr},
    // "Emmission" misspelt on purpose: reports printed and filed over the years read so.
    {"   Vermiedene CO2-Emmission im Monat:         ", "Label34"},
    {"   Vermiedene CO2-Emmission im Jahr:          ", "Label40"},
    {"   Vermiedene CO2-Emmission gesamt:           ", "Label41"},
    {"", nullptr},
    {"   Monatsertrag:                            ", "Label25"},
    {"   Jahresertrag:                            ", "Label24"},
    {"   Gesamtertrag:                            ", "Label27"},
};

std::string labelText(const ReportInput& input, const char* name) {
    auto it = input.labels.find(name);
    return it == input.labels.end() ? std::string() : it->second;
}

}  // namespace

const std::vector<std::string>& reportLabelNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const SummaryLine& line : kSummary)
            if (line.label) out.emplace_back(line.label);
        return out;
    }();
    return names;
}

void fillReportInputFromContext(ReportInput& input, const AppContext& context) {
    input.dayValueTexts = context.evaluation.dayValueTexts;
    input.dayCount = context.evaluation.daysOfMonth;
    input.price = context.settings->euro();
    input.co2 = context.settings->co2();
}

std::string ReportValue(const std::string& labelText) {
    return (labelText + std::string(18, ' ')).substr(0, 20);
}

std::string reportDayLine(int day, const std::string& dayValue, const std::string& price,
                          const std::string& co2) {
    const double x = strToFloat(dayValue);
    const double euro = strToFloat(price);
    const double factor = strToFloat(co2);
    std::string dd = std::to_string(day);
    if (dd.size() < 2) dd.insert(0, "0");
    return "   Tag: " + dd + "      " + FormatFixed(x, 8, " kWh") + "     " +
           FormatFixed(x * euro, 8, " Euro") + "     " + FormatFixed(x * factor, 8, " kg CO2");
}

void BuildReport(const ReportInput& input, ReportDocument& document) {
    document.lines.clear();
    document.header = {"PV - Statistik", "", input.monthName + " " + input.year};

    auto& lines = document.lines;
    for (const SummaryLine& line : kSummary)
        lines.push_back(line.label ? line.prefix + ReportValue(labelText(input, line.label)) : "");
    lines.insert(lines.end(), 3, "");
    lines.push_back(cp1252FromUtf8("   Tagesübersicht"));
    lines.push_back("   " + std::string(66, '-'));
    const int days = std::clamp(input.dayCount, 0, 31);
    for (int d = 1; d <= days; ++d)
        lines.push_back(
            reportDayLine(d, input.dayValueTexts[static_cast<std::size_t>(d)], input.price, input.co2));
    lines.insert(lines.end(), 3, "");
    lines.push_back(cp1252FromUtf8("   Zählerstand:") + std::string(21, '_'));
}

}  // namespace lumetra
