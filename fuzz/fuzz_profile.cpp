// Any profile file reads without harm; a written value reads back as written.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "base/Errors.h"
#include "base/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/LUMETRA.INI";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    lumetra::ProfileFile ini(path);
    for (const char* key : {"KWP", "euro", "STANDORT", "PATH"}) (void)ini.read("SET", key, "default");
    // A value without line ends and outer blanks survives its own write.
    std::string value;
    for (std::size_t i = 0; i < size && value.size() < 40; ++i) {
        char c = static_cast<char>(data[i]);
        if (c != '\r' && c != '\n' && c != '\0') value.push_back(c);
    }
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.erase(0, 1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
    ini.write("SET", "KWP", value);
    if (ini.read("SET", "KWP", "<none>") != value) std::abort();
    return 0;
}
