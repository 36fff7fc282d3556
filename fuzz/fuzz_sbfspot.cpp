// Any bytes read as the SBFspot logger's month or day file either fail with a message naming
// the file and a line, or give rows and a day file of the program's own forms: rows
// "dd.mm.yyyy;<number>", a day file of five header lines and 144 slot lines whose time stamp
// holds the day and whose PAC the day chart reads.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "base/German.h"
#include "dayfile/LoadDayCurve.h"
#include "sbfspot/SbfspotCsv.h"
#include "sbfspot/SbfspotFiles.h"

namespace {

const std::string kName = "F-20240715.csv";

void expectNamed(const lumetra::LumetraError& e) {
    if (std::string_view(e.what()).find("SBFspot-Datei " + kName + ", Zeile ") != 0) std::abort();
}

void checkMonth(std::string_view bytes) {
    try {
        for (const std::string& row : lumetra::sbfspot::monthRows(bytes, kName)) {
            lumetra::strToDate(lumetra::lineField(row, 0));  // throws on a bad date: abort below
            lumetra::strToFloat(lumetra::lineField(row, 1));
            if (!lumetra::lineField(row, 2).empty() || row.find(';') != 10) std::abort();
        }
    } catch (const lumetra::LumetraError& e) {
        if (std::string_view(e.what()).find("SBFspot-Datei ") != 0) std::abort();
    }
}

void checkDay(std::string_view bytes) {
    using namespace lumetra;
    Date day{2024, 7, 15};
    try {
        const sbfspot::CsvFile file = sbfspot::parseCsv(bytes, kName);
        if (!file.readings.empty()) day = file.readings.front().date;
    } catch (const LumetraError& e) {
        expectNamed(e);
    }
    std::string out;
    try {
        out = sbfspot::dayFileFrom(bytes, kName, day);
    } catch (const LumetraError& e) {
        expectNamed(e);
        return;
    }
    const std::vector<std::string> lines = splitLines(out);
    if (lines.size() != 149 || !sbfspot::isMadeFromSbfspot(out)) std::abort();
    const std::string date = formatDate(day);
    for (std::size_t i = 5; i < lines.size(); ++i) {
        if (lineField(lines[i], 0).rfind(date + " ", 0) != 0) std::abort();
        if (!pacValue(lineField(lines[i], 2))) std::abort();
    }
    static QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/24071500.suo";
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f << out;
    }
    // Every slot on its own column.
    const DayCurveResult drawn = LoadDayCurve(path, date, 5000);
    for (std::size_t s = 0; s < DayColumns; ++s)
        if (drawn.pacTexts[s] != lineField(lines[5 + s], 2)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lumetra::sbfspot::looksLikeSbfspot(bytes);
    checkMonth(bytes);
    checkDay(bytes);
    return 0;
}
