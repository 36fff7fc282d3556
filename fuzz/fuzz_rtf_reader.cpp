// Any bytes parse as a report file or fail with our message; lines we write as RTF read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "reporting/ReportFiles.h"
#include "reporting/RtfReader.h"
#include "reporting/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        (void)lumetra::parseReportFile(bytes);
    } catch (const lumetra::LumetraError&) {
    }
    try {
        (void)lumetra::RtfReader::read(bytes);
    } catch (const lumetra::LumetraError&) {
    }

    // The same bytes as report lines: every byte but the separator may be in a line.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || bytes[i] == '\n') {
            if (i < size || start < size) lines.emplace_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    }
    const std::string rtf = lumetra::RtfWriter::write(lines);
    if (lumetra::parseReportFile(rtf) != lines) std::abort();
    return 0;
}
