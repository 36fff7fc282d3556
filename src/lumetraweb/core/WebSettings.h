#pragma once
// LUMWEB.INI: one section SET with six keys, read at the dialog's creation, written on "OK".
#include <optional>
#include <string>

#include "base/Files.h"

namespace lumetra {

struct WebSettingsValues {
    std::string path;  // base URL
    std::string pac;
    std::string sma;
    std::string time;           // minutes, as text
    bool hideInactive = false;  // Display
    bool autoRefresh = false;   // AUTO
};

// The dialog's design state (no file): the option boxes cleared.
WebSettingsValues designWebSettings();

Path webSettingsPath(const Path& workingDirectory);

// nullopt when the file does not exist.
std::optional<WebSettingsValues> loadWebSettings(const Path& iniPath);
// The six keys in order; throws "nach %s kann nicht geschrieben werden" at the first key
// that cannot be written, leaving the later ones unwritten.
void saveWebSettings(const Path& iniPath, const WebSettingsValues& values);

// TIME as minutes in 1…30; a text that is no whole number gives the file's default 10.
int periodMinutes(const std::string& timeText);

}  // namespace lumetra
