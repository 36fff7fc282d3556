// Any day file loads without harm, with and without a date filter. Columns no line is drawn
// in stay empty ("0,000", 0), and a drawn column holds its line's field 2 and that PAC in
// percent of PacMax, truncated toward zero and held inside the int range.
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>

#include "dayfile/LoadDayCurve.h"

namespace {

constexpr double PacMax = 5000;

bool sameColumn(int drawn, double value) {
    const double percent = value * (100.0 / PacMax);
    if (std::isnan(percent)) return drawn == 0;
    if (percent >= std::numeric_limits<int>::max()) return drawn == std::numeric_limits<int>::max();
    if (percent <= std::numeric_limits<int>::min()) return drawn == std::numeric_limits<int>::min();
    return drawn == static_cast<int>(std::trunc(percent));
}

void check(const lumetra::DayCurveResult& day, const std::optional<std::string>& filter) {
    using namespace lumetra;
    std::array<const std::string*, DayColumns> lineOf{};
    const int n = day.lines.count();
    if (n >= 7) {
        const int half = (n - 5) / 2;
        for (int a = 5; a < n; ++a) {
            const int column = 72 - half + (a - 5);
            if (column >= 0 && column < DayColumns)
                lineOf[static_cast<std::size_t>(column)] = &day.lines.line(a);
        }
    }
    for (std::size_t c = 0; c < DayColumns; ++c) {
        const std::string* line = lineOf[c];
        std::optional<double> value;
        if (line && (!filter || lineField(*line, 0).find(*filter) != std::string::npos))
            value = pacValue(lineField(*line, 2));
        if (!value) {
            if (day.pacTexts[c] != "0,000" || day.curve[c] != 0) std::abort();
        } else {
            if (day.pacTexts[c] != lineField(*line, 2) || !sameColumn(day.curve[c], *value)) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/08071500.suo";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // One result reused, as the day window does: a later read must not keep an earlier one's columns.
    lumetra::DayCurveResult day;
    for (const std::optional<std::string>& filter :
         {std::optional<std::string>{}, std::optional<std::string>{"15.07.2008"}}) {
        lumetra::LoadDayCurve(path, filter, PacMax, day);
        if (!day.existed) std::abort();
        check(day, filter);
    }
    return 0;
}
