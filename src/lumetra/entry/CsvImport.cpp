#include "CsvImport.h"

#include "base/Files.h"
#include "base/German.h"

namespace lumetra {

Path CsvImport::filePath(const Path& dataDirectory) {
    return findFileNoCase(dataDirectory, DailyYieldList::kFileName);
}

void CsvImport::loadCsv(const Path& path) { importLines_.loadFromFile(path); }

bool CsvImport::fillOriginalsIfExists(const Path& dataDirectory) {
    const Path path = filePath(dataDirectory);
    if (!fileExists(path)) return false;
    originalLines_.loadFromFile(path);
    return true;
}

void CsvImport::takeAll() {
    originalLines_.clear();
    for (int row = 0; row < importLines_.count(); ++row) {
        const std::string dateText = importLines_.field(row, 0);
        const std::string id = formatDateId(strToDate(dateText));
        originalLines_.appendLine(DailyYieldList::makeLine(id, dateText, importLines_.field(row, 1)));
    }
}

void CsvImport::takeSelected(int leftRow) {
    if (leftRow < 0 || leftRow >= importLines_.count()) return;
    const std::string& line = importLines_.line(leftRow);
    const std::string dateText = importLines_.field(leftRow, 0);
    const std::string id = formatDateId(strToDate(dateText));
    if (hasDate(dateText)) return;
    originalLines_.addSorted(id + ";" + line);
}

bool CsvImport::hasDate(const std::string& dateText) const {
    for (int i = 0; i < originalLines_.count(); ++i)
        if (originalLines_.field(i, DailyYieldList::Datum) == dateText) return true;
    return false;
}

void CsvImport::save(const Path& dataDirectory) const { originalLines_.saveToFile(filePath(dataDirectory)); }

void removeRowIfAny(DelimitedLineList& list, int row) {
    if (row >= 0 && row < list.count()) list.remove(row);
}

}  // namespace lumetra
