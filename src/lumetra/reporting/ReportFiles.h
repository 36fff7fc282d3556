#pragma once
// Statistics files (".PVS") and the mail attachment: the report lines as RTF.
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

namespace reportmsg {
inline constexpr std::string_view StreamLoadFailed = "Das Laden des Streams ist mißlungen";
inline constexpr std::string_view StreamSaveFailed = "Das Speichern des Streams ist mißlungen";
}  // namespace reportmsg

// RTF, or plain text (one line per text line) when the bytes are no RTF. Throws
// "Das Laden des Streams ist mißlungen" for malformed RTF and for binary content.
std::vector<std::string> parseReportFile(std::string_view bytes);

// Throws "Datei %s kann nicht geöffnet werden" or as parseReportFile.
std::vector<std::string> loadReportFile(const std::string& path);

// Replaces the file safely. Throws "Datei %s kann nicht erstellt werden" when it cannot be
// created, "Das Speichern des Streams ist mißlungen" when writing fails (the old file stays).
void saveReportFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace lumetra
