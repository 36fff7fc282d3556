#include "DailyYieldList.h"

namespace lumetra {

std::string DailyYieldList::makeLine(const std::string& id, const std::string& dateText,
                                     const std::string& energyText) {
    return id + ";" + dateText + ";" + energyText;
}

}  // namespace lumetra
