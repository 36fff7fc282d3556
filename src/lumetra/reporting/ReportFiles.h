#pragma once
// Statistics files (".PVS") and the mail attachment: the report lines as RTF.
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"

namespace lumetra {

namespace reportmsg {
inline constexpr std::string_view StreamLoadFailed = "Das Laden des Streams ist mißlungen";
inline constexpr std::string_view StreamSaveFailed = "Das Speichern des Streams ist mißlungen";
}  // namespace reportmsg

// RTF, or plain text (one line per text line) when the bytes are no RTF. Throws
// "Das Laden des Streams ist mißlungen" for malformed RTF and for binary content.
std::vector<std::string> parseReportFile(std::string_view bytes);

// Throws "Datei %s kann nicht geöffnet werden" or as parseReportFile.
std::vector<std::string> loadReportFile(const Path& path);

// Safe save; throws "Datei %s kann nicht erstellt werden", the old file stays as it was.
void saveReportFile(const Path& path, const std::vector<std::string>& lines);

}  // namespace lumetra
