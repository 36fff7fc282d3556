#pragma once
// Backup, restore and upload: flat copies of plain files between directories, whatever
// their names. Every copy is a safe save (copyFileSafely), so a failed or interrupted copy
// never leaves a truncated file and an operation started in between (a timer tick while
// pending events are handled) only ever sees whole files.
#include <functional>
#include <string>

#include "data/AppContext.h"

namespace lumetra {

// Called before each file so the windows stay responsive; may run other operations.
using PendingEvents = std::function<void()>;
void handlePendingEvents();

inline constexpr int kUploadIntervalMs = 300000;

// Every plain file of `from` into `to`, by name, case ignored. A missing `to` copies nothing.
// The first failure stops it; files copied before stay copied.
void copyDirectoryFiles(const Path& from, const Path& to, const PendingEvents& pending = handlePendingEvents);

void backupData(const Directories& dirs, const PendingEvents& pending = handlePendingEvents);
void restoreData(const Directories& dirs, const PendingEvents& pending = handlePendingEvents);

// Today's day file from the SMA directory (found whatever its case) into the upload
// directory, under the name the web viewer asks for. Nothing when either is missing.
void uploadToday(const SettingsFields& fields, const PendingEvents& pending = handlePendingEvents);

// The main window's close: the backup when the auto backup flag asks for it. A failure
// throws, and the close is to be abandoned.
void backupOnClose(const AppContext& context, const PendingEvents& pending = handlePendingEvents);

}  // namespace lumetra
