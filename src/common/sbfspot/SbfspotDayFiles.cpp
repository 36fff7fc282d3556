#include "SbfspotDayFiles.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>

#include "SbfspotFiles.h"
#include "base/Cp1252.h"
#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "dayfile/DayFileName.h"

namespace lumetra::sbfspot {
namespace {

QString q(const std::string& path) { return fromCp1252(path); }

enum class Target { Missing, MadeHere, Foreign, Unreadable };

Target targetState(const std::string& path) {
    QFile file(q(path));
    if (!file.exists()) return Target::Missing;
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) return Target::Unreadable;
    const QByteArray head = file.read(static_cast<qint64>(kDayFileMarker.size()));
    return isMadeFromSbfspot(std::string_view(head.constData(), static_cast<std::size_t>(head.size())))
               ? Target::MadeHere
               : Target::Foreign;
}

std::optional<Date> parseDateText(const std::string& text) {
    Date d;
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
    try {
        d = Date{std::stoi(text.substr(6, 4)), std::stoi(text.substr(3, 2)), std::stoi(text.substr(0, 2))};
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!isValidDate(d.year, d.month, d.day)) return std::nullopt;
    return d;
}

struct Candidate {
    std::string name, path;
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
    if (end[0] != '-' || ext.size() != 4 || ext[0] != '.' || (ext[1] | 0x20) != 'c' ||
        (ext[2] | 0x20) != 's' || (ext[3] | 0x20) != 'v')
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

std::optional<std::string> findDayFileSource(const std::string& smaDir, const Date& day) {
    std::optional<Candidate> first;
    for (const std::string& dir : {smaDir, joinPath(smaDir, std::to_string(day.year))}) {
        if (!dirExists(dir)) continue;
        for (const std::string& name : listPlainFiles(dir)) {
            if (dateOfDayFileName(name) != day) continue;
            Candidate c{name, joinPath(dir, name)};
            if (!first || before(c, *first)) first = std::move(c);
        }
    }
    if (!first) return std::nullopt;
    return first->path;
}

bool writeDayFileIfStale(const std::string& source, const std::string& target, const Date& day) {
    switch (targetState(target)) {
        case Target::Foreign:
            return false;
        case Target::Unreadable:
            fail(msg::CannotOpen, target);
        case Target::MadeHere:
            if (QFileInfo(q(source)).lastModified() <= QFileInfo(q(target)).lastModified()) return false;
            break;
        case Target::Missing:
            break;
    }
    saveFileSafely(target, dayFileFrom(readFile(source), source, day));
    return true;
}

bool provideDayFile(const std::string& smaDir, const std::string& dayFileName, const std::string& dateText) {
    const std::optional<Date> day = parseDateText(dateText);
    if (!day || !dirExists(smaDir)) return false;
    const std::string target = findFileNoCase(smaDir, dayFileName);
    // The logger's own day files, and one we cannot read, take the way they always took.
    const Target state = targetState(target);
    if (state == Target::Foreign || state == Target::Unreadable) return false;
    const std::optional<std::string> source = findDayFileSource(smaDir, *day);
    if (!source) return false;
    return writeDayFileIfStale(*source, target, *day);
}

TreeResult writeDayFilesOfTree(const std::string& sourceDir, const std::string& targetDir,
                               const std::string& smaNumber) {
    std::map<int, std::pair<Date, Candidate>> byDay;
    QDirIterator it(q(sourceDir), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const std::string name = toCp1252(it.fileName());
        const std::optional<Date> day = dateOfDayFileName(name);
        if (!day) continue;
        Candidate c{name, toCp1252(it.filePath())};
        const int key = day->year * 10000 + day->month * 100 + day->day;
        auto found = byDay.find(key);
        if (found == byDay.end())
            byDay.emplace(key, std::make_pair(*day, std::move(c)));
        else if (before(c, found->second.second))
            found->second.second = std::move(c);
    }
    TreeResult result;
    for (const auto& [key, entry] : byDay) {
        const auto& [day, source] = entry;
        const std::string target = findFileNoCase(targetDir, DayFileName(formatDate(day), smaNumber));
        try {
            if (writeDayFileIfStale(source.path, target, day)) result.written.push_back(target);
        } catch (const LumetraError& e) {
            result.failures.push_back(e.what());
        }
    }
    return result;
}

}  // namespace lumetra::sbfspot
