#include "SbfspotDayFiles.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

#include "SbfspotFiles.h"
#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "dayfile/DayFileName.h"

namespace lumetra::sbfspot {
namespace {

namespace fs = std::filesystem;

enum class Target { Missing, MadeHere, Foreign, Unreadable };

Target targetState(const Path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) return Target::Missing;
    if (!fs::is_regular_file(status)) return Target::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Target::Unreadable;
    std::string head(kDayFileMarker.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return isMadeFromSbfspot(head) ? Target::MadeHere : Target::Foreign;
}

std::optional<fs::file_time_type> modified(const Path& path) {
    std::error_code ec;
    const fs::file_time_type t = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    return t;
}

std::optional<Date> parseDateText(const std::string& text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
    int n[8], k = 0;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        n[k++] = text[i] - '0';
    }
    const Date d{n[4] * 1000 + n[5] * 100 + n[6] * 10 + n[7], n[2] * 10 + n[3], n[0] * 10 + n[1]};
    if (!isValidDate(d.year, d.month, d.day)) return std::nullopt;
    return d;
}

struct Candidate {
    std::string name;  // as on disk
    Path path;
};

bool before(const Candidate& a, const Candidate& b) {
    if (lineLess(a.name, b.name)) return true;
    if (lineLess(b.name, a.name)) return false;
    return a.path < b.path;
}

}  // namespace

std::optional<Date> dateOfDayFileName(std::string_view name) {
    constexpr std::size_t tail = 13;  // "-YYYYMMDD.csv"
    if (name.size() <= tail) return std::nullopt;
    const std::string_view end = name.substr(name.size() - tail);
    const std::string_view ext = end.substr(9);
    if (end[0] != '-' || ext[0] != '.' || (ext[1] | 0x20) != 'c' || (ext[2] | 0x20) != 's' ||
        (ext[3] | 0x20) != 'v')
        return std::nullopt;
    int n[8];
    for (int i = 0; i < 8; ++i) {
        const char c = end[static_cast<std::size_t>(1 + i)];
        if (c < '0' || c > '9') return std::nullopt;
        n[i] = c - '0';
    }
    const Date d{n[0] * 1000 + n[1] * 100 + n[2] * 10 + n[3], n[4] * 10 + n[5], n[6] * 10 + n[7]};
    if (!isValidDate(d.year, d.month, d.day)) return std::nullopt;
    return d;
}

std::optional<Path> findDayFileSource(const Path& smaDir, const Date& day) {
    std::optional<Candidate> first;
    for (const Path& dir : {smaDir, smaDir / std::to_string(day.year)}) {
        if (!dirExists(dir)) continue;
        for (const Path& name : listPlainFiles(dir)) {
            if (dateOfDayFileName(name.native()) != day) continue;
            Candidate c{name.native(), dir / name};
            if (!first || before(c, *first)) first = std::move(c);
        }
    }
    if (!first) return std::nullopt;
    return first->path;
}

bool writeDayFileIfStale(const Path& source, const Path& target, const Date& day) {
    switch (targetState(target)) {
        case Target::Foreign:
            return false;
        case Target::Unreadable:
            fail(msg::CannotOpen, pathText(target));
        case Target::MadeHere: {
            const auto sourceTime = modified(source), targetTime = modified(target);
            if (sourceTime && targetTime && *sourceTime <= *targetTime) return false;
            break;
        }
        case Target::Missing:
            break;
    }
    saveFileSafely(target, dayFileFrom(readFile(source), source, day));
    return true;
}

bool provideDayFile(const Path& smaDir, const std::string& dayFileName, const std::string& dateText) {
    const std::optional<Date> day = parseDateText(dateText);
    if (!day || !dirExists(smaDir)) return false;
    const Path target = findFileNoCase(smaDir, dayFileName);
    // The logger's own day files, and one we cannot read, take the way they always took.
    const Target state = targetState(target);
    if (state == Target::Foreign || state == Target::Unreadable) return false;
    const std::optional<Path> source = findDayFileSource(smaDir, *day);
    if (!source) return false;
    return writeDayFileIfStale(*source, target, *day);
}

TreeResult writeDayFilesOfTree(const Path& sourceDir, const Path& targetDir, const std::string& smaNumber) {
    std::map<int, std::pair<Date, Candidate>> byDay;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(sourceDir, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().native();
        const std::optional<Date> day = dateOfDayFileName(name);
        std::error_code typeError;
        if (!day || !it->is_regular_file(typeError)) continue;
        Candidate c{name, it->path()};
        const int key = day->year * 10000 + day->month * 100 + day->day;
        auto found = byDay.find(key);
        if (found == byDay.end())
            byDay.emplace(key, std::make_pair(*day, std::move(c)));
        else if (before(c, found->second.second))
            found->second.second = std::move(c);
    }
    TreeResult result;
    if (ec) result.failures.push_back(formatMessage(msg::CannotOpen, pathText(sourceDir)));
    for (const auto& [key, entry] : byDay) {
        const auto& [day, source] = entry;
        const Path target = findFileNoCase(targetDir, DayFileName(formatDate(day), smaNumber));
        try {
            if (writeDayFileIfStale(source.path, target, day)) result.written.push_back(target);
        } catch (const LumetraError& e) {
            result.failures.push_back(e.what());
        }
    }
    return result;
}

}  // namespace lumetra::sbfspot
