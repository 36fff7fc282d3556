#include "DelimitedLineList.h"

#include <algorithm>

#include "Errors.h"
#include "Files.h"

namespace lumetra {
namespace {

// Start and end offsets of field `number`; npos start when the line has fewer separators.
std::pair<std::size_t, std::size_t> fieldSpan(std::string_view line, int number) {
    std::size_t start = 0;
    for (int i = 0; i < number; ++i) {
        auto sep = line.find(';', start);
        if (sep == std::string_view::npos) return {std::string_view::npos, std::string_view::npos};
        start = sep + 1;
    }
    auto end = line.find(';', start);
    return {start, end == std::string_view::npos ? line.size() : end};
}

unsigned char folded(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
}

}  // namespace

std::string lineField(std::string_view line, int number) {
    if (number < 0) return {};
    auto [start, end] = fieldSpan(line, number);
    if (start == std::string_view::npos) return {};
    return std::string(line.substr(start, end - start));
}

std::string withLineField(std::string_view line, int number, std::string_view text) {
    if (number < 0) return std::string(line);
    std::string out(line);
    auto separators = static_cast<int>(std::count(out.begin(), out.end(), ';'));
    if (separators < number) out.append(static_cast<std::size_t>(number - separators), ';');
    auto [start, end] = fieldSpan(out, number);
    out.replace(start, end - start, text);
    return out;
}

void LineSplitter::feed(std::string_view bytes) {
    if (ended_) return;
    auto nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
        ended_ = true;
    }
    std::size_t start = 0;
    if (afterCr_ && !bytes.empty()) {
        afterCr_ = false;
        if (bytes[0] == '\n') start = 1;
    }
    for (std::size_t i = start; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        if (partial_.empty()) {
            lines_.emplace_back(bytes.substr(start, i - start));
        } else {
            partial_.append(bytes.substr(start, i - start));
            lines_.push_back(std::move(partial_));
            partial_.clear();
        }
        if (c == '\r') {
            if (i + 1 == bytes.size())
                afterCr_ = true;
            else if (bytes[i + 1] == '\n')
                ++i;
        }
        start = i + 1;
    }
    partial_.append(bytes.substr(start));
}

std::vector<std::string> LineSplitter::finish() {
    if (!partial_.empty()) lines_.push_back(std::move(partial_));
    partial_.clear();
    afterCr_ = false;
    ended_ = false;
    return std::move(lines_);
}

std::vector<std::string> splitLines(std::string_view bytes) {
    LineSplitter splitter;
    splitter.feed(bytes);
    return splitter.finish();
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool lineLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

const std::string& DelimitedLineList::line(int index) const {
    checkIndex(index);
    return lines_[static_cast<std::size_t>(index)];
}

std::string DelimitedLineList::field(int index, int number) const { return lineField(line(index), number); }

void DelimitedLineList::setField(int index, int number, std::string_view text) {
    if (index < 0 || index >= count()) return;
    auto& l = lines_[static_cast<std::size_t>(index)];
    l = withLineField(l, number, text);
}

void DelimitedLineList::appendLine(std::string line) { lines_.push_back(std::move(line)); }

void DelimitedLineList::addSorted(std::string line) {
    if (!sorted()) {
        appendLine(std::move(line));
        return;
    }
    auto pos = std::upper_bound(lines_.begin(), lines_.end(), line,
                                [](const std::string& a, const std::string& b) { return lineLess(a, b); });
    lines_.insert(pos, std::move(line));
}

void DelimitedLineList::remove(int index) {
    checkIndex(index);
    lines_.erase(lines_.begin() + index);
}

// Split while reading, so a big file is never held whole beside its lines.
void DelimitedLineList::loadFromFile(const Path& path) {
    LineSplitter splitter;
    readFileInPieces(path, [&](std::string_view piece) { splitter.feed(piece); });
    setLines(splitter.finish());
}

void DelimitedLineList::loadFromBytes(std::string_view bytes) { setLines(splitLines(bytes)); }

void DelimitedLineList::setLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    // Same result as adding each line at its sorted place, in one pass.
    if (sorted())
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const std::string& a, const std::string& b) { return lineLess(a, b); });
}

void DelimitedLineList::saveToFile(const Path& path) const { saveFileSafely(path, joinLines(lines_)); }

void DelimitedLineList::checkIndex(int index) const {
    if (index < 0 || index >= count()) fail(msg::ListIndex, std::to_string(index));
}

}  // namespace lumetra
