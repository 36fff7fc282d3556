#pragma once
// The in-memory lines of DATEN.DAT: id;Datum;Leistung, sorted by id.
#include "base/DelimitedLineList.h"

namespace lumetra {

class DailyYieldList : public DelimitedLineList {
public:
    static constexpr const char* kFileName = "DATEN.DAT";
    enum Field { Id = 0, Datum = 1, Leistung = 2 };

    DailyYieldList() : DelimitedLineList(Order::Sorted) {}

    // "yyyymmdd;date text;energy text"
    static std::string makeLine(const std::string& id, const std::string& dateText,
                                const std::string& energyText);
};

}  // namespace lumetra
