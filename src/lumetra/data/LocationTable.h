#pragma once
// GLOBAL.DAT: locations with their monthly share of the yearly global radiation and the
// average yearly yield. Held in file order (an unsorted DelimitedLineList), never sorted.
#include <string>
#include <vector>

#include "base/DelimitedLineList.h"
#include "evaluation/EvaluationState.h"

namespace lumetra {

inline constexpr const char* kLocationFileName = "GLOBAL.DAT";
inline constexpr int kLocationFieldCount = 14;  // name, January … December, yearly yield
inline constexpr double kDefaultMonthlyPercentage = 0.833;

// The table file of the data directory (an existing one is found whatever its case).
Path locationFilePath(const Path& dataDir);

// Replaces the table by the file's lines when the file exists; false (table untouched) otherwise.
bool reloadLocations(DelimitedLineList& table, const Path& dataDir);
// Safe save of the whole table; throws "Datei %s kann nicht erstellt werden".
void saveLocations(const DelimitedLineList& table, const Path& dataDir);

std::vector<std::string> locationNames(const DelimitedLineList& table);

// Sets the monthly percentages and average yield from the last row named exactly `name`.
// A field that does not convert stops it there; what was set before stays set.
void takeOverLocation(const DelimitedLineList& table, const std::string& name, EvaluationState& state);

}  // namespace lumetra
