#include "settings/FileTransfer.h"

#include <QCoreApplication>

#include "base/Clock.h"
#include "base/Files.h"
#include "dayfile/DayFileName.h"
#include "sbfspot/SbfspotDayFiles.h"

namespace lumetra {

void handlePendingEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void copyDirectoryFiles(const Path& from, const Path& to, const PendingEvents& pending) {
    // Copies: the pending events may change the directories in use.
    const Path source = from, target = to;
    for (const Path& name : listPlainFiles(source)) {
        if (pending) pending();
        if (dirExists(target)) copyFileSafely(source / name, target / name);
    }
}

void backupData(const Directories& dirs, const PendingEvents& pending) {
    copyDirectoryFiles(dirs.data, dirs.backup, pending);
}

void restoreData(const Directories& dirs, const PendingEvents& pending) {
    copyDirectoryFiles(dirs.backup, dirs.data, pending);
}

void uploadToday(const SettingsFields& fields, const PendingEvents& pending) {
    const Path smaDir = fields.smaDir(), uploadDir = fields.uploadDir();
    const std::string name = DayFileName(formatDate(Clock::today()), fields.smaNumber());
    if (!dirExists(smaDir)) return;
    sbfspot::provideDayFile(smaDir, name, formatDate(Clock::today()));
    const Path source = findFileNoCase(smaDir, name);
    if (!fileExists(source)) return;
    if (pending) pending();
    if (dirExists(uploadDir)) copyFileSafely(source, uploadDir / name);
}

void backupOnClose(const AppContext& context, const PendingEvents& pending) {
    if (!context.autoBackup) return;
    // Events handled during the copy may change the settings; the backup keeps its folders.
    const Directories dirs = context.dirs;
    backupData(dirs, pending);
}

}  // namespace lumetra
