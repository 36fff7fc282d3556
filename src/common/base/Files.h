#pragma once
// File access for the domain layer. Paths are Windows-1252 text with "/" separators,
// kept without a trailing "/". Every write is a safe save: a temporary file in the same
// directory, flushed, then renamed over the target, so a failure leaves the old file whole.
#include <optional>
#include <string>
#include <vector>

namespace lumetra {

std::string joinPath(const std::string& dir, const std::string& name);
std::string fileNameOf(const std::string& path);  // last component

bool fileExists(const std::string& path);  // a file, not a directory
bool dirExists(const std::string& path);

// The whole file. Throws "Datei %s kann nicht geöffnet werden" when it exists but cannot be read,
// returns nullopt when there is nothing at the path.
std::optional<std::string> readFileIfExists(const std::string& path);
// As above, but a missing file is an error too.
std::string readFile(const std::string& path);

// Throws "Datei %s kann nicht erstellt werden"; the old file stays as it was.
void saveFileSafely(const std::string& path, const std::string& bytes);

// The path of the file in `dir` whose name equals `name` without regard to letter case;
// `dir` + "/" + `name` when there is none.
std::string findFileNoCase(const std::string& dir, const std::string& name);

// Plain files directly in `dir` (no directories, no hidden files), by name, case ignored.
std::vector<std::string> listPlainFiles(const std::string& dir);

// Creates one directory level; false when that fails.
bool createDirectory(const std::string& path);

// Process's current directory at start-up.
std::string currentDirectory();

}  // namespace lumetra
