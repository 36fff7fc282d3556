#include "DayFileName.h"

namespace lumetra {
namespace {

// Characters `from`–`from+1` (counted from 1), as far as the text reaches.
std::string pair(const std::string& text, std::size_t from) {
    return from - 1 < text.size() ? text.substr(from - 1, 2) : std::string();
}

}  // namespace

std::string DayFileName(const std::string& dateText, const std::string& smaNumber) {
    return pair(dateText, 9) + pair(dateText, 4) + pair(dateText, 1) + smaNumber + ".suo";
}

}  // namespace lumetra
