#pragma once
// GLOBAL.DAT: locations with their monthly share of the yearly global radiation and the
// average yearly yield. Held in file order, never sorted.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "evaluation/EvaluationState.h"

namespace lumetra {

inline constexpr const char* kLocationFileName = "GLOBAL.DAT";
inline constexpr int kLocationFieldCount = 14;  // name, January … December, yearly yield
inline constexpr double kDefaultMonthlyPercentage = 0.833;

// The lines of GLOBAL.DAT in one buffer: a table of millions of rows costs a few bytes per
// row beyond its text, where a string per line would cost about fifty. Splits and writes
// lines as DelimitedLineList does (CR, LF or CR LF read; CR LF written; a NUL ends the file).
class LocationTable {
public:
    int count() const { return static_cast<int>(ends_.size()); }
    // Index outside 0 … count-1 throws the list index error.
    std::string_view line(int index) const;
    std::string field(int index, int number) const;
    // An index at or beyond count does nothing.
    void setField(int index, int number, std::string_view text);
    void appendLine(std::string_view line);
    void remove(int index);
    void clear();
    void reserve(std::size_t lines, std::size_t textBytes);
    // Throws "Datei %s kann nicht geöffnet werden".
    void loadFromFile(const Path& path);
    void loadFromBytes(std::string_view bytes);
    // Safe save; throws "Datei %s kann nicht erstellt werden", the old file stays whole.
    void saveToFile(const Path& path) const;

private:
    class Reader;
    std::size_t start(int index) const;
    void replaceLine(int index, std::string_view line);
    void checkIndex(int index) const;

    std::string text_;               // the lines back to back, without line ends
    std::vector<std::size_t> ends_;  // where each line ends in text_
};

// The table file of the data directory (an existing one is found whatever its case).
Path locationFilePath(const Path& dataDir);

// Replaces the table by the file's lines when the file exists; false (table untouched) otherwise.
bool reloadLocations(LocationTable& table, const Path& dataDir);
// Safe save of the whole table; throws "Datei %s kann nicht erstellt werden".
void saveLocations(const LocationTable& table, const Path& dataDir);

// The names of a table, one a line, held as compactly as the table.
using LocationNames = LocationTable;
LocationNames locationNames(const LocationTable& table);

// Sets the monthly percentages and average yield from the last row named exactly `name`.
// A field that does not convert stops it there; what was set before stays set.
void takeOverLocation(const LocationTable& table, const std::string& name, EvaluationState& state);

}  // namespace lumetra
