#include "settings/FileTransfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "dayfile/DayFileName.h"
#include "sbfspot/SbfspotDayFiles.h"

namespace lumetra {
namespace {

void writeAll(QFile& source, QFileDevice& target, const std::string& sourcePath,
              const std::string& targetPath) {
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(buffer.data(), kChunk);
        if (n < 0) fail(msg::CannotOpen, sourcePath);
        if (n == 0) break;
        if (target.write(buffer.constData(), n) != n) fail(msg::CannotCreate, targetPath);
    }
    if (!target.flush() || ::fsync(target.handle()) != 0) fail(msg::CannotCreate, targetPath);
}

}  // namespace

void handlePendingEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void copyFileSafely(const std::string& source, const std::string& target) {
    const QString sourceName = fromCp1252(source);
    QFile in(sourceName);
    if (QFileInfo(sourceName).isDir() || !in.open(QIODevice::ReadOnly)) fail(msg::CannotOpen, source);

    const QString targetName = fromCp1252(target);
    const QFileInfo targetInfo(targetName);
    if (targetInfo.isDir()) fail(msg::CannotCreate, target);
    // Hidden, so a copy cut short by a crash is never itself backed up or restored.
    QTemporaryFile temp(targetInfo.absolutePath() + "/." + targetInfo.fileName() + ".XXXXXX");
    if (!temp.open()) fail(msg::CannotCreate, target);
    writeAll(in, temp, source, target);
    temp.setPermissions(QFileInfo(sourceName).permissions());
    temp.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(targetName).constData()) != 0)
        fail(msg::CannotCreate, target);
    temp.setAutoRemove(false);
}

void copyDirectoryFiles(const std::string& from, const std::string& to, const PendingEvents& pending) {
    // Copies: the pending events may change the directories in use.
    const std::string source = from, target = to;
    for (const std::string& name : listPlainFiles(source)) {
        if (pending) pending();
        if (dirExists(target)) copyFileSafely(joinPath(source, name), joinPath(target, name));
    }
}

void backupData(const Directories& dirs, const PendingEvents& pending) {
    copyDirectoryFiles(dirs.data, dirs.backup, pending);
}

void restoreData(const Directories& dirs, const PendingEvents& pending) {
    copyDirectoryFiles(dirs.backup, dirs.data, pending);
}

void uploadToday(const SettingsFields& fields, const PendingEvents& pending) {
    const std::string smaDir = fields.smaDir(), uploadDir = fields.uploadDir();
    const std::string name = DayFileName(formatDate(Clock::today()), fields.smaNumber());
    if (!dirExists(smaDir)) return;
    sbfspot::provideDayFile(smaDir, name, formatDate(Clock::today()));
    const std::string source = findFileNoCase(smaDir, name);
    if (!fileExists(source)) return;
    if (pending) pending();
    if (dirExists(uploadDir)) copyFileSafely(source, joinPath(uploadDir, name));
}

bool backupOnClose(const AppContext& context, const PendingEvents& pending) {
    if (!context.autoBackup) return true;
    const Directories dirs = context.dirs;
    return guarded([&] { backupData(dirs, pending); });
}

}  // namespace lumetra
