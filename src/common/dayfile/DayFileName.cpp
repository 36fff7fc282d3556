#include "DayFileName.h"

#include "base/Errors.h"

namespace lumetra {
namespace {

// Characters `from`–`from+1` (counted from 1), as far as the text reaches.
std::string pair(const std::string& text, std::size_t from) {
    return from - 1 < text.size() ? text.substr(from - 1, 2) : std::string();
}

bool leavesItsDirectory(std::string_view name) {
    return name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
           name.find('\0') != std::string_view::npos;
}

}  // namespace

std::string DayFileName(const std::string& dateText, const std::string& smaNumber) {
    std::string name = pair(dateText, 9) + pair(dateText, 4) + pair(dateText, 1) + smaNumber + ".suo";
    if (leavesItsDirectory(name)) fail(BadSmaNumberMessage, smaNumber);
    return name;
}

}  // namespace lumetra
