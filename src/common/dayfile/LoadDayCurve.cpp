#include "LoadDayCurve.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "base/Errors.h"
#include "base/Files.h"

namespace lumetra {
namespace {

constexpr int HeaderLines = 5;
constexpr int CentreColumn = 72;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The application's locale may use a decimal comma; the logger writes ".".
locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
    return loc;
}

// Truncation toward zero; beyond the column's 32-bit range the value is held at its end,
// which the chart draws as a full or an empty column all the same.
int truncatedPercent(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

void DayCurveResult::clear() {
    curve.fill(0);
    pacTexts.fill("0,000");
    lines.clear();
    existed = false;
}

void checkPacMax(double PacMax) {
    if (!std::isfinite(100.0 / PacMax)) fail("PAC max darf nicht 0 sein");
}

std::optional<double> pacValue(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    const std::size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && isDigit(text[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    const std::string number(text.substr(start));
    return strtod_l(number.c_str(), nullptr, cLocale());
}

void LoadDayCurve(const Path& path, const std::optional<std::string>& dateFilter, double PacMax,
                  DayCurveResult& day) {
    checkPacMax(PacMax);
    const double factor = 100.0 / PacMax;
    day.clear();

    const Path found = findFileNoCase(path.parent_path(), path.filename());
    if (!fileExists(found)) return;
    day.lines.loadFromBytes(readFile(found));
    day.existed = true;

    const int n = day.lines.count();
    if (n < HeaderLines + 2) return;
    const int half = (n - HeaderLines) / 2;
    for (int a = HeaderLines; a < n; ++a) {
        const int column = CentreColumn - half + (a - HeaderLines);
        if (column < 0 || column >= DayColumns) continue;
        const std::string& line = day.lines.line(a);
        if (dateFilter && lineField(line, 0).find(*dateFilter) == std::string::npos) continue;
        const std::string pac = lineField(line, 2);
        const auto value = pacValue(pac);
        if (!value) continue;
        day.curve[static_cast<std::size_t>(column)] = truncatedPercent(*value * factor);
        day.pacTexts[static_cast<std::size_t>(column)] = pac;
    }
}

DayCurveResult LoadDayCurve(const Path& path, const std::optional<std::string>& dateFilter, double PacMax) {
    DayCurveResult day;
    LoadDayCurve(path, dateFilter, PacMax, day);
    return day;
}

std::optional<std::string> dayHoverText(const PacTexts& texts, int x) {
    if (x <= 5 || x >= 431) return std::nullopt;
    const int column = (x + 2) / 3 - 2;
    return texts[static_cast<std::size_t>(column)] + " Watt";
}

}  // namespace lumetra
