#include "Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "Cp1252.h"
#include "Errors.h"

namespace lumetra {
namespace {

QString q(const std::string& path) { return fromCp1252(path); }

}  // namespace

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string fileNameOf(const std::string& path) {
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

bool fileExists(const std::string& path) {
    QFileInfo info(q(path));
    return info.exists() && !info.isDir();
}

bool dirExists(const std::string& path) { return !path.empty() && QFileInfo(q(path)).isDir(); }

std::optional<std::string> readFileIfExists(const std::string& path) {
    if (!QFileInfo::exists(q(path))) return std::nullopt;
    return readFile(path);
}

std::string readFile(const std::string& path) {
    QFile file(q(path));
    if (QFileInfo(file).isDir() || !file.open(QIODevice::ReadOnly)) fail(msg::CannotOpen, path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) fail(msg::CannotOpen, path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void saveFileSafely(const std::string& path, const std::string& bytes) {
    QSaveFile file(q(path));
    // A directory in the way would otherwise be replaced by the rename.
    if (QFileInfo(q(path)).isDir() || !file.open(QIODevice::WriteOnly)) fail(msg::CannotCreate, path);
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        file.cancelWriting();
        fail(msg::CannotCreate, path);
    }
}

std::string findFileNoCase(const std::string& dir, const std::string& name) {
    const QString wanted = q(name);
    QDir d(q(dir));
    if (QFileInfo(d, wanted).exists()) return joinPath(dir, name);
    const QStringList entries = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return joinPath(dir, toCp1252(entry));
    return joinPath(dir, name);
}

std::vector<std::string> listPlainFiles(const std::string& dir) {
    QDir d(q(dir));
    QStringList entries = d.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) out.push_back(toCp1252(entry));
    return out;
}

bool createDirectory(const std::string& path) { return QDir().mkdir(q(path)); }

std::string currentDirectory() { return toCp1252(QDir::currentPath()); }

}  // namespace lumetra
