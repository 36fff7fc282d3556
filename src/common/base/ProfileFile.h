#pragma once
// A profile (INI) file with the semantics the settings files were written with:
// sections and keys found without regard to case, a write replaces the value in place
// or appends the key at the end of its section (the section at the end of the file when
// missing), writing a missing file creates it, values read up to 2047 characters, no
// quoting or escaping. Every write is a safe save of the whole file. Keys and values are
// Windows-1252 text, as the file holds them.
#include <string>
#include <vector>

#include "Files.h"

namespace lumetra {

// The file's lines as read once, for a load that looks up many keys.
class ProfileSnapshot {
public:
    explicit ProfileSnapshot(const Path& path);  // an unreadable file reads like a missing one
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;

private:
    std::vector<std::string> lines_;
};

class ProfileFile {
public:
    explicit ProfileFile(Path path) : path_(std::move(path)) {}

    const Path& path() const { return path_; }
    bool exists() const;

    ProfileSnapshot snapshot() const { return ProfileSnapshot(path_); }
    // Reads the file again; use snapshot() for more than one key.
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    // Throws "nach %s kann nicht geschrieben werden" with the file's path.
    void write(const std::string& section, const std::string& key, const std::string& value) const;

    static constexpr std::size_t kMaxValueLength = 2047;

private:
    Path path_;
};

}  // namespace lumetra
