#pragma once
#include <string>
#include <string_view>

namespace lumetra {

inline constexpr std::string_view BadSmaNumberMessage = "Ungültige SMA-Nummer '%s'";

// The SMA day file's name: characters 9–10, 4–5 and 1–2 of the ten-character date text
// dd.mm.yyyy, the SMA number as entered, ".suo". "15.07.2008", "00" → "08071500.suo".
// The date text is not parsed; a shorter text contributes what it has.
// The name is joined to directories, so one that could leave them (a "/", a NUL, "." or
// "..") throws "Ungültige SMA-Nummer '%s'" before anything is read or written.
std::string DayFileName(const std::string& dateText, const std::string& smaNumber);

}  // namespace lumetra
