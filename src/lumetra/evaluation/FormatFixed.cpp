#include "FormatFixed.h"

#include <cstdio>

namespace lumetra {

std::string FormatFixed(double value, int width, const std::string& suffix) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    if (text == "-0.00") text = "0.00";
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text + suffix;
}

}  // namespace lumetra
