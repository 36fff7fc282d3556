#include "data/LocationTable.h"

#include <algorithm>
#include <filesystem>

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"

namespace lumetra {

// Appends the lines of a file read in pieces; a CR LF may be cut between two pieces.
class LocationTable::Reader {
public:
    explicit Reader(LocationTable& table) : table_(table) {}

    void feed(std::string_view bytes) {
        if (ended_) return;
        if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
            bytes = bytes.substr(0, nul);
            ended_ = true;
        }
        if (afterCr_ && !bytes.empty() && bytes[0] == '\n') bytes.remove_prefix(1);
        afterCr_ = false;
        while (!bytes.empty()) {
            const auto end = bytes.find_first_of("\r\n");
            if (end == std::string_view::npos) {
                table_.text_.append(bytes);
                return;
            }
            table_.text_.append(bytes.substr(0, end));
            table_.ends_.push_back(table_.text_.size());
            std::size_t next = end + 1;
            if (bytes[end] == '\r') {
                if (next == bytes.size())
                    afterCr_ = true;
                else if (bytes[next] == '\n')
                    ++next;
            }
            bytes.remove_prefix(next);
        }
    }

    void finish() {
        if (table_.text_.size() > table_.start(table_.count())) table_.ends_.push_back(table_.text_.size());
    }

private:
    LocationTable& table_;
    bool afterCr_ = false;
    bool ended_ = false;
};

std::size_t LocationTable::start(int index) const {
    return index == 0 ? 0 : ends_[static_cast<std::size_t>(index - 1)];
}

std::string_view LocationTable::line(int index) const {
    checkIndex(index);
    const std::size_t begin = start(index);
    return std::string_view(text_).substr(begin, ends_[static_cast<std::size_t>(index)] - begin);
}

std::string LocationTable::field(int index, int number) const { return lineField(line(index), number); }

void LocationTable::setField(int index, int number, std::string_view text) {
    if (index < 0 || index >= count()) return;
    replaceLine(index, withLineField(line(index), number, text));
}

void LocationTable::appendLine(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
}

void LocationTable::remove(int index) {
    checkIndex(index);
    replaceLine(index, {});
    ends_.erase(ends_.begin() + index);
}

void LocationTable::replaceLine(int index, std::string_view line) {
    const std::size_t begin = start(index);
    const std::size_t oldSize = ends_[static_cast<std::size_t>(index)] - begin;
    text_.replace(begin, oldSize, line);
    for (auto it = ends_.begin() + index; it != ends_.end(); ++it) *it = *it - oldSize + line.size();
}

void LocationTable::reserve(std::size_t lines, std::size_t textBytes) {
    ends_.reserve(lines);
    text_.reserve(textBytes);
}

void LocationTable::clear() {
    text_.clear();
    ends_.clear();
}

void LocationTable::loadFromFile(const Path& path) {
    LocationTable loaded;
    // The text is at most the file's size: reserving it spares a doubling copy of a big table.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) loaded.text_.reserve(static_cast<std::size_t>(size));
    Reader reader(loaded);
    readFileInPieces(path, [&](std::string_view piece) { reader.feed(piece); });
    reader.finish();
    *this = std::move(loaded);
}

void LocationTable::loadFromBytes(std::string_view bytes) {
    LocationTable loaded;
    Reader reader(loaded);
    reader.feed(bytes);
    reader.finish();
    *this = std::move(loaded);
}

void LocationTable::saveToFile(const Path& path) const {
    std::string bytes;
    bytes.reserve(text_.size() + 2 * ends_.size());
    for (int i = 0; i < count(); ++i) {
        bytes += line(i);
        bytes += "\r\n";
    }
    saveFileSafely(path, bytes);
}

void LocationTable::checkIndex(int index) const {
    if (index < 0 || index >= count()) fail(msg::ListIndex, std::to_string(index));
}

Path locationFilePath(const Path& dataDir) { return findFileNoCase(dataDir, kLocationFileName); }

bool reloadLocations(LocationTable& table, const Path& dataDir) {
    const Path path = locationFilePath(dataDir);
    if (!fileExists(path)) return false;
    table.loadFromFile(path);
    return true;
}

void saveLocations(const LocationTable& table, const Path& dataDir) {
    table.saveToFile(locationFilePath(dataDir));
}

LocationNames locationNames(const LocationTable& table) {
    // Sized first: growing by doubling would hold up to twice the names for a moment.
    std::size_t bytes = 0;
    for (int i = 0; i < table.count(); ++i) bytes += std::min(table.line(i).find(';'), table.line(i).size());
    LocationNames names;
    names.reserve(static_cast<std::size_t>(table.count()), bytes);
    for (int i = 0; i < table.count(); ++i) names.appendLine(table.field(i, 0));
    return names;
}

void takeOverLocation(const LocationTable& table, const std::string& name, EvaluationState& state) {
    auto& percentages = state.monthlyPercentages;
    percentages.fill(kDefaultMonthlyPercentage);
    for (int i = 0; i < table.count(); ++i) {
        const std::string_view line = table.line(i);
        if (lineField(line, 0) != name) continue;
        for (int month = 1; month <= 12; ++month)
            percentages[static_cast<std::size_t>(month - 1)] = strToFloat(lineField(line, month));
        state.averageYield = strToInt(lineField(line, 13));
    }
    for (double& p : percentages)
        if (p == 0.0) p = kDefaultMonthlyPercentage;
}

}  // namespace lumetra
