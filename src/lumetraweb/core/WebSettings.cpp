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

Path webSettingsPath(const Path& workingDirectory) { return workingDirectory / "LUMWEB.INI"; }

std::optional<WebSettingsValues> loadWebSettings(const Path& iniPath) {
    const ProfileFile file(iniPath);
    if (!file.exists()) return std::nullopt;
    const ProfileSnapshot values = file.snapshot();
    WebSettingsValues v;
    v.path = values.read(kSection, "PATH", "");
    v.pac = values.read(kSection, "PAC", "1000");
    v.sma = values.read(kSection, "SMA", "00");
    v.time = values.read(kSection, "TIME", "10");
    v.hideInactive = values.read(kSection, "Display", "1") == "1";
    v.autoRefresh = values.read(kSection, "AUTO", "1") == "1";
    return v;
}

void saveWebSettings(const Path& iniPath, const WebSettingsValues& v) {
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
