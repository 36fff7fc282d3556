#include "ProfileFile.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "DelimitedLineList.h"
#include "Errors.h"
#include "Files.h"

namespace lumetra {
namespace {

std::string_view trimmed(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && !lineLess(a, b) && !lineLess(b, a);
}

// "[name]" → name; nullopt for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> entryOf(std::string_view line) {
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Entry{trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1))};
}

std::vector<std::string> loadLines(const Path& path) {
    auto bytes = readFileIfExists(path);
    return bytes ? splitLines(*bytes) : std::vector<std::string>{};
}

}  // namespace

bool ProfileFile::exists() const { return fileExists(path_); }

ProfileSnapshot::ProfileSnapshot(const Path& path) {
    try {
        lines_ = loadLines(path);
    } catch (const LumetraError&) {
        lines_.clear();  // an unreadable profile reads like a missing one
    }
}

std::string ProfileSnapshot::read(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
    bool inSection = false;
    for (const auto& line : lines_) {
        if (auto name = sectionName(line)) {
            inSection = sameText(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto entry = entryOf(line); entry && sameText(entry->key, key))
            return std::string(entry->value.substr(0, ProfileFile::kMaxValueLength));
    }
    return defaultValue;
}

std::string ProfileFile::read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    return snapshot().read(section, key, defaultValue);
}

void ProfileFile::write(const std::string& section, const std::string& key, const std::string& value) const {
    std::vector<std::string> lines;
    try {
        lines = loadLines(path_);
    } catch (const LumetraError&) {
        fail(msg::CannotWriteProfile, pathText(path_));
    }
    const std::string newLine = key + "=" + value;
    std::optional<std::size_t> sectionStart;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionName(lines[i])) {
            if (sectionStart) break;  // end of our section
            if (sameText(*name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (!sectionStart) continue;
        if (auto entry = entryOf(lines[i]); entry && sameText(entry->key, key)) {
            lines[i] = newLine;
            insertAt = std::string::npos;
            break;
        }
        if (!trimmed(lines[i]).empty()) insertAt = i + 1;  // after the section's last entry
    }
    if (!sectionStart) {
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    } else if (insertAt != std::string::npos) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    }
    try {
        saveFileSafely(path_, joinLines(lines));
    } catch (const LumetraError&) {
        fail(msg::CannotWriteProfile, pathText(path_));
    }
}

}  // namespace lumetra
