#include "data/LocationTable.h"

#include "base/Files.h"
#include "base/German.h"

namespace lumetra {

Path locationFilePath(const Path& dataDir) { return findFileNoCase(dataDir, kLocationFileName); }

bool reloadLocations(DelimitedLineList& table, const Path& dataDir) {
    const Path path = locationFilePath(dataDir);
    if (!fileExists(path)) return false;
    table.loadFromFile(path);
    return true;
}

void saveLocations(const DelimitedLineList& table, const Path& dataDir) {
    table.saveToFile(locationFilePath(dataDir));
}

std::vector<std::string> locationNames(const DelimitedLineList& table) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(table.count()));
    for (const auto& line : table.lines()) names.push_back(lineField(line, 0));
    return names;
}

void takeOverLocation(const DelimitedLineList& table, const std::string& name, EvaluationState& state) {
    auto& percentages = state.monthlyPercentages;
    percentages.fill(kDefaultMonthlyPercentage);
    for (const auto& line : table.lines()) {
        if (lineField(line, 0) != name) continue;
        for (int month = 1; month <= 12; ++month)
            percentages[static_cast<std::size_t>(month - 1)] = strToFloat(lineField(line, month));
        state.averageYield = strToInt(lineField(line, 13));
    }
    for (double& p : percentages)
        if (p == 0.0) p = kDefaultMonthlyPercentage;
}

}  // namespace lumetra
