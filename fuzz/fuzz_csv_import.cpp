// Any CSV file loads into the left list; ">>" and ">" either take rows or stop with the
// date message, and every day line they take carries its date as yyyymmdd in front.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "base/Clock.h"
#include "base/Errors.h"
#include "base/German.h"
#include "entry/CsvImport.h"

namespace {

// The only failure the conversion expects: the row's date text is no date.
void expectDateMessage(const lumetra::LumetraError& e, const std::string& dateText) {
    if (e.what() != lumetra::formatMessage(lumetra::msg::NotADate, dateText)) std::abort();
}

int firstRowWithoutDate(const lumetra::DelimitedLineList& left) {
    for (int row = 0; row < left.count(); ++row) {
        try {
            (void)lumetra::strToDate(left.field(row, 0));
        } catch (const lumetra::LumetraError&) {
            return row;
        }
    }
    return -1;
}

void checkTaken(const lumetra::DailyYieldList& right) {
    for (const std::string& line : right.lines()) {
        const std::string id = lumetra::lineField(line, 0);
        if (id.size() != 8 || id.find_first_not_of("0123456789") != std::string::npos) std::abort();
        if (id != lumetra::formatDateId(lumetra::strToDate(lumetra::lineField(line, 1)))) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/import.csv";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    lumetra::Clock::setToday({2026, 12, 10});
    lumetra::CsvImport import;
    import.loadCsv(path);

    const auto& left = import.importLines();
    const int stop = firstRowWithoutDate(left);
    try {
        import.takeAll();
        if (stop >= 0) std::abort();
    } catch (const lumetra::LumetraError& e) {
        if (stop < 0) std::abort();
        expectDateMessage(e, left.field(stop, 0));
    }
    if (import.originalLines().count() != (stop < 0 ? left.count() : stop)) std::abort();
    checkTaken(import.originalLines());

    import.originalLines().clear();
    for (int row = -1; row <= left.count() && row < 16; ++row) {
        try {
            import.takeSelected(row);
        } catch (const lumetra::LumetraError& e) {
            expectDateMessage(e, left.field(row, 0));
        }
    }
    checkTaken(import.originalLines());
    return 0;
}
