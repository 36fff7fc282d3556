#pragma once
// File access for the domain layer.
//
// Paths are std::filesystem::path and hold names as they are on disk, never converted; a
// std::string is always Windows-1252 text (file content, field texts, messages), so a file
// name can never be mistaken for content. Messages show a path through pathText().
//
// Every file either program writes goes through saveFileSafely, copyFileSafely or
// SafeFileWriter: the data and settings files, the location table, the archive's day files
// and pictures, report files and the mail's attachment, backup/restore/upload copies, the
// web viewer's temporary file, and every later addition (PDF and CSV exports, files made
// from foreign formats). They write a hidden temporary file beside the target, check every
// write, flush and sync, and rename it over the target only when complete. A failure leaves
// the old file byte for byte and throws "Datei %s kann nicht erstellt werden". The rename
// replaces a symbolic link at the target instead of writing through it.
#include <sys/types.h>

#include <QString>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

using Path = std::filesystem::path;

// A path typed into a field or kept in a settings file (Windows-1252 text).
Path pathFromText(std::string_view cp1252);
// The path as Windows-1252 text for messages and fields ('?' where it cannot hold a character).
std::string pathText(const Path& path);

// Windows hand paths over as QString; these keep every character.
Path pathFromQt(const QString& path);
QString qtPath(const Path& path);

bool fileExists(const Path& path);  // something other than a directory
bool dirExists(const Path& path);

// The whole file. Only regular files are read: a directory throws "Datei %s kann nicht
// geöffnet werden", a FIFO or device "Datei %s ist keine reguläre Datei" (it would block or
// never end). readFileIfExists returns nullopt when there is nothing at the path.
std::optional<std::string> readFileIfExists(const Path& path);
std::string readFile(const Path& path);
// As readFile, handing the bytes over piece by piece instead of holding them all.
void readFileInPieces(const Path& path, const std::function<void(std::string_view)>& piece);

void saveFileSafely(const Path& path, std::string_view bytes);
// Reads `source` as readFile does ("... kann nicht geöffnet werden") and saves it at
// `target`, streaming, with the source's permissions.
void copyFileSafely(const Path& source, const Path& target);

// A save whose bytes arrive piece by piece. Nothing reaches the target before commit();
// destroying an uncommitted writer removes its temporary file.
class SafeFileWriter {
public:
    explicit SafeFileWriter(Path target);  // throws when the temporary file cannot be made
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void write(std::string_view bytes);
    void commit();
    void abandon() noexcept;

    const Path& target() const { return target_; }
    void setPermissions(unsigned mode) { mode_ = mode; }

private:
    void drain();
    [[noreturn]] void failed();

    Path target_;
    Path temp_;
    int fd_ = -1;
    std::string buffer_;
    std::optional<unsigned> mode_;
};

// The system calls the savers use, replaceable so tests can make each step fail.
class FileWriteLayer {
public:
    virtual ~FileWriteLayer() = default;
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int flush(int fd);  // hands written data to the file system (a no-op on POSIX)
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};
// nullptr restores the system's layer.
void setFileWriteLayer(FileWriteLayer* layer);

// The path of the file in `dir` whose name equals `name` without regard to letter case;
// dir / name when there is none.
Path findFileNoCase(const Path& dir, const Path& name);

// Names of the regular files directly in `dir` (no directories, no hidden names, no FIFOs or
// devices), ordered by name without regard to case.
std::vector<Path> listPlainFiles(const Path& dir);

// Creates one directory level; false when that fails.
bool createDirectory(const Path& path);

// Process's current directory.
Path currentDirectory();

}  // namespace lumetra
