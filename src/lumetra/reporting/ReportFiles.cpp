#include "ReportFiles.h"

#include "RtfReader.h"
#include "RtfWriter.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace lumetra {
namespace {

std::vector<std::string> plainTextLines(std::string_view bytes) {
    // A NUL byte means binary content; word processors refuse such "text" too.
    if (bytes.find('\0') != std::string_view::npos) fail(reportmsg::StreamLoadFailed);
    std::string converted;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
        converted = cp1252FromUtf8(bytes);
        bytes = converted;
    }
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<std::string> parseReportFile(std::string_view bytes) {
    if (RtfReader::looksLikeRtf(bytes)) return RtfReader::read(bytes);
    return plainTextLines(bytes);
}

std::vector<std::string> loadReportFile(const Path& path) { return parseReportFile(readFile(path)); }

void saveReportFile(const Path& path, const std::vector<std::string>& lines) {
    saveFileSafely(path, RtfWriter::write(lines));
}

}  // namespace lumetra
