#pragma once
// The day on show: 144 column values, their power texts and the file's lines.
// Stand-in reader until the shared day file reader is available.
#include "base/DelimitedLineList.h"

#include <array>
#include <string>

namespace lumetra {

struct FetchedDay {
    static constexpr int kColumns = 144;
    std::array<int, kColumns> curve{};
    std::array<std::string, kColumns> pacTexts;
    DelimitedLineList lines{DelimitedLineList::Order::Unsorted};
    FetchedDay() { pacTexts.fill("0,000"); }
};

// Reads `path` without a date filter; false when there is no file.
bool readFetchedDay(const std::string& path, double pacMax, FetchedDay& day);

}  // namespace lumetra
