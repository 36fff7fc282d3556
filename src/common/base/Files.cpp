#include "Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <system_error>

#include "Cp1252.h"
#include "Errors.h"

namespace lumetra {
namespace fs = std::filesystem;
namespace {

FileWriteLayer systemLayer;
std::atomic<FileWriteLayer*> activeLayer{&systemLayer};

FileWriteLayer& layer() { return *activeLayer.load(); }

QString displayName(const Path& path) {
    const std::string& native = path.native();
    return QFile::decodeName(QByteArray(native.data(), static_cast<qsizetype>(native.size())));
}

bool statOf(const Path& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

// A regular file opened for reading; FIFOs are opened without blocking so they can be refused.
class ReadHandle {
public:
    explicit ReadHandle(const Path& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) fail(msg::CannotOpen, pathText(path));
        if (::fstat(fd_, &st_) != 0 || S_ISDIR(st_.st_mode)) closeAndFail(msg::CannotOpen);
        if (!S_ISREG(st_.st_mode)) closeAndFail(msg::NotARegularFile);
    }
    ~ReadHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;

    // 0 at the end of the file.
    std::size_t read(char* into, std::size_t size) {
        for (;;) {
            const ssize_t n = ::read(fd_, into, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) fail(msg::CannotOpen, pathText(path_));
        }
    }
    const struct stat& status() const { return st_; }

private:
    [[noreturn]] void closeAndFail(std::string_view message) {
        ::close(fd_);
        fd_ = -1;
        fail(message, pathText(path_));
    }

    Path path_;
    int fd_ = -1;
    struct stat st_ {};
};

Path tempNameFor(const Path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    // Hidden, so a temporary file left by a crash is never itself backed up or listed.
    std::string name = "." + target.filename().native() + "." + std::to_string(::getpid()) + "." +
                       std::to_string(stamp % 1000000) + "." + std::to_string(counter++);
    return target.parent_path() / name;
}

bool caseBlindLess(const Path& a, const Path& b) {
    const int order = displayName(a).compare(displayName(b), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.native() < b.native();
}

}  // namespace

ssize_t FileWriteLayer::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileWriteLayer::flush(int) { return 0; }
int FileWriteLayer::sync(int fd) { return ::fsync(fd); }
int FileWriteLayer::close(int fd) { return ::close(fd); }
int FileWriteLayer::rename(const char* from, const char* to) { return ::rename(from, to); }

void setFileWriteLayer(FileWriteLayer* replacement) {
    activeLayer = replacement ? replacement : &systemLayer;
}

Path pathFromText(std::string_view cp1252) {
    const QByteArray bytes = QFile::encodeName(fromCp1252(cp1252));
    return Path(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string pathText(const Path& path) { return toCp1252(displayName(path)); }

Path pathFromQt(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return Path(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString qtPath(const Path& path) { return displayName(path); }

bool fileExists(const Path& path) {
    struct stat st {};
    return !path.empty() && statOf(path, st) && !S_ISDIR(st.st_mode);
}

bool dirExists(const Path& path) {
    struct stat st {};
    return !path.empty() && statOf(path, st) && S_ISDIR(st.st_mode);
}

std::optional<std::string> readFileIfExists(const Path& path) {
    struct stat st {};
    if (path.empty() || (!statOf(path, st) && errno == ENOENT)) return std::nullopt;
    return readFile(path);
}

std::string readFile(const Path& path) {
    ReadHandle in(path);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::max<off_t>(in.status().st_size, 0)));
    char chunk[64 * 1024];
    while (const std::size_t n = in.read(chunk, sizeof chunk)) bytes.append(chunk, n);
    return bytes;
}

void readFileInPieces(const Path& path, const std::function<void(std::string_view)>& piece) {
    ReadHandle in(path);
    std::string chunk(1 << 20, '\0');
    while (const std::size_t n = in.read(chunk.data(), chunk.size()))
        piece(std::string_view(chunk.data(), n));
}

SafeFileWriter::SafeFileWriter(Path target) : target_(std::move(target)) {
    struct stat st {};
    // A directory in the way would otherwise fail only at the rename, after all the writing.
    if (target_.empty() || target_.filename().empty() || (statOf(target_, st) && S_ISDIR(st.st_mode)))
        fail(msg::CannotCreate, pathText(target_));
    if (::lstat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) mode_ = st.st_mode & 07777;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = tempNameFor(target_);
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        temp_.clear();
        fail(msg::CannotCreate, pathText(target_));
    }
}

SafeFileWriter::~SafeFileWriter() { abandon(); }

void SafeFileWriter::write(std::string_view bytes) {
    if (fd_ < 0) failed();
    buffer_.append(bytes);
    if (buffer_.size() >= 64 * 1024) drain();
}

void SafeFileWriter::drain() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = layer().write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failed();
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

void SafeFileWriter::commit() {
    if (fd_ < 0) failed();
    drain();
    if (layer().flush(fd_) != 0 || layer().sync(fd_) != 0) failed();
    if (mode_) ::fchmod(fd_, static_cast<mode_t>(*mode_));
    const int fd = fd_;
    fd_ = -1;
    if (layer().close(fd) != 0) failed();
    if (layer().rename(temp_.c_str(), target_.c_str()) != 0) failed();
    temp_.clear();
    // The rename itself reaches the disk with the directory; a failure here loses nothing.
    const Path dir = target_.parent_path().empty() ? Path(".") : target_.parent_path();
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void SafeFileWriter::abandon() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
    buffer_.clear();
}

void SafeFileWriter::failed() {
    abandon();
    fail(msg::CannotCreate, pathText(target_));
}

void saveFileSafely(const Path& path, std::string_view bytes) {
    SafeFileWriter out(path);
    out.write(bytes);
    out.commit();
}

void copyFileSafely(const Path& source, const Path& target) {
    ReadHandle in(source);
    SafeFileWriter out(target);
    out.setPermissions(in.status().st_mode & 07777);
    char chunk[64 * 1024];
    while (const std::size_t n = in.read(chunk, sizeof chunk)) out.write(std::string_view(chunk, n));
    out.commit();
}

Path findFileNoCase(const Path& dir, const Path& name) {
    const Path exact = dir / name;
    struct stat st {};
    if (statOf(exact, st) || ::lstat(exact.c_str(), &st) == 0) return exact;
    const QString wanted = displayName(name);
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? Path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec))
        if (displayName(it->path().filename()).compare(wanted, Qt::CaseInsensitive) == 0)
            return dir / it->path().filename();
    return exact;
}

std::vector<Path> listPlainFiles(const Path& dir) {
    std::vector<Path> out;
    std::error_code ec;
    if (dir.empty()) return out;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const Path name = it->path().filename();
        std::error_code typeError;
        if (name.native().starts_with('.') || !it->is_regular_file(typeError)) continue;
        out.push_back(name);
    }
    std::sort(out.begin(), out.end(), caseBlindLess);
    return out;
}

bool createDirectory(const Path& path) { return !path.empty() && ::mkdir(path.c_str(), 0777) == 0; }

Path currentDirectory() {
    std::error_code ec;
    Path dir = fs::current_path(ec);
    return ec ? Path() : dir;
}

}  // namespace lumetra
