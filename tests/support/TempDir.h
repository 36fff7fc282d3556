#pragma once
// A scratch directory for one test, removed afterwards.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "base/Cp1252.h"

namespace lumetra::test {

class TempDir {
public:
    std::string path() const { return toCp1252(dir_.path()); }
    std::string file(const std::string& name) const { return path() + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        QFile f(dir_.filePath(fromCp1252(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string read(const std::string& name) const {
        QFile f(dir_.filePath(fromCp1252(name)));
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        QByteArray b = f.readAll();
        return std::string(b.constData(), static_cast<std::size_t>(b.size()));
    }
    bool exists(const std::string& name) const { return QFile::exists(dir_.filePath(fromCp1252(name))); }
    void mkdir(const std::string& name) const { QDir(dir_.path()).mkpath(fromCp1252(name)); }

private:
    QTemporaryDir dir_;
};

}  // namespace lumetra::test
