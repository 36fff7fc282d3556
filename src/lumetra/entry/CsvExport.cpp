#include "entry/CsvExport.h"

namespace lumetra {

std::string csvExportBytes(const DelimitedLineList& dayLines) {
    std::vector<std::string> lines{kCsvExportHeader};
    lines.reserve(static_cast<std::size_t>(dayLines.count()) + 1);
    for (int row = 0; row < dayLines.count(); ++row)
        lines.push_back(dayLines.field(row, 1) + ";" + dayLines.field(row, 2));
    return joinLines(lines);
}

void saveCsvExport(const Path& path, const DelimitedLineList& dayLines) {
    saveFileSafely(path, csvExportBytes(dayLines));
}

}  // namespace lumetra
