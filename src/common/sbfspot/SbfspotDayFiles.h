#pragma once
// Day files written from the logger's day files "<Plant>-YYYYMMDD.csv", on disk: found in the
// SMA directory or its year folder, written only where the day file is missing or is one made
// here from an older source. A day file made by anything else is never touched.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/German.h"

namespace lumetra::sbfspot {

// The date of a logger's day file name, nullopt for any other name (month files among them).
std::optional<Date> dateOfDayFileName(std::string_view name);

// The first (by name) day file of `day` in `smaDir` or in its folder named after the year.
std::optional<Path> findDayFileSource(const Path& smaDir, const Date& day);

// Writes `target` from `source` unless it exists and was not made here or is not older than
// `source`. Throws the reader's message, or "Datei %s kann nicht erstellt werden"; either way
// `target` stays as it was. Returns whether it wrote.
bool writeDayFileIfStale(const Path& source, const Path& target, const Date& day);

// Where the day file `dayFileName` of the date text dd.mm.yyyy is looked for in `smaDir`:
// makes it first from a logger's day file of that date when that is due.
bool provideDayFile(const Path& smaDir, const std::string& dayFileName, const std::string& dateText);

struct TreeResult {
    std::vector<Path> written;          // target paths
    std::vector<std::string> failures;  // one message per source that failed
};
// Every logger's day file under `sourceDir` (at any depth) into `targetDir`, named by the
// date and `smaNumber`; of several of one date the first by name.
TreeResult writeDayFilesOfTree(const Path& sourceDir, const Path& targetDir, const std::string& smaNumber);

}  // namespace lumetra::sbfspot
