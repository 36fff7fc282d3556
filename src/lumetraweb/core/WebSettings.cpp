#include "WebSettings.h"

#include <algorithm>

#include "base/Files.h"
#include "base/German.h"
#include "base/ProfileFile.h"

namespace lumetra {
namespace {
const std::string kSection = "SET";
}

WebSettingsValues designWebSettings() {
    WebSettingsValues v;
    v.path = "http://127.0.0.1:8095/pvdaten";
    v.pac = "1000";
    v.sma = "00";
    v.time = "10";
    return v;
}

std::string webSettingsPath(const std::string& workingDirectory) {
    return joinPath(workingDirectory, "LUMWEB.INI");
}

std::optional<WebSettingsValues> loadWebSettings(const std::string& iniPath) {
    const ProfileFile file(iniPath);
    if (!file.exists()) return std::nullopt;
    WebSettingsValues v;
    v.path = file.read(kSection, "PATH", "");
    v.pac = file.read(kSection, "PAC", "1000");
    v.sma = file.read(kSection, "SMA", "00");
    v.time = file.read(kSection, "TIME", "10");
    v.hideInactive = file.read(kSection, "Display", "1") == "1";
    v.autoRefresh = file.read(kSection, "AUTO", "1") == "1";
    return v;
}

void saveWebSettings(const std::string& iniPath, const WebSettingsValues& v) {
    const ProfileFile file(iniPath);
    file.write(kSection, "PATH", v.path);
    file.write(kSection, "PAC", v.pac);
    file.write(kSection, "SMA", v.sma);
    file.write(kSection, "TIME", v.time);
    file.write(kSection, "Display", v.hideInactive ? "1" : "0");
    file.write(kSection, "AUTO", v.autoRefresh ? "1" : "0");
}

int periodMinutes(const std::string& timeText) {
    int minutes = 10;
    try {
        minutes = strToInt(timeText);
    } catch (const std::exception&) {
    }
    return std::clamp(minutes, 1, 30);
}

}  // namespace lumetra
