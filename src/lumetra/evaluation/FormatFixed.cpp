#include "FormatFixed.h"

#include <charconv>

namespace lumetra {

std::string FormatFixed(double value, int width, const std::string& suffix) {
    // Not printf: Qt puts the session's locale into LC_NUMERIC, and a German one would write ",".
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    if (text == "-0.00") text = "0.00";
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text + suffix;
}

}  // namespace lumetra
