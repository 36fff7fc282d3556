#include "FetchedDay.h"

#include "base/Errors.h"
#include "base/Files.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace lumetra {
namespace {

std::optional<double> pacValue(const std::string& field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    std::size_t j = i;
    if (j < field.size() && (field[j] == '+' || field[j] == '-')) ++j;
    bool digits = false;
    while (j < field.size() && std::isdigit(static_cast<unsigned char>(field[j]))) ++j, digits = true;
    if (j < field.size() && field[j] == '.') ++j;
    while (j < field.size() && std::isdigit(static_cast<unsigned char>(field[j]))) ++j, digits = true;
    if (!digits) return std::nullopt;
    if (j < field.size() && (field[j] == 'e' || field[j] == 'E')) {
        ++j;
        if (j < field.size() && (field[j] == '+' || field[j] == '-')) ++j;
        while (j < field.size() && std::isdigit(static_cast<unsigned char>(field[j]))) ++j;
    }
    if (j != field.size()) return std::nullopt;
    return std::strtod(field.c_str() + i, nullptr);
}

}  // namespace

bool readFetchedDay(const std::string& path, double pacMax, FetchedDay& day) {
    day.lines.clear();
    day.curve.fill(0);
    day.pacTexts.fill("0,000");
    const auto bytes = readFileIfExists(path);
    if (!bytes) return false;
    day.lines.loadFromBytes(*bytes);
    const int n = day.lines.count();
    if (n < 7) return true;
    const int half = (n - 5) / 2;
    const double factor = checkedDivide(100.0, pacMax);
    for (int a = 5; a < n; ++a) {
        const std::string pac = day.lines.field(a, 2);
        const auto value = pacValue(pac);
        if (!value) continue;
        const int column = 72 - half + (a - 5);
        if (column < 0 || column >= FetchedDay::kColumns) continue;
        day.curve[static_cast<std::size_t>(column)] = static_cast<int>(std::trunc(*value * factor));
        day.pacTexts[static_cast<std::size_t>(column)] = pac;
    }
    return true;
}

}  // namespace lumetra
